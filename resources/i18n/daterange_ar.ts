<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>daterange</name>
    <message id="daterange.tabTitle"><source>Duration</source><translation>المدة</translation></message>
    <message id="daterange.segmentGregorian"><source>Gregorian</source><translation>ميلادي</translation></message>
    <message id="daterange.segmentHijri"><source>Hijri</source><translation>هجري</translation></message>
    <message id="daterange.from"><source>From</source><translation>من</translation></message>
    <message id="daterange.to"><source>To</source><translation>إلى</translation></message>
    <message id="daterange.totalDays"><source>Total days</source><translation>مجموع الأيام</translation></message>
    <message id="daterange.years" numerus="yes"><source>Years</source><translation><numerusform>سنة</numerusform><numerusform>سنة</numerusform><numerusform>سنتان</numerusform><numerusform>سنوات</numerusform><numerusform>سنة</numerusform><numerusform>سنة</numerusform></translation></message>
    <message id="daterange.months" numerus="yes"><source>Months</source><translation><numerusform>شهر</numerusform><numerusform>شهر</numerusform><numerusform>شهران</numerusform><numerusform>أشهر</numerusform><numerusform>شهرًا</numerusform><numerusform>شهر</numerusform></translation></message>
    <message id="daterange.days" numerus="yes"><source>Days</source><translation><numerusform>يوم</numerusform><numerusform>يوم</numerusform><numerusform>يومان</numerusform><numerusform>أيام</numerusform><numerusform>يومًا</numerusform><numerusform>يوم</numerusform></translation></message>
    <message id="daterange.today"><source>Today</source><translation>اليوم</translation></message>
    <message id="daterange.reset"><source>Reset</source><translation>إعادة ضبط</translation></message>
    <message id="range.totalDays"><source>Total: %1</source><translation>المجموع: %1</translation></message>
    <message id="range.years" numerus="yes"><source>%n years</source><translation><numerusform>%1 سنة</numerusform><numerusform>سنة واحدة</numerusform><numerusform>سنتان</numerusform><numerusform>%1 سنوات</numerusform><numerusform>%1 سنة</numerusform><numerusform>%1 سنة</numerusform></translation></message>
    <message id="range.months" numerus="yes"><source>%n months</source><translation><numerusform>%1 شهر</numerusform><numerusform>شهر واحد</numerusform><numerusform>شهران</numerusform><numerusform>%1 أشهر</numerusform><numerusform>%1 شهرًا</numerusform><numerusform>%1 شهر</numerusform></translation></message>
    <message id="range.days" numerus="yes"><source>%n days</source><translation><numerusform>%1 يوم</numerusform><numerusform>يوم واحد</numerusform><numerusform>يومان</numerusform><numerusform>%1 أيام</numerusform><numerusform>%1 يومًا</numerusform><numerusform>%1 يوم</numerusform></translation></message>
    <message id="range.separator"><source>, </source><translation>، </translation></message>
</context>
</TS>
