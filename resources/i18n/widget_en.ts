<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>widget</name>
    <message id="Qamarly Widget"><source>Qamarly Widget</source><translation>Qamarly Widget</translation></message>
    <message id="This widget will display today&#x27;s Hijri date"><source>This widget will display today&#x27;s Hijri date</source><translation>This widget will display today&#x27;s Hijri date</translation></message>
    <message id="This widget will display both Hijri and Gregorian dates"><source>This widget will display both Hijri and Gregorian dates</source><translation>This widget will display both Hijri and Gregorian dates</translation></message>
    <message id="Not supported"><source>Not supported</source><translation>Not supported</translation></message>
    <message id="widget.monthYear"><source>%1, %2</source><translation>%1, %2</translation></message>
    <message id="widget.close"><source>Close</source><translation>Close</translation></message>
    <message id="Rabiʻ I (3)"><source>Rabiʻ I (3)</source><translation>Rabi al-Awwal (3)</translation></message>
    <message id="Rabiʻ II (4)"><source>Rabiʻ II (4)</source><translation>Rabi al-Thani (4)</translation></message>
    <message id="Jumada I (5)"><source>Jumada I (5)</source><translation>Jumada al-Ula (5)</translation></message>
    <message id="Jumada II (6)"><source>Jumada II (6)</source><translation>Jumada al-Akhirah (6)</translation></message>
    <message id="Shaʻban (8)"><source>Shaʻban (8)</source><translation>Shaban (8)</translation></message>
    <message id="Dhuʻl-Qiʻdah (11)"><source>Dhuʻl-Qiʻdah (11)</source><translation>Dhu al-Qadah (11)</translation></message>
    <message id="Dhuʻl-Hijjah (12)"><source>Dhuʻl-Hijjah (12)</source><translation>Dhu al-Hijjah (12)</translation></message>
</context>
</TS>
