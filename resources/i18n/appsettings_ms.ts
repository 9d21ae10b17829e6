<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms">
<context>
    <name>appsettings</name>
    <message id="appSettings.windowTitle"><source>Qamarly Settings</source><translation>Tetapan Qamarly</translation></message>
    <message id="appSettings.heading"><source>Qamarly</source><translation>Qamarly</translation></message>
    <message id="appSettings.close"><source>Close</source><translation>Tutup</translation></message>
    <message id="appSettings.notifications"><source>Notifications</source><translation>Pemberitahuan</translation></message>
    <message id="appSettings.allowNotifications"><source>Allow notifications</source><translation>Benarkan pemberitahuan</translation></message>
    <message id="appSettings.badgeAppIcon"><source>Badge app icon</source><translation>Lencana pada ikon aplikasi</translation></message>
    <message id="appSettings.notificationsNote"><source>Notifications bring the Hijri and Gregorian dates every morning; the badge shows the Hijri day on Qamarly&apos;s icon.</source><translation>Pemberitahuan membawa tarikh Hijrah dan Masihi setiap pagi; lencana menunjukkan hari Hijrah pada ikon Qamarly.</translation></message>
    <message id="appSettings.cannotKeep"><source>This change could not be saved. Check that your settings folder can be written to, then try again.</source><translation>Perubahan ini tidak dapat disimpan. Pastikan folder tetapan anda boleh ditulis, kemudian cuba lagi.</translation></message>
    <message id="shell.menu.notificationSettings"><source>Notification Settings…</source><translation>Tetapan Pemberitahuan…</translation></message>
    <message id="shell.menu.application"><source>&amp;Qamarly</source><translation>&amp;Qamarly</translation></message>
    <message id="shell.menu.newEvent"><source>New Event</source><translation>Acara Baharu</translation></message>
    <message id="shell.menu.quit"><source>Quit</source><translation>Keluar</translation></message>
    <message id="shell.a11y.screens"><source>Screens</source><translation>Skrin</translation></message>
</context>
</TS>
