<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>cli</name>
    <message id="cli.hijri"><source>Hijri</source><translation>Hijri</translation></message>
    <message id="cli.gregorian"><source>Gregorian</source><translation>Gregorian</translation></message>
    <message id="cli.adjustment"><source>Hijri adjustment</source><translation>Hijri adjustment</translation></message>
    <message id="cli.days" numerus="yes"><source>%n days</source><translation><numerusform>%1 day</numerusform><numerusform>%1 days</numerusform></translation></message>
    <message id="cli.help.window"><source>With no command the application window opens.</source><translation>With no command the application window opens.</translation></message>
    <message id="cli.help.commands"><source>Commands (add --help after one for its own help):</source><translation>Commands (add --help after one for its own help):</translation></message>
    <message id="cli.help.options"><source>Options:</source><translation>Options:</translation></message>
    <message id="cli.help.help"><source>print this help and exit</source><translation>print this help and exit</translation></message>
    <message id="cli.help.version"><source>print the version and exit</source><translation>print the version and exit</translation></message>
    <message id="cli.help.today"><source>Prints today&apos;s date on the Hijri and Gregorian calendars.</source><translation>Prints today&apos;s date on the Hijri and Gregorian calendars.</translation></message>
    <message id="cli.help.convert"><source>Converts a day from one calendar to the other (--from says which one the day is on).</source><translation>Converts a day from one calendar to the other (--from says which one the day is on).</translation></message>
    <message id="cli.help.range"><source>Counts the days, and the years, months and days, from FROM to TO.</source><translation>Counts the days, and the years, months and days, from FROM to TO.</translation></message>
    <message id="cli.help.settings"><source>Shows the shared settings, or changes one of them.</source><translation>Shows the shared settings, or changes one of them.</translation></message>
    <message id="cli.help.notifications"><source>Shows the planned or pending notifications, or plans them again.</source><translation>Shows the planned or pending notifications, or plans them again.</translation></message>
    <message id="cli.help.occasions"><source>Lists this Hijri year&apos;s occasions and how long until or since each; --ics writes them, for N years from this one, as an iCalendar file to import or subscribe to.</source><translation>Lists this Hijri year&apos;s occasions and how long until or since each; --ics writes them, for N years from this one, as an iCalendar file to import or subscribe to.</translation></message>
    <message id="cli.error.unknownOption"><source>unknown option &apos;%1&apos; (see --help)</source><translation>unknown option &apos;%1&apos; (see --help)</translation></message>
    <message id="cli.error.unknownCommand"><source>unknown command &apos;%1&apos; (see qamarly --help)</source><translation>unknown command &apos;%1&apos; (see qamarly --help)</translation></message>
    <message id="cli.error.unexpected"><source>unexpected argument &apos;%1&apos;</source><translation>unexpected argument &apos;%1&apos;</translation></message>
    <message id="cli.error.needsValue"><source>option --%1 needs a value</source><translation>option --%1 needs a value</translation></message>
    <message id="cli.error.missing"><source>missing %1</source><translation>missing %1</translation></message>
    <message id="cli.error.badYears"><source>&apos;%1&apos; is not a number of years from 1 to %2</source><translation>&apos;%1&apos; is not a number of years from 1 to %2</translation></message>
    <message id="cli.error.unknownCalendar"><source>unknown calendar &apos;%1&apos; (use gregorian or hijri)</source><translation>unknown calendar &apos;%1&apos; (use gregorian or hijri)</translation></message>
    <message id="cli.error.notADay"><source>&apos;%1&apos; is not a day on the %2 calendar (expected YYYY-MM-DD)</source><translation>&apos;%1&apos; is not a day on the %2 calendar (expected YYYY-MM-DD)</translation></message>
    <message id="cli.error.outOfRange"><source>&apos;%1&apos; lies outside the days Qamarly can convert (1 Muharram 1 AH to 31 December 9999)</source><translation>&apos;%1&apos; lies outside the days Qamarly can convert (1 Muharram 1 AH to 31 December 9999)</translation></message>
    <message id="cli.estimate"><source>Estimate: this Hijri date lies outside the Umm al-Qura table (1300 to 1600 AH) and is reckoned by arithmetic; it may differ by a day or two</source><translation>Estimate: this Hijri date lies outside the Umm al-Qura table (1300 to 1600 AH) and is reckoned by arithmetic; it may differ by a day or two</translation></message>
    <message id="cli.what.date"><source>date (YYYY-MM-DD)</source><translation>date (YYYY-MM-DD)</translation></message>
    <message id="cli.what.dates"><source>dates (FROM TO, each YYYY-MM-DD)</source><translation>dates (FROM TO, each YYYY-MM-DD)</translation></message>
    <message id="cli.help.usage"><source>usage: %1</source><translation>usage: %1</translation></message>
    <message id="cli.settings.notAWallpaper"><source>(stored %1 is not a wallpaper)</source><translation>(stored %1 is not a wallpaper)</translation></message>
    <message id="cli.settings.never"><source>(never)</source><translation>(never)</translation></message>
    <message id="cli.settings.nothing"><source>(nothing)</source><translation>(nothing)</translation></message>
    <message id="cli.settings.noFolders"><source>(none)</source><translation>(none)</translation></message>
    <message id="cli.settings.storedIn"><source>stored in %1</source><translation>stored in %1</translation></message>
    <message id="cli.settings.storedInReadOnly"><source>stored in %1 (cannot be written: changes cannot be saved)</source><translation>stored in %1 (cannot be written: changes cannot be saved)</translation></message>
    <message id="cli.settings.storedAt"><source>(stored in %1)</source><translation>(stored in %1)</translation></message>
    <message id="cli.settings.planNotUpdated"><source>%1; the notification plan was not brought up to date</source><translation>%1; the notification plan was not brought up to date</translation></message>
    <message id="cli.settings.unknownKey"><source>unknown key &apos;%1&apos; (known: %2)</source><translation>unknown key &apos;%1&apos; (known: %2)</translation></message>
    <message id="cli.settings.takesBoolean"><source>%1 takes true or false, not &apos;%2&apos;</source><translation>%1 takes true or false, not &apos;%2&apos;</translation></message>
    <message id="cli.settings.takesNumber"><source>%1 takes a whole number, not &apos;%2&apos;</source><translation>%1 takes a whole number, not &apos;%2&apos;</translation></message>
    <message id="cli.settings.takesNumberBetween"><source>%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source><translation>%1 takes a whole number from %2 to %3, not &apos;%4&apos;</translation></message>
    <message id="cli.settings.notStored"><source>could not store %1 in %2; nothing was changed</source><translation>could not store %1 in %2; nothing was changed</translation></message>
    <message id="cli.settings.notStoredReadOnly"><source>could not store %1 in %2: the settings folder cannot be written; nothing was changed</source><translation>could not store %1 in %2: the settings folder cannot be written; nothing was changed</translation></message>
    <message id="cli.settings.unknownAction"><source>unknown action &apos;%1&apos; (use: settings set KEY VALUE)</source><translation>unknown action &apos;%1&apos; (use: settings set KEY VALUE)</translation></message>
    <message id="cli.settings.notACalendarFolder"><source>%1 is not one of the calendar folders</source><translation>%1 is not one of the calendar folders</translation></message>
    <message id="cli.settings.notAFolder"><source>%1 is not a folder</source><translation>%1 is not a folder</translation></message>
    <message id="cli.settings.foldersNotStored"><source>could not store %1; nothing was changed</source><translation>could not store %1; nothing was changed</translation></message>
    <message id="cli.notifications.inSeconds"><source>in %1 s</source><translation>in %1 s</translation></message>
    <message id="cli.notifications.at"><source>at %1</source><translation>at %1</translation></message>
    <message id="cli.notifications.badge"><source>badge %1</source><translation>badge %1</translation></message>
    <message id="cli.notifications.unavailable"><source>%1; notifications cannot be listed or scheduled.</source><translation>%1; notifications cannot be listed or scheduled.</translation></message>
    <message id="cli.notifications.notAllowed"><source>notifications are not allowed; nothing is scheduled and the badge is cleared. Allow them in Qamarly first.</source><translation>notifications are not allowed; nothing is scheduled and the badge is cleared. Allow them in Qamarly first.</translation></message>
    <message id="cli.notifications.count" numerus="yes"><source>%n notifications</source><translation><numerusform>%1 notification</numerusform><numerusform>%1 notifications</numerusform></translation></message>
    <message id="cli.notifications.pendingCount" numerus="yes"><source>%n notifications pending</source><translation><numerusform>%1 notification pending</numerusform><numerusform>%1 notifications pending</numerusform></translation></message>
    <message id="cli.help.language"><source>open the window in this language (%1), with its dates as the language writes them</source><translation>open the window in this language (%1), with its dates as the language writes them</translation></message>
    <message id="cli.help.screenshots"><source>write a picture of every screen to DIR, then quit</source><translation>write a picture of every screen to DIR, then quit</translation></message>
</context>
</TS>
