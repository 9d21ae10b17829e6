<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>appsettings</name>
    <message id="appSettings.windowTitle"><source>Qamarly Settings</source><translation>إعدادات قمرلي</translation></message>
    <message id="appSettings.heading"><source>Qamarly</source><translation>قمرلي</translation></message>
    <message id="appSettings.close"><source>Close</source><translation>إغلاق</translation></message>
    <message id="appSettings.notifications"><source>Notifications</source><translation>الإشعارات</translation></message>
    <message id="appSettings.allowNotifications"><source>Allow notifications</source><translation>السماح بالإشعارات</translation></message>
    <message id="appSettings.badgeAppIcon"><source>Badge app icon</source><translation>شارة على أيقونة التطبيق</translation></message>
    <message id="appSettings.notificationsNote"><source>Notifications bring the Hijri and Gregorian dates every morning; the badge shows the Hijri day on Qamarly's icon.</source><translation>تصلك الإشعارات بالتاريخين الهجري والميلادي كل صباح، وتعرض الشارة اليوم الهجري على أيقونة قمرلي.</translation></message>
    <message id="appSettings.cannotKeep"><source>This change could not be saved. Check that your settings folder can be written to, then try again.</source><translation>تعذّر حفظ هذا التغيير. تأكد من إمكانية الكتابة في مجلد الإعدادات ثم حاول مرة أخرى.</translation></message>
    <message id="shell.menu.notificationSettings"><source>Notification Settings…</source><translation>إعدادات الإشعارات…</translation></message>
    <message id="shell.menu.application"><source>&amp;Qamarly</source><translation>قمرلي</translation></message>
    <message id="shell.menu.newEvent"><source>New Event</source><translation>موعد جديد</translation></message>
    <message id="shell.menu.quit"><source>Quit</source><translation>إنهاء</translation></message>
    <message id="shell.a11y.screens"><source>Screens</source><translation>الشاشات</translation></message>
</context>
</TS>
