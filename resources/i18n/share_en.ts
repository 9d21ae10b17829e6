<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>share</name>
    <message id="share.title"><source>Share</source><translation>Share</translation></message>
    <message id="share.copied"><source>Copied to the clipboard: paste it anywhere to share it.</source><translation>Copied to the clipboard: paste it anywhere to share it.</translation></message>
    <message id="share.email"><source>Send by e-mail</source><translation>Send by e-mail</translation></message>
    <message id="share.close"><source>Close</source><translation>Close</translation></message>
    <message id="share.noMail"><source>No mail program is set up on this computer</source><translation>No mail program is set up on this computer</translation></message>
    <message id="share.mailFailed"><source>The mail program did not start. The text is still on the clipboard.</source><translation>The mail program did not start. The text is still on the clipboard.</translation></message>
</context>
</TS>
