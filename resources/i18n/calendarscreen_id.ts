<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>calendarscreen</name>
    <message id="calendarscreen.tabTitle"><source>Calendar</source><translation>Kalender</translation></message>
    <message id="calendarscreen.segmentGregorian"><source>Gregorian</source><translation>Masehi</translation></message>
    <message id="calendarscreen.segmentUmmAlQura"><source>Umm al-Qura</source><translation>Umm al-Qura</translation></message>
    <message id="calendarscreen.today"><source>Today</source><translation>Hari ini</translation></message>
    <message id="calendarscreen.add"><source>+</source><translation>+</translation></message>
    <message id="calendarscreen.addEvent"><source>Add event</source><translation>Tambah acara</translation></message>
    <message id="calendarscreen.a11y.list"><source>Events of the selected day</source><translation>Acara pada hari yang dipilih</translation></message>
    <message id="calendarscreen.a11y.gridCalendar"><source>Calendar of the grid</source><translation>Kalender pada kisi</translation></message>
    <message id="calendarscreen.a11y.calendar"><source>calendar %1</source><translation>kalender %1</translation></message>
    <message id="calendarscreen.a11y.noEvents"><source>no events</source><translation>tidak ada acara</translation></message>
    <message id="calendarscreen.a11y.events" numerus="yes"><source>%n events</source><translation><numerusform>%1 acara</numerusform></translation></message>
    <message id="calendarscreen.noEvents"><source>No events</source><translation>Tidak ada acara</translation></message>
    <message id="calendarscreen.deleteTitle"><source>Delete Event</source><translation>Hapus Acara</translation></message>
    <message id="calendarscreen.deleteMessage"><source>“%1” will be deleted.</source><translation>“%1” akan dihapus.</translation></message>
    <message id="calendarscreen.deleteConfirm"><source>Delete</source><translation>Hapus</translation></message>
    <message id="calendarscreen.cancel"><source>Cancel</source><translation>Batal</translation></message>
    <message id="calendarscreen.ok"><source>OK</source><translation>OK</translation></message>
    <message id="calendarscreen.copiedTitle"><source>Event Copied</source><translation>Acara Disalin</translation></message>
    <message id="calendarscreen.copiedMessage"><source>The event is on the clipboard, as text and as a calendar file.</source><translation>Acara ada di papan klip, sebagai teks dan sebagai berkas kalender.</translation></message>
    <message id="calendarscreen.errorTitle"><source>Could Not Change the Calendar</source><translation>Kalender Tidak Dapat Diubah</translation></message>
    <message id="events.editor.newTitle"><source>New Event</source><translation>Acara Baru</translation></message>
    <message id="events.editor.editTitle"><source>Edit Event</source><translation>Ubah Acara</translation></message>
    <message id="events.editor.title"><source>Title</source><translation>Judul</translation></message>
    <message id="events.editor.titlePlaceholder"><source>Title</source><translation>Judul</translation></message>
    <message id="events.editor.location"><source>Location</source><translation>Lokasi</translation></message>
    <message id="events.editor.locationPlaceholder"><source>Location</source><translation>Lokasi</translation></message>
    <message id="events.editor.allDay"><source>All-day</source><translation>Sepanjang hari</translation></message>
    <message id="events.editor.starts"><source>Starts</source><translation>Mulai</translation></message>
    <message id="events.editor.ends"><source>Ends</source><translation>Selesai</translation></message>
    <message id="events.editor.calendar"><source>Calendar</source><translation>Kalender</translation></message>
    <message id="events.editor.save"><source>Save</source><translation>Simpan</translation></message>
    <message id="events.editor.cancel"><source>Cancel</source><translation>Batal</translation></message>
    <message id="events.editor.untitled"><source>New Event</source><translation>Acara Baru</translation></message>
    <message id="events.editor.noCalendar"><source>There is no calendar that can be written to.</source><translation>Tidak ada kalender yang dapat ditulisi.</translation></message>
    <message id="events.editor.endBeforeStart"><source>The event cannot end before it starts.</source><translation>Acara tidak dapat berakhir sebelum dimulai.</translation></message>
    <message id="events.editor.saveFailed"><source>The event could not be saved: %1</source><translation>Acara tidak dapat disimpan: %1</translation></message>
    <message id="events.viewer.windowTitle"><source>Event</source><translation>Acara</translation></message>
    <message id="events.viewer.calendar"><source>Calendar: %1</source><translation>Kalender: %1</translation></message>
    <message id="events.viewer.edit"><source>Edit</source><translation>Ubah</translation></message>
    <message id="events.viewer.done"><source>Done</source><translation>Selesai</translation></message>
    <message id="events.editor.notes"><source>Notes</source><translation>Catatan</translation></message>
    <message id="events.editor.deleteFailed"><source>The event could not be deleted: %1</source><translation>Acara tidak dapat dihapus: %1</translation></message>
    <message id="events.editor.repeat"><source>Repeat</source><translation>Ulangi</translation></message>
    <message id="events.editor.endRepeat"><source>End repeat</source><translation>Akhir pengulangan</translation></message>
    <message id="events.repeat.never"><source>Never</source><translation>Tidak pernah</translation></message>
    <message id="events.repeat.daily"><source>Every day</source><translation>Setiap hari</translation></message>
    <message id="events.repeat.weekly"><source>Every week</source><translation>Setiap minggu</translation></message>
    <message id="events.repeat.monthly"><source>Every month</source><translation>Setiap bulan</translation></message>
    <message id="events.repeat.yearly"><source>Every year</source><translation>Setiap tahun</translation></message>
    <message id="events.repeat.hijriMonthly"><source>Every Hijri month</source><translation>Setiap bulan Hijriah</translation></message>
    <message id="events.repeat.hijriYearly"><source>Every Hijri year</source><translation>Setiap tahun Hijriah</translation></message>
    <message id="events.repeat.other"><source>Custom</source><translation>Khusus</translation></message>
    <message id="events.repeat.skipForward"><source>A 30th in a 29-day month: the day after</source><translation>Tanggal 30 pada bulan 29 hari: hari berikutnya</translation></message>
    <message id="events.repeat.skipBackward"><source>A 30th in a 29-day month: the 29th</source><translation>Tanggal 30 pada bulan 29 hari: tanggal 29</translation></message>
    <message id="events.repeat.endNever"><source>Never</source><translation>Tidak pernah</translation></message>
    <message id="events.repeat.endOn"><source>On date</source><translation>Pada tanggal</translation></message>
    <message id="events.repeat.endAfter"><source>After</source><translation>Setelah</translation></message>
    <message id="events.repeat.times"><source> times</source><translation> kali</translation></message>
    <message id="events.editor.repeatEndsBeforeStart"><source>The repeat cannot end before the event starts.</source><translation>Pengulangan tidak dapat berakhir sebelum acara dimulai.</translation></message>
    <message id="events.editor.repeatForSeries"><source>The repeat of a series changes for all its events or for this and the following ones.</source><translation>Pengulangan sebuah rangkaian berubah untuk semua acaranya atau untuk acara ini dan berikutnya.</translation></message>
    <message id="events.viewer.unfollowedRule"><source>This event repeats by a rule Qamarly cannot follow; only its first occurrence is shown.</source><translation>Acara ini berulang menurut aturan yang tidak dapat diikuti Qamarly; hanya kejadian pertamanya yang ditampilkan.</translation></message>
    <message id="events.access.windowTitle"><source>Qamarly</source><translation>Qamarly</translation></message>
    <message id="events.access.title"><source>“Qamarly” Would Like to Access Your Calendars</source><translation>“Qamarly” Ingin Mengakses Kalender Anda</translation></message>
    <message id="events.access.message"><source>Your events of the selected day are shown under the calendar.</source><translation>Acara Anda pada hari yang dipilih ditampilkan di bawah kalender.</translation></message>
    <message id="events.access.deny"><source>Don’t Allow</source><translation>Jangan Izinkan</translation></message>
    <message id="events.access.allow"><source>OK</source><translation>OK</translation></message>
    <message id="appSettings.calendars"><source>Calendars</source><translation>Kalender</translation></message>
    <message id="appSettings.calendarAccess"><source>Allow access to calendars</source><translation>Izinkan akses ke kalender</translation></message>
    <message id="cli.help.events"><source>Lists the calendar events of a day (today by default), as the calendar tab shows them, or adds, changes or deletes one. Times without an offset are in the event’s own zone. Bad input exits with 2 and a change the calendar refused with 1; nothing is written then.</source><translation>Menampilkan acara kalender pada suatu hari (hari ini secara bawaan), seperti yang ditampilkan tab kalender, atau menambah, mengubah, atau menghapus satu acara. Waktu tanpa selisih zona berada di zona acara itu sendiri. Masukan yang salah keluar dengan kode 2 dan perubahan yang ditolak kalender dengan kode 1; tidak ada yang ditulis dalam kedua hal itu.</translation></message>
    <message id="events.span.thisEvent"><source>This event</source><translation>Acara ini</translation></message>
    <message id="events.span.futureEvents"><source>This and following events</source><translation>Acara ini dan berikutnya</translation></message>
    <message id="events.span.allEvents"><source>All events</source><translation>Semua acara</translation></message>
    <message id="events.span.saveTitle"><source>Change a Repeating Event</source><translation>Ubah Acara Berulang</translation></message>
    <message id="events.span.saveMessage"><source>“%1” repeats. Which of its occurrences does the change apply to?</source><translation>“%1” berulang. Perubahan ini berlaku untuk kejadian yang mana?</translation></message>
    <message id="calendarscreen.deleteRepeatingMessage"><source>“%1” repeats. Which of its occurrences should be deleted?</source><translation>“%1” berulang. Kejadian mana yang harus dihapus?</translation></message>
    <message id="appSettings.calendarFoldersNote"><source>Calendar folders that other programs keep in sync (a vdirsyncer or khal collection) are listed below.</source><translation>Folder kalender yang diselaraskan oleh program lain (koleksi vdirsyncer atau khal) tercantum di bawah.</translation></message>
    <message id="appSettings.addCalendarFolder"><source>Add Folder…</source><translation>Tambah Folder…</translation></message>
    <message id="appSettings.removeCalendarFolder"><source>Remove</source><translation>Hapus</translation></message>
    <message id="appSettings.chooseCalendarFolder"><source>Choose a Calendar Folder</source><translation>Pilih Folder Kalender</translation></message>
    <message id="calendarscreen.eventFrom"><source>From %1</source><translation>Dari %1</translation></message>
    <message id="calendarscreen.eventTo"><source>To %1</source><translation>Sampai %1</translation></message>
    <message id="calendarscreen.allDay"><source>All Day</source><translation>Sepanjang Hari</translation></message>
    <message id="calendarscreen.durationJoin"><source>%1, %2</source><translation>%1, %2</translation></message>
    <message id="calendarscreen.rowDelete"><source>Delete</source><translation>Hapus</translation></message>
    <message id="calendarscreen.rowShare"><source>Share</source><translation>Bagikan</translation></message>
    <message id="calendarscreen.rowMore"><source>More</source><translation>Lainnya</translation></message>
    <message id="calendarscreen.durationDays" numerus="yes"><source>%n d</source><translation><numerusform>%1 hr</numerusform></translation></message>
    <message id="calendarscreen.durationHours" numerus="yes"><source>%n h</source><translation><numerusform>%1 j</numerusform></translation></message>
    <message id="calendarscreen.durationMinutes" numerus="yes"><source>%n m</source><translation><numerusform>%1 mnt</numerusform></translation></message>
    <message id="events.import.title"><source>Add Events</source><translation>Tambah Acara</translation></message>
    <message id="events.import.heading"><source>Events in “%1”:</source><translation>Acara dalam “%1”:</translation></message>
    <message id="events.import.add"><source>Add to Calendar</source><translation>Tambahkan ke Kalender</translation></message>
    <message id="events.import.close"><source>Close</source><translation>Tutup</translation></message>
    <message id="events.import.cannotOpen"><source>“%1” cannot be opened</source><translation>“%1” tidak dapat dibuka</translation></message>
    <message id="events.import.untitled"><source>Untitled</source><translation>Tanpa judul</translation></message>
    <message id="events.import.repeats"><source>Repeats</source><translation>Berulang</translation></message>
    <message id="events.import.noAccess"><source>Qamarly may not use your calendars yet: allow it in the Calendar tab, then try again.</source><translation>Qamarly belum boleh memakai kalender Anda: izinkan di tab Kalender, lalu coba lagi.</translation></message>
    <message id="events.import.done"><source>%1: %2 added, %3 updated, %4 already there.</source><translation>%1: %2 ditambahkan, %3 diperbarui, %4 sudah ada.</translation></message>
    <message id="cli.help.import"><source>Adds the events of an iCalendar file (an invitation, another program’s export; - reads standard input) to a calendar: the first one that can be written, unless --calendar names another. An event the calendar holds already is left as it is unless the file has a later version of it. Exits with 1 when an event could not be added, and says which.</source><translation>Menambahkan acara dari berkas iCalendar (undangan, ekspor program lain; - membaca masukan standar) ke sebuah kalender: kalender pertama yang dapat ditulisi, kecuali --calendar menyebut yang lain. Acara yang sudah ada di kalender dibiarkan, kecuali berkas berisi versi yang lebih baru. Keluar dengan kode 1 bila ada acara yang tidak dapat ditambahkan, dan menyebutkannya.</translation></message>
</context>
</TS>
