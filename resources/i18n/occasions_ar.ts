<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>occasions</name>
    <message id="NY"><source>Islamic New Year</source><translation>رأس السنة الهجرية</translation></message>
    <message id="ASH"><source>Ashura</source><translation>يوم عاشوراء</translation></message>
    <message id="RMD"><source>Start of Ramadan</source><translation>بداية شهر رمضان</translation></message>
    <message id="FET"><source>Eid al-Fitr</source><translation>عيد الفطر</translation></message>
    <message id="ARF"><source>Day of Arafah</source><translation>يوم عرفة</translation></message>
    <message id="ADH"><source>Eid al-Adha</source><translation>عيد الأضحى</translation></message>
    <message id="after"><source>In</source><translation>بعد</translation></message>
    <message id="since"><source>Since</source><translation>منذ</translation></message>
    <message id="days" numerus="yes"><source>%n days</source><translation><numerusform>%1 يوم</numerusform><numerusform>يوم واحد</numerusform><numerusform>يومان</numerusform><numerusform>%1 أيام</numerusform><numerusform>%1 يومًا</numerusform><numerusform>%1 يوم</numerusform></translation></message>
    <message id="andSeparator"><source> and </source><translation> و</translation></message>
    <message id="hours" numerus="yes"><source>%n hours</source><translation><numerusform>%1 ساعة</numerusform><numerusform>ساعة واحدة</numerusform><numerusform>ساعتان</numerusform><numerusform>%1 ساعات</numerusform><numerusform>%1 ساعة</numerusform><numerusform>%1 ساعة</numerusform></translation></message>
    <message id="minutes" numerus="yes"><source>%n minutes</source><translation><numerusform>%1 دقيقة</numerusform><numerusform>دقيقة واحدة</numerusform><numerusform>دقيقتان</numerusform><numerusform>%1 دقائق</numerusform><numerusform>%1 دقيقة</numerusform><numerusform>%1 دقيقة</numerusform></translation></message>
    <message id="today"><source>Today</source><translation>اليوم</translation></message>
    <message id="occasions.tabTitle"><source>Occasions</source><translation>المناسبات</translation></message>
    <message id="occasions.title"><source>Islamic occasions</source><translation>المناسبات الإسلامية</translation></message>
    <message id="occasions.addToCalendar"><source>Add to Calendar</source><translation>أضف إلى التقويم</translation></message>
</context>
</TS>
