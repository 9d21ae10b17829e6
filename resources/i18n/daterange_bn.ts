<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn">
<context>
    <name>daterange</name>
    <message id="daterange.tabTitle"><source>Duration</source><translation>সময়কাল</translation></message>
    <message id="daterange.segmentGregorian"><source>Gregorian</source><translation>খ্রিস্টীয়</translation></message>
    <message id="daterange.segmentHijri"><source>Hijri</source><translation>হিজরি</translation></message>
    <message id="daterange.from"><source>From</source><translation>থেকে</translation></message>
    <message id="daterange.to"><source>To</source><translation>পর্যন্ত</translation></message>
    <message id="daterange.totalDays"><source>Total days</source><translation>মোট দিন</translation></message>
    <message id="daterange.years" numerus="yes"><source>Years</source><translation><numerusform>বছর</numerusform><numerusform>বছর</numerusform></translation></message>
    <message id="daterange.months" numerus="yes"><source>Months</source><translation><numerusform>মাস</numerusform><numerusform>মাস</numerusform></translation></message>
    <message id="daterange.days" numerus="yes"><source>Days</source><translation><numerusform>দিন</numerusform><numerusform>দিন</numerusform></translation></message>
    <message id="daterange.today"><source>Today</source><translation>আজ</translation></message>
    <message id="daterange.reset"><source>Reset</source><translation>পুনরায় শুরু</translation></message>
    <message id="range.totalDays"><source>Total: %1</source><translation>মোট: %1</translation></message>
    <message id="range.years" numerus="yes"><source>%n years</source><translation><numerusform>%1 বছর</numerusform><numerusform>%1 বছর</numerusform></translation></message>
    <message id="range.months" numerus="yes"><source>%n months</source><translation><numerusform>%1 মাস</numerusform><numerusform>%1 মাস</numerusform></translation></message>
    <message id="range.days" numerus="yes"><source>%n days</source><translation><numerusform>%1 দিন</numerusform><numerusform>%1 দিন</numerusform></translation></message>
    <message id="range.separator"><source>, </source><translation>, </translation></message>
</context>
</TS>
