<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>cli</name>
    <message id="cli.hijri"><source>Hijri</source><translation>Hégire</translation></message>
    <message id="cli.gregorian"><source>Gregorian</source><translation>Grégorien</translation></message>
    <message id="cli.adjustment"><source>Hijri adjustment</source><translation>Ajustement hégirien</translation></message>
    <message id="cli.days" numerus="yes"><source>%n days</source><translation><numerusform>%1 jour</numerusform><numerusform>%1 jours</numerusform></translation></message>
    <message id="cli.help.window"><source>With no command the application window opens.</source><translation>Sans commande, la fenêtre de l’application s’ouvre.</translation></message>
    <message id="cli.help.commands"><source>Commands (add --help after one for its own help):</source><translation>Commandes (ajoutez --help après l’une d’elles pour son aide) :</translation></message>
    <message id="cli.help.options"><source>Options:</source><translation>Options :</translation></message>
    <message id="cli.help.help"><source>print this help and exit</source><translation>afficher cette aide et quitter</translation></message>
    <message id="cli.help.version"><source>print the version and exit</source><translation>afficher la version et quitter</translation></message>
    <message id="cli.help.today"><source>Prints today&apos;s date on the Hijri and Gregorian calendars.</source><translation>Affiche la date du jour dans les calendriers hégirien et grégorien.</translation></message>
    <message id="cli.help.convert"><source>Converts a day from one calendar to the other (--from says which one the day is on).</source><translation>Convertit un jour d’un calendrier à l’autre (--from indique le calendrier du jour donné).</translation></message>
    <message id="cli.help.range"><source>Counts the days, and the years, months and days, from FROM to TO.</source><translation>Compte les jours, ainsi que les années, mois et jours, de FROM à TO.</translation></message>
    <message id="cli.help.settings"><source>Shows the shared settings, or changes one of them.</source><translation>Affiche les réglages partagés, ou en modifie un.</translation></message>
    <message id="cli.help.notifications"><source>Shows the planned or pending notifications, or plans them again.</source><translation>Affiche les notifications prévues ou en attente, ou les planifie à nouveau.</translation></message>
    <message id="cli.help.occasions"><source>Lists this Hijri year&apos;s occasions and how long until or since each; --ics writes them, for N years from this one, as an iCalendar file to import or subscribe to.</source><translation>Liste les fêtes islamiques de cette année de l’hégire et le temps qui reste avant chacune ou qui s’est écoulé depuis ; --ics les écrit, pour N années à partir de celle-ci, dans un fichier iCalendar à importer ou auquel s’abonner.</translation></message>
    <message id="cli.error.unknownOption"><source>unknown option &apos;%1&apos; (see --help)</source><translation>option inconnue « %1 » (voir --help)</translation></message>
    <message id="cli.error.unknownCommand"><source>unknown command &apos;%1&apos; (see qamarly --help)</source><translation>commande inconnue « %1 » (voir qamarly --help)</translation></message>
    <message id="cli.error.unexpected"><source>unexpected argument &apos;%1&apos;</source><translation>argument inattendu « %1 »</translation></message>
    <message id="cli.error.needsValue"><source>option --%1 needs a value</source><translation>l’option --%1 demande une valeur</translation></message>
    <message id="cli.error.missing"><source>missing %1</source><translation>%1 manquant</translation></message>
    <message id="cli.error.badYears"><source>&apos;%1&apos; is not a number of years from 1 to %2</source><translation>« %1 » n’est pas un nombre d’années de 1 à %2</translation></message>
    <message id="cli.error.unknownCalendar"><source>unknown calendar &apos;%1&apos; (use gregorian or hijri)</source><translation>calendrier inconnu « %1 » (utilisez gregorian ou hijri)</translation></message>
    <message id="cli.error.notADay"><source>&apos;%1&apos; is not a day on the %2 calendar (expected YYYY-MM-DD)</source><translation>« %1 » n’est pas un jour du calendrier %2 (format attendu YYYY-MM-DD)</translation></message>
    <message id="cli.error.outOfRange"><source>&apos;%1&apos; lies outside the days Qamarly can convert (1 Muharram 1 AH to 31 December 9999)</source><translation>« %1 » est hors des jours que Qamarly sait convertir (du 1er mouharram 1 de l’hégire au 31 décembre 9999)</translation></message>
    <message id="cli.estimate"><source>Estimate: this Hijri date lies outside the Umm al-Qura table (1300 to 1600 AH) and is reckoned by arithmetic; it may differ by a day or two</source><translation>Estimation : cette date hégirienne est hors de la table Umm al-Qura (1300 à 1600 de l’hégire) et obtenue par le calcul ; elle peut différer d’un jour ou deux</translation></message>
    <message id="cli.what.date"><source>date (YYYY-MM-DD)</source><translation>date (YYYY-MM-DD)</translation></message>
    <message id="cli.what.dates"><source>dates (FROM TO, each YYYY-MM-DD)</source><translation>dates (FROM TO, chacune au format YYYY-MM-DD)</translation></message>
    <message id="cli.help.usage"><source>usage: %1</source><translation>utilisation : %1</translation></message>
    <message id="cli.settings.notAWallpaper"><source>(stored %1 is not a wallpaper)</source><translation>(la valeur enregistrée %1 n’est pas un fond d’écran)</translation></message>
    <message id="cli.settings.never"><source>(never)</source><translation>(jamais)</translation></message>
    <message id="cli.settings.nothing"><source>(nothing)</source><translation>(rien)</translation></message>
    <message id="cli.settings.noFolders"><source>(none)</source><translation>(aucun)</translation></message>
    <message id="cli.settings.storedIn"><source>stored in %1</source><translation>enregistrés dans %1</translation></message>
    <message id="cli.settings.storedInReadOnly"><source>stored in %1 (cannot be written: changes cannot be saved)</source><translation>enregistrés dans %1 (non modifiable : les changements ne peuvent pas être enregistrés)</translation></message>
    <message id="cli.settings.storedAt"><source>(stored in %1)</source><translation>(enregistré dans %1)</translation></message>
    <message id="cli.settings.planNotUpdated"><source>%1; the notification plan was not brought up to date</source><translation>%1 ; le plan des notifications n’a pas été mis à jour</translation></message>
    <message id="cli.settings.unknownKey"><source>unknown key &apos;%1&apos; (known: %2)</source><translation>clé inconnue « %1 » (connues : %2)</translation></message>
    <message id="cli.settings.takesBoolean"><source>%1 takes true or false, not &apos;%2&apos;</source><translation>%1 prend true ou false, pas « %2 »</translation></message>
    <message id="cli.settings.takesNumber"><source>%1 takes a whole number, not &apos;%2&apos;</source><translation>%1 prend un nombre entier, pas « %2 »</translation></message>
    <message id="cli.settings.takesNumberBetween"><source>%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source><translation>%1 prend un nombre entier de %2 à %3, pas « %4 »</translation></message>
    <message id="cli.settings.notStored"><source>could not store %1 in %2; nothing was changed</source><translation>impossible d’enregistrer %1 dans %2 ; rien n’a changé</translation></message>
    <message id="cli.settings.notStoredReadOnly"><source>could not store %1 in %2: the settings folder cannot be written; nothing was changed</source><translation>impossible d’enregistrer %1 dans %2 : le dossier des réglages n’est pas modifiable ; rien n’a changé</translation></message>
    <message id="cli.settings.unknownAction"><source>unknown action &apos;%1&apos; (use: settings set KEY VALUE)</source><translation>action inconnue « %1 » (utilisez : settings set KEY VALUE)</translation></message>
    <message id="cli.settings.notACalendarFolder"><source>%1 is not one of the calendar folders</source><translation>%1 ne fait pas partie des dossiers de calendrier</translation></message>
    <message id="cli.settings.notAFolder"><source>%1 is not a folder</source><translation>%1 n’est pas un dossier</translation></message>
    <message id="cli.settings.foldersNotStored"><source>could not store %1; nothing was changed</source><translation>impossible d’enregistrer %1 ; rien n’a changé</translation></message>
    <message id="cli.notifications.inSeconds"><source>in %1 s</source><translation>dans %1 s</translation></message>
    <message id="cli.notifications.at"><source>at %1</source><translation>le %1</translation></message>
    <message id="cli.notifications.badge"><source>badge %1</source><translation>pastille %1</translation></message>
    <message id="cli.notifications.unavailable"><source>%1; notifications cannot be listed or scheduled.</source><translation>%1 ; les notifications ne peuvent être ni listées ni planifiées.</translation></message>
    <message id="cli.notifications.notAllowed"><source>notifications are not allowed; nothing is scheduled and the badge is cleared. Allow them in Qamarly first.</source><translation>les notifications ne sont pas autorisées ; rien n’est planifié et la pastille est effacée. Autorisez-les d’abord dans Qamarly.</translation></message>
    <message id="cli.notifications.count" numerus="yes"><source>%n notifications</source><translation><numerusform>%1 notification</numerusform><numerusform>%1 notifications</numerusform></translation></message>
    <message id="cli.notifications.pendingCount" numerus="yes"><source>%n notifications pending</source><translation><numerusform>%1 notification en attente</numerusform><numerusform>%1 notifications en attente</numerusform></translation></message>
    <message id="cli.help.language"><source>open the window in this language (%1), with its dates as the language writes them</source><translation>ouvrir la fenêtre dans cette langue (%1), avec les dates écrites à sa façon</translation></message>
    <message id="cli.help.screenshots"><source>write a picture of every screen to DIR, then quit</source><translation>écrire une image de chaque écran dans DIR, puis quitter</translation></message>
</context>
</TS>
