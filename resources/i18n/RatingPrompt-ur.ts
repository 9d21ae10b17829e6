<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur">
<context>
    <name>RatingPrompt</name>
    <message id="RatingPromptMessageTitle"><source>Rate %@</source><translation>%@ کی درجہ بندی کریں</translation></message>
    <message id="RatingPromptAppMessage"><source>If you enjoy using %@, would you mind taking a moment to rate it? It won’t take more than a minute. Thanks for your support!</source><translation>اگر آپ کو %@ استعمال کرنا پسند ہے تو کیا آپ ایک لمحہ نکال کر اس کی درجہ بندی کریں گے؟ اس میں ایک منٹ سے زیادہ نہیں لگے گا۔ آپ کے تعاون کا شکریہ!</translation></message>
    <message id="RatingPromptGameMessage"><source>If you enjoy playing %@, would you mind taking a moment to rate it? It won’t take more than a minute. Thanks for your support!</source><translation>اگر آپ کو %@ کھیلنا پسند ہے تو کیا آپ ایک لمحہ نکال کر اس کی درجہ بندی کریں گے؟ اس میں ایک منٹ سے زیادہ نہیں لگے گا۔ آپ کے تعاون کا شکریہ!</translation></message>
    <message id="RatingPromptUpdateMessage"><source>If you enjoy using %@, would you mind taking a moment to rate it? It won’t take more than a minute. Thanks for your support!</source><translation>اگر آپ کو %@ استعمال کرنا پسند ہے تو کیا آپ ایک لمحہ نکال کر اس کی درجہ بندی کریں گے؟ اس میں ایک منٹ سے زیادہ نہیں لگے گا۔ آپ کے تعاون کا شکریہ!</translation></message>
    <message id="RatingPromptCancelButton"><source>No, Thanks</source><translation>نہیں، شکریہ</translation></message>
    <message id="RatingPromptRemindButton"><source>Remind Me Later</source><translation>بعد میں یاد دلائیں</translation></message>
    <message id="RatingPromptRateButton"><source>Rate It Now</source><translation>ابھی درجہ بندی کریں</translation></message>
</context>
</TS>
