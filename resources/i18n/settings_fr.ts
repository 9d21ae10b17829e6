<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>settings</name>
    <message id="settings.tabTitle"><source>Settings</source><translation>Réglages</translation></message>
    <message id="settings.adjustmentCaption"><source>Hijri adjustment</source><translation>Ajustement hégirien</translation></message>
    <message id="settings.adjustmentUnit"><source>days</source><translation>jours</translation></message>
    <message id="settings.adjustmentHint"><source>Shift every Hijri date by whole days to match the sighting of the new moon where you live.</source><translation>Décalez chaque date hégirienne d’un nombre entier de jours pour suivre l’observation du croissant de lune là où vous vivez.</translation></message>
    <message id="settings.stepperCaption"><source>Adjustment in days</source><translation>Ajustement en jours</translation></message>
    <message id="settings.adjustmentRefused"><source>%1 is not an adjustment: whole days from %2 to %3</source><translation>%1 n’est pas un ajustement valable : un nombre entier de jours de %2 à %3</translation></message>
    <message id="settings.weekStart"><source>Weeks start on</source><translation>Début de la semaine</translation></message>
    <message id="settings.weekStartLocale"><source>As the language has it</source><translation>Selon la langue</translation></message>
    <message id="settings.increment"><source>One day later</source><translation>Un jour plus tard</translation></message>
    <message id="settings.decrement"><source>One day earlier</source><translation>Un jour plus tôt</translation></message>
    <message id="settings.feedback"><source>Send feedback</source><translation>Envoyer un avis</translation></message>
    <message id="settings.tellFriend"><source>Tell a friend</source><translation>En parler à un ami</translation></message>
    <message id="settings.rate"><source>Rate Qamarly</source><translation>Noter Qamarly</translation></message>
    <message id="settings.rateUnavailable"><source>The store page to rate Qamarly could not be opened: no store is set up on this computer, or it could not be reached.</source><translation>La page de notation de Qamarly n’a pas pu s’ouvrir : aucune boutique n’est configurée sur cet ordinateur, ou elle est injoignable.</translation></message>
    <message id="settings.linkUnavailable"><source>No program on this computer opens %1. Open it in a browser to visit it.</source><translation>Aucun programme de cet ordinateur n’ouvre %1. Ouvrez-le dans un navigateur pour le consulter.</translation></message>
    <message id="settings.ourApps"><source>Our other apps</source><translation>Nos autres applications</translation></message>
    <message id="settings.social"><source>Follow us on Facebook</source><translation>Suivez-nous sur Facebook</translation></message>
    <message id="settings.more"><source>Wallpaper and notifications</source><translation>Fond d’écran et notifications</translation></message>
    <message id="notice"><source>Notice</source><translation>Avis</translation></message>
    <message id="emailErrorMsg"><source>No mail program is set up on this computer. Write to us at %1 from any mail service.</source><translation>Aucun logiciel de messagerie n’est configuré sur cet ordinateur. Écrivez-nous à %1 depuis n’importe quel service de courriel.</translation></message>
    <message id="emailBody"><source>Write your feedback or suggestion here:</source><translation>Écrivez ici votre avis ou votre suggestion :</translation></message>
    <message id="TellFriend"><source>I use Qamarly for the Hijri date, the Gregorian date and the Islamic occasions. Try it: https://qamarly.org</source><translation>J’utilise Qamarly pour la date hégirienne, la date grégorienne et les fêtes islamiques. Essayez-le : https://qamarly.org</translation></message>
</context>
</TS>
