<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>shell</name>
    <message id="shell.tab.calendar"><source>Calendar</source><translation>Takvim</translation></message>
    <message id="shell.tab.converter"><source>Converter</source><translation>Çevirici</translation></message>
    <message id="shell.tab.dateRange"><source>Date Range</source><translation>Tarih Aralığı</translation></message>
    <message id="shell.tab.occasions"><source>Occasions</source><translation>Dinî Günler</translation></message>
    <message id="shell.tab.settings"><source>Settings</source><translation>Ayarlar</translation></message>
    <message id="app.name"><source>Qamarly</source><translation>Qamarly</translation></message>
</context>
</TS>
