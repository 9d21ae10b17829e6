<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>share</name>
    <message id="share.title"><source>Share</source><translation>هم‌رسانی</translation></message>
    <message id="share.copied"><source>Copied to the clipboard: paste it anywhere to share it.</source><translation>در بریده‌دان رونوشت شد: برای هم‌رسانی، آن را هر جا که خواستید بچسبانید.</translation></message>
    <message id="share.email"><source>Send by e-mail</source><translation>فرستادن با رایانامه</translation></message>
    <message id="share.close"><source>Close</source><translation>بستن</translation></message>
    <message id="share.noMail"><source>No mail program is set up on this computer</source><translation>هیچ برنامهٔ رایانامه‌ای روی این رایانه تنظیم نشده است</translation></message>
    <message id="share.mailFailed"><source>The mail program did not start. The text is still on the clipboard.</source><translation>برنامهٔ رایانامه باز نشد. متن هنوز در بریده‌دان است.</translation></message>
</context>
</TS>
