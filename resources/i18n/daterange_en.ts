<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>daterange</name>
    <message id="daterange.tabTitle"><source>Duration</source><translation>Duration</translation></message>
    <message id="daterange.segmentGregorian"><source>Gregorian</source><translation>Gregorian</translation></message>
    <message id="daterange.segmentHijri"><source>Hijri</source><translation>Hijri</translation></message>
    <message id="daterange.from"><source>From</source><translation>From</translation></message>
    <message id="daterange.to"><source>To</source><translation>To</translation></message>
    <message id="daterange.totalDays"><source>Total days</source><translation>Total days</translation></message>
    <message id="daterange.years"><source>Years</source><translation>Years</translation></message>
    <message id="daterange.months"><source>Months</source><translation>Months</translation></message>
    <message id="daterange.days"><source>Days</source><translation>Days</translation></message>
    <message id="daterange.today"><source>Today</source><translation>Today</translation></message>
    <message id="daterange.reset"><source>Reset</source><translation>Reset</translation></message>
    <message id="range.totalDays"><source>Total days: %1</source><translation>Total days: %1</translation></message>
    <message id="range.breakdown"><source>Years: %1, months: %2, days: %3</source><translation>Years: %1, months: %2, days: %3</translation></message>
</context>
</TS>
