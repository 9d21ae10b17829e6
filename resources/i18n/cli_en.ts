<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>cli</name>
    <message id="cli.hijri"><source>Hijri</source><translation>Hijri</translation></message>
    <message id="cli.gregorian"><source>Gregorian</source><translation>Gregorian</translation></message>
    <message id="cli.adjustment"><source>Hijri adjustment</source><translation>Hijri adjustment</translation></message>
    <message id="cli.days"><source>days</source><translation>days</translation></message>
</context>
</TS>
