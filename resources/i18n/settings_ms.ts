<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms">
<context>
    <name>settings</name>
    <message id="settings.tabTitle"><source>Settings</source><translation>Tetapan</translation></message>
    <message id="settings.adjustmentCaption"><source>Hijri adjustment</source><translation>Pelarasan Hijrah</translation></message>
    <message id="settings.adjustmentUnit"><source>days</source><translation>hari</translation></message>
    <message id="settings.adjustmentHint"><source>Shift every Hijri date by whole days to match the sighting of the new moon where you live.</source><translation>Anjakkan setiap tarikh Hijrah beberapa hari penuh supaya sepadan dengan rukyah anak bulan di tempat anda.</translation></message>
    <message id="settings.stepperCaption"><source>Adjustment in days</source><translation>Pelarasan dalam hari</translation></message>
    <message id="settings.adjustmentRefused"><source>%1 is not an adjustment: whole days from %2 to %3</source><translation>%1 bukan pelarasan yang sah: mesti hari penuh dari %2 hingga %3</translation></message>
    <message id="settings.weekStart"><source>Weeks start on</source><translation>Minggu bermula pada</translation></message>
    <message id="settings.weekStartLocale"><source>As the language has it</source><translation>Mengikut bahasa</translation></message>
    <message id="settings.increment"><source>One day later</source><translation>Sehari kemudian</translation></message>
    <message id="settings.decrement"><source>One day earlier</source><translation>Sehari lebih awal</translation></message>
    <message id="settings.feedback"><source>Send feedback</source><translation>Hantar maklum balas</translation></message>
    <message id="settings.tellFriend"><source>Tell a friend</source><translation>Beritahu rakan</translation></message>
    <message id="settings.rate"><source>Rate Qamarly</source><translation>Nilai Qamarly</translation></message>
    <message id="settings.rateUnavailable"><source>The store page to rate Qamarly could not be opened: no store is set up on this computer, or it could not be reached.</source><translation>Halaman kedai untuk menilai Qamarly tidak dapat dibuka: tiada kedai disediakan pada komputer ini, atau ia tidak dapat dicapai.</translation></message>
    <message id="settings.linkUnavailable"><source>No program on this computer opens %1. Open it in a browser to visit it.</source><translation>Tiada program pada komputer ini yang membuka %1. Bukanya dalam pelayar untuk melawatnya.</translation></message>
    <message id="settings.ourApps"><source>Our other apps</source><translation>Aplikasi kami yang lain</translation></message>
    <message id="settings.social"><source>Follow us on Facebook</source><translation>Ikuti kami di Facebook</translation></message>
    <message id="settings.more"><source>Wallpaper and notifications</source><translation>Kertas dinding dan pemberitahuan</translation></message>
    <message id="notice"><source>Notice</source><translation>Makluman</translation></message>
    <message id="emailErrorMsg"><source>No mail program is set up on this computer. Write to us at %1 from any mail service.</source><translation>Tiada program e-mel disediakan pada komputer ini. Tulis kepada kami di %1 daripada mana-mana perkhidmatan e-mel.</translation></message>
    <message id="emailBody"><source>Write your feedback or suggestion here:</source><translation>Tulis maklum balas atau cadangan anda di sini:</translation></message>
    <message id="TellFriend"><source>I use Qamarly for the Hijri date, the Gregorian date and the Islamic occasions. Try it: https://qamarly.org</source><translation>Saya menggunakan Qamarly untuk tarikh Hijrah, tarikh Masihi dan hari kebesaran Islam. Cubalah: https://qamarly.org</translation></message>
</context>
</TS>
