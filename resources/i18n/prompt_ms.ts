<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms">
<context>
    <name>prompt</name>
    <message id="prompt.title"><source>Stay on the Hijri date</source><translation>Sentiasa tahu tarikh Hijrah</translation></message>
    <message id="prompt.message"><source>Allow notifications to see the Hijri day on the app icon and to get the Hijri and Gregorian dates every morning.</source><translation>Benarkan pemberitahuan untuk melihat hari Hijrah pada ikon aplikasi dan menerima tarikh Hijrah dan Masihi setiap pagi.</translation></message>
    <message id="prompt.enable"><source>Enable notifications</source><translation>Hidupkan pemberitahuan</translation></message>
    <message id="prompt.close"><source>Not now</source><translation>Bukan sekarang</translation></message>
    <message id="NotificationsNotEnabledMessage"><source>Notifications are turned off for Qamarly. Turn them on in Settings to get the daily Hijri date and the icon badge.</source><translation>Pemberitahuan dimatikan untuk Qamarly. Hidupkannya dalam Tetapan untuk menerima tarikh Hijrah harian dan lencana ikon.</translation></message>
    <message id="ok"><source>OK</source><translation>OK</translation></message>
    <message id="settings"><source>Settings</source><translation>Tetapan</translation></message>
</context>
</TS>
