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
    <message id="cli.help.usage"><source>usage: %1</source><translation>penggunaan: %1</translation></message>
    <message id="cli.settings.notAWallpaper"><source>(stored %1 is not a wallpaper)</source><translation>(nilai tersimpan %1 bukan kertas dinding)</translation></message>
    <message id="cli.settings.never"><source>(never)</source><translation>(belum pernah)</translation></message>
    <message id="cli.settings.nothing"><source>(nothing)</source><translation>(kosong)</translation></message>
    <message id="cli.settings.noFolders"><source>(none)</source><translation>(tiada)</translation></message>
    <message id="cli.settings.storedIn"><source>stored in %1</source><translation>disimpan dalam %1</translation></message>
    <message id="cli.settings.storedInReadOnly"><source>stored in %1 (cannot be written: changes cannot be saved)</source><translation>disimpan dalam %1 (tidak boleh ditulis: perubahan tidak dapat disimpan)</translation></message>
    <message id="cli.settings.storedAt"><source>(stored in %1)</source><translation>(disimpan dalam %1)</translation></message>
    <message id="cli.settings.planNotUpdated"><source>%1; the notification plan was not brought up to date</source><translation>%1; rancangan pemberitahuan tidak dikemas kini</translation></message>
    <message id="cli.settings.unknownKey"><source>unknown key &apos;%1&apos; (known: %2)</source><translation>kunci tidak dikenali &apos;%1&apos; (yang dikenali: %2)</translation></message>
    <message id="cli.settings.takesBoolean"><source>%1 takes true or false, not &apos;%2&apos;</source><translation>%1 menerima true atau false, bukan &apos;%2&apos;</translation></message>
    <message id="cli.settings.takesNumber"><source>%1 takes a whole number, not &apos;%2&apos;</source><translation>%1 menerima nombor bulat, bukan &apos;%2&apos;</translation></message>
    <message id="cli.settings.takesNumberBetween"><source>%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source><translation>%1 menerima nombor bulat dari %2 hingga %3, bukan &apos;%4&apos;</translation></message>
    <message id="cli.settings.notStored"><source>could not store %1 in %2; nothing was changed</source><translation>tidak dapat menyimpan %1 dalam %2; tiada apa-apa yang diubah</translation></message>
    <message id="cli.settings.notStoredReadOnly"><source>could not store %1 in %2: the settings folder cannot be written; nothing was changed</source><translation>tidak dapat menyimpan %1 dalam %2: folder tetapan tidak boleh ditulis; tiada apa-apa yang diubah</translation></message>
    <message id="cli.settings.unknownAction"><source>unknown action &apos;%1&apos; (use: settings set KEY VALUE)</source><translation>tindakan tidak dikenali &apos;%1&apos; (gunakan: settings set KEY VALUE)</translation></message>
    <message id="cli.settings.notACalendarFolder"><source>%1 is not one of the calendar folders</source><translation>%1 bukan salah satu folder kalendar</translation></message>
    <message id="cli.settings.notAFolder"><source>%1 is not a folder</source><translation>%1 bukan folder</translation></message>
    <message id="cli.settings.foldersNotStored"><source>could not store %1; nothing was changed</source><translation>tidak dapat menyimpan %1; tiada apa-apa yang diubah</translation></message>
    <message id="cli.notifications.inSeconds"><source>in %1 s</source><translation>dalam %1 saat</translation></message>
    <message id="cli.notifications.at"><source>at %1</source><translation>pada %1</translation></message>
    <message id="cli.notifications.badge"><source>badge %1</source><translation>lencana %1</translation></message>
    <message id="cli.notifications.unavailable"><source>%1; notifications cannot be listed or scheduled.</source><translation>%1; pemberitahuan tidak dapat disenaraikan atau dijadualkan.</translation></message>
    <message id="cli.notifications.notAllowed"><source>notifications are not allowed; nothing is scheduled and the badge is cleared. Allow them in Qamarly first.</source><translation>pemberitahuan tidak dibenarkan; tiada apa-apa dijadualkan dan lencana dikosongkan. Benarkannya dalam Qamarly dahulu.</translation></message>
    <message id="cli.notifications.count" numerus="yes"><source>%n notifications</source><translation><numerusform>%1 pemberitahuan</numerusform></translation></message>
    <message id="cli.notifications.pendingCount" numerus="yes"><source>%n notifications pending</source><translation><numerusform>%1 pemberitahuan belum dihantar</numerusform></translation></message>
    <message id="cli.help.language"><source>open the window in this language (%1), with its dates as the language writes them</source><translation>buka tetingkap dalam bahasa ini (%1), dengan tarikh seperti yang ditulis bahasa itu</translation></message>
    <message id="cli.help.screenshots"><source>write a picture of every screen to DIR, then quit</source><translation>tulis gambar setiap skrin ke DIR, kemudian keluar</translation></message>
</context>
</TS>
