<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>occasions</name>
    <message id="NY"><source>Islamic New Year</source><translation>Tahun Baru Islam</translation></message>
    <message id="ASH"><source>Ashura</source><translation>Hari Asyura</translation></message>
    <message id="RMD"><source>Start of Ramadan</source><translation>Awal Ramadan</translation></message>
    <message id="FET"><source>Eid al-Fitr</source><translation>Idulfitri</translation></message>
    <message id="ARF"><source>Day of Arafah</source><translation>Hari Arafah</translation></message>
    <message id="ADH"><source>Eid al-Adha</source><translation>Iduladha</translation></message>
    <message id="since"><source>Since</source><translation>Sudah lewat</translation></message>
    <message id="days" numerus="yes"><source>%n days</source><translation><numerusform>%1 hari</numerusform></translation></message>
    <message id="andSeparator"><source> and </source><translation> dan </translation></message>
    <message id="hours" numerus="yes"><source>%n hours</source><translation><numerusform>%1 jam</numerusform></translation></message>
    <message id="minutes" numerus="yes"><source>%n minutes</source><translation><numerusform>%1 menit</numerusform></translation></message>
    <message id="today"><source>Today</source><translation>Hari ini</translation></message>
    <message id="occasions.tabTitle"><source>Occasions</source><translation>Hari Besar</translation></message>
    <message id="occasions.title"><source>Islamic occasions</source><translation>Hari besar Islam</translation></message>
    <message id="after"><source>In</source><translation>Tinggal</translation></message>
    <message id="occasions.addToCalendar"><source>Add to Calendar</source><translation>Tambahkan ke Kalender</translation></message>
</context>
</TS>
