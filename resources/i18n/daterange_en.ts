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
    <message id="daterange.years" numerus="yes"><source>Years</source><translation><numerusform>Year</numerusform><numerusform>Years</numerusform></translation></message>
    <message id="daterange.months" numerus="yes"><source>Months</source><translation><numerusform>Month</numerusform><numerusform>Months</numerusform></translation></message>
    <message id="daterange.days" numerus="yes"><source>Days</source><translation><numerusform>Day</numerusform><numerusform>Days</numerusform></translation></message>
    <message id="daterange.today"><source>Today</source><translation>Today</translation></message>
    <message id="daterange.reset"><source>Reset</source><translation>Reset</translation></message>
    <message id="range.totalDays"><source>Total: %1</source><translation>Total: %1</translation></message>
    <message id="range.years" numerus="yes"><source>%n years</source><translation><numerusform>%1 year</numerusform><numerusform>%1 years</numerusform></translation></message>
    <message id="range.months" numerus="yes"><source>%n months</source><translation><numerusform>%1 month</numerusform><numerusform>%1 months</numerusform></translation></message>
    <message id="range.days" numerus="yes"><source>%n days</source><translation><numerusform>%1 day</numerusform><numerusform>%1 days</numerusform></translation></message>
    <message id="range.separator"><source>, </source><translation>, </translation></message>
</context>
</TS>
