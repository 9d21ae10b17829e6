<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>appsettings</name>
    <message id="appSettings.windowTitle"><source>Qamarly Settings</source><translation>Réglages de Qamarly</translation></message>
    <message id="appSettings.heading"><source>Qamarly</source><translation>Qamarly</translation></message>
    <message id="appSettings.close"><source>Close</source><translation>Fermer</translation></message>
    <message id="appSettings.notifications"><source>Notifications</source><translation>Notifications</translation></message>
    <message id="appSettings.allowNotifications"><source>Allow notifications</source><translation>Autoriser les notifications</translation></message>
    <message id="appSettings.badgeAppIcon"><source>Badge app icon</source><translation>Pastille sur l’icône</translation></message>
    <message id="appSettings.notificationsNote"><source>Notifications bring the Hijri and Gregorian dates every morning; the badge shows the Hijri day on Qamarly&apos;s icon.</source><translation>Les notifications donnent chaque matin les dates hégirienne et grégorienne ; la pastille affiche le jour hégirien sur l’icône de Qamarly.</translation></message>
    <message id="appSettings.cannotKeep"><source>This change could not be saved. Check that your settings folder can be written to, then try again.</source><translation>Cette modification n’a pas pu être enregistrée. Vérifiez que votre dossier de réglages est accessible en écriture, puis réessayez.</translation></message>
    <message id="shell.menu.notificationSettings"><source>Notification Settings…</source><translation>Réglages des notifications…</translation></message>
    <message id="shell.menu.application"><source>&amp;Qamarly</source><translation>&amp;Qamarly</translation></message>
    <message id="shell.menu.newEvent"><source>New Event</source><translation>Nouvel événement</translation></message>
    <message id="shell.menu.quit"><source>Quit</source><translation>Quitter</translation></message>
    <message id="shell.a11y.screens"><source>Screens</source><translation>Écrans</translation></message>
</context>
</TS>
