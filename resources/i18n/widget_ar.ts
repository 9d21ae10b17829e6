<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>widget</name>
    <message id="Qamarly Widget"><source>Qamarly Widget</source><translation>ويدجت قمرلي</translation></message>
    <message id="This widget will display today&#x27;s Hijri date"><source>This widget will display today&#x27;s Hijri date</source><translation>تعرض هذه الأداة تاريخ اليوم الهجري</translation></message>
    <message id="This widget will display both Hijri and Gregorian dates"><source>This widget will display both Hijri and Gregorian dates</source><translation>تعرض هذه الأداة التاريخين الهجري والميلادي</translation></message>
    <message id="Not supported"><source>Not supported</source><translation>غير مدعوم</translation></message>
    <message id="widget.monthYear"><source>%1, %2</source><translation>%1، %2</translation></message>
    <message id="widget.close"><source>Close</source><translation>إغلاق</translation></message>
    <message id="Rabiʻ I (3)"><source>Rabiʻ I (3)</source><translation>ربيع الأول (٣)</translation></message>
    <message id="Rabiʻ II (4)"><source>Rabiʻ II (4)</source><translation>ربيع الآخر (٤)</translation></message>
    <message id="Jumada I (5)"><source>Jumada I (5)</source><translation>جمادى الأولى (٥)</translation></message>
    <message id="Jumada II (6)"><source>Jumada II (6)</source><translation>جمادى الآخرة (٦)</translation></message>
    <message id="Shaʻban (8)"><source>Shaʻban (8)</source><translation>شعبان (٨)</translation></message>
    <message id="Dhuʻl-Qiʻdah (11)"><source>Dhuʻl-Qiʻdah (11)</source><translation>ذو القعدة (١١)</translation></message>
    <message id="Dhuʻl-Hijjah (12)"><source>Dhuʻl-Hijjah (12)</source><translation>ذو الحجة (١٢)</translation></message>
    <message id="Sunday"><source>Sunday</source><translation>الأحد</translation></message>
    <message id="Monday"><source>Monday</source><translation>الاثنين</translation></message>
    <message id="Tuesday"><source>Tuesday</source><translation>الثلاثاء</translation></message>
    <message id="Wednesday"><source>Wednesday</source><translation>الأربعاء</translation></message>
    <message id="Thursday"><source>Thursday</source><translation>الخميس</translation></message>
    <message id="Friday"><source>Friday</source><translation>الجمعة</translation></message>
    <message id="Saturday"><source>Saturday</source><translation>السبت</translation></message>
</context>
</TS>
