<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>daterange</name>
    <message id="daterange.tabTitle"><source>Duration</source><translation>المدة</translation></message>
    <message id="daterange.segmentGregorian"><source>Gregorian</source><translation>ميلادي</translation></message>
    <message id="daterange.segmentHijri"><source>Hijri</source><translation>هجري</translation></message>
    <message id="daterange.from"><source>From</source><translation>من</translation></message>
    <message id="daterange.to"><source>To</source><translation>إلى</translation></message>
    <message id="daterange.totalDays"><source>Total days</source><translation>مجموع الأيام</translation></message>
    <message id="daterange.years"><source>Years</source><translation>سنوات</translation></message>
    <message id="daterange.months"><source>Months</source><translation>أشهر</translation></message>
    <message id="daterange.days"><source>Days</source><translation>أيام</translation></message>
    <message id="daterange.today"><source>Today</source><translation>اليوم</translation></message>
    <message id="daterange.reset"><source>Reset</source><translation>إعادة ضبط</translation></message>
    <message id="range.totalDays"><source>Total days: %1</source><translation>مجموع الأيام: %1</translation></message>
    <message id="range.breakdown"><source>Years: %1, months: %2, days: %3</source><translation>السنوات: %1، الأشهر: %2، الأيام: %3</translation></message>
</context>
</TS>
