<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms">
<context>
    <name>share</name>
    <message id="share.title"><source>Share</source><translation>Kongsi</translation></message>
    <message id="share.copied"><source>Copied to the clipboard: paste it anywhere to share it.</source><translation>Disalin ke papan keratan: tampalkan di mana-mana untuk berkongsi.</translation></message>
    <message id="share.email"><source>Send by e-mail</source><translation>Hantar melalui e-mel</translation></message>
    <message id="share.close"><source>Close</source><translation>Tutup</translation></message>
    <message id="share.noMail"><source>No mail program is set up on this computer</source><translation>Tiada program e-mel disediakan pada komputer ini</translation></message>
    <message id="share.mailFailed"><source>The mail program did not start. The text is still on the clipboard.</source><translation>Program e-mel tidak bermula. Teks masih berada di papan keratan.</translation></message>
</context>
</TS>
