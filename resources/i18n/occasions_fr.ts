<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>occasions</name>
    <message id="NY"><source>Islamic New Year</source><translation>Nouvel An de l’hégire</translation></message>
    <message id="ASH"><source>Ashura</source><translation>Achoura</translation></message>
    <message id="RMD"><source>Start of Ramadan</source><translation>Début du ramadan</translation></message>
    <message id="FET"><source>Eid al-Fitr</source><translation>Aïd al-Fitr</translation></message>
    <message id="ARF"><source>Day of Arafah</source><translation>Jour d’Arafat</translation></message>
    <message id="ADH"><source>Eid al-Adha</source><translation>Aïd al-Adha</translation></message>
    <message id="after"><source>In</source><translation>Dans</translation></message>
    <message id="since"><source>Since</source><translation>Depuis</translation></message>
    <message id="days" numerus="yes"><source>%n days</source><translation><numerusform>%1 jour</numerusform><numerusform>%1 jours</numerusform></translation></message>
    <message id="andSeparator"><source> and </source><translation> et </translation></message>
    <message id="hours" numerus="yes"><source>%n hours</source><translation><numerusform>%1 heure</numerusform><numerusform>%1 heures</numerusform></translation></message>
    <message id="minutes" numerus="yes"><source>%n minutes</source><translation><numerusform>%1 minute</numerusform><numerusform>%1 minutes</numerusform></translation></message>
    <message id="today"><source>Today</source><translation>Aujourd’hui</translation></message>
    <message id="occasions.tabTitle"><source>Occasions</source><translation>Fêtes</translation></message>
    <message id="occasions.title"><source>Islamic occasions</source><translation>Fêtes islamiques</translation></message>
    <message id="occasions.addToCalendar"><source>Add to Calendar</source><translation>Ajouter au calendrier</translation></message>
</context>
</TS>
