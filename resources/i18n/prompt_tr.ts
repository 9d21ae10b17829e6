<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>prompt</name>
    <message id="prompt.title"><source>Stay on the Hijri date</source><translation>Hicri tarihi kaçırmayın</translation></message>
    <message id="prompt.message"><source>Allow notifications to see the Hijri day on the app icon and to get the Hijri and Gregorian dates every morning.</source><translation>Uygulama simgesinde Hicri günü görmek ve her sabah Hicri ve Miladi tarihi almak için bildirimlere izin verin.</translation></message>
    <message id="prompt.enable"><source>Enable notifications</source><translation>Bildirimleri aç</translation></message>
    <message id="prompt.close"><source>Not now</source><translation>Şimdi değil</translation></message>
    <message id="NotificationsNotEnabledMessage"><source>Notifications are turned off for Qamarly. Turn them on in Settings to get the daily Hijri date and the icon badge.</source><translation>Qamarly için bildirimler kapalı. Günlük Hicri tarihi ve simge rozetini almak için Ayarlar&apos;dan açın.</translation></message>
    <message id="ok"><source>OK</source><translation>Tamam</translation></message>
    <message id="settings"><source>Settings</source><translation>Ayarlar</translation></message>
</context>
</TS>
