<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>calendarscreen</name>
    <message id="calendarscreen.tabTitle"><source>Calendar</source><translation>Takvim</translation></message>
    <message id="calendarscreen.segmentGregorian"><source>Gregorian</source><translation>Miladi</translation></message>
    <message id="calendarscreen.segmentUmmAlQura"><source>Umm al-Qura</source><translation>Ümmü&apos;l-Kurâ</translation></message>
    <message id="calendarscreen.today"><source>Today</source><translation>Bugün</translation></message>
    <message id="calendarscreen.add"><source>+</source><translation>+</translation></message>
    <message id="calendarscreen.addEvent"><source>Add event</source><translation>Etkinlik ekle</translation></message>
    <message id="calendarscreen.a11y.list"><source>Events of the selected day</source><translation>Seçili günün etkinlikleri</translation></message>
    <message id="calendarscreen.a11y.gridCalendar"><source>Calendar of the grid</source><translation>Tablonun takvimi</translation></message>
    <message id="calendarscreen.a11y.calendar"><source>calendar %1</source><translation>%1 takvimi</translation></message>
    <message id="calendarscreen.a11y.noEvents"><source>no events</source><translation>etkinlik yok</translation></message>
    <message id="calendarscreen.a11y.events" numerus="yes"><source>%n events</source><translation><numerusform>%1 etkinlik</numerusform></translation></message>
    <message id="calendarscreen.noEvents"><source>No events</source><translation>Etkinlik yok</translation></message>
    <message id="calendarscreen.deleteTitle"><source>Delete Event</source><translation>Etkinliği Sil</translation></message>
    <message id="calendarscreen.deleteMessage"><source>“%1” will be deleted.</source><translation>“%1” silinecek.</translation></message>
    <message id="calendarscreen.deleteConfirm"><source>Delete</source><translation>Sil</translation></message>
    <message id="calendarscreen.cancel"><source>Cancel</source><translation>İptal</translation></message>
    <message id="calendarscreen.ok"><source>OK</source><translation>Tamam</translation></message>
    <message id="calendarscreen.copiedTitle"><source>Event Copied</source><translation>Etkinlik Kopyalandı</translation></message>
    <message id="calendarscreen.copiedMessage"><source>The event is on the clipboard, as text and as a calendar file.</source><translation>Etkinlik panoda; hem metin hem de takvim dosyası olarak.</translation></message>
    <message id="calendarscreen.errorTitle"><source>Could Not Change the Calendar</source><translation>Takvim Değiştirilemedi</translation></message>
    <message id="events.editor.newTitle"><source>New Event</source><translation>Yeni Etkinlik</translation></message>
    <message id="events.editor.editTitle"><source>Edit Event</source><translation>Etkinliği Düzenle</translation></message>
    <message id="events.editor.title"><source>Title</source><translation>Başlık</translation></message>
    <message id="events.editor.titlePlaceholder"><source>Title</source><translation>Başlık</translation></message>
    <message id="events.editor.location"><source>Location</source><translation>Konum</translation></message>
    <message id="events.editor.locationPlaceholder"><source>Location</source><translation>Konum</translation></message>
    <message id="events.editor.allDay"><source>All-day</source><translation>Tüm gün</translation></message>
    <message id="events.editor.starts"><source>Starts</source><translation>Başlangıç</translation></message>
    <message id="events.editor.ends"><source>Ends</source><translation>Bitiş</translation></message>
    <message id="events.editor.calendar"><source>Calendar</source><translation>Takvim</translation></message>
    <message id="events.editor.save"><source>Save</source><translation>Kaydet</translation></message>
    <message id="events.editor.cancel"><source>Cancel</source><translation>İptal</translation></message>
    <message id="events.editor.untitled"><source>New Event</source><translation>Yeni Etkinlik</translation></message>
    <message id="events.editor.noCalendar"><source>There is no calendar that can be written to.</source><translation>Yazılabilecek bir takvim yok.</translation></message>
    <message id="events.editor.endBeforeStart"><source>The event cannot end before it starts.</source><translation>Etkinlik başlamadan bitemez.</translation></message>
    <message id="events.editor.saveFailed"><source>The event could not be saved: %1</source><translation>Etkinlik kaydedilemedi: %1</translation></message>
    <message id="events.viewer.windowTitle"><source>Event</source><translation>Etkinlik</translation></message>
    <message id="events.viewer.calendar"><source>Calendar: %1</source><translation>Takvim: %1</translation></message>
    <message id="events.viewer.edit"><source>Edit</source><translation>Düzenle</translation></message>
    <message id="events.viewer.done"><source>Done</source><translation>Bitti</translation></message>
    <message id="events.editor.notes"><source>Notes</source><translation>Notlar</translation></message>
    <message id="events.editor.deleteFailed"><source>The event could not be deleted: %1</source><translation>Etkinlik silinemedi: %1</translation></message>
    <message id="events.editor.repeat"><source>Repeat</source><translation>Tekrar</translation></message>
    <message id="events.editor.endRepeat"><source>End repeat</source><translation>Tekrarın sonu</translation></message>
    <message id="events.repeat.never"><source>Never</source><translation>Hiçbir zaman</translation></message>
    <message id="events.repeat.daily"><source>Every day</source><translation>Her gün</translation></message>
    <message id="events.repeat.weekly"><source>Every week</source><translation>Her hafta</translation></message>
    <message id="events.repeat.monthly"><source>Every month</source><translation>Her ay</translation></message>
    <message id="events.repeat.yearly"><source>Every year</source><translation>Her yıl</translation></message>
    <message id="events.repeat.hijriMonthly"><source>Every Hijri month</source><translation>Her Hicri ay</translation></message>
    <message id="events.repeat.hijriYearly"><source>Every Hijri year</source><translation>Her Hicri yıl</translation></message>
    <message id="events.repeat.other"><source>Custom</source><translation>Özel</translation></message>
    <message id="events.repeat.skipForward"><source>A 30th in a 29-day month: the day after</source><translation>29 günlük ayda 30&apos;u: ertesi gün</translation></message>
    <message id="events.repeat.skipBackward"><source>A 30th in a 29-day month: the 29th</source><translation>29 günlük ayda 30&apos;u: ayın 29&apos;u</translation></message>
    <message id="events.repeat.endNever"><source>Never</source><translation>Hiçbir zaman</translation></message>
    <message id="events.repeat.endOn"><source>On date</source><translation>Tarihte</translation></message>
    <message id="events.repeat.endAfter"><source>After</source><translation>Şu kadar sonra</translation></message>
    <message id="events.repeat.times"><source> times</source><translation> kez</translation></message>
    <message id="events.editor.repeatEndsBeforeStart"><source>The repeat cannot end before the event starts.</source><translation>Tekrar, etkinlik başlamadan bitemez.</translation></message>
    <message id="events.editor.repeatForSeries"><source>The repeat of a series changes for all its events or for this and the following ones.</source><translation>Bir dizinin tekrarı ya tüm etkinlikleri ya da bu ve sonraki etkinlikler için değişir.</translation></message>
    <message id="events.viewer.unfollowedRule"><source>This event repeats by a rule Qamarly cannot follow; only its first occurrence is shown.</source><translation>Bu etkinlik Qamarly&apos;nin izleyemediği bir kurala göre tekrarlanıyor; yalnızca ilk tekrarı gösteriliyor.</translation></message>
    <message id="events.access.windowTitle"><source>Qamarly</source><translation>Qamarly</translation></message>
    <message id="events.access.title"><source>“Qamarly” Would Like to Access Your Calendars</source><translation>“Qamarly” Takvimlerinize Erişmek İstiyor</translation></message>
    <message id="events.access.message"><source>Your events of the selected day are shown under the calendar.</source><translation>Seçili günün etkinlikleriniz takvimin altında gösterilir.</translation></message>
    <message id="events.access.deny"><source>Don’t Allow</source><translation>İzin Verme</translation></message>
    <message id="events.access.allow"><source>OK</source><translation>Tamam</translation></message>
    <message id="appSettings.calendars"><source>Calendars</source><translation>Takvimler</translation></message>
    <message id="appSettings.calendarAccess"><source>Allow access to calendars</source><translation>Takvimlere erişime izin ver</translation></message>
    <message id="cli.help.events"><source>Lists the calendar events of a day (today by default), as the calendar tab shows them, or adds, changes or deletes one. Times without an offset are in the event’s own zone. Bad input exits with 2 and a change the calendar refused with 1; nothing is written then.</source><translation>Bir günün (varsayılan olarak bugünün) takvim etkinliklerini takvim sekmesinin gösterdiği gibi listeler ya da bir etkinlik ekler, değiştirir veya siler. Ofseti olmayan saatler etkinliğin kendi saat dilimindedir. Hatalı girdide 2, takvimin reddettiği bir değişiklikte 1 koduyla çıkar; bu durumda hiçbir şey yazılmaz.</translation></message>
    <message id="events.span.thisEvent"><source>This event</source><translation>Bu etkinlik</translation></message>
    <message id="events.span.futureEvents"><source>This and following events</source><translation>Bu ve sonraki etkinlikler</translation></message>
    <message id="events.span.allEvents"><source>All events</source><translation>Tüm etkinlikler</translation></message>
    <message id="events.span.saveTitle"><source>Change a Repeating Event</source><translation>Tekrarlanan Etkinliği Değiştir</translation></message>
    <message id="events.span.saveMessage"><source>“%1” repeats. Which of its occurrences does the change apply to?</source><translation>“%1” tekrarlanıyor. Değişiklik hangi tekrarlarına uygulansın?</translation></message>
    <message id="calendarscreen.deleteRepeatingMessage"><source>“%1” repeats. Which of its occurrences should be deleted?</source><translation>“%1” tekrarlanıyor. Hangi tekrarları silinsin?</translation></message>
    <message id="appSettings.calendarFoldersNote"><source>Calendar folders that other programs keep in sync (a vdirsyncer or khal collection) are listed below.</source><translation>Başka programların eşitlediği takvim klasörleri (bir vdirsyncer ya da khal koleksiyonu) aşağıda listelenir.</translation></message>
    <message id="appSettings.addCalendarFolder"><source>Add Folder…</source><translation>Klasör Ekle…</translation></message>
    <message id="appSettings.removeCalendarFolder"><source>Remove</source><translation>Kaldır</translation></message>
    <message id="appSettings.chooseCalendarFolder"><source>Choose a Calendar Folder</source><translation>Bir Takvim Klasörü Seçin</translation></message>
    <message id="calendarscreen.eventFrom"><source>From %1</source><translation>Başlangıç %1</translation></message>
    <message id="calendarscreen.eventTo"><source>To %1</source><translation>Bitiş %1</translation></message>
    <message id="calendarscreen.allDay"><source>All Day</source><translation>Tüm Gün</translation></message>
    <message id="calendarscreen.durationJoin"><source>%1, %2</source><translation>%1, %2</translation></message>
    <message id="calendarscreen.rowDelete"><source>Delete</source><translation>Sil</translation></message>
    <message id="calendarscreen.rowShare"><source>Share</source><translation>Paylaş</translation></message>
    <message id="calendarscreen.rowMore"><source>More</source><translation>Diğer</translation></message>
    <message id="calendarscreen.durationDays" numerus="yes"><source>%n d</source><translation><numerusform>%1 g</numerusform></translation></message>
    <message id="calendarscreen.durationHours" numerus="yes"><source>%n h</source><translation><numerusform>%1 sa</numerusform></translation></message>
    <message id="calendarscreen.durationMinutes" numerus="yes"><source>%n m</source><translation><numerusform>%1 dk</numerusform></translation></message>
    <message id="events.import.title"><source>Add Events</source><translation>Etkinlik Ekle</translation></message>
    <message id="events.import.heading"><source>Events in “%1”:</source><translation>“%1” içindeki etkinlikler:</translation></message>
    <message id="events.import.add"><source>Add to Calendar</source><translation>Takvime Ekle</translation></message>
    <message id="events.import.close"><source>Close</source><translation>Kapat</translation></message>
    <message id="events.import.cannotOpen"><source>“%1” cannot be opened</source><translation>“%1” açılamıyor</translation></message>
    <message id="events.import.untitled"><source>Untitled</source><translation>Başlıksız</translation></message>
    <message id="events.import.repeats"><source>Repeats</source><translation>Tekrarlanır</translation></message>
    <message id="events.import.noAccess"><source>Qamarly may not use your calendars yet: allow it in the Calendar tab, then try again.</source><translation>Qamarly henüz takvimlerinizi kullanamıyor: Takvim sekmesinde izin verip yeniden deneyin.</translation></message>
    <message id="events.import.done"><source>%1: %2 added, %3 updated, %4 already there.</source><translation>%1: %2 eklendi, %3 güncellendi, %4 zaten vardı.</translation></message>
    <message id="cli.help.import"><source>Adds the events of an iCalendar file (an invitation, another program’s export; - reads standard input) to a calendar: the first one that can be written, unless --calendar names another. An event the calendar holds already is left as it is unless the file has a later version of it. Exits with 1 when an event could not be added, and says which.</source><translation>Bir iCalendar dosyasındaki etkinlikleri (bir davet, başka bir programın dışa aktardığı; - standart girdiyi okur) bir takvime ekler: --calendar başkasını söylemedikçe yazılabilen ilk takvime. Takvimde zaten olan bir etkinlik, dosyada daha yeni bir sürümü yoksa olduğu gibi bırakılır. Bir etkinlik eklenemezse 1 koduyla çıkar ve hangisi olduğunu söyler.</translation></message>
</context>
</TS>
