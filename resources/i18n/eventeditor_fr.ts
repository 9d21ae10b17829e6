<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>eventeditor</name>
    <message id="events.editor.alert"><source>Alert</source><translation>Alerte</translation></message>
    <message id="events.editor.secondAlert"><source>Second alert</source><translation>Deuxième alerte</translation></message>
    <message id="events.alert.none"><source>None</source><translation>Aucune</translation></message>
    <message id="events.alert.atStart"><source>At time of event</source><translation>À l’heure de l’événement</translation></message>
    <message id="events.alert.5minutes"><source>5 minutes before</source><translation>5 minutes avant</translation></message>
    <message id="events.alert.15minutes"><source>15 minutes before</source><translation>15 minutes avant</translation></message>
    <message id="events.alert.30minutes"><source>30 minutes before</source><translation>30 minutes avant</translation></message>
    <message id="events.alert.1hour"><source>1 hour before</source><translation>1 heure avant</translation></message>
    <message id="events.alert.1day"><source>1 day before</source><translation>1 jour avant</translation></message>
    <message id="events.alert.custom"><source>Custom</source><translation>Personnalisée</translation></message>
    <message id="events.editor.url"><source>URL</source><translation>URL</translation></message>
    <message id="events.editor.urlPlaceholder"><source>https://…</source><translation>https://…</translation></message>
    <message id="events.editor.badUrl"><source>The URL must be a web address (https://…) or a mail address (mailto:…).</source><translation>L’URL doit être une adresse web (https://…) ou une adresse électronique (mailto:…).</translation></message>
    <message id="events.editor.timeZone"><source>Time Zone</source><translation>Fuseau horaire</translation></message>
    <message id="events.editor.pickHijri"><source>Hijri Date…</source><translation>Date hégirienne…</translation></message>
    <message id="events.viewer.inZone"><source>In %1: %2</source><translation>Heure de %1 : %2</translation></message>
    <message id="events.hijriPicker.title"><source>Choose a Hijri Date</source><translation>Choisir une date hégirienne</translation></message>
    <message id="events.hijriPicker.choose"><source>Choose</source><translation>Choisir</translation></message>
</context>
</TS>
