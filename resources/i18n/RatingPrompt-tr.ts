<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>RatingPrompt</name>
    <message id="RatingPromptMessageTitle"><source>Rate %@</source><translation>%@ uygulamasını değerlendirin</translation></message>
    <message id="RatingPromptAppMessage"><source>If you enjoy using %@, would you mind taking a moment to rate it? It won’t take more than a minute. Thanks for your support!</source><translation>%@ uygulamasını kullanmaktan keyif alıyorsanız, değerlendirmek için kısa bir an ayırır mısınız? Bir dakikadan fazla sürmez. Desteğiniz için teşekkürler!</translation></message>
    <message id="RatingPromptGameMessage"><source>If you enjoy playing %@, would you mind taking a moment to rate it? It won’t take more than a minute. Thanks for your support!</source><translation>%@ oynamaktan keyif alıyorsanız, değerlendirmek için kısa bir an ayırır mısınız? Bir dakikadan fazla sürmez. Desteğiniz için teşekkürler!</translation></message>
    <message id="RatingPromptUpdateMessage"><source>If you enjoy using %@, would you mind taking a moment to rate it? It won’t take more than a minute. Thanks for your support!</source><translation>%@ uygulamasını kullanmaktan keyif alıyorsanız, değerlendirmek için kısa bir an ayırır mısınız? Bir dakikadan fazla sürmez. Desteğiniz için teşekkürler!</translation></message>
    <message id="RatingPromptCancelButton"><source>No, Thanks</source><translation>Hayır, teşekkürler</translation></message>
    <message id="RatingPromptRemindButton"><source>Remind Me Later</source><translation>Daha sonra hatırlat</translation></message>
    <message id="RatingPromptRateButton"><source>Rate It Now</source><translation>Şimdi değerlendir</translation></message>
</context>
</TS>
