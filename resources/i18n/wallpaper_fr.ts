<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>wallpaper</name>
    <message id="moreSettings.wallpaper"><source>Wallpaper</source><translation>Fond d’écran</translation></message>
    <message id="moreSettings.notifications"><source>Notifications</source><translation>Notifications</translation></message>
    <message id="moreSettings.dailyNotification"><source>Daily Hijri date notification</source><translation>Notification quotidienne de la date hégirienne</translation></message>
    <message id="moreSettings.todayAppBadge"><source>Hijri day on the app icon</source><translation>Jour hégirien sur l’icône</translation></message>
    <message id="moreSettings.close"><source>Done</source><translation>OK</translation></message>
</context>
</TS>
