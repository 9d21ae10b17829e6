<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>cli</name>
    <message id="cli.hijri"><source>Hijri</source><translation>قمری</translation></message>
    <message id="cli.gregorian"><source>Gregorian</source><translation>میلادی</translation></message>
    <message id="cli.adjustment"><source>Hijri adjustment</source><translation>تصحیح تاریخ قمری</translation></message>
    <message id="cli.days" numerus="yes"><source>%n days</source><translation><numerusform>%1 روز</numerusform></translation></message>
    <message id="cli.help.window"><source>With no command the application window opens.</source><translation>بدون فرمان، پنجرهٔ برنامه باز می‌شود.</translation></message>
    <message id="cli.help.commands"><source>Commands (add --help after one for its own help):</source><translation>فرمان‌ها (پس از هر فرمان --help بنویسید تا راهنمای خودش را ببینید):</translation></message>
    <message id="cli.help.options"><source>Options:</source><translation>گزینه‌ها:</translation></message>
    <message id="cli.help.help"><source>print this help and exit</source><translation>نمایش این راهنما و خروج</translation></message>
    <message id="cli.help.version"><source>print the version and exit</source><translation>نمایش نسخه و خروج</translation></message>
    <message id="cli.help.today"><source>Prints today&apos;s date on the Hijri and Gregorian calendars.</source><translation>تاریخ امروز را در تقویم قمری و میلادی نشان می‌دهد.</translation></message>
    <message id="cli.help.convert"><source>Converts a day from one calendar to the other (--from says which one the day is on).</source><translation>یک روز را از یک تقویم به تقویم دیگر برمی‌گرداند (--from می‌گوید روز در کدام تقویم است).</translation></message>
    <message id="cli.help.range"><source>Counts the days, and the years, months and days, from FROM to TO.</source><translation>روزها، و سال‌ها و ماه‌ها و روزها را از FROM تا TO می‌شمارد.</translation></message>
    <message id="cli.help.settings"><source>Shows the shared settings, or changes one of them.</source><translation>تنظیمات مشترک را نشان می‌دهد، یا یکی از آن‌ها را تغییر می‌دهد.</translation></message>
    <message id="cli.help.notifications"><source>Shows the planned or pending notifications, or plans them again.</source><translation>اعلان‌های برنامه‌ریزی‌شده یا در انتظار را نشان می‌دهد، یا دوباره برنامه‌ریزی‌شان می‌کند.</translation></message>
    <message id="cli.help.occasions"><source>Lists this Hijri year&apos;s occasions and how long until or since each; --ics writes them, for N years from this one, as an iCalendar file to import or subscribe to.</source><translation>مناسبت‌های این سال قمری و مدت مانده تا هر یک یا گذشته از آن را فهرست می‌کند؛ --ics آن‌ها را برای N سال از امسال به‌صورت پروندهٔ iCalendar برای درون‌ریزی یا اشتراک می‌نویسد.</translation></message>
    <message id="cli.error.unknownOption"><source>unknown option &apos;%1&apos; (see --help)</source><translation>گزینهٔ ناشناخته «%1» (نگاه کنید به --help)</translation></message>
    <message id="cli.error.unknownCommand"><source>unknown command &apos;%1&apos; (see qamarly --help)</source><translation>فرمان ناشناخته «%1» (نگاه کنید به qamarly --help)</translation></message>
    <message id="cli.error.unexpected"><source>unexpected argument &apos;%1&apos;</source><translation>آرگومان غیرمنتظره «%1»</translation></message>
    <message id="cli.error.needsValue"><source>option --%1 needs a value</source><translation>گزینهٔ --%1 مقدار می‌خواهد</translation></message>
    <message id="cli.error.missing"><source>missing %1</source><translation>%1 داده نشده است</translation></message>
    <message id="cli.error.badYears"><source>&apos;%1&apos; is not a number of years from 1 to %2</source><translation>«%1» تعداد سالی از ۱ تا %2 نیست</translation></message>
    <message id="cli.error.unknownCalendar"><source>unknown calendar &apos;%1&apos; (use gregorian or hijri)</source><translation>تقویم ناشناخته «%1» (gregorian یا hijri بنویسید)</translation></message>
    <message id="cli.error.notADay"><source>&apos;%1&apos; is not a day on the %2 calendar (expected YYYY-MM-DD)</source><translation>«%1» روزی در تقویم %2 نیست (YYYY-MM-DD انتظار می‌رفت)</translation></message>
    <message id="cli.error.outOfRange"><source>&apos;%1&apos; lies outside the days Qamarly can convert (1 Muharram 1 AH to 31 December 9999)</source><translation>«%1» بیرون از روزهایی است که قمرلی می‌تواند برگرداند (۱ محرم ۱ قمری تا ۳۱ دسامبر ۹۹۹۹)</translation></message>
    <message id="cli.estimate"><source>Estimate: this Hijri date lies outside the Umm al-Qura table (1300 to 1600 AH) and is reckoned by arithmetic; it may differ by a day or two</source><translation>برآورد: این تاریخ قمری بیرون از جدول ام‌القری (۱۳۰۰ تا ۱۶۰۰ قمری) است و با حساب به دست آمده؛ ممکن است یکی دو روز فرق کند</translation></message>
    <message id="cli.what.date"><source>date (YYYY-MM-DD)</source><translation>تاریخ (YYYY-MM-DD)</translation></message>
    <message id="cli.what.dates"><source>dates (FROM TO, each YYYY-MM-DD)</source><translation>تاریخ‌ها (FROM TO، هر یک YYYY-MM-DD)</translation></message>
    <message id="cli.help.usage"><source>usage: %1</source><translation>کاربرد: %1</translation></message>
    <message id="cli.settings.notAWallpaper"><source>(stored %1 is not a wallpaper)</source><translation>(مقدار ذخیره‌شدهٔ %1 کاغذدیواری نیست)</translation></message>
    <message id="cli.settings.never"><source>(never)</source><translation>(هرگز)</translation></message>
    <message id="cli.settings.nothing"><source>(nothing)</source><translation>(هیچ)</translation></message>
    <message id="cli.settings.noFolders"><source>(none)</source><translation>(هیچ)</translation></message>
    <message id="cli.settings.storedIn"><source>stored in %1</source><translation>ذخیره‌شده در %1</translation></message>
    <message id="cli.settings.storedInReadOnly"><source>stored in %1 (cannot be written: changes cannot be saved)</source><translation>ذخیره‌شده در %1 (نوشتنی نیست: تغییرها ذخیره نمی‌شوند)</translation></message>
    <message id="cli.settings.storedAt"><source>(stored in %1)</source><translation>(ذخیره‌شده در %1)</translation></message>
    <message id="cli.settings.planNotUpdated"><source>%1; the notification plan was not brought up to date</source><translation>%1؛ برنامهٔ اعلان‌ها به‌روز نشد</translation></message>
    <message id="cli.settings.unknownKey"><source>unknown key &apos;%1&apos; (known: %2)</source><translation>کلید ناشناختهٔ «%1» (شناخته‌ها: %2)</translation></message>
    <message id="cli.settings.takesBoolean"><source>%1 takes true or false, not &apos;%2&apos;</source><translation>%1 مقدار true یا false می‌گیرد، نه «%2»</translation></message>
    <message id="cli.settings.takesNumber"><source>%1 takes a whole number, not &apos;%2&apos;</source><translation>%1 عددی درست می‌گیرد، نه «%2»</translation></message>
    <message id="cli.settings.takesNumberBetween"><source>%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source><translation>%1 عددی درست از %2 تا %3 می‌گیرد، نه «%4»</translation></message>
    <message id="cli.settings.notStored"><source>could not store %1 in %2; nothing was changed</source><translation>%1 در %2 ذخیره نشد؛ چیزی تغییر نکرد</translation></message>
    <message id="cli.settings.notStoredReadOnly"><source>could not store %1 in %2: the settings folder cannot be written; nothing was changed</source><translation>%1 در %2 ذخیره نشد: پوشهٔ تنظیمات نوشتنی نیست؛ چیزی تغییر نکرد</translation></message>
    <message id="cli.settings.unknownAction"><source>unknown action &apos;%1&apos; (use: settings set KEY VALUE)</source><translation>کار ناشناختهٔ «%1» (به کار ببرید: settings set KEY VALUE)</translation></message>
    <message id="cli.settings.notACalendarFolder"><source>%1 is not one of the calendar folders</source><translation>%1 از پوشه‌های تقویم نیست</translation></message>
    <message id="cli.settings.notAFolder"><source>%1 is not a folder</source><translation>%1 پوشه نیست</translation></message>
    <message id="cli.settings.foldersNotStored"><source>could not store %1; nothing was changed</source><translation>%1 ذخیره نشد؛ چیزی تغییر نکرد</translation></message>
    <message id="cli.notifications.inSeconds"><source>in %1 s</source><translation>%1 ثانیه دیگر</translation></message>
    <message id="cli.notifications.at"><source>at %1</source><translation>در %1</translation></message>
    <message id="cli.notifications.badge"><source>badge %1</source><translation>نشان %1</translation></message>
    <message id="cli.notifications.unavailable"><source>%1; notifications cannot be listed or scheduled.</source><translation>%1؛ اعلان‌ها را نمی‌توان فهرست یا برنامه‌ریزی کرد.</translation></message>
    <message id="cli.notifications.notAllowed"><source>notifications are not allowed; nothing is scheduled and the badge is cleared. Allow them in Qamarly first.</source><translation>اجازهٔ اعلان داده نشده؛ چیزی برنامه‌ریزی نشد و نشان پاک شد. نخست در قمرلی اجازه دهید.</translation></message>
    <message id="cli.notifications.count" numerus="yes"><source>%n notifications</source><translation><numerusform>%1 اعلان</numerusform></translation></message>
    <message id="cli.notifications.pendingCount" numerus="yes"><source>%n notifications pending</source><translation><numerusform>%1 اعلان در انتظار</numerusform></translation></message>
    <message id="cli.help.language"><source>open the window in this language (%1), with its dates as the language writes them</source><translation>پنجره را به این زبان (%1) باز کنید، با تاریخ‌هایی به شیوهٔ همان زبان</translation></message>
    <message id="cli.help.screenshots"><source>write a picture of every screen to DIR, then quit</source><translation>از هر صفحه تصویری در DIR بنویسید و خارج شوید</translation></message>
</context>
</TS>
