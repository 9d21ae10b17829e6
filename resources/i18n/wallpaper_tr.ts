<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>wallpaper</name>
    <message id="moreSettings.wallpaper"><source>Wallpaper</source><translation>Duvar kâğıdı</translation></message>
    <message id="moreSettings.notifications"><source>Notifications</source><translation>Bildirimler</translation></message>
    <message id="moreSettings.dailyNotification"><source>Daily Hijri date notification</source><translation>Günlük Hicri tarih bildirimi</translation></message>
    <message id="moreSettings.todayAppBadge"><source>Hijri day on the app icon</source><translation>Uygulama simgesinde Hicri gün</translation></message>
    <message id="moreSettings.close"><source>Done</source><translation>Bitti</translation></message>
</context>
</TS>
