<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>eventeditor</name>
    <message id="events.editor.alert"><source>Alert</source><translation>یادآوری</translation></message>
    <message id="events.editor.secondAlert"><source>Second alert</source><translation>یادآوری دوم</translation></message>
    <message id="events.alert.none"><source>None</source><translation>هیچ</translation></message>
    <message id="events.alert.atStart"><source>At time of event</source><translation>هنگام رویداد</translation></message>
    <message id="events.alert.5minutes"><source>5 minutes before</source><translation>۵ دقیقه پیش از آن</translation></message>
    <message id="events.alert.15minutes"><source>15 minutes before</source><translation>۱۵ دقیقه پیش از آن</translation></message>
    <message id="events.alert.30minutes"><source>30 minutes before</source><translation>۳۰ دقیقه پیش از آن</translation></message>
    <message id="events.alert.1hour"><source>1 hour before</source><translation>۱ ساعت پیش از آن</translation></message>
    <message id="events.alert.1day"><source>1 day before</source><translation>۱ روز پیش از آن</translation></message>
    <message id="events.alert.custom"><source>Custom</source><translation>سفارشی</translation></message>
    <message id="events.editor.url"><source>URL</source><translation>نشانی وب</translation></message>
    <message id="events.editor.urlPlaceholder"><source>https://…</source><translation>https://…</translation></message>
    <message id="events.editor.badUrl"><source>The URL must be a web address (https://…) or a mail address (mailto:…).</source><translation>نشانی باید نشانی وب (https://…) یا نشانی رایانامه (mailto:…) باشد.</translation></message>
    <message id="events.editor.timeZone"><source>Time Zone</source><translation>منطقهٔ زمانی</translation></message>
    <message id="events.editor.pickHijri"><source>Hijri Date…</source><translation>تاریخ قمری…</translation></message>
    <message id="events.viewer.inZone"><source>In %1: %2</source><translation>به وقت %1: %2</translation></message>
    <message id="events.hijriPicker.title"><source>Choose a Hijri Date</source><translation>انتخاب تاریخ قمری</translation></message>
    <message id="events.hijriPicker.choose"><source>Choose</source><translation>انتخاب</translation></message>
</context>
</TS>
