<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>eventeditor</name>
    <message id="events.editor.alert"><source>Alert</source><translation>Pengingat</translation></message>
    <message id="events.editor.secondAlert"><source>Second alert</source><translation>Pengingat kedua</translation></message>
    <message id="events.alert.none"><source>None</source><translation>Tidak ada</translation></message>
    <message id="events.alert.atStart"><source>At time of event</source><translation>Saat acara dimulai</translation></message>
    <message id="events.alert.5minutes"><source>5 minutes before</source><translation>5 menit sebelumnya</translation></message>
    <message id="events.alert.15minutes"><source>15 minutes before</source><translation>15 menit sebelumnya</translation></message>
    <message id="events.alert.30minutes"><source>30 minutes before</source><translation>30 menit sebelumnya</translation></message>
    <message id="events.alert.1hour"><source>1 hour before</source><translation>1 jam sebelumnya</translation></message>
    <message id="events.alert.1day"><source>1 day before</source><translation>1 hari sebelumnya</translation></message>
    <message id="events.alert.custom"><source>Custom</source><translation>Khusus</translation></message>
    <message id="events.editor.url"><source>URL</source><translation>URL</translation></message>
    <message id="events.editor.urlPlaceholder"><source>https://…</source><translation>https://…</translation></message>
    <message id="events.editor.badUrl"><source>The URL must be a web address (https://…) or a mail address (mailto:…).</source><translation>URL harus berupa alamat web (https://…) atau alamat surel (mailto:…).</translation></message>
    <message id="events.editor.timeZone"><source>Time Zone</source><translation>Zona Waktu</translation></message>
    <message id="events.editor.pickHijri"><source>Hijri Date…</source><translation>Tanggal Hijriah…</translation></message>
    <message id="events.viewer.inZone"><source>In %1: %2</source><translation>Waktu %1: %2</translation></message>
    <message id="events.hijriPicker.title"><source>Choose a Hijri Date</source><translation>Pilih Tanggal Hijriah</translation></message>
    <message id="events.hijriPicker.choose"><source>Choose</source><translation>Pilih</translation></message>
</context>
</TS>
