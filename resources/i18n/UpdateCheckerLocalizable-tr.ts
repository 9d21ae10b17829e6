<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>UpdateCheckerLocalizable</name>
    <message id="Update Available"><source>Update Available</source><translation>Güncelleme Mevcut</translation></message>
    <message id="A new version of %@ is available. Please update to version %@ now."><source>A new version of %@ is available. Please update to version %@ now.</source><translation>%@ uygulamasının yeni bir sürümü mevcut. Lütfen şimdi %@ sürümüne güncelleyin.</translation></message>
    <message id="Next time"><source>Next time</source><translation>Bir dahaki sefere</translation></message>
    <message id="Update"><source>Update</source><translation>Güncelle</translation></message>
    <message id="Skip this version"><source>Skip this version</source><translation>Bu sürümü atla</translation></message>
</context>
</TS>
