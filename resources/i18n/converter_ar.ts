<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>converter</name>
    <message id="converter.tabTitle"><source>Converter</source><translation>المحوّل</translation></message>
    <message id="converter.todayCaption"><source>Today</source><translation>اليوم</translation></message>
    <message id="converter.segmentGregorian"><source>Gregorian</source><translation>ميلادي</translation></message>
    <message id="converter.segmentHijri"><source>Hijri</source><translation>هجري</translation></message>
    <message id="converter.pickCaption"><source>Pick a date</source><translation>اختر تاريخًا</translation></message>
    <message id="converter.estimate"><source>Estimate: outside the Umm al-Qura table</source><translation>تقدير: خارج جدول أم القرى</translation></message>
    <message id="converter.estimateHint"><source>The Umm al-Qura table covers 1300 to 1600 AH; other Hijri dates are reckoned by arithmetic and may differ by a day or two.</source><translation>يغطي جدول أم القرى الأعوام من ١٣٠٠ إلى ١٦٠٠ هـ، وما عداها من التواريخ الهجرية محسوب حسابيًا وقد يختلف بيوم أو يومين.</translation></message>
    <message id="converter.resultCaption"><source>The same day</source><translation>اليوم نفسه</translation></message>
    <message id="converter.todayButton"><source>Today</source><translation>اليوم</translation></message>
    <message id="converter.changeWallpaper"><source>Change wallpaper</source><translation>تغيير الخلفية</translation></message>
    <message id="converter.adjustmentTip"><source>Hijri adjustment</source><translation>تعديل التاريخ الهجري</translation></message>
    <message id="converter.typedDate"><source>Date to convert (%1)</source><translation>التاريخ المراد تحويله (%1)</translation></message>
    <message id="converter.typedDateInvalid"><source>Not a date of this calendar; type day, month and year in this order, then Enter.</source><translation>ليس تاريخًا في هذا التقويم؛ اكتب اليوم والشهر والسنة بهذا الترتيب ثم اضغط Enter.</translation></message>
    <message id="converter.a11y.days" numerus="yes"><source>%n days</source><translation><numerusform>%1 يوم</numerusform><numerusform>يوم واحد</numerusform><numerusform>يومان</numerusform><numerusform>%1 أيام</numerusform><numerusform>%1 يومًا</numerusform><numerusform>%1 يوم</numerusform></translation></message>
    <message id="datepicker.day"><source>Day</source><translation>اليوم</translation></message>
    <message id="datepicker.month"><source>Month</source><translation>الشهر</translation></message>
    <message id="datepicker.year"><source>Year</source><translation>السنة</translation></message>
    <message id="converter.swipeHint"><source>Drag sideways or use the arrow keys to move a day</source><translation>اسحب أفقيًا أو استخدم مفاتيح الأسهم للانتقال يومًا</translation></message>
    <message id="adjmsg1"><source>Hijri dates are shifted by</source><translation>التواريخ الهجرية معدّلة بمقدار</translation></message>
    <message id="adjmsg2"><source>to match the sighting of the new moon where you live. You can change this in Settings.</source><translation>لتوافق رؤية الهلال في بلدك. يمكنك تغيير ذلك من الإعدادات.</translation></message>
    <message id="day"><source>day</source><translation>يوم</translation></message>
    <message id="days2"><source>days</source><translation>أيام</translation></message>
    <message id="goSettings"><source>Settings</source><translation>الإعدادات</translation></message>
    <message id="cancel"><source>Cancel</source><translation>إلغاء</translation></message>
    <message id="reset"><source>Reset to 0</source><translation>إعادة إلى الصفر</translation></message>
</context>
</TS>
