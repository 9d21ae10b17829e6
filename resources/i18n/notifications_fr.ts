<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>notifications</name>
    <message id="notifications.permission.windowTitle"><source>Notifications</source><translation>Notifications</translation></message>
    <message id="notifications.permission.title"><source>“Qamarly” Would Like to Send You Notifications</source><translation>« Qamarly » souhaite vous envoyer des notifications</translation></message>
    <message id="notifications.permission.message"><source>Notifications may include alerts and a number on the app icon. You can change this later in Qamarly’s settings.</source><translation>Les notifications peuvent comprendre des alertes et un nombre sur l’icône de l’application. Vous pourrez modifier cela plus tard dans les réglages de Qamarly.</translation></message>
    <message id="notifications.permission.allow"><source>Allow</source><translation>Autoriser</translation></message>
    <message id="notifications.permission.deny"><source>Don’t Allow</source><translation>Refuser</translation></message>
    <message id="notifications.today"><source>Today: %1</source><translation>Aujourd’hui : %1</translation></message>
</context>
</TS>
