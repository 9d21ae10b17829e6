<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>widget</name>
    <message id="Qamarly Widget"><source>Qamarly Widget</source><translation>ابزارک قمرلی</translation></message>
    <message id="This widget will display today&apos;s Hijri date"><source>This widget will display today&apos;s Hijri date</source><translation>این ابزارک تاریخ قمری امروز را نشان می‌دهد</translation></message>
    <message id="This widget will display both Hijri and Gregorian dates"><source>This widget will display both Hijri and Gregorian dates</source><translation>این ابزارک هر دو تاریخ قمری و میلادی را نشان می‌دهد</translation></message>
    <message id="Not supported"><source>Not supported</source><translation>پشتیبانی نمی‌شود</translation></message>
    <message id="widget.monthYear"><source>%1, %2</source><translation>%1 %2</translation></message>
    <message id="widget.close"><source>Close</source><translation>بستن</translation></message>
    <message id="widget.menu.simpleSmall"><source>Hijri date, small</source><translation>تاریخ قمری، کوچک</translation></message>
    <message id="widget.menu.simpleMedium"><source>Hijri date, medium</source><translation>تاریخ قمری، متوسط</translation></message>
    <message id="widget.menu.complexMedium"><source>Hijri and Gregorian dates, medium</source><translation>تاریخ قمری و میلادی، متوسط</translation></message>
    <message id="widget.menu.open"><source>Open Qamarly</source><translation>باز کردن قمرلی</translation></message>
    <message id="widget.error.unexpected"><source>unexpected argument &apos;%1&apos;</source><translation>آرگومان غیرمنتظره «%1»</translation></message>
    <message id="widget.error.needsValue"><source>%1 needs a value</source><translation>%1 مقدار می‌خواهد</translation></message>
    <message id="widget.error.unknownOption"><source>unknown option &apos;%1&apos; (see --help)</source><translation>گزینهٔ ناشناخته «%1» (نگاه کنید به --help)</translation></message>
    <message id="widget.error.kind"><source>unknown widget kind &apos;%1&apos; (use simple or complex)</source><translation>گونهٔ ناشناختهٔ ابزارک «%1» (simple یا complex بنویسید)</translation></message>
    <message id="widget.error.family"><source>unknown widget family &apos;%1&apos; (use small or medium)</source><translation>اندازهٔ ناشناختهٔ ابزارک «%1» (small یا medium بنویسید)</translation></message>
    <message id="widget.error.unsupportedFamily"><source>the %1 widget does not come in the %2 family (only %3)</source><translation>ابزارک %1 در اندازهٔ %2 نیست (تنها %3)</translation></message>
    <message id="widget.error.appearance"><source>unknown appearance &apos;%1&apos; (use light or dark)</source><translation>نمای ناشناخته «%1» (light یا dark بنویسید)</translation></message>
    <message id="widget.error.noOutput"><source>say where to write the picture with -o FILE.png</source><translation>بگویید تصویر کجا نوشته شود: -o FILE.png</translation></message>
    <message id="widget.error.notPng"><source>&apos;%1&apos; does not end in .png; the picture is written as PNG</source><translation>«%1» با ‎.png پایان نمی‌یابد؛ تصویر به‌صورت PNG نوشته می‌شود</translation></message>
    <message id="widget.error.instant"><source>&apos;%1&apos; is not an ISO 8601 instant (e.g. 2026-12-05T09:30:00+03:00)</source><translation>«%1» زمانی به قالب ISO 8601 نیست (برای نمونه 2026-12-05T09:30:00+03:00)</translation></message>
    <message id="widget.error.write"><source>could not write %1</source><translation>%1 نوشته نشد</translation></message>
    <message id="widget.error.noDisplay"><source>no display to show the widget on (render one with: qamarly-widget render -o FILE.png)</source><translation>نمایشگری برای نشان دادن ابزارک نیست (تصویرش را بسازید: qamarly-widget render -o FILE.png)</translation></message>
    <message id="widget.help.usage"><source>usage:</source><translation>کاربرد:</translation></message>
    <message id="widget.help.host"><source>shows the widget on the desktop</source><translation>ابزارک را روی میزکار نشان می‌دهد</translation></message>
    <message id="widget.help.timeline"><source>prints the thirty entries of the timeline built at that instant (default: now)</source><translation>سی مدخل خط زمانیِ ساخته‌شده در آن لحظه را چاپ می‌کند (پیش‌فرض: اکنون)</translation></message>
    <message id="widget.help.render"><source>draws the entry in force at that instant (default: now) into a PNG</source><translation>مدخلِ برقرار در آن لحظه را در یک PNG می‌کشد (پیش‌فرض: اکنون)</translation></message>
    <message id="widget.error.position"><source>--at wants a position X,Y</source><translation>--at یک جای X,Y می‌خواهد</translation></message>
    <message id="widget.error.scale"><source>--scale wants a number from 0.25 to 8</source><translation>--scale عددی از 0.25 تا 8 می‌خواهد</translation></message>
</context>
</TS>
