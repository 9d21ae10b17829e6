<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>notifications</name>
    <message id="notifications.permission.windowTitle"><source>Notifications</source><translation>Notifications</translation></message>
    <message id="notifications.permission.title"><source>“Qamarly” Would Like to Send You Notifications</source><translation>“Qamarly” Would Like to Send You Notifications</translation></message>
    <message id="notifications.permission.message"><source>Notifications may include alerts and a number on the app icon. You can change this later in Qamarly’s settings.</source><translation>Notifications may include alerts and a number on the app icon. You can change this later in Qamarly’s settings.</translation></message>
    <message id="notifications.permission.allow"><source>Allow</source><translation>Allow</translation></message>
    <message id="notifications.permission.deny"><source>Don’t Allow</source><translation>Don’t Allow</translation></message>
    <message id="notifications.today"><source>Today: %1</source><translation>Today: %1</translation></message>
</context>
</TS>
