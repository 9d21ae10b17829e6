<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>widget</name>
    <message id="Qamarly Widget"><source>Qamarly Widget</source><translation>Qamarly Widget</translation></message>
    <message id="This widget will display today&#x27;s Hijri date"><source>This widget will display today&#x27;s Hijri date</source><translation>This widget will display today&#x27;s Hijri date</translation></message>
    <message id="This widget will display both Hijri and Gregorian dates"><source>This widget will display both Hijri and Gregorian dates</source><translation>This widget will display both Hijri and Gregorian dates</translation></message>
    <message id="Not supported"><source>Not supported</source><translation>Not supported</translation></message>
    <message id="widget.monthYear"><source>%1, %2</source><translation>%1, %2</translation></message>
    <message id="widget.close"><source>Close</source><translation>Close</translation></message>
    <message id="widget.menu.simpleSmall"><source>Hijri date, small</source><translation>Hijri date, small</translation></message>
    <message id="widget.menu.simpleMedium"><source>Hijri date, medium</source><translation>Hijri date, medium</translation></message>
    <message id="widget.menu.complexMedium"><source>Hijri and Gregorian dates, medium</source><translation>Hijri and Gregorian dates, medium</translation></message>
    <message id="widget.menu.open"><source>Open Qamarly</source><translation>Open Qamarly</translation></message>
    <message id="widget.error.kind"><source>unknown widget kind &#x27;%1&#x27; (use simple or complex)</source><translation>unknown widget kind &#x27;%1&#x27; (use simple or complex)</translation></message>
    <message id="widget.error.family"><source>unknown widget family &#x27;%1&#x27; (use small or medium)</source><translation>unknown widget family &#x27;%1&#x27; (use small or medium)</translation></message>
    <message id="widget.error.unsupportedFamily"><source>the %1 widget does not come in the %2 family (only %3)</source><translation>the %1 widget does not come in the %2 family (only %3)</translation></message>
    <message id="widget.error.appearance"><source>unknown appearance &#x27;%1&#x27; (use light or dark)</source><translation>unknown appearance &#x27;%1&#x27; (use light or dark)</translation></message>
    <message id="widget.error.noOutput"><source>say where to write the picture with -o FILE.png</source><translation>say where to write the picture with -o FILE.png</translation></message>
    <message id="widget.error.notPng"><source>&#x27;%1&#x27; does not end in .png; the picture is written as PNG</source><translation>&#x27;%1&#x27; does not end in .png; the picture is written as PNG</translation></message>
    <message id="widget.error.instant"><source>&#x27;%1&#x27; is not an ISO 8601 instant (e.g. 2026-12-05T09:30:00+03:00)</source><translation>&#x27;%1&#x27; is not an ISO 8601 instant (e.g. 2026-12-05T09:30:00+03:00)</translation></message>
    <message id="widget.error.write"><source>could not write %1</source><translation>could not write %1</translation></message>
    <message id="widget.error.noDisplay"><source>no display to show the widget on (render one with: qamarly-widget render -o FILE.png)</source><translation>no display to show the widget on (render one with: qamarly-widget render -o FILE.png)</translation></message>
    <message id="widget.help.usage"><source>usage:</source><translation>usage:</translation></message>
    <message id="widget.help.host"><source>shows the widget on the desktop</source><translation>shows the widget on the desktop</translation></message>
    <message id="widget.help.timeline"><source>prints the thirty entries of the timeline built at that instant (default: now)</source><translation>prints the thirty entries of the timeline built at that instant (default: now)</translation></message>
    <message id="widget.help.render"><source>draws the entry in force at that instant (default: now) into a PNG</source><translation>draws the entry in force at that instant (default: now) into a PNG</translation></message>
    <message id="widget.error.position"><source>--at wants a position X,Y</source><translation>--at wants a position X,Y</translation></message>
    <message id="widget.error.scale"><source>--scale wants a number from 0.25 to 8</source><translation>--scale wants a number from 0.25 to 8</translation></message>
</context>
</TS>
