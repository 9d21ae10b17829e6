<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>appsettings</name>
    <message id="appSettings.windowTitle"><source>Qamarly Settings</source><translation>تنظیمات قمرلی</translation></message>
    <message id="appSettings.heading"><source>Qamarly</source><translation>قمرلی</translation></message>
    <message id="appSettings.close"><source>Close</source><translation>بستن</translation></message>
    <message id="appSettings.notifications"><source>Notifications</source><translation>اعلان‌ها</translation></message>
    <message id="appSettings.allowNotifications"><source>Allow notifications</source><translation>اجازهٔ اعلان</translation></message>
    <message id="appSettings.badgeAppIcon"><source>Badge app icon</source><translation>نشان روی نماد برنامه</translation></message>
    <message id="appSettings.notificationsNote"><source>Notifications bring the Hijri and Gregorian dates every morning; the badge shows the Hijri day on Qamarly&apos;s icon.</source><translation>اعلان‌ها هر صبح تاریخ قمری و میلادی را می‌آورند؛ نشان، روز قمری را روی نماد قمرلی نشان می‌دهد.</translation></message>
    <message id="appSettings.cannotKeep"><source>This change could not be saved. Check that your settings folder can be written to, then try again.</source><translation>این تغییر ذخیره نشد. بررسی کنید که پوشهٔ تنظیمات شما قابل نوشتن باشد و دوباره تلاش کنید.</translation></message>
    <message id="shell.menu.notificationSettings"><source>Notification Settings…</source><translation>تنظیمات اعلان…</translation></message>
    <message id="shell.menu.application"><source>&amp;Qamarly</source><translation>&amp;قمرلی</translation></message>
    <message id="shell.menu.newEvent"><source>New Event</source><translation>رویداد تازه</translation></message>
    <message id="shell.menu.quit"><source>Quit</source><translation>خروج</translation></message>
    <message id="shell.a11y.screens"><source>Screens</source><translation>صفحه‌ها</translation></message>
</context>
</TS>
