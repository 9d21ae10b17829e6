<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>UpdateCheckerLocalizable</name>
    <message id="Update Available"><source>Update Available</source><translation>Update verfügbar</translation></message>
    <message id="A new version of %@ is available. Please update to version %@ now."><source>A new version of %@ is available. Please update to version %@ now.</source><translation>Eine neue Version von %@ ist verfügbar. Bitte aktualisiere jetzt auf Version %@.</translation></message>
    <message id="Next time"><source>Next time</source><translation>Nächstes Mal</translation></message>
    <message id="Update"><source>Update</source><translation>Aktualisieren</translation></message>
    <message id="Skip this version"><source>Skip this version</source><translation>Diese Version überspringen</translation></message>
</context>
</TS>
