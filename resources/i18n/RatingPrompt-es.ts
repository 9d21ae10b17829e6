<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>RatingPrompt</name>
    <message id="RatingPromptMessageTitle"><source>Rate %@</source><translation>Valorar %@</translation></message>
    <message id="RatingPromptAppMessage"><source>If you enjoy using %@, would you mind taking a moment to rate it? It won’t take more than a minute. Thanks for your support!</source><translation>Si te gusta usar %@, ¿te importaría dedicar un momento a valorarla? No te llevará más de un minuto. ¡Gracias por tu apoyo!</translation></message>
    <message id="RatingPromptGameMessage"><source>If you enjoy playing %@, would you mind taking a moment to rate it? It won’t take more than a minute. Thanks for your support!</source><translation>Si te gusta jugar a %@, ¿te importaría dedicar un momento a valorarlo? No te llevará más de un minuto. ¡Gracias por tu apoyo!</translation></message>
    <message id="RatingPromptUpdateMessage"><source>If you enjoy using %@, would you mind taking a moment to rate it? It won’t take more than a minute. Thanks for your support!</source><translation>Si te gusta usar %@, ¿te importaría dedicar un momento a valorarla? No te llevará más de un minuto. ¡Gracias por tu apoyo!</translation></message>
    <message id="RatingPromptCancelButton"><source>No, Thanks</source><translation>No, gracias</translation></message>
    <message id="RatingPromptRemindButton"><source>Remind Me Later</source><translation>Recordármelo más tarde</translation></message>
    <message id="RatingPromptRateButton"><source>Rate It Now</source><translation>Valorar ahora</translation></message>
</context>
</TS>
