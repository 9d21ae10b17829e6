<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>calendarscreen</name>
    <message id="calendarscreen.tabTitle"><source>Calendar</source><translation>تقویم</translation></message>
    <message id="calendarscreen.segmentGregorian"><source>Gregorian</source><translation>میلادی</translation></message>
    <message id="calendarscreen.segmentUmmAlQura"><source>Umm al-Qura</source><translation>ام‌القری</translation></message>
    <message id="calendarscreen.today"><source>Today</source><translation>امروز</translation></message>
    <message id="calendarscreen.add"><source>+</source><translation>+</translation></message>
    <message id="calendarscreen.addEvent"><source>Add event</source><translation>افزودن رویداد</translation></message>
    <message id="calendarscreen.a11y.list"><source>Events of the selected day</source><translation>رویدادهای روز انتخاب‌شده</translation></message>
    <message id="calendarscreen.a11y.gridCalendar"><source>Calendar of the grid</source><translation>تقویم جدول</translation></message>
    <message id="calendarscreen.a11y.calendar"><source>calendar %1</source><translation>تقویم %1</translation></message>
    <message id="calendarscreen.a11y.noEvents"><source>no events</source><translation>بدون رویداد</translation></message>
    <message id="calendarscreen.a11y.events" numerus="yes"><source>%n events</source><translation><numerusform>%1 رویداد</numerusform></translation></message>
    <message id="calendarscreen.noEvents"><source>No events</source><translation>رویدادی نیست</translation></message>
    <message id="calendarscreen.deleteTitle"><source>Delete Event</source><translation>حذف رویداد</translation></message>
    <message id="calendarscreen.deleteMessage"><source>“%1” will be deleted.</source><translation>«%1» حذف خواهد شد.</translation></message>
    <message id="calendarscreen.deleteConfirm"><source>Delete</source><translation>حذف</translation></message>
    <message id="calendarscreen.cancel"><source>Cancel</source><translation>لغو</translation></message>
    <message id="calendarscreen.ok"><source>OK</source><translation>تأیید</translation></message>
    <message id="calendarscreen.copiedTitle"><source>Event Copied</source><translation>رویداد رونوشت شد</translation></message>
    <message id="calendarscreen.copiedMessage"><source>The event is on the clipboard, as text and as a calendar file.</source><translation>رویداد در بریده‌دان است، هم به‌صورت متن و هم به‌صورت پروندهٔ تقویم.</translation></message>
    <message id="calendarscreen.errorTitle"><source>Could Not Change the Calendar</source><translation>تقویم تغییر نکرد</translation></message>
    <message id="events.editor.newTitle"><source>New Event</source><translation>رویداد تازه</translation></message>
    <message id="events.editor.editTitle"><source>Edit Event</source><translation>ویرایش رویداد</translation></message>
    <message id="events.editor.title"><source>Title</source><translation>عنوان</translation></message>
    <message id="events.editor.titlePlaceholder"><source>Title</source><translation>عنوان</translation></message>
    <message id="events.editor.location"><source>Location</source><translation>مکان</translation></message>
    <message id="events.editor.locationPlaceholder"><source>Location</source><translation>مکان</translation></message>
    <message id="events.editor.allDay"><source>All-day</source><translation>تمام روز</translation></message>
    <message id="events.editor.starts"><source>Starts</source><translation>آغاز</translation></message>
    <message id="events.editor.ends"><source>Ends</source><translation>پایان</translation></message>
    <message id="events.editor.calendar"><source>Calendar</source><translation>تقویم</translation></message>
    <message id="events.editor.save"><source>Save</source><translation>ذخیره</translation></message>
    <message id="events.editor.cancel"><source>Cancel</source><translation>لغو</translation></message>
    <message id="events.editor.untitled"><source>New Event</source><translation>رویداد تازه</translation></message>
    <message id="events.editor.noCalendar"><source>There is no calendar that can be written to.</source><translation>تقویمی نیست که بتوان در آن نوشت.</translation></message>
    <message id="events.editor.endBeforeStart"><source>The event cannot end before it starts.</source><translation>رویداد نمی‌تواند پیش از آغازش پایان یابد.</translation></message>
    <message id="events.editor.saveFailed"><source>The event could not be saved: %1</source><translation>رویداد ذخیره نشد: %1</translation></message>
    <message id="events.viewer.windowTitle"><source>Event</source><translation>رویداد</translation></message>
    <message id="events.viewer.calendar"><source>Calendar: %1</source><translation>تقویم: %1</translation></message>
    <message id="events.viewer.edit"><source>Edit</source><translation>ویرایش</translation></message>
    <message id="events.viewer.done"><source>Done</source><translation>انجام شد</translation></message>
    <message id="events.editor.notes"><source>Notes</source><translation>یادداشت‌ها</translation></message>
    <message id="events.editor.deleteFailed"><source>The event could not be deleted: %1</source><translation>رویداد حذف نشد: %1</translation></message>
    <message id="events.editor.repeat"><source>Repeat</source><translation>تکرار</translation></message>
    <message id="events.editor.endRepeat"><source>End repeat</source><translation>پایان تکرار</translation></message>
    <message id="events.repeat.never"><source>Never</source><translation>هرگز</translation></message>
    <message id="events.repeat.daily"><source>Every day</source><translation>هر روز</translation></message>
    <message id="events.repeat.weekly"><source>Every week</source><translation>هر هفته</translation></message>
    <message id="events.repeat.monthly"><source>Every month</source><translation>هر ماه</translation></message>
    <message id="events.repeat.yearly"><source>Every year</source><translation>هر سال</translation></message>
    <message id="events.repeat.hijriMonthly"><source>Every Hijri month</source><translation>هر ماه قمری</translation></message>
    <message id="events.repeat.hijriYearly"><source>Every Hijri year</source><translation>هر سال قمری</translation></message>
    <message id="events.repeat.other"><source>Custom</source><translation>سفارشی</translation></message>
    <message id="events.repeat.skipForward"><source>A 30th in a 29-day month: the day after</source><translation>روز ۳۰ام در ماه ۲۹ روزه: روز بعد</translation></message>
    <message id="events.repeat.skipBackward"><source>A 30th in a 29-day month: the 29th</source><translation>روز ۳۰ام در ماه ۲۹ روزه: روز ۲۹ام</translation></message>
    <message id="events.repeat.endNever"><source>Never</source><translation>هرگز</translation></message>
    <message id="events.repeat.endOn"><source>On date</source><translation>در تاریخ</translation></message>
    <message id="events.repeat.endAfter"><source>After</source><translation>پس از</translation></message>
    <message id="events.repeat.times"><source> times</source><translation> بار</translation></message>
    <message id="events.editor.repeatEndsBeforeStart"><source>The repeat cannot end before the event starts.</source><translation>تکرار نمی‌تواند پیش از آغاز رویداد پایان یابد.</translation></message>
    <message id="events.editor.repeatForSeries"><source>The repeat of a series changes for all its events or for this and the following ones.</source><translation>تکرار یک رشته یا برای همهٔ رویدادهایش تغییر می‌کند یا برای این رویداد و رویدادهای بعدی.</translation></message>
    <message id="events.viewer.unfollowedRule"><source>This event repeats by a rule Qamarly cannot follow; only its first occurrence is shown.</source><translation>این رویداد با قاعده‌ای تکرار می‌شود که قمرلی نمی‌تواند دنبال کند؛ تنها نخستین بار آن نشان داده شده است.</translation></message>
    <message id="events.access.windowTitle"><source>Qamarly</source><translation>قمرلی</translation></message>
    <message id="events.access.title"><source>“Qamarly” Would Like to Access Your Calendars</source><translation>«قمرلی» می‌خواهد به تقویم‌های شما دسترسی داشته باشد</translation></message>
    <message id="events.access.message"><source>Your events of the selected day are shown under the calendar.</source><translation>رویدادهای روز انتخاب‌شدهٔ شما زیر تقویم نشان داده می‌شوند.</translation></message>
    <message id="events.access.deny"><source>Don’t Allow</source><translation>اجازه نده</translation></message>
    <message id="events.access.allow"><source>OK</source><translation>تأیید</translation></message>
    <message id="appSettings.calendars"><source>Calendars</source><translation>تقویم‌ها</translation></message>
    <message id="appSettings.calendarAccess"><source>Allow access to calendars</source><translation>اجازهٔ دسترسی به تقویم‌ها</translation></message>
    <message id="cli.help.events"><source>Lists the calendar events of a day (today by default), as the calendar tab shows them, or adds, changes or deletes one. Times without an offset are in the event’s own zone. Bad input exits with 2 and a change the calendar refused with 1; nothing is written then.</source><translation>رویدادهای تقویمِ یک روز (به‌طور پیش‌فرض امروز) را همان‌گونه که زبانهٔ تقویم نشان می‌دهد فهرست می‌کند، یا رویدادی را می‌افزاید، تغییر می‌دهد یا حذف می‌کند. زمان‌های بدون اختلاف ساعت در منطقهٔ زمانی خود رویداد هستند. ورودی نادرست با کد ۲ و تغییری که تقویم نپذیرد با کد ۱ پایان می‌یابد؛ در این حالت چیزی نوشته نمی‌شود.</translation></message>
    <message id="events.span.thisEvent"><source>This event</source><translation>همین رویداد</translation></message>
    <message id="events.span.futureEvents"><source>This and following events</source><translation>این رویداد و رویدادهای بعدی</translation></message>
    <message id="events.span.allEvents"><source>All events</source><translation>همهٔ رویدادها</translation></message>
    <message id="events.span.saveTitle"><source>Change a Repeating Event</source><translation>تغییر رویداد تکرارشونده</translation></message>
    <message id="events.span.saveMessage"><source>“%1” repeats. Which of its occurrences does the change apply to?</source><translation>«%1» تکرار می‌شود. تغییر برای کدام دفعه‌های آن اعمال شود؟</translation></message>
    <message id="calendarscreen.deleteRepeatingMessage"><source>“%1” repeats. Which of its occurrences should be deleted?</source><translation>«%1» تکرار می‌شود. کدام دفعه‌های آن حذف شوند؟</translation></message>
    <message id="appSettings.calendarFoldersNote"><source>Calendar folders that other programs keep in sync (a vdirsyncer or khal collection) are listed below.</source><translation>پوشه‌های تقویمی که برنامه‌های دیگر همگام نگه می‌دارند (مجموعه‌ای از vdirsyncer یا khal) در زیر آمده‌اند.</translation></message>
    <message id="appSettings.addCalendarFolder"><source>Add Folder…</source><translation>افزودن پوشه…</translation></message>
    <message id="appSettings.removeCalendarFolder"><source>Remove</source><translation>برداشتن</translation></message>
    <message id="appSettings.chooseCalendarFolder"><source>Choose a Calendar Folder</source><translation>یک پوشهٔ تقویم برگزینید</translation></message>
    <message id="calendarscreen.eventFrom"><source>From %1</source><translation>از %1</translation></message>
    <message id="calendarscreen.eventTo"><source>To %1</source><translation>تا %1</translation></message>
    <message id="calendarscreen.allDay"><source>All Day</source><translation>تمام روز</translation></message>
    <message id="calendarscreen.durationJoin"><source>%1, %2</source><translation>%1، %2</translation></message>
    <message id="calendarscreen.rowDelete"><source>Delete</source><translation>حذف</translation></message>
    <message id="calendarscreen.rowShare"><source>Share</source><translation>هم‌رسانی</translation></message>
    <message id="calendarscreen.rowMore"><source>More</source><translation>بیشتر</translation></message>
    <message id="calendarscreen.durationDays" numerus="yes"><source>%n d</source><translation><numerusform>%1 روز</numerusform></translation></message>
    <message id="calendarscreen.durationHours" numerus="yes"><source>%n h</source><translation><numerusform>%1 ساعت</numerusform></translation></message>
    <message id="calendarscreen.durationMinutes" numerus="yes"><source>%n m</source><translation><numerusform>%1 دقیقه</numerusform></translation></message>
    <message id="events.import.title"><source>Add Events</source><translation>افزودن رویدادها</translation></message>
    <message id="events.import.heading"><source>Events in “%1”:</source><translation>رویدادهای «%1»:</translation></message>
    <message id="events.import.add"><source>Add to Calendar</source><translation>افزودن به تقویم</translation></message>
    <message id="events.import.close"><source>Close</source><translation>بستن</translation></message>
    <message id="events.import.cannotOpen"><source>“%1” cannot be opened</source><translation>«%1» باز نمی‌شود</translation></message>
    <message id="events.import.untitled"><source>Untitled</source><translation>بی‌عنوان</translation></message>
    <message id="events.import.repeats"><source>Repeats</source><translation>تکرارشونده</translation></message>
    <message id="events.import.noAccess"><source>Qamarly may not use your calendars yet: allow it in the Calendar tab, then try again.</source><translation>قمرلی هنوز اجازهٔ به‌کارگیری تقویم‌های شما را ندارد: در زبانهٔ تقویم اجازه دهید و دوباره تلاش کنید.</translation></message>
    <message id="events.import.done"><source>%1: %2 added, %3 updated, %4 already there.</source><translation>%1: %2 افزوده شد، %3 به‌روز شد، %4 از پیش بود.</translation></message>
    <message id="cli.help.import"><source>Adds the events of an iCalendar file (an invitation, another program’s export; - reads standard input) to a calendar: the first one that can be written, unless --calendar names another. An event the calendar holds already is left as it is unless the file has a later version of it. Exits with 1 when an event could not be added, and says which.</source><translation>رویدادهای یک پروندهٔ iCalendar (دعوت‌نامه، برون‌بُردِ برنامه‌ای دیگر؛ - از ورودی استاندارد می‌خواند) را به یک تقویم می‌افزاید: نخستین تقویمِ نوشتنی، مگر آنکه --calendar تقویم دیگری را نام ببرد. رویدادی که در تقویم هست دست‌نخورده می‌ماند، مگر آنکه پرونده نسخهٔ تازه‌تری از آن داشته باشد. اگر رویدادی افزوده نشود با کد ۱ پایان می‌یابد و می‌گوید کدام.</translation></message>
</context>
</TS>
