<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>cli</name>
    <message id="cli.hijri"><source>Hijri</source><translation>Hijriah</translation></message>
    <message id="cli.gregorian"><source>Gregorian</source><translation>Masehi</translation></message>
    <message id="cli.adjustment"><source>Hijri adjustment</source><translation>Penyesuaian Hijriah</translation></message>
    <message id="cli.days" numerus="yes"><source>%n days</source><translation><numerusform>%1 hari</numerusform></translation></message>
    <message id="cli.help.window"><source>With no command the application window opens.</source><translation>Tanpa perintah, jendela aplikasi akan terbuka.</translation></message>
    <message id="cli.help.commands"><source>Commands (add --help after one for its own help):</source><translation>Perintah (tambahkan --help setelah perintah untuk bantuannya sendiri):</translation></message>
    <message id="cli.help.options"><source>Options:</source><translation>Opsi:</translation></message>
    <message id="cli.help.help"><source>print this help and exit</source><translation>tampilkan bantuan ini lalu keluar</translation></message>
    <message id="cli.help.version"><source>print the version and exit</source><translation>tampilkan versi lalu keluar</translation></message>
    <message id="cli.help.today"><source>Prints today&apos;s date on the Hijri and Gregorian calendars.</source><translation>Menampilkan tanggal hari ini pada kalender Hijriah dan Masehi.</translation></message>
    <message id="cli.help.convert"><source>Converts a day from one calendar to the other (--from says which one the day is on).</source><translation>Mengonversi satu hari dari satu kalender ke kalender lainnya (--from menyatakan kalender hari tersebut).</translation></message>
    <message id="cli.help.range"><source>Counts the days, and the years, months and days, from FROM to TO.</source><translation>Menghitung jumlah hari, serta tahun, bulan, dan hari, dari FROM sampai TO.</translation></message>
    <message id="cli.help.settings"><source>Shows the shared settings, or changes one of them.</source><translation>Menampilkan pengaturan bersama, atau mengubah salah satunya.</translation></message>
    <message id="cli.help.notifications"><source>Shows the planned or pending notifications, or plans them again.</source><translation>Menampilkan notifikasi yang direncanakan atau tertunda, atau merencanakannya kembali.</translation></message>
    <message id="cli.help.occasions"><source>Lists this Hijri year&apos;s occasions and how long until or since each; --ics writes them, for N years from this one, as an iCalendar file to import or subscribe to.</source><translation>Menampilkan hari-hari besar Islam tahun Hijriah ini dan berapa lama lagi atau sudah berlalu; --ics menuliskannya, untuk N tahun mulai tahun ini, sebagai berkas iCalendar untuk diimpor atau dilanggan.</translation></message>
    <message id="cli.error.unknownOption"><source>unknown option &apos;%1&apos; (see --help)</source><translation>opsi tidak dikenal &apos;%1&apos; (lihat --help)</translation></message>
    <message id="cli.error.unknownCommand"><source>unknown command &apos;%1&apos; (see qamarly --help)</source><translation>perintah tidak dikenal &apos;%1&apos; (lihat qamarly --help)</translation></message>
    <message id="cli.error.unexpected"><source>unexpected argument &apos;%1&apos;</source><translation>argumen tidak terduga &apos;%1&apos;</translation></message>
    <message id="cli.error.needsValue"><source>option --%1 needs a value</source><translation>opsi --%1 memerlukan nilai</translation></message>
    <message id="cli.error.missing"><source>missing %1</source><translation>%1 tidak ada</translation></message>
    <message id="cli.error.badYears"><source>&apos;%1&apos; is not a number of years from 1 to %2</source><translation>&apos;%1&apos; bukan jumlah tahun dari 1 sampai %2</translation></message>
    <message id="cli.error.unknownCalendar"><source>unknown calendar &apos;%1&apos; (use gregorian or hijri)</source><translation>kalender tidak dikenal &apos;%1&apos; (gunakan gregorian atau hijri)</translation></message>
    <message id="cli.error.notADay"><source>&apos;%1&apos; is not a day on the %2 calendar (expected YYYY-MM-DD)</source><translation>&apos;%1&apos; bukan hari pada kalender %2 (seharusnya YYYY-MM-DD)</translation></message>
    <message id="cli.error.outOfRange"><source>&apos;%1&apos; lies outside the days Qamarly can convert (1 Muharram 1 AH to 31 December 9999)</source><translation>&apos;%1&apos; berada di luar rentang hari yang dapat dikonversi Qamarly (1 Muharram 1 H sampai 31 Desember 9999)</translation></message>
    <message id="cli.estimate"><source>Estimate: this Hijri date lies outside the Umm al-Qura table (1300 to 1600 AH) and is reckoned by arithmetic; it may differ by a day or two</source><translation>Perkiraan: tanggal Hijriah ini berada di luar tabel Umm al-Qura (1300 sampai 1600 H) dan dihitung secara aritmetika; bisa berbeda satu atau dua hari</translation></message>
    <message id="cli.what.date"><source>date (YYYY-MM-DD)</source><translation>tanggal (YYYY-MM-DD)</translation></message>
    <message id="cli.what.dates"><source>dates (FROM TO, each YYYY-MM-DD)</source><translation>tanggal (FROM TO, masing-masing YYYY-MM-DD)</translation></message>
    <message id="cli.help.usage"><source>usage: %1</source><translation>penggunaan: %1</translation></message>
    <message id="cli.settings.notAWallpaper"><source>(stored %1 is not a wallpaper)</source><translation>(nilai tersimpan %1 bukan wallpaper)</translation></message>
    <message id="cli.settings.never"><source>(never)</source><translation>(belum pernah)</translation></message>
    <message id="cli.settings.nothing"><source>(nothing)</source><translation>(kosong)</translation></message>
    <message id="cli.settings.noFolders"><source>(none)</source><translation>(tidak ada)</translation></message>
    <message id="cli.settings.storedIn"><source>stored in %1</source><translation>disimpan di %1</translation></message>
    <message id="cli.settings.storedInReadOnly"><source>stored in %1 (cannot be written: changes cannot be saved)</source><translation>disimpan di %1 (tidak dapat ditulisi: perubahan tidak dapat disimpan)</translation></message>
    <message id="cli.settings.storedAt"><source>(stored in %1)</source><translation>(disimpan di %1)</translation></message>
    <message id="cli.settings.planNotUpdated"><source>%1; the notification plan was not brought up to date</source><translation>%1; rencana notifikasi tidak diperbarui</translation></message>
    <message id="cli.settings.unknownKey"><source>unknown key &apos;%1&apos; (known: %2)</source><translation>kunci tidak dikenal &apos;%1&apos; (yang dikenal: %2)</translation></message>
    <message id="cli.settings.takesBoolean"><source>%1 takes true or false, not &apos;%2&apos;</source><translation>%1 menerima true atau false, bukan &apos;%2&apos;</translation></message>
    <message id="cli.settings.takesNumber"><source>%1 takes a whole number, not &apos;%2&apos;</source><translation>%1 menerima bilangan bulat, bukan &apos;%2&apos;</translation></message>
    <message id="cli.settings.takesNumberBetween"><source>%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source><translation>%1 menerima bilangan bulat dari %2 sampai %3, bukan &apos;%4&apos;</translation></message>
    <message id="cli.settings.notStored"><source>could not store %1 in %2; nothing was changed</source><translation>tidak dapat menyimpan %1 di %2; tidak ada yang diubah</translation></message>
    <message id="cli.settings.notStoredReadOnly"><source>could not store %1 in %2: the settings folder cannot be written; nothing was changed</source><translation>tidak dapat menyimpan %1 di %2: folder pengaturan tidak dapat ditulisi; tidak ada yang diubah</translation></message>
    <message id="cli.settings.unknownAction"><source>unknown action &apos;%1&apos; (use: settings set KEY VALUE)</source><translation>tindakan tidak dikenal &apos;%1&apos; (gunakan: settings set KEY VALUE)</translation></message>
    <message id="cli.settings.notACalendarFolder"><source>%1 is not one of the calendar folders</source><translation>%1 bukan salah satu folder kalender</translation></message>
    <message id="cli.settings.notAFolder"><source>%1 is not a folder</source><translation>%1 bukan folder</translation></message>
    <message id="cli.settings.foldersNotStored"><source>could not store %1; nothing was changed</source><translation>tidak dapat menyimpan %1; tidak ada yang diubah</translation></message>
    <message id="cli.notifications.inSeconds"><source>in %1 s</source><translation>dalam %1 dtk</translation></message>
    <message id="cli.notifications.at"><source>at %1</source><translation>pada %1</translation></message>
    <message id="cli.notifications.badge"><source>badge %1</source><translation>lencana %1</translation></message>
    <message id="cli.notifications.unavailable"><source>%1; notifications cannot be listed or scheduled.</source><translation>%1; notifikasi tidak dapat ditampilkan atau dijadwalkan.</translation></message>
    <message id="cli.notifications.notAllowed"><source>notifications are not allowed; nothing is scheduled and the badge is cleared. Allow them in Qamarly first.</source><translation>notifikasi tidak diizinkan; tidak ada yang dijadwalkan dan lencana dihapus. Izinkan dulu di Qamarly.</translation></message>
    <message id="cli.notifications.count" numerus="yes"><source>%n notifications</source><translation><numerusform>%1 notifikasi</numerusform></translation></message>
    <message id="cli.notifications.pendingCount" numerus="yes"><source>%n notifications pending</source><translation><numerusform>%1 notifikasi tertunda</numerusform></translation></message>
    <message id="cli.help.language"><source>open the window in this language (%1), with its dates as the language writes them</source><translation>buka jendela dalam bahasa ini (%1), dengan tanggal seperti yang ditulis bahasa itu</translation></message>
    <message id="cli.help.screenshots"><source>write a picture of every screen to DIR, then quit</source><translation>simpan gambar setiap layar ke DIR, lalu keluar</translation></message>
</context>
</TS>
