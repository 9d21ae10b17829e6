<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>RatingPrompt</name>
    <message id="RatingPromptMessageTitle"><source>Rate %@</source><translation>Noter %@</translation></message>
    <message id="RatingPromptAppMessage"><source>If you enjoy using %@, would you mind taking a moment to rate it? It won’t take more than a minute. Thanks for your support!</source><translation>Si vous aimez utiliser %@, pourriez-vous prendre un moment pour l’évaluer ? Cela ne prendra pas plus d’une minute. Merci de votre soutien !</translation></message>
    <message id="RatingPromptGameMessage"><source>If you enjoy playing %@, would you mind taking a moment to rate it? It won’t take more than a minute. Thanks for your support!</source><translation>Si vous aimez jouer à %@, pourriez-vous prendre un moment pour l’évaluer ? Cela ne prendra pas plus d’une minute. Merci de votre soutien !</translation></message>
    <message id="RatingPromptUpdateMessage"><source>If you enjoy using %@, would you mind taking a moment to rate it? It won’t take more than a minute. Thanks for your support!</source><translation>Si vous aimez utiliser %@, pourriez-vous prendre un moment pour l’évaluer ? Cela ne prendra pas plus d’une minute. Merci de votre soutien !</translation></message>
    <message id="RatingPromptCancelButton"><source>No, Thanks</source><translation>Non, merci</translation></message>
    <message id="RatingPromptRemindButton"><source>Remind Me Later</source><translation>Me le rappeler plus tard</translation></message>
    <message id="RatingPromptRateButton"><source>Rate It Now</source><translation>Noter maintenant</translation></message>
</context>
</TS>
