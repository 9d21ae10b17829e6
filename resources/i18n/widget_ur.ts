<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur">
<context>
    <name>widget</name>
    <message id="Qamarly Widget"><source>Qamarly Widget</source><translation>قمرلی ویجیٹ</translation></message>
    <message id="This widget will display today&apos;s Hijri date"><source>This widget will display today&apos;s Hijri date</source><translation>یہ ویجیٹ آج کی ہجری تاریخ دکھائے گا</translation></message>
    <message id="This widget will display both Hijri and Gregorian dates"><source>This widget will display both Hijri and Gregorian dates</source><translation>یہ ویجیٹ ہجری اور عیسوی دونوں تاریخیں دکھائے گا</translation></message>
    <message id="Not supported"><source>Not supported</source><translation>معاونت نہیں</translation></message>
    <message id="widget.monthYear"><source>%1, %2</source><translation>%1، %2</translation></message>
    <message id="widget.close"><source>Close</source><translation>بند کریں</translation></message>
    <message id="widget.menu.simpleSmall"><source>Hijri date, small</source><translation>ہجری تاریخ، چھوٹا</translation></message>
    <message id="widget.menu.simpleMedium"><source>Hijri date, medium</source><translation>ہجری تاریخ، درمیانہ</translation></message>
    <message id="widget.menu.complexMedium"><source>Hijri and Gregorian dates, medium</source><translation>ہجری اور عیسوی تاریخیں، درمیانہ</translation></message>
    <message id="widget.menu.open"><source>Open Qamarly</source><translation>قمرلی کھولیں</translation></message>
    <message id="widget.error.unexpected"><source>unexpected argument &apos;%1&apos;</source><translation>غیر متوقع دلیل &apos;%1&apos;</translation></message>
    <message id="widget.error.needsValue"><source>%1 needs a value</source><translation>%1 کے لیے قدر درکار ہے</translation></message>
    <message id="widget.error.unknownOption"><source>unknown option &apos;%1&apos; (see --help)</source><translation>نامعلوم اختیار &apos;%1&apos; (دیکھیں --help)</translation></message>
    <message id="widget.error.kind"><source>unknown widget kind &apos;%1&apos; (use simple or complex)</source><translation>ویجیٹ کی نامعلوم قسم &apos;%1&apos; (simple یا complex لکھیں)</translation></message>
    <message id="widget.error.family"><source>unknown widget family &apos;%1&apos; (use small or medium)</source><translation>ویجیٹ کا نامعلوم سائز &apos;%1&apos; (small یا medium لکھیں)</translation></message>
    <message id="widget.error.unsupportedFamily"><source>the %1 widget does not come in the %2 family (only %3)</source><translation>%1 ویجیٹ %2 سائز میں دستیاب نہیں (صرف %3)</translation></message>
    <message id="widget.error.appearance"><source>unknown appearance &apos;%1&apos; (use light or dark)</source><translation>نامعلوم انداز &apos;%1&apos; (light یا dark لکھیں)</translation></message>
    <message id="widget.error.noOutput"><source>say where to write the picture with -o FILE.png</source><translation>بتائیں کہ تصویر کہاں لکھی جائے: -o FILE.png</translation></message>
    <message id="widget.error.notPng"><source>&apos;%1&apos; does not end in .png; the picture is written as PNG</source><translation>&apos;%1&apos; کے آخر میں .png نہیں؛ تصویر PNG کے طور پر لکھی جاتی ہے</translation></message>
    <message id="widget.error.instant"><source>&apos;%1&apos; is not an ISO 8601 instant (e.g. 2026-12-05T09:30:00+03:00)</source><translation>&apos;%1&apos; ISO 8601 وقت نہیں (مثلاً 2026-12-05T09:30:00+03:00)</translation></message>
    <message id="widget.error.write"><source>could not write %1</source><translation>%1 لکھا نہیں جا سکا</translation></message>
    <message id="widget.error.noDisplay"><source>no display to show the widget on (render one with: qamarly-widget render -o FILE.png)</source><translation>ویجیٹ دکھانے کے لیے کوئی ڈسپلے نہیں (اس کی تصویر بنائیں: qamarly-widget render -o FILE.png)</translation></message>
    <message id="widget.help.usage"><source>usage:</source><translation>استعمال:</translation></message>
    <message id="widget.help.host"><source>shows the widget on the desktop</source><translation>ویجیٹ ڈیسک ٹاپ پر دکھاتا ہے</translation></message>
    <message id="widget.help.timeline"><source>prints the thirty entries of the timeline built at that instant (default: now)</source><translation>اس لمحے پر بنائی گئی ٹائم لائن کے تیس اندراجات دکھاتا ہے (طے شدہ: ابھی)</translation></message>
    <message id="widget.help.render"><source>draws the entry in force at that instant (default: now) into a PNG</source><translation>اس لمحے پر نافذ اندراج کو PNG میں بناتا ہے (طے شدہ: ابھی)</translation></message>
    <message id="widget.error.position"><source>--at wants a position X,Y</source><translation>--at کے لیے مقام X,Y درکار ہے</translation></message>
    <message id="widget.error.scale"><source>--scale wants a number from 0.25 to 8</source><translation>--scale کے لیے 0.25 سے 8 تک کا عدد درکار ہے</translation></message>
</context>
</TS>
