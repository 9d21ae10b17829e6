<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>notifications</name>
    <message id="notifications.permission.windowTitle"><source>Notifications</source><translation>Bildirimler</translation></message>
    <message id="notifications.permission.title"><source>“Qamarly” Would Like to Send You Notifications</source><translation>“Qamarly” Size Bildirim Göndermek İstiyor</translation></message>
    <message id="notifications.permission.message"><source>Notifications may include alerts and a number on the app icon. You can change this later in Qamarly’s settings.</source><translation>Bildirimler uyarılar ve uygulama simgesinde bir sayı içerebilir. Bunu daha sonra Qamarly&apos;nin ayarlarından değiştirebilirsiniz.</translation></message>
    <message id="notifications.permission.allow"><source>Allow</source><translation>İzin Ver</translation></message>
    <message id="notifications.permission.deny"><source>Don’t Allow</source><translation>İzin Verme</translation></message>
    <message id="notifications.today"><source>Today: %1</source><translation>Bugün: %1</translation></message>
</context>
</TS>
