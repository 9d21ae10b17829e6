<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>UpdateCheckerLocalizable</name>
    <message id="Update Available"><source>Update Available</source><translation>Actualización disponible</translation></message>
    <message id="A new version of %@ is available. Please update to version %@ now."><source>A new version of %@ is available. Please update to version %@ now.</source><translation>Hay una nueva versión de %@ disponible. Actualiza ahora a la versión %@.</translation></message>
    <message id="Next time"><source>Next time</source><translation>La próxima vez</translation></message>
    <message id="Update"><source>Update</source><translation>Actualizar</translation></message>
    <message id="Skip this version"><source>Skip this version</source><translation>Omitir esta versión</translation></message>
</context>
</TS>
