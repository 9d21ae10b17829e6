<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn">
<context>
    <name>RatingPrompt</name>
    <message id="RatingPromptMessageTitle"><source>Rate %@</source><translation>%@-কে রেটিং দিন</translation></message>
    <message id="RatingPromptAppMessage"><source>If you enjoy using %@, would you mind taking a moment to rate it? It won’t take more than a minute. Thanks for your support!</source><translation>%@ ব্যবহার করে ভালো লাগলে একটু সময় নিয়ে রেটিং দেবেন কি? এক মিনিটের বেশি লাগবে না। আপনার সমর্থনের জন্য ধন্যবাদ!</translation></message>
    <message id="RatingPromptGameMessage"><source>If you enjoy playing %@, would you mind taking a moment to rate it? It won’t take more than a minute. Thanks for your support!</source><translation>%@ খেলে ভালো লাগলে একটু সময় নিয়ে রেটিং দেবেন কি? এক মিনিটের বেশি লাগবে না। আপনার সমর্থনের জন্য ধন্যবাদ!</translation></message>
    <message id="RatingPromptUpdateMessage"><source>If you enjoy using %@, would you mind taking a moment to rate it? It won’t take more than a minute. Thanks for your support!</source><translation>%@ ব্যবহার করে ভালো লাগলে একটু সময় নিয়ে রেটিং দেবেন কি? এক মিনিটের বেশি লাগবে না। আপনার সমর্থনের জন্য ধন্যবাদ!</translation></message>
    <message id="RatingPromptCancelButton"><source>No, Thanks</source><translation>না, ধন্যবাদ</translation></message>
    <message id="RatingPromptRemindButton"><source>Remind Me Later</source><translation>পরে মনে করিয়ে দিন</translation></message>
    <message id="RatingPromptRateButton"><source>Rate It Now</source><translation>এখনই রেটিং দিন</translation></message>
</context>
</TS>
