<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name></name>
    <message id="Notification.today">
        <source>Today is the day!</source>
        <translation>Oggi è il giorno!</translation>
    </message>
    <message id="Notification.daysleft" numerus="yes">
        <source>%n day(s) left</source>
        <translation>
            <numerusform>Manca %n giorno</numerusform>
            <numerusform>Mancano %n giorni</numerusform>
        </translation>
    </message>
    <message id="Setting.notification">
        <source>Reminders</source>
        <translation>Promemoria</translation>
    </message>
    <message id="Setting.notiTime">
        <source>Reminders arrive at %1.</source>
        <translation>I promemoria arrivano alle %1.</translation>
    </message>
    <message id="Setting.reminderTime">
        <source>Time of reminders</source>
        <translation>Ora dei promemoria</translation>
    </message>
    <message id="Setting.notiDayOption1">
        <source>On the day</source>
        <translation>Il giorno stesso</translation>
    </message>
    <message id="Setting.notiDayOption2">
        <source>3 days before</source>
        <translation>3 giorni prima</translation>
    </message>
    <message id="Setting.notiDayOption3">
        <source>7 days before</source>
        <translation>7 giorni prima</translation>
    </message>
    <message id="Setting.notiDayOption4">
        <source>Off</source>
        <translation>Disattivati</translation>
    </message>
    <message id="Setting.permission">
        <source>Notifications are off</source>
        <translation>Le notifiche sono disattivate</translation>
    </message>
    <message id="Setting.permissionCopy">
        <source>Reminders from Tallowick are turned off. Turn them on in Tallowick's notification settings.</source>
        <translation>I promemoria di Tallowick sono disattivati. Attivali nelle impostazioni di notifica di Tallowick.</translation>
    </message>
    <message id="OK">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="Setting.rateUs">
        <source>Enjoying Tallowick?</source>
        <translation>Ti piace Tallowick?</translation>
    </message>
    <message id="Setting.reviewCopy">
        <source>A short review helps us make Tallowick even better.</source>
        <translation>Una breve recensione ci aiuta a migliorare ancora Tallowick.</translation>
    </message>
    <message id="Setting.review">
        <source>Write a review</source>
        <translation>Scrivi una recensione</translation>
    </message>
    <message id="Setting.studio">
        <source>Ostra Studio</source>
        <translation>Ostra Studio</translation>
    </message>
    <message id="Setting.notificationsPage">
        <source>Notifications</source>
        <translation>Notifiche</translation>
    </message>
    <message id="Setting.allowNotifications">
        <source>Allow notifications</source>
        <translation>Consenti notifiche</translation>
    </message>
    <message id="Setting.startAtLogin">
        <source>Start at login</source>
        <translation>Avvia all'accesso</translation>
    </message>
    <message id="Setting.startAtLoginNote">
        <source>Reminders and widgets keep coming after you log out and in.</source>
        <translation>Promemoria e widget continuano ad arrivare anche dopo aver chiuso e riaperto la sessione.</translation>
    </message>
    <message id="Permission.title">
        <source>Allow reminders?</source>
        <translation>Consentire i promemoria?</translation>
    </message>
    <message id="Permission.message">
        <source>Tallowick sends reminders at %1 on the days you choose.</source>
        <translation>Tallowick invia promemoria alle %1 nei giorni che scegli.</translation>
    </message>
    <message id="Permission.allow">
        <source>Allow</source>
        <translation>Consenti</translation>
    </message>
    <message id="Permission.deny">
        <source>Don't Allow</source>
        <translation>Non consentire</translation>
    </message>
    <message id="Permission.openSettings">
        <source>Open Settings</source>
        <translation>Apri impostazioni</translation>
    </message>
    <message id="add.title">
        <source>New Event</source>
        <translation>Nuovo evento</translation>
    </message>
    <message id="edit.title">
        <source>Edit Event</source>
        <translation>Modifica evento</translation>
    </message>
    <message id="common.eventTitle">
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message id="common.day">
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message id="common.color">
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message id="button.save">
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message id="button.cancel">
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message id="add.countdown">
        <source>Count down</source>
        <translation>Fino al giorno</translation>
    </message>
    <message id="add.countup">
        <source>Count up</source>
        <translation>Dal giorno</translation>
    </message>
    <message id="You can't delete the last one">
        <source>You can't delete the last one</source>
        <translation>Non puoi eliminare l'ultimo</translation>
    </message>
    <message id="Please create a new one first">
        <source>Please create a new one first</source>
        <translation>Prima creane uno nuovo.</translation>
    </message>
    <message id="Can't add a new event">
        <source>Can't add a new event</source>
        <translation>Impossibile aggiungere l'evento</translation>
    </message>
    <message id="You exceed the max number of events. ">
        <source>You exceed the max number of events. </source>
        <translation>Hai raggiunto il numero massimo di eventi. </translation>
    </message>
    <message id="Something went wrong">
        <source>Something went wrong</source>
        <translation>Qualcosa è andato storto</translation>
    </message>
    <message id="Please restart the app">
        <source>Please restart the app</source>
        <translation>Riavvia l'app</translation>
    </message>
    <message id="The change was not saved">
        <source>The change was not saved</source>
        <translation>La modifica non è stata salvata</translation>
    </message>
    <message id="Tallowick">
        <source>Tallowick</source>
        <translation>Tallowick</translation>
    </message>
    <message id="Keep track of your upcoming events.">
        <source>Keep track of your upcoming events.</source>
        <translation>Tieni d'occhio i tuoi prossimi eventi.</translation>
    </message>
    <message id="days" numerus="yes">
        <source>days</source>
        <translation>
            <numerusform>giorno</numerusform>
            <numerusform>giorni</numerusform>
        </translation>
    </message>
    <message id="days left" numerus="yes">
        <source>days left</source>
        <translation>
            <numerusform>giorno rimasto</numerusform>
            <numerusform>giorni rimasti</numerusform>
        </translation>
    </message>
    <message id="unit.left">
        <source>%1 left</source>
        <translation>%1 rimanenti</translation>
    </message>
    <message id="Event.days" numerus="yes">
        <source>days</source>
        <translation>
            <numerusform>giorno</numerusform>
            <numerusform>giorni</numerusform>
        </translation>
    </message>
    <message id="Event.daysLeft" numerus="yes">
        <source>days left</source>
        <translation>
            <numerusform>giorno rimasto</numerusform>
            <numerusform>giorni rimasti</numerusform>
        </translation>
    </message>
    <message id="Sorry">
        <source>Sorry, this size isn't available</source>
        <translation>Spiacenti, questa dimensione non è disponibile</translation>
    </message>
    <message id="Home.chooseEvent">
        <source>Choose event</source>
        <translation>Scegli evento</translation>
    </message>
    <message id="Home.size">
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message id="Home.small">
        <source>Small</source>
        <translation>Piccolo</translation>
    </message>
    <message id="Home.medium">
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message id="Home.large">
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message id="Home.remove">
        <source>Remove widget</source>
        <translation>Rimuovi widget</translation>
    </message>
    <message id="Home.noEvents">
        <source>No events yet</source>
        <translation>Ancora nessun evento</translation>
    </message>
    <message id="Home.addWidget">
        <source>Add Widget…</source>
        <translation>Aggiungi widget…</translation>
    </message>
    <message id="Home.quit">
        <source>Quit Home Screen</source>
        <translation>Esci dalla schermata Home</translation>
    </message>
    <message id="Home.addWindowTitle">
        <source>Add a Widget</source>
        <translation>Aggiungi un widget</translation>
    </message>
    <message id="Home.addHeading">
        <source>Put an event on your desktop</source>
        <translation>Metti un evento sulla tua scrivania</translation>
    </message>
    <message id="Home.addIntro">
        <source>Choose the widget's size and the event it shows. Right-click the widget later to change them, add another or quit.</source>
        <translation>Scegli la dimensione del widget e l'evento che mostra. Poi fai clic destro sul widget per cambiarli, aggiungerne un altro o uscire.</translation>
    </message>
    <message id="Home.event">
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message id="Home.preview">
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message id="Home.addButton">
        <source>Add Widget</source>
        <translation>Aggiungi widget</translation>
    </message>
    <message id="Home.close">
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message id="OstraApps">
        <source>Ostra Apps</source>
        <translation>App di Ostra</translation>
    </message>
    <message id="Mossling.title">
        <source>Plant care made easy</source>
        <translation>Curare le piante è facile</translation>
    </message>
    <message id="Mossling.sub">
        <source>Reminds you when your plants need water.</source>
        <translation>Ti avvisa quando le tue piante hanno bisogno d'acqua.</translation>
    </message>
    <message id="Tidewell.title">
        <source>Drink more water</source>
        <translation>Bevi più acqua</translation>
    </message>
    <message id="Tidewell.sub">
        <source>Log every glass and reach your daily goal.</source>
        <translation>Registra ogni bicchiere e raggiungi il tuo obiettivo.</translation>
    </message>
    <message id="Quillo.title">
        <source>A diary in one line</source>
        <translation>Un diario in una riga</translation>
    </message>
    <message id="Quillo.sub">
        <source>Write one line a day and look back anytime.</source>
        <translation>Scrivi una riga al giorno e rileggila quando vuoi.</translation>
    </message>
    <message id="Fernlet.title">
        <source>Grow small habits</source>
        <translation>Coltiva piccole abitudini</translation>
    </message>
    <message id="Fernlet.sub">
        <source>Check off habits and watch your streaks grow.</source>
        <translation>Spunta le abitudini e guarda crescere le tue serie.</translation>
    </message>
    <message id="Hushpot.title">
        <source>Calm sounds for sleep</source>
        <translation>Suoni calmi per dormire</translation>
    </message>
    <message id="Hushpot.sub">
        <source>Mix rain, wind and waves to drift off.</source>
        <translation>Mescola pioggia, vento e onde per addormentarti.</translation>
    </message>
    <message id="Cobblyn.title">
        <source>Your pocket budget</source>
        <translation>Il tuo budget tascabile</translation>
    </message>
    <message id="Cobblyn.sub">
        <source>Track your spending with a single tap.</source>
        <translation>Tieni traccia delle spese con un solo tocco.</translation>
    </message>
    <message id="Wrennie.title">
        <source>Wake up to birdsong</source>
        <translation>Svegliati con gli uccellini</translation>
    </message>
    <message id="Wrennie.sub">
        <source>A gentle alarm with real bird calls.</source>
        <translation>Una sveglia delicata con veri canti di uccelli.</translation>
    </message>
    <message id="Glimmo.title">
        <source>Moments in frames</source>
        <translation>Momenti in cornice</translation>
    </message>
    <message id="Glimmo.sub">
        <source>Dress up your photos with cute frames.</source>
        <translation>Abbellisci le tue foto con cornici carine.</translation>
    </message>
    <message id="Plumtide.title">
        <source>Recipes for every day</source>
        <translation>Ricette per ogni giorno</translation>
    </message>
    <message id="Plumtide.sub">
        <source>Save favourite recipes and plan your meals.</source>
        <translation>Salva le ricette preferite e pianifica i pasti.</translation>
    </message>
    <message id="Home.firstEvent">
        <source>First event</source>
        <translation>Primo evento</translation>
    </message>
    <message id="Delete">
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message id="Reorder">
        <source>Reorder</source>
        <translation>Riordina</translation>
    </message>
    <message id="Close">
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message id="All events">
        <source>All events</source>
        <translation>Tutti gli eventi</translation>
    </message>
    <message id="Page %1 of %2">
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message id="notice.deletedElsewhere">
        <source>This event was deleted in another window or program.</source>
        <translation>Questo evento è stato eliminato in un'altra finestra o in un altro programma.</translation>
    </message>
    <message id="share.title">
        <source>Add a shared event</source>
        <translation>Aggiungi un evento condiviso</translation>
    </message>
    <message id="share.takenTitle">
        <source>Already in your list</source>
        <translation>Già nella tua lista</translation>
    </message>
    <message id="share.takenCopy">
        <source>An event with this title is already in your list. Give this one another title to add it too.</source>
        <translation>Nella tua lista c'è già un evento con questo titolo. Dai a questo un altro titolo per aggiungere anche lui.</translation>
    </message>
    <message id="Notification.open">
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message id="Setting.openNotificationSettings">
        <source>Notification settings</source>
        <translation>Impostazioni notifiche</translation>
    </message>
    <message id="Setting.waitingForPermission">
        <source>Waiting for permission: this reminder starts once notifications are allowed. Click to allow them.</source>
        <translation>In attesa del permesso: questo promemoria parte appena le notifiche sono consentite. Fai clic per consentirle.</translation>
    </message>
    <message id="days ago" numerus="yes">
        <source>days ago</source>
        <translation>
            <numerusform>giorno fa</numerusform>
            <numerusform>giorni fa</numerusform>
        </translation>
    </message>
    <message id="unit.ago">
        <source>%1 ago</source>
        <translation>%1 fa</translation>
    </message>
    <message id="Event.daysAgo" numerus="yes">
        <source>days ago</source>
        <translation>
            <numerusform>giorno fa</numerusform>
            <numerusform>giorni fa</numerusform>
        </translation>
    </message>
    <message id="Event.today">
        <source>today</source>
        <translation>oggi</translation>
    </message>
    <message id="Widget.sampleTitle">
        <source>Your Event Title</source>
        <translation>Il tuo evento</translation>
    </message>
    <message id="DateData.newYear">
        <source>New Year</source>
        <translation>Capodanno</translation>
    </message>
    <message id="DateData.summerTrip">
        <source>Summer trip</source>
        <translation>Viaggio estivo</translation>
    </message>
    <message id="DateData.together">
        <source>Together</source>
        <translation>Insieme</translation>
    </message>
    <message id="page.countdown" numerus="yes">
        <source>%1, %2, %Ln day(s) left</source>
        <translation>
            <numerusform>%1, %2, manca %Ln giorno</numerusform>
            <numerusform>%1, %2, mancano %Ln giorni</numerusform>
        </translation>
    </message>
    <message id="page.countdownPast" numerus="yes">
        <source>%1, %2, %Ln day(s) ago</source>
        <translation>
            <numerusform>%1, %2, %Ln giorno fa</numerusform>
            <numerusform>%1, %2, %Ln giorni fa</numerusform>
        </translation>
    </message>
    <message id="page.countdownToday">
        <source>%1, %2, today</source>
        <translation>%1, %2, oggi</translation>
    </message>
    <message id="page.countup">
        <source>%1, day %3 since %2</source>
        <translation>%1, giorno %3 dal %2</translation>
    </message>
    <message id="page.countdownSpan">
        <source>%1, %2, %3 left</source>
        <translation>%1, %2, mancano %3</translation>
    </message>
    <message id="page.countdownPastSpan">
        <source>%1, %2, %3 ago</source>
        <translation>%1, %2, %3 fa</translation>
    </message>
    <message id="page.countupSpan">
        <source>%1, %3 since %2</source>
        <translation>%1, %3 dal %2</translation>
    </message>
    <message id="notice.deleted">
        <source>“%1” deleted</source>
        <translation>«%1» eliminato</translation>
    </message>
    <message id="notice.undo">
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message id="a11y.eventOf">
        <source>Event %1 of %2</source>
        <translation>Evento %1 di %2</translation>
    </message>
    <message id="a11y.close">
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message id="a11y.openEvent">
        <source>Show this event</source>
        <translation>Mostra questo evento</translation>
    </message>
    <message id="theme.1">
        <source>Peach</source>
        <translation>Pesca</translation>
    </message>
    <message id="theme.2">
        <source>Sky</source>
        <translation>Cielo</translation>
    </message>
    <message id="theme.3">
        <source>Night</source>
        <translation>Notte</translation>
    </message>
    <message id="theme.4">
        <source>Mint</source>
        <translation>Menta</translation>
    </message>
    <message id="theme.5">
        <source>Lavender</source>
        <translation>Lavanda</translation>
    </message>
    <message id="theme.1001">
        <source>Birthday</source>
        <translation>Compleanno</translation>
    </message>
    <message id="theme.1002">
        <source>Home</source>
        <translation>Casa</translation>
    </message>
    <message id="theme.1003">
        <source>Love</source>
        <translation>Amore</translation>
    </message>
    <message id="theme.1004">
        <source>Vacation</source>
        <translation>Vacanza</translation>
    </message>
    <message id="theme.1005">
        <source>Celebration</source>
        <translation>Festa</translation>
    </message>
    <message id="theme.1006">
        <source>Quitting smoking</source>
        <translation>Smettere di fumare</translation>
    </message>
    <message id="theme.1007">
        <source>Get well</source>
        <translation>Guarisci presto</translation>
    </message>
    <message id="theme.1008">
        <source>Exam</source>
        <translation>Esame</translation>
    </message>
    <message id="theme.1009">
        <source>Moving house</source>
        <translation>Trasloco</translation>
    </message>
    <message id="theme.other">
        <source>Theme %1</source>
        <translation>Tema %1</translation>
    </message>
    <message id="a11y.day">
        <source>Day</source>
        <translation>Giorno</translation>
    </message>
    <message id="a11y.month">
        <source>Month</source>
        <translation>Mese</translation>
    </message>
    <message id="a11y.minute">
        <source>Minute</source>
        <translation>Minuto</translation>
    </message>
    <message id="a11y.hour">
        <source>Hour</source>
        <translation>Ora</translation>
    </message>
    <message id="a11y.year">
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message id="a11y.direction">
        <source>Count direction</source>
        <translation>Verso del conteggio</translation>
    </message>
    <message id="a11y.theme">
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message id="Repeat.yearly">
        <source>Every year</source>
        <translation>Ogni anno</translation>
    </message>
    <message id="Occurrence.year">
        <source>%1 year</source>
        <translation>%1 anno</translation>
    </message>
    <message id="Transfer.exportCalendar">
        <source>Export to a calendar file</source>
        <translation>Esporta in un file di calendario</translation>
    </message>
    <message id="Transfer.importCalendar">
        <source>Import from a calendar file</source>
        <translation>Importa da un file di calendario</translation>
    </message>
    <message id="Transfer.backUp">
        <source>Back up events</source>
        <translation>Salva una copia degli eventi</translation>
    </message>
    <message id="Transfer.restore">
        <source>Restore events</source>
        <translation>Ripristina gli eventi</translation>
    </message>
    <message id="Transfer.fileNotWritten">
        <source>The file could not be written</source>
        <translation>Impossibile scrivere il file</translation>
    </message>
    <message id="Transfer.targetLink">
        <source>It is a symbolic link; choose the file it points to</source>
        <translation>È un collegamento simbolico; scegli il file a cui punta</translation>
    </message>
    <message id="Transfer.targetFolder">
        <source>It is a folder</source>
        <translation>È una cartella</translation>
    </message>
    <message id="Transfer.targetSpecial">
        <source>It is no plain file (a device or a pipe)</source>
        <translation>Non è un file normale (un dispositivo o una pipe)</translation>
    </message>
    <message id="Transfer.summary">
        <source>%1 added, %2 skipped, %3 refused</source>
        <translation>%1 aggiunti, %2 saltati, %3 rifiutati</translation>
    </message>
    <message id="Transfer.sameEvent">
        <source>already in the list</source>
        <translation>già nella lista</translation>
    </message>
    <message id="Transfer.sameTitleAndDate">
        <source>an event of that title and date is in the list</source>
        <translation>nella lista c'è un evento con questo titolo e questa data</translation>
    </message>
    <message id="Transfer.listFull">
        <source>the list already holds %1 events</source>
        <translation>la lista ha già %1 eventi</translation>
    </message>
    <message id="Transfer.noTitle">
        <source>it has no title</source>
        <translation>non ha un titolo</translation>
    </message>
    <message id="Transfer.noDate">
        <source>it has no date Tallowick can count</source>
        <translation>non ha una data che Tallowick possa contare</translation>
    </message>
    <message id="Transfer.otherRepeat">
        <source>it repeats in a way Tallowick cannot follow</source>
        <translation>si ripete in un modo che Tallowick non sa seguire</translation>
    </message>
    <message id="Transfer.cancelled">
        <source>it is cancelled</source>
        <translation>è annullato</translation>
    </message>
    <message id="Transfer.oneOccurrence">
        <source>it changes one occurrence of a series</source>
        <translation>modifica un'occorrenza di una serie</translation>
    </message>
    <message id="Transfer.notAnEvent">
        <source>it is not a complete event</source>
        <translation>non è un evento completo</translation>
    </message>
    <message id="Transfer.unknownTheme">
        <source>its theme is none of Tallowick's</source>
        <translation>il suo tema non è di Tallowick</translation>
    </message>
    <message id="Transfer.notAColour">
        <source>one of its colours is no colour</source>
        <translation>uno dei suoi colori non è un colore</translation>
    </message>
    <message id="Transfer.unknownReminder">
        <source>its reminder is none of Tallowick's</source>
        <translation>il suo promemoria non è di Tallowick</translation>
    </message>
    <message id="Transfer.countUpRepeats">
        <source>a count-up event cannot repeat every year</source>
        <translation>un evento che conta in avanti non può ripetersi ogni anno</translation>
    </message>
    <message id="Transfer.remindersWaiting">
        <source>Reminders start once notifications are allowed</source>
        <translation>I promemoria partono quando le notifiche sono consentite</translation>
    </message>
    <message id="Transfer.changedInFile">
        <source>in the list, but the file has another version</source>
        <translation>già nella lista, ma il file ne ha un&apos;altra versione</translation>
    </message>
    <message id="Transfer.summaryUpdated">
        <source>%1, %2 updated</source>
        <translation>%1, %2 aggiornati</translation>
    </message>
    <message id="Transfer.field.title">
        <source>title</source>
        <translation>titolo</translation>
    </message>
    <message id="Transfer.field.date">
        <source>date</source>
        <translation>data</translation>
    </message>
    <message id="Transfer.field.yearly">
        <source>repeating every year</source>
        <translation>ripetizione annuale</translation>
    </message>
    <message id="Transfer.field.reminder">
        <source>reminders</source>
        <translation>promemoria</translation>
    </message>
    <message id="Transfer.updateChanged" numerus="yes">
        <source>Update %n changed event(s)</source>
        <translation>
            <numerusform>Aggiorna %n evento modificato</numerusform>
            <numerusform>Aggiorna %n eventi modificati</numerusform>
        </translation>
    </message>
    <message id="Transfer.fileUnreadable">
        <source>The file cannot be read</source>
        <translation>Impossibile leggere il file</translation>
    </message>
    <message id="Transfer.fileTooLarge">
        <source>The file is too large</source>
        <translation>Il file è troppo grande</translation>
    </message>
    <message id="Transfer.fileNotCalendar">
        <source>The file is no calendar, or it is damaged</source>
        <translation>Il file non è un calendario o è danneggiato</translation>
    </message>
    <message id="Transfer.fileNotBackup">
        <source>The file is no Tallowick backup, or it is damaged</source>
        <translation>Il file non è una copia di Tallowick o è danneggiato</translation>
    </message>
    <message id="Transfer.fileNewer">
        <source>The backup was made by a newer Tallowick</source>
        <translation>La copia è stata fatta da un Tallowick più recente</translation>
    </message>
    <message id="Transfer.notSaved">
        <source>The events could not be saved</source>
        <translation>Impossibile salvare gli eventi</translation>
    </message>
    <message id="form.repeatsYearly">
        <source>Repeats every year</source>
        <translation>Si ripete ogni anno</translation>
    </message>
    <message id="form.countIn">
        <source>Count in</source>
        <translation>Conta in</translation>
    </message>
    <message id="form.unitDays">
        <source>Days</source>
        <translation>Giorni</translation>
    </message>
    <message id="form.unitWeeks">
        <source>Weeks</source>
        <translation>Settimane</translation>
    </message>
    <message id="form.unitMonths">
        <source>Months</source>
        <translation>Mesi</translation>
    </message>
    <message id="form.unitYears">
        <source>Years</source>
        <translation>Anni</translation>
    </message>
    <message id="Transfer.exported">
        <source>Events written: %1</source>
        <translation>Eventi scritti: %1</translation>
    </message>
    <message id="Transfer.calendarFiles">
        <source>Calendar files</source>
        <translation>File di calendario</translation>
    </message>
    <message id="Transfer.backupFiles">
        <source>Tallowick backups</source>
        <translation>Copie di Tallowick</translation>
    </message>
    <message id="Sync.open">
        <source>Sync with a calendar server</source>
        <translation>Sincronizza con un server di calendario</translation>
    </message>
    <message id="Sync.title">
        <source>Sync</source>
        <translation>Sincronizzazione</translation>
    </message>
    <message id="Sync.intro">
        <source>Your events go to a calendar on your own CalDAV server, and from there to your other devices and calendar apps.</source>
        <translation>I tuoi eventi vanno in un calendario sul tuo server CalDAV e da lì sugli altri tuoi dispositivi e nelle app di calendario.</translation>
    </message>
    <message id="Sync.server">
        <source>Server address</source>
        <translation>Indirizzo del server</translation>
    </message>
    <message id="Sync.user">
        <source>User name</source>
        <translation>Nome utente</translation>
    </message>
    <message id="Sync.password">
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message id="Sync.calendar">
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message id="Sync.setUp">
        <source>Set up sync</source>
        <translation>Configura la sincronizzazione</translation>
    </message>
    <message id="Sync.now">
        <source>Sync now</source>
        <translation>Sincronizza ora</translation>
    </message>
    <message id="Sync.turnOff">
        <source>Turn off sync</source>
        <translation>Disattiva la sincronizzazione</translation>
    </message>
    <message id="Sync.waiting" numerus="yes">
        <source>%n change(s) waiting to go up</source>
        <translation>
            <numerusform>%n modifica in attesa di invio</numerusform>
            <numerusform>%n modifiche in attesa di invio</numerusform>
        </translation>
    </message>
    <message id="Sync.whenToday">
        <source>today at %1</source>
        <translation>oggi alle %1</translation>
    </message>
    <message id="Sync.whenYesterday">
        <source>yesterday at %1</source>
        <translation>ieri alle %1</translation>
    </message>
    <message id="Sync.whenDate">
        <source>on %1 at %2</source>
        <translation>il %1 alle %2</translation>
    </message>
    <message id="Sync.stateUnreadable">
        <source>The record of the last sync cannot be read.</source>
        <translation>Impossibile leggere lo stato dell'ultima sincronizzazione.</translation>
    </message>
    <message id="Sync.notYet">
        <source>Not synced yet.</source>
        <translation>Non ancora sincronizzato.</translation>
    </message>
    <message id="Sync.lastSyncedWith">
        <source>Last synced %1: %2.</source>
        <translation>Sincronizzato %1: %2.</translation>
    </message>
    <message id="Sync.lastFailed">
        <source>Last sync failed %1.</source>
        <translation>Sincronizzazione non riuscita %1.</translation>
    </message>
    <message id="Sync.lastFailedWith">
        <source>Last sync failed %1: %2.</source>
        <translation>Sincronizzazione non riuscita %1: %2.</translation>
    </message>
    <message id="Sync.fieldsMissing">
        <source>Fill in the server address, user name and password.</source>
        <translation>Inserisci indirizzo del server, nome utente e password.</translation>
    </message>
    <message id="Sync.settingUp">
        <source>Setting up sync…</source>
        <translation>Configurazione della sincronizzazione…</translation>
    </message>
    <message id="Sync.syncing">
        <source>Syncing…</source>
        <translation>Sincronizzazione in corso…</translation>
    </message>
    <message id="Sync.turningOff">
        <source>Turning off sync…</source>
        <translation>Disattivazione della sincronizzazione…</translation>
    </message>
    <message id="Sync.stillOn">
        <source>Sync is still on: its files could not be removed.</source>
        <translation>La sincronizzazione è ancora attiva: non è stato possibile rimuovere i suoi file.</translation>
    </message>
    <message id="Sync.passwordLeft">
        <source>Sync is off, but its password stays in the keyring.</source>
        <translation>La sincronizzazione è disattivata, ma la password resta nel portachiavi.</translation>
    </message>
    <message id="Sync.off">
        <source>Sync is off. Your events stay on this device.</source>
        <translation>La sincronizzazione è disattivata. I tuoi eventi restano su questo dispositivo.</translation>
    </message>
    <message id="Sync.upToDate">
        <source>everything is up to date</source>
        <translation>tutto è aggiornato</translation>
    </message>
    <message id="Sync.sent" numerus="yes">
        <source>%n sent</source>
        <translation>
            <numerusform>%n inviato</numerusform>
            <numerusform>%n inviati</numerusform>
        </translation>
    </message>
    <message id="Sync.received" numerus="yes">
        <source>%n received</source>
        <translation>
            <numerusform>%n ricevuto</numerusform>
            <numerusform>%n ricevuti</numerusform>
        </translation>
    </message>
    <message id="Sync.conflicts">
        <source>changed on both devices, the server&apos;s version kept: %1</source>
        <translation>modificato su entrambi i dispositivi, tenuta la versione del server: %1</translation>
    </message>
    <message id="Sync.moreOnServer" numerus="yes">
        <source>%n more on the server than the list has room for</source>
        <translation>
            <numerusform>%n in più sul server, senza posto nella lista</numerusform>
            <numerusform>%n in più sul server, senza posto nella lista</numerusform>
        </translation>
    </message>
    <message id="Sync.unreadable" numerus="yes">
        <source>%n calendar entries could not be shown</source>
        <translation>
            <numerusform>%n voce del calendario non si può mostrare</numerusform>
            <numerusform>%n voci del calendario non si possono mostrare</numerusform>
        </translation>
    </message>
    <message id="Sync.failedAuth">
        <source>the server refused the user name or password</source>
        <translation>il server ha rifiutato il nome utente o la password</translation>
    </message>
    <message id="Sync.failedReadOnly">
        <source>the calendar is read-only</source>
        <translation>il calendario è di sola lettura</translation>
    </message>
    <message id="Sync.failedQuota">
        <source>the server has no room left</source>
        <translation>il server non ha più spazio</translation>
    </message>
    <message id="Sync.failedPassword">
        <source>the password could not be found; set sync up again</source>
        <translation>password non trovata; configura di nuovo la sincronizzazione</translation>
    </message>
    <message id="Sync.noKeyring">
        <source>No keyring is running on this desktop, so the password cannot be kept. Nothing was saved.</source>
        <translation>Su questo desktop non è attivo alcun portachiavi, quindi la password non può essere conservata. Non è stato salvato nulla.</translation>
    </message>
    <message id="Sync.setUpDone">
        <source>Syncing with the calendar “%1”.</source>
        <translation>Sincronizzazione con il calendario «%1».</translation>
    </message>
</context>
</TS>
