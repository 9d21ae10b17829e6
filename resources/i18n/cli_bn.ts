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
</context>
</TS>
