<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn">
<context>
    <name>calendarscreen</name>
    <message id="calendarscreen.tabTitle"><source>Calendar</source><translation>ক্যালেন্ডার</translation></message>
    <message id="calendarscreen.segmentGregorian"><source>Gregorian</source><translation>খ্রিস্টীয়</translation></message>
    <message id="calendarscreen.segmentUmmAlQura"><source>Umm al-Qura</source><translation>উম্মুল কুরা</translation></message>
    <message id="calendarscreen.today"><source>Today</source><translation>আজ</translation></message>
    <message id="calendarscreen.add"><source>+</source><translation>+</translation></message>
    <message id="calendarscreen.addEvent"><source>Add event</source><translation>ইভেন্ট যোগ করুন</translation></message>
    <message id="calendarscreen.a11y.list"><source>Events of the selected day</source><translation>নির্বাচিত দিনের ইভেন্ট</translation></message>
    <message id="calendarscreen.a11y.gridCalendar"><source>Calendar of the grid</source><translation>ছকের ক্যালেন্ডার</translation></message>
    <message id="calendarscreen.a11y.calendar"><source>calendar %1</source><translation>ক্যালেন্ডার %1</translation></message>
    <message id="calendarscreen.a11y.noEvents"><source>no events</source><translation>কোনো ইভেন্ট নেই</translation></message>
    <message id="calendarscreen.a11y.events" numerus="yes"><source>%n events</source><translation><numerusform>%1টি ইভেন্ট</numerusform><numerusform>%1টি ইভেন্ট</numerusform></translation></message>
    <message id="calendarscreen.noEvents"><source>No events</source><translation>কোনো ইভেন্ট নেই</translation></message>
    <message id="calendarscreen.deleteTitle"><source>Delete Event</source><translation>ইভেন্ট মুছুন</translation></message>
    <message id="calendarscreen.deleteMessage"><source>“%1” will be deleted.</source><translation>“%1” মুছে ফেলা হবে।</translation></message>
    <message id="calendarscreen.deleteConfirm"><source>Delete</source><translation>মুছুন</translation></message>
    <message id="calendarscreen.cancel"><source>Cancel</source><translation>বাতিল</translation></message>
    <message id="calendarscreen.ok"><source>OK</source><translation>ঠিক আছে</translation></message>
    <message id="calendarscreen.copiedTitle"><source>Event Copied</source><translation>ইভেন্ট কপি হয়েছে</translation></message>
    <message id="calendarscreen.copiedMessage"><source>The event is on the clipboard, as text and as a calendar file.</source><translation>ইভেন্টটি ক্লিপবোর্ডে আছে, লেখা হিসেবে এবং ক্যালেন্ডার ফাইল হিসেবে।</translation></message>
    <message id="calendarscreen.errorTitle"><source>Could Not Change the Calendar</source><translation>ক্যালেন্ডার পরিবর্তন করা যায়নি</translation></message>
    <message id="events.editor.newTitle"><source>New Event</source><translation>নতুন ইভেন্ট</translation></message>
    <message id="events.editor.editTitle"><source>Edit Event</source><translation>ইভেন্ট সম্পাদনা</translation></message>
    <message id="events.editor.title"><source>Title</source><translation>শিরোনাম</translation></message>
    <message id="events.editor.titlePlaceholder"><source>Title</source><translation>শিরোনাম</translation></message>
    <message id="events.editor.location"><source>Location</source><translation>স্থান</translation></message>
    <message id="events.editor.locationPlaceholder"><source>Location</source><translation>স্থান</translation></message>
    <message id="events.editor.allDay"><source>All-day</source><translation>সারাদিন</translation></message>
    <message id="events.editor.starts"><source>Starts</source><translation>শুরু</translation></message>
    <message id="events.editor.ends"><source>Ends</source><translation>শেষ</translation></message>
    <message id="events.editor.calendar"><source>Calendar</source><translation>ক্যালেন্ডার</translation></message>
    <message id="events.editor.save"><source>Save</source><translation>সংরক্ষণ</translation></message>
    <message id="events.editor.cancel"><source>Cancel</source><translation>বাতিল</translation></message>
    <message id="events.editor.untitled"><source>New Event</source><translation>নতুন ইভেন্ট</translation></message>
    <message id="events.editor.noCalendar"><source>There is no calendar that can be written to.</source><translation>লেখা যায় এমন কোনো ক্যালেন্ডার নেই।</translation></message>
    <message id="events.editor.endBeforeStart"><source>The event cannot end before it starts.</source><translation>ইভেন্ট শুরুর আগে শেষ হতে পারে না।</translation></message>
    <message id="events.editor.saveFailed"><source>The event could not be saved: %1</source><translation>ইভেন্ট সংরক্ষণ করা যায়নি: %1</translation></message>
    <message id="events.viewer.windowTitle"><source>Event</source><translation>ইভেন্ট</translation></message>
    <message id="events.viewer.calendar"><source>Calendar: %1</source><translation>ক্যালেন্ডার: %1</translation></message>
    <message id="events.viewer.edit"><source>Edit</source><translation>সম্পাদনা</translation></message>
    <message id="events.viewer.done"><source>Done</source><translation>সম্পন্ন</translation></message>
    <message id="events.editor.notes"><source>Notes</source><translation>নোট</translation></message>
    <message id="events.editor.deleteFailed"><source>The event could not be deleted: %1</source><translation>ইভেন্ট মোছা যায়নি: %1</translation></message>
    <message id="events.editor.repeat"><source>Repeat</source><translation>পুনরাবৃত্তি</translation></message>
    <message id="events.editor.endRepeat"><source>End repeat</source><translation>পুনরাবৃত্তির শেষ</translation></message>
    <message id="events.repeat.never"><source>Never</source><translation>কখনো না</translation></message>
    <message id="events.repeat.daily"><source>Every day</source><translation>প্রতিদিন</translation></message>
    <message id="events.repeat.weekly"><source>Every week</source><translation>প্রতি সপ্তাহে</translation></message>
    <message id="events.repeat.monthly"><source>Every month</source><translation>প্রতি মাসে</translation></message>
    <message id="events.repeat.yearly"><source>Every year</source><translation>প্রতি বছর</translation></message>
    <message id="events.repeat.hijriMonthly"><source>Every Hijri month</source><translation>প্রতি হিজরি মাসে</translation></message>
    <message id="events.repeat.hijriYearly"><source>Every Hijri year</source><translation>প্রতি হিজরি বছরে</translation></message>
    <message id="events.repeat.other"><source>Custom</source><translation>নিজস্ব</translation></message>
    <message id="events.repeat.skipForward"><source>A 30th in a 29-day month: the day after</source><translation>২৯ দিনের মাসে ৩০ তারিখ: পরের দিন</translation></message>
    <message id="events.repeat.skipBackward"><source>A 30th in a 29-day month: the 29th</source><translation>২৯ দিনের মাসে ৩০ তারিখ: ২৯ তারিখ</translation></message>
    <message id="events.repeat.endNever"><source>Never</source><translation>কখনো না</translation></message>
    <message id="events.repeat.endOn"><source>On date</source><translation>তারিখে</translation></message>
    <message id="events.repeat.endAfter"><source>After</source><translation>এতবার পরে</translation></message>
    <message id="events.repeat.times"><source> times</source><translation> বার</translation></message>
    <message id="events.editor.repeatEndsBeforeStart"><source>The repeat cannot end before the event starts.</source><translation>ইভেন্ট শুরুর আগে পুনরাবৃত্তি শেষ হতে পারে না।</translation></message>
    <message id="events.editor.repeatForSeries"><source>The repeat of a series changes for all its events or for this and the following ones.</source><translation>একটি ধারার পুনরাবৃত্তি এর সব ইভেন্টের জন্য, অথবা এটি ও পরের ইভেন্টগুলোর জন্য বদলায়।</translation></message>
    <message id="events.viewer.unfollowedRule"><source>This event repeats by a rule Qamarly cannot follow; only its first occurrence is shown.</source><translation>এই ইভেন্ট এমন নিয়মে পুনরাবৃত্ত হয় যা Qamarly অনুসরণ করতে পারে না; শুধু প্রথমবারটি দেখানো হয়েছে।</translation></message>
    <message id="events.access.windowTitle"><source>Qamarly</source><translation>Qamarly</translation></message>
    <message id="events.access.title"><source>“Qamarly” Would Like to Access Your Calendars</source><translation>“Qamarly” আপনার ক্যালেন্ডার দেখার অনুমতি চায়</translation></message>
    <message id="events.access.message"><source>Your events of the selected day are shown under the calendar.</source><translation>নির্বাচিত দিনের আপনার ইভেন্টগুলো ক্যালেন্ডারের নিচে দেখানো হয়।</translation></message>
    <message id="events.access.deny"><source>Don’t Allow</source><translation>অনুমতি দেবেন না</translation></message>
    <message id="events.access.allow"><source>OK</source><translation>ঠিক আছে</translation></message>
    <message id="appSettings.calendars"><source>Calendars</source><translation>ক্যালেন্ডার</translation></message>
    <message id="appSettings.calendarAccess"><source>Allow access to calendars</source><translation>ক্যালেন্ডার দেখার অনুমতি দিন</translation></message>
    <message id="cli.help.events"><source>Lists the calendar events of a day (today by default), as the calendar tab shows them, or adds, changes or deletes one. Times without an offset are in the event’s own zone. Bad input exits with 2 and a change the calendar refused with 1; nothing is written then.</source><translation>কোনো দিনের (সাধারণত আজকের) ক্যালেন্ডার ইভেন্টের তালিকা দেখায়, ক্যালেন্ডার ট্যাবে যেমন দেখায়, অথবা একটি ইভেন্ট যোগ, পরিবর্তন বা মুছে ফেলে। অফসেট ছাড়া সময় ইভেন্টের নিজের সময় অঞ্চলে ধরা হয়। ভুল ইনপুটে প্রস্থান কোড ২ এবং ক্যালেন্ডার কোনো পরিবর্তন প্রত্যাখ্যান করলে ১; তখন কিছুই লেখা হয় না।</translation></message>
    <message id="events.span.thisEvent"><source>This event</source><translation>শুধু এই ইভেন্ট</translation></message>
    <message id="events.span.futureEvents"><source>This and following events</source><translation>এটি ও পরের ইভেন্টগুলো</translation></message>
    <message id="events.span.allEvents"><source>All events</source><translation>সব ইভেন্ট</translation></message>
    <message id="events.span.saveTitle"><source>Change a Repeating Event</source><translation>পুনরাবৃত্ত ইভেন্ট পরিবর্তন</translation></message>
    <message id="events.span.saveMessage"><source>“%1” repeats. Which of its occurrences does the change apply to?</source><translation>“%1” পুনরাবৃত্ত হয়। পরিবর্তনটি কোনগুলোর ক্ষেত্রে প্রযোজ্য হবে?</translation></message>
    <message id="calendarscreen.deleteRepeatingMessage"><source>“%1” repeats. Which of its occurrences should be deleted?</source><translation>“%1” পুনরাবৃত্ত হয়। কোনগুলো মুছে ফেলা হবে?</translation></message>
    <message id="appSettings.calendarFoldersNote"><source>Calendar folders that other programs keep in sync (a vdirsyncer or khal collection) are listed below.</source><translation>অন্য প্রোগ্রাম যেসব ক্যালেন্ডার ফোল্ডার সিঙ্ক রাখে (vdirsyncer বা khal সংগ্রহ), সেগুলো নিচে দেওয়া আছে।</translation></message>
    <message id="appSettings.addCalendarFolder"><source>Add Folder…</source><translation>ফোল্ডার যোগ করুন…</translation></message>
    <message id="appSettings.removeCalendarFolder"><source>Remove</source><translation>সরান</translation></message>
    <message id="appSettings.chooseCalendarFolder"><source>Choose a Calendar Folder</source><translation>ক্যালেন্ডার ফোল্ডার বেছে নিন</translation></message>
    <message id="calendarscreen.eventFrom"><source>From %1</source><translation>শুরু %1</translation></message>
    <message id="calendarscreen.eventTo"><source>To %1</source><translation>শেষ %1</translation></message>
    <message id="calendarscreen.allDay"><source>All Day</source><translation>সারাদিন</translation></message>
    <message id="calendarscreen.durationJoin"><source>%1, %2</source><translation>%1, %2</translation></message>
    <message id="calendarscreen.rowDelete"><source>Delete</source><translation>মুছুন</translation></message>
    <message id="calendarscreen.rowShare"><source>Share</source><translation>শেয়ার</translation></message>
    <message id="calendarscreen.rowMore"><source>More</source><translation>আরও</translation></message>
    <message id="calendarscreen.durationDays" numerus="yes"><source>%n d</source><translation><numerusform>%1 দিন</numerusform><numerusform>%1 দিন</numerusform></translation></message>
    <message id="calendarscreen.durationHours" numerus="yes"><source>%n h</source><translation><numerusform>%1 ঘ</numerusform><numerusform>%1 ঘ</numerusform></translation></message>
    <message id="calendarscreen.durationMinutes" numerus="yes"><source>%n m</source><translation><numerusform>%1 মি</numerusform><numerusform>%1 মি</numerusform></translation></message>
    <message id="events.import.title"><source>Add Events</source><translation>ইভেন্ট যোগ করুন</translation></message>
    <message id="events.import.heading"><source>Events in “%1”:</source><translation>“%1”-এর ইভেন্ট:</translation></message>
    <message id="events.import.add"><source>Add to Calendar</source><translation>ক্যালেন্ডারে যোগ করুন</translation></message>
    <message id="events.import.close"><source>Close</source><translation>বন্ধ করুন</translation></message>
    <message id="events.import.cannotOpen"><source>“%1” cannot be opened</source><translation>“%1” খোলা যায়নি</translation></message>
    <message id="events.import.untitled"><source>Untitled</source><translation>শিরোনামহীন</translation></message>
    <message id="events.import.repeats"><source>Repeats</source><translation>পুনরাবৃত্ত</translation></message>
    <message id="events.import.noAccess"><source>Qamarly may not use your calendars yet: allow it in the Calendar tab, then try again.</source><translation>Qamarly এখনো আপনার ক্যালেন্ডার ব্যবহার করতে পারে না: ক্যালেন্ডার ট্যাবে অনুমতি দিয়ে আবার চেষ্টা করুন।</translation></message>
    <message id="events.import.done"><source>%1: %2 added, %3 updated, %4 already there.</source><translation>%1: %2টি যোগ হয়েছে, %3টি হালনাগাদ হয়েছে, %4টি আগে থেকেই ছিল।</translation></message>
    <message id="cli.help.import"><source>Adds the events of an iCalendar file (an invitation, another program’s export; - reads standard input) to a calendar: the first one that can be written, unless --calendar names another. An event the calendar holds already is left as it is unless the file has a later version of it. Exits with 1 when an event could not be added, and says which.</source><translation>একটি iCalendar ফাইলের ইভেন্ট (আমন্ত্রণ, অন্য প্রোগ্রামের রপ্তানি; - স্ট্যান্ডার্ড ইনপুট পড়ে) একটি ক্যালেন্ডারে যোগ করে: প্রথম যে ক্যালেন্ডারে লেখা যায়, যদি না --calendar অন্যটির নাম দেয়। ক্যালেন্ডারে আগে থেকে থাকা ইভেন্ট যেমন আছে তেমনই থাকে, যদি না ফাইলে তার নতুন সংস্করণ থাকে। কোনো ইভেন্ট যোগ করা না গেলে প্রস্থান কোড ১ দেয় এবং কোনটি তা জানায়।</translation></message>
</context>
</TS>
