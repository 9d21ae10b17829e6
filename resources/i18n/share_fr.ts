<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>share</name>
    <message id="share.title"><source>Share</source><translation>Partager</translation></message>
    <message id="share.copied"><source>Copied to the clipboard: paste it anywhere to share it.</source><translation>Copié dans le presse-papiers : collez-le où vous voulez pour le partager.</translation></message>
    <message id="share.email"><source>Send by e-mail</source><translation>Envoyer par courriel</translation></message>
    <message id="share.close"><source>Close</source><translation>Fermer</translation></message>
    <message id="share.noMail"><source>No mail program is set up on this computer</source><translation>Aucun logiciel de messagerie n’est configuré sur cet ordinateur</translation></message>
    <message id="share.mailFailed"><source>The mail program did not start. The text is still on the clipboard.</source><translation>Le logiciel de messagerie n’a pas démarré. Le texte est toujours dans le presse-papiers.</translation></message>
</context>
</TS>
