<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur">
<context>
    <name>calendar</name>
    <message id="cli.help.month"><source>Prints one month as the calendar lays it out, with the other calendar&apos;s day under every day.</source><translation>ایک مہینہ کیلنڈر کی ترتیب کے مطابق دکھاتا ہے، ہر دن کے نیچے دوسرے کیلنڈر کا دن۔</translation></message>
    <message id="month.what.month"><source>month (YYYY-MM)</source><translation>مہینہ (YYYY-MM)</translation></message>
    <message id="month.error.notAMonth"><source>&apos;%1&apos; is not a month of the %2 calendar covered by the Umm al-Qura table (1300 to 1600 AH, 1882 to 2174) (use YYYY-MM)</source><translation>&apos;%1&apos; ام القریٰ جدول (1300 تا 1600 ہجری، 1882 تا 2174) میں شامل %2 کیلنڈر کا کوئی مہینہ نہیں ہے (YYYY-MM لکھیں)</translation></message>
    <message id="month.error.firstWeekday"><source>--first-weekday takes a number from 1 (Sunday) to 7 (Saturday), not &apos;%1&apos;</source><translation>--first-weekday کے لیے 1 (اتوار) سے 7 (ہفتہ) تک کوئی عدد دیں، &apos;%1&apos; نہیں</translation></message>
</context>
</TS>
