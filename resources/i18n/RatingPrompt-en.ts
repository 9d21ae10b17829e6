<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>RatingPrompt</name>
    <message id="RatingPromptMessageTitle"><source>Rate %@</source><translation>Rate %@</translation></message>
    <message id="RatingPromptAppMessage"><source>If you enjoy using %@, would you mind taking a moment to rate it? It won’t take more than a minute. Thanks for your support!</source><translation>If you enjoy using %@, would you mind taking a moment to rate it? It won’t take more than a minute. Thanks for your support!</translation></message>
    <message id="RatingPromptGameMessage"><source>If you enjoy playing %@, would you mind taking a moment to rate it? It won’t take more than a minute. Thanks for your support!</source><translation>If you enjoy playing %@, would you mind taking a moment to rate it? It won’t take more than a minute. Thanks for your support!</translation></message>
    <message id="RatingPromptUpdateMessage"><source>If you enjoy using %@, would you mind taking a moment to rate it? It won’t take more than a minute. Thanks for your support!</source><translation>If you enjoy using %@, would you mind taking a moment to rate it? It won’t take more than a minute. Thanks for your support!</translation></message>
    <message id="RatingPromptCancelButton"><source>No, Thanks</source><translation>No, Thanks</translation></message>
    <message id="RatingPromptRemindButton"><source>Remind Me Later</source><translation>Remind Me Later</translation></message>
    <message id="RatingPromptRateButton"><source>Rate It Now</source><translation>Rate It Now</translation></message>
</context>
</TS>
