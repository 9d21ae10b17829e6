<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>calendarscreen</name>
    <message id="calendarscreen.tabTitle"><source>Calendar</source><translation>Calendrier</translation></message>
    <message id="calendarscreen.segmentGregorian"><source>Gregorian</source><translation>Grégorien</translation></message>
    <message id="calendarscreen.segmentUmmAlQura"><source>Umm al-Qura</source><translation>Umm al-Qura</translation></message>
    <message id="calendarscreen.today"><source>Today</source><translation>Aujourd’hui</translation></message>
    <message id="calendarscreen.add"><source>+</source><translation>+</translation></message>
    <message id="calendarscreen.addEvent"><source>Add event</source><translation>Ajouter un événement</translation></message>
    <message id="calendarscreen.a11y.list"><source>Events of the selected day</source><translation>Événements du jour choisi</translation></message>
    <message id="calendarscreen.a11y.gridCalendar"><source>Calendar of the grid</source><translation>Calendrier de la grille</translation></message>
    <message id="calendarscreen.a11y.calendar"><source>calendar %1</source><translation>calendrier %1</translation></message>
    <message id="calendarscreen.a11y.noEvents"><source>no events</source><translation>aucun événement</translation></message>
    <message id="calendarscreen.a11y.events" numerus="yes"><source>%n events</source><translation><numerusform>%1 événement</numerusform><numerusform>%1 événements</numerusform></translation></message>
    <message id="calendarscreen.noEvents"><source>No events</source><translation>Aucun événement</translation></message>
    <message id="calendarscreen.deleteTitle"><source>Delete Event</source><translation>Supprimer l’événement</translation></message>
    <message id="calendarscreen.deleteMessage"><source>“%1” will be deleted.</source><translation>« %1 » sera supprimé.</translation></message>
    <message id="calendarscreen.deleteConfirm"><source>Delete</source><translation>Supprimer</translation></message>
    <message id="calendarscreen.cancel"><source>Cancel</source><translation>Annuler</translation></message>
    <message id="calendarscreen.ok"><source>OK</source><translation>OK</translation></message>
    <message id="calendarscreen.copiedTitle"><source>Event Copied</source><translation>Événement copié</translation></message>
    <message id="calendarscreen.copiedMessage"><source>The event is on the clipboard, as text and as a calendar file.</source><translation>L’événement est dans le presse-papiers, en texte et en fichier de calendrier.</translation></message>
    <message id="calendarscreen.errorTitle"><source>Could Not Change the Calendar</source><translation>Impossible de modifier le calendrier</translation></message>
    <message id="events.editor.newTitle"><source>New Event</source><translation>Nouvel événement</translation></message>
    <message id="events.editor.editTitle"><source>Edit Event</source><translation>Modifier l’événement</translation></message>
    <message id="events.editor.title"><source>Title</source><translation>Titre</translation></message>
    <message id="events.editor.titlePlaceholder"><source>Title</source><translation>Titre</translation></message>
    <message id="events.editor.location"><source>Location</source><translation>Lieu</translation></message>
    <message id="events.editor.locationPlaceholder"><source>Location</source><translation>Lieu</translation></message>
    <message id="events.editor.allDay"><source>All-day</source><translation>Toute la journée</translation></message>
    <message id="events.editor.starts"><source>Starts</source><translation>Début</translation></message>
    <message id="events.editor.ends"><source>Ends</source><translation>Fin</translation></message>
    <message id="events.editor.calendar"><source>Calendar</source><translation>Calendrier</translation></message>
    <message id="events.editor.save"><source>Save</source><translation>Enregistrer</translation></message>
    <message id="events.editor.cancel"><source>Cancel</source><translation>Annuler</translation></message>
    <message id="events.editor.untitled"><source>New Event</source><translation>Nouvel événement</translation></message>
    <message id="events.editor.noCalendar"><source>There is no calendar that can be written to.</source><translation>Aucun calendrier n’est accessible en écriture.</translation></message>
    <message id="events.editor.endBeforeStart"><source>The event cannot end before it starts.</source><translation>L’événement ne peut pas finir avant de commencer.</translation></message>
    <message id="events.editor.saveFailed"><source>The event could not be saved: %1</source><translation>L’événement n’a pas pu être enregistré : %1</translation></message>
    <message id="events.viewer.windowTitle"><source>Event</source><translation>Événement</translation></message>
    <message id="events.viewer.calendar"><source>Calendar: %1</source><translation>Calendrier : %1</translation></message>
    <message id="events.viewer.edit"><source>Edit</source><translation>Modifier</translation></message>
    <message id="events.viewer.done"><source>Done</source><translation>OK</translation></message>
    <message id="events.editor.notes"><source>Notes</source><translation>Notes</translation></message>
    <message id="events.editor.deleteFailed"><source>The event could not be deleted: %1</source><translation>L’événement n’a pas pu être supprimé : %1</translation></message>
    <message id="events.editor.repeat"><source>Repeat</source><translation>Répétition</translation></message>
    <message id="events.editor.endRepeat"><source>End repeat</source><translation>Fin de la répétition</translation></message>
    <message id="events.repeat.never"><source>Never</source><translation>Jamais</translation></message>
    <message id="events.repeat.daily"><source>Every day</source><translation>Tous les jours</translation></message>
    <message id="events.repeat.weekly"><source>Every week</source><translation>Toutes les semaines</translation></message>
    <message id="events.repeat.monthly"><source>Every month</source><translation>Tous les mois</translation></message>
    <message id="events.repeat.yearly"><source>Every year</source><translation>Tous les ans</translation></message>
    <message id="events.repeat.hijriMonthly"><source>Every Hijri month</source><translation>Chaque mois hégirien</translation></message>
    <message id="events.repeat.hijriYearly"><source>Every Hijri year</source><translation>Chaque année hégirienne</translation></message>
    <message id="events.repeat.other"><source>Custom</source><translation>Personnalisée</translation></message>
    <message id="events.repeat.skipForward"><source>A 30th in a 29-day month: the day after</source><translation>Un 30 dans un mois de 29 jours : le lendemain</translation></message>
    <message id="events.repeat.skipBackward"><source>A 30th in a 29-day month: the 29th</source><translation>Un 30 dans un mois de 29 jours : le 29</translation></message>
    <message id="events.repeat.endNever"><source>Never</source><translation>Jamais</translation></message>
    <message id="events.repeat.endOn"><source>On date</source><translation>À une date</translation></message>
    <message id="events.repeat.endAfter"><source>After</source><translation>Après</translation></message>
    <message id="events.repeat.times"><source> times</source><translation> fois</translation></message>
    <message id="events.editor.repeatEndsBeforeStart"><source>The repeat cannot end before the event starts.</source><translation>La répétition ne peut pas finir avant le début de l’événement.</translation></message>
    <message id="events.editor.repeatForSeries"><source>The repeat of a series changes for all its events or for this and the following ones.</source><translation>La répétition d’une série change pour tous ses événements, ou pour celui-ci et les suivants.</translation></message>
    <message id="events.viewer.unfollowedRule"><source>This event repeats by a rule Qamarly cannot follow; only its first occurrence is shown.</source><translation>Cet événement se répète selon une règle que Qamarly ne sait pas suivre ; seule sa première occurrence est affichée.</translation></message>
    <message id="events.access.windowTitle"><source>Qamarly</source><translation>Qamarly</translation></message>
    <message id="events.access.title"><source>“Qamarly” Would Like to Access Your Calendars</source><translation>« Qamarly » souhaite accéder à vos calendriers</translation></message>
    <message id="events.access.message"><source>Your events of the selected day are shown under the calendar.</source><translation>Vos événements du jour choisi s’affichent sous le calendrier.</translation></message>
    <message id="events.access.deny"><source>Don’t Allow</source><translation>Refuser</translation></message>
    <message id="events.access.allow"><source>OK</source><translation>OK</translation></message>
    <message id="appSettings.calendars"><source>Calendars</source><translation>Calendriers</translation></message>
    <message id="appSettings.calendarAccess"><source>Allow access to calendars</source><translation>Autoriser l’accès aux calendriers</translation></message>
    <message id="cli.help.events"><source>Lists the calendar events of a day (today by default), as the calendar tab shows them, or adds, changes or deletes one. Times without an offset are in the event’s own zone. Bad input exits with 2 and a change the calendar refused with 1; nothing is written then.</source><translation>Liste les événements d’un jour (aujourd’hui par défaut), comme l’onglet Calendrier les affiche, ou en ajoute, modifie ou supprime un. Les heures sans décalage sont dans le fuseau de l’événement. Une saisie erronée termine avec le code 2 et une modification refusée par le calendrier avec le code 1 ; rien n’est alors écrit.</translation></message>
    <message id="events.span.thisEvent"><source>This event</source><translation>Cet événement</translation></message>
    <message id="events.span.futureEvents"><source>This and following events</source><translation>Cet événement et les suivants</translation></message>
    <message id="events.span.allEvents"><source>All events</source><translation>Tous les événements</translation></message>
    <message id="events.span.saveTitle"><source>Change a Repeating Event</source><translation>Modifier un événement périodique</translation></message>
    <message id="events.span.saveMessage"><source>“%1” repeats. Which of its occurrences does the change apply to?</source><translation>« %1 » se répète. À quelles occurrences la modification s’applique-t-elle ?</translation></message>
    <message id="calendarscreen.deleteRepeatingMessage"><source>“%1” repeats. Which of its occurrences should be deleted?</source><translation>« %1 » se répète. Quelles occurrences faut-il supprimer ?</translation></message>
    <message id="appSettings.calendarFoldersNote"><source>Calendar folders that other programs keep in sync (a vdirsyncer or khal collection) are listed below.</source><translation>Les dossiers de calendrier que d’autres programmes synchronisent (une collection vdirsyncer ou khal) sont listés ci-dessous.</translation></message>
    <message id="appSettings.addCalendarFolder"><source>Add Folder…</source><translation>Ajouter un dossier…</translation></message>
    <message id="appSettings.removeCalendarFolder"><source>Remove</source><translation>Retirer</translation></message>
    <message id="appSettings.chooseCalendarFolder"><source>Choose a Calendar Folder</source><translation>Choisir un dossier de calendrier</translation></message>
    <message id="calendarscreen.eventFrom"><source>From %1</source><translation>De %1</translation></message>
    <message id="calendarscreen.eventTo"><source>To %1</source><translation>À %1</translation></message>
    <message id="calendarscreen.allDay"><source>All Day</source><translation>Toute la journée</translation></message>
    <message id="calendarscreen.durationJoin"><source>%1, %2</source><translation>%1, %2</translation></message>
    <message id="calendarscreen.rowDelete"><source>Delete</source><translation>Supprimer</translation></message>
    <message id="calendarscreen.rowShare"><source>Share</source><translation>Partager</translation></message>
    <message id="calendarscreen.rowMore"><source>More</source><translation>Plus</translation></message>
    <message id="calendarscreen.durationDays" numerus="yes"><source>%n d</source><translation><numerusform>%1 j</numerusform><numerusform>%1 j</numerusform></translation></message>
    <message id="calendarscreen.durationHours" numerus="yes"><source>%n h</source><translation><numerusform>%1 h</numerusform><numerusform>%1 h</numerusform></translation></message>
    <message id="calendarscreen.durationMinutes" numerus="yes"><source>%n m</source><translation><numerusform>%1 min</numerusform><numerusform>%1 min</numerusform></translation></message>
    <message id="events.import.title"><source>Add Events</source><translation>Ajouter des événements</translation></message>
    <message id="events.import.heading"><source>Events in “%1”:</source><translation>Événements de « %1 » :</translation></message>
    <message id="events.import.add"><source>Add to Calendar</source><translation>Ajouter au calendrier</translation></message>
    <message id="events.import.close"><source>Close</source><translation>Fermer</translation></message>
    <message id="events.import.cannotOpen"><source>“%1” cannot be opened</source><translation>Impossible d’ouvrir « %1 »</translation></message>
    <message id="events.import.untitled"><source>Untitled</source><translation>Sans titre</translation></message>
    <message id="events.import.repeats"><source>Repeats</source><translation>Périodique</translation></message>
    <message id="events.import.noAccess"><source>Qamarly may not use your calendars yet: allow it in the Calendar tab, then try again.</source><translation>Qamarly ne peut pas encore utiliser vos calendriers : autorisez-le dans l’onglet Calendrier, puis réessayez.</translation></message>
    <message id="events.import.done"><source>%1: %2 added, %3 updated, %4 already there.</source><translation>%1 : %2 ajouté(s), %3 mis à jour, %4 déjà présent(s).</translation></message>
    <message id="cli.help.import"><source>Adds the events of an iCalendar file (an invitation, another program’s export; - reads standard input) to a calendar: the first one that can be written, unless --calendar names another. An event the calendar holds already is left as it is unless the file has a later version of it. Exits with 1 when an event could not be added, and says which.</source><translation>Ajoute à un calendrier les événements d’un fichier iCalendar (une invitation, l’export d’un autre programme ; - lit l’entrée standard) : le premier accessible en écriture, sauf si --calendar en nomme un autre. Un événement que le calendrier contient déjà reste tel quel, sauf si le fichier en a une version plus récente. Termine avec le code 1 si un événement n’a pas pu être ajouté, et dit lequel.</translation></message>
</context>
</TS>
