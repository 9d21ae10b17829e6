<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>share</name>
    <message id="share.title"><source>Share</source><translation>مشاركة</translation></message>
    <message id="share.copied"><source>Copied to the clipboard: paste it anywhere to share it.</source><translation>نُسخ النص إلى الحافظة: الصقه حيث تشاء لمشاركته.</translation></message>
    <message id="share.email"><source>Send by e-mail</source><translation>أرسل بالبريد</translation></message>
    <message id="share.close"><source>Close</source><translation>إغلاق</translation></message>
    <message id="share.noMail"><source>No mail program is set up on this computer</source><translation>لا يوجد برنامج بريد معدّ على هذا الجهاز</translation></message>
    <message id="share.mailFailed"><source>The mail program did not start. The text is still on the clipboard.</source><translation>لم يبدأ برنامج البريد. النص ما زال في الحافظة.</translation></message>
</context>
</TS>
