<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>eventeditor</name>
    <message id="events.editor.alert"><source>Alert</source><translation>التنبيه</translation></message>
    <message id="events.editor.secondAlert"><source>Second alert</source><translation>التنبيه الثاني</translation></message>
    <message id="events.alert.none"><source>None</source><translation>بلا تنبيه</translation></message>
    <message id="events.alert.atStart"><source>At time of event</source><translation>عند بدء الموعد</translation></message>
    <message id="events.alert.5minutes"><source>5 minutes before</source><translation>قبله بخمس دقائق</translation></message>
    <message id="events.alert.15minutes"><source>15 minutes before</source><translation>قبله بربع ساعة</translation></message>
    <message id="events.alert.30minutes"><source>30 minutes before</source><translation>قبله بنصف ساعة</translation></message>
    <message id="events.alert.1hour"><source>1 hour before</source><translation>قبله بساعة</translation></message>
    <message id="events.alert.1day"><source>1 day before</source><translation>قبله بيوم</translation></message>
    <message id="events.alert.custom"><source>Custom</source><translation>مخصص</translation></message>
    <message id="events.editor.url"><source>URL</source><translation>الرابط</translation></message>
    <message id="events.editor.urlPlaceholder"><source>https://…</source><translation>https://…</translation></message>
    <message id="events.editor.badUrl"><source>The URL must be a web address (https://…) or a mail address (mailto:…).</source><translation>يجب أن يكون الرابط عنوان صفحة ويب (https://…) أو عنوان بريد (mailto:…).</translation></message>
    <message id="events.editor.timeZone"><source>Time Zone</source><translation>المنطقة الزمنية</translation></message>
    <message id="events.editor.pickHijri"><source>Hijri Date…</source><translation>التاريخ الهجري…</translation></message>
    <message id="events.viewer.inZone"><source>In %1: %2</source><translation>بتوقيت %1: %2</translation></message>
    <message id="events.hijriPicker.title"><source>Choose a Hijri Date</source><translation>اختيار تاريخ هجري</translation></message>
    <message id="events.hijriPicker.choose"><source>Choose</source><translation>اختيار</translation></message>
</context>
</TS>
