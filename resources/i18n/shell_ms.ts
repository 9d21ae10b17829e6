<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms">
<context>
    <name>shell</name>
    <message id="shell.tab.calendar"><source>Calendar</source><translation>Kalendar</translation></message>
    <message id="shell.tab.converter"><source>Converter</source><translation>Penukar</translation></message>
    <message id="shell.tab.dateRange"><source>Date Range</source><translation>Julat Tarikh</translation></message>
    <message id="shell.tab.occasions"><source>Occasions</source><translation>Hari Kebesaran</translation></message>
    <message id="shell.tab.settings"><source>Settings</source><translation>Tetapan</translation></message>
    <message id="app.name"><source>Qamarly</source><translation>Qamarly</translation></message>
</context>
</TS>
