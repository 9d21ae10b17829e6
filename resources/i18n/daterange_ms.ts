<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms">
<context>
    <name>daterange</name>
    <message id="daterange.tabTitle"><source>Duration</source><translation>Tempoh</translation></message>
    <message id="daterange.segmentGregorian"><source>Gregorian</source><translation>Masihi</translation></message>
    <message id="daterange.segmentHijri"><source>Hijri</source><translation>Hijrah</translation></message>
    <message id="daterange.from"><source>From</source><translation>Dari</translation></message>
    <message id="daterange.to"><source>To</source><translation>Hingga</translation></message>
    <message id="daterange.totalDays"><source>Total days</source><translation>Jumlah hari</translation></message>
    <message id="daterange.years" numerus="yes"><source>Years</source><translation><numerusform>Tahun</numerusform></translation></message>
    <message id="daterange.months" numerus="yes"><source>Months</source><translation><numerusform>Bulan</numerusform></translation></message>
    <message id="daterange.days" numerus="yes"><source>Days</source><translation><numerusform>Hari</numerusform></translation></message>
    <message id="daterange.today"><source>Today</source><translation>Hari ini</translation></message>
    <message id="daterange.reset"><source>Reset</source><translation>Set semula</translation></message>
    <message id="range.totalDays"><source>Total: %1</source><translation>Jumlah: %1</translation></message>
    <message id="range.years" numerus="yes"><source>%n years</source><translation><numerusform>%1 tahun</numerusform></translation></message>
    <message id="range.months" numerus="yes"><source>%n months</source><translation><numerusform>%1 bulan</numerusform></translation></message>
    <message id="range.days" numerus="yes"><source>%n days</source><translation><numerusform>%1 hari</numerusform></translation></message>
    <message id="range.separator"><source>, </source><translation>, </translation></message>
</context>
</TS>
