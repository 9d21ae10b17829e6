<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur">
<context>
    <name>shell</name>
    <message id="shell.tab.calendar"><source>Calendar</source><translation>کیلنڈر</translation></message>
    <message id="shell.tab.converter"><source>Converter</source><translation>تبدیلیٔ تاریخ</translation></message>
    <message id="shell.tab.dateRange"><source>Date Range</source><translation>دورانیہ</translation></message>
    <message id="shell.tab.occasions"><source>Occasions</source><translation>مواقع</translation></message>
    <message id="shell.tab.settings"><source>Settings</source><translation>ترتیبات</translation></message>
    <message id="app.name"><source>Qamarly</source><translation>قمرلی</translation></message>
</context>
</TS>
