<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms">
<context>
    <name>cli</name>
    <message id="cli.hijri"><source>Hijri</source><translation>Hijrah</translation></message>
    <message id="cli.gregorian"><source>Gregorian</source><translation>Masihi</translation></message>
    <message id="cli.adjustment"><source>Hijri adjustment</source><translation>Pelarasan Hijrah</translation></message>
    <message id="cli.days" numerus="yes"><source>%n days</source><translation><numerusform>%1 hari</numerusform></translation></message>
    <message id="cli.help.window"><source>With no command the application window opens.</source><translation>Tanpa arahan, tetingkap aplikasi dibuka.</translation></message>
    <message id="cli.help.commands"><source>Commands (add --help after one for its own help):</source><translation>Arahan (tambah --help selepas arahan untuk bantuannya sendiri):</translation></message>
    <message id="cli.help.options"><source>Options:</source><translation>Pilihan:</translation></message>
    <message id="cli.help.help"><source>print this help and exit</source><translation>papar bantuan ini dan keluar</translation></message>
    <message id="cli.help.version"><source>print the version and exit</source><translation>papar versi dan keluar</translation></message>
    <message id="cli.help.today"><source>Prints today&apos;s date on the Hijri and Gregorian calendars.</source><translation>Memaparkan tarikh hari ini dalam kalendar Hijrah dan Masihi.</translation></message>
    <message id="cli.help.convert"><source>Converts a day from one calendar to the other (--from says which one the day is on).</source><translation>Menukar satu hari dari satu kalendar ke kalendar yang satu lagi (--from menyatakan kalendar hari itu).</translation></message>
    <message id="cli.help.range"><source>Counts the days, and the years, months and days, from FROM to TO.</source><translation>Mengira hari, serta tahun, bulan dan hari, dari FROM hingga TO.</translation></message>
    <message id="cli.help.settings"><source>Shows the shared settings, or changes one of them.</source><translation>Memaparkan tetapan kongsi, atau mengubah salah satunya.</translation></message>
    <message id="cli.help.notifications"><source>Shows the planned or pending notifications, or plans them again.</source><translation>Memaparkan pemberitahuan yang dirancang atau belum dihantar, atau merancangnya semula.</translation></message>
    <message id="cli.help.occasions"><source>Lists this Hijri year&apos;s occasions and how long until or since each; --ics writes them, for N years from this one, as an iCalendar file to import or subscribe to.</source><translation>Menyenaraikan hari kebesaran Islam tahun Hijrah ini dan berapa lama lagi atau sudah berlalu bagi setiap satu; --ics menulisnya, untuk N tahun bermula tahun ini, sebagai fail iCalendar untuk diimport atau dilanggan.</translation></message>
    <message id="cli.error.unknownOption"><source>unknown option &apos;%1&apos; (see --help)</source><translation>pilihan tidak dikenali &apos;%1&apos; (lihat --help)</translation></message>
    <message id="cli.error.unknownCommand"><source>unknown command &apos;%1&apos; (see qamarly --help)</source><translation>arahan tidak dikenali &apos;%1&apos; (lihat qamarly --help)</translation></message>
    <message id="cli.error.unexpected"><source>unexpected argument &apos;%1&apos;</source><translation>hujah tidak dijangka &apos;%1&apos;</translation></message>
    <message id="cli.error.needsValue"><source>option --%1 needs a value</source><translation>pilihan --%1 memerlukan nilai</translation></message>
    <message id="cli.error.missing"><source>missing %1</source><translation>%1 tiada</translation></message>
    <message id="cli.error.badYears"><source>&apos;%1&apos; is not a number of years from 1 to %2</source><translation>&apos;%1&apos; bukan bilangan tahun dari 1 hingga %2</translation></message>
    <message id="cli.error.unknownCalendar"><source>unknown calendar &apos;%1&apos; (use gregorian or hijri)</source><translation>kalendar tidak dikenali &apos;%1&apos; (gunakan gregorian atau hijri)</translation></message>
    <message id="cli.error.notADay"><source>&apos;%1&apos; is not a day on the %2 calendar (expected YYYY-MM-DD)</source><translation>&apos;%1&apos; bukan hari dalam kalendar %2 (dijangka YYYY-MM-DD)</translation></message>
    <message id="cli.error.outOfRange"><source>&apos;%1&apos; lies outside the days Qamarly can convert (1 Muharram 1 AH to 31 December 9999)</source><translation>&apos;%1&apos; berada di luar hari yang boleh ditukar oleh Qamarly (1 Muharam 1 H hingga 31 Disember 9999)</translation></message>
    <message id="cli.estimate"><source>Estimate: this Hijri date lies outside the Umm al-Qura table (1300 to 1600 AH) and is reckoned by arithmetic; it may differ by a day or two</source><translation>Anggaran: tarikh Hijrah ini berada di luar jadual Umm al-Qura (1300 hingga 1600 H) dan dikira secara aritmetik; mungkin berbeza sehari dua</translation></message>
    <message id="cli.what.date"><source>date (YYYY-MM-DD)</source><translation>tarikh (YYYY-MM-DD)</translation></message>
    <message id="cli.what.dates"><source>dates (FROM TO, each YYYY-MM-DD)</source><translation>tarikh (FROM TO, setiap satu YYYY-MM-DD)</translation></message>
</context>
</TS>
