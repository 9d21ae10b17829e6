<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>widget</name>
    <message id="Qamarly Widget"><source>Qamarly Widget</source><translation>Widget Qamarly</translation></message>
    <message id="This widget will display today&apos;s Hijri date"><source>This widget will display today&apos;s Hijri date</source><translation>Widget ini menampilkan tanggal Hijriah hari ini</translation></message>
    <message id="This widget will display both Hijri and Gregorian dates"><source>This widget will display both Hijri and Gregorian dates</source><translation>Widget ini menampilkan tanggal Hijriah dan Masehi</translation></message>
    <message id="Not supported"><source>Not supported</source><translation>Tidak didukung</translation></message>
    <message id="widget.monthYear"><source>%1, %2</source><translation>%1, %2</translation></message>
    <message id="widget.close"><source>Close</source><translation>Tutup</translation></message>
    <message id="widget.menu.simpleSmall"><source>Hijri date, small</source><translation>Tanggal Hijriah, kecil</translation></message>
    <message id="widget.menu.simpleMedium"><source>Hijri date, medium</source><translation>Tanggal Hijriah, sedang</translation></message>
    <message id="widget.menu.complexMedium"><source>Hijri and Gregorian dates, medium</source><translation>Tanggal Hijriah dan Masehi, sedang</translation></message>
    <message id="widget.menu.open"><source>Open Qamarly</source><translation>Buka Qamarly</translation></message>
    <message id="widget.error.unexpected"><source>unexpected argument &apos;%1&apos;</source><translation>argumen tidak terduga &apos;%1&apos;</translation></message>
    <message id="widget.error.needsValue"><source>%1 needs a value</source><translation>%1 memerlukan nilai</translation></message>
    <message id="widget.error.unknownOption"><source>unknown option &apos;%1&apos; (see --help)</source><translation>opsi tidak dikenal &apos;%1&apos; (lihat --help)</translation></message>
    <message id="widget.error.kind"><source>unknown widget kind &apos;%1&apos; (use simple or complex)</source><translation>jenis widget tidak dikenal &apos;%1&apos; (gunakan simple atau complex)</translation></message>
    <message id="widget.error.family"><source>unknown widget family &apos;%1&apos; (use small or medium)</source><translation>ukuran widget tidak dikenal &apos;%1&apos; (gunakan small atau medium)</translation></message>
    <message id="widget.error.unsupportedFamily"><source>the %1 widget does not come in the %2 family (only %3)</source><translation>widget %1 tidak tersedia dalam ukuran %2 (hanya %3)</translation></message>
    <message id="widget.error.appearance"><source>unknown appearance &apos;%1&apos; (use light or dark)</source><translation>tampilan tidak dikenal &apos;%1&apos; (gunakan light atau dark)</translation></message>
    <message id="widget.error.noOutput"><source>say where to write the picture with -o FILE.png</source><translation>tentukan tempat menulis gambar dengan -o FILE.png</translation></message>
    <message id="widget.error.notPng"><source>&apos;%1&apos; does not end in .png; the picture is written as PNG</source><translation>&apos;%1&apos; tidak berakhiran .png; gambar ditulis sebagai PNG</translation></message>
    <message id="widget.error.instant"><source>&apos;%1&apos; is not an ISO 8601 instant (e.g. 2026-12-05T09:30:00+03:00)</source><translation>&apos;%1&apos; bukan waktu ISO 8601 (mis. 2026-12-05T09:30:00+03:00)</translation></message>
    <message id="widget.error.write"><source>could not write %1</source><translation>tidak dapat menulis %1</translation></message>
    <message id="widget.error.noDisplay"><source>no display to show the widget on (render one with: qamarly-widget render -o FILE.png)</source><translation>tidak ada layar untuk menampilkan widget (buat gambarnya dengan: qamarly-widget render -o FILE.png)</translation></message>
    <message id="widget.help.usage"><source>usage:</source><translation>penggunaan:</translation></message>
    <message id="widget.help.host"><source>shows the widget on the desktop</source><translation>menampilkan widget di desktop</translation></message>
    <message id="widget.help.timeline"><source>prints the thirty entries of the timeline built at that instant (default: now)</source><translation>menampilkan tiga puluh entri linimasa yang dibuat pada saat itu (bawaan: sekarang)</translation></message>
    <message id="widget.help.render"><source>draws the entry in force at that instant (default: now) into a PNG</source><translation>menggambar entri yang berlaku pada saat itu (bawaan: sekarang) ke berkas PNG</translation></message>
    <message id="widget.error.position"><source>--at wants a position X,Y</source><translation>--at memerlukan posisi X,Y</translation></message>
    <message id="widget.error.scale"><source>--scale wants a number from 0.25 to 8</source><translation>--scale memerlukan angka dari 0.25 sampai 8</translation></message>
</context>
</TS>
