<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>converter</name>
    <message id="converter.tabTitle"><source>Converter</source><translation>Konversi</translation></message>
    <message id="converter.todayCaption"><source>Today</source><translation>Hari ini</translation></message>
    <message id="converter.segmentGregorian"><source>Gregorian</source><translation>Masehi</translation></message>
    <message id="converter.segmentHijri"><source>Hijri</source><translation>Hijriah</translation></message>
    <message id="converter.pickCaption"><source>Pick a date</source><translation>Pilih tanggal</translation></message>
    <message id="converter.estimate"><source>Estimate: outside the Umm al-Qura table</source><translation>Perkiraan: di luar tabel Umm al-Qura</translation></message>
    <message id="converter.estimateHint"><source>The Umm al-Qura table covers 1300 to 1600 AH; other Hijri dates are reckoned by arithmetic and may differ by a day or two.</source><translation>Tabel Umm al-Qura mencakup tahun 1300 sampai 1600 H; tanggal Hijriah lainnya dihitung secara aritmetika dan bisa berbeda satu atau dua hari.</translation></message>
    <message id="converter.resultCaption"><source>The same day</source><translation>Hari yang sama</translation></message>
    <message id="converter.todayButton"><source>Today</source><translation>Hari ini</translation></message>
    <message id="converter.changeWallpaper"><source>Change wallpaper</source><translation>Ganti wallpaper</translation></message>
    <message id="converter.adjustmentTip"><source>Hijri adjustment</source><translation>Penyesuaian Hijriah</translation></message>
    <message id="converter.typedDate"><source>Date to convert (%1)</source><translation>Tanggal yang dikonversi (%1)</translation></message>
    <message id="converter.typedDateInvalid"><source>Not a date of this calendar; type day, month and year in this order, then Enter.</source><translation>Bukan tanggal pada kalender ini; ketik hari, bulan, dan tahun dengan urutan ini, lalu tekan Enter.</translation></message>
    <message id="converter.a11y.days" numerus="yes"><source>%n days</source><translation><numerusform>%1 hari</numerusform></translation></message>
    <message id="datepicker.day"><source>Day</source><translation>Hari</translation></message>
    <message id="datepicker.month"><source>Month</source><translation>Bulan</translation></message>
    <message id="datepicker.year"><source>Year</source><translation>Tahun</translation></message>
    <message id="converter.swipeHint"><source>Drag sideways or use the arrow keys to move a day</source><translation>Geser ke samping atau gunakan tombol panah untuk berpindah hari</translation></message>
    <message id="adjmsg1"><source>Hijri dates are shifted by</source><translation>Tanggal Hijriah digeser</translation></message>
    <message id="adjmsg2"><source>to match the sighting of the new moon where you live. You can change this in Settings.</source><translation>agar sesuai dengan rukyat hilal di tempat Anda. Anda dapat mengubahnya di Pengaturan.</translation></message>
    <message id="day"><source>day</source><translation>hari</translation></message>
    <message id="days2"><source>days</source><translation>hari</translation></message>
    <message id="goSettings"><source>Settings</source><translation>Pengaturan</translation></message>
    <message id="cancel"><source>Cancel</source><translation>Batal</translation></message>
    <message id="reset"><source>Reset to 0</source><translation>Kembalikan ke 0</translation></message>
</context>
</TS>
