<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>RatingPrompt</name>
    <message id="RatingPromptMessageTitle"><source>Rate %@</source><translation>قيِّم %@</translation></message>
    <message id="RatingPromptAppMessage"><source>If you enjoy using %@, would you mind taking a moment to rate it? It won’t take more than a minute. Thanks for your support!</source><translation>إذا أعجبك استخدام %@، فهل تمانع أن تأخذ لحظة لتقييمه؟ لن يستغرق ذلك أكثر من دقيقة. شكرًا لدعمك!</translation></message>
    <message id="RatingPromptGameMessage"><source>If you enjoy playing %@, would you mind taking a moment to rate it? It won’t take more than a minute. Thanks for your support!</source><translation>إذا استمتعت بلعب %@، فهل تمانع أن تأخذ لحظة لتقييمها؟ لن يستغرق ذلك أكثر من دقيقة. شكرًا لدعمك!</translation></message>
    <message id="RatingPromptUpdateMessage"><source>If you enjoy using %@, would you mind taking a moment to rate it? It won’t take more than a minute. Thanks for your support!</source><translation>إذا أعجبك استخدام %@، فهل تمانع أن تأخذ لحظة لتقييمه؟ لن يستغرق ذلك أكثر من دقيقة. شكرًا لدعمك!</translation></message>
    <message id="RatingPromptCancelButton"><source>No, Thanks</source><translation>لا، شكرًا</translation></message>
    <message id="RatingPromptRemindButton"><source>Remind Me Later</source><translation>ذكِّرني لاحقًا</translation></message>
    <message id="RatingPromptRateButton"><source>Rate It Now</source><translation>قيِّمه الآن</translation></message>
</context>
</TS>
