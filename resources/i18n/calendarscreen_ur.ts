<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur">
<context>
    <name>calendarscreen</name>
    <message id="calendarscreen.tabTitle"><source>Calendar</source><translation>کیلنڈر</translation></message>
    <message id="calendarscreen.segmentGregorian"><source>Gregorian</source><translation>عیسوی</translation></message>
    <message id="calendarscreen.segmentUmmAlQura"><source>Umm al-Qura</source><translation>ام القریٰ</translation></message>
    <message id="calendarscreen.today"><source>Today</source><translation>آج</translation></message>
    <message id="calendarscreen.add"><source>+</source><translation>+</translation></message>
    <message id="calendarscreen.addEvent"><source>Add event</source><translation>ایونٹ شامل کریں</translation></message>
    <message id="calendarscreen.a11y.list"><source>Events of the selected day</source><translation>منتخب دن کے ایونٹس</translation></message>
    <message id="calendarscreen.a11y.gridCalendar"><source>Calendar of the grid</source><translation>جدول کا کیلنڈر</translation></message>
    <message id="calendarscreen.a11y.calendar"><source>calendar %1</source><translation>کیلنڈر %1</translation></message>
    <message id="calendarscreen.a11y.noEvents"><source>no events</source><translation>کوئی ایونٹ نہیں</translation></message>
    <message id="calendarscreen.a11y.events" numerus="yes"><source>%n events</source><translation><numerusform>%1 ایونٹ</numerusform><numerusform>%1 ایونٹس</numerusform></translation></message>
    <message id="calendarscreen.noEvents"><source>No events</source><translation>کوئی ایونٹ نہیں</translation></message>
    <message id="calendarscreen.deleteTitle"><source>Delete Event</source><translation>ایونٹ حذف کریں</translation></message>
    <message id="calendarscreen.deleteMessage"><source>“%1” will be deleted.</source><translation>”%1“ حذف کر دیا جائے گا۔</translation></message>
    <message id="calendarscreen.deleteConfirm"><source>Delete</source><translation>حذف کریں</translation></message>
    <message id="calendarscreen.cancel"><source>Cancel</source><translation>منسوخ کریں</translation></message>
    <message id="calendarscreen.ok"><source>OK</source><translation>ٹھیک ہے</translation></message>
    <message id="calendarscreen.copiedTitle"><source>Event Copied</source><translation>ایونٹ کاپی ہو گیا</translation></message>
    <message id="calendarscreen.copiedMessage"><source>The event is on the clipboard, as text and as a calendar file.</source><translation>ایونٹ کلپ بورڈ پر ہے، متن کی صورت میں بھی اور کیلنڈر فائل کی صورت میں بھی۔</translation></message>
    <message id="calendarscreen.errorTitle"><source>Could Not Change the Calendar</source><translation>کیلنڈر تبدیل نہیں ہو سکا</translation></message>
    <message id="events.editor.newTitle"><source>New Event</source><translation>نیا ایونٹ</translation></message>
    <message id="events.editor.editTitle"><source>Edit Event</source><translation>ایونٹ میں ترمیم</translation></message>
    <message id="events.editor.title"><source>Title</source><translation>عنوان</translation></message>
    <message id="events.editor.titlePlaceholder"><source>Title</source><translation>عنوان</translation></message>
    <message id="events.editor.location"><source>Location</source><translation>مقام</translation></message>
    <message id="events.editor.locationPlaceholder"><source>Location</source><translation>مقام</translation></message>
    <message id="events.editor.allDay"><source>All-day</source><translation>پورا دن</translation></message>
    <message id="events.editor.starts"><source>Starts</source><translation>آغاز</translation></message>
    <message id="events.editor.ends"><source>Ends</source><translation>اختتام</translation></message>
    <message id="events.editor.calendar"><source>Calendar</source><translation>کیلنڈر</translation></message>
    <message id="events.editor.save"><source>Save</source><translation>محفوظ کریں</translation></message>
    <message id="events.editor.cancel"><source>Cancel</source><translation>منسوخ کریں</translation></message>
    <message id="events.editor.untitled"><source>New Event</source><translation>نیا ایونٹ</translation></message>
    <message id="events.editor.noCalendar"><source>There is no calendar that can be written to.</source><translation>کوئی ایسا کیلنڈر نہیں جس میں لکھا جا سکے۔</translation></message>
    <message id="events.editor.endBeforeStart"><source>The event cannot end before it starts.</source><translation>ایونٹ اپنے آغاز سے پہلے ختم نہیں ہو سکتا۔</translation></message>
    <message id="events.editor.saveFailed"><source>The event could not be saved: %1</source><translation>ایونٹ محفوظ نہیں ہو سکا: %1</translation></message>
    <message id="events.viewer.windowTitle"><source>Event</source><translation>ایونٹ</translation></message>
    <message id="events.viewer.calendar"><source>Calendar: %1</source><translation>کیلنڈر: %1</translation></message>
    <message id="events.viewer.edit"><source>Edit</source><translation>ترمیم</translation></message>
    <message id="events.viewer.done"><source>Done</source><translation>ہو گیا</translation></message>
    <message id="events.editor.notes"><source>Notes</source><translation>نوٹس</translation></message>
    <message id="events.editor.deleteFailed"><source>The event could not be deleted: %1</source><translation>ایونٹ حذف نہیں ہو سکا: %1</translation></message>
    <message id="events.editor.repeat"><source>Repeat</source><translation>دہرائیں</translation></message>
    <message id="events.editor.endRepeat"><source>End repeat</source><translation>دہرانا ختم</translation></message>
    <message id="events.repeat.never"><source>Never</source><translation>کبھی نہیں</translation></message>
    <message id="events.repeat.daily"><source>Every day</source><translation>ہر روز</translation></message>
    <message id="events.repeat.weekly"><source>Every week</source><translation>ہر ہفتے</translation></message>
    <message id="events.repeat.monthly"><source>Every month</source><translation>ہر مہینے</translation></message>
    <message id="events.repeat.yearly"><source>Every year</source><translation>ہر سال</translation></message>
    <message id="events.repeat.hijriMonthly"><source>Every Hijri month</source><translation>ہر ہجری مہینے</translation></message>
    <message id="events.repeat.hijriYearly"><source>Every Hijri year</source><translation>ہر ہجری سال</translation></message>
    <message id="events.repeat.other"><source>Custom</source><translation>حسبِ منشا</translation></message>
    <message id="events.repeat.skipForward"><source>A 30th in a 29-day month: the day after</source><translation>29 دن کے مہینے میں 30 تاریخ: اگلا دن</translation></message>
    <message id="events.repeat.skipBackward"><source>A 30th in a 29-day month: the 29th</source><translation>29 دن کے مہینے میں 30 تاریخ: 29 تاریخ</translation></message>
    <message id="events.repeat.endNever"><source>Never</source><translation>کبھی نہیں</translation></message>
    <message id="events.repeat.endOn"><source>On date</source><translation>تاریخ پر</translation></message>
    <message id="events.repeat.endAfter"><source>After</source><translation>اتنی بار کے بعد</translation></message>
    <message id="events.repeat.times"><source> times</source><translation> بار</translation></message>
    <message id="events.editor.repeatEndsBeforeStart"><source>The repeat cannot end before the event starts.</source><translation>دہرانا ایونٹ کے آغاز سے پہلے ختم نہیں ہو سکتا۔</translation></message>
    <message id="events.editor.repeatForSeries"><source>The repeat of a series changes for all its events or for this and the following ones.</source><translation>سلسلے کا دہرانا یا تو اس کے تمام ایونٹس کے لیے بدلتا ہے یا اس اور بعد والے ایونٹس کے لیے۔</translation></message>
    <message id="events.viewer.unfollowedRule"><source>This event repeats by a rule Qamarly cannot follow; only its first occurrence is shown.</source><translation>یہ ایونٹ ایسے اصول کے تحت دہرایا جاتا ہے جس پر قمرلی عمل نہیں کر سکتا؛ صرف اس کی پہلی بار دکھائی گئی ہے۔</translation></message>
    <message id="events.access.windowTitle"><source>Qamarly</source><translation>قمرلی</translation></message>
    <message id="events.access.title"><source>“Qamarly” Would Like to Access Your Calendars</source><translation>”قمرلی“ آپ کے کیلنڈرز تک رسائی چاہتا ہے</translation></message>
    <message id="events.access.message"><source>Your events of the selected day are shown under the calendar.</source><translation>منتخب دن کے آپ کے ایونٹس کیلنڈر کے نیچے دکھائے جاتے ہیں۔</translation></message>
    <message id="events.access.deny"><source>Don’t Allow</source><translation>اجازت نہ دیں</translation></message>
    <message id="events.access.allow"><source>OK</source><translation>ٹھیک ہے</translation></message>
    <message id="appSettings.calendars"><source>Calendars</source><translation>کیلنڈرز</translation></message>
    <message id="appSettings.calendarAccess"><source>Allow access to calendars</source><translation>کیلنڈرز تک رسائی کی اجازت دیں</translation></message>
    <message id="cli.help.events"><source>Lists the calendar events of a day (today by default), as the calendar tab shows them, or adds, changes or deletes one. Times without an offset are in the event’s own zone. Bad input exits with 2 and a change the calendar refused with 1; nothing is written then.</source><translation>کسی دن کے کیلنڈر ایونٹس کی فہرست دکھاتا ہے (طے شدہ طور پر آج کی)، جیسے کیلنڈر ٹیب دکھاتا ہے، یا کوئی ایونٹ شامل کرتا، بدلتا یا حذف کرتا ہے۔ فرق (offset) کے بغیر اوقات ایونٹ کے اپنے ٹائم زون میں ہیں۔ غلط اندراج پر 2 اور کیلنڈر کی رد کی ہوئی تبدیلی پر 1 کے ساتھ پروگرام ختم ہوتا ہے؛ تب کچھ نہیں لکھا جاتا۔</translation></message>
    <message id="events.span.thisEvent"><source>This event</source><translation>یہ ایونٹ</translation></message>
    <message id="events.span.futureEvents"><source>This and following events</source><translation>یہ اور بعد والے ایونٹس</translation></message>
    <message id="events.span.allEvents"><source>All events</source><translation>تمام ایونٹس</translation></message>
    <message id="events.span.saveTitle"><source>Change a Repeating Event</source><translation>دہرائے جانے والے ایونٹ میں تبدیلی</translation></message>
    <message id="events.span.saveMessage"><source>“%1” repeats. Which of its occurrences does the change apply to?</source><translation>”%1“ دہرایا جاتا ہے۔ یہ تبدیلی اس کی کن باریوں پر لاگو ہو؟</translation></message>
    <message id="calendarscreen.deleteRepeatingMessage"><source>“%1” repeats. Which of its occurrences should be deleted?</source><translation>”%1“ دہرایا جاتا ہے۔ اس کی کون سی باریاں حذف کی جائیں؟</translation></message>
    <message id="appSettings.calendarFoldersNote"><source>Calendar folders that other programs keep in sync (a vdirsyncer or khal collection) are listed below.</source><translation>وہ کیلنڈر فولڈر جنہیں دوسرے پروگرام ہم آہنگ رکھتے ہیں (vdirsyncer یا khal کا مجموعہ) نیچے درج ہیں۔</translation></message>
    <message id="appSettings.addCalendarFolder"><source>Add Folder…</source><translation>فولڈر شامل کریں…</translation></message>
    <message id="appSettings.removeCalendarFolder"><source>Remove</source><translation>ہٹائیں</translation></message>
    <message id="appSettings.chooseCalendarFolder"><source>Choose a Calendar Folder</source><translation>کیلنڈر فولڈر منتخب کریں</translation></message>
    <message id="calendarscreen.eventFrom"><source>From %1</source><translation>از %1</translation></message>
    <message id="calendarscreen.eventTo"><source>To %1</source><translation>تا %1</translation></message>
    <message id="calendarscreen.allDay"><source>All Day</source><translation>پورا دن</translation></message>
    <message id="calendarscreen.durationJoin"><source>%1, %2</source><translation>%1، %2</translation></message>
    <message id="calendarscreen.rowDelete"><source>Delete</source><translation>حذف کریں</translation></message>
    <message id="calendarscreen.rowShare"><source>Share</source><translation>شیئر کریں</translation></message>
    <message id="calendarscreen.rowMore"><source>More</source><translation>مزید</translation></message>
    <message id="calendarscreen.durationDays" numerus="yes"><source>%n d</source><translation><numerusform>%1 دن</numerusform><numerusform>%1 دن</numerusform></translation></message>
    <message id="calendarscreen.durationHours" numerus="yes"><source>%n h</source><translation><numerusform>%1 گھنٹہ</numerusform><numerusform>%1 گھنٹے</numerusform></translation></message>
    <message id="calendarscreen.durationMinutes" numerus="yes"><source>%n m</source><translation><numerusform>%1 منٹ</numerusform><numerusform>%1 منٹ</numerusform></translation></message>
    <message id="events.import.title"><source>Add Events</source><translation>ایونٹس شامل کریں</translation></message>
    <message id="events.import.heading"><source>Events in “%1”:</source><translation>”%1“ میں ایونٹس:</translation></message>
    <message id="events.import.add"><source>Add to Calendar</source><translation>کیلنڈر میں شامل کریں</translation></message>
    <message id="events.import.close"><source>Close</source><translation>بند کریں</translation></message>
    <message id="events.import.cannotOpen"><source>“%1” cannot be opened</source><translation>”%1“ کھل نہیں سکا</translation></message>
    <message id="events.import.untitled"><source>Untitled</source><translation>بلا عنوان</translation></message>
    <message id="events.import.repeats"><source>Repeats</source><translation>دہرایا جاتا ہے</translation></message>
    <message id="events.import.noAccess"><source>Qamarly may not use your calendars yet: allow it in the Calendar tab, then try again.</source><translation>قمرلی کو ابھی آپ کے کیلنڈرز استعمال کرنے کی اجازت نہیں: کیلنڈر ٹیب میں اجازت دیں، پھر دوبارہ کوشش کریں۔</translation></message>
    <message id="events.import.done"><source>%1: %2 added, %3 updated, %4 already there.</source><translation>%1: %2 شامل، %3 تازہ، %4 پہلے سے موجود۔</translation></message>
    <message id="cli.help.import"><source>Adds the events of an iCalendar file (an invitation, another program’s export; - reads standard input) to a calendar: the first one that can be written, unless --calendar names another. An event the calendar holds already is left as it is unless the file has a later version of it. Exits with 1 when an event could not be added, and says which.</source><translation>کسی iCalendar فائل (دعوت نامہ، کسی اور پروگرام کی برآمد؛ - معیاری ان پٹ پڑھتا ہے) کے ایونٹس کسی کیلنڈر میں شامل کرتا ہے: پہلا کیلنڈر جس میں لکھا جا سکے، جب تک --calendar کسی اور کا نام نہ لے۔ جو ایونٹ کیلنڈر میں پہلے سے ہو وہ ویسا ہی رہتا ہے، جب تک فائل میں اس کا نیا ورژن نہ ہو۔ کوئی ایونٹ شامل نہ ہو سکے تو 1 کے ساتھ ختم ہوتا ہے اور بتاتا ہے کون سا۔</translation></message>
</context>
</TS>
