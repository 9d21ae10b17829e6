<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>cli</name>
    <message id="cli.hijri"><source>Hijri</source><translation>الهجري</translation></message>
    <message id="cli.gregorian"><source>Gregorian</source><translation>الميلادي</translation></message>
    <message id="cli.adjustment"><source>Hijri adjustment</source><translation>تعديل التاريخ الهجري</translation></message>
    <message id="cli.days"><source>days</source><translation>أيام</translation></message>
</context>
</TS>
