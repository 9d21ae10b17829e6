<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>daterange</name>
    <message id="daterange.tabTitle"><source>Duration</source><translation>مدت</translation></message>
    <message id="daterange.segmentGregorian"><source>Gregorian</source><translation>میلادی</translation></message>
    <message id="daterange.segmentHijri"><source>Hijri</source><translation>قمری</translation></message>
    <message id="daterange.from"><source>From</source><translation>از</translation></message>
    <message id="daterange.to"><source>To</source><translation>تا</translation></message>
    <message id="daterange.totalDays"><source>Total days</source><translation>همهٔ روزها</translation></message>
    <message id="daterange.years" numerus="yes"><source>Years</source><translation><numerusform>سال</numerusform></translation></message>
    <message id="daterange.months" numerus="yes"><source>Months</source><translation><numerusform>ماه</numerusform></translation></message>
    <message id="daterange.days" numerus="yes"><source>Days</source><translation><numerusform>روز</numerusform></translation></message>
    <message id="daterange.today"><source>Today</source><translation>امروز</translation></message>
    <message id="daterange.reset"><source>Reset</source><translation>از نو</translation></message>
    <message id="range.totalDays"><source>Total: %1</source><translation>روی هم: %1</translation></message>
    <message id="range.years" numerus="yes"><source>%n years</source><translation><numerusform>%1 سال</numerusform></translation></message>
    <message id="range.months" numerus="yes"><source>%n months</source><translation><numerusform>%1 ماه</numerusform></translation></message>
    <message id="range.days" numerus="yes"><source>%n days</source><translation><numerusform>%1 روز</numerusform></translation></message>
    <message id="range.separator"><source>, </source><translation>، </translation></message>
</context>
</TS>
