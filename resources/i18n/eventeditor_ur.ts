<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur">
<context>
    <name>eventeditor</name>
    <message id="events.editor.alert"><source>Alert</source><translation>یاد دہانی</translation></message>
    <message id="events.editor.secondAlert"><source>Second alert</source><translation>دوسری یاد دہانی</translation></message>
    <message id="events.alert.none"><source>None</source><translation>کوئی نہیں</translation></message>
    <message id="events.alert.atStart"><source>At time of event</source><translation>ایونٹ کے وقت</translation></message>
    <message id="events.alert.5minutes"><source>5 minutes before</source><translation>5 منٹ پہلے</translation></message>
    <message id="events.alert.15minutes"><source>15 minutes before</source><translation>15 منٹ پہلے</translation></message>
    <message id="events.alert.30minutes"><source>30 minutes before</source><translation>30 منٹ پہلے</translation></message>
    <message id="events.alert.1hour"><source>1 hour before</source><translation>1 گھنٹہ پہلے</translation></message>
    <message id="events.alert.1day"><source>1 day before</source><translation>1 دن پہلے</translation></message>
    <message id="events.alert.custom"><source>Custom</source><translation>حسبِ منشا</translation></message>
    <message id="events.editor.url"><source>URL</source><translation>URL</translation></message>
    <message id="events.editor.urlPlaceholder"><source>https://…</source><translation>https://…</translation></message>
    <message id="events.editor.badUrl"><source>The URL must be a web address (https://…) or a mail address (mailto:…).</source><translation>URL کسی ویب سائٹ کا پتا (https://…) یا ای میل کا پتا (mailto:…) ہونا چاہیے۔</translation></message>
    <message id="events.editor.timeZone"><source>Time Zone</source><translation>ٹائم زون</translation></message>
    <message id="events.editor.pickHijri"><source>Hijri Date…</source><translation>ہجری تاریخ…</translation></message>
    <message id="events.viewer.inZone"><source>In %1: %2</source><translation>%1 کے وقت کے مطابق: %2</translation></message>
    <message id="events.hijriPicker.title"><source>Choose a Hijri Date</source><translation>ہجری تاریخ منتخب کریں</translation></message>
    <message id="events.hijriPicker.choose"><source>Choose</source><translation>منتخب کریں</translation></message>
</context>
</TS>
