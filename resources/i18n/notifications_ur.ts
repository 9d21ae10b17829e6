<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur">
<context>
    <name>notifications</name>
    <message id="notifications.permission.windowTitle"><source>Notifications</source><translation>اطلاعات</translation></message>
    <message id="notifications.permission.title"><source>“Qamarly” Would Like to Send You Notifications</source><translation>”قمرلی“ آپ کو اطلاعات بھیجنا چاہتا ہے</translation></message>
    <message id="notifications.permission.message"><source>Notifications may include alerts and a number on the app icon. You can change this later in Qamarly’s settings.</source><translation>اطلاعات میں الرٹس اور ایپ آئیکن پر ایک عدد شامل ہو سکتے ہیں۔ آپ اسے بعد میں قمرلی کی ترتیبات میں بدل سکتے ہیں۔</translation></message>
    <message id="notifications.permission.allow"><source>Allow</source><translation>اجازت دیں</translation></message>
    <message id="notifications.permission.deny"><source>Don’t Allow</source><translation>اجازت نہ دیں</translation></message>
    <message id="notifications.today"><source>Today: %1</source><translation>آج: %1</translation></message>
</context>
</TS>
