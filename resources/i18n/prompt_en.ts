<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>prompt</name>
    <message id="prompt.title"><source>Stay on the Hijri date</source><translation>Stay on the Hijri date</translation></message>
    <message id="prompt.message"><source>Allow notifications to see the Hijri day on the app icon and to get the Hijri and Gregorian dates every morning.</source><translation>Allow notifications to see the Hijri day on the app icon and to get the Hijri and Gregorian dates every morning.</translation></message>
    <message id="prompt.enable"><source>Enable notifications</source><translation>Enable notifications</translation></message>
    <message id="prompt.close"><source>Not now</source><translation>Not now</translation></message>
    <message id="NotificationsNotEnabledMessage"><source>Notifications are turned off for Qamarly. Turn them on in Settings to get the daily Hijri date and the icon badge.</source><translation>Notifications are turned off for Qamarly. Turn them on in Settings to get the daily Hijri date and the icon badge.</translation></message>
    <message id="ok"><source>OK</source><translation>OK</translation></message>
    <message id="settings"><source>Settings</source><translation>Settings</translation></message>
</context>
</TS>
