<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name></name>
    <message id="Notification.today">
        <source>Today is the day!</source>
        <translation>Vandaag is de dag!</translation>
    </message>
    <message id="Notification.daysleft" numerus="yes">
        <source>%n day(s) left</source>
        <translation>
            <numerusform>Nog %n dag</numerusform>
            <numerusform>Nog %n dagen</numerusform>
        </translation>
    </message>
    <message id="Setting.notification">
        <source>Reminders</source>
        <translation>Herinneringen</translation>
    </message>
    <message id="Setting.notiTime">
        <source>Reminders arrive at %1.</source>
        <translation>Herinneringen komen om %1.</translation>
    </message>
    <message id="Setting.reminderTime">
        <source>Time of reminders</source>
        <translation>Tijd van de herinneringen</translation>
    </message>
    <message id="Setting.notiDayOption1">
        <source>On the day</source>
        <translation>Op de dag zelf</translation>
    </message>
    <message id="Setting.notiDayOption2">
        <source>3 days before</source>
        <translation>3 dagen ervoor</translation>
    </message>
    <message id="Setting.notiDayOption3">
        <source>7 days before</source>
        <translation>7 dagen ervoor</translation>
    </message>
    <message id="Setting.notiDayOption4">
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message id="Setting.permission">
        <source>Notifications are off</source>
        <translation>Meldingen staan uit</translation>
    </message>
    <message id="Setting.permissionCopy">
        <source>Reminders from Tallowick are turned off. Turn them on in Tallowick's notification settings.</source>
        <translation>Herinneringen van Tallowick staan uit. Zet ze aan in de meldingsinstellingen van Tallowick.</translation>
    </message>
    <message id="OK">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="Setting.rateUs">
        <source>Enjoying Tallowick?</source>
        <translation>Vind je Tallowick leuk?</translation>
    </message>
    <message id="Setting.reviewCopy">
        <source>A short review helps us make Tallowick even better.</source>
        <translation>Een korte review helpt ons Tallowick nog beter te maken.</translation>
    </message>
    <message id="Setting.review">
        <source>Write a review</source>
        <translation>Schrijf een review</translation>
    </message>
    <message id="Setting.studio">
        <source>Ostra Studio</source>
        <translation>Ostra Studio</translation>
    </message>
    <message id="Setting.notificationsPage">
        <source>Notifications</source>
        <translation>Meldingen</translation>
    </message>
    <message id="Setting.allowNotifications">
        <source>Allow notifications</source>
        <translation>Meldingen toestaan</translation>
    </message>
    <message id="Setting.startAtLogin">
        <source>Start at login</source>
        <translation>Starten bij aanmelden</translation>
    </message>
    <message id="Setting.startAtLoginNote">
        <source>Reminders and widgets keep coming after you log out and in.</source>
        <translation>Herinneringen en widgets blijven komen nadat je je af- en weer aanmeldt.</translation>
    </message>
    <message id="Permission.title">
        <source>Allow reminders?</source>
        <translation>Herinneringen toestaan?</translation>
    </message>
    <message id="Permission.message">
        <source>Tallowick sends reminders at %1 on the days you choose.</source>
        <translation>Tallowick stuurt herinneringen om %1 op de dagen die je kiest.</translation>
    </message>
    <message id="Permission.allow">
        <source>Allow</source>
        <translation>Toestaan</translation>
    </message>
    <message id="Permission.deny">
        <source>Don't Allow</source>
        <translation>Niet toestaan</translation>
    </message>
    <message id="Permission.openSettings">
        <source>Open Settings</source>
        <translation>Instellingen openen</translation>
    </message>
    <message id="add.title">
        <source>New Event</source>
        <translation>Nieuwe gebeurtenis</translation>
    </message>
    <message id="edit.title">
        <source>Edit Event</source>
        <translation>Gebeurtenis bewerken</translation>
    </message>
    <message id="common.eventTitle">
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message id="common.day">
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message id="common.color">
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
    <message id="button.save">
        <source>Save</source>
        <translation>Bewaren</translation>
    </message>
    <message id="button.cancel">
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message id="add.countdown">
        <source>Count down</source>
        <translation>Tot de dag</translation>
    </message>
    <message id="add.countup">
        <source>Count up</source>
        <translation>Sinds de dag</translation>
    </message>
    <message id="You can't delete the last one">
        <source>You can't delete the last one</source>
        <translation>De laatste kan niet weg</translation>
    </message>
    <message id="Please create a new one first">
        <source>Please create a new one first</source>
        <translation>Maak eerst een nieuwe aan.</translation>
    </message>
    <message id="Can't add a new event">
        <source>Can't add a new event</source>
        <translation>Geen nieuwe gebeurtenis mogelijk</translation>
    </message>
    <message id="You exceed the max number of events. ">
        <source>You exceed the max number of events. </source>
        <translation>Je hebt het maximale aantal gebeurtenissen bereikt. </translation>
    </message>
    <message id="Something went wrong">
        <source>Something went wrong</source>
        <translation>Er ging iets mis</translation>
    </message>
    <message id="Please restart the app">
        <source>Please restart the app</source>
        <translation>Start de app opnieuw</translation>
    </message>
    <message id="The change was not saved">
        <source>The change was not saved</source>
        <translation>De wijziging is niet opgeslagen</translation>
    </message>
    <message id="Tallowick">
        <source>Tallowick</source>
        <translation>Tallowick</translation>
    </message>
    <message id="Keep track of your upcoming events.">
        <source>Keep track of your upcoming events.</source>
        <translation>Houd je komende gebeurtenissen bij.</translation>
    </message>
    <message id="days" numerus="yes">
        <source>days</source>
        <translation>
            <numerusform>dag</numerusform>
            <numerusform>dagen</numerusform>
        </translation>
    </message>
    <message id="days left" numerus="yes">
        <source>days left</source>
        <translation>
            <numerusform>dag te gaan</numerusform>
            <numerusform>dagen te gaan</numerusform>
        </translation>
    </message>
    <message id="unit.left">
        <source>%1 left</source>
        <translation>%1 te gaan</translation>
    </message>
    <message id="Event.days" numerus="yes">
        <source>days</source>
        <translation>
            <numerusform>dag</numerusform>
            <numerusform>dagen</numerusform>
        </translation>
    </message>
    <message id="Event.daysLeft" numerus="yes">
        <source>days left</source>
        <translation>
            <numerusform>dag te gaan</numerusform>
            <numerusform>dagen te gaan</numerusform>
        </translation>
    </message>
    <message id="Sorry">
        <source>Sorry, this size isn't available</source>
        <translation>Sorry, dit formaat is niet beschikbaar</translation>
    </message>
    <message id="Home.chooseEvent">
        <source>Choose event</source>
        <translation>Gebeurtenis kiezen</translation>
    </message>
    <message id="Home.size">
        <source>Size</source>
        <translation>Formaat</translation>
    </message>
    <message id="Home.small">
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message id="Home.medium">
        <source>Medium</source>
        <translation>Middel</translation>
    </message>
    <message id="Home.large">
        <source>Large</source>
        <translation>Groot</translation>
    </message>
    <message id="Home.remove">
        <source>Remove widget</source>
        <translation>Widget verwijderen</translation>
    </message>
    <message id="Home.noEvents">
        <source>No events yet</source>
        <translation>Nog geen gebeurtenissen</translation>
    </message>
    <message id="Home.addWidget">
        <source>Add Widget…</source>
        <translation>Widget toevoegen…</translation>
    </message>
    <message id="Home.quit">
        <source>Quit Home Screen</source>
        <translation>Startscherm afsluiten</translation>
    </message>
    <message id="Home.addWindowTitle">
        <source>Add a Widget</source>
        <translation>Een widget toevoegen</translation>
    </message>
    <message id="Home.addHeading">
        <source>Put an event on your desktop</source>
        <translation>Zet een gebeurtenis op je bureaublad</translation>
    </message>
    <message id="Home.addIntro">
        <source>Choose the widget's size and the event it shows. Right-click the widget later to change them, add another or quit.</source>
        <translation>Kies de grootte van de widget en de gebeurtenis die hij toont. Klik later met rechts op de widget om ze te wijzigen, er nog een toe te voegen of af te sluiten.</translation>
    </message>
    <message id="Home.event">
        <source>Event</source>
        <translation>Gebeurtenis</translation>
    </message>
    <message id="Home.preview">
        <source>Preview</source>
        <translation>Voorbeeld</translation>
    </message>
    <message id="Home.addButton">
        <source>Add Widget</source>
        <translation>Widget toevoegen</translation>
    </message>
    <message id="Home.close">
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message id="OstraApps">
        <source>Ostra Apps</source>
        <translation>Apps van Ostra</translation>
    </message>
    <message id="Mossling.title">
        <source>Plant care made easy</source>
        <translation>Plantenzorg zonder moeite</translation>
    </message>
    <message id="Mossling.sub">
        <source>Reminds you when your plants need water.</source>
        <translation>Herinnert je eraan wanneer je planten water nodig hebben.</translation>
    </message>
    <message id="Tidewell.title">
        <source>Drink more water</source>
        <translation>Drink meer water</translation>
    </message>
    <message id="Tidewell.sub">
        <source>Log every glass and reach your daily goal.</source>
        <translation>Noteer elk glas en haal je dagdoel.</translation>
    </message>
    <message id="Quillo.title">
        <source>A diary in one line</source>
        <translation>Een dagboek in één regel</translation>
    </message>
    <message id="Quillo.sub">
        <source>Write one line a day and look back anytime.</source>
        <translation>Schrijf elke dag één regel en kijk terug wanneer je wilt.</translation>
    </message>
    <message id="Fernlet.title">
        <source>Grow small habits</source>
        <translation>Kweek kleine gewoontes</translation>
    </message>
    <message id="Fernlet.sub">
        <source>Check off habits and watch your streaks grow.</source>
        <translation>Vink gewoontes af en zie je reeksen groeien.</translation>
    </message>
    <message id="Hushpot.title">
        <source>Calm sounds for sleep</source>
        <translation>Rustige geluiden om te slapen</translation>
    </message>
    <message id="Hushpot.sub">
        <source>Mix rain, wind and waves to drift off.</source>
        <translation>Meng regen, wind en golven om weg te doezelen.</translation>
    </message>
    <message id="Cobblyn.title">
        <source>Your pocket budget</source>
        <translation>Je budget op zak</translation>
    </message>
    <message id="Cobblyn.sub">
        <source>Track your spending with a single tap.</source>
        <translation>Houd je uitgaven bij met één tik.</translation>
    </message>
    <message id="Wrennie.title">
        <source>Wake up to birdsong</source>
        <translation>Wakker worden met vogelzang</translation>
    </message>
    <message id="Wrennie.sub">
        <source>A gentle alarm with real bird calls.</source>
        <translation>Een zachte wekker met echte vogelgeluiden.</translation>
    </message>
    <message id="Glimmo.title">
        <source>Moments in frames</source>
        <translation>Momenten in een lijstje</translation>
    </message>
    <message id="Glimmo.sub">
        <source>Dress up your photos with cute frames.</source>
        <translation>Versier je foto's met schattige lijstjes.</translation>
    </message>
    <message id="Plumtide.title">
        <source>Recipes for every day</source>
        <translation>Recepten voor elke dag</translation>
    </message>
    <message id="Plumtide.sub">
        <source>Save favourite recipes and plan your meals.</source>
        <translation>Bewaar favoriete recepten en plan je maaltijden.</translation>
    </message>
    <message id="Home.firstEvent">
        <source>First event</source>
        <translation>Eerste gebeurtenis</translation>
    </message>
    <message id="Delete">
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message id="Reorder">
        <source>Reorder</source>
        <translation>Herschikken</translation>
    </message>
    <message id="Close">
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message id="All events">
        <source>All events</source>
        <translation>Alle gebeurtenissen</translation>
    </message>
    <message id="Page %1 of %2">
        <source>Page %1 of %2</source>
        <translation>Pagina %1 van %2</translation>
    </message>
    <message id="notice.deletedElsewhere">
        <source>This event was deleted in another window or program.</source>
        <translation>Deze gebeurtenis is in een ander venster of programma verwijderd.</translation>
    </message>
    <message id="share.title">
        <source>Add a shared event</source>
        <translation>Gedeelde gebeurtenis toevoegen</translation>
    </message>
    <message id="share.takenTitle">
        <source>Already in your list</source>
        <translation>Staat al in je lijst</translation>
    </message>
    <message id="share.takenCopy">
        <source>An event with this title is already in your list. Give this one another title to add it too.</source>
        <translation>Er staat al een gebeurtenis met deze titel in je lijst. Geef deze een andere titel om hem ook toe te voegen.</translation>
    </message>
    <message id="Notification.open">
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message id="Setting.openNotificationSettings">
        <source>Notification settings</source>
        <translation>Meldingsinstellingen</translation>
    </message>
    <message id="Setting.waitingForPermission">
        <source>Waiting for permission: this reminder starts once notifications are allowed. Click to allow them.</source>
        <translation>Wacht op toestemming: deze herinnering start zodra meldingen zijn toegestaan. Klik om ze toe te staan.</translation>
    </message>
    <message id="days ago" numerus="yes">
        <source>days ago</source>
        <translation>
            <numerusform>dag geleden</numerusform>
            <numerusform>dagen geleden</numerusform>
        </translation>
    </message>
    <message id="unit.ago">
        <source>%1 ago</source>
        <translation>%1 geleden</translation>
    </message>
    <message id="Event.daysAgo" numerus="yes">
        <source>days ago</source>
        <translation>
            <numerusform>dag geleden</numerusform>
            <numerusform>dagen geleden</numerusform>
        </translation>
    </message>
    <message id="Event.today">
        <source>today</source>
        <translation>vandaag</translation>
    </message>
    <message id="Widget.sampleTitle">
        <source>Your Event Title</source>
        <translation>Jouw gebeurtenis</translation>
    </message>
    <message id="DateData.newYear">
        <source>New Year</source>
        <translation>Nieuwjaar</translation>
    </message>
    <message id="DateData.summerTrip">
        <source>Summer trip</source>
        <translation>Zomerreis</translation>
    </message>
    <message id="DateData.together">
        <source>Together</source>
        <translation>Samen</translation>
    </message>
    <message id="page.countdown" numerus="yes">
        <source>%1, %2, %Ln day(s) left</source>
        <translation>
            <numerusform>%1, %2, nog %Ln dag</numerusform>
            <numerusform>%1, %2, nog %Ln dagen</numerusform>
        </translation>
    </message>
    <message id="page.countdownPast" numerus="yes">
        <source>%1, %2, %Ln day(s) ago</source>
        <translation>
            <numerusform>%1, %2, %Ln dag geleden</numerusform>
            <numerusform>%1, %2, %Ln dagen geleden</numerusform>
        </translation>
    </message>
    <message id="page.countdownToday">
        <source>%1, %2, today</source>
        <translation>%1, %2, vandaag</translation>
    </message>
    <message id="page.countup">
        <source>%1, day %3 since %2</source>
        <translation>%1, dag %3 sinds %2</translation>
    </message>
    <message id="page.countdownSpan">
        <source>%1, %2, %3 left</source>
        <translation>%1, %2, nog %3</translation>
    </message>
    <message id="page.countdownPastSpan">
        <source>%1, %2, %3 ago</source>
        <translation>%1, %2, %3 geleden</translation>
    </message>
    <message id="page.countupSpan">
        <source>%1, %3 since %2</source>
        <translation>%1, %3 sinds %2</translation>
    </message>
    <message id="notice.deleted">
        <source>“%1” deleted</source>
        <translation>“%1” verwijderd</translation>
    </message>
    <message id="notice.undo">
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message id="a11y.eventOf">
        <source>Event %1 of %2</source>
        <translation>Gebeurtenis %1 van %2</translation>
    </message>
    <message id="a11y.close">
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message id="a11y.openEvent">
        <source>Show this event</source>
        <translation>Deze gebeurtenis tonen</translation>
    </message>
    <message id="theme.1">
        <source>Peach</source>
        <translation>Perzik</translation>
    </message>
    <message id="theme.2">
        <source>Sky</source>
        <translation>Lucht</translation>
    </message>
    <message id="theme.3">
        <source>Night</source>
        <translation>Nacht</translation>
    </message>
    <message id="theme.4">
        <source>Mint</source>
        <translation>Munt</translation>
    </message>
    <message id="theme.5">
        <source>Lavender</source>
        <translation>Lavendel</translation>
    </message>
    <message id="theme.1001">
        <source>Birthday</source>
        <translation>Verjaardag</translation>
    </message>
    <message id="theme.1002">
        <source>Home</source>
        <translation>Thuis</translation>
    </message>
    <message id="theme.1003">
        <source>Love</source>
        <translation>Liefde</translation>
    </message>
    <message id="theme.1004">
        <source>Vacation</source>
        <translation>Vakantie</translation>
    </message>
    <message id="theme.1005">
        <source>Celebration</source>
        <translation>Feest</translation>
    </message>
    <message id="theme.1006">
        <source>Quitting smoking</source>
        <translation>Stoppen met roken</translation>
    </message>
    <message id="theme.1007">
        <source>Get well</source>
        <translation>Beterschap</translation>
    </message>
    <message id="theme.1008">
        <source>Exam</source>
        <translation>Examen</translation>
    </message>
    <message id="theme.1009">
        <source>Moving house</source>
        <translation>Verhuizing</translation>
    </message>
    <message id="theme.other">
        <source>Theme %1</source>
        <translation>Thema %1</translation>
    </message>
    <message id="a11y.day">
        <source>Day</source>
        <translation>Dag</translation>
    </message>
    <message id="a11y.month">
        <source>Month</source>
        <translation>Maand</translation>
    </message>
    <message id="a11y.minute">
        <source>Minute</source>
        <translation>Minuut</translation>
    </message>
    <message id="a11y.hour">
        <source>Hour</source>
        <translation>Uur</translation>
    </message>
    <message id="a11y.year">
        <source>Year</source>
        <translation>Jaar</translation>
    </message>
    <message id="a11y.direction">
        <source>Count direction</source>
        <translation>Telrichting</translation>
    </message>
    <message id="a11y.theme">
        <source>Theme</source>
        <translation>Thema</translation>
    </message>
    <message id="Repeat.yearly">
        <source>Every year</source>
        <translation>Elk jaar</translation>
    </message>
    <message id="Occurrence.year">
        <source>%1 year</source>
        <translation>%1 jaar</translation>
    </message>
    <message id="Transfer.exportCalendar">
        <source>Export to a calendar file</source>
        <translation>Exporteren naar een agendabestand</translation>
    </message>
    <message id="Transfer.importCalendar">
        <source>Import from a calendar file</source>
        <translation>Importeren uit een agendabestand</translation>
    </message>
    <message id="Transfer.backUp">
        <source>Back up events</source>
        <translation>Back-up van gebeurtenissen maken</translation>
    </message>
    <message id="Transfer.restore">
        <source>Restore events</source>
        <translation>Gebeurtenissen herstellen</translation>
    </message>
    <message id="Transfer.fileNotWritten">
        <source>The file could not be written</source>
        <translation>Het bestand kon niet worden geschreven</translation>
    </message>
    <message id="Transfer.targetLink">
        <source>It is a symbolic link; choose the file it points to</source>
        <translation>Het is een symbolische koppeling; kies het bestand waarnaar die wijst</translation>
    </message>
    <message id="Transfer.targetFolder">
        <source>It is a folder</source>
        <translation>Het is een map</translation>
    </message>
    <message id="Transfer.targetSpecial">
        <source>It is no plain file (a device or a pipe)</source>
        <translation>Het is geen gewoon bestand (een apparaat of een pipe)</translation>
    </message>
    <message id="Transfer.summary">
        <source>%1 added, %2 skipped, %3 refused</source>
        <translation>%1 toegevoegd, %2 overgeslagen, %3 geweigerd</translation>
    </message>
    <message id="Transfer.sameEvent">
        <source>already in the list</source>
        <translation>staat al in de lijst</translation>
    </message>
    <message id="Transfer.sameTitleAndDate">
        <source>an event of that title and date is in the list</source>
        <translation>er staat een gebeurtenis met die titel en datum in de lijst</translation>
    </message>
    <message id="Transfer.listFull">
        <source>the list already holds %1 events</source>
        <translation>de lijst heeft al %1 gebeurtenissen</translation>
    </message>
    <message id="Transfer.noTitle">
        <source>it has no title</source>
        <translation>het heeft geen titel</translation>
    </message>
    <message id="Transfer.noDate">
        <source>it has no date Tallowick can count</source>
        <translation>het heeft geen datum die Tallowick kan tellen</translation>
    </message>
    <message id="Transfer.otherRepeat">
        <source>it repeats in a way Tallowick cannot follow</source>
        <translation>het herhaalt zich op een manier die Tallowick niet kan volgen</translation>
    </message>
    <message id="Transfer.cancelled">
        <source>it is cancelled</source>
        <translation>het is geannuleerd</translation>
    </message>
    <message id="Transfer.oneOccurrence">
        <source>it changes one occurrence of a series</source>
        <translation>het wijzigt één keer uit een reeks</translation>
    </message>
    <message id="Transfer.notAnEvent">
        <source>it is not a complete event</source>
        <translation>het is geen volledige gebeurtenis</translation>
    </message>
    <message id="Transfer.unknownTheme">
        <source>its theme is none of Tallowick's</source>
        <translation>het thema is er geen van Tallowick</translation>
    </message>
    <message id="Transfer.notAColour">
        <source>one of its colours is no colour</source>
        <translation>een van de kleuren is geen kleur</translation>
    </message>
    <message id="Transfer.unknownReminder">
        <source>its reminder is none of Tallowick's</source>
        <translation>de herinnering is er geen van Tallowick</translation>
    </message>
    <message id="Transfer.countUpRepeats">
        <source>a count-up event cannot repeat every year</source>
        <translation>een optellende gebeurtenis kan niet elk jaar terugkomen</translation>
    </message>
    <message id="Transfer.remindersWaiting">
        <source>Reminders start once notifications are allowed</source>
        <translation>Herinneringen beginnen zodra meldingen zijn toegestaan</translation>
    </message>
    <message id="Transfer.changedInFile">
        <source>in the list, but the file has another version</source>
        <translation>staat al in de lijst, maar het bestand heeft een andere versie</translation>
    </message>
    <message id="Transfer.summaryUpdated">
        <source>%1, %2 updated</source>
        <translation>%1, %2 bijgewerkt</translation>
    </message>
    <message id="Transfer.field.title">
        <source>title</source>
        <translation>titel</translation>
    </message>
    <message id="Transfer.field.date">
        <source>date</source>
        <translation>datum</translation>
    </message>
    <message id="Transfer.field.yearly">
        <source>repeating every year</source>
        <translation>jaarlijkse herhaling</translation>
    </message>
    <message id="Transfer.field.reminder">
        <source>reminders</source>
        <translation>herinneringen</translation>
    </message>
    <message id="Transfer.updateChanged" numerus="yes">
        <source>Update %n changed event(s)</source>
        <translation>
            <numerusform>%n gewijzigde gebeurtenis bijwerken</numerusform>
            <numerusform>%n gewijzigde gebeurtenissen bijwerken</numerusform>
        </translation>
    </message>
    <message id="Transfer.fileUnreadable">
        <source>The file cannot be read</source>
        <translation>Het bestand kan niet worden gelezen</translation>
    </message>
    <message id="Transfer.fileTooLarge">
        <source>The file is too large</source>
        <translation>Het bestand is te groot</translation>
    </message>
    <message id="Transfer.fileNotCalendar">
        <source>The file is no calendar, or it is damaged</source>
        <translation>Het bestand is geen agenda of is beschadigd</translation>
    </message>
    <message id="Transfer.fileNotBackup">
        <source>The file is no Tallowick backup, or it is damaged</source>
        <translation>Het bestand is geen Tallowick-back-up of is beschadigd</translation>
    </message>
    <message id="Transfer.fileNewer">
        <source>The backup was made by a newer Tallowick</source>
        <translation>De back-up is gemaakt door een nieuwere Tallowick</translation>
    </message>
    <message id="Transfer.notSaved">
        <source>The events could not be saved</source>
        <translation>De gebeurtenissen konden niet worden opgeslagen</translation>
    </message>
    <message id="form.repeatsYearly">
        <source>Repeats every year</source>
        <translation>Herhaalt elk jaar</translation>
    </message>
    <message id="form.countIn">
        <source>Count in</source>
        <translation>Tellen in</translation>
    </message>
    <message id="form.unitDays">
        <source>Days</source>
        <translation>Dagen</translation>
    </message>
    <message id="form.unitWeeks">
        <source>Weeks</source>
        <translation>Weken</translation>
    </message>
    <message id="form.unitMonths">
        <source>Months</source>
        <translation>Maanden</translation>
    </message>
    <message id="form.unitYears">
        <source>Years</source>
        <translation>Jaren</translation>
    </message>
    <message id="Transfer.exported">
        <source>Events written: %1</source>
        <translation>Geschreven gebeurtenissen: %1</translation>
    </message>
    <message id="Transfer.calendarFiles">
        <source>Calendar files</source>
        <translation>Agendabestanden</translation>
    </message>
    <message id="Transfer.backupFiles">
        <source>Tallowick backups</source>
        <translation>Tallowick-back-ups</translation>
    </message>
    <message id="Sync.open">
        <source>Sync with a calendar server</source>
        <translation>Synchroniseren met een agendaserver</translation>
    </message>
    <message id="Sync.title">
        <source>Sync</source>
        <translation>Synchronisatie</translation>
    </message>
    <message id="Sync.intro">
        <source>Your events go to a calendar on your own CalDAV server, and from there to your other devices and calendar apps.</source>
        <translation>Je gebeurtenissen gaan naar een agenda op je eigen CalDAV-server en van daaruit naar je andere apparaten en agenda-apps.</translation>
    </message>
    <message id="Sync.server">
        <source>Server address</source>
        <translation>Serveradres</translation>
    </message>
    <message id="Sync.user">
        <source>User name</source>
        <translation>Gebruikersnaam</translation>
    </message>
    <message id="Sync.password">
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message id="Sync.calendar">
        <source>Calendar</source>
        <translation>Agenda</translation>
    </message>
    <message id="Sync.setUp">
        <source>Set up sync</source>
        <translation>Synchronisatie instellen</translation>
    </message>
    <message id="Sync.now">
        <source>Sync now</source>
        <translation>Nu synchroniseren</translation>
    </message>
    <message id="Sync.turnOff">
        <source>Turn off sync</source>
        <translation>Synchronisatie uitzetten</translation>
    </message>
    <message id="Sync.waiting" numerus="yes">
        <source>%n change(s) waiting to go up</source>
        <translation>
            <numerusform>%n wijziging wacht op verzenden</numerusform>
            <numerusform>%n wijzigingen wachten op verzenden</numerusform>
        </translation>
    </message>
    <message id="Sync.whenToday">
        <source>today at %1</source>
        <translation>vandaag om %1</translation>
    </message>
    <message id="Sync.whenYesterday">
        <source>yesterday at %1</source>
        <translation>gisteren om %1</translation>
    </message>
    <message id="Sync.whenDate">
        <source>on %1 at %2</source>
        <translation>op %1 om %2</translation>
    </message>
    <message id="Sync.stateUnreadable">
        <source>The record of the last sync cannot be read.</source>
        <translation>De stand van de laatste synchronisatie kan niet worden gelezen.</translation>
    </message>
    <message id="Sync.notYet">
        <source>Not synced yet.</source>
        <translation>Nog niet gesynchroniseerd.</translation>
    </message>
    <message id="Sync.lastSyncedWith">
        <source>Last synced %1: %2.</source>
        <translation>Laatst gesynchroniseerd %1: %2.</translation>
    </message>
    <message id="Sync.lastFailed">
        <source>Last sync failed %1.</source>
        <translation>Synchronisatie mislukt %1.</translation>
    </message>
    <message id="Sync.lastFailedWith">
        <source>Last sync failed %1: %2.</source>
        <translation>Synchronisatie mislukt %1: %2.</translation>
    </message>
    <message id="Sync.fieldsMissing">
        <source>Fill in the server address, user name and password.</source>
        <translation>Vul het serveradres, de gebruikersnaam en het wachtwoord in.</translation>
    </message>
    <message id="Sync.settingUp">
        <source>Setting up sync…</source>
        <translation>Synchronisatie instellen…</translation>
    </message>
    <message id="Sync.syncing">
        <source>Syncing…</source>
        <translation>Synchroniseren…</translation>
    </message>
    <message id="Sync.turningOff">
        <source>Turning off sync…</source>
        <translation>Synchronisatie uitzetten…</translation>
    </message>
    <message id="Sync.stillOn">
        <source>Sync is still on: its files could not be removed.</source>
        <translation>Synchronisatie staat nog aan: de bestanden ervan konden niet worden verwijderd.</translation>
    </message>
    <message id="Sync.passwordLeft">
        <source>Sync is off, but its password stays in the keyring.</source>
        <translation>Synchronisatie staat uit, maar het wachtwoord blijft in de sleutelbos.</translation>
    </message>
    <message id="Sync.off">
        <source>Sync is off. Your events stay on this device.</source>
        <translation>Synchronisatie staat uit. Je gebeurtenissen blijven op dit apparaat.</translation>
    </message>
    <message id="Sync.upToDate">
        <source>everything is up to date</source>
        <translation>alles is bijgewerkt</translation>
    </message>
    <message id="Sync.sent" numerus="yes">
        <source>%n sent</source>
        <translation>
            <numerusform>%n verzonden</numerusform>
            <numerusform>%n verzonden</numerusform>
        </translation>
    </message>
    <message id="Sync.received" numerus="yes">
        <source>%n received</source>
        <translation>
            <numerusform>%n ontvangen</numerusform>
            <numerusform>%n ontvangen</numerusform>
        </translation>
    </message>
    <message id="Sync.conflicts">
        <source>changed on both devices, the server&apos;s version kept: %1</source>
        <translation>op beide apparaten gewijzigd, de versie van de server behouden: %1</translation>
    </message>
    <message id="Sync.moreOnServer" numerus="yes">
        <source>%n more on the server than the list has room for</source>
        <translation>
            <numerusform>nog %n op de server waarvoor de lijst geen ruimte heeft</numerusform>
            <numerusform>nog %n op de server waarvoor de lijst geen ruimte heeft</numerusform>
        </translation>
    </message>
    <message id="Sync.unreadable" numerus="yes">
        <source>%n calendar entries could not be shown</source>
        <translation>
            <numerusform>%n agenda-item kan niet worden getoond</numerusform>
            <numerusform>%n agenda-items kunnen niet worden getoond</numerusform>
        </translation>
    </message>
    <message id="Sync.failedAuth">
        <source>the server refused the user name or password</source>
        <translation>de server heeft de gebruikersnaam of het wachtwoord geweigerd</translation>
    </message>
    <message id="Sync.failedReadOnly">
        <source>the calendar is read-only</source>
        <translation>de agenda is alleen-lezen</translation>
    </message>
    <message id="Sync.failedQuota">
        <source>the server has no room left</source>
        <translation>de server heeft geen ruimte meer</translation>
    </message>
    <message id="Sync.failedPassword">
        <source>the password could not be found; set sync up again</source>
        <translation>het wachtwoord is niet gevonden; stel synchronisatie opnieuw in</translation>
    </message>
    <message id="Sync.noKeyring">
        <source>No keyring is running on this desktop, so the password cannot be kept. Nothing was saved.</source>
        <translation>Er draait geen sleutelbos op dit bureaublad, dus het wachtwoord kan niet worden bewaard. Er is niets opgeslagen.</translation>
    </message>
    <message id="Sync.setUpDone">
        <source>Syncing with the calendar “%1”.</source>
        <translation>Synchroniseert met de agenda ‘%1’.</translation>
    </message>
</context>
</TS>
