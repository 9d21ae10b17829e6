<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>appsettings</name>
    <message id="appSettings.windowTitle"><source>Qamarly Settings</source><translation>Qamarly Settings</translation></message>
    <message id="appSettings.heading"><source>Qamarly</source><translation>Qamarly</translation></message>
    <message id="appSettings.close"><source>Close</source><translation>Close</translation></message>
    <message id="appSettings.notifications"><source>Notifications</source><translation>Notifications</translation></message>
    <message id="appSettings.allowNotifications"><source>Allow notifications</source><translation>Allow notifications</translation></message>
    <message id="appSettings.badgeAppIcon"><source>Badge app icon</source><translation>Badge app icon</translation></message>
    <message id="appSettings.notificationsNote"><source>Notifications bring the Hijri and Gregorian dates every morning; the badge shows the Hijri day on Qamarly's icon.</source><translation>Notifications bring the Hijri and Gregorian dates every morning; the badge shows the Hijri day on Qamarly's icon.</translation></message>
    <message id="appSettings.cannotKeep"><source>This change could not be saved. Check that your settings folder can be written to, then try again.</source><translation>This change could not be saved. Check that your settings folder can be written to, then try again.</translation></message>
    <message id="shell.menu.notificationSettings"><source>Notification Settings…</source><translation>Notification Settings…</translation></message>
    <message id="shell.menu.application"><source>&amp;Qamarly</source><translation>&amp;Qamarly</translation></message>
    <message id="shell.menu.newEvent"><source>New Event</source><translation>New Event</translation></message>
    <message id="shell.menu.quit"><source>Quit</source><translation>Quit</translation></message>
    <message id="shell.a11y.screens"><source>Screens</source><translation>Screens</translation></message>
</context>
</TS>
