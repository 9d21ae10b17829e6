<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>eventeditor</name>
    <message id="events.editor.alert"><source>Alert</source><translation>Uyarı</translation></message>
    <message id="events.editor.secondAlert"><source>Second alert</source><translation>İkinci uyarı</translation></message>
    <message id="events.alert.none"><source>None</source><translation>Yok</translation></message>
    <message id="events.alert.atStart"><source>At time of event</source><translation>Etkinlik anında</translation></message>
    <message id="events.alert.5minutes"><source>5 minutes before</source><translation>5 dakika önce</translation></message>
    <message id="events.alert.15minutes"><source>15 minutes before</source><translation>15 dakika önce</translation></message>
    <message id="events.alert.30minutes"><source>30 minutes before</source><translation>30 dakika önce</translation></message>
    <message id="events.alert.1hour"><source>1 hour before</source><translation>1 saat önce</translation></message>
    <message id="events.alert.1day"><source>1 day before</source><translation>1 gün önce</translation></message>
    <message id="events.alert.custom"><source>Custom</source><translation>Özel</translation></message>
    <message id="events.editor.url"><source>URL</source><translation>URL</translation></message>
    <message id="events.editor.urlPlaceholder"><source>https://…</source><translation>https://…</translation></message>
    <message id="events.editor.badUrl"><source>The URL must be a web address (https://…) or a mail address (mailto:…).</source><translation>URL bir web adresi (https://…) ya da bir e-posta adresi (mailto:…) olmalı.</translation></message>
    <message id="events.editor.timeZone"><source>Time Zone</source><translation>Saat Dilimi</translation></message>
    <message id="events.editor.pickHijri"><source>Hijri Date…</source><translation>Hicri Tarih…</translation></message>
    <message id="events.viewer.inZone"><source>In %1: %2</source><translation>%1 saatiyle: %2</translation></message>
    <message id="events.hijriPicker.title"><source>Choose a Hijri Date</source><translation>Hicri Tarih Seçin</translation></message>
    <message id="events.hijriPicker.choose"><source>Choose</source><translation>Seç</translation></message>
</context>
</TS>
