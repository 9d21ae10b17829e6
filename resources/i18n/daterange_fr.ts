<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>daterange</name>
    <message id="daterange.tabTitle"><source>Duration</source><translation>Durée</translation></message>
    <message id="daterange.segmentGregorian"><source>Gregorian</source><translation>Grégorien</translation></message>
    <message id="daterange.segmentHijri"><source>Hijri</source><translation>Hégirien</translation></message>
    <message id="daterange.from"><source>From</source><translation>Du</translation></message>
    <message id="daterange.to"><source>To</source><translation>Au</translation></message>
    <message id="daterange.totalDays"><source>Total days</source><translation>Nombre de jours</translation></message>
    <message id="daterange.years" numerus="yes"><source>Years</source><translation><numerusform>Année</numerusform><numerusform>Années</numerusform></translation></message>
    <message id="daterange.months" numerus="yes"><source>Months</source><translation><numerusform>Mois</numerusform><numerusform>Mois</numerusform></translation></message>
    <message id="daterange.days" numerus="yes"><source>Days</source><translation><numerusform>Jour</numerusform><numerusform>Jours</numerusform></translation></message>
    <message id="daterange.today"><source>Today</source><translation>Aujourd’hui</translation></message>
    <message id="daterange.reset"><source>Reset</source><translation>Réinitialiser</translation></message>
    <message id="range.totalDays"><source>Total: %1</source><translation>Total : %1</translation></message>
    <message id="range.years" numerus="yes"><source>%n years</source><translation><numerusform>%1 an</numerusform><numerusform>%1 ans</numerusform></translation></message>
    <message id="range.months" numerus="yes"><source>%n months</source><translation><numerusform>%1 mois</numerusform><numerusform>%1 mois</numerusform></translation></message>
    <message id="range.days" numerus="yes"><source>%n days</source><translation><numerusform>%1 jour</numerusform><numerusform>%1 jours</numerusform></translation></message>
    <message id="range.separator"><source>, </source><translation>, </translation></message>
</context>
</TS>
