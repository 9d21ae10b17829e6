<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>settings</name>
    <message id="settings.tabTitle"><source>Settings</source><translation>Settings</translation></message>
    <message id="settings.adjustmentCaption"><source>Hijri adjustment</source><translation>Hijri adjustment</translation></message>
    <message id="settings.adjustmentUnit"><source>days</source><translation>days</translation></message>
    <message id="settings.adjustmentHint"><source>Shift every Hijri date by whole days to match the sighting of the new moon where you live.</source><translation>Shift every Hijri date by whole days to match the sighting of the new moon where you live.</translation></message>
    <message id="settings.stepperCaption"><source>Adjustment in days</source><translation>Adjustment in days</translation></message>
    <message id="settings.adjustmentRefused"><source>%1 is not an adjustment: whole days from %2 to %3</source><translation>%1 is not an adjustment: whole days from %2 to %3</translation></message>
    <message id="settings.weekStart"><source>Weeks start on</source><translation>Weeks start on</translation></message>
    <message id="settings.weekStartLocale"><source>As the language has it</source><translation>As the language has it</translation></message>
    <message id="settings.increment"><source>One day later</source><translation>One day later</translation></message>
    <message id="settings.decrement"><source>One day earlier</source><translation>One day earlier</translation></message>
    <message id="settings.feedback"><source>Send feedback</source><translation>Send feedback</translation></message>
    <message id="settings.tellFriend"><source>Tell a friend</source><translation>Tell a friend</translation></message>
    <message id="settings.rate"><source>Rate Qamarly</source><translation>Rate Qamarly</translation></message>
    <message id="settings.rateUnavailable"><source>The store page to rate Qamarly could not be opened: no store is set up on this computer, or it could not be reached.</source><translation>The store page to rate Qamarly could not be opened: no store is set up on this computer, or it could not be reached.</translation></message>
    <message id="settings.linkUnavailable"><source>No program on this computer opens %1. Open it in a browser to visit it.</source><translation>No program on this computer opens %1. Open it in a browser to visit it.</translation></message>
    <message id="settings.ourApps"><source>Our other apps</source><translation>Our other apps</translation></message>
    <message id="settings.social"><source>Follow us on Facebook</source><translation>Follow us on Facebook</translation></message>
    <message id="settings.more"><source>Wallpaper and notifications</source><translation>Wallpaper and notifications</translation></message>
    <message id="notice"><source>Notice</source><translation>Notice</translation></message>
    <message id="emailErrorMsg"><source>No mail program is set up on this computer. Write to us at %1 from any mail service.</source><translation>No mail program is set up on this computer. Write to us at %1 from any mail service.</translation></message>
    <message id="emailBody"><source>Write your feedback or suggestion here:</source><translation>Write your feedback or suggestion here:</translation></message>
    <message id="TellFriend"><source>I use Qamarly for the Hijri date, the Gregorian date and the Islamic occasions. Try it: https://qamarly.org</source><translation>I use Qamarly for the Hijri date, the Gregorian date and the Islamic occasions. Try it: https://qamarly.org</translation></message>
</context>
</TS>
