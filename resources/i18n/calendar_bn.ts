<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn">
<context>
    <name>calendar</name>
    <message id="cli.help.month"><source>Prints one month as the calendar lays it out, with the other calendar&apos;s day under every day.</source><translation>ক্যালেন্ডারের বিন্যাসে একটি মাস দেখায়, প্রতিটি দিনের নিচে অন্য ক্যালেন্ডারের দিনসহ।</translation></message>
    <message id="month.what.month"><source>month (YYYY-MM)</source><translation>মাস (YYYY-MM)</translation></message>
    <message id="month.error.notAMonth"><source>&apos;%1&apos; is not a month of the %2 calendar covered by the Umm al-Qura table (1300 to 1600 AH, 1882 to 2174) (use YYYY-MM)</source><translation>&apos;%1&apos; উম্মুল কুরা সারণির (১৩০০ থেকে ১৬০০ হিজরি, ১৮৮২ থেকে ২১৭৪) আওতাভুক্ত %2 ক্যালেন্ডারের কোনো মাস নয় (YYYY-MM লিখুন)</translation></message>
    <message id="month.error.firstWeekday"><source>--first-weekday takes a number from 1 (Sunday) to 7 (Saturday), not &apos;%1&apos;</source><translation>--first-weekday-এর মান ১ (রবিবার) থেকে ৭ (শনিবার) পর্যন্ত একটি সংখ্যা, &apos;%1&apos; নয়</translation></message>
</context>
</TS>
