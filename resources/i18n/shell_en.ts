<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>shell</name>
    <message id="shell.tab.calendar"><source>Calendar</source><translation>Calendar</translation></message>
    <message id="shell.tab.converter"><source>Converter</source><translation>Converter</translation></message>
    <message id="shell.tab.dateRange"><source>Date Range</source><translation>Date Range</translation></message>
    <message id="shell.tab.occasions"><source>Occasions</source><translation>Occasions</translation></message>
    <message id="shell.tab.settings"><source>Settings</source><translation>Settings</translation></message>
    <message id="app.name"><source>Qamarly</source><translation>Qamarly</translation></message>
</context>
</TS>
