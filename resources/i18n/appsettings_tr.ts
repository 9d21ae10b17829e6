<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>appsettings</name>
    <message id="appSettings.windowTitle"><source>Qamarly Settings</source><translation>Qamarly Ayarları</translation></message>
    <message id="appSettings.heading"><source>Qamarly</source><translation>Qamarly</translation></message>
    <message id="appSettings.close"><source>Close</source><translation>Kapat</translation></message>
    <message id="appSettings.notifications"><source>Notifications</source><translation>Bildirimler</translation></message>
    <message id="appSettings.allowNotifications"><source>Allow notifications</source><translation>Bildirimlere izin ver</translation></message>
    <message id="appSettings.badgeAppIcon"><source>Badge app icon</source><translation>Uygulama simgesinde rozet</translation></message>
    <message id="appSettings.notificationsNote"><source>Notifications bring the Hijri and Gregorian dates every morning; the badge shows the Hijri day on Qamarly&apos;s icon.</source><translation>Bildirimler her sabah Hicri ve Miladi tarihi getirir; rozet Qamarly simgesinde Hicri günü gösterir.</translation></message>
    <message id="appSettings.cannotKeep"><source>This change could not be saved. Check that your settings folder can be written to, then try again.</source><translation>Bu değişiklik kaydedilemedi. Ayarlar klasörünüze yazılabildiğini denetleyip yeniden deneyin.</translation></message>
    <message id="shell.menu.notificationSettings"><source>Notification Settings…</source><translation>Bildirim Ayarları…</translation></message>
    <message id="shell.menu.application"><source>&amp;Qamarly</source><translation>&amp;Qamarly</translation></message>
    <message id="shell.menu.newEvent"><source>New Event</source><translation>Yeni Etkinlik</translation></message>
    <message id="shell.menu.quit"><source>Quit</source><translation>Çık</translation></message>
    <message id="shell.a11y.screens"><source>Screens</source><translation>Ekranlar</translation></message>
</context>
</TS>
