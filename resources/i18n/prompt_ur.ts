<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur">
<context>
    <name>prompt</name>
    <message id="prompt.title"><source>Stay on the Hijri date</source><translation>ہجری تاریخ سے باخبر رہیں</translation></message>
    <message id="prompt.message"><source>Allow notifications to see the Hijri day on the app icon and to get the Hijri and Gregorian dates every morning.</source><translation>اطلاعات کی اجازت دیں تاکہ ایپ آئیکن پر ہجری دن نظر آئے اور ہر صبح ہجری اور عیسوی تاریخ ملے۔</translation></message>
    <message id="prompt.enable"><source>Enable notifications</source><translation>اطلاعات فعال کریں</translation></message>
    <message id="prompt.close"><source>Not now</source><translation>ابھی نہیں</translation></message>
    <message id="NotificationsNotEnabledMessage"><source>Notifications are turned off for Qamarly. Turn them on in Settings to get the daily Hijri date and the icon badge.</source><translation>قمرلی کے لیے اطلاعات بند ہیں۔ روزانہ ہجری تاریخ اور آئیکن کا بیج پانے کے لیے انہیں ترتیبات میں فعال کریں۔</translation></message>
    <message id="ok"><source>OK</source><translation>ٹھیک ہے</translation></message>
    <message id="settings"><source>Settings</source><translation>ترتیبات</translation></message>
</context>
</TS>
