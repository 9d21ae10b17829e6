<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>RatingPrompt</name>
    <message id="RatingPromptMessageTitle"><source>Rate %@</source><translation>امتیاز به %@</translation></message>
    <message id="RatingPromptAppMessage"><source>If you enjoy using %@, would you mind taking a moment to rate it? It won’t take more than a minute. Thanks for your support!</source><translation>اگر از استفاده از %@ لذت می‌برید، ممکن است لحظه‌ای وقت بگذارید و به آن امتیاز دهید؟ بیش از یک دقیقه طول نمی‌کشد. از حمایت شما سپاسگزاریم!</translation></message>
    <message id="RatingPromptGameMessage"><source>If you enjoy playing %@, would you mind taking a moment to rate it? It won’t take more than a minute. Thanks for your support!</source><translation>اگر از بازی %@ لذت می‌برید، ممکن است لحظه‌ای وقت بگذارید و به آن امتیاز دهید؟ بیش از یک دقیقه طول نمی‌کشد. از حمایت شما سپاسگزاریم!</translation></message>
    <message id="RatingPromptUpdateMessage"><source>If you enjoy using %@, would you mind taking a moment to rate it? It won’t take more than a minute. Thanks for your support!</source><translation>اگر از استفاده از %@ لذت می‌برید، ممکن است لحظه‌ای وقت بگذارید و به آن امتیاز دهید؟ بیش از یک دقیقه طول نمی‌کشد. از حمایت شما سپاسگزاریم!</translation></message>
    <message id="RatingPromptCancelButton"><source>No, Thanks</source><translation>نه، ممنون</translation></message>
    <message id="RatingPromptRemindButton"><source>Remind Me Later</source><translation>بعداً یادآوری کن</translation></message>
    <message id="RatingPromptRateButton"><source>Rate It Now</source><translation>همین حالا امتیاز بده</translation></message>
</context>
</TS>
