<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>settings</name>
    <message id="settings.tabTitle"><source>Settings</source><translation>Pengaturan</translation></message>
    <message id="settings.adjustmentCaption"><source>Hijri adjustment</source><translation>Penyesuaian Hijriah</translation></message>
    <message id="settings.adjustmentUnit"><source>days</source><translation>hari</translation></message>
    <message id="settings.adjustmentHint"><source>Shift every Hijri date by whole days to match the sighting of the new moon where you live.</source><translation>Geser setiap tanggal Hijriah beberapa hari penuh agar sesuai dengan rukyat hilal di tempat Anda.</translation></message>
    <message id="settings.stepperCaption"><source>Adjustment in days</source><translation>Penyesuaian dalam hari</translation></message>
    <message id="settings.adjustmentRefused"><source>%1 is not an adjustment: whole days from %2 to %3</source><translation>%1 bukan penyesuaian yang sah: harus bilangan hari bulat dari %2 sampai %3</translation></message>
    <message id="settings.weekStart"><source>Weeks start on</source><translation>Minggu dimulai pada</translation></message>
    <message id="settings.weekStartLocale"><source>As the language has it</source><translation>Sesuai bahasa</translation></message>
    <message id="settings.increment"><source>One day later</source><translation>Satu hari lebih lambat</translation></message>
    <message id="settings.decrement"><source>One day earlier</source><translation>Satu hari lebih awal</translation></message>
    <message id="settings.feedback"><source>Send feedback</source><translation>Kirim masukan</translation></message>
    <message id="settings.tellFriend"><source>Tell a friend</source><translation>Beri tahu teman</translation></message>
    <message id="settings.rate"><source>Rate Qamarly</source><translation>Beri nilai Qamarly</translation></message>
    <message id="settings.rateUnavailable"><source>The store page to rate Qamarly could not be opened: no store is set up on this computer, or it could not be reached.</source><translation>Halaman toko untuk memberi nilai Qamarly tidak dapat dibuka: tidak ada toko yang disiapkan di komputer ini, atau toko tidak dapat dijangkau.</translation></message>
    <message id="settings.linkUnavailable"><source>No program on this computer opens %1. Open it in a browser to visit it.</source><translation>Tidak ada program di komputer ini yang dapat membuka %1. Buka di peramban untuk mengunjunginya.</translation></message>
    <message id="settings.ourApps"><source>Our other apps</source><translation>Aplikasi kami lainnya</translation></message>
    <message id="settings.social"><source>Follow us on Facebook</source><translation>Ikuti kami di Facebook</translation></message>
    <message id="settings.more"><source>Wallpaper and notifications</source><translation>Wallpaper dan notifikasi</translation></message>
    <message id="notice"><source>Notice</source><translation>Pemberitahuan</translation></message>
    <message id="emailErrorMsg"><source>No mail program is set up on this computer. Write to us at %1 from any mail service.</source><translation>Tidak ada program surel yang disiapkan di komputer ini. Kirimi kami surel ke %1 dari layanan surel mana pun.</translation></message>
    <message id="emailBody"><source>Write your feedback or suggestion here:</source><translation>Tulis masukan atau saran Anda di sini:</translation></message>
    <message id="TellFriend"><source>I use Qamarly for the Hijri date, the Gregorian date and the Islamic occasions. Try it: https://qamarly.org</source><translation>Saya memakai Qamarly untuk tanggal Hijriah, tanggal Masehi, dan hari-hari besar Islam. Cobalah: https://qamarly.org</translation></message>
</context>
</TS>
