<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur">
<context>
    <name>wallpaper</name>
    <message id="moreSettings.wallpaper"><source>Wallpaper</source><translation>وال پیپر</translation></message>
    <message id="moreSettings.notifications"><source>Notifications</source><translation>اطلاعات</translation></message>
    <message id="moreSettings.dailyNotification"><source>Daily Hijri date notification</source><translation>روزانہ ہجری تاریخ کی اطلاع</translation></message>
    <message id="moreSettings.todayAppBadge"><source>Hijri day on the app icon</source><translation>ایپ آئیکن پر ہجری دن</translation></message>
    <message id="moreSettings.close"><source>Done</source><translation>ہو گیا</translation></message>
</context>
</TS>
