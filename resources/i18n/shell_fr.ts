<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>shell</name>
    <message id="shell.tab.calendar"><source>Calendar</source><translation>Calendrier</translation></message>
    <message id="shell.tab.converter"><source>Converter</source><translation>Convertisseur</translation></message>
    <message id="shell.tab.dateRange"><source>Date Range</source><translation>Durée</translation></message>
    <message id="shell.tab.occasions"><source>Occasions</source><translation>Fêtes</translation></message>
    <message id="shell.tab.settings"><source>Settings</source><translation>Réglages</translation></message>
    <message id="app.name"><source>Qamarly</source><translation>Qamarly</translation></message>
</context>
</TS>
