<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn">
<context>
    <name>occasions</name>
    <message id="NY"><source>Islamic New Year</source><translation>হিজরি নববর্ষ</translation></message>
    <message id="ASH"><source>Ashura</source><translation>আশুরা</translation></message>
    <message id="RMD"><source>Start of Ramadan</source><translation>রমজানের শুরু</translation></message>
    <message id="FET"><source>Eid al-Fitr</source><translation>ঈদুল ফিতর</translation></message>
    <message id="ARF"><source>Day of Arafah</source><translation>আরাফার দিন</translation></message>
    <message id="ADH"><source>Eid al-Adha</source><translation>ঈদুল আজহা</translation></message>
    <message id="after"><source>In</source><translation>বাকি</translation></message>
    <message id="since"><source>Since</source><translation>পেরিয়েছে</translation></message>
    <message id="days" numerus="yes"><source>%n days</source><translation><numerusform>%1 দিন</numerusform><numerusform>%1 দিন</numerusform></translation></message>
    <message id="andSeparator"><source> and </source><translation> ও </translation></message>
    <message id="hours" numerus="yes"><source>%n hours</source><translation><numerusform>%1 ঘণ্টা</numerusform><numerusform>%1 ঘণ্টা</numerusform></translation></message>
    <message id="minutes" numerus="yes"><source>%n minutes</source><translation><numerusform>%1 মিনিট</numerusform><numerusform>%1 মিনিট</numerusform></translation></message>
    <message id="today"><source>Today</source><translation>আজ</translation></message>
    <message id="occasions.tabTitle"><source>Occasions</source><translation>উপলক্ষ</translation></message>
    <message id="occasions.title"><source>Islamic occasions</source><translation>ইসলামি উপলক্ষ</translation></message>
    <message id="occasions.addToCalendar"><source>Add to Calendar</source><translation>ক্যালেন্ডারে যোগ করুন</translation></message>
</context>
</TS>
