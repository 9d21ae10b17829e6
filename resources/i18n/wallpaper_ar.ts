<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>wallpaper</name>
    <message id="moreSettings.wallpaper"><source>Wallpaper</source><translation>الخلفية</translation></message>
    <message id="moreSettings.notifications"><source>Notifications</source><translation>الإشعارات</translation></message>
    <message id="moreSettings.dailyNotification"><source>Daily Hijri date notification</source><translation>إشعار يومي بالتاريخ الهجري</translation></message>
    <message id="moreSettings.todayAppBadge"><source>Hijri day on the app icon</source><translation>اليوم الهجري على أيقونة التطبيق</translation></message>
    <message id="moreSettings.close"><source>Done</source><translation>تم</translation></message>
</context>
</TS>
