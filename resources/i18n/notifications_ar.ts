<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>notifications</name>
    <message id="notifications.permission.windowTitle"><source>Notifications</source><translation>الإشعارات</translation></message>
    <message id="notifications.permission.title"><source>“Qamarly” Would Like to Send You Notifications</source><translation>يودّ «قمرلي» أن يرسل إليك إشعارات</translation></message>
    <message id="notifications.permission.message"><source>Notifications may include alerts and a number on the app icon. You can change this later in Qamarly’s settings.</source><translation>قد تتضمن الإشعارات تنبيهات ورقمًا على أيقونة التطبيق. يمكنك تغيير ذلك لاحقًا من إعدادات قمرلي.</translation></message>
    <message id="notifications.permission.allow"><source>Allow</source><translation>السماح</translation></message>
    <message id="notifications.permission.deny"><source>Don’t Allow</source><translation>عدم السماح</translation></message>
    <message id="notifications.today"><source>Today: %1</source><translation>اليوم: %1</translation></message>
</context>
</TS>
