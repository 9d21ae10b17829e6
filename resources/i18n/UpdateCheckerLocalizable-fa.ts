<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>UpdateCheckerLocalizable</name>
    <message id="Update Available"><source>Update Available</source><translation>به‌روزرسانی موجود است</translation></message>
    <message id="A new version of %@ is available. Please update to version %@ now."><source>A new version of %@ is available. Please update to version %@ now.</source><translation>نسخهٔ جدیدی از %@ موجود است. لطفاً همین حالا به نسخهٔ %@ به‌روزرسانی کنید.</translation></message>
    <message id="Next time"><source>Next time</source><translation>دفعهٔ بعد</translation></message>
    <message id="Update"><source>Update</source><translation>به‌روزرسانی</translation></message>
    <message id="Skip this version"><source>Skip this version</source><translation>از این نسخه بگذر</translation></message>
</context>
</TS>
