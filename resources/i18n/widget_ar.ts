<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>widget</name>
    <message id="Qamarly Widget"><source>Qamarly Widget</source><translation>أداة قمرلي</translation></message>
    <message id="This widget will display today&#x27;s Hijri date"><source>This widget will display today&#x27;s Hijri date</source><translation>تعرض هذه الأداة تاريخ اليوم الهجري</translation></message>
    <message id="This widget will display both Hijri and Gregorian dates"><source>This widget will display both Hijri and Gregorian dates</source><translation>تعرض هذه الأداة التاريخين الهجري والميلادي</translation></message>
    <message id="Not supported"><source>Not supported</source><translation>غير مدعوم</translation></message>
    <message id="widget.monthYear"><source>%1, %2</source><translation>%1، %2</translation></message>
    <message id="widget.close"><source>Close</source><translation>إغلاق</translation></message>
    <message id="Sunday"><source>Sunday</source><translation>الأحد</translation></message>
    <message id="Monday"><source>Monday</source><translation>الاثنين</translation></message>
    <message id="Tuesday"><source>Tuesday</source><translation>الثلاثاء</translation></message>
    <message id="Wednesday"><source>Wednesday</source><translation>الأربعاء</translation></message>
    <message id="Thursday"><source>Thursday</source><translation>الخميس</translation></message>
    <message id="Friday"><source>Friday</source><translation>الجمعة</translation></message>
    <message id="Saturday"><source>Saturday</source><translation>السبت</translation></message>
    <message id="widget.menu.simpleSmall"><source>Hijri date, small</source><translation>التاريخ الهجري، صغيرة</translation></message>
    <message id="widget.menu.simpleMedium"><source>Hijri date, medium</source><translation>التاريخ الهجري، متوسطة</translation></message>
    <message id="widget.menu.complexMedium"><source>Hijri and Gregorian dates, medium</source><translation>التاريخان الهجري والميلادي، متوسطة</translation></message>
    <message id="widget.menu.open"><source>Open Qamarly</source><translation>افتح قمرلي</translation></message>
    <message id="widget.error.kind"><source>unknown widget kind &#x27;%1&#x27; (use simple or complex)</source><translation>نوع أداة غير معروف &#x27;%1&#x27; (استخدم simple أو complex)</translation></message>
    <message id="widget.error.family"><source>unknown widget family &#x27;%1&#x27; (use small or medium)</source><translation>حجم أداة غير معروف &#x27;%1&#x27; (استخدم small أو medium)</translation></message>
    <message id="widget.error.unsupportedFamily"><source>the %1 widget does not come in the %2 family (only %3)</source><translation>الأداة %1 لا تأتي بالحجم %2 (المتاح: %3)</translation></message>
    <message id="widget.error.appearance"><source>unknown appearance &#x27;%1&#x27; (use light or dark)</source><translation>مظهر غير معروف &#x27;%1&#x27; (استخدم light أو dark)</translation></message>
    <message id="widget.error.noOutput"><source>say where to write the picture with -o FILE.png</source><translation>حدّد مكان حفظ الصورة بالخيار ‎-o FILE.png</translation></message>
    <message id="widget.error.notPng"><source>&#x27;%1&#x27; does not end in .png; the picture is written as PNG</source><translation>&#x27;%1&#x27; لا ينتهي بـ ‎.png، والصورة تُحفظ بصيغة PNG</translation></message>
    <message id="widget.error.instant"><source>&#x27;%1&#x27; is not an ISO 8601 instant (e.g. 2026-12-05T09:30:00+03:00)</source><translation>&#x27;%1&#x27; ليس لحظة بصيغة ISO 8601 (مثل 2026-12-05T09:30:00+03:00)</translation></message>
    <message id="widget.error.write"><source>could not write %1</source><translation>تعذّرت كتابة %1</translation></message>
    <message id="widget.error.noDisplay"><source>no display to show the widget on (render one with: qamarly-widget render -o FILE.png)</source><translation>لا توجد شاشة لعرض الأداة عليها (ارسمها في ملف بالأمر: qamarly-widget render -o FILE.png)</translation></message>
    <message id="widget.help.usage"><source>usage:</source><translation>الاستخدام:</translation></message>
    <message id="widget.help.host"><source>shows the widget on the desktop</source><translation>يعرض الأداة على سطح المكتب</translation></message>
    <message id="widget.help.timeline"><source>prints the thirty entries of the timeline built at that instant (default: now)</source><translation>يطبع المدخلات الثلاثين للخط الزمني المبني في تلك اللحظة (الافتراضي: الآن)</translation></message>
    <message id="widget.help.render"><source>draws the entry in force at that instant (default: now) into a PNG</source><translation>يرسم المدخل الساري في تلك اللحظة (الافتراضي: الآن) في ملف PNG</translation></message>
    <message id="widget.error.position"><source>--at wants a position X,Y</source><translation>يحتاج --at إلى موضع X,Y</translation></message>
    <message id="widget.error.scale"><source>--scale wants a number from 0.25 to 8</source><translation>يحتاج --scale إلى عدد من 0.25 إلى 8</translation></message>
</context>
</TS>
