<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>share</name>
    <message id="share.title"><source>Share</source><translation>Bagikan</translation></message>
    <message id="share.copied"><source>Copied to the clipboard: paste it anywhere to share it.</source><translation>Disalin ke papan klip: tempelkan di mana saja untuk membagikannya.</translation></message>
    <message id="share.email"><source>Send by e-mail</source><translation>Kirim lewat surel</translation></message>
    <message id="share.close"><source>Close</source><translation>Tutup</translation></message>
    <message id="share.noMail"><source>No mail program is set up on this computer</source><translation>Tidak ada program surel yang disiapkan di komputer ini</translation></message>
    <message id="share.mailFailed"><source>The mail program did not start. The text is still on the clipboard.</source><translation>Program surel tidak dapat dijalankan. Teksnya masih ada di papan klip.</translation></message>
</context>
</TS>
