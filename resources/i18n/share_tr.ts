<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>share</name>
    <message id="share.title"><source>Share</source><translation>Paylaş</translation></message>
    <message id="share.copied"><source>Copied to the clipboard: paste it anywhere to share it.</source><translation>Panoya kopyalandı: paylaşmak için istediğiniz yere yapıştırın.</translation></message>
    <message id="share.email"><source>Send by e-mail</source><translation>E-postayla gönder</translation></message>
    <message id="share.close"><source>Close</source><translation>Kapat</translation></message>
    <message id="share.noMail"><source>No mail program is set up on this computer</source><translation>Bu bilgisayarda bir e-posta programı ayarlı değil</translation></message>
    <message id="share.mailFailed"><source>The mail program did not start. The text is still on the clipboard.</source><translation>E-posta programı başlamadı. Metin hâlâ panoda.</translation></message>
</context>
</TS>
