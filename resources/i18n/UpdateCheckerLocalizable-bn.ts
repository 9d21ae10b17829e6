<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn">
<context>
    <name>UpdateCheckerLocalizable</name>
    <message id="Update Available"><source>Update Available</source><translation>হালনাগাদ পাওয়া যাচ্ছে</translation></message>
    <message id="A new version of %@ is available. Please update to version %@ now."><source>A new version of %@ is available. Please update to version %@ now.</source><translation>%@-এর একটি নতুন সংস্করণ পাওয়া যাচ্ছে। অনুগ্রহ করে এখনই %@ সংস্করণে হালনাগাদ করুন।</translation></message>
    <message id="Next time"><source>Next time</source><translation>পরের বার</translation></message>
    <message id="Update"><source>Update</source><translation>হালনাগাদ করুন</translation></message>
    <message id="Skip this version"><source>Skip this version</source><translation>এই সংস্করণ বাদ দিন</translation></message>
</context>
</TS>
