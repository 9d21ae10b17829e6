<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>notifications</name>
    <message id="notifications.permission.windowTitle"><source>Notifications</source><translation>Notifikasi</translation></message>
    <message id="notifications.permission.title"><source>“Qamarly” Would Like to Send You Notifications</source><translation>“Qamarly” Ingin Mengirimi Anda Notifikasi</translation></message>
    <message id="notifications.permission.message"><source>Notifications may include alerts and a number on the app icon. You can change this later in Qamarly’s settings.</source><translation>Notifikasi dapat berupa peringatan dan angka pada ikon aplikasi. Anda dapat mengubahnya nanti di pengaturan Qamarly.</translation></message>
    <message id="notifications.permission.allow"><source>Allow</source><translation>Izinkan</translation></message>
    <message id="notifications.permission.deny"><source>Don’t Allow</source><translation>Jangan Izinkan</translation></message>
    <message id="notifications.today"><source>Today: %1</source><translation>Hari ini: %1</translation></message>
</context>
</TS>
