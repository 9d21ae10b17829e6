<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>converter</name>
    <message id="converter.tabTitle"><source>Converter</source><translation>Converter</translation></message>
    <message id="converter.todayCaption"><source>Today</source><translation>Today</translation></message>
    <message id="converter.segmentGregorian"><source>Gregorian</source><translation>Gregorian</translation></message>
    <message id="converter.segmentHijri"><source>Hijri</source><translation>Hijri</translation></message>
    <message id="converter.pickCaption"><source>Pick a date</source><translation>Pick a date</translation></message>
    <message id="converter.estimate"><source>Estimate: outside the Umm al-Qura table</source><translation>Estimate: outside the Umm al-Qura table</translation></message>
    <message id="converter.estimateHint"><source>The Umm al-Qura table covers 1300 to 1600 AH; other Hijri dates are reckoned by arithmetic and may differ by a day or two.</source><translation>The Umm al-Qura table covers 1300 to 1600 AH; other Hijri dates are reckoned by arithmetic and may differ by a day or two.</translation></message>
    <message id="converter.resultCaption"><source>The same day</source><translation>The same day</translation></message>
    <message id="converter.todayButton"><source>Today</source><translation>Today</translation></message>
    <message id="converter.changeWallpaper"><source>Change wallpaper</source><translation>Change wallpaper</translation></message>
    <message id="converter.adjustmentTip"><source>Hijri adjustment</source><translation>Hijri adjustment</translation></message>
    <message id="converter.typedDate"><source>Date to convert (%1)</source><translation>Date to convert (%1)</translation></message>
    <message id="converter.typedDateInvalid"><source>Not a date of this calendar; type day, month and year in this order, then Enter.</source><translation>Not a date of this calendar; type day, month and year in this order, then Enter.</translation></message>
    <message id="converter.a11y.days" numerus="yes"><source>%n days</source><translation><numerusform>%1 day</numerusform><numerusform>%1 days</numerusform></translation></message>
    <message id="datepicker.day"><source>Day</source><translation>Day</translation></message>
    <message id="datepicker.month"><source>Month</source><translation>Month</translation></message>
    <message id="datepicker.year"><source>Year</source><translation>Year</translation></message>
    <message id="converter.swipeHint"><source>Drag sideways or use the arrow keys to move a day</source><translation>Drag sideways or use the arrow keys to move a day</translation></message>
    <message id="adjmsg1"><source>Hijri dates are shifted by</source><translation>Hijri dates are shifted by</translation></message>
    <message id="adjmsg2"><source>to match the sighting of the new moon where you live. You can change this in Settings.</source><translation>to match the sighting of the new moon where you live. You can change this in Settings.</translation></message>
    <message id="day"><source>day</source><translation>day</translation></message>
    <message id="days2"><source>days</source><translation>days</translation></message>
    <message id="goSettings"><source>Settings</source><translation>Settings</translation></message>
    <message id="cancel"><source>Cancel</source><translation>Cancel</translation></message>
    <message id="reset"><source>Reset to 0</source><translation>Reset to 0</translation></message>
</context>
</TS>
