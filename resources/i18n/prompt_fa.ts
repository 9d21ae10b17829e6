<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>prompt</name>
    <message id="prompt.title"><source>Stay on the Hijri date</source><translation>همراه تاریخ قمری بمانید</translation></message>
    <message id="prompt.message"><source>Allow notifications to see the Hijri day on the app icon and to get the Hijri and Gregorian dates every morning.</source><translation>به اعلان‌ها اجازه دهید تا روز قمری را روی نماد برنامه ببینید و هر صبح تاریخ قمری و میلادی را دریافت کنید.</translation></message>
    <message id="prompt.enable"><source>Enable notifications</source><translation>روشن کردن اعلان‌ها</translation></message>
    <message id="prompt.close"><source>Not now</source><translation>اکنون نه</translation></message>
    <message id="NotificationsNotEnabledMessage"><source>Notifications are turned off for Qamarly. Turn them on in Settings to get the daily Hijri date and the icon badge.</source><translation>اعلان‌های قمرلی خاموش است. برای دریافت تاریخ قمری روزانه و نشان نماد، آن‌ها را در تنظیمات روشن کنید.</translation></message>
    <message id="ok"><source>OK</source><translation>تأیید</translation></message>
    <message id="settings"><source>Settings</source><translation>تنظیمات</translation></message>
</context>
</TS>
