<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>wallpaper</name>
    <message id="moreSettings.wallpaper"><source>Wallpaper</source><translation>Wallpaper</translation></message>
    <message id="moreSettings.notifications"><source>Notifications</source><translation>Notifikasi</translation></message>
    <message id="moreSettings.dailyNotification"><source>Daily Hijri date notification</source><translation>Notifikasi tanggal Hijriah harian</translation></message>
    <message id="moreSettings.todayAppBadge"><source>Hijri day on the app icon</source><translation>Tanggal Hijriah pada ikon aplikasi</translation></message>
    <message id="moreSettings.close"><source>Done</source><translation>Selesai</translation></message>
</context>
</TS>
