<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>settings</name>
    <message id="settings.tabTitle"><source>Settings</source><translation>الإعدادات</translation></message>
    <message id="settings.adjustmentCaption"><source>Hijri adjustment</source><translation>تعديل التاريخ الهجري</translation></message>
    <message id="settings.adjustmentUnit"><source>days</source><translation>أيام</translation></message>
    <message id="settings.adjustmentHint"><source>Shift every Hijri date by whole days to match the sighting of the new moon where you live.</source><translation>قدّم التاريخ الهجري أو أخّره بأيام كاملة ليوافق رؤية الهلال في بلدك.</translation></message>
    <message id="settings.stepperCaption"><source>Adjustment in days</source><translation>التعديل بالأيام</translation></message>
    <message id="settings.adjustmentRefused"><source>%1 is not an adjustment: whole days from %2 to %3</source><translation>%1 ليس تعديلًا: أيام كاملة من %2 إلى %3</translation></message>
    <message id="settings.weekStart"><source>Weeks start on</source><translation>يبدأ الأسبوع يوم</translation></message>
    <message id="settings.weekStartLocale"><source>As the language has it</source><translation>حسب اللغة</translation></message>
    <message id="settings.increment"><source>One day later</source><translation>يوم واحد بعد</translation></message>
    <message id="settings.decrement"><source>One day earlier</source><translation>يوم واحد قبل</translation></message>
    <message id="settings.feedback"><source>Send feedback</source><translation>أرسل ملاحظاتك</translation></message>
    <message id="settings.tellFriend"><source>Tell a friend</source><translation>أخبر صديقًا</translation></message>
    <message id="settings.rate"><source>Rate Qamarly</source><translation>قيّم قمرلي</translation></message>
    <message id="settings.rateUnavailable"><source>The store page to rate Qamarly could not be opened: no store is set up on this computer, or it could not be reached.</source><translation>تعذّر فتح صفحة المتجر لتقييم قمرلي: لا متجر معدّ على هذا الجهاز، أو تعذّر الوصول إليه.</translation></message>
    <message id="settings.linkUnavailable"><source>No program on this computer opens %1. Open it in a browser to visit it.</source><translation>لا يوجد برنامج على هذا الجهاز يفتح %1. افتحه في متصفح لزيارته.</translation></message>
    <message id="settings.ourApps"><source>Our other apps</source><translation>تطبيقاتنا الأخرى</translation></message>
    <message id="settings.social"><source>Follow us on Facebook</source><translation>تابعنا على فيسبوك</translation></message>
    <message id="settings.more"><source>Wallpaper and notifications</source><translation>الخلفية والإشعارات</translation></message>
    <message id="notice"><source>Notice</source><translation>تنبيه</translation></message>
    <message id="emailErrorMsg"><source>No mail program is set up on this computer. Write to us at %1 from any mail service.</source><translation>لا يوجد برنامج بريد معدّ على هذا الجهاز. راسلنا على %1 من أي خدمة بريد.</translation></message>
    <message id="emailBody"><source>Write your feedback or suggestion here:</source><translation>اكتب ملاحظتك أو اقتراحك هنا:</translation></message>
    <message id="TellFriend"><source>I use Qamarly for the Hijri date, the Gregorian date and the Islamic occasions. Try it: https://qamarly.org</source><translation>أستخدم تطبيق قمرلي لمعرفة التاريخ الهجري والميلادي والمناسبات الإسلامية. جرّبه: https://qamarly.org</translation></message>
</context>
</TS>
