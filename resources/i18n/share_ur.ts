<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur">
<context>
    <name>share</name>
    <message id="share.title"><source>Share</source><translation>شیئر کریں</translation></message>
    <message id="share.copied"><source>Copied to the clipboard: paste it anywhere to share it.</source><translation>کلپ بورڈ پر کاپی ہو گیا: شیئر کرنے کے لیے کہیں بھی پیسٹ کریں۔</translation></message>
    <message id="share.email"><source>Send by e-mail</source><translation>ای میل سے بھیجیں</translation></message>
    <message id="share.close"><source>Close</source><translation>بند کریں</translation></message>
    <message id="share.noMail"><source>No mail program is set up on this computer</source><translation>اس کمپیوٹر پر کوئی ای میل پروگرام ترتیب نہیں دیا گیا</translation></message>
    <message id="share.mailFailed"><source>The mail program did not start. The text is still on the clipboard.</source><translation>ای میل پروگرام شروع نہیں ہوا۔ متن اب بھی کلپ بورڈ پر ہے۔</translation></message>
</context>
</TS>
