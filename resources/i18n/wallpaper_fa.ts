<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>wallpaper</name>
    <message id="moreSettings.wallpaper"><source>Wallpaper</source><translation>کاغذدیواری</translation></message>
    <message id="moreSettings.notifications"><source>Notifications</source><translation>اعلان‌ها</translation></message>
    <message id="moreSettings.dailyNotification"><source>Daily Hijri date notification</source><translation>اعلان روزانهٔ تاریخ قمری</translation></message>
    <message id="moreSettings.todayAppBadge"><source>Hijri day on the app icon</source><translation>روز قمری روی نماد برنامه</translation></message>
    <message id="moreSettings.close"><source>Done</source><translation>انجام شد</translation></message>
</context>
</TS>
