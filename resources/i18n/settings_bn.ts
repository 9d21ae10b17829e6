<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn">
<context>
    <name>settings</name>
    <message id="settings.tabTitle"><source>Settings</source><translation>সেটিংস</translation></message>
    <message id="settings.adjustmentCaption"><source>Hijri adjustment</source><translation>হিজরি তারিখ সমন্বয়</translation></message>
    <message id="settings.adjustmentUnit"><source>days</source><translation>দিন</translation></message>
    <message id="settings.adjustmentHint"><source>Shift every Hijri date by whole days to match the sighting of the new moon where you live.</source><translation>আপনার এলাকায় নতুন চাঁদ দেখার সঙ্গে মেলাতে প্রতিটি হিজরি তারিখ পূর্ণ দিনে আগে বা পিছে সরান।</translation></message>
    <message id="settings.stepperCaption"><source>Adjustment in days</source><translation>সমন্বয়, দিনে</translation></message>
    <message id="settings.adjustmentRefused"><source>%1 is not an adjustment: whole days from %2 to %3</source><translation>%1 সঠিক সমন্বয় নয়: %2 থেকে %3 পর্যন্ত পূর্ণ দিন হতে হবে</translation></message>
    <message id="settings.weekStart"><source>Weeks start on</source><translation>সপ্তাহ শুরু হয়</translation></message>
    <message id="settings.weekStartLocale"><source>As the language has it</source><translation>ভাষা অনুযায়ী</translation></message>
    <message id="settings.increment"><source>One day later</source><translation>এক দিন পরে</translation></message>
    <message id="settings.decrement"><source>One day earlier</source><translation>এক দিন আগে</translation></message>
    <message id="settings.feedback"><source>Send feedback</source><translation>মতামত পাঠান</translation></message>
    <message id="settings.tellFriend"><source>Tell a friend</source><translation>বন্ধুকে জানান</translation></message>
    <message id="settings.rate"><source>Rate Qamarly</source><translation>Qamarly-কে রেটিং দিন</translation></message>
    <message id="settings.rateUnavailable"><source>The store page to rate Qamarly could not be opened: no store is set up on this computer, or it could not be reached.</source><translation>Qamarly-কে রেটিং দেওয়ার স্টোর পাতা খোলা যায়নি: এই কম্পিউটারে কোনো স্টোর সেট করা নেই, অথবা সেখানে পৌঁছানো যায়নি।</translation></message>
    <message id="settings.linkUnavailable"><source>No program on this computer opens %1. Open it in a browser to visit it.</source><translation>এই কম্পিউটারে কোনো প্রোগ্রাম %1 খোলে না। দেখতে ব্রাউজারে খুলুন।</translation></message>
    <message id="settings.ourApps"><source>Our other apps</source><translation>আমাদের অন্য অ্যাপ</translation></message>
    <message id="settings.social"><source>Follow us on Facebook</source><translation>ফেসবুকে আমাদের অনুসরণ করুন</translation></message>
    <message id="settings.more"><source>Wallpaper and notifications</source><translation>ওয়ালপেপার ও বিজ্ঞপ্তি</translation></message>
    <message id="notice"><source>Notice</source><translation>বিজ্ঞপ্তি</translation></message>
    <message id="emailErrorMsg"><source>No mail program is set up on this computer. Write to us at %1 from any mail service.</source><translation>এই কম্পিউটারে কোনো ইমেইল প্রোগ্রাম সেট করা নেই। যেকোনো ইমেইল সেবা থেকে %1 ঠিকানায় আমাদের লিখুন।</translation></message>
    <message id="emailBody"><source>Write your feedback or suggestion here:</source><translation>আপনার মতামত বা পরামর্শ এখানে লিখুন:</translation></message>
    <message id="TellFriend"><source>I use Qamarly for the Hijri date, the Gregorian date and the Islamic occasions. Try it: https://qamarly.org</source><translation>আমি হিজরি তারিখ, খ্রিস্টীয় তারিখ ও ইসলামি উপলক্ষের জন্য Qamarly ব্যবহার করি। চেষ্টা করে দেখুন: https://qamarly.org</translation></message>
</context>
</TS>
