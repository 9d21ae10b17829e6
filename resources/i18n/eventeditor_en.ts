<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>eventeditor</name>
    <message id="events.editor.alert"><source>Alert</source><translation>Alert</translation></message>
    <message id="events.editor.secondAlert"><source>Second alert</source><translation>Second alert</translation></message>
    <message id="events.alert.none"><source>None</source><translation>None</translation></message>
    <message id="events.alert.atStart"><source>At time of event</source><translation>At time of event</translation></message>
    <message id="events.alert.5minutes"><source>5 minutes before</source><translation>5 minutes before</translation></message>
    <message id="events.alert.15minutes"><source>15 minutes before</source><translation>15 minutes before</translation></message>
    <message id="events.alert.30minutes"><source>30 minutes before</source><translation>30 minutes before</translation></message>
    <message id="events.alert.1hour"><source>1 hour before</source><translation>1 hour before</translation></message>
    <message id="events.alert.1day"><source>1 day before</source><translation>1 day before</translation></message>
    <message id="events.alert.custom"><source>Custom</source><translation>Custom</translation></message>
    <message id="events.editor.url"><source>URL</source><translation>URL</translation></message>
    <message id="events.editor.urlPlaceholder"><source>https://…</source><translation>https://…</translation></message>
    <message id="events.editor.badUrl"><source>The URL must be a web address (https://…) or a mail address (mailto:…).</source><translation>The URL must be a web address (https://…) or a mail address (mailto:…).</translation></message>
    <message id="events.editor.timeZone"><source>Time Zone</source><translation>Time Zone</translation></message>
    <message id="events.editor.pickHijri"><source>Hijri Date…</source><translation>Hijri Date…</translation></message>
    <message id="events.viewer.inZone"><source>In %1: %2</source><translation>In %1: %2</translation></message>
    <message id="events.hijriPicker.title"><source>Choose a Hijri Date</source><translation>Choose a Hijri Date</translation></message>
    <message id="events.hijriPicker.choose"><source>Choose</source><translation>Choose</translation></message>
</context>
</TS>
