<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>UpdateCheckerLocalizable</name>
    <message id="Update Available"><source>Update Available</source><translation>تحديث متوفر</translation></message>
    <message id="A new version of %@ is available. Please update to version %@ now."><source>A new version of %@ is available. Please update to version %@ now.</source><translation>يتوفر إصدار جديد من %@. يرجى التحديث إلى الإصدار %@ الآن.</translation></message>
    <message id="Next time"><source>Next time</source><translation>في المرة القادمة</translation></message>
    <message id="Update"><source>Update</source><translation>تحديث</translation></message>
    <message id="Skip this version"><source>Skip this version</source><translation>تخطَّ هذا الإصدار</translation></message>
</context>
</TS>
