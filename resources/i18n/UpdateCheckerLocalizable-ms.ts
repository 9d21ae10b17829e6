<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms">
<context>
    <name>UpdateCheckerLocalizable</name>
    <message id="Update Available"><source>Update Available</source><translation>Kemas Kini Tersedia</translation></message>
    <message id="A new version of %@ is available. Please update to version %@ now."><source>A new version of %@ is available. Please update to version %@ now.</source><translation>Versi baharu %@ kini tersedia. Sila kemas kini kepada versi %@ sekarang.</translation></message>
    <message id="Next time"><source>Next time</source><translation>Lain kali</translation></message>
    <message id="Update"><source>Update</source><translation>Kemas kini</translation></message>
    <message id="Skip this version"><source>Skip this version</source><translation>Langkau versi ini</translation></message>
</context>
</TS>
