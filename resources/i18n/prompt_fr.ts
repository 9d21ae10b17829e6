<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>prompt</name>
    <message id="prompt.title"><source>Stay on the Hijri date</source><translation>Restez à l’heure de l’hégire</translation></message>
    <message id="prompt.message"><source>Allow notifications to see the Hijri day on the app icon and to get the Hijri and Gregorian dates every morning.</source><translation>Autorisez les notifications pour voir le jour hégirien sur l’icône de l’application et recevoir chaque matin les dates hégirienne et grégorienne.</translation></message>
    <message id="prompt.enable"><source>Enable notifications</source><translation>Activer les notifications</translation></message>
    <message id="prompt.close"><source>Not now</source><translation>Plus tard</translation></message>
    <message id="NotificationsNotEnabledMessage"><source>Notifications are turned off for Qamarly. Turn them on in Settings to get the daily Hijri date and the icon badge.</source><translation>Les notifications sont désactivées pour Qamarly. Activez-les dans les Réglages pour recevoir la date hégirienne chaque jour et la pastille sur l’icône.</translation></message>
    <message id="ok"><source>OK</source><translation>OK</translation></message>
    <message id="settings"><source>Settings</source><translation>Réglages</translation></message>
</context>
</TS>
