<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>UpdateCheckerLocalizable</name>
    <message id="Update Available"><source>Update Available</source><translation>Update Available</translation></message>
    <message id="A new version of %@ is available. Please update to version %@ now."><source>A new version of %@ is available. Please update to version %@ now.</source><translation>A new version of %@ is available. Please update to version %@ now.</translation></message>
    <message id="Next time"><source>Next time</source><translation>Next time</translation></message>
    <message id="Update"><source>Update</source><translation>Update</translation></message>
    <message id="Skip this version"><source>Skip this version</source><translation>Skip this version</translation></message>
</context>
</TS>
