<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms">
<context>
    <name>calendarscreen</name>
    <message id="calendarscreen.tabTitle"><source>Calendar</source><translation>Kalendar</translation></message>
    <message id="calendarscreen.segmentGregorian"><source>Gregorian</source><translation>Masihi</translation></message>
    <message id="calendarscreen.segmentUmmAlQura"><source>Umm al-Qura</source><translation>Umm al-Qura</translation></message>
    <message id="calendarscreen.today"><source>Today</source><translation>Hari ini</translation></message>
    <message id="calendarscreen.add"><source>+</source><translation>+</translation></message>
    <message id="calendarscreen.addEvent"><source>Add event</source><translation>Tambah acara</translation></message>
    <message id="calendarscreen.a11y.list"><source>Events of the selected day</source><translation>Acara pada hari yang dipilih</translation></message>
    <message id="calendarscreen.a11y.gridCalendar"><source>Calendar of the grid</source><translation>Kalendar grid</translation></message>
    <message id="calendarscreen.a11y.calendar"><source>calendar %1</source><translation>kalendar %1</translation></message>
    <message id="calendarscreen.a11y.noEvents"><source>no events</source><translation>tiada acara</translation></message>
    <message id="calendarscreen.a11y.events" numerus="yes"><source>%n events</source><translation><numerusform>%1 acara</numerusform></translation></message>
    <message id="calendarscreen.noEvents"><source>No events</source><translation>Tiada acara</translation></message>
    <message id="calendarscreen.deleteTitle"><source>Delete Event</source><translation>Padam Acara</translation></message>
    <message id="calendarscreen.deleteMessage"><source>“%1” will be deleted.</source><translation>“%1” akan dipadam.</translation></message>
    <message id="calendarscreen.deleteConfirm"><source>Delete</source><translation>Padam</translation></message>
    <message id="calendarscreen.cancel"><source>Cancel</source><translation>Batal</translation></message>
    <message id="calendarscreen.ok"><source>OK</source><translation>OK</translation></message>
    <message id="calendarscreen.copiedTitle"><source>Event Copied</source><translation>Acara Disalin</translation></message>
    <message id="calendarscreen.copiedMessage"><source>The event is on the clipboard, as text and as a calendar file.</source><translation>Acara berada di papan keratan, sebagai teks dan sebagai fail kalendar.</translation></message>
    <message id="calendarscreen.errorTitle"><source>Could Not Change the Calendar</source><translation>Kalendar Tidak Dapat Diubah</translation></message>
    <message id="events.editor.newTitle"><source>New Event</source><translation>Acara Baharu</translation></message>
    <message id="events.editor.editTitle"><source>Edit Event</source><translation>Sunting Acara</translation></message>
    <message id="events.editor.title"><source>Title</source><translation>Tajuk</translation></message>
    <message id="events.editor.titlePlaceholder"><source>Title</source><translation>Tajuk</translation></message>
    <message id="events.editor.location"><source>Location</source><translation>Lokasi</translation></message>
    <message id="events.editor.locationPlaceholder"><source>Location</source><translation>Lokasi</translation></message>
    <message id="events.editor.allDay"><source>All-day</source><translation>Sepanjang hari</translation></message>
    <message id="events.editor.starts"><source>Starts</source><translation>Mula</translation></message>
    <message id="events.editor.ends"><source>Ends</source><translation>Tamat</translation></message>
    <message id="events.editor.calendar"><source>Calendar</source><translation>Kalendar</translation></message>
    <message id="events.editor.save"><source>Save</source><translation>Simpan</translation></message>
    <message id="events.editor.cancel"><source>Cancel</source><translation>Batal</translation></message>
    <message id="events.editor.untitled"><source>New Event</source><translation>Acara Baharu</translation></message>
    <message id="events.editor.noCalendar"><source>There is no calendar that can be written to.</source><translation>Tiada kalendar yang boleh ditulis.</translation></message>
    <message id="events.editor.endBeforeStart"><source>The event cannot end before it starts.</source><translation>Acara tidak boleh tamat sebelum ia bermula.</translation></message>
    <message id="events.editor.saveFailed"><source>The event could not be saved: %1</source><translation>Acara tidak dapat disimpan: %1</translation></message>
    <message id="events.viewer.windowTitle"><source>Event</source><translation>Acara</translation></message>
    <message id="events.viewer.calendar"><source>Calendar: %1</source><translation>Kalendar: %1</translation></message>
    <message id="events.viewer.edit"><source>Edit</source><translation>Sunting</translation></message>
    <message id="events.viewer.done"><source>Done</source><translation>Selesai</translation></message>
    <message id="events.editor.notes"><source>Notes</source><translation>Nota</translation></message>
    <message id="events.editor.deleteFailed"><source>The event could not be deleted: %1</source><translation>Acara tidak dapat dipadam: %1</translation></message>
    <message id="events.editor.repeat"><source>Repeat</source><translation>Ulang</translation></message>
    <message id="events.editor.endRepeat"><source>End repeat</source><translation>Tamat ulangan</translation></message>
    <message id="events.repeat.never"><source>Never</source><translation>Tidak pernah</translation></message>
    <message id="events.repeat.daily"><source>Every day</source><translation>Setiap hari</translation></message>
    <message id="events.repeat.weekly"><source>Every week</source><translation>Setiap minggu</translation></message>
    <message id="events.repeat.monthly"><source>Every month</source><translation>Setiap bulan</translation></message>
    <message id="events.repeat.yearly"><source>Every year</source><translation>Setiap tahun</translation></message>
    <message id="events.repeat.hijriMonthly"><source>Every Hijri month</source><translation>Setiap bulan Hijrah</translation></message>
    <message id="events.repeat.hijriYearly"><source>Every Hijri year</source><translation>Setiap tahun Hijrah</translation></message>
    <message id="events.repeat.other"><source>Custom</source><translation>Tersuai</translation></message>
    <message id="events.repeat.skipForward"><source>A 30th in a 29-day month: the day after</source><translation>Hari ke-30 dalam bulan 29 hari: hari berikutnya</translation></message>
    <message id="events.repeat.skipBackward"><source>A 30th in a 29-day month: the 29th</source><translation>Hari ke-30 dalam bulan 29 hari: hari ke-29</translation></message>
    <message id="events.repeat.endNever"><source>Never</source><translation>Tidak pernah</translation></message>
    <message id="events.repeat.endOn"><source>On date</source><translation>Pada tarikh</translation></message>
    <message id="events.repeat.endAfter"><source>After</source><translation>Selepas</translation></message>
    <message id="events.repeat.times"><source> times</source><translation> kali</translation></message>
    <message id="events.editor.repeatEndsBeforeStart"><source>The repeat cannot end before the event starts.</source><translation>Ulangan tidak boleh tamat sebelum acara bermula.</translation></message>
    <message id="events.editor.repeatForSeries"><source>The repeat of a series changes for all its events or for this and the following ones.</source><translation>Ulangan sesuatu siri berubah untuk semua acaranya atau untuk acara ini dan yang berikutnya.</translation></message>
    <message id="events.viewer.unfollowedRule"><source>This event repeats by a rule Qamarly cannot follow; only its first occurrence is shown.</source><translation>Acara ini berulang mengikut peraturan yang tidak dapat diikuti oleh Qamarly; hanya kejadian pertamanya ditunjukkan.</translation></message>
    <message id="events.access.windowTitle"><source>Qamarly</source><translation>Qamarly</translation></message>
    <message id="events.access.title"><source>“Qamarly” Would Like to Access Your Calendars</source><translation>“Qamarly” Ingin Mengakses Kalendar Anda</translation></message>
    <message id="events.access.message"><source>Your events of the selected day are shown under the calendar.</source><translation>Acara anda pada hari yang dipilih ditunjukkan di bawah kalendar.</translation></message>
    <message id="events.access.deny"><source>Don’t Allow</source><translation>Jangan Benarkan</translation></message>
    <message id="events.access.allow"><source>OK</source><translation>OK</translation></message>
    <message id="appSettings.calendars"><source>Calendars</source><translation>Kalendar</translation></message>
    <message id="appSettings.calendarAccess"><source>Allow access to calendars</source><translation>Benarkan akses kepada kalendar</translation></message>
    <message id="cli.help.events"><source>Lists the calendar events of a day (today by default), as the calendar tab shows them, or adds, changes or deletes one. Times without an offset are in the event’s own zone. Bad input exits with 2 and a change the calendar refused with 1; nothing is written then.</source><translation>Menyenaraikan acara kalendar pada sesuatu hari (hari ini secara lalai), seperti yang ditunjukkan tab kalendar, atau menambah, mengubah atau memadam satu acara. Masa tanpa ofset berada dalam zon waktu acara itu sendiri. Input yang salah keluar dengan kod 2 dan perubahan yang ditolak kalendar dengan kod 1; tiada apa-apa yang ditulis dalam keadaan itu.</translation></message>
    <message id="events.span.thisEvent"><source>This event</source><translation>Acara ini</translation></message>
    <message id="events.span.futureEvents"><source>This and following events</source><translation>Acara ini dan yang berikutnya</translation></message>
    <message id="events.span.allEvents"><source>All events</source><translation>Semua acara</translation></message>
    <message id="events.span.saveTitle"><source>Change a Repeating Event</source><translation>Ubah Acara Berulang</translation></message>
    <message id="events.span.saveMessage"><source>“%1” repeats. Which of its occurrences does the change apply to?</source><translation>“%1” berulang. Perubahan ini untuk kejadian yang mana?</translation></message>
    <message id="calendarscreen.deleteRepeatingMessage"><source>“%1” repeats. Which of its occurrences should be deleted?</source><translation>“%1” berulang. Kejadian mana yang patut dipadam?</translation></message>
    <message id="appSettings.calendarFoldersNote"><source>Calendar folders that other programs keep in sync (a vdirsyncer or khal collection) are listed below.</source><translation>Folder kalendar yang diselaraskan oleh program lain (koleksi vdirsyncer atau khal) disenaraikan di bawah.</translation></message>
    <message id="appSettings.addCalendarFolder"><source>Add Folder…</source><translation>Tambah Folder…</translation></message>
    <message id="appSettings.removeCalendarFolder"><source>Remove</source><translation>Buang</translation></message>
    <message id="appSettings.chooseCalendarFolder"><source>Choose a Calendar Folder</source><translation>Pilih Folder Kalendar</translation></message>
    <message id="calendarscreen.eventFrom"><source>From %1</source><translation>Dari %1</translation></message>
    <message id="calendarscreen.eventTo"><source>To %1</source><translation>Hingga %1</translation></message>
    <message id="calendarscreen.allDay"><source>All Day</source><translation>Sepanjang Hari</translation></message>
    <message id="calendarscreen.durationJoin"><source>%1, %2</source><translation>%1, %2</translation></message>
    <message id="calendarscreen.rowDelete"><source>Delete</source><translation>Padam</translation></message>
    <message id="calendarscreen.rowShare"><source>Share</source><translation>Kongsi</translation></message>
    <message id="calendarscreen.rowMore"><source>More</source><translation>Lagi</translation></message>
    <message id="calendarscreen.durationDays" numerus="yes"><source>%n d</source><translation><numerusform>%1 hr</numerusform></translation></message>
    <message id="calendarscreen.durationHours" numerus="yes"><source>%n h</source><translation><numerusform>%1 j</numerusform></translation></message>
    <message id="calendarscreen.durationMinutes" numerus="yes"><source>%n m</source><translation><numerusform>%1 min</numerusform></translation></message>
    <message id="events.import.title"><source>Add Events</source><translation>Tambah Acara</translation></message>
    <message id="events.import.heading"><source>Events in “%1”:</source><translation>Acara dalam “%1”:</translation></message>
    <message id="events.import.add"><source>Add to Calendar</source><translation>Tambah ke Kalendar</translation></message>
    <message id="events.import.close"><source>Close</source><translation>Tutup</translation></message>
    <message id="events.import.cannotOpen"><source>“%1” cannot be opened</source><translation>“%1” tidak dapat dibuka</translation></message>
    <message id="events.import.untitled"><source>Untitled</source><translation>Tanpa tajuk</translation></message>
    <message id="events.import.repeats"><source>Repeats</source><translation>Berulang</translation></message>
    <message id="events.import.noAccess"><source>Qamarly may not use your calendars yet: allow it in the Calendar tab, then try again.</source><translation>Qamarly belum dibenarkan menggunakan kalendar anda: benarkannya dalam tab Kalendar, kemudian cuba lagi.</translation></message>
    <message id="events.import.done"><source>%1: %2 added, %3 updated, %4 already there.</source><translation>%1: %2 ditambah, %3 dikemas kini, %4 sudah ada.</translation></message>
    <message id="cli.help.import"><source>Adds the events of an iCalendar file (an invitation, another program’s export; - reads standard input) to a calendar: the first one that can be written, unless --calendar names another. An event the calendar holds already is left as it is unless the file has a later version of it. Exits with 1 when an event could not be added, and says which.</source><translation>Menambah acara daripada fail iCalendar (jemputan, eksport program lain; - membaca input piawai) ke sebuah kalendar: kalendar pertama yang boleh ditulis, melainkan --calendar menamakan yang lain. Acara yang sudah ada dalam kalendar dibiarkan, melainkan fail mempunyai versi yang lebih baharu. Keluar dengan kod 1 jika sesuatu acara tidak dapat ditambah, dan menyatakan yang mana.</translation></message>
</context>
</TS>
