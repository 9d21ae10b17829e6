<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>cli</name>
    <message id="cli.hijri"><source>Hijri</source><translation>الهجري</translation></message>
    <message id="cli.gregorian"><source>Gregorian</source><translation>الميلادي</translation></message>
    <message id="cli.adjustment"><source>Hijri adjustment</source><translation>تعديل التاريخ الهجري</translation></message>
    <message id="cli.days" numerus="yes"><source>%n days</source><translation><numerusform>%1 يوم</numerusform><numerusform>يوم واحد</numerusform><numerusform>يومان</numerusform><numerusform>%1 أيام</numerusform><numerusform>%1 يومًا</numerusform><numerusform>%1 يوم</numerusform></translation></message>
    <message id="cli.help.window"><source>With no command the application window opens.</source><translation>من دون أمر تُفتح نافذة التطبيق.</translation></message>
    <message id="cli.help.commands"><source>Commands (add --help after one for its own help):</source><translation>الأوامر (أضف ‎--help بعد أيٍّ منها لعرض تعليماته):</translation></message>
    <message id="cli.help.options"><source>Options:</source><translation>الخيارات:</translation></message>
    <message id="cli.help.help"><source>print this help and exit</source><translation>اعرض هذه التعليمات واخرج</translation></message>
    <message id="cli.help.version"><source>print the version and exit</source><translation>اعرض رقم الإصدار واخرج</translation></message>
    <message id="cli.help.today"><source>Prints today&apos;s date on the Hijri and Gregorian calendars.</source><translation>يعرض تاريخ اليوم بالتقويمين الهجري والميلادي.</translation></message>
    <message id="cli.help.convert"><source>Converts a day from one calendar to the other (--from says which one the day is on).</source><translation>يحوّل يومًا من تقويم إلى الآخر (‎--from يحدد تقويم اليوم المُدخل).</translation></message>
    <message id="cli.help.range"><source>Counts the days, and the years, months and days, from FROM to TO.</source><translation>يحسب الأيام، والسنوات والأشهر والأيام، من FROM إلى TO.</translation></message>
    <message id="cli.help.settings"><source>Shows the shared settings, or changes one of them.</source><translation>يعرض الإعدادات المشتركة، أو يغيّر أحدها.</translation></message>
    <message id="cli.help.notifications"><source>Shows the planned or pending notifications, or plans them again.</source><translation>يعرض الإشعارات المخطط لها أو المنتظرة، أو يعيد جدولتها.</translation></message>
    <message id="cli.help.occasions"><source>Lists this Hijri year&apos;s occasions and how long until or since each; --ics writes them, for N years from this one, as an iCalendar file to import or subscribe to.</source><translation>يسرد مناسبات السنة الهجرية الحالية والمدة المتبقية لكل منها أو المنقضية منذها؛ ويكتبها ‎--ics لعدد N من السنوات بدءًا بهذه ملفَّ iCalendar للاستيراد أو الاشتراك.</translation></message>
    <message id="cli.error.unknownOption"><source>unknown option &apos;%1&apos; (see --help)</source><translation>خيار غير معروف &apos;%1&apos; (انظر ‎--help)</translation></message>
    <message id="cli.error.unknownCommand"><source>unknown command &apos;%1&apos; (see qamarly --help)</source><translation>أمر غير معروف &apos;%1&apos; (انظر ‎qamarly --help)</translation></message>
    <message id="cli.error.unexpected"><source>unexpected argument &apos;%1&apos;</source><translation>وسيط غير متوقع &apos;%1&apos;</translation></message>
    <message id="cli.error.needsValue"><source>option --%1 needs a value</source><translation>الخيار ‎--%1 يحتاج إلى قيمة</translation></message>
    <message id="cli.error.missing"><source>missing %1</source><translation>ينقص %1</translation></message>
    <message id="cli.error.badYears"><source>&apos;%1&apos; is not a number of years from 1 to %2</source><translation>&apos;%1&apos; ليس عددًا من السنوات بين ١ و%2</translation></message>
    <message id="cli.error.unknownCalendar"><source>unknown calendar &apos;%1&apos; (use gregorian or hijri)</source><translation>تقويم غير معروف &apos;%1&apos; (استخدم gregorian أو hijri)</translation></message>
    <message id="cli.error.notADay"><source>&apos;%1&apos; is not a day on the %2 calendar (expected YYYY-MM-DD)</source><translation>&apos;%1&apos; ليس يومًا في التقويم %2 (الصيغة المتوقعة YYYY-MM-DD)</translation></message>
    <message id="cli.error.outOfRange"><source>&apos;%1&apos; lies outside the days Qamarly can convert (1 Muharram 1 AH to 31 December 9999)</source><translation>&apos;%1&apos; خارج الأيام التي يحوّلها قمرلي (من ١ محرم ١ هـ إلى ٣١ ديسمبر ٩٩٩٩)</translation></message>
    <message id="cli.estimate"><source>Estimate: this Hijri date lies outside the Umm al-Qura table (1300 to 1600 AH) and is reckoned by arithmetic; it may differ by a day or two</source><translation>تقدير: هذا التاريخ الهجري خارج جدول أم القرى (١٣٠٠ إلى ١٦٠٠ هـ) ومحسوب حسابيًا، وقد يختلف بيوم أو يومين</translation></message>
    <message id="cli.what.date"><source>date (YYYY-MM-DD)</source><translation>التاريخ (YYYY-MM-DD)</translation></message>
    <message id="cli.what.dates"><source>dates (FROM TO, each YYYY-MM-DD)</source><translation>التاريخان (FROM TO، كلٌّ منهما YYYY-MM-DD)</translation></message>
    <message id="cli.help.usage"><source>usage: %1</source><translation>الاستخدام: %1</translation></message>
    <message id="cli.settings.notAWallpaper"><source>(stored %1 is not a wallpaper)</source><translation>(القيمة المحفوظة %1 ليست خلفية)</translation></message>
    <message id="cli.settings.never"><source>(never)</source><translation>(أبدًا)</translation></message>
    <message id="cli.settings.nothing"><source>(nothing)</source><translation>(لا شيء)</translation></message>
    <message id="cli.settings.noFolders"><source>(none)</source><translation>(لا شيء)</translation></message>
    <message id="cli.settings.storedIn"><source>stored in %1</source><translation>محفوظة في %1</translation></message>
    <message id="cli.settings.storedInReadOnly"><source>stored in %1 (cannot be written: changes cannot be saved)</source><translation>محفوظة في %1 (لا يمكن الكتابة فيه: لا تُحفظ التغييرات)</translation></message>
    <message id="cli.settings.storedAt"><source>(stored in %1)</source><translation>(محفوظة في %1)</translation></message>
    <message id="cli.settings.planNotUpdated"><source>%1; the notification plan was not brought up to date</source><translation>%1؛ لم تُحدَّث خطة التنبيهات</translation></message>
    <message id="cli.settings.unknownKey"><source>unknown key &apos;%1&apos; (known: %2)</source><translation>مفتاح غير معروف &apos;%1&apos; (المعروفة: %2)</translation></message>
    <message id="cli.settings.takesBoolean"><source>%1 takes true or false, not &apos;%2&apos;</source><translation>يأخذ %1 القيمة true أو false، لا &apos;%2&apos;</translation></message>
    <message id="cli.settings.takesNumber"><source>%1 takes a whole number, not &apos;%2&apos;</source><translation>يأخذ %1 عددًا صحيحًا، لا &apos;%2&apos;</translation></message>
    <message id="cli.settings.takesNumberBetween"><source>%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source><translation>يأخذ %1 عددًا صحيحًا من %2 إلى %3، لا &apos;%4&apos;</translation></message>
    <message id="cli.settings.notStored"><source>could not store %1 in %2; nothing was changed</source><translation>تعذّر حفظ %1 في %2؛ لم يتغير شيء</translation></message>
    <message id="cli.settings.notStoredReadOnly"><source>could not store %1 in %2: the settings folder cannot be written; nothing was changed</source><translation>تعذّر حفظ %1 في %2: لا يمكن الكتابة في مجلد الإعدادات؛ لم يتغير شيء</translation></message>
    <message id="cli.settings.unknownAction"><source>unknown action &apos;%1&apos; (use: settings set KEY VALUE)</source><translation>إجراء غير معروف &apos;%1&apos; (استخدم: settings set KEY VALUE)</translation></message>
    <message id="cli.settings.notACalendarFolder"><source>%1 is not one of the calendar folders</source><translation>%1 ليس من مجلدات التقويم</translation></message>
    <message id="cli.settings.notAFolder"><source>%1 is not a folder</source><translation>%1 ليس مجلدًا</translation></message>
    <message id="cli.settings.foldersNotStored"><source>could not store %1; nothing was changed</source><translation>تعذّر حفظ %1؛ لم يتغير شيء</translation></message>
    <message id="cli.notifications.inSeconds"><source>in %1 s</source><translation>بعد %1 ث</translation></message>
    <message id="cli.notifications.at"><source>at %1</source><translation>في %1</translation></message>
    <message id="cli.notifications.badge"><source>badge %1</source><translation>الشارة %1</translation></message>
    <message id="cli.notifications.unavailable"><source>%1; notifications cannot be listed or scheduled.</source><translation>%1؛ لا يمكن عرض التنبيهات أو جدولتها.</translation></message>
    <message id="cli.notifications.notAllowed"><source>notifications are not allowed; nothing is scheduled and the badge is cleared. Allow them in Qamarly first.</source><translation>التنبيهات غير مسموح بها؛ لم يُجدول شيء ومُسحت الشارة. اسمح بها في قمرلي أولًا.</translation></message>
    <message id="cli.notifications.count" numerus="yes"><source>%n notifications</source><translation><numerusform>%1 تنبيه</numerusform><numerusform>تنبيه واحد</numerusform><numerusform>تنبيهان</numerusform><numerusform>%1 تنبيهات</numerusform><numerusform>%1 تنبيهًا</numerusform><numerusform>%1 تنبيه</numerusform></translation></message>
    <message id="cli.notifications.pendingCount" numerus="yes"><source>%n notifications pending</source><translation><numerusform>%1 تنبيه منتظر</numerusform><numerusform>تنبيه واحد منتظر</numerusform><numerusform>تنبيهان منتظران</numerusform><numerusform>%1 تنبيهات منتظرة</numerusform><numerusform>%1 تنبيهًا منتظرًا</numerusform><numerusform>%1 تنبيه منتظر</numerusform></translation></message>
    <message id="cli.help.language"><source>open the window in this language (%1), with its dates as the language writes them</source><translation>افتح النافذة بهذه اللغة (%1)، وتواريخها كما تكتبها اللغة</translation></message>
    <message id="cli.help.screenshots"><source>write a picture of every screen to DIR, then quit</source><translation>احفظ صورة لكل شاشة في DIR ثم اخرج</translation></message>
</context>
</TS>
