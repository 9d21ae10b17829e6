<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn">
<context>
    <name>shell</name>
    <message id="shell.tab.calendar"><source>Calendar</source><translation>ক্যালেন্ডার</translation></message>
    <message id="shell.tab.converter"><source>Converter</source><translation>রূপান্তর</translation></message>
    <message id="shell.tab.dateRange"><source>Date Range</source><translation>সময়কাল</translation></message>
    <message id="shell.tab.occasions"><source>Occasions</source><translation>উপলক্ষ</translation></message>
    <message id="shell.tab.settings"><source>Settings</source><translation>সেটিংস</translation></message>
    <message id="app.name"><source>Qamarly</source><translation>Qamarly</translation></message>
</context>
</TS>
