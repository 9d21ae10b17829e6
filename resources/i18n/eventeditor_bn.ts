<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn">
<context>
    <name>eventeditor</name>
    <message id="events.editor.alert"><source>Alert</source><translation>সতর্কতা</translation></message>
    <message id="events.editor.secondAlert"><source>Second alert</source><translation>দ্বিতীয় সতর্কতা</translation></message>
    <message id="events.alert.none"><source>None</source><translation>নেই</translation></message>
    <message id="events.alert.atStart"><source>At time of event</source><translation>ইভেন্টের সময়</translation></message>
    <message id="events.alert.5minutes"><source>5 minutes before</source><translation>৫ মিনিট আগে</translation></message>
    <message id="events.alert.15minutes"><source>15 minutes before</source><translation>১৫ মিনিট আগে</translation></message>
    <message id="events.alert.30minutes"><source>30 minutes before</source><translation>৩০ মিনিট আগে</translation></message>
    <message id="events.alert.1hour"><source>1 hour before</source><translation>১ ঘণ্টা আগে</translation></message>
    <message id="events.alert.1day"><source>1 day before</source><translation>১ দিন আগে</translation></message>
    <message id="events.alert.custom"><source>Custom</source><translation>নিজস্ব</translation></message>
    <message id="events.editor.url"><source>URL</source><translation>URL</translation></message>
    <message id="events.editor.urlPlaceholder"><source>https://…</source><translation>https://…</translation></message>
    <message id="events.editor.badUrl"><source>The URL must be a web address (https://…) or a mail address (mailto:…).</source><translation>URL একটি ওয়েব ঠিকানা (https://…) বা ইমেইল ঠিকানা (mailto:…) হতে হবে।</translation></message>
    <message id="events.editor.timeZone"><source>Time Zone</source><translation>সময় অঞ্চল</translation></message>
    <message id="events.editor.pickHijri"><source>Hijri Date…</source><translation>হিজরি তারিখ…</translation></message>
    <message id="events.viewer.inZone"><source>In %1: %2</source><translation>%1 সময়ে: %2</translation></message>
    <message id="events.hijriPicker.title"><source>Choose a Hijri Date</source><translation>হিজরি তারিখ বেছে নিন</translation></message>
    <message id="events.hijriPicker.choose"><source>Choose</source><translation>বেছে নিন</translation></message>
</context>
</TS>
