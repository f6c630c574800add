<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name></name>
    <message id="Notification.today">
        <source>Today is the day!</source>
        <translation>Heute ist der Tag!</translation>
    </message>
    <message id="Notification.daysleft" numerus="yes">
        <source>%n day(s) left</source>
        <translation>
            <numerusform>Noch %n Tag</numerusform>
            <numerusform>Noch %n Tage</numerusform>
        </translation>
    </message>
    <message id="Setting.notification">
        <source>Reminders</source>
        <translation>Erinnerungen</translation>
    </message>
    <message id="Setting.notiTime">
        <source>Reminders arrive at %1.</source>
        <translation>Erinnerungen kommen um %1.</translation>
    </message>
    <message id="Setting.reminderTime">
        <source>Time of reminders</source>
        <translation>Uhrzeit der Erinnerungen</translation>
    </message>
    <message id="Setting.notiDayOption1">
        <source>On the day</source>
        <translation>Am Tag selbst</translation>
    </message>
    <message id="Setting.notiDayOption2">
        <source>3 days before</source>
        <translation>3 Tage vorher</translation>
    </message>
    <message id="Setting.notiDayOption3">
        <source>7 days before</source>
        <translation>7 Tage vorher</translation>
    </message>
    <message id="Setting.notiDayOption4">
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message id="Setting.permission">
        <source>Notifications are off</source>
        <translation>Mitteilungen sind aus</translation>
    </message>
    <message id="Setting.permissionCopy">
        <source>Reminders from Tallowick are turned off. Turn them on in Tallowick's notification settings.</source>
        <translation>Erinnerungen von Tallowick sind ausgeschaltet. Schalte sie in den Mitteilungseinstellungen von Tallowick ein.</translation>
    </message>
    <message id="OK">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="Setting.rateUs">
        <source>Enjoying Tallowick?</source>
        <translation>Gefällt dir Tallowick?</translation>
    </message>
    <message id="Setting.reviewCopy">
        <source>A short review helps us make Tallowick even better.</source>
        <translation>Eine kurze Bewertung hilft uns, Tallowick noch besser zu machen.</translation>
    </message>
    <message id="Setting.review">
        <source>Write a review</source>
        <translation>Bewertung schreiben</translation>
    </message>
    <message id="Setting.studio">
        <source>Ostra Studio</source>
        <translation>Ostra Studio</translation>
    </message>
    <message id="Setting.notificationsPage">
        <source>Notifications</source>
        <translation>Mitteilungen</translation>
    </message>
    <message id="Setting.allowNotifications">
        <source>Allow notifications</source>
        <translation>Mitteilungen erlauben</translation>
    </message>
    <message id="Setting.startAtLogin">
        <source>Start at login</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message id="Setting.startAtLoginNote">
        <source>Reminders and widgets keep coming after you log out and in.</source>
        <translation>Erinnerungen und Widgets kommen auch nach dem Ab- und Anmelden weiter.</translation>
    </message>
    <message id="Permission.title">
        <source>Allow reminders?</source>
        <translation>Erinnerungen erlauben?</translation>
    </message>
    <message id="Permission.message">
        <source>Tallowick sends reminders at %1 on the days you choose.</source>
        <translation>Tallowick erinnert dich um %1 an den Tagen, die du wählst.</translation>
    </message>
    <message id="Permission.allow">
        <source>Allow</source>
        <translation>Erlauben</translation>
    </message>
    <message id="Permission.deny">
        <source>Don't Allow</source>
        <translation>Nicht erlauben</translation>
    </message>
    <message id="Permission.openSettings">
        <source>Open Settings</source>
        <translation>Einstellungen öffnen</translation>
    </message>
    <message id="add.title">
        <source>New Event</source>
        <translation>Neues Ereignis</translation>
    </message>
    <message id="edit.title">
        <source>Edit Event</source>
        <translation>Ereignis bearbeiten</translation>
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
        <translation>Farbe</translation>
    </message>
    <message id="button.save">
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message id="button.cancel">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="add.countdown">
        <source>Count down</source>
        <translation>Bis zum Tag</translation>
    </message>
    <message id="add.countup">
        <source>Count up</source>
        <translation>Seit dem Tag</translation>
    </message>
    <message id="You can't delete the last one">
        <source>You can't delete the last one</source>
        <translation>Das letzte Ereignis bleibt</translation>
    </message>
    <message id="Please create a new one first">
        <source>Please create a new one first</source>
        <translation>Lege zuerst ein neues an.</translation>
    </message>
    <message id="Can't add a new event">
        <source>Can't add a new event</source>
        <translation>Kein neues Ereignis möglich</translation>
    </message>
    <message id="You exceed the max number of events. ">
        <source>You exceed the max number of events. </source>
        <translation>Du hast die Höchstzahl an Ereignissen erreicht. </translation>
    </message>
    <message id="Something went wrong">
        <source>Something went wrong</source>
        <translation>Etwas ist schiefgelaufen</translation>
    </message>
    <message id="Please restart the app">
        <source>Please restart the app</source>
        <translation>Bitte starte die App neu</translation>
    </message>
    <message id="The change was not saved">
        <source>The change was not saved</source>
        <translation>Die Änderung wurde nicht gespeichert</translation>
    </message>
    <message id="Tallowick">
        <source>Tallowick</source>
        <translation>Tallowick</translation>
    </message>
    <message id="Keep track of your upcoming events.">
        <source>Keep track of your upcoming events.</source>
        <translation>Behalte deine kommenden Ereignisse im Blick.</translation>
    </message>
    <message id="days" numerus="yes">
        <source>days</source>
        <translation>
            <numerusform>Tag</numerusform>
            <numerusform>Tage</numerusform>
        </translation>
    </message>
    <message id="days left" numerus="yes">
        <source>days left</source>
        <translation>
            <numerusform>Tag übrig</numerusform>
            <numerusform>Tage übrig</numerusform>
        </translation>
    </message>
    <message id="unit.left">
        <source>%1 left</source>
        <translation>%1 übrig</translation>
    </message>
    <message id="Event.days" numerus="yes">
        <source>days</source>
        <translation>
            <numerusform>Tag</numerusform>
            <numerusform>Tage</numerusform>
        </translation>
    </message>
    <message id="Event.daysLeft" numerus="yes">
        <source>days left</source>
        <translation>
            <numerusform>Tag übrig</numerusform>
            <numerusform>Tage übrig</numerusform>
        </translation>
    </message>
    <message id="Sorry">
        <source>Sorry, this size isn't available</source>
        <translation>Diese Größe gibt es leider nicht</translation>
    </message>
    <message id="Home.chooseEvent">
        <source>Choose event</source>
        <translation>Ereignis wählen</translation>
    </message>
    <message id="Home.size">
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message id="Home.small">
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message id="Home.medium">
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message id="Home.large">
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message id="Home.remove">
        <source>Remove widget</source>
        <translation>Widget entfernen</translation>
    </message>
    <message id="Home.noEvents">
        <source>No events yet</source>
        <translation>Noch keine Ereignisse</translation>
    </message>
    <message id="Home.addWidget">
        <source>Add Widget…</source>
        <translation>Widget hinzufügen …</translation>
    </message>
    <message id="Home.quit">
        <source>Quit Home Screen</source>
        <translation>Startbildschirm beenden</translation>
    </message>
    <message id="Home.addWindowTitle">
        <source>Add a Widget</source>
        <translation>Widget hinzufügen</translation>
    </message>
    <message id="Home.addHeading">
        <source>Put an event on your desktop</source>
        <translation>Lege ein Ereignis auf deinen Schreibtisch</translation>
    </message>
    <message id="Home.addIntro">
        <source>Choose the widget's size and the event it shows. Right-click the widget later to change them, add another or quit.</source>
        <translation>Wähle die Größe des Widgets und das Ereignis, das es zeigt. Mit einem Rechtsklick auf das Widget kannst du beides später ändern, ein weiteres hinzufügen oder beenden.</translation>
    </message>
    <message id="Home.event">
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message id="Home.preview">
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message id="Home.addButton">
        <source>Add Widget</source>
        <translation>Widget hinzufügen</translation>
    </message>
    <message id="Home.close">
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message id="OstraApps">
        <source>Ostra Apps</source>
        <translation>Apps von Ostra</translation>
    </message>
    <message id="Mossling.title">
        <source>Plant care made easy</source>
        <translation>Pflanzenpflege leicht gemacht</translation>
    </message>
    <message id="Mossling.sub">
        <source>Reminds you when your plants need water.</source>
        <translation>Erinnert dich, wenn deine Pflanzen Wasser brauchen.</translation>
    </message>
    <message id="Tidewell.title">
        <source>Drink more water</source>
        <translation>Mehr Wasser trinken</translation>
    </message>
    <message id="Tidewell.sub">
        <source>Log every glass and reach your daily goal.</source>
        <translation>Trage jedes Glas ein und erreiche dein Tagesziel.</translation>
    </message>
    <message id="Quillo.title">
        <source>A diary in one line</source>
        <translation>Ein Tagebuch in einer Zeile</translation>
    </message>
    <message id="Quillo.sub">
        <source>Write one line a day and look back anytime.</source>
        <translation>Schreib eine Zeile am Tag und blättere jederzeit zurück.</translation>
    </message>
    <message id="Fernlet.title">
        <source>Grow small habits</source>
        <translation>Kleine Gewohnheiten pflegen</translation>
    </message>
    <message id="Fernlet.sub">
        <source>Check off habits and watch your streaks grow.</source>
        <translation>Hake Gewohnheiten ab und sieh deine Serien wachsen.</translation>
    </message>
    <message id="Hushpot.title">
        <source>Calm sounds for sleep</source>
        <translation>Ruhige Klänge zum Einschlafen</translation>
    </message>
    <message id="Hushpot.sub">
        <source>Mix rain, wind and waves to drift off.</source>
        <translation>Mische Regen, Wind und Wellen zum Wegdämmern.</translation>
    </message>
    <message id="Cobblyn.title">
        <source>Your pocket budget</source>
        <translation>Dein Budget für unterwegs</translation>
    </message>
    <message id="Cobblyn.sub">
        <source>Track your spending with a single tap.</source>
        <translation>Erfasse deine Ausgaben mit einem Tipp.</translation>
    </message>
    <message id="Wrennie.title">
        <source>Wake up to birdsong</source>
        <translation>Mit Vogelgesang aufwachen</translation>
    </message>
    <message id="Wrennie.sub">
        <source>A gentle alarm with real bird calls.</source>
        <translation>Ein sanfter Wecker mit echten Vogelstimmen.</translation>
    </message>
    <message id="Glimmo.title">
        <source>Moments in frames</source>
        <translation>Momente im Rahmen</translation>
    </message>
    <message id="Glimmo.sub">
        <source>Dress up your photos with cute frames.</source>
        <translation>Verschönere deine Fotos mit niedlichen Rahmen.</translation>
    </message>
    <message id="Plumtide.title">
        <source>Recipes for every day</source>
        <translation>Rezepte für jeden Tag</translation>
    </message>
    <message id="Plumtide.sub">
        <source>Save favourite recipes and plan your meals.</source>
        <translation>Speichere Lieblingsrezepte und plane deine Mahlzeiten.</translation>
    </message>
    <message id="Home.firstEvent">
        <source>First event</source>
        <translation>Erstes Ereignis</translation>
    </message>
    <message id="Delete">
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message id="Reorder">
        <source>Reorder</source>
        <translation>Neu ordnen</translation>
    </message>
    <message id="Close">
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message id="All events">
        <source>All events</source>
        <translation>Alle Ereignisse</translation>
    </message>
    <message id="Page %1 of %2">
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message id="notice.deletedElsewhere">
        <source>This event was deleted in another window or program.</source>
        <translation>Dieses Ereignis wurde in einem anderen Fenster oder Programm gelöscht.</translation>
    </message>
    <message id="share.title">
        <source>Add a shared event</source>
        <translation>Geteiltes Ereignis hinzufügen</translation>
    </message>
    <message id="share.takenTitle">
        <source>Already in your list</source>
        <translation>Schon in deiner Liste</translation>
    </message>
    <message id="share.takenCopy">
        <source>An event with this title is already in your list. Give this one another title to add it too.</source>
        <translation>Ein Ereignis mit diesem Titel ist schon in deiner Liste. Gib diesem einen anderen Titel, um es auch hinzuzufügen.</translation>
    </message>
    <message id="Notification.open">
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message id="Setting.openNotificationSettings">
        <source>Notification settings</source>
        <translation>Mitteilungseinstellungen</translation>
    </message>
    <message id="Setting.waitingForPermission">
        <source>Waiting for permission: this reminder starts once notifications are allowed. Click to allow them.</source>
        <translation>Wartet auf Erlaubnis: Diese Erinnerung beginnt, sobald Mitteilungen erlaubt sind. Klicke, um sie zu erlauben.</translation>
    </message>
    <message id="days ago" numerus="yes">
        <source>days ago</source>
        <translation>
            <numerusform>Tag her</numerusform>
            <numerusform>Tage her</numerusform>
        </translation>
    </message>
    <message id="unit.ago">
        <source>%1 ago</source>
        <translation>%1 her</translation>
    </message>
    <message id="Event.daysAgo" numerus="yes">
        <source>days ago</source>
        <translation>
            <numerusform>Tag her</numerusform>
            <numerusform>Tage her</numerusform>
        </translation>
    </message>
    <message id="Event.today">
        <source>today</source>
        <translation>heute</translation>
    </message>
    <message id="Widget.sampleTitle">
        <source>Your Event Title</source>
        <translation>Dein Ereignis</translation>
    </message>
    <message id="DateData.newYear">
        <source>New Year</source>
        <translation>Neujahr</translation>
    </message>
    <message id="DateData.summerTrip">
        <source>Summer trip</source>
        <translation>Sommerurlaub</translation>
    </message>
    <message id="DateData.together">
        <source>Together</source>
        <translation>Zusammen</translation>
    </message>
    <message id="page.countdown" numerus="yes">
        <source>%1, %2, %Ln day(s) left</source>
        <translation>
            <numerusform>%1, %2, noch %Ln Tag</numerusform>
            <numerusform>%1, %2, noch %Ln Tage</numerusform>
        </translation>
    </message>
    <message id="page.countdownPast" numerus="yes">
        <source>%1, %2, %Ln day(s) ago</source>
        <translation>
            <numerusform>%1, %2, vor %Ln Tag</numerusform>
            <numerusform>%1, %2, vor %Ln Tagen</numerusform>
        </translation>
    </message>
    <message id="page.countdownToday">
        <source>%1, %2, today</source>
        <translation>%1, %2, heute</translation>
    </message>
    <message id="page.countup">
        <source>%1, day %3 since %2</source>
        <translation>%1, Tag %3 seit dem %2</translation>
    </message>
    <message id="page.countdownSpan">
        <source>%1, %2, %3 left</source>
        <translation>%1, %2, noch %3</translation>
    </message>
    <message id="page.countdownPastSpan">
        <source>%1, %2, %3 ago</source>
        <translation>%1, %2, %3 her</translation>
    </message>
    <message id="page.countupSpan">
        <source>%1, %3 since %2</source>
        <translation>%1, %3 seit dem %2</translation>
    </message>
    <message id="notice.deleted">
        <source>“%1” deleted</source>
        <translation>„%1“ gelöscht</translation>
    </message>
    <message id="notice.undo">
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message id="a11y.eventOf">
        <source>Event %1 of %2</source>
        <translation>Ereignis %1 von %2</translation>
    </message>
    <message id="a11y.close">
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message id="a11y.openEvent">
        <source>Show this event</source>
        <translation>Dieses Ereignis zeigen</translation>
    </message>
    <message id="theme.1">
        <source>Peach</source>
        <translation>Pfirsich</translation>
    </message>
    <message id="theme.2">
        <source>Sky</source>
        <translation>Himmel</translation>
    </message>
    <message id="theme.3">
        <source>Night</source>
        <translation>Nacht</translation>
    </message>
    <message id="theme.4">
        <source>Mint</source>
        <translation>Minze</translation>
    </message>
    <message id="theme.5">
        <source>Lavender</source>
        <translation>Lavendel</translation>
    </message>
    <message id="theme.1001">
        <source>Birthday</source>
        <translation>Geburtstag</translation>
    </message>
    <message id="theme.1002">
        <source>Home</source>
        <translation>Zuhause</translation>
    </message>
    <message id="theme.1003">
        <source>Love</source>
        <translation>Liebe</translation>
    </message>
    <message id="theme.1004">
        <source>Vacation</source>
        <translation>Urlaub</translation>
    </message>
    <message id="theme.1005">
        <source>Celebration</source>
        <translation>Feier</translation>
    </message>
    <message id="theme.1006">
        <source>Quitting smoking</source>
        <translation>Rauchstopp</translation>
    </message>
    <message id="theme.1007">
        <source>Get well</source>
        <translation>Gute Besserung</translation>
    </message>
    <message id="theme.1008">
        <source>Exam</source>
        <translation>Prüfung</translation>
    </message>
    <message id="theme.1009">
        <source>Moving house</source>
        <translation>Umzug</translation>
    </message>
    <message id="theme.other">
        <source>Theme %1</source>
        <translation>Thema %1</translation>
    </message>
    <message id="a11y.day">
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message id="a11y.month">
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message id="a11y.minute">
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message id="a11y.hour">
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message id="a11y.year">
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message id="a11y.direction">
        <source>Count direction</source>
        <translation>Zählrichtung</translation>
    </message>
    <message id="a11y.theme">
        <source>Theme</source>
        <translation>Thema</translation>
    </message>
    <message id="Repeat.yearly">
        <source>Every year</source>
        <translation>Jedes Jahr</translation>
    </message>
    <message id="Occurrence.year">
        <source>%1 year</source>
        <translation>%1 Jahr</translation>
    </message>
    <message id="Transfer.exportCalendar">
        <source>Export to a calendar file</source>
        <translation>In eine Kalenderdatei exportieren</translation>
    </message>
    <message id="Transfer.importCalendar">
        <source>Import from a calendar file</source>
        <translation>Aus einer Kalenderdatei importieren</translation>
    </message>
    <message id="Transfer.backUp">
        <source>Back up events</source>
        <translation>Ereignisse sichern</translation>
    </message>
    <message id="Transfer.restore">
        <source>Restore events</source>
        <translation>Ereignisse wiederherstellen</translation>
    </message>
    <message id="Transfer.fileNotWritten">
        <source>The file could not be written</source>
        <translation>Die Datei konnte nicht geschrieben werden</translation>
    </message>
    <message id="Transfer.targetLink">
        <source>It is a symbolic link; choose the file it points to</source>
        <translation>Es ist ein symbolischer Link; wählen Sie die Datei, auf die er zeigt</translation>
    </message>
    <message id="Transfer.targetFolder">
        <source>It is a folder</source>
        <translation>Es ist ein Ordner</translation>
    </message>
    <message id="Transfer.targetSpecial">
        <source>It is no plain file (a device or a pipe)</source>
        <translation>Es ist keine normale Datei (ein Gerät oder eine Pipe)</translation>
    </message>
    <message id="Transfer.summary">
        <source>%1 added, %2 skipped, %3 refused</source>
        <translation>%1 hinzugefügt, %2 übersprungen, %3 abgelehnt</translation>
    </message>
    <message id="Transfer.sameEvent">
        <source>already in the list</source>
        <translation>schon in der Liste</translation>
    </message>
    <message id="Transfer.sameTitleAndDate">
        <source>an event of that title and date is in the list</source>
        <translation>ein Ereignis mit diesem Titel und Datum ist in der Liste</translation>
    </message>
    <message id="Transfer.listFull">
        <source>the list already holds %1 events</source>
        <translation>die Liste hat schon %1 Ereignisse</translation>
    </message>
    <message id="Transfer.noTitle">
        <source>it has no title</source>
        <translation>es hat keinen Titel</translation>
    </message>
    <message id="Transfer.noDate">
        <source>it has no date Tallowick can count</source>
        <translation>es hat kein Datum, das Tallowick zählen kann</translation>
    </message>
    <message id="Transfer.otherRepeat">
        <source>it repeats in a way Tallowick cannot follow</source>
        <translation>es wiederholt sich auf eine Weise, der Tallowick nicht folgen kann</translation>
    </message>
    <message id="Transfer.cancelled">
        <source>it is cancelled</source>
        <translation>es ist abgesagt</translation>
    </message>
    <message id="Transfer.oneOccurrence">
        <source>it changes one occurrence of a series</source>
        <translation>es ändert einen Termin einer Serie</translation>
    </message>
    <message id="Transfer.notAnEvent">
        <source>it is not a complete event</source>
        <translation>es ist kein vollständiges Ereignis</translation>
    </message>
    <message id="Transfer.unknownTheme">
        <source>its theme is none of Tallowick's</source>
        <translation>sein Thema gehört nicht zu Tallowick</translation>
    </message>
    <message id="Transfer.notAColour">
        <source>one of its colours is no colour</source>
        <translation>eine seiner Farben ist keine Farbe</translation>
    </message>
    <message id="Transfer.unknownReminder">
        <source>its reminder is none of Tallowick's</source>
        <translation>seine Erinnerung gehört nicht zu Tallowick</translation>
    </message>
    <message id="Transfer.countUpRepeats">
        <source>a count-up event cannot repeat every year</source>
        <translation>ein hochzählendes Ereignis kann sich nicht jährlich wiederholen</translation>
    </message>
    <message id="Transfer.remindersWaiting">
        <source>Reminders start once notifications are allowed</source>
        <translation>Erinnerungen beginnen, sobald Benachrichtigungen erlaubt sind</translation>
    </message>
    <message id="Transfer.changedInFile">
        <source>in the list, but the file has another version</source>
        <translation>schon in der Liste, aber die Datei hat eine andere Fassung</translation>
    </message>
    <message id="Transfer.summaryUpdated">
        <source>%1, %2 updated</source>
        <translation>%1, %2 aktualisiert</translation>
    </message>
    <message id="Transfer.field.title">
        <source>title</source>
        <translation>Titel</translation>
    </message>
    <message id="Transfer.field.date">
        <source>date</source>
        <translation>Datum</translation>
    </message>
    <message id="Transfer.field.yearly">
        <source>repeating every year</source>
        <translation>jährliche Wiederholung</translation>
    </message>
    <message id="Transfer.field.reminder">
        <source>reminders</source>
        <translation>Erinnerungen</translation>
    </message>
    <message id="Transfer.updateChanged" numerus="yes">
        <source>Update %n changed event(s)</source>
        <translation>
            <numerusform>%n geändertes Ereignis aktualisieren</numerusform>
            <numerusform>%n geänderte Ereignisse aktualisieren</numerusform>
        </translation>
    </message>
    <message id="Transfer.fileUnreadable">
        <source>The file cannot be read</source>
        <translation>Die Datei kann nicht gelesen werden</translation>
    </message>
    <message id="Transfer.fileTooLarge">
        <source>The file is too large</source>
        <translation>Die Datei ist zu groß</translation>
    </message>
    <message id="Transfer.fileNotCalendar">
        <source>The file is no calendar, or it is damaged</source>
        <translation>Die Datei ist kein Kalender oder beschädigt</translation>
    </message>
    <message id="Transfer.fileNotBackup">
        <source>The file is no Tallowick backup, or it is damaged</source>
        <translation>Die Datei ist keine Tallowick-Sicherung oder beschädigt</translation>
    </message>
    <message id="Transfer.fileNewer">
        <source>The backup was made by a newer Tallowick</source>
        <translation>Die Sicherung stammt von einem neueren Tallowick</translation>
    </message>
    <message id="Transfer.notSaved">
        <source>The events could not be saved</source>
        <translation>Die Ereignisse konnten nicht gespeichert werden</translation>
    </message>
    <message id="form.repeatsYearly">
        <source>Repeats every year</source>
        <translation>Jedes Jahr wiederholen</translation>
    </message>
    <message id="form.countIn">
        <source>Count in</source>
        <translation>Zählen in</translation>
    </message>
    <message id="form.unitDays">
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message id="form.unitWeeks">
        <source>Weeks</source>
        <translation>Wochen</translation>
    </message>
    <message id="form.unitMonths">
        <source>Months</source>
        <translation>Monate</translation>
    </message>
    <message id="form.unitYears">
        <source>Years</source>
        <translation>Jahre</translation>
    </message>
    <message id="Transfer.exported">
        <source>Events written: %1</source>
        <translation>Geschriebene Ereignisse: %1</translation>
    </message>
    <message id="Transfer.calendarFiles">
        <source>Calendar files</source>
        <translation>Kalenderdateien</translation>
    </message>
    <message id="Transfer.backupFiles">
        <source>Tallowick backups</source>
        <translation>Tallowick-Sicherungen</translation>
    </message>
    <message id="Sync.open">
        <source>Sync with a calendar server</source>
        <translation>Mit einem Kalenderserver synchronisieren</translation>
    </message>
    <message id="Sync.title">
        <source>Sync</source>
        <translation>Synchronisieren</translation>
    </message>
    <message id="Sync.intro">
        <source>Your events go to a calendar on your own CalDAV server, and from there to your other devices and calendar apps.</source>
        <translation>Deine Ereignisse kommen in einen Kalender auf deinem eigenen CalDAV-Server und von dort auf deine anderen Geräte und in deine Kalender-Apps.</translation>
    </message>
    <message id="Sync.server">
        <source>Server address</source>
        <translation>Serveradresse</translation>
    </message>
    <message id="Sync.user">
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message id="Sync.password">
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message id="Sync.calendar">
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message id="Sync.setUp">
        <source>Set up sync</source>
        <translation>Synchronisierung einrichten</translation>
    </message>
    <message id="Sync.now">
        <source>Sync now</source>
        <translation>Jetzt synchronisieren</translation>
    </message>
    <message id="Sync.turnOff">
        <source>Turn off sync</source>
        <translation>Synchronisierung ausschalten</translation>
    </message>
    <message id="Sync.waiting" numerus="yes">
        <source>%n change(s) waiting to go up</source>
        <translation>
            <numerusform>%n Änderung wartet auf das Hochladen</numerusform>
            <numerusform>%n Änderungen warten auf das Hochladen</numerusform>
        </translation>
    </message>
    <message id="Sync.whenToday">
        <source>today at %1</source>
        <translation>heute um %1</translation>
    </message>
    <message id="Sync.whenYesterday">
        <source>yesterday at %1</source>
        <translation>gestern um %1</translation>
    </message>
    <message id="Sync.whenDate">
        <source>on %1 at %2</source>
        <translation>am %1 um %2</translation>
    </message>
    <message id="Sync.stateUnreadable">
        <source>The record of the last sync cannot be read.</source>
        <translation>Der Stand der letzten Synchronisierung kann nicht gelesen werden.</translation>
    </message>
    <message id="Sync.notYet">
        <source>Not synced yet.</source>
        <translation>Noch nicht synchronisiert.</translation>
    </message>
    <message id="Sync.lastSyncedWith">
        <source>Last synced %1: %2.</source>
        <translation>Zuletzt %1 synchronisiert: %2.</translation>
    </message>
    <message id="Sync.lastFailed">
        <source>Last sync failed %1.</source>
        <translation>Synchronisierung %1 fehlgeschlagen.</translation>
    </message>
    <message id="Sync.lastFailedWith">
        <source>Last sync failed %1: %2.</source>
        <translation>Synchronisierung %1 fehlgeschlagen: %2.</translation>
    </message>
    <message id="Sync.fieldsMissing">
        <source>Fill in the server address, user name and password.</source>
        <translation>Gib Serveradresse, Benutzername und Passwort ein.</translation>
    </message>
    <message id="Sync.settingUp">
        <source>Setting up sync…</source>
        <translation>Synchronisierung wird eingerichtet …</translation>
    </message>
    <message id="Sync.syncing">
        <source>Syncing…</source>
        <translation>Wird synchronisiert …</translation>
    </message>
    <message id="Sync.turningOff">
        <source>Turning off sync…</source>
        <translation>Synchronisierung wird ausgeschaltet …</translation>
    </message>
    <message id="Sync.stillOn">
        <source>Sync is still on: its files could not be removed.</source>
        <translation>Die Synchronisierung ist noch an: Ihre Dateien ließen sich nicht entfernen.</translation>
    </message>
    <message id="Sync.passwordLeft">
        <source>Sync is off, but its password stays in the keyring.</source>
        <translation>Die Synchronisierung ist aus, aber ihr Passwort bleibt im Schlüsselbund.</translation>
    </message>
    <message id="Sync.off">
        <source>Sync is off. Your events stay on this device.</source>
        <translation>Die Synchronisierung ist aus. Deine Ereignisse bleiben auf diesem Gerät.</translation>
    </message>
    <message id="Sync.upToDate">
        <source>everything is up to date</source>
        <translation>alles ist auf dem neuesten Stand</translation>
    </message>
    <message id="Sync.sent" numerus="yes">
        <source>%n sent</source>
        <translation>
            <numerusform>%n gesendet</numerusform>
            <numerusform>%n gesendet</numerusform>
        </translation>
    </message>
    <message id="Sync.received" numerus="yes">
        <source>%n received</source>
        <translation>
            <numerusform>%n empfangen</numerusform>
            <numerusform>%n empfangen</numerusform>
        </translation>
    </message>
    <message id="Sync.conflicts">
        <source>changed on both devices, the server&apos;s version kept: %1</source>
        <translation>auf beiden Geräten geändert, die Fassung des Servers behalten: %1</translation>
    </message>
    <message id="Sync.moreOnServer" numerus="yes">
        <source>%n more on the server than the list has room for</source>
        <translation>
            <numerusform>%n weiteres auf dem Server, für das die Liste keinen Platz hat</numerusform>
            <numerusform>%n weitere auf dem Server, für die die Liste keinen Platz hat</numerusform>
        </translation>
    </message>
    <message id="Sync.unreadable" numerus="yes">
        <source>%n calendar entries could not be shown</source>
        <translation>
            <numerusform>%n Kalendereintrag kann nicht gezeigt werden</numerusform>
            <numerusform>%n Kalendereinträge können nicht gezeigt werden</numerusform>
        </translation>
    </message>
    <message id="Sync.failedAuth">
        <source>the server refused the user name or password</source>
        <translation>der Server hat Benutzername oder Passwort abgelehnt</translation>
    </message>
    <message id="Sync.failedReadOnly">
        <source>the calendar is read-only</source>
        <translation>der Kalender ist schreibgeschützt</translation>
    </message>
    <message id="Sync.failedQuota">
        <source>the server has no room left</source>
        <translation>auf dem Server ist kein Platz mehr</translation>
    </message>
    <message id="Sync.failedPassword">
        <source>the password could not be found; set sync up again</source>
        <translation>das Passwort wurde nicht gefunden; richte die Synchronisierung neu ein</translation>
    </message>
    <message id="Sync.noKeyring">
        <source>No keyring is running on this desktop, so the password cannot be kept. Nothing was saved.</source>
        <translation>Auf diesem Desktop läuft kein Schlüsselbund, das Passwort kann nicht aufbewahrt werden. Nichts wurde gespeichert.</translation>
    </message>
    <message id="Sync.setUpDone">
        <source>Syncing with the calendar “%1”.</source>
        <translation>Synchronisiert mit dem Kalender „%1“.</translation>
    </message>
</context>
</TS>
