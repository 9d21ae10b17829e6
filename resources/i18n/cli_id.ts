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
</context>
</TS>
