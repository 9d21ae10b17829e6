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
</context>
</TS>
