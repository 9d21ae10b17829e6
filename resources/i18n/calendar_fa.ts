<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>calendar</name>
    <message id="cli.help.month"><source>Prints one month as the calendar lays it out, with the other calendar&apos;s day under every day.</source><translation>یک ماه را همان‌طور که تقویم می‌چیند نشان می‌دهد، با روزِ تقویم دیگر زیر هر روز.</translation></message>
    <message id="month.what.month"><source>month (YYYY-MM)</source><translation>ماه (YYYY-MM)</translation></message>
    <message id="month.error.notAMonth"><source>&apos;%1&apos; is not a month of the %2 calendar covered by the Umm al-Qura table (1300 to 1600 AH, 1882 to 2174) (use YYYY-MM)</source><translation>«%1» ماهی از تقویم %2 در محدودهٔ جدول ام‌القری (۱۳۰۰ تا ۱۶۰۰ قمری، ۱۸۸۲ تا ۲۱۷۴) نیست (YYYY-MM بنویسید)</translation></message>
    <message id="month.error.firstWeekday"><source>--first-weekday takes a number from 1 (Sunday) to 7 (Saturday), not &apos;%1&apos;</source><translation>--first-weekday عددی از ۱ (یکشنبه) تا ۷ (شنبه) می‌گیرد، نه «%1»</translation></message>
</context>
</TS>
