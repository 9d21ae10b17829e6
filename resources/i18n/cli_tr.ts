<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>cli</name>
    <message id="cli.hijri"><source>Hijri</source><translation>Hicri</translation></message>
    <message id="cli.gregorian"><source>Gregorian</source><translation>Miladi</translation></message>
    <message id="cli.adjustment"><source>Hijri adjustment</source><translation>Hicri tarih düzeltmesi</translation></message>
    <message id="cli.days" numerus="yes"><source>%n days</source><translation><numerusform>%1 gün</numerusform></translation></message>
    <message id="cli.help.window"><source>With no command the application window opens.</source><translation>Komut verilmezse uygulama penceresi açılır.</translation></message>
    <message id="cli.help.commands"><source>Commands (add --help after one for its own help):</source><translation>Komutlar (bir komuttan sonra --help yazarak o komutun yardımını görün):</translation></message>
    <message id="cli.help.options"><source>Options:</source><translation>Seçenekler:</translation></message>
    <message id="cli.help.help"><source>print this help and exit</source><translation>bu yardımı gösterip çık</translation></message>
    <message id="cli.help.version"><source>print the version and exit</source><translation>sürümü gösterip çık</translation></message>
    <message id="cli.help.today"><source>Prints today&apos;s date on the Hijri and Gregorian calendars.</source><translation>Bugünün tarihini Hicri ve Miladi takvimde gösterir.</translation></message>
    <message id="cli.help.convert"><source>Converts a day from one calendar to the other (--from says which one the day is on).</source><translation>Bir günü bir takvimden öbürüne çevirir (--from günün hangi takvimde olduğunu söyler).</translation></message>
    <message id="cli.help.range"><source>Counts the days, and the years, months and days, from FROM to TO.</source><translation>FROM ile TO arasındaki günleri ve yıl, ay, gün olarak süreyi sayar.</translation></message>
    <message id="cli.help.settings"><source>Shows the shared settings, or changes one of them.</source><translation>Ortak ayarları gösterir ya da birini değiştirir.</translation></message>
    <message id="cli.help.notifications"><source>Shows the planned or pending notifications, or plans them again.</source><translation>Planlanmış ya da bekleyen bildirimleri gösterir veya onları yeniden planlar.</translation></message>
    <message id="cli.help.occasions"><source>Lists this Hijri year&apos;s occasions and how long until or since each; --ics writes them, for N years from this one, as an iCalendar file to import or subscribe to.</source><translation>Bu Hicri yılın dinî günlerini ve her birine kalan ya da üzerinden geçen süreyi listeler; --ics bunları bu yıldan başlayarak N yıl için, içe aktarılacak ya da abone olunacak bir iCalendar dosyası olarak yazar.</translation></message>
    <message id="cli.error.unknownOption"><source>unknown option &apos;%1&apos; (see --help)</source><translation>bilinmeyen seçenek &apos;%1&apos; (bkz. --help)</translation></message>
    <message id="cli.error.unknownCommand"><source>unknown command &apos;%1&apos; (see qamarly --help)</source><translation>bilinmeyen komut &apos;%1&apos; (bkz. qamarly --help)</translation></message>
    <message id="cli.error.unexpected"><source>unexpected argument &apos;%1&apos;</source><translation>beklenmeyen bağımsız değişken &apos;%1&apos;</translation></message>
    <message id="cli.error.needsValue"><source>option --%1 needs a value</source><translation>--%1 seçeneği bir değer gerektirir</translation></message>
    <message id="cli.error.missing"><source>missing %1</source><translation>%1 eksik</translation></message>
    <message id="cli.error.badYears"><source>&apos;%1&apos; is not a number of years from 1 to %2</source><translation>&apos;%1&apos;, 1 ile %2 arasında bir yıl sayısı değil</translation></message>
    <message id="cli.error.unknownCalendar"><source>unknown calendar &apos;%1&apos; (use gregorian or hijri)</source><translation>bilinmeyen takvim &apos;%1&apos; (gregorian ya da hijri kullanın)</translation></message>
    <message id="cli.error.notADay"><source>&apos;%1&apos; is not a day on the %2 calendar (expected YYYY-MM-DD)</source><translation>&apos;%1&apos;, %2 takviminde bir gün değil (YYYY-MM-DD bekleniyordu)</translation></message>
    <message id="cli.error.outOfRange"><source>&apos;%1&apos; lies outside the days Qamarly can convert (1 Muharram 1 AH to 31 December 9999)</source><translation>&apos;%1&apos;, Qamarly&apos;nin çevirebildiği günlerin dışında (1 Muharrem 1 Hicri ile 31 Aralık 9999 arası)</translation></message>
    <message id="cli.estimate"><source>Estimate: this Hijri date lies outside the Umm al-Qura table (1300 to 1600 AH) and is reckoned by arithmetic; it may differ by a day or two</source><translation>Tahmin: bu Hicri tarih Ümmü&apos;l-Kurâ tablosunun (1300-1600 Hicri) dışında ve hesapla bulundu; bir iki gün farklı olabilir</translation></message>
    <message id="cli.what.date"><source>date (YYYY-MM-DD)</source><translation>tarih (YYYY-MM-DD)</translation></message>
    <message id="cli.what.dates"><source>dates (FROM TO, each YYYY-MM-DD)</source><translation>tarihler (FROM TO, her biri YYYY-MM-DD)</translation></message>
    <message id="cli.help.usage"><source>usage: %1</source><translation>kullanım: %1</translation></message>
    <message id="cli.settings.notAWallpaper"><source>(stored %1 is not a wallpaper)</source><translation>(kayıtlı %1 bir duvar kâğıdı değil)</translation></message>
    <message id="cli.settings.never"><source>(never)</source><translation>(hiç)</translation></message>
    <message id="cli.settings.nothing"><source>(nothing)</source><translation>(boş)</translation></message>
    <message id="cli.settings.noFolders"><source>(none)</source><translation>(yok)</translation></message>
    <message id="cli.settings.storedIn"><source>stored in %1</source><translation>%1 içinde saklanıyor</translation></message>
    <message id="cli.settings.storedInReadOnly"><source>stored in %1 (cannot be written: changes cannot be saved)</source><translation>%1 içinde saklanıyor (yazılamıyor: değişiklikler kaydedilemez)</translation></message>
    <message id="cli.settings.storedAt"><source>(stored in %1)</source><translation>(%1 içinde saklandı)</translation></message>
    <message id="cli.settings.planNotUpdated"><source>%1; the notification plan was not brought up to date</source><translation>%1; bildirim planı güncellenmedi</translation></message>
    <message id="cli.settings.unknownKey"><source>unknown key &apos;%1&apos; (known: %2)</source><translation>bilinmeyen anahtar &apos;%1&apos; (bilinenler: %2)</translation></message>
    <message id="cli.settings.takesBoolean"><source>%1 takes true or false, not &apos;%2&apos;</source><translation>%1 true ya da false alır, &apos;%2&apos; değil</translation></message>
    <message id="cli.settings.takesNumber"><source>%1 takes a whole number, not &apos;%2&apos;</source><translation>%1 bir tam sayı alır, &apos;%2&apos; değil</translation></message>
    <message id="cli.settings.takesNumberBetween"><source>%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source><translation>%1, %2 ile %3 arasında bir tam sayı alır, &apos;%4&apos; değil</translation></message>
    <message id="cli.settings.notStored"><source>could not store %1 in %2; nothing was changed</source><translation>%1, %2 içine kaydedilemedi; hiçbir şey değişmedi</translation></message>
    <message id="cli.settings.notStoredReadOnly"><source>could not store %1 in %2: the settings folder cannot be written; nothing was changed</source><translation>%1, %2 içine kaydedilemedi: ayarlar klasörüne yazılamıyor; hiçbir şey değişmedi</translation></message>
    <message id="cli.settings.unknownAction"><source>unknown action &apos;%1&apos; (use: settings set KEY VALUE)</source><translation>bilinmeyen işlem &apos;%1&apos; (kullanın: settings set KEY VALUE)</translation></message>
    <message id="cli.settings.notACalendarFolder"><source>%1 is not one of the calendar folders</source><translation>%1 takvim klasörlerinden biri değil</translation></message>
    <message id="cli.settings.notAFolder"><source>%1 is not a folder</source><translation>%1 bir klasör değil</translation></message>
    <message id="cli.settings.foldersNotStored"><source>could not store %1; nothing was changed</source><translation>%1 kaydedilemedi; hiçbir şey değişmedi</translation></message>
    <message id="cli.notifications.inSeconds"><source>in %1 s</source><translation>%1 sn sonra</translation></message>
    <message id="cli.notifications.at"><source>at %1</source><translation>zaman %1</translation></message>
    <message id="cli.notifications.badge"><source>badge %1</source><translation>rozet %1</translation></message>
    <message id="cli.notifications.unavailable"><source>%1; notifications cannot be listed or scheduled.</source><translation>%1; bildirimler listelenemez ya da planlanamaz.</translation></message>
    <message id="cli.notifications.notAllowed"><source>notifications are not allowed; nothing is scheduled and the badge is cleared. Allow them in Qamarly first.</source><translation>bildirimlere izin verilmiyor; hiçbir şey planlanmadı ve rozet temizlendi. Önce Qamarly&apos;de izin verin.</translation></message>
    <message id="cli.notifications.count" numerus="yes"><source>%n notifications</source><translation><numerusform>%1 bildirim</numerusform></translation></message>
    <message id="cli.notifications.pendingCount" numerus="yes"><source>%n notifications pending</source><translation><numerusform>%1 bildirim bekliyor</numerusform></translation></message>
    <message id="cli.help.language"><source>open the window in this language (%1), with its dates as the language writes them</source><translation>pencereyi bu dilde (%1) ve tarihleri o dilin yazdığı gibi açar</translation></message>
    <message id="cli.help.screenshots"><source>write a picture of every screen to DIR, then quit</source><translation>her ekranın resmini DIR içine yazıp çıkar</translation></message>
</context>
</TS>
