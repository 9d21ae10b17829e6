<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn">
<context>
    <name>notifications</name>
    <message id="notifications.permission.windowTitle"><source>Notifications</source><translation>বিজ্ঞপ্তি</translation></message>
    <message id="notifications.permission.title"><source>“Qamarly” Would Like to Send You Notifications</source><translation>“Qamarly” আপনাকে বিজ্ঞপ্তি পাঠাতে চায়</translation></message>
    <message id="notifications.permission.message"><source>Notifications may include alerts and a number on the app icon. You can change this later in Qamarly’s settings.</source><translation>বিজ্ঞপ্তিতে সতর্কবার্তা এবং অ্যাপ আইকনে একটি সংখ্যা থাকতে পারে। পরে Qamarly-র সেটিংসে এটি বদলাতে পারবেন।</translation></message>
    <message id="notifications.permission.allow"><source>Allow</source><translation>অনুমতি দিন</translation></message>
    <message id="notifications.permission.deny"><source>Don’t Allow</source><translation>অনুমতি দেবেন না</translation></message>
    <message id="notifications.today"><source>Today: %1</source><translation>আজ: %1</translation></message>
</context>
</TS>
