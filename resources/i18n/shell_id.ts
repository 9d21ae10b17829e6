<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>shell</name>
    <message id="shell.tab.calendar"><source>Calendar</source><translation>Kalender</translation></message>
    <message id="shell.tab.converter"><source>Converter</source><translation>Konversi</translation></message>
    <message id="shell.tab.dateRange"><source>Date Range</source><translation>Rentang Tanggal</translation></message>
    <message id="shell.tab.occasions"><source>Occasions</source><translation>Hari Besar</translation></message>
    <message id="shell.tab.settings"><source>Settings</source><translation>Pengaturan</translation></message>
    <message id="app.name"><source>Qamarly</source><translation>Qamarly</translation></message>
</context>
</TS>
