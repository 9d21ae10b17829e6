<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>calendar</name>
    <message id="cli.help.month"><source>Prints one month as the calendar lays it out, with the other calendar&apos;s day under every day.</source><translation>Menampilkan satu bulan seperti tata letak kalender, dengan tanggal kalender lainnya di bawah setiap hari.</translation></message>
    <message id="month.what.month"><source>month (YYYY-MM)</source><translation>bulan (YYYY-MM)</translation></message>
    <message id="month.error.notAMonth"><source>&apos;%1&apos; is not a month of the %2 calendar covered by the Umm al-Qura table (1300 to 1600 AH, 1882 to 2174) (use YYYY-MM)</source><translation>&apos;%1&apos; bukan bulan kalender %2 yang tercakup dalam tabel Umm al-Qura (1300 sampai 1600 H, 1882 sampai 2174) (gunakan YYYY-MM)</translation></message>
    <message id="month.error.firstWeekday"><source>--first-weekday takes a number from 1 (Sunday) to 7 (Saturday), not &apos;%1&apos;</source><translation>--first-weekday menerima angka dari 1 (Minggu) sampai 7 (Sabtu), bukan &apos;%1&apos;</translation></message>
</context>
</TS>
