<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>converter</name>
    <message id="converter.tabTitle"><source>Converter</source><translation>Convertisseur</translation></message>
    <message id="converter.todayCaption"><source>Today</source><translation>Aujourd’hui</translation></message>
    <message id="converter.segmentGregorian"><source>Gregorian</source><translation>Grégorien</translation></message>
    <message id="converter.segmentHijri"><source>Hijri</source><translation>Hégirien</translation></message>
    <message id="converter.pickCaption"><source>Pick a date</source><translation>Choisissez une date</translation></message>
    <message id="converter.estimate"><source>Estimate: outside the Umm al-Qura table</source><translation>Estimation : hors de la table Umm al-Qura</translation></message>
    <message id="converter.estimateHint"><source>The Umm al-Qura table covers 1300 to 1600 AH; other Hijri dates are reckoned by arithmetic and may differ by a day or two.</source><translation>La table Umm al-Qura couvre les années 1300 à 1600 de l’hégire ; les autres dates hégiriennes sont obtenues par le calcul et peuvent différer d’un jour ou deux.</translation></message>
    <message id="converter.resultCaption"><source>The same day</source><translation>Le même jour</translation></message>
    <message id="converter.todayButton"><source>Today</source><translation>Aujourd’hui</translation></message>
    <message id="converter.changeWallpaper"><source>Change wallpaper</source><translation>Changer le fond d’écran</translation></message>
    <message id="converter.adjustmentTip"><source>Hijri adjustment</source><translation>Ajustement hégirien</translation></message>
    <message id="converter.typedDate"><source>Date to convert (%1)</source><translation>Date à convertir (%1)</translation></message>
    <message id="converter.typedDateInvalid"><source>Not a date of this calendar; type day, month and year in this order, then Enter.</source><translation>Ce n’est pas une date de ce calendrier ; tapez le jour, le mois et l’année dans cet ordre, puis Entrée.</translation></message>
    <message id="converter.a11y.days" numerus="yes"><source>%n days</source><translation><numerusform>%1 jour</numerusform><numerusform>%1 jours</numerusform></translation></message>
    <message id="datepicker.day"><source>Day</source><translation>Jour</translation></message>
    <message id="datepicker.month"><source>Month</source><translation>Mois</translation></message>
    <message id="datepicker.year"><source>Year</source><translation>Année</translation></message>
    <message id="converter.swipeHint"><source>Drag sideways or use the arrow keys to move a day</source><translation>Glissez sur le côté ou utilisez les flèches pour changer de jour</translation></message>
    <message id="adjmsg1"><source>Hijri dates are shifted by</source><translation>Les dates hégiriennes sont décalées de</translation></message>
    <message id="adjmsg2"><source>to match the sighting of the new moon where you live. You can change this in Settings.</source><translation>pour suivre l’observation du croissant de lune là où vous vivez. Vous pouvez modifier cela dans les Réglages.</translation></message>
    <message id="day"><source>day</source><translation>jour</translation></message>
    <message id="days2"><source>days</source><translation>jours</translation></message>
    <message id="goSettings"><source>Settings</source><translation>Réglages</translation></message>
    <message id="cancel"><source>Cancel</source><translation>Annuler</translation></message>
    <message id="reset"><source>Reset to 0</source><translation>Remettre à 0</translation></message>
</context>
</TS>
