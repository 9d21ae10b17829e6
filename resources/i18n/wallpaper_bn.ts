<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn">
<context>
    <name>wallpaper</name>
    <message id="moreSettings.wallpaper"><source>Wallpaper</source><translation>ওয়ালপেপার</translation></message>
    <message id="moreSettings.notifications"><source>Notifications</source><translation>বিজ্ঞপ্তি</translation></message>
    <message id="moreSettings.dailyNotification"><source>Daily Hijri date notification</source><translation>প্রতিদিনের হিজরি তারিখের বিজ্ঞপ্তি</translation></message>
    <message id="moreSettings.todayAppBadge"><source>Hijri day on the app icon</source><translation>অ্যাপ আইকনে হিজরি দিন</translation></message>
    <message id="moreSettings.close"><source>Done</source><translation>সম্পন্ন</translation></message>
</context>
</TS>
