<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>converter</name>
    <message id="converter.tabTitle"><source>Converter</source><translation>Çevirici</translation></message>
    <message id="converter.todayCaption"><source>Today</source><translation>Bugün</translation></message>
    <message id="converter.segmentGregorian"><source>Gregorian</source><translation>Miladi</translation></message>
    <message id="converter.segmentHijri"><source>Hijri</source><translation>Hicri</translation></message>
    <message id="converter.pickCaption"><source>Pick a date</source><translation>Bir tarih seçin</translation></message>
    <message id="converter.estimate"><source>Estimate: outside the Umm al-Qura table</source><translation>Tahmin: Ümmü&apos;l-Kurâ tablosunun dışında</translation></message>
    <message id="converter.estimateHint"><source>The Umm al-Qura table covers 1300 to 1600 AH; other Hijri dates are reckoned by arithmetic and may differ by a day or two.</source><translation>Ümmü&apos;l-Kurâ tablosu 1300-1600 Hicri yıllarını kapsar; öbür Hicri tarihler hesapla bulunur ve bir iki gün farklı olabilir.</translation></message>
    <message id="converter.resultCaption"><source>The same day</source><translation>Aynı gün</translation></message>
    <message id="converter.todayButton"><source>Today</source><translation>Bugün</translation></message>
    <message id="converter.changeWallpaper"><source>Change wallpaper</source><translation>Duvar kâğıdını değiştir</translation></message>
    <message id="converter.adjustmentTip"><source>Hijri adjustment</source><translation>Hicri tarih düzeltmesi</translation></message>
    <message id="converter.typedDate"><source>Date to convert (%1)</source><translation>Çevrilecek tarih (%1)</translation></message>
    <message id="converter.typedDateInvalid"><source>Not a date of this calendar; type day, month and year in this order, then Enter.</source><translation>Bu takvimde böyle bir tarih yok; günü, ayı ve yılı bu sırayla yazıp Enter&apos;a basın.</translation></message>
    <message id="converter.a11y.days" numerus="yes"><source>%n days</source><translation><numerusform>%1 gün</numerusform></translation></message>
    <message id="datepicker.day"><source>Day</source><translation>Gün</translation></message>
    <message id="datepicker.month"><source>Month</source><translation>Ay</translation></message>
    <message id="datepicker.year"><source>Year</source><translation>Yıl</translation></message>
    <message id="converter.swipeHint"><source>Drag sideways or use the arrow keys to move a day</source><translation>Bir gün ilerlemek ya da gerilemek için yana sürükleyin veya ok tuşlarını kullanın</translation></message>
    <message id="adjmsg1"><source>Hijri dates are shifted by</source><translation>Hicri tarihler</translation></message>
    <message id="adjmsg2"><source>to match the sighting of the new moon where you live. You can change this in Settings.</source><translation>kaydırıldı; böylece bulunduğunuz yerde hilalin görülmesine uyar. Bunu Ayarlar&apos;dan değiştirebilirsiniz.</translation></message>
    <message id="day"><source>day</source><translation>gün</translation></message>
    <message id="days2"><source>days</source><translation>gün</translation></message>
    <message id="goSettings"><source>Settings</source><translation>Ayarlar</translation></message>
    <message id="cancel"><source>Cancel</source><translation>İptal</translation></message>
    <message id="reset"><source>Reset to 0</source><translation>0&apos;a döndür</translation></message>
</context>
</TS>
