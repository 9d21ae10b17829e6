<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>widget</name>
    <message id="Qamarly Widget"><source>Qamarly Widget</source><translation>Widget Qamarly</translation></message>
    <message id="This widget will display today&apos;s Hijri date"><source>This widget will display today&apos;s Hijri date</source><translation>Ce widget affiche la date hégirienne du jour</translation></message>
    <message id="This widget will display both Hijri and Gregorian dates"><source>This widget will display both Hijri and Gregorian dates</source><translation>Ce widget affiche les dates hégirienne et grégorienne</translation></message>
    <message id="Not supported"><source>Not supported</source><translation>Non disponible</translation></message>
    <message id="widget.monthYear"><source>%1, %2</source><translation>%1 %2</translation></message>
    <message id="widget.close"><source>Close</source><translation>Fermer</translation></message>
    <message id="widget.menu.simpleSmall"><source>Hijri date, small</source><translation>Date hégirienne, petit</translation></message>
    <message id="widget.menu.simpleMedium"><source>Hijri date, medium</source><translation>Date hégirienne, moyen</translation></message>
    <message id="widget.menu.complexMedium"><source>Hijri and Gregorian dates, medium</source><translation>Dates hégirienne et grégorienne, moyen</translation></message>
    <message id="widget.menu.open"><source>Open Qamarly</source><translation>Ouvrir Qamarly</translation></message>
    <message id="widget.error.unexpected"><source>unexpected argument &apos;%1&apos;</source><translation>argument inattendu « %1 »</translation></message>
    <message id="widget.error.needsValue"><source>%1 needs a value</source><translation>%1 demande une valeur</translation></message>
    <message id="widget.error.unknownOption"><source>unknown option &apos;%1&apos; (see --help)</source><translation>option inconnue « %1 » (voir --help)</translation></message>
    <message id="widget.error.kind"><source>unknown widget kind &apos;%1&apos; (use simple or complex)</source><translation>type de widget inconnu « %1 » (utilisez simple ou complex)</translation></message>
    <message id="widget.error.family"><source>unknown widget family &apos;%1&apos; (use small or medium)</source><translation>taille de widget inconnue « %1 » (utilisez small ou medium)</translation></message>
    <message id="widget.error.unsupportedFamily"><source>the %1 widget does not come in the %2 family (only %3)</source><translation>le widget %1 n’existe pas en taille %2 (seulement %3)</translation></message>
    <message id="widget.error.appearance"><source>unknown appearance &apos;%1&apos; (use light or dark)</source><translation>apparence inconnue « %1 » (utilisez light ou dark)</translation></message>
    <message id="widget.error.noOutput"><source>say where to write the picture with -o FILE.png</source><translation>indiquez où écrire l’image avec -o FILE.png</translation></message>
    <message id="widget.error.notPng"><source>&apos;%1&apos; does not end in .png; the picture is written as PNG</source><translation>« %1 » ne se termine pas par .png ; l’image est écrite en PNG</translation></message>
    <message id="widget.error.instant"><source>&apos;%1&apos; is not an ISO 8601 instant (e.g. 2026-12-05T09:30:00+03:00)</source><translation>« %1 » n’est pas un instant ISO 8601 (p. ex. 2026-12-05T09:30:00+03:00)</translation></message>
    <message id="widget.error.write"><source>could not write %1</source><translation>impossible d’écrire %1</translation></message>
    <message id="widget.error.noDisplay"><source>no display to show the widget on (render one with: qamarly-widget render -o FILE.png)</source><translation>aucun écran pour afficher le widget (faites-en une image avec : qamarly-widget render -o FILE.png)</translation></message>
    <message id="widget.help.usage"><source>usage:</source><translation>utilisation :</translation></message>
    <message id="widget.help.host"><source>shows the widget on the desktop</source><translation>affiche le widget sur le bureau</translation></message>
    <message id="widget.help.timeline"><source>prints the thirty entries of the timeline built at that instant (default: now)</source><translation>affiche les trente entrées de la chronologie construite à cet instant (par défaut : maintenant)</translation></message>
    <message id="widget.help.render"><source>draws the entry in force at that instant (default: now) into a PNG</source><translation>dessine l’entrée en vigueur à cet instant (par défaut : maintenant) dans un PNG</translation></message>
    <message id="widget.error.position"><source>--at wants a position X,Y</source><translation>--at demande une position X,Y</translation></message>
    <message id="widget.error.scale"><source>--scale wants a number from 0.25 to 8</source><translation>--scale demande un nombre de 0.25 à 8</translation></message>
</context>
</TS>
