<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur">
<context>
    <name>appsettings</name>
    <message id="appSettings.windowTitle"><source>Qamarly Settings</source><translation>قمرلی کی ترتیبات</translation></message>
    <message id="appSettings.heading"><source>Qamarly</source><translation>قمرلی</translation></message>
    <message id="appSettings.close"><source>Close</source><translation>بند کریں</translation></message>
    <message id="appSettings.notifications"><source>Notifications</source><translation>اطلاعات</translation></message>
    <message id="appSettings.allowNotifications"><source>Allow notifications</source><translation>اطلاعات کی اجازت دیں</translation></message>
    <message id="appSettings.badgeAppIcon"><source>Badge app icon</source><translation>ایپ آئیکن پر بیج</translation></message>
    <message id="appSettings.notificationsNote"><source>Notifications bring the Hijri and Gregorian dates every morning; the badge shows the Hijri day on Qamarly&apos;s icon.</source><translation>اطلاعات ہر صبح ہجری اور عیسوی تاریخ لاتی ہیں؛ بیج قمرلی کے آئیکن پر ہجری دن دکھاتا ہے۔</translation></message>
    <message id="appSettings.cannotKeep"><source>This change could not be saved. Check that your settings folder can be written to, then try again.</source><translation>یہ تبدیلی محفوظ نہیں ہو سکی۔ دیکھیں کہ آپ کے ترتیبات کے فولڈر میں لکھا جا سکتا ہے، پھر دوبارہ کوشش کریں۔</translation></message>
    <message id="shell.menu.notificationSettings"><source>Notification Settings…</source><translation>اطلاعات کی ترتیبات…</translation></message>
    <message id="shell.menu.application"><source>&amp;Qamarly</source><translation>&amp;قمرلی</translation></message>
    <message id="shell.menu.newEvent"><source>New Event</source><translation>نیا ایونٹ</translation></message>
    <message id="shell.menu.quit"><source>Quit</source><translation>بند کریں</translation></message>
    <message id="shell.a11y.screens"><source>Screens</source><translation>اسکرینیں</translation></message>
</context>
</TS>
