<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>occasions</name>
    <message id="NY"><source>Islamic New Year</source><translation>آغاز سال نو قمری</translation></message>
    <message id="ASH"><source>Ashura</source><translation>عاشورا</translation></message>
    <message id="RMD"><source>Start of Ramadan</source><translation>آغاز ماه رمضان</translation></message>
    <message id="FET"><source>Eid al-Fitr</source><translation>عید فطر</translation></message>
    <message id="ARF"><source>Day of Arafah</source><translation>روز عرفه</translation></message>
    <message id="ADH"><source>Eid al-Adha</source><translation>عید قربان</translation></message>
    <message id="after"><source>In</source><translation>مانده</translation></message>
    <message id="since"><source>Since</source><translation>گذشته</translation></message>
    <message id="days" numerus="yes"><source>%n days</source><translation><numerusform>%1 روز</numerusform></translation></message>
    <message id="andSeparator"><source> and </source><translation> و </translation></message>
    <message id="hours" numerus="yes"><source>%n hours</source><translation><numerusform>%1 ساعت</numerusform></translation></message>
    <message id="minutes" numerus="yes"><source>%n minutes</source><translation><numerusform>%1 دقیقه</numerusform></translation></message>
    <message id="today"><source>Today</source><translation>امروز</translation></message>
    <message id="occasions.tabTitle"><source>Occasions</source><translation>مناسبت‌ها</translation></message>
    <message id="occasions.title"><source>Islamic occasions</source><translation>مناسبت‌های اسلامی</translation></message>
    <message id="occasions.addToCalendar"><source>Add to Calendar</source><translation>افزودن به تقویم</translation></message>
</context>
</TS>
