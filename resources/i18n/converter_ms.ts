<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms">
<context>
    <name>converter</name>
    <message id="converter.tabTitle"><source>Converter</source><translation>Penukar</translation></message>
    <message id="converter.todayCaption"><source>Today</source><translation>Hari ini</translation></message>
    <message id="converter.segmentGregorian"><source>Gregorian</source><translation>Masihi</translation></message>
    <message id="converter.segmentHijri"><source>Hijri</source><translation>Hijrah</translation></message>
    <message id="converter.pickCaption"><source>Pick a date</source><translation>Pilih tarikh</translation></message>
    <message id="converter.estimate"><source>Estimate: outside the Umm al-Qura table</source><translation>Anggaran: di luar jadual Umm al-Qura</translation></message>
    <message id="converter.estimateHint"><source>The Umm al-Qura table covers 1300 to 1600 AH; other Hijri dates are reckoned by arithmetic and may differ by a day or two.</source><translation>Jadual Umm al-Qura meliputi 1300 hingga 1600 H; tarikh Hijrah lain dikira secara aritmetik dan mungkin berbeza sehari dua.</translation></message>
    <message id="converter.resultCaption"><source>The same day</source><translation>Hari yang sama</translation></message>
    <message id="converter.todayButton"><source>Today</source><translation>Hari ini</translation></message>
    <message id="converter.changeWallpaper"><source>Change wallpaper</source><translation>Tukar kertas dinding</translation></message>
    <message id="converter.adjustmentTip"><source>Hijri adjustment</source><translation>Pelarasan Hijrah</translation></message>
    <message id="converter.typedDate"><source>Date to convert (%1)</source><translation>Tarikh untuk ditukar (%1)</translation></message>
    <message id="converter.typedDateInvalid"><source>Not a date of this calendar; type day, month and year in this order, then Enter.</source><translation>Bukan tarikh kalendar ini; taip hari, bulan dan tahun mengikut susunan ini, kemudian tekan Enter.</translation></message>
    <message id="converter.a11y.days" numerus="yes"><source>%n days</source><translation><numerusform>%1 hari</numerusform></translation></message>
    <message id="datepicker.day"><source>Day</source><translation>Hari</translation></message>
    <message id="datepicker.month"><source>Month</source><translation>Bulan</translation></message>
    <message id="datepicker.year"><source>Year</source><translation>Tahun</translation></message>
    <message id="converter.swipeHint"><source>Drag sideways or use the arrow keys to move a day</source><translation>Seret ke sisi atau gunakan kekunci anak panah untuk beralih sehari</translation></message>
    <message id="adjmsg1"><source>Hijri dates are shifted by</source><translation>Tarikh Hijrah dianjakkan</translation></message>
    <message id="adjmsg2"><source>to match the sighting of the new moon where you live. You can change this in Settings.</source><translation>supaya sepadan dengan rukyah anak bulan di tempat anda. Anda boleh mengubahnya dalam Tetapan.</translation></message>
    <message id="day"><source>day</source><translation>hari</translation></message>
    <message id="days2"><source>days</source><translation>hari</translation></message>
    <message id="goSettings"><source>Settings</source><translation>Tetapan</translation></message>
    <message id="cancel"><source>Cancel</source><translation>Batal</translation></message>
    <message id="reset"><source>Reset to 0</source><translation>Set semula ke 0</translation></message>
</context>
</TS>
