<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>RatingPrompt</name>
    <message id="RatingPromptMessageTitle"><source>Rate %@</source><translation>%@ bewerten</translation></message>
    <message id="RatingPromptAppMessage"><source>If you enjoy using %@, would you mind taking a moment to rate it? It won’t take more than a minute. Thanks for your support!</source><translation>Wenn dir %@ gefällt, würdest du dir einen Moment Zeit nehmen, es zu bewerten? Es dauert nicht länger als eine Minute. Danke für deine Unterstützung!</translation></message>
    <message id="RatingPromptGameMessage"><source>If you enjoy playing %@, would you mind taking a moment to rate it? It won’t take more than a minute. Thanks for your support!</source><translation>Wenn du %@ gerne spielst, würdest du dir einen Moment Zeit nehmen, es zu bewerten? Es dauert nicht länger als eine Minute. Danke für deine Unterstützung!</translation></message>
    <message id="RatingPromptUpdateMessage"><source>If you enjoy using %@, would you mind taking a moment to rate it? It won’t take more than a minute. Thanks for your support!</source><translation>Wenn dir %@ gefällt, würdest du dir einen Moment Zeit nehmen, es zu bewerten? Es dauert nicht länger als eine Minute. Danke für deine Unterstützung!</translation></message>
    <message id="RatingPromptCancelButton"><source>No, Thanks</source><translation>Nein, danke</translation></message>
    <message id="RatingPromptRemindButton"><source>Remind Me Later</source><translation>Später erinnern</translation></message>
    <message id="RatingPromptRateButton"><source>Rate It Now</source><translation>Jetzt bewerten</translation></message>
</context>
</TS>
