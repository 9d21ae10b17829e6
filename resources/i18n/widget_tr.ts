<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>widget</name>
    <message id="Qamarly Widget"><source>Qamarly Widget</source><translation>Qamarly Araç Takımı</translation></message>
    <message id="This widget will display today&apos;s Hijri date"><source>This widget will display today&apos;s Hijri date</source><translation>Bu araç takımı bugünün Hicri tarihini gösterir</translation></message>
    <message id="This widget will display both Hijri and Gregorian dates"><source>This widget will display both Hijri and Gregorian dates</source><translation>Bu araç takımı hem Hicri hem Miladi tarihi gösterir</translation></message>
    <message id="Not supported"><source>Not supported</source><translation>Desteklenmiyor</translation></message>
    <message id="widget.monthYear"><source>%1, %2</source><translation>%1 %2</translation></message>
    <message id="widget.close"><source>Close</source><translation>Kapat</translation></message>
    <message id="widget.menu.simpleSmall"><source>Hijri date, small</source><translation>Hicri tarih, küçük</translation></message>
    <message id="widget.menu.simpleMedium"><source>Hijri date, medium</source><translation>Hicri tarih, orta</translation></message>
    <message id="widget.menu.complexMedium"><source>Hijri and Gregorian dates, medium</source><translation>Hicri ve Miladi tarih, orta</translation></message>
    <message id="widget.menu.open"><source>Open Qamarly</source><translation>Qamarly&apos;yi aç</translation></message>
    <message id="widget.error.unexpected"><source>unexpected argument &apos;%1&apos;</source><translation>beklenmeyen bağımsız değişken &apos;%1&apos;</translation></message>
    <message id="widget.error.needsValue"><source>%1 needs a value</source><translation>%1 bir değer gerektirir</translation></message>
    <message id="widget.error.unknownOption"><source>unknown option &apos;%1&apos; (see --help)</source><translation>bilinmeyen seçenek &apos;%1&apos; (bkz. --help)</translation></message>
    <message id="widget.error.kind"><source>unknown widget kind &apos;%1&apos; (use simple or complex)</source><translation>bilinmeyen araç takımı türü &apos;%1&apos; (simple ya da complex kullanın)</translation></message>
    <message id="widget.error.family"><source>unknown widget family &apos;%1&apos; (use small or medium)</source><translation>bilinmeyen araç takımı boyutu &apos;%1&apos; (small ya da medium kullanın)</translation></message>
    <message id="widget.error.unsupportedFamily"><source>the %1 widget does not come in the %2 family (only %3)</source><translation>%1 araç takımının %2 boyutu yok (yalnızca %3)</translation></message>
    <message id="widget.error.appearance"><source>unknown appearance &apos;%1&apos; (use light or dark)</source><translation>bilinmeyen görünüm &apos;%1&apos; (light ya da dark kullanın)</translation></message>
    <message id="widget.error.noOutput"><source>say where to write the picture with -o FILE.png</source><translation>resmin nereye yazılacağını -o FILE.png ile belirtin</translation></message>
    <message id="widget.error.notPng"><source>&apos;%1&apos; does not end in .png; the picture is written as PNG</source><translation>&apos;%1&apos; .png ile bitmiyor; resim PNG olarak yazılır</translation></message>
    <message id="widget.error.instant"><source>&apos;%1&apos; is not an ISO 8601 instant (e.g. 2026-12-05T09:30:00+03:00)</source><translation>&apos;%1&apos; bir ISO 8601 zamanı değil (örn. 2026-12-05T09:30:00+03:00)</translation></message>
    <message id="widget.error.write"><source>could not write %1</source><translation>%1 yazılamadı</translation></message>
    <message id="widget.error.noDisplay"><source>no display to show the widget on (render one with: qamarly-widget render -o FILE.png)</source><translation>araç takımını gösterecek bir ekran yok (resmini şununla oluşturun: qamarly-widget render -o FILE.png)</translation></message>
    <message id="widget.help.usage"><source>usage:</source><translation>kullanım:</translation></message>
    <message id="widget.help.host"><source>shows the widget on the desktop</source><translation>araç takımını masaüstünde gösterir</translation></message>
    <message id="widget.help.timeline"><source>prints the thirty entries of the timeline built at that instant (default: now)</source><translation>o anda kurulan zaman çizelgesinin otuz girdisini yazar (varsayılan: şimdi)</translation></message>
    <message id="widget.help.render"><source>draws the entry in force at that instant (default: now) into a PNG</source><translation>o anda geçerli girdiyi bir PNG dosyasına çizer (varsayılan: şimdi)</translation></message>
    <message id="widget.error.position"><source>--at wants a position X,Y</source><translation>--at bir X,Y konumu ister</translation></message>
    <message id="widget.error.scale"><source>--scale wants a number from 0.25 to 8</source><translation>--scale 0.25 ile 8 arasında bir sayı ister</translation></message>
</context>
</TS>
