<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>calendarscreen</name>
    <message id="calendarscreen.tabTitle"><source>Calendar</source><translation>التقويم</translation></message>
    <message id="calendarscreen.segmentGregorian"><source>Gregorian</source><translation>ميلادي</translation></message>
    <message id="calendarscreen.segmentUmmAlQura"><source>Umm al-Qura</source><translation>أم القرى</translation></message>
    <message id="calendarscreen.today"><source>Today</source><translation>اليوم</translation></message>
    <message id="calendarscreen.add"><source>+</source><translation>+</translation></message>
    <message id="calendarscreen.addEvent"><source>Add event</source><translation>إضافة موعد</translation></message>
    <message id="calendarscreen.a11y.list"><source>Events of the selected day</source><translation>مواعيد اليوم المختار</translation></message>
    <message id="calendarscreen.a11y.gridCalendar"><source>Calendar of the grid</source><translation>تقويم الشبكة</translation></message>
    <message id="calendarscreen.a11y.calendar"><source>calendar %1</source><translation>تقويم %1</translation></message>
    <message id="calendarscreen.a11y.noEvents"><source>no events</source><translation>لا مواعيد</translation></message>
    <message id="calendarscreen.a11y.events" numerus="yes"><source>%n events</source><translation><numerusform>لا مواعيد</numerusform><numerusform>موعد واحد</numerusform><numerusform>موعدان</numerusform><numerusform>%1 مواعيد</numerusform><numerusform>%1 موعدًا</numerusform><numerusform>%1 موعد</numerusform></translation></message>
    <message id="calendarscreen.noEvents"><source>No events</source><translation>لا مواعيد</translation></message>
    <message id="calendarscreen.deleteTitle"><source>Delete Event</source><translation>حذف الموعد</translation></message>
    <message id="calendarscreen.deleteMessage"><source>“%1” will be deleted.</source><translation>سيُحذف «%1».</translation></message>
    <message id="calendarscreen.deleteConfirm"><source>Delete</source><translation>حذف</translation></message>
    <message id="calendarscreen.cancel"><source>Cancel</source><translation>إلغاء</translation></message>
    <message id="calendarscreen.ok"><source>OK</source><translation>حسنًا</translation></message>
    <message id="calendarscreen.copiedTitle"><source>Event Copied</source><translation>نُسخ الموعد</translation></message>
    <message id="calendarscreen.copiedMessage"><source>The event is on the clipboard, as text and as a calendar file.</source><translation>الموعد في الحافظة نصًّا وملفَّ تقويم.</translation></message>
    <message id="calendarscreen.errorTitle"><source>Could Not Change the Calendar</source><translation>تعذّر تعديل التقويم</translation></message>
    <message id="events.editor.newTitle"><source>New Event</source><translation>موعد جديد</translation></message>
    <message id="events.editor.editTitle"><source>Edit Event</source><translation>تعديل الموعد</translation></message>
    <message id="events.editor.title"><source>Title</source><translation>العنوان</translation></message>
    <message id="events.editor.titlePlaceholder"><source>Title</source><translation>العنوان</translation></message>
    <message id="events.editor.location"><source>Location</source><translation>المكان</translation></message>
    <message id="events.editor.locationPlaceholder"><source>Location</source><translation>المكان</translation></message>
    <message id="events.editor.allDay"><source>All-day</source><translation>طوال اليوم</translation></message>
    <message id="events.editor.starts"><source>Starts</source><translation>يبدأ</translation></message>
    <message id="events.editor.ends"><source>Ends</source><translation>ينتهي</translation></message>
    <message id="events.editor.calendar"><source>Calendar</source><translation>التقويم</translation></message>
    <message id="events.editor.save"><source>Save</source><translation>حفظ</translation></message>
    <message id="events.editor.cancel"><source>Cancel</source><translation>إلغاء</translation></message>
    <message id="events.editor.untitled"><source>New Event</source><translation>موعد جديد</translation></message>
    <message id="events.editor.noCalendar"><source>There is no calendar that can be written to.</source><translation>لا يوجد تقويم يمكن الكتابة فيه.</translation></message>
    <message id="events.editor.endBeforeStart"><source>The event cannot end before it starts.</source><translation>لا يمكن أن ينتهي الموعد قبل أن يبدأ.</translation></message>
    <message id="events.editor.saveFailed"><source>The event could not be saved: %1</source><translation>تعذّر حفظ الموعد: %1</translation></message>
    <message id="events.viewer.windowTitle"><source>Event</source><translation>الموعد</translation></message>
    <message id="events.viewer.calendar"><source>Calendar: %1</source><translation>التقويم: %1</translation></message>
    <message id="events.viewer.edit"><source>Edit</source><translation>تعديل</translation></message>
    <message id="events.viewer.done"><source>Done</source><translation>تم</translation></message>
    <message id="events.editor.notes"><source>Notes</source><translation>ملاحظات</translation></message>
    <message id="events.editor.deleteFailed"><source>The event could not be deleted: %1</source><translation>تعذر حذف الحدث: %1</translation></message>
    <message id="events.editor.repeat"><source>Repeat</source><translation>التكرار</translation></message>
    <message id="events.editor.endRepeat"><source>End repeat</source><translation>نهاية التكرار</translation></message>
    <message id="events.repeat.never"><source>Never</source><translation>لا يتكرر</translation></message>
    <message id="events.repeat.daily"><source>Every day</source><translation>كل يوم</translation></message>
    <message id="events.repeat.weekly"><source>Every week</source><translation>كل أسبوع</translation></message>
    <message id="events.repeat.monthly"><source>Every month</source><translation>كل شهر</translation></message>
    <message id="events.repeat.yearly"><source>Every year</source><translation>كل سنة</translation></message>
    <message id="events.repeat.hijriMonthly"><source>Every Hijri month</source><translation>كل شهر هجري</translation></message>
    <message id="events.repeat.hijriYearly"><source>Every Hijri year</source><translation>كل سنة هجرية</translation></message>
    <message id="events.repeat.other"><source>Custom</source><translation>مخصص</translation></message>
    <message id="events.repeat.skipForward"><source>A 30th in a 29-day month: the day after</source><translation>اليوم الثلاثون في شهر من ٢٩ يومًا: اليوم التالي</translation></message>
    <message id="events.repeat.skipBackward"><source>A 30th in a 29-day month: the 29th</source><translation>اليوم الثلاثون في شهر من ٢٩ يومًا: اليوم التاسع والعشرون</translation></message>
    <message id="events.repeat.endNever"><source>Never</source><translation>أبدًا</translation></message>
    <message id="events.repeat.endOn"><source>On date</source><translation>في تاريخ</translation></message>
    <message id="events.repeat.endAfter"><source>After</source><translation>بعد</translation></message>
    <message id="events.repeat.times"><source> times</source><translation> مرات</translation></message>
    <message id="events.editor.repeatEndsBeforeStart"><source>The repeat cannot end before the event starts.</source><translation>لا يمكن أن ينتهي التكرار قبل بدء الحدث.</translation></message>
    <message id="events.editor.repeatForSeries"><source>The repeat of a series changes for all its events or for this and the following ones.</source><translation>يتغير تكرار السلسلة لكل أحداثها أو لهذا الحدث وما يليه.</translation></message>
    <message id="events.viewer.unfollowedRule"><source>This event repeats by a rule Qamarly cannot follow; only its first occurrence is shown.</source><translation>يتكرر هذا الحدث بقاعدة لا يتبعها قمرلي؛ تظهر أول مرة منه فقط.</translation></message>
    <message id="events.access.windowTitle"><source>Qamarly</source><translation>قمرلي</translation></message>
    <message id="events.access.title"><source>“Qamarly” Would Like to Access Your Calendars</source><translation>يطلب «قمرلي» الوصول إلى تقويماتك</translation></message>
    <message id="events.access.message"><source>Your events of the selected day are shown under the calendar.</source><translation>تظهر مواعيدك لليوم المختار تحت التقويم.</translation></message>
    <message id="events.access.deny"><source>Don’t Allow</source><translation>عدم السماح</translation></message>
    <message id="events.access.allow"><source>OK</source><translation>حسنًا</translation></message>
    <message id="appSettings.calendars"><source>Calendars</source><translation>التقويمات</translation></message>
    <message id="appSettings.calendarAccess"><source>Allow access to calendars</source><translation>السماح بالوصول إلى التقويمات</translation></message>
    <message id="cli.help.events"><source>Lists the calendar events of a day (today by default), as the calendar tab shows them, or adds, changes or deletes one. Times without an offset are in the event’s own zone. Bad input exits with 2 and a change the calendar refused with 1; nothing is written then.</source><translation>يعرض مواعيد يوم من التقويمات (اليوم إن لم يُذكر)، كما يعرضها تبويب التقويم، أو يضيف موعدًا أو يعدّله أو يحذفه. الأوقات بلا فارق توقيت هي بتوقيت منطقة الموعد نفسه. يخرج بالرمز 2 عند مدخلات خاطئة وبالرمز 1 إذا رفض التقويم التعديل، ولا يُكتب شيء عندئذ.</translation></message>
    <message id="events.span.thisEvent"><source>This event</source><translation>هذا الموعد فقط</translation></message>
    <message id="events.span.futureEvents"><source>This and following events</source><translation>هذا الموعد وما يليه</translation></message>
    <message id="events.span.allEvents"><source>All events</source><translation>كل المواعيد</translation></message>
    <message id="events.span.saveTitle"><source>Change a Repeating Event</source><translation>تعديل موعد متكرر</translation></message>
    <message id="events.span.saveMessage"><source>“%1” repeats. Which of its occurrences does the change apply to?</source><translation>«%1» موعد متكرر. على أيّ مرّاته يُطبَّق التعديل؟</translation></message>
    <message id="calendarscreen.deleteRepeatingMessage"><source>“%1” repeats. Which of its occurrences should be deleted?</source><translation>«%1» موعد متكرر. أيّ مرّاته تُحذف؟</translation></message>
    <message id="appSettings.calendarFoldersNote"><source>Calendar folders that other programs keep in sync (a vdirsyncer or khal collection) are listed below.</source><translation>مجلدات التقويم التي تزامنها برامج أخرى (مجموعة vdirsyncer أو khal) مدرجة أدناه.</translation></message>
    <message id="appSettings.addCalendarFolder"><source>Add Folder…</source><translation>إضافة مجلد…</translation></message>
    <message id="appSettings.removeCalendarFolder"><source>Remove</source><translation>إزالة</translation></message>
    <message id="appSettings.chooseCalendarFolder"><source>Choose a Calendar Folder</source><translation>اختيار مجلد تقويم</translation></message>
    <message id="calendarscreen.eventFrom"><source>From %1</source><translation>من %1</translation></message>
    <message id="calendarscreen.eventTo"><source>To %1</source><translation>إلى %1</translation></message>
    <message id="calendarscreen.allDay"><source>All Day</source><translation>طوال اليوم</translation></message>
    <message id="calendarscreen.durationJoin"><source>%1, %2</source><translation>%1، %2</translation></message>
    <message id="calendarscreen.rowDelete"><source>Delete</source><translation>حذف</translation></message>
    <message id="calendarscreen.rowShare"><source>Share</source><translation>مشاركة</translation></message>
    <message id="calendarscreen.rowMore"><source>More</source><translation>المزيد</translation></message>
    <message id="calendarscreen.durationDays" numerus="yes"><source>%n d</source><translation><numerusform>%1 يوم</numerusform><numerusform>يوم</numerusform><numerusform>يومان</numerusform><numerusform>%1 أيام</numerusform><numerusform>%1 يومًا</numerusform><numerusform>%1 يوم</numerusform></translation></message>
    <message id="calendarscreen.durationHours" numerus="yes"><source>%n h</source><translation><numerusform>%1 س</numerusform><numerusform>%1 س</numerusform><numerusform>%1 س</numerusform><numerusform>%1 س</numerusform><numerusform>%1 س</numerusform><numerusform>%1 س</numerusform></translation></message>
    <message id="calendarscreen.durationMinutes" numerus="yes"><source>%n m</source><translation><numerusform>%1 د</numerusform><numerusform>%1 د</numerusform><numerusform>%1 د</numerusform><numerusform>%1 د</numerusform><numerusform>%1 د</numerusform><numerusform>%1 د</numerusform></translation></message>
    <message id="events.import.title"><source>Add Events</source><translation>إضافة مواعيد</translation></message>
    <message id="events.import.heading"><source>Events in “%1”:</source><translation>المواعيد في «%1»:</translation></message>
    <message id="events.import.add"><source>Add to Calendar</source><translation>أضف إلى التقويم</translation></message>
    <message id="events.import.close"><source>Close</source><translation>إغلاق</translation></message>
    <message id="events.import.cannotOpen"><source>“%1” cannot be opened</source><translation>تعذّر فتح «%1»</translation></message>
    <message id="events.import.untitled"><source>Untitled</source><translation>بلا عنوان</translation></message>
    <message id="events.import.repeats"><source>Repeats</source><translation>يتكرر</translation></message>
    <message id="events.import.noAccess"><source>Qamarly may not use your calendars yet: allow it in the Calendar tab, then try again.</source><translation>لا يُسمح لقمرلي بعدُ باستخدام تقويماتك: اسمح بذلك في تبويب التقويم ثم أعد المحاولة.</translation></message>
    <message id="events.import.done"><source>%1: %2 added, %3 updated, %4 already there.</source><translation>%1: أُضيف %2، وحُدِّث %3، و%4 موجودة من قبل.</translation></message>
    <message id="cli.help.import"><source>Adds the events of an iCalendar file (an invitation, another program’s export; - reads standard input) to a calendar: the first one that can be written, unless --calendar names another. An event the calendar holds already is left as it is unless the file has a later version of it. Exits with 1 when an event could not be added, and says which.</source><translation>يضيف مواعيد ملف iCalendar (دعوة، أو ما صدّره برنامج آخر؛ - يقرأ من الدخل القياسي) إلى تقويم: أول تقويم تمكن الكتابة فيه، ما لم يُسمِّ --calendar غيره. الموعد الموجود في التقويم يبقى كما هو إلا إذا كان في الملف إصدار أحدث منه. يخرج بالرمز 1 إذا تعذّرت إضافة موعد، ويذكر أيّها.</translation></message>
</context>
</TS>
