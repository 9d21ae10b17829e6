<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn">
<context>
    <name>prompt</name>
    <message id="prompt.title"><source>Stay on the Hijri date</source><translation>হিজরি তারিখের সঙ্গে থাকুন</translation></message>
    <message id="prompt.message"><source>Allow notifications to see the Hijri day on the app icon and to get the Hijri and Gregorian dates every morning.</source><translation>অ্যাপ আইকনে হিজরি দিন দেখতে এবং প্রতিদিন সকালে হিজরি ও খ্রিস্টীয় তারিখ পেতে বিজ্ঞপ্তির অনুমতি দিন।</translation></message>
    <message id="prompt.enable"><source>Enable notifications</source><translation>বিজ্ঞপ্তি চালু করুন</translation></message>
    <message id="prompt.close"><source>Not now</source><translation>এখন নয়</translation></message>
    <message id="NotificationsNotEnabledMessage"><source>Notifications are turned off for Qamarly. Turn them on in Settings to get the daily Hijri date and the icon badge.</source><translation>Qamarly-র বিজ্ঞপ্তি বন্ধ আছে। প্রতিদিনের হিজরি তারিখ ও আইকনের ব্যাজ পেতে সেটিংসে চালু করুন।</translation></message>
    <message id="ok"><source>OK</source><translation>ঠিক আছে</translation></message>
    <message id="settings"><source>Settings</source><translation>সেটিংস</translation></message>
</context>
</TS>
