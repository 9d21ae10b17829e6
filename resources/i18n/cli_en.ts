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
</context>
</TS>
