<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur">
<context>
    <name>cli</name>
    <message id="cli.hijri"><source>Hijri</source><translation>ہجری</translation></message>
    <message id="cli.gregorian"><source>Gregorian</source><translation>عیسوی</translation></message>
    <message id="cli.adjustment"><source>Hijri adjustment</source><translation>ہجری تاریخ کی تصحیح</translation></message>
    <message id="cli.days" numerus="yes"><source>%n days</source><translation><numerusform>%1 دن</numerusform><numerusform>%1 دن</numerusform></translation></message>
    <message id="cli.help.window"><source>With no command the application window opens.</source><translation>کسی کمانڈ کے بغیر ایپ کی ونڈو کھلتی ہے۔</translation></message>
    <message id="cli.help.commands"><source>Commands (add --help after one for its own help):</source><translation>کمانڈز (کسی کمانڈ کے بعد --help لکھیں تو اس کی اپنی مدد ملے گی):</translation></message>
    <message id="cli.help.options"><source>Options:</source><translation>اختیارات:</translation></message>
    <message id="cli.help.help"><source>print this help and exit</source><translation>یہ مدد دکھائیں اور ختم کریں</translation></message>
    <message id="cli.help.version"><source>print the version and exit</source><translation>ورژن دکھائیں اور ختم کریں</translation></message>
    <message id="cli.help.today"><source>Prints today&apos;s date on the Hijri and Gregorian calendars.</source><translation>آج کی تاریخ ہجری اور عیسوی کیلنڈر پر دکھاتا ہے۔</translation></message>
    <message id="cli.help.convert"><source>Converts a day from one calendar to the other (--from says which one the day is on).</source><translation>کسی دن کو ایک کیلنڈر سے دوسرے میں بدلتا ہے (--from بتاتا ہے کہ دن کس کیلنڈر کا ہے)۔</translation></message>
    <message id="cli.help.range"><source>Counts the days, and the years, months and days, from FROM to TO.</source><translation>FROM سے TO تک دن، اور سال، مہینے اور دن گنتا ہے۔</translation></message>
    <message id="cli.help.settings"><source>Shows the shared settings, or changes one of them.</source><translation>مشترکہ ترتیبات دکھاتا ہے، یا ان میں سے کوئی ایک بدلتا ہے۔</translation></message>
    <message id="cli.help.notifications"><source>Shows the planned or pending notifications, or plans them again.</source><translation>طے شدہ یا زیرِ التوا اطلاعات دکھاتا ہے، یا انہیں دوبارہ طے کرتا ہے۔</translation></message>
    <message id="cli.help.occasions"><source>Lists this Hijri year&apos;s occasions and how long until or since each; --ics writes them, for N years from this one, as an iCalendar file to import or subscribe to.</source><translation>اس ہجری سال کے مواقع اور ہر ایک میں باقی یا گزرا ہوا وقت دکھاتا ہے؛ --ics انہیں اس سال سے N سال کے لیے iCalendar فائل کی صورت میں لکھتا ہے، درآمد یا سبسکرائب کرنے کے لیے۔</translation></message>
    <message id="cli.error.unknownOption"><source>unknown option &apos;%1&apos; (see --help)</source><translation>نامعلوم اختیار &apos;%1&apos; (دیکھیں --help)</translation></message>
    <message id="cli.error.unknownCommand"><source>unknown command &apos;%1&apos; (see qamarly --help)</source><translation>نامعلوم کمانڈ &apos;%1&apos; (دیکھیں qamarly --help)</translation></message>
    <message id="cli.error.unexpected"><source>unexpected argument &apos;%1&apos;</source><translation>غیر متوقع دلیل &apos;%1&apos;</translation></message>
    <message id="cli.error.needsValue"><source>option --%1 needs a value</source><translation>اختیار --%1 کے لیے قدر درکار ہے</translation></message>
    <message id="cli.error.missing"><source>missing %1</source><translation>%1 موجود نہیں</translation></message>
    <message id="cli.error.badYears"><source>&apos;%1&apos; is not a number of years from 1 to %2</source><translation>&apos;%1&apos; سالوں کی تعداد نہیں، 1 سے %2 تک ہونی چاہیے</translation></message>
    <message id="cli.error.unknownCalendar"><source>unknown calendar &apos;%1&apos; (use gregorian or hijri)</source><translation>نامعلوم کیلنڈر &apos;%1&apos; (gregorian یا hijri لکھیں)</translation></message>
    <message id="cli.error.notADay"><source>&apos;%1&apos; is not a day on the %2 calendar (expected YYYY-MM-DD)</source><translation>&apos;%1&apos; %2 کیلنڈر کا کوئی دن نہیں (YYYY-MM-DD متوقع تھا)</translation></message>
    <message id="cli.error.outOfRange"><source>&apos;%1&apos; lies outside the days Qamarly can convert (1 Muharram 1 AH to 31 December 9999)</source><translation>&apos;%1&apos; ان دنوں سے باہر ہے جنہیں قمرلی بدل سکتا ہے (1 محرم 1 ہجری سے 31 دسمبر 9999 تک)</translation></message>
    <message id="cli.estimate"><source>Estimate: this Hijri date lies outside the Umm al-Qura table (1300 to 1600 AH) and is reckoned by arithmetic; it may differ by a day or two</source><translation>اندازہ: یہ ہجری تاریخ ام القریٰ جدول (1300 تا 1600 ہجری) سے باہر ہے اور حساب سے نکالی گئی ہے؛ اس میں ایک دو دن کا فرق ہو سکتا ہے</translation></message>
    <message id="cli.what.date"><source>date (YYYY-MM-DD)</source><translation>تاریخ (YYYY-MM-DD)</translation></message>
    <message id="cli.what.dates"><source>dates (FROM TO, each YYYY-MM-DD)</source><translation>تاریخیں (FROM TO، ہر ایک YYYY-MM-DD)</translation></message>
    <message id="cli.help.usage"><source>usage: %1</source><translation>استعمال: %1</translation></message>
    <message id="cli.settings.notAWallpaper"><source>(stored %1 is not a wallpaper)</source><translation>(محفوظ شدہ %1 کوئی وال پیپر نہیں)</translation></message>
    <message id="cli.settings.never"><source>(never)</source><translation>(کبھی نہیں)</translation></message>
    <message id="cli.settings.nothing"><source>(nothing)</source><translation>(کچھ نہیں)</translation></message>
    <message id="cli.settings.noFolders"><source>(none)</source><translation>(کوئی نہیں)</translation></message>
    <message id="cli.settings.storedIn"><source>stored in %1</source><translation>%1 میں محفوظ</translation></message>
    <message id="cli.settings.storedInReadOnly"><source>stored in %1 (cannot be written: changes cannot be saved)</source><translation>%1 میں محفوظ (اس میں لکھا نہیں جا سکتا: تبدیلیاں محفوظ نہیں ہو سکتیں)</translation></message>
    <message id="cli.settings.storedAt"><source>(stored in %1)</source><translation>(%1 میں محفوظ)</translation></message>
    <message id="cli.settings.planNotUpdated"><source>%1; the notification plan was not brought up to date</source><translation>%1؛ اطلاعات کا منصوبہ تازہ نہیں کیا گیا</translation></message>
    <message id="cli.settings.unknownKey"><source>unknown key &apos;%1&apos; (known: %2)</source><translation>نامعلوم کلید &apos;%1&apos; (معلوم: %2)</translation></message>
    <message id="cli.settings.takesBoolean"><source>%1 takes true or false, not &apos;%2&apos;</source><translation>%1 کے لیے true یا false دیں، &apos;%2&apos; نہیں</translation></message>
    <message id="cli.settings.takesNumber"><source>%1 takes a whole number, not &apos;%2&apos;</source><translation>%1 کے لیے پورا عدد دیں، &apos;%2&apos; نہیں</translation></message>
    <message id="cli.settings.takesNumberBetween"><source>%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source><translation>%1 کے لیے %2 سے %3 تک پورا عدد دیں، &apos;%4&apos; نہیں</translation></message>
    <message id="cli.settings.notStored"><source>could not store %1 in %2; nothing was changed</source><translation>%1 کو %2 میں محفوظ نہیں کیا جا سکا؛ کچھ نہیں بدلا</translation></message>
    <message id="cli.settings.notStoredReadOnly"><source>could not store %1 in %2: the settings folder cannot be written; nothing was changed</source><translation>%1 کو %2 میں محفوظ نہیں کیا جا سکا: ترتیبات کے فولڈر میں لکھا نہیں جا سکتا؛ کچھ نہیں بدلا</translation></message>
    <message id="cli.settings.unknownAction"><source>unknown action &apos;%1&apos; (use: settings set KEY VALUE)</source><translation>نامعلوم عمل &apos;%1&apos; (استعمال کریں: settings set KEY VALUE)</translation></message>
    <message id="cli.settings.notACalendarFolder"><source>%1 is not one of the calendar folders</source><translation>%1 کیلنڈر فولڈرز میں سے نہیں</translation></message>
    <message id="cli.settings.notAFolder"><source>%1 is not a folder</source><translation>%1 فولڈر نہیں</translation></message>
    <message id="cli.settings.foldersNotStored"><source>could not store %1; nothing was changed</source><translation>%1 محفوظ نہیں ہو سکا؛ کچھ نہیں بدلا</translation></message>
    <message id="cli.notifications.inSeconds"><source>in %1 s</source><translation>%1 سیکنڈ میں</translation></message>
    <message id="cli.notifications.at"><source>at %1</source><translation>بوقت %1</translation></message>
    <message id="cli.notifications.badge"><source>badge %1</source><translation>بیج %1</translation></message>
    <message id="cli.notifications.unavailable"><source>%1; notifications cannot be listed or scheduled.</source><translation>%1؛ اطلاعات کی فہرست نہیں دکھائی جا سکتی نہ انہیں طے کیا جا سکتا ہے۔</translation></message>
    <message id="cli.notifications.notAllowed"><source>notifications are not allowed; nothing is scheduled and the badge is cleared. Allow them in Qamarly first.</source><translation>اطلاعات کی اجازت نہیں؛ کچھ طے نہیں کیا گیا اور بیج صاف کر دیا گیا۔ پہلے قمرلی میں اجازت دیں۔</translation></message>
    <message id="cli.notifications.count" numerus="yes"><source>%n notifications</source><translation><numerusform>%1 اطلاع</numerusform><numerusform>%1 اطلاعات</numerusform></translation></message>
    <message id="cli.notifications.pendingCount" numerus="yes"><source>%n notifications pending</source><translation><numerusform>%1 اطلاع زیرِ التوا</numerusform><numerusform>%1 اطلاعات زیرِ التوا</numerusform></translation></message>
    <message id="cli.help.language"><source>open the window in this language (%1), with its dates as the language writes them</source><translation>ونڈو اس زبان (%1) میں کھولیں، تاریخیں اسی زبان کے انداز میں</translation></message>
    <message id="cli.help.screenshots"><source>write a picture of every screen to DIR, then quit</source><translation>ہر اسکرین کی تصویر DIR میں لکھیں، پھر بند کریں</translation></message>
</context>
</TS>
