<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur">
<context>
    <name>occasions</name>
    <message id="NY"><source>Islamic New Year</source><translation>اسلامی نیا سال</translation></message>
    <message id="ASH"><source>Ashura</source><translation>یومِ عاشور</translation></message>
    <message id="RMD"><source>Start of Ramadan</source><translation>آغازِ رمضان</translation></message>
    <message id="FET"><source>Eid al-Fitr</source><translation>عید الفطر</translation></message>
    <message id="ARF"><source>Day of Arafah</source><translation>یومِ عرفہ</translation></message>
    <message id="ADH"><source>Eid al-Adha</source><translation>عید الاضحیٰ</translation></message>
    <message id="after"><source>In</source><translation>باقی</translation></message>
    <message id="since"><source>Since</source><translation>گزر چکے</translation></message>
    <message id="days" numerus="yes"><source>%n days</source><translation><numerusform>%1 دن</numerusform><numerusform>%1 دن</numerusform></translation></message>
    <message id="andSeparator"><source> and </source><translation> اور </translation></message>
    <message id="hours" numerus="yes"><source>%n hours</source><translation><numerusform>%1 گھنٹہ</numerusform><numerusform>%1 گھنٹے</numerusform></translation></message>
    <message id="minutes" numerus="yes"><source>%n minutes</source><translation><numerusform>%1 منٹ</numerusform><numerusform>%1 منٹ</numerusform></translation></message>
    <message id="today"><source>Today</source><translation>آج</translation></message>
    <message id="occasions.tabTitle"><source>Occasions</source><translation>مواقع</translation></message>
    <message id="occasions.title"><source>Islamic occasions</source><translation>اسلامی مواقع</translation></message>
    <message id="occasions.addToCalendar"><source>Add to Calendar</source><translation>کیلنڈر میں شامل کریں</translation></message>
</context>
</TS>
