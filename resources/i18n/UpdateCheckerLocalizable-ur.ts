<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur">
<context>
    <name>UpdateCheckerLocalizable</name>
    <message id="Update Available"><source>Update Available</source><translation>اپ ڈیٹ دستیاب ہے</translation></message>
    <message id="A new version of %@ is available. Please update to version %@ now."><source>A new version of %@ is available. Please update to version %@ now.</source><translation>%@ کا نیا ورژن دستیاب ہے۔ براہ کرم ابھی ورژن %@ پر اپ ڈیٹ کریں۔</translation></message>
    <message id="Next time"><source>Next time</source><translation>اگلی بار</translation></message>
    <message id="Update"><source>Update</source><translation>اپ ڈیٹ کریں</translation></message>
    <message id="Skip this version"><source>Skip this version</source><translation>یہ ورژن چھوڑ دیں</translation></message>
</context>
</TS>
