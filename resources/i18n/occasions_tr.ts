<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>occasions</name>
    <message id="NY"><source>Islamic New Year</source><translation>Hicri Yılbaşı</translation></message>
    <message id="ASH"><source>Ashura</source><translation>Aşure Günü</translation></message>
    <message id="RMD"><source>Start of Ramadan</source><translation>Ramazan&apos;ın Başlangıcı</translation></message>
    <message id="FET"><source>Eid al-Fitr</source><translation>Ramazan Bayramı</translation></message>
    <message id="ARF"><source>Day of Arafah</source><translation>Arefe Günü</translation></message>
    <message id="ADH"><source>Eid al-Adha</source><translation>Kurban Bayramı</translation></message>
    <message id="after"><source>In</source><translation>Kalan</translation></message>
    <message id="since"><source>Since</source><translation>Geçen</translation></message>
    <message id="days" numerus="yes"><source>%n days</source><translation><numerusform>%1 gün</numerusform></translation></message>
    <message id="andSeparator"><source> and </source><translation> ve </translation></message>
    <message id="hours" numerus="yes"><source>%n hours</source><translation><numerusform>%1 saat</numerusform></translation></message>
    <message id="minutes" numerus="yes"><source>%n minutes</source><translation><numerusform>%1 dakika</numerusform></translation></message>
    <message id="today"><source>Today</source><translation>Bugün</translation></message>
    <message id="occasions.tabTitle"><source>Occasions</source><translation>Dinî Günler</translation></message>
    <message id="occasions.title"><source>Islamic occasions</source><translation>İslami dinî günler</translation></message>
    <message id="occasions.addToCalendar"><source>Add to Calendar</source><translation>Takvime Ekle</translation></message>
</context>
</TS>
