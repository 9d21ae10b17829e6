<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn">
<context>
    <name>appsettings</name>
    <message id="appSettings.windowTitle"><source>Qamarly Settings</source><translation>Qamarly সেটিংস</translation></message>
    <message id="appSettings.heading"><source>Qamarly</source><translation>Qamarly</translation></message>
    <message id="appSettings.close"><source>Close</source><translation>বন্ধ করুন</translation></message>
    <message id="appSettings.notifications"><source>Notifications</source><translation>বিজ্ঞপ্তি</translation></message>
    <message id="appSettings.allowNotifications"><source>Allow notifications</source><translation>বিজ্ঞপ্তির অনুমতি দিন</translation></message>
    <message id="appSettings.badgeAppIcon"><source>Badge app icon</source><translation>অ্যাপ আইকনে ব্যাজ</translation></message>
    <message id="appSettings.notificationsNote"><source>Notifications bring the Hijri and Gregorian dates every morning; the badge shows the Hijri day on Qamarly&apos;s icon.</source><translation>প্রতিদিন সকালে বিজ্ঞপ্তি হিজরি ও খ্রিস্টীয় তারিখ জানায়; ব্যাজ Qamarly-র আইকনে হিজরি দিন দেখায়।</translation></message>
    <message id="appSettings.cannotKeep"><source>This change could not be saved. Check that your settings folder can be written to, then try again.</source><translation>এই পরিবর্তন সংরক্ষণ করা যায়নি। আপনার সেটিংস ফোল্ডারে লেখা যায় কি না দেখে আবার চেষ্টা করুন।</translation></message>
    <message id="shell.menu.notificationSettings"><source>Notification Settings…</source><translation>বিজ্ঞপ্তি সেটিংস…</translation></message>
    <message id="shell.menu.application"><source>&amp;Qamarly</source><translation>&amp;Qamarly</translation></message>
    <message id="shell.menu.newEvent"><source>New Event</source><translation>নতুন ইভেন্ট</translation></message>
    <message id="shell.menu.quit"><source>Quit</source><translation>প্রস্থান</translation></message>
    <message id="shell.a11y.screens"><source>Screens</source><translation>স্ক্রিন</translation></message>
</context>
</TS>
