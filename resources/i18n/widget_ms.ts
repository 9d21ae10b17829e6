<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms">
<context>
    <name>widget</name>
    <message id="Qamarly Widget"><source>Qamarly Widget</source><translation>Widget Qamarly</translation></message>
    <message id="This widget will display today&apos;s Hijri date"><source>This widget will display today&apos;s Hijri date</source><translation>Widget ini memaparkan tarikh Hijrah hari ini</translation></message>
    <message id="This widget will display both Hijri and Gregorian dates"><source>This widget will display both Hijri and Gregorian dates</source><translation>Widget ini memaparkan tarikh Hijrah dan Masihi</translation></message>
    <message id="Not supported"><source>Not supported</source><translation>Tidak disokong</translation></message>
    <message id="widget.monthYear"><source>%1, %2</source><translation>%1, %2</translation></message>
    <message id="widget.close"><source>Close</source><translation>Tutup</translation></message>
    <message id="widget.menu.simpleSmall"><source>Hijri date, small</source><translation>Tarikh Hijrah, kecil</translation></message>
    <message id="widget.menu.simpleMedium"><source>Hijri date, medium</source><translation>Tarikh Hijrah, sederhana</translation></message>
    <message id="widget.menu.complexMedium"><source>Hijri and Gregorian dates, medium</source><translation>Tarikh Hijrah dan Masihi, sederhana</translation></message>
    <message id="widget.menu.open"><source>Open Qamarly</source><translation>Buka Qamarly</translation></message>
    <message id="widget.error.unexpected"><source>unexpected argument &apos;%1&apos;</source><translation>hujah tidak dijangka &apos;%1&apos;</translation></message>
    <message id="widget.error.needsValue"><source>%1 needs a value</source><translation>%1 memerlukan nilai</translation></message>
    <message id="widget.error.unknownOption"><source>unknown option &apos;%1&apos; (see --help)</source><translation>pilihan tidak dikenali &apos;%1&apos; (lihat --help)</translation></message>
    <message id="widget.error.kind"><source>unknown widget kind &apos;%1&apos; (use simple or complex)</source><translation>jenis widget tidak dikenali &apos;%1&apos; (gunakan simple atau complex)</translation></message>
    <message id="widget.error.family"><source>unknown widget family &apos;%1&apos; (use small or medium)</source><translation>saiz widget tidak dikenali &apos;%1&apos; (gunakan small atau medium)</translation></message>
    <message id="widget.error.unsupportedFamily"><source>the %1 widget does not come in the %2 family (only %3)</source><translation>widget %1 tiada dalam saiz %2 (hanya %3)</translation></message>
    <message id="widget.error.appearance"><source>unknown appearance &apos;%1&apos; (use light or dark)</source><translation>rupa tidak dikenali &apos;%1&apos; (gunakan light atau dark)</translation></message>
    <message id="widget.error.noOutput"><source>say where to write the picture with -o FILE.png</source><translation>nyatakan tempat gambar ditulis dengan -o FILE.png</translation></message>
    <message id="widget.error.notPng"><source>&apos;%1&apos; does not end in .png; the picture is written as PNG</source><translation>&apos;%1&apos; tidak berakhir dengan .png; gambar ditulis sebagai PNG</translation></message>
    <message id="widget.error.instant"><source>&apos;%1&apos; is not an ISO 8601 instant (e.g. 2026-12-05T09:30:00+03:00)</source><translation>&apos;%1&apos; bukan masa ISO 8601 (cth. 2026-12-05T09:30:00+03:00)</translation></message>
    <message id="widget.error.write"><source>could not write %1</source><translation>tidak dapat menulis %1</translation></message>
    <message id="widget.error.noDisplay"><source>no display to show the widget on (render one with: qamarly-widget render -o FILE.png)</source><translation>tiada paparan untuk menunjukkan widget (jana gambarnya dengan: qamarly-widget render -o FILE.png)</translation></message>
    <message id="widget.help.usage"><source>usage:</source><translation>penggunaan:</translation></message>
    <message id="widget.help.host"><source>shows the widget on the desktop</source><translation>memaparkan widget pada desktop</translation></message>
    <message id="widget.help.timeline"><source>prints the thirty entries of the timeline built at that instant (default: now)</source><translation>memaparkan tiga puluh entri garis masa yang dibina pada saat itu (lalai: sekarang)</translation></message>
    <message id="widget.help.render"><source>draws the entry in force at that instant (default: now) into a PNG</source><translation>melukis entri yang berkuat kuasa pada saat itu (lalai: sekarang) ke dalam PNG</translation></message>
    <message id="widget.error.position"><source>--at wants a position X,Y</source><translation>--at memerlukan kedudukan X,Y</translation></message>
    <message id="widget.error.scale"><source>--scale wants a number from 0.25 to 8</source><translation>--scale memerlukan nombor dari 0.25 hingga 8</translation></message>
</context>
</TS>
