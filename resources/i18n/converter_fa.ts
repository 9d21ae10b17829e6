<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>converter</name>
    <message id="converter.tabTitle"><source>Converter</source><translation>تبدیل تاریخ</translation></message>
    <message id="converter.todayCaption"><source>Today</source><translation>امروز</translation></message>
    <message id="converter.segmentGregorian"><source>Gregorian</source><translation>میلادی</translation></message>
    <message id="converter.segmentHijri"><source>Hijri</source><translation>قمری</translation></message>
    <message id="converter.pickCaption"><source>Pick a date</source><translation>تاریخی برگزینید</translation></message>
    <message id="converter.estimate"><source>Estimate: outside the Umm al-Qura table</source><translation>برآورد: بیرون از جدول ام‌القری</translation></message>
    <message id="converter.estimateHint"><source>The Umm al-Qura table covers 1300 to 1600 AH; other Hijri dates are reckoned by arithmetic and may differ by a day or two.</source><translation>جدول ام‌القری سال‌های ۱۳۰۰ تا ۱۶۰۰ قمری را در بر دارد؛ تاریخ‌های قمری دیگر با حساب به دست می‌آیند و ممکن است یکی دو روز فرق کنند.</translation></message>
    <message id="converter.resultCaption"><source>The same day</source><translation>همان روز</translation></message>
    <message id="converter.todayButton"><source>Today</source><translation>امروز</translation></message>
    <message id="converter.changeWallpaper"><source>Change wallpaper</source><translation>تغییر کاغذدیواری</translation></message>
    <message id="converter.adjustmentTip"><source>Hijri adjustment</source><translation>تصحیح تاریخ قمری</translation></message>
    <message id="converter.typedDate"><source>Date to convert (%1)</source><translation>تاریخ برای تبدیل (%1)</translation></message>
    <message id="converter.typedDateInvalid"><source>Not a date of this calendar; type day, month and year in this order, then Enter.</source><translation>تاریخی از این تقویم نیست؛ روز، ماه و سال را به همین ترتیب بنویسید و Enter را بزنید.</translation></message>
    <message id="converter.a11y.days" numerus="yes"><source>%n days</source><translation><numerusform>%1 روز</numerusform></translation></message>
    <message id="datepicker.day"><source>Day</source><translation>روز</translation></message>
    <message id="datepicker.month"><source>Month</source><translation>ماه</translation></message>
    <message id="datepicker.year"><source>Year</source><translation>سال</translation></message>
    <message id="converter.swipeHint"><source>Drag sideways or use the arrow keys to move a day</source><translation>برای رفتن یک روز جلو یا عقب، به پهلو بکشید یا کلیدهای جهت‌نما را به کار ببرید</translation></message>
    <message id="adjmsg1"><source>Hijri dates are shifted by</source><translation>تاریخ‌های قمری</translation></message>
    <message id="adjmsg2"><source>to match the sighting of the new moon where you live. You can change this in Settings.</source><translation>جابه‌جا شده‌اند تا با رؤیت هلال در جایی که زندگی می‌کنید بخوانند. می‌توانید این را در تنظیمات تغییر دهید.</translation></message>
    <message id="day"><source>day</source><translation>روز</translation></message>
    <message id="days2"><source>days</source><translation>روز</translation></message>
    <message id="goSettings"><source>Settings</source><translation>تنظیمات</translation></message>
    <message id="cancel"><source>Cancel</source><translation>لغو</translation></message>
    <message id="reset"><source>Reset to 0</source><translation>بازگشت به ۰</translation></message>
</context>
</TS>
