<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>occasions</name>
    <message id="NY"><source>Islamic New Year</source><translation>Islamic New Year</translation></message>
    <message id="ASH"><source>Ashura</source><translation>Ashura</translation></message>
    <message id="RMD"><source>Start of Ramadan</source><translation>Start of Ramadan</translation></message>
    <message id="FET"><source>Eid al-Fitr</source><translation>Eid al-Fitr</translation></message>
    <message id="ARF"><source>Day of Arafah</source><translation>Day of Arafah</translation></message>
    <message id="ADH"><source>Eid al-Adha</source><translation>Eid al-Adha</translation></message>
    <message id="after"><source>In</source><translation>In</translation></message>
    <message id="since"><source>Since</source><translation>Since</translation></message>
    <message id="days" numerus="yes"><source>%n days</source><translation><numerusform>%1 day</numerusform><numerusform>%1 days</numerusform></translation></message>
    <message id="andSeparator"><source> and </source><translation> and </translation></message>
    <message id="hours" numerus="yes"><source>%n hours</source><translation><numerusform>%1 hour</numerusform><numerusform>%1 hours</numerusform></translation></message>
    <message id="minutes" numerus="yes"><source>%n minutes</source><translation><numerusform>%1 minute</numerusform><numerusform>%1 minutes</numerusform></translation></message>
    <message id="today"><source>Today</source><translation>Today</translation></message>
    <message id="occasions.tabTitle"><source>Occasions</source><translation>Occasions</translation></message>
    <message id="occasions.title"><source>Islamic occasions</source><translation>Islamic occasions</translation></message>
    <message id="occasions.addToCalendar"><source>Add to Calendar</source><translation>Add to Calendar</translation></message>
</context>
</TS>
