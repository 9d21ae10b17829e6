<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn">
<context>
    <name>share</name>
    <message id="share.title"><source>Share</source><translation>শেয়ার</translation></message>
    <message id="share.copied"><source>Copied to the clipboard: paste it anywhere to share it.</source><translation>ক্লিপবোর্ডে কপি হয়েছে: শেয়ার করতে যেকোনো জায়গায় পেস্ট করুন।</translation></message>
    <message id="share.email"><source>Send by e-mail</source><translation>ইমেইলে পাঠান</translation></message>
    <message id="share.close"><source>Close</source><translation>বন্ধ করুন</translation></message>
    <message id="share.noMail"><source>No mail program is set up on this computer</source><translation>এই কম্পিউটারে কোনো ইমেইল প্রোগ্রাম সেট করা নেই</translation></message>
    <message id="share.mailFailed"><source>The mail program did not start. The text is still on the clipboard.</source><translation>ইমেইল প্রোগ্রাম চালু হয়নি। লেখাটি এখনো ক্লিপবোর্ডে আছে।</translation></message>
</context>
</TS>
