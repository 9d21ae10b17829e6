<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>calendarscreen</name>
    <message id="calendarscreen.tabTitle"><source>Calendar</source><translation>Calendar</translation></message>
    <message id="calendarscreen.segmentGregorian"><source>Gregorian</source><translation>Gregorian</translation></message>
    <message id="calendarscreen.segmentUmmAlQura"><source>Umm al-Qura</source><translation>Umm al-Qura</translation></message>
    <message id="calendarscreen.today"><source>Today</source><translation>Today</translation></message>
    <message id="calendarscreen.add"><source>+</source><translation>+</translation></message>
    <message id="calendarscreen.addEvent"><source>Add event</source><translation>Add event</translation></message>
    <message id="calendarscreen.a11y.list"><source>Events of the selected day</source><translation>Events of the selected day</translation></message>
    <message id="calendarscreen.a11y.gridCalendar"><source>Calendar of the grid</source><translation>Calendar of the grid</translation></message>
    <message id="calendarscreen.a11y.calendar"><source>calendar %1</source><translation>calendar %1</translation></message>
    <message id="calendarscreen.a11y.noEvents"><source>no events</source><translation>no events</translation></message>
    <message id="calendarscreen.a11y.events" numerus="yes"><source>%n events</source><translation><numerusform>%1 event</numerusform><numerusform>%1 events</numerusform></translation></message>
    <message id="calendarscreen.noEvents"><source>No events</source><translation>No events</translation></message>
    <message id="calendarscreen.deleteTitle"><source>Delete Event</source><translation>Delete Event</translation></message>
    <message id="calendarscreen.deleteMessage"><source>“%1” will be deleted.</source><translation>“%1” will be deleted.</translation></message>
    <message id="calendarscreen.deleteConfirm"><source>Delete</source><translation>Delete</translation></message>
    <message id="calendarscreen.cancel"><source>Cancel</source><translation>Cancel</translation></message>
    <message id="calendarscreen.ok"><source>OK</source><translation>OK</translation></message>
    <message id="calendarscreen.copiedTitle"><source>Event Copied</source><translation>Event Copied</translation></message>
    <message id="calendarscreen.copiedMessage"><source>The event is on the clipboard, as text and as a calendar file.</source><translation>The event is on the clipboard, as text and as a calendar file.</translation></message>
    <message id="calendarscreen.errorTitle"><source>Could Not Change the Calendar</source><translation>Could Not Change the Calendar</translation></message>
    <message id="events.editor.newTitle"><source>New Event</source><translation>New Event</translation></message>
    <message id="events.editor.editTitle"><source>Edit Event</source><translation>Edit Event</translation></message>
    <message id="events.editor.title"><source>Title</source><translation>Title</translation></message>
    <message id="events.editor.titlePlaceholder"><source>Title</source><translation>Title</translation></message>
    <message id="events.editor.location"><source>Location</source><translation>Location</translation></message>
    <message id="events.editor.locationPlaceholder"><source>Location</source><translation>Location</translation></message>
    <message id="events.editor.allDay"><source>All-day</source><translation>All-day</translation></message>
    <message id="events.editor.starts"><source>Starts</source><translation>Starts</translation></message>
    <message id="events.editor.ends"><source>Ends</source><translation>Ends</translation></message>
    <message id="events.editor.calendar"><source>Calendar</source><translation>Calendar</translation></message>
    <message id="events.editor.save"><source>Save</source><translation>Save</translation></message>
    <message id="events.editor.cancel"><source>Cancel</source><translation>Cancel</translation></message>
    <message id="events.editor.untitled"><source>New Event</source><translation>New Event</translation></message>
    <message id="events.editor.noCalendar"><source>There is no calendar that can be written to.</source><translation>There is no calendar that can be written to.</translation></message>
    <message id="events.editor.endBeforeStart"><source>The event cannot end before it starts.</source><translation>The event cannot end before it starts.</translation></message>
    <message id="events.editor.saveFailed"><source>The event could not be saved: %1</source><translation>The event could not be saved: %1</translation></message>
    <message id="events.viewer.windowTitle"><source>Event</source><translation>Event</translation></message>
    <message id="events.viewer.calendar"><source>Calendar: %1</source><translation>Calendar: %1</translation></message>
    <message id="events.viewer.edit"><source>Edit</source><translation>Edit</translation></message>
    <message id="events.viewer.done"><source>Done</source><translation>Done</translation></message>
    <message id="events.editor.notes"><source>Notes</source><translation>Notes</translation></message>
    <message id="events.editor.deleteFailed"><source>The event could not be deleted: %1</source><translation>The event could not be deleted: %1</translation></message>
    <message id="events.editor.repeat"><source>Repeat</source><translation>Repeat</translation></message>
    <message id="events.editor.endRepeat"><source>End repeat</source><translation>End repeat</translation></message>
    <message id="events.repeat.never"><source>Never</source><translation>Never</translation></message>
    <message id="events.repeat.daily"><source>Every day</source><translation>Every day</translation></message>
    <message id="events.repeat.weekly"><source>Every week</source><translation>Every week</translation></message>
    <message id="events.repeat.monthly"><source>Every month</source><translation>Every month</translation></message>
    <message id="events.repeat.yearly"><source>Every year</source><translation>Every year</translation></message>
    <message id="events.repeat.hijriMonthly"><source>Every Hijri month</source><translation>Every Hijri month</translation></message>
    <message id="events.repeat.hijriYearly"><source>Every Hijri year</source><translation>Every Hijri year</translation></message>
    <message id="events.repeat.other"><source>Custom</source><translation>Custom</translation></message>
    <message id="events.repeat.skipForward"><source>A 30th in a 29-day month: the day after</source><translation>A 30th in a 29-day month: the day after</translation></message>
    <message id="events.repeat.skipBackward"><source>A 30th in a 29-day month: the 29th</source><translation>A 30th in a 29-day month: the 29th</translation></message>
    <message id="events.repeat.endNever"><source>Never</source><translation>Never</translation></message>
    <message id="events.repeat.endOn"><source>On date</source><translation>On date</translation></message>
    <message id="events.repeat.endAfter"><source>After</source><translation>After</translation></message>
    <message id="events.repeat.times"><source> times</source><translation> times</translation></message>
    <message id="events.editor.repeatEndsBeforeStart"><source>The repeat cannot end before the event starts.</source><translation>The repeat cannot end before the event starts.</translation></message>
    <message id="events.editor.repeatForSeries"><source>The repeat of a series changes for all its events or for this and the following ones.</source><translation>The repeat of a series changes for all its events or for this and the following ones.</translation></message>
    <message id="events.viewer.unfollowedRule"><source>This event repeats by a rule Qamarly cannot follow; only its first occurrence is shown.</source><translation>This event repeats by a rule Qamarly cannot follow; only its first occurrence is shown.</translation></message>
    <message id="events.access.windowTitle"><source>Qamarly</source><translation>Qamarly</translation></message>
    <message id="events.access.title"><source>“Qamarly” Would Like to Access Your Calendars</source><translation>“Qamarly” Would Like to Access Your Calendars</translation></message>
    <message id="events.access.message"><source>Your events of the selected day are shown under the calendar.</source><translation>Your events of the selected day are shown under the calendar.</translation></message>
    <message id="events.access.deny"><source>Don’t Allow</source><translation>Don’t Allow</translation></message>
    <message id="events.access.allow"><source>OK</source><translation>OK</translation></message>
    <message id="appSettings.calendars"><source>Calendars</source><translation>Calendars</translation></message>
    <message id="appSettings.calendarAccess"><source>Allow access to calendars</source><translation>Allow access to calendars</translation></message>
    <message id="cli.help.events"><source>Lists the calendar events of a day (today by default), as the calendar tab shows them, or adds, changes or deletes one. Times without an offset are in the event’s own zone. Bad input exits with 2 and a change the calendar refused with 1; nothing is written then.</source><translation>Lists the calendar events of a day (today by default), as the calendar tab shows them, or adds, changes or deletes one. Times without an offset are in the event’s own zone. Bad input exits with 2 and a change the calendar refused with 1; nothing is written then.</translation></message>
    <message id="events.span.thisEvent"><source>This event</source><translation>This event</translation></message>
    <message id="events.span.futureEvents"><source>This and following events</source><translation>This and following events</translation></message>
    <message id="events.span.allEvents"><source>All events</source><translation>All events</translation></message>
    <message id="events.span.saveTitle"><source>Change a Repeating Event</source><translation>Change a Repeating Event</translation></message>
    <message id="events.span.saveMessage"><source>“%1” repeats. Which of its occurrences does the change apply to?</source><translation>“%1” repeats. Which of its occurrences does the change apply to?</translation></message>
    <message id="calendarscreen.deleteRepeatingMessage"><source>“%1” repeats. Which of its occurrences should be deleted?</source><translation>“%1” repeats. Which of its occurrences should be deleted?</translation></message>
    <message id="appSettings.calendarFoldersNote"><source>Calendar folders that other programs keep in sync (a vdirsyncer or khal collection) are listed below.</source><translation>Calendar folders that other programs keep in sync (a vdirsyncer or khal collection) are listed below.</translation></message>
    <message id="appSettings.addCalendarFolder"><source>Add Folder…</source><translation>Add Folder…</translation></message>
    <message id="appSettings.removeCalendarFolder"><source>Remove</source><translation>Remove</translation></message>
    <message id="appSettings.chooseCalendarFolder"><source>Choose a Calendar Folder</source><translation>Choose a Calendar Folder</translation></message>
    <message id="calendarscreen.eventFrom"><source>From %1</source><translation>From %1</translation></message>
    <message id="calendarscreen.eventTo"><source>To %1</source><translation>To %1</translation></message>
    <message id="calendarscreen.allDay"><source>All Day</source><translation>All Day</translation></message>
    <message id="calendarscreen.durationJoin"><source>%1, %2</source><translation>%1, %2</translation></message>
    <message id="calendarscreen.rowDelete"><source>Delete</source><translation>Delete</translation></message>
    <message id="calendarscreen.rowShare"><source>Share</source><translation>Share</translation></message>
    <message id="calendarscreen.rowMore"><source>More</source><translation>More</translation></message>
    <message id="calendarscreen.durationDays" numerus="yes"><source>%n d</source><translation><numerusform>%1 d</numerusform><numerusform>%1 d</numerusform></translation></message>
    <message id="calendarscreen.durationHours" numerus="yes"><source>%n h</source><translation><numerusform>%1 h</numerusform><numerusform>%1 h</numerusform></translation></message>
    <message id="calendarscreen.durationMinutes" numerus="yes"><source>%n m</source><translation><numerusform>%1 m</numerusform><numerusform>%1 m</numerusform></translation></message>
    <message id="events.import.title"><source>Add Events</source><translation>Add Events</translation></message>
    <message id="events.import.heading"><source>Events in “%1”:</source><translation>Events in “%1”:</translation></message>
    <message id="events.import.add"><source>Add to Calendar</source><translation>Add to Calendar</translation></message>
    <message id="events.import.close"><source>Close</source><translation>Close</translation></message>
    <message id="events.import.cannotOpen"><source>“%1” cannot be opened</source><translation>“%1” cannot be opened</translation></message>
    <message id="events.import.untitled"><source>Untitled</source><translation>Untitled</translation></message>
    <message id="events.import.repeats"><source>Repeats</source><translation>Repeats</translation></message>
    <message id="events.import.noAccess"><source>Qamarly may not use your calendars yet: allow it in the Calendar tab, then try again.</source><translation>Qamarly may not use your calendars yet: allow it in the Calendar tab, then try again.</translation></message>
    <message id="events.import.done"><source>%1: %2 added, %3 updated, %4 already there.</source><translation>%1: %2 added, %3 updated, %4 already there.</translation></message>
    <message id="cli.help.import"><source>Adds the events of an iCalendar file (an invitation, another program’s export; - reads standard input) to a calendar: the first one that can be written, unless --calendar names another. An event the calendar holds already is left as it is unless the file has a later version of it. Exits with 1 when an event could not be added, and says which.</source><translation>Adds the events of an iCalendar file (an invitation, another program’s export; - reads standard input) to a calendar: the first one that can be written, unless --calendar names another. An event the calendar holds already is left as it is unless the file has a later version of it. Exits with 1 when an event could not be added, and says which.</translation></message>
</context>
</TS>
