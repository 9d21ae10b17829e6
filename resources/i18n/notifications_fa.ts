<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>notifications</name>
    <message id="notifications.permission.windowTitle"><source>Notifications</source><translation>اعلان‌ها</translation></message>
    <message id="notifications.permission.title"><source>“Qamarly” Would Like to Send You Notifications</source><translation>«قمرلی» می‌خواهد برای شما اعلان بفرستد</translation></message>
    <message id="notifications.permission.message"><source>Notifications may include alerts and a number on the app icon. You can change this later in Qamarly’s settings.</source><translation>اعلان‌ها ممکن است هشدار و عددی روی نماد برنامه باشند. بعداً می‌توانید این را در تنظیمات قمرلی تغییر دهید.</translation></message>
    <message id="notifications.permission.allow"><source>Allow</source><translation>اجازه بده</translation></message>
    <message id="notifications.permission.deny"><source>Don’t Allow</source><translation>اجازه نده</translation></message>
    <message id="notifications.today"><source>Today: %1</source><translation>امروز: %1</translation></message>
</context>
</TS>
