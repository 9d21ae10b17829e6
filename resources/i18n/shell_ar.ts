<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>shell</name>
    <message id="shell.tab.calendar"><source>Calendar</source><translation>التقويم</translation></message>
    <message id="shell.tab.converter"><source>Converter</source><translation>المحوّل</translation></message>
    <message id="shell.tab.dateRange"><source>Date Range</source><translation>المدة بين تاريخين</translation></message>
    <message id="shell.tab.occasions"><source>Occasions</source><translation>المناسبات</translation></message>
    <message id="shell.tab.settings"><source>Settings</source><translation>الإعدادات</translation></message>
    <message id="app.name"><source>Qamarly</source><translation>قمرلي</translation></message>
</context>
</TS>
