<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>wallpaper</name>
    <message id="moreSettings.wallpaper"><source>Wallpaper</source><translation>Wallpaper</translation></message>
    <message id="moreSettings.notifications"><source>Notifications</source><translation>Notifications</translation></message>
    <message id="moreSettings.dailyNotification"><source>Daily Hijri date notification</source><translation>Daily Hijri date notification</translation></message>
    <message id="moreSettings.todayAppBadge"><source>Hijri day on the app icon</source><translation>Hijri day on the app icon</translation></message>
    <message id="moreSettings.close"><source>Done</source><translation>Done</translation></message>
</context>
</TS>
