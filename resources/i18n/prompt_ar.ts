<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>prompt</name>
    <message id="prompt.title"><source>Stay on the Hijri date</source><translation>ابقَ على اطّلاع بالتاريخ الهجري</translation></message>
    <message id="prompt.message"><source>Allow notifications to see the Hijri day on the app icon and to get the Hijri and Gregorian dates every morning.</source><translation>اسمح بالإشعارات لترى اليوم الهجري على أيقونة التطبيق، ولتصلك التواريخ الهجرية والميلادية كل صباح.</translation></message>
    <message id="prompt.enable"><source>Enable notifications</source><translation>تفعيل الإشعارات</translation></message>
    <message id="prompt.close"><source>Not now</source><translation>ليس الآن</translation></message>
    <message id="NotificationsNotEnabledMessage"><source>Notifications are turned off for Qamarly. Turn them on in Settings to get the daily Hijri date and the icon badge.</source><translation>الإشعارات متوقفة لتطبيق قمرلي. فعّلها من الإعدادات لتصلك التواريخ الهجرية يوميًا ويظهر اليوم على الأيقونة.</translation></message>
    <message id="ok"><source>OK</source><translation>حسنًا</translation></message>
    <message id="settings"><source>Settings</source><translation>الإعدادات</translation></message>
</context>
</TS>
