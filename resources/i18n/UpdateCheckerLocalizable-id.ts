<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>UpdateCheckerLocalizable</name>
    <message id="Update Available"><source>Update Available</source><translation>Pembaruan Tersedia</translation></message>
    <message id="A new version of %@ is available. Please update to version %@ now."><source>A new version of %@ is available. Please update to version %@ now.</source><translation>Versi baru %@ telah tersedia. Silakan perbarui ke versi %@ sekarang.</translation></message>
    <message id="Next time"><source>Next time</source><translation>Lain kali</translation></message>
    <message id="Update"><source>Update</source><translation>Perbarui</translation></message>
    <message id="Skip this version"><source>Skip this version</source><translation>Lewati versi ini</translation></message>
</context>
</TS>
