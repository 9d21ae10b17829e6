<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>settings</name>
    <message id="settings.tabTitle"><source>Settings</source><translation>تنظیمات</translation></message>
    <message id="settings.adjustmentCaption"><source>Hijri adjustment</source><translation>تصحیح تاریخ قمری</translation></message>
    <message id="settings.adjustmentUnit"><source>days</source><translation>روز</translation></message>
    <message id="settings.adjustmentHint"><source>Shift every Hijri date by whole days to match the sighting of the new moon where you live.</source><translation>هر تاریخ قمری را چند روز کامل جابه‌جا کنید تا با رؤیت هلال در جایی که زندگی می‌کنید بخواند.</translation></message>
    <message id="settings.stepperCaption"><source>Adjustment in days</source><translation>تصحیح به روز</translation></message>
    <message id="settings.adjustmentRefused"><source>%1 is not an adjustment: whole days from %2 to %3</source><translation>%1 تصحیح درستی نیست: باید روزهای کامل از %2 تا %3 باشد</translation></message>
    <message id="settings.weekStart"><source>Weeks start on</source><translation>آغاز هفته</translation></message>
    <message id="settings.weekStartLocale"><source>As the language has it</source><translation>به روال زبان</translation></message>
    <message id="settings.increment"><source>One day later</source><translation>یک روز دیرتر</translation></message>
    <message id="settings.decrement"><source>One day earlier</source><translation>یک روز زودتر</translation></message>
    <message id="settings.feedback"><source>Send feedback</source><translation>فرستادن بازخورد</translation></message>
    <message id="settings.tellFriend"><source>Tell a friend</source><translation>به دوستی بگویید</translation></message>
    <message id="settings.rate"><source>Rate Qamarly</source><translation>امتیاز به قمرلی</translation></message>
    <message id="settings.rateUnavailable"><source>The store page to rate Qamarly could not be opened: no store is set up on this computer, or it could not be reached.</source><translation>صفحهٔ فروشگاه برای امتیاز دادن به قمرلی باز نشد: فروشگاهی روی این رایانه تنظیم نشده یا در دسترس نبود.</translation></message>
    <message id="settings.linkUnavailable"><source>No program on this computer opens %1. Open it in a browser to visit it.</source><translation>هیچ برنامه‌ای روی این رایانه %1 را باز نمی‌کند. برای دیدنش آن را در مرورگر باز کنید.</translation></message>
    <message id="settings.ourApps"><source>Our other apps</source><translation>برنامه‌های دیگر ما</translation></message>
    <message id="settings.social"><source>Follow us on Facebook</source><translation>ما را در فیس‌بوک دنبال کنید</translation></message>
    <message id="settings.more"><source>Wallpaper and notifications</source><translation>کاغذدیواری و اعلان‌ها</translation></message>
    <message id="notice"><source>Notice</source><translation>توجه</translation></message>
    <message id="emailErrorMsg"><source>No mail program is set up on this computer. Write to us at %1 from any mail service.</source><translation>هیچ برنامهٔ رایانامه‌ای روی این رایانه تنظیم نشده است. از هر سرویس رایانامه‌ای به نشانی %1 برای ما بنویسید.</translation></message>
    <message id="emailBody"><source>Write your feedback or suggestion here:</source><translation>بازخورد یا پیشنهاد خود را اینجا بنویسید:</translation></message>
    <message id="TellFriend"><source>I use Qamarly for the Hijri date, the Gregorian date and the Islamic occasions. Try it: https://qamarly.org</source><translation>من برای تاریخ قمری، تاریخ میلادی و مناسبت‌های اسلامی از قمرلی استفاده می‌کنم. امتحانش کن: https://qamarly.org</translation></message>
</context>
</TS>
