<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>calendar</name>
    <message id="cli.help.month"><source>Prints one month as the calendar lays it out, with the other calendar&apos;s day under every day.</source><translation>Bir ayı takvimin dizdiği gibi, her günün altında öbür takvimin günüyle gösterir.</translation></message>
    <message id="month.what.month"><source>month (YYYY-MM)</source><translation>ay (YYYY-MM)</translation></message>
    <message id="month.error.notAMonth"><source>&apos;%1&apos; is not a month of the %2 calendar covered by the Umm al-Qura table (1300 to 1600 AH, 1882 to 2174) (use YYYY-MM)</source><translation>&apos;%1&apos;, Ümmü&apos;l-Kurâ tablosunun (1300-1600 Hicri, 1882-2174) kapsadığı bir %2 takvimi ayı değil (YYYY-MM kullanın)</translation></message>
    <message id="month.error.firstWeekday"><source>--first-weekday takes a number from 1 (Sunday) to 7 (Saturday), not &apos;%1&apos;</source><translation>--first-weekday 1 (Pazar) ile 7 (Cumartesi) arasında bir sayı alır, &apos;%1&apos; değil</translation></message>
</context>
</TS>
