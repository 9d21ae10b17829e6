<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur">
<context>
    <name>converter</name>
    <message id="converter.tabTitle"><source>Converter</source><translation>تبدیلیٔ تاریخ</translation></message>
    <message id="converter.todayCaption"><source>Today</source><translation>آج</translation></message>
    <message id="converter.segmentGregorian"><source>Gregorian</source><translation>عیسوی</translation></message>
    <message id="converter.segmentHijri"><source>Hijri</source><translation>ہجری</translation></message>
    <message id="converter.pickCaption"><source>Pick a date</source><translation>تاریخ منتخب کریں</translation></message>
    <message id="converter.estimate"><source>Estimate: outside the Umm al-Qura table</source><translation>اندازہ: ام القریٰ جدول سے باہر</translation></message>
    <message id="converter.estimateHint"><source>The Umm al-Qura table covers 1300 to 1600 AH; other Hijri dates are reckoned by arithmetic and may differ by a day or two.</source><translation>ام القریٰ جدول 1300 سے 1600 ہجری تک ہے؛ باقی ہجری تاریخیں حساب سے نکالی جاتی ہیں اور ان میں ایک دو دن کا فرق ہو سکتا ہے۔</translation></message>
    <message id="converter.resultCaption"><source>The same day</source><translation>وہی دن</translation></message>
    <message id="converter.todayButton"><source>Today</source><translation>آج</translation></message>
    <message id="converter.changeWallpaper"><source>Change wallpaper</source><translation>وال پیپر بدلیں</translation></message>
    <message id="converter.adjustmentTip"><source>Hijri adjustment</source><translation>ہجری تاریخ کی تصحیح</translation></message>
    <message id="converter.typedDate"><source>Date to convert (%1)</source><translation>تبدیل کرنے کی تاریخ (%1)</translation></message>
    <message id="converter.typedDateInvalid"><source>Not a date of this calendar; type day, month and year in this order, then Enter.</source><translation>اس کیلنڈر کی تاریخ نہیں؛ دن، مہینہ اور سال اسی ترتیب سے لکھیں، پھر Enter دبائیں۔</translation></message>
    <message id="converter.a11y.days" numerus="yes"><source>%n days</source><translation><numerusform>%1 دن</numerusform><numerusform>%1 دن</numerusform></translation></message>
    <message id="datepicker.day"><source>Day</source><translation>دن</translation></message>
    <message id="datepicker.month"><source>Month</source><translation>مہینہ</translation></message>
    <message id="datepicker.year"><source>Year</source><translation>سال</translation></message>
    <message id="converter.swipeHint"><source>Drag sideways or use the arrow keys to move a day</source><translation>ایک دن آگے پیچھے جانے کے لیے دائیں بائیں کھینچیں یا تیر والی کلیدیں استعمال کریں</translation></message>
    <message id="adjmsg1"><source>Hijri dates are shifted by</source><translation>ہجری تاریخیں</translation></message>
    <message id="adjmsg2"><source>to match the sighting of the new moon where you live. You can change this in Settings.</source><translation>کھسکائی گئی ہیں تاکہ آپ کے علاقے میں رؤیتِ ہلال کے مطابق ہوں۔ آپ اسے ترتیبات میں بدل سکتے ہیں۔</translation></message>
    <message id="day"><source>day</source><translation>دن</translation></message>
    <message id="days2"><source>days</source><translation>دن</translation></message>
    <message id="goSettings"><source>Settings</source><translation>ترتیبات</translation></message>
    <message id="cancel"><source>Cancel</source><translation>منسوخ کریں</translation></message>
    <message id="reset"><source>Reset to 0</source><translation>0 پر واپس</translation></message>
</context>
</TS>
