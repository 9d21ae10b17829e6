<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>prompt</name>
    <message id="prompt.title"><source>Stay on the Hijri date</source><translation>Selalu tahu tanggal Hijriah</translation></message>
    <message id="prompt.message"><source>Allow notifications to see the Hijri day on the app icon and to get the Hijri and Gregorian dates every morning.</source><translation>Izinkan notifikasi untuk melihat tanggal Hijriah pada ikon aplikasi dan menerima tanggal Hijriah dan Masehi setiap pagi.</translation></message>
    <message id="prompt.enable"><source>Enable notifications</source><translation>Aktifkan notifikasi</translation></message>
    <message id="prompt.close"><source>Not now</source><translation>Nanti saja</translation></message>
    <message id="NotificationsNotEnabledMessage"><source>Notifications are turned off for Qamarly. Turn them on in Settings to get the daily Hijri date and the icon badge.</source><translation>Notifikasi untuk Qamarly dimatikan. Aktifkan di Pengaturan untuk menerima tanggal Hijriah harian dan lencana ikon.</translation></message>
    <message id="ok"><source>OK</source><translation>OK</translation></message>
    <message id="settings"><source>Settings</source><translation>Pengaturan</translation></message>
</context>
</TS>
