<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur">
<context>
    <name>eventeditor</name>
    <message id="events.editor.alert"><source>Alert</source><translation>الرٹ</translation></message>
    <message id="events.editor.secondAlert"><source>Second alert</source><translation>دوسرا الرٹ</translation></message>
    <message id="events.alert.none"><source>None</source><translation>کوئی نہیں</translation></message>
    <message id="events.alert.atStart"><source>At time of event</source><translation>تقریب کے وقت</translation></message>
    <message id="events.alert.5minutes"><source>5 minutes before</source><translation>5 منٹ پہلے</translation></message>
    <message id="events.alert.15minutes"><source>15 minutes before</source><translation>15 منٹ پہلے</translation></message>
    <message id="events.alert.30minutes"><source>30 minutes before</source><translation>30 منٹ پہلے</translation></message>
    <message id="events.alert.1hour"><source>1 hour before</source><translation>1 گھنٹہ پہلے</translation></message>
    <message id="events.alert.1day"><source>1 day before</source><translation>1 دن پہلے</translation></message>
    <message id="events.alert.custom"><source>Custom</source><translation>حسبِ ضرورت</translation></message>
    <message id="events.editor.url"><source>URL</source><translation>یو آر ایل</translation></message>
    <message id="events.editor.urlPlaceholder"><source>https://…</source><translation>https://…</translation></message>
    <message id="events.editor.badUrl"><source>The URL must be a web address (https://…) or a mail address (mailto:…).</source><translation>یو آر ایل کسی ویب پتے (https://…) یا ای میل پتے (mailto:…) کا ہونا چاہیے۔</translation></message>
</context>
</TS>
