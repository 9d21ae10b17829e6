<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>UpdateCheckerLocalizable</name>
    <message id="Update Available"><source>Update Available</source><translation>Mise à jour disponible</translation></message>
    <message id="A new version of %@ is available. Please update to version %@ now."><source>A new version of %@ is available. Please update to version %@ now.</source><translation>Une nouvelle version de %@ est disponible. Veuillez mettre à jour vers la version %@ dès maintenant.</translation></message>
    <message id="Next time"><source>Next time</source><translation>La prochaine fois</translation></message>
    <message id="Update"><source>Update</source><translation>Mettre à jour</translation></message>
    <message id="Skip this version"><source>Skip this version</source><translation>Ignorer cette version</translation></message>
</context>
</TS>
