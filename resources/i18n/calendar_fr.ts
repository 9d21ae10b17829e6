<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>calendar</name>
    <message id="cli.help.month"><source>Prints one month as the calendar lays it out, with the other calendar&apos;s day under every day.</source><translation>Affiche un mois tel que le calendrier le dispose, avec sous chaque jour le jour de l’autre calendrier.</translation></message>
    <message id="month.what.month"><source>month (YYYY-MM)</source><translation>mois (YYYY-MM)</translation></message>
    <message id="month.error.notAMonth"><source>&apos;%1&apos; is not a month of the %2 calendar covered by the Umm al-Qura table (1300 to 1600 AH, 1882 to 2174) (use YYYY-MM)</source><translation>« %1 » n’est pas un mois du calendrier %2 couvert par la table Umm al-Qura (1300 à 1600 de l’hégire, 1882 à 2174) (utilisez YYYY-MM)</translation></message>
    <message id="month.error.firstWeekday"><source>--first-weekday takes a number from 1 (Sunday) to 7 (Saturday), not &apos;%1&apos;</source><translation>--first-weekday prend un nombre de 1 (dimanche) à 7 (samedi), pas « %1 »</translation></message>
</context>
</TS>
