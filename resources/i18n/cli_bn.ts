<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn">
<context>
    <name>cli</name>
    <message id="cli.hijri"><source>Hijri</source><translation>হিজরি</translation></message>
    <message id="cli.gregorian"><source>Gregorian</source><translation>খ্রিস্টীয়</translation></message>
    <message id="cli.adjustment"><source>Hijri adjustment</source><translation>হিজরি তারিখ সমন্বয়</translation></message>
    <message id="cli.days" numerus="yes"><source>%n days</source><translation><numerusform>%1 দিন</numerusform><numerusform>%1 দিন</numerusform></translation></message>
    <message id="cli.help.window"><source>With no command the application window opens.</source><translation>কোনো কমান্ড না দিলে অ্যাপের উইন্ডো খোলে।</translation></message>
    <message id="cli.help.commands"><source>Commands (add --help after one for its own help):</source><translation>কমান্ড (কোনো কমান্ডের পরে --help দিলে তার নিজস্ব সাহায্য পাবেন):</translation></message>
    <message id="cli.help.options"><source>Options:</source><translation>বিকল্প:</translation></message>
    <message id="cli.help.help"><source>print this help and exit</source><translation>এই সাহায্য দেখিয়ে প্রস্থান</translation></message>
    <message id="cli.help.version"><source>print the version and exit</source><translation>সংস্করণ দেখিয়ে প্রস্থান</translation></message>
    <message id="cli.help.today"><source>Prints today&apos;s date on the Hijri and Gregorian calendars.</source><translation>হিজরি ও খ্রিস্টীয় ক্যালেন্ডারে আজকের তারিখ দেখায়।</translation></message>
    <message id="cli.help.convert"><source>Converts a day from one calendar to the other (--from says which one the day is on).</source><translation>একটি দিনকে এক ক্যালেন্ডার থেকে অন্য ক্যালেন্ডারে রূপান্তর করে (--from বলে দেয় দিনটি কোন ক্যালেন্ডারের)।</translation></message>
    <message id="cli.help.range"><source>Counts the days, and the years, months and days, from FROM to TO.</source><translation>FROM থেকে TO পর্যন্ত দিন, এবং বছর, মাস ও দিন গণনা করে।</translation></message>
    <message id="cli.help.settings"><source>Shows the shared settings, or changes one of them.</source><translation>শেয়ার করা সেটিংস দেখায়, অথবা তার একটি পরিবর্তন করে।</translation></message>
    <message id="cli.help.notifications"><source>Shows the planned or pending notifications, or plans them again.</source><translation>পরিকল্পিত বা অপেক্ষমাণ বিজ্ঞপ্তি দেখায়, অথবা আবার পরিকল্পনা করে।</translation></message>
    <message id="cli.help.occasions"><source>Lists this Hijri year&apos;s occasions and how long until or since each; --ics writes them, for N years from this one, as an iCalendar file to import or subscribe to.</source><translation>এই হিজরি বছরের উপলক্ষগুলো এবং প্রতিটির আর কত বাকি বা কত আগে হয়েছে তা দেখায়; --ics এগুলো এ বছর থেকে N বছরের জন্য iCalendar ফাইল হিসেবে লেখে, আমদানি বা সাবস্ক্রাইব করার জন্য।</translation></message>
    <message id="cli.error.unknownOption"><source>unknown option &apos;%1&apos; (see --help)</source><translation>অজানা বিকল্প &apos;%1&apos; (দেখুন --help)</translation></message>
    <message id="cli.error.unknownCommand"><source>unknown command &apos;%1&apos; (see qamarly --help)</source><translation>অজানা কমান্ড &apos;%1&apos; (দেখুন qamarly --help)</translation></message>
    <message id="cli.error.unexpected"><source>unexpected argument &apos;%1&apos;</source><translation>অপ্রত্যাশিত আর্গুমেন্ট &apos;%1&apos;</translation></message>
    <message id="cli.error.needsValue"><source>option --%1 needs a value</source><translation>--%1 বিকল্পের একটি মান প্রয়োজন</translation></message>
    <message id="cli.error.missing"><source>missing %1</source><translation>%1 দেওয়া হয়নি</translation></message>
    <message id="cli.error.badYears"><source>&apos;%1&apos; is not a number of years from 1 to %2</source><translation>&apos;%1&apos; ১ থেকে %2 পর্যন্ত বছরের কোনো সংখ্যা নয়</translation></message>
    <message id="cli.error.unknownCalendar"><source>unknown calendar &apos;%1&apos; (use gregorian or hijri)</source><translation>অজানা ক্যালেন্ডার &apos;%1&apos; (gregorian বা hijri লিখুন)</translation></message>
    <message id="cli.error.notADay"><source>&apos;%1&apos; is not a day on the %2 calendar (expected YYYY-MM-DD)</source><translation>&apos;%1&apos; %2 ক্যালেন্ডারের কোনো দিন নয় (প্রত্যাশিত YYYY-MM-DD)</translation></message>
    <message id="cli.error.outOfRange"><source>&apos;%1&apos; lies outside the days Qamarly can convert (1 Muharram 1 AH to 31 December 9999)</source><translation>&apos;%1&apos; Qamarly যে দিনগুলো রূপান্তর করতে পারে তার বাইরে (১ মুহাররম ১ হিজরি থেকে ৩১ ডিসেম্বর ৯৯৯৯)</translation></message>
    <message id="cli.estimate"><source>Estimate: this Hijri date lies outside the Umm al-Qura table (1300 to 1600 AH) and is reckoned by arithmetic; it may differ by a day or two</source><translation>আনুমানিক: এই হিজরি তারিখ উম্মুল কুরা সারণির (১৩০০ থেকে ১৬০০ হিজরি) বাইরে এবং গাণিতিকভাবে হিসাব করা; এক-দুই দিন এদিক-ওদিক হতে পারে</translation></message>
    <message id="cli.what.date"><source>date (YYYY-MM-DD)</source><translation>তারিখ (YYYY-MM-DD)</translation></message>
    <message id="cli.what.dates"><source>dates (FROM TO, each YYYY-MM-DD)</source><translation>তারিখ (FROM TO, প্রতিটি YYYY-MM-DD)</translation></message>
    <message id="cli.help.usage"><source>usage: %1</source><translation>ব্যবহার: %1</translation></message>
    <message id="cli.settings.notAWallpaper"><source>(stored %1 is not a wallpaper)</source><translation>(সংরক্ষিত %1 কোনো ওয়ালপেপার নয়)</translation></message>
    <message id="cli.settings.never"><source>(never)</source><translation>(কখনো না)</translation></message>
    <message id="cli.settings.nothing"><source>(nothing)</source><translation>(কিছু নেই)</translation></message>
    <message id="cli.settings.noFolders"><source>(none)</source><translation>(কোনোটি নয়)</translation></message>
    <message id="cli.settings.storedIn"><source>stored in %1</source><translation>%1-এ সংরক্ষিত</translation></message>
    <message id="cli.settings.storedInReadOnly"><source>stored in %1 (cannot be written: changes cannot be saved)</source><translation>%1-এ সংরক্ষিত (লেখা যায় না: পরিবর্তন সংরক্ষণ করা যাবে না)</translation></message>
    <message id="cli.settings.storedAt"><source>(stored in %1)</source><translation>(%1-এ সংরক্ষিত)</translation></message>
    <message id="cli.settings.planNotUpdated"><source>%1; the notification plan was not brought up to date</source><translation>%1; বিজ্ঞপ্তির পরিকল্পনা হালনাগাদ হয়নি</translation></message>
    <message id="cli.settings.unknownKey"><source>unknown key &apos;%1&apos; (known: %2)</source><translation>অজানা কী &apos;%1&apos; (পরিচিত: %2)</translation></message>
    <message id="cli.settings.takesBoolean"><source>%1 takes true or false, not &apos;%2&apos;</source><translation>%1-এর মান true বা false, &apos;%2&apos; নয়</translation></message>
    <message id="cli.settings.takesNumber"><source>%1 takes a whole number, not &apos;%2&apos;</source><translation>%1-এর মান একটি পূর্ণসংখ্যা, &apos;%2&apos; নয়</translation></message>
    <message id="cli.settings.takesNumberBetween"><source>%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source><translation>%1-এর মান %2 থেকে %3 পর্যন্ত একটি পূর্ণসংখ্যা, &apos;%4&apos; নয়</translation></message>
    <message id="cli.settings.notStored"><source>could not store %1 in %2; nothing was changed</source><translation>%1 %2-এ সংরক্ষণ করা যায়নি; কিছুই বদলায়নি</translation></message>
    <message id="cli.settings.notStoredReadOnly"><source>could not store %1 in %2: the settings folder cannot be written; nothing was changed</source><translation>%1 %2-এ সংরক্ষণ করা যায়নি: সেটিংস ফোল্ডারে লেখা যায় না; কিছুই বদলায়নি</translation></message>
    <message id="cli.settings.unknownAction"><source>unknown action &apos;%1&apos; (use: settings set KEY VALUE)</source><translation>অজানা কাজ &apos;%1&apos; (ব্যবহার করুন: settings set KEY VALUE)</translation></message>
    <message id="cli.settings.notACalendarFolder"><source>%1 is not one of the calendar folders</source><translation>%1 ক্যালেন্ডার ফোল্ডারগুলোর একটি নয়</translation></message>
    <message id="cli.settings.notAFolder"><source>%1 is not a folder</source><translation>%1 কোনো ফোল্ডার নয়</translation></message>
    <message id="cli.settings.foldersNotStored"><source>could not store %1; nothing was changed</source><translation>%1 সংরক্ষণ করা যায়নি; কিছুই বদলায়নি</translation></message>
    <message id="cli.notifications.inSeconds"><source>in %1 s</source><translation>%1 সেকেন্ডে</translation></message>
    <message id="cli.notifications.at"><source>at %1</source><translation>সময় %1</translation></message>
    <message id="cli.notifications.badge"><source>badge %1</source><translation>ব্যাজ %1</translation></message>
    <message id="cli.notifications.unavailable"><source>%1; notifications cannot be listed or scheduled.</source><translation>%1; বিজ্ঞপ্তির তালিকা দেখানো বা পরিকল্পনা করা যাবে না।</translation></message>
    <message id="cli.notifications.notAllowed"><source>notifications are not allowed; nothing is scheduled and the badge is cleared. Allow them in Qamarly first.</source><translation>বিজ্ঞপ্তির অনুমতি নেই; কিছুই পরিকল্পনা করা হয়নি এবং ব্যাজ মুছে ফেলা হয়েছে। আগে Qamarly-তে অনুমতি দিন।</translation></message>
    <message id="cli.notifications.count" numerus="yes"><source>%n notifications</source><translation><numerusform>%1টি বিজ্ঞপ্তি</numerusform><numerusform>%1টি বিজ্ঞপ্তি</numerusform></translation></message>
    <message id="cli.notifications.pendingCount" numerus="yes"><source>%n notifications pending</source><translation><numerusform>%1টি বিজ্ঞপ্তি অপেক্ষমাণ</numerusform><numerusform>%1টি বিজ্ঞপ্তি অপেক্ষমাণ</numerusform></translation></message>
    <message id="cli.help.language"><source>open the window in this language (%1), with its dates as the language writes them</source><translation>উইন্ডোটি এই ভাষায় (%1) খুলুন, তারিখ সেই ভাষার নিয়মে</translation></message>
    <message id="cli.help.screenshots"><source>write a picture of every screen to DIR, then quit</source><translation>প্রতিটি স্ক্রিনের ছবি DIR-এ লিখে প্রস্থান</translation></message>
</context>
</TS>
