<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>settings</name>
    <message id="settings.tabTitle"><source>Settings</source><translation>Ayarlar</translation></message>
    <message id="settings.adjustmentCaption"><source>Hijri adjustment</source><translation>Hicri tarih düzeltmesi</translation></message>
    <message id="settings.adjustmentUnit"><source>days</source><translation>gün</translation></message>
    <message id="settings.adjustmentHint"><source>Shift every Hijri date by whole days to match the sighting of the new moon where you live.</source><translation>Bulunduğunuz yerde hilalin görülmesine uyması için her Hicri tarihi tam günlerle ileri ya da geri kaydırın.</translation></message>
    <message id="settings.stepperCaption"><source>Adjustment in days</source><translation>Gün olarak düzeltme</translation></message>
    <message id="settings.adjustmentRefused"><source>%1 is not an adjustment: whole days from %2 to %3</source><translation>%1 geçerli bir düzeltme değil: %2 ile %3 arasında tam gün olmalı</translation></message>
    <message id="settings.weekStart"><source>Weeks start on</source><translation>Hafta şu gün başlar</translation></message>
    <message id="settings.weekStartLocale"><source>As the language has it</source><translation>Dile göre</translation></message>
    <message id="settings.increment"><source>One day later</source><translation>Bir gün sonra</translation></message>
    <message id="settings.decrement"><source>One day earlier</source><translation>Bir gün önce</translation></message>
    <message id="settings.feedback"><source>Send feedback</source><translation>Geri bildirim gönder</translation></message>
    <message id="settings.tellFriend"><source>Tell a friend</source><translation>Bir arkadaşına anlat</translation></message>
    <message id="settings.rate"><source>Rate Qamarly</source><translation>Qamarly&apos;yi değerlendir</translation></message>
    <message id="settings.rateUnavailable"><source>The store page to rate Qamarly could not be opened: no store is set up on this computer, or it could not be reached.</source><translation>Qamarly&apos;yi değerlendirme sayfası açılamadı: bu bilgisayarda bir mağaza ayarlı değil ya da mağazaya ulaşılamadı.</translation></message>
    <message id="settings.linkUnavailable"><source>No program on this computer opens %1. Open it in a browser to visit it.</source><translation>Bu bilgisayarda %1 adresini açan bir program yok. Ziyaret etmek için bir tarayıcıda açın.</translation></message>
    <message id="settings.ourApps"><source>Our other apps</source><translation>Öbür uygulamalarımız</translation></message>
    <message id="settings.social"><source>Follow us on Facebook</source><translation>Bizi Facebook&apos;ta takip edin</translation></message>
    <message id="settings.more"><source>Wallpaper and notifications</source><translation>Duvar kâğıdı ve bildirimler</translation></message>
    <message id="notice"><source>Notice</source><translation>Bilgi</translation></message>
    <message id="emailErrorMsg"><source>No mail program is set up on this computer. Write to us at %1 from any mail service.</source><translation>Bu bilgisayarda bir e-posta programı ayarlı değil. Herhangi bir e-posta hizmetinden bize %1 adresine yazın.</translation></message>
    <message id="emailBody"><source>Write your feedback or suggestion here:</source><translation>Görüşünüzü ya da önerinizi buraya yazın:</translation></message>
    <message id="TellFriend"><source>I use Qamarly for the Hijri date, the Gregorian date and the Islamic occasions. Try it: https://qamarly.org</source><translation>Hicri tarih, Miladi tarih ve İslami dinî günler için Qamarly kullanıyorum. Sen de dene: https://qamarly.org</translation></message>
</context>
</TS>
