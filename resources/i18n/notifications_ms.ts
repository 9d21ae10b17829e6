<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms">
<context>
    <name>notifications</name>
    <message id="notifications.permission.windowTitle"><source>Notifications</source><translation>Pemberitahuan</translation></message>
    <message id="notifications.permission.title"><source>“Qamarly” Would Like to Send You Notifications</source><translation>“Qamarly” Ingin Menghantar Pemberitahuan kepada Anda</translation></message>
    <message id="notifications.permission.message"><source>Notifications may include alerts and a number on the app icon. You can change this later in Qamarly’s settings.</source><translation>Pemberitahuan mungkin termasuk makluman dan nombor pada ikon aplikasi. Anda boleh mengubahnya kemudian dalam tetapan Qamarly.</translation></message>
    <message id="notifications.permission.allow"><source>Allow</source><translation>Benarkan</translation></message>
    <message id="notifications.permission.deny"><source>Don’t Allow</source><translation>Jangan Benarkan</translation></message>
    <message id="notifications.today"><source>Today: %1</source><translation>Hari ini: %1</translation></message>
</context>
</TS>
