<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur">
<context>
    <name>settings</name>
    <message id="settings.tabTitle"><source>Settings</source><translation>ترتیبات</translation></message>
    <message id="settings.adjustmentCaption"><source>Hijri adjustment</source><translation>ہجری تاریخ کی تصحیح</translation></message>
    <message id="settings.adjustmentUnit"><source>days</source><translation>دن</translation></message>
    <message id="settings.adjustmentHint"><source>Shift every Hijri date by whole days to match the sighting of the new moon where you live.</source><translation>ہر ہجری تاریخ کو پورے دنوں سے آگے یا پیچھے کریں تاکہ وہ آپ کے علاقے میں رؤیتِ ہلال کے مطابق ہو۔</translation></message>
    <message id="settings.stepperCaption"><source>Adjustment in days</source><translation>تصحیح، دنوں میں</translation></message>
    <message id="settings.adjustmentRefused"><source>%1 is not an adjustment: whole days from %2 to %3</source><translation>%1 درست تصحیح نہیں: %2 سے %3 تک پورے دن ہونے چاہئیں</translation></message>
    <message id="settings.weekStart"><source>Weeks start on</source><translation>ہفتے کا آغاز</translation></message>
    <message id="settings.weekStartLocale"><source>As the language has it</source><translation>زبان کے مطابق</translation></message>
    <message id="settings.increment"><source>One day later</source><translation>ایک دن بعد</translation></message>
    <message id="settings.decrement"><source>One day earlier</source><translation>ایک دن پہلے</translation></message>
    <message id="settings.feedback"><source>Send feedback</source><translation>رائے بھیجیں</translation></message>
    <message id="settings.tellFriend"><source>Tell a friend</source><translation>دوست کو بتائیں</translation></message>
    <message id="settings.rate"><source>Rate Qamarly</source><translation>قمرلی کی درجہ بندی کریں</translation></message>
    <message id="settings.rateUnavailable"><source>The store page to rate Qamarly could not be opened: no store is set up on this computer, or it could not be reached.</source><translation>قمرلی کی درجہ بندی کا اسٹور صفحہ نہیں کھل سکا: اس کمپیوٹر پر کوئی اسٹور ترتیب نہیں دیا گیا، یا اس تک رسائی نہیں ہو سکی۔</translation></message>
    <message id="settings.linkUnavailable"><source>No program on this computer opens %1. Open it in a browser to visit it.</source><translation>اس کمپیوٹر پر کوئی پروگرام %1 نہیں کھولتا۔ اسے دیکھنے کے لیے براؤزر میں کھولیں۔</translation></message>
    <message id="settings.ourApps"><source>Our other apps</source><translation>ہماری دوسری ایپس</translation></message>
    <message id="settings.social"><source>Follow us on Facebook</source><translation>فیس بک پر ہمیں فالو کریں</translation></message>
    <message id="settings.more"><source>Wallpaper and notifications</source><translation>وال پیپر اور اطلاعات</translation></message>
    <message id="notice"><source>Notice</source><translation>اطلاع</translation></message>
    <message id="emailErrorMsg"><source>No mail program is set up on this computer. Write to us at %1 from any mail service.</source><translation>اس کمپیوٹر پر کوئی ای میل پروگرام ترتیب نہیں دیا گیا۔ کسی بھی ای میل سروس سے ہمیں %1 پر لکھیں۔</translation></message>
    <message id="emailBody"><source>Write your feedback or suggestion here:</source><translation>اپنی رائے یا تجویز یہاں لکھیں:</translation></message>
    <message id="TellFriend"><source>I use Qamarly for the Hijri date, the Gregorian date and the Islamic occasions. Try it: https://qamarly.org</source><translation>میں ہجری تاریخ، عیسوی تاریخ اور اسلامی مواقع کے لیے قمرلی استعمال کرتا ہوں۔ آپ بھی آزمائیں: https://qamarly.org</translation></message>
</context>
</TS>
