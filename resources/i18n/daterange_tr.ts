<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>daterange</name>
    <message id="daterange.tabTitle"><source>Duration</source><translation>Süre</translation></message>
    <message id="daterange.segmentGregorian"><source>Gregorian</source><translation>Miladi</translation></message>
    <message id="daterange.segmentHijri"><source>Hijri</source><translation>Hicri</translation></message>
    <message id="daterange.from"><source>From</source><translation>Başlangıç</translation></message>
    <message id="daterange.to"><source>To</source><translation>Bitiş</translation></message>
    <message id="daterange.totalDays"><source>Total days</source><translation>Toplam gün</translation></message>
    <message id="daterange.years" numerus="yes"><source>Years</source><translation><numerusform>Yıl</numerusform></translation></message>
    <message id="daterange.months" numerus="yes"><source>Months</source><translation><numerusform>Ay</numerusform></translation></message>
    <message id="daterange.days" numerus="yes"><source>Days</source><translation><numerusform>Gün</numerusform></translation></message>
    <message id="daterange.today"><source>Today</source><translation>Bugün</translation></message>
    <message id="daterange.reset"><source>Reset</source><translation>Sıfırla</translation></message>
    <message id="range.totalDays"><source>Total: %1</source><translation>Toplam: %1</translation></message>
    <message id="range.years" numerus="yes"><source>%n years</source><translation><numerusform>%1 yıl</numerusform></translation></message>
    <message id="range.months" numerus="yes"><source>%n months</source><translation><numerusform>%1 ay</numerusform></translation></message>
    <message id="range.days" numerus="yes"><source>%n days</source><translation><numerusform>%1 gün</numerusform></translation></message>
    <message id="range.separator"><source>, </source><translation>, </translation></message>
</context>
</TS>
