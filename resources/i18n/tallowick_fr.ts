<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name></name>
    <message id="Notification.today">
        <source>Today is the day!</source>
        <translation>C'est aujourd'hui !</translation>
    </message>
    <message id="Notification.daysleft" numerus="yes">
        <source>%n day(s) left</source>
        <translation>
            <numerusform>Plus que %n jour</numerusform>
            <numerusform>Plus que %n jours</numerusform>
        </translation>
    </message>
    <message id="Setting.notification">
        <source>Reminders</source>
        <translation>Rappels</translation>
    </message>
    <message id="Setting.notiTime">
        <source>Reminders arrive at %1.</source>
        <translation>Les rappels arrivent à %1.</translation>
    </message>
    <message id="Setting.reminderTime">
        <source>Time of reminders</source>
        <translation>Heure des rappels</translation>
    </message>
    <message id="Setting.notiDayOption1">
        <source>On the day</source>
        <translation>Le jour même</translation>
    </message>
    <message id="Setting.notiDayOption2">
        <source>3 days before</source>
        <translation>3 jours avant</translation>
    </message>
    <message id="Setting.notiDayOption3">
        <source>7 days before</source>
        <translation>7 jours avant</translation>
    </message>
    <message id="Setting.notiDayOption4">
        <source>Off</source>
        <translation>Désactivés</translation>
    </message>
    <message id="Setting.permission">
        <source>Notifications are off</source>
        <translation>Notifications désactivées</translation>
    </message>
    <message id="Setting.permissionCopy">
        <source>Reminders from Tallowick are turned off. Turn them on in Tallowick's notification settings.</source>
        <translation>Les rappels de Tallowick sont désactivés. Activez-les dans les réglages de notification de Tallowick.</translation>
    </message>
    <message id="OK">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="Setting.rateUs">
        <source>Enjoying Tallowick?</source>
        <translation>Vous aimez Tallowick ?</translation>
    </message>
    <message id="Setting.reviewCopy">
        <source>A short review helps us make Tallowick even better.</source>
        <translation>Un petit avis nous aide à rendre Tallowick encore meilleur.</translation>
    </message>
    <message id="Setting.review">
        <source>Write a review</source>
        <translation>Donner un avis</translation>
    </message>
    <message id="Setting.studio">
        <source>Ostra Studio</source>
        <translation>Ostra Studio</translation>
    </message>
    <message id="Setting.notificationsPage">
        <source>Notifications</source>
        <translation>Notifications</translation>
    </message>
    <message id="Setting.allowNotifications">
        <source>Allow notifications</source>
        <translation>Autoriser les notifications</translation>
    </message>
    <message id="Setting.startAtLogin">
        <source>Start at login</source>
        <translation>Démarrer à la connexion</translation>
    </message>
    <message id="Setting.startAtLoginNote">
        <source>Reminders and widgets keep coming after you log out and in.</source>
        <translation>Les rappels et les widgets continuent après une déconnexion et une reconnexion.</translation>
    </message>
    <message id="Permission.title">
        <source>Allow reminders?</source>
        <translation>Autoriser les rappels ?</translation>
    </message>
    <message id="Permission.message">
        <source>Tallowick sends reminders at %1 on the days you choose.</source>
        <translation>Tallowick envoie des rappels à %1 les jours que vous choisissez.</translation>
    </message>
    <message id="Permission.allow">
        <source>Allow</source>
        <translation>Autoriser</translation>
    </message>
    <message id="Permission.deny">
        <source>Don't Allow</source>
        <translation>Ne pas autoriser</translation>
    </message>
    <message id="Permission.openSettings">
        <source>Open Settings</source>
        <translation>Ouvrir les réglages</translation>
    </message>
    <message id="add.title">
        <source>New Event</source>
        <translation>Nouvel événement</translation>
    </message>
    <message id="edit.title">
        <source>Edit Event</source>
        <translation>Modifier l'événement</translation>
    </message>
    <message id="common.eventTitle">
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message id="common.day">
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message id="common.color">
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message id="button.save">
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message id="button.cancel">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="add.countdown">
        <source>Count down</source>
        <translation>Jusqu'au jour</translation>
    </message>
    <message id="add.countup">
        <source>Count up</source>
        <translation>Depuis le jour</translation>
    </message>
    <message id="You can't delete the last one">
        <source>You can't delete the last one</source>
        <translation>Impossible de supprimer le dernier</translation>
    </message>
    <message id="Please create a new one first">
        <source>Please create a new one first</source>
        <translation>Créez-en d'abord un nouveau.</translation>
    </message>
    <message id="Can't add a new event">
        <source>Can't add a new event</source>
        <translation>Impossible d'ajouter un événement</translation>
    </message>
    <message id="You exceed the max number of events. ">
        <source>You exceed the max number of events. </source>
        <translation>Vous avez atteint le nombre maximal d'événements. </translation>
    </message>
    <message id="Something went wrong">
        <source>Something went wrong</source>
        <translation>Un problème est survenu</translation>
    </message>
    <message id="Please restart the app">
        <source>Please restart the app</source>
        <translation>Veuillez redémarrer l'app</translation>
    </message>
    <message id="The change was not saved">
        <source>The change was not saved</source>
        <translation>La modification n'a pas été enregistrée</translation>
    </message>
    <message id="Tallowick">
        <source>Tallowick</source>
        <translation>Tallowick</translation>
    </message>
    <message id="Keep track of your upcoming events.">
        <source>Keep track of your upcoming events.</source>
        <translation>Gardez un œil sur vos événements à venir.</translation>
    </message>
    <message id="days" numerus="yes">
        <source>days</source>
        <translation>
            <numerusform>jour</numerusform>
            <numerusform>jours</numerusform>
        </translation>
    </message>
    <message id="days left" numerus="yes">
        <source>days left</source>
        <translation>
            <numerusform>jour restant</numerusform>
            <numerusform>jours restants</numerusform>
        </translation>
    </message>
    <message id="unit.left">
        <source>%1 left</source>
        <translation>%1 à venir</translation>
    </message>
    <message id="Event.days" numerus="yes">
        <source>days</source>
        <translation>
            <numerusform>jour</numerusform>
            <numerusform>jours</numerusform>
        </translation>
    </message>
    <message id="Event.daysLeft" numerus="yes">
        <source>days left</source>
        <translation>
            <numerusform>jour restant</numerusform>
            <numerusform>jours restants</numerusform>
        </translation>
    </message>
    <message id="Sorry">
        <source>Sorry, this size isn't available</source>
        <translation>Désolé, cette taille n'est pas disponible</translation>
    </message>
    <message id="Home.chooseEvent">
        <source>Choose event</source>
        <translation>Choisir l'événement</translation>
    </message>
    <message id="Home.size">
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message id="Home.small">
        <source>Small</source>
        <translation>Petit</translation>
    </message>
    <message id="Home.medium">
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message id="Home.large">
        <source>Large</source>
        <translation>Grand</translation>
    </message>
    <message id="Home.remove">
        <source>Remove widget</source>
        <translation>Retirer le widget</translation>
    </message>
    <message id="Home.noEvents">
        <source>No events yet</source>
        <translation>Aucun événement pour l'instant</translation>
    </message>
    <message id="Home.addWidget">
        <source>Add Widget…</source>
        <translation>Ajouter un widget…</translation>
    </message>
    <message id="Home.quit">
        <source>Quit Home Screen</source>
        <translation>Quitter l'écran d'accueil</translation>
    </message>
    <message id="Home.addWindowTitle">
        <source>Add a Widget</source>
        <translation>Ajouter un widget</translation>
    </message>
    <message id="Home.addHeading">
        <source>Put an event on your desktop</source>
        <translation>Placez un événement sur votre bureau</translation>
    </message>
    <message id="Home.addIntro">
        <source>Choose the widget's size and the event it shows. Right-click the widget later to change them, add another or quit.</source>
        <translation>Choisissez la taille du widget et l'événement qu'il affiche. Un clic droit sur le widget permet ensuite de les changer, d'en ajouter un autre ou de quitter.</translation>
    </message>
    <message id="Home.event">
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message id="Home.preview">
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message id="Home.addButton">
        <source>Add Widget</source>
        <translation>Ajouter le widget</translation>
    </message>
    <message id="Home.close">
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message id="OstraApps">
        <source>Ostra Apps</source>
        <translation>Les apps Ostra</translation>
    </message>
    <message id="Mossling.title">
        <source>Plant care made easy</source>
        <translation>Prendre soin des plantes</translation>
    </message>
    <message id="Mossling.sub">
        <source>Reminds you when your plants need water.</source>
        <translation>Vous rappelle quand vos plantes ont besoin d'eau.</translation>
    </message>
    <message id="Tidewell.title">
        <source>Drink more water</source>
        <translation>Buvez plus d'eau</translation>
    </message>
    <message id="Tidewell.sub">
        <source>Log every glass and reach your daily goal.</source>
        <translation>Notez chaque verre et atteignez votre objectif du jour.</translation>
    </message>
    <message id="Quillo.title">
        <source>A diary in one line</source>
        <translation>Un journal en une ligne</translation>
    </message>
    <message id="Quillo.sub">
        <source>Write one line a day and look back anytime.</source>
        <translation>Écrivez une ligne par jour et relisez-la quand vous voulez.</translation>
    </message>
    <message id="Fernlet.title">
        <source>Grow small habits</source>
        <translation>Cultivez de petites habitudes</translation>
    </message>
    <message id="Fernlet.sub">
        <source>Check off habits and watch your streaks grow.</source>
        <translation>Cochez vos habitudes et regardez vos séries grandir.</translation>
    </message>
    <message id="Hushpot.title">
        <source>Calm sounds for sleep</source>
        <translation>Des sons apaisants pour dormir</translation>
    </message>
    <message id="Hushpot.sub">
        <source>Mix rain, wind and waves to drift off.</source>
        <translation>Mélangez pluie, vent et vagues pour vous endormir.</translation>
    </message>
    <message id="Cobblyn.title">
        <source>Your pocket budget</source>
        <translation>Votre budget de poche</translation>
    </message>
    <message id="Cobblyn.sub">
        <source>Track your spending with a single tap.</source>
        <translation>Suivez vos dépenses d'un simple geste.</translation>
    </message>
    <message id="Wrennie.title">
        <source>Wake up to birdsong</source>
        <translation>Réveil au chant des oiseaux</translation>
    </message>
    <message id="Wrennie.sub">
        <source>A gentle alarm with real bird calls.</source>
        <translation>Un réveil tout doux avec de vrais chants d'oiseaux.</translation>
    </message>
    <message id="Glimmo.title">
        <source>Moments in frames</source>
        <translation>Des moments encadrés</translation>
    </message>
    <message id="Glimmo.sub">
        <source>Dress up your photos with cute frames.</source>
        <translation>Habillez vos photos de jolis cadres.</translation>
    </message>
    <message id="Plumtide.title">
        <source>Recipes for every day</source>
        <translation>Des recettes pour chaque jour</translation>
    </message>
    <message id="Plumtide.sub">
        <source>Save favourite recipes and plan your meals.</source>
        <translation>Gardez vos recettes préférées et planifiez vos repas.</translation>
    </message>
    <message id="Home.firstEvent">
        <source>First event</source>
        <translation>Premier événement</translation>
    </message>
    <message id="Delete">
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message id="Reorder">
        <source>Reorder</source>
        <translation>Réorganiser</translation>
    </message>
    <message id="Close">
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message id="All events">
        <source>All events</source>
        <translation>Tous les événements</translation>
    </message>
    <message id="Page %1 of %2">
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message id="notice.deletedElsewhere">
        <source>This event was deleted in another window or program.</source>
        <translation>Cet événement a été supprimé dans une autre fenêtre ou un autre programme.</translation>
    </message>
    <message id="share.title">
        <source>Add a shared event</source>
        <translation>Ajouter un événement partagé</translation>
    </message>
    <message id="share.takenTitle">
        <source>Already in your list</source>
        <translation>Déjà dans votre liste</translation>
    </message>
    <message id="share.takenCopy">
        <source>An event with this title is already in your list. Give this one another title to add it too.</source>
        <translation>Un événement porte déjà ce titre dans votre liste. Donnez un autre titre à celui-ci pour l'ajouter aussi.</translation>
    </message>
    <message id="Notification.open">
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message id="Setting.openNotificationSettings">
        <source>Notification settings</source>
        <translation>Réglages des notifications</translation>
    </message>
    <message id="Setting.waitingForPermission">
        <source>Waiting for permission: this reminder starts once notifications are allowed. Click to allow them.</source>
        <translation>En attente d'autorisation : ce rappel commencera dès que les notifications seront autorisées. Cliquez pour les autoriser.</translation>
    </message>
    <message id="days ago" numerus="yes">
        <source>days ago</source>
        <translation>
            <numerusform>jour écoulé</numerusform>
            <numerusform>jours écoulés</numerusform>
        </translation>
    </message>
    <message id="unit.ago">
        <source>%1 ago</source>
        <translation>%1 plus tôt</translation>
    </message>
    <message id="Event.daysAgo" numerus="yes">
        <source>days ago</source>
        <translation>
            <numerusform>jour écoulé</numerusform>
            <numerusform>jours écoulés</numerusform>
        </translation>
    </message>
    <message id="Event.today">
        <source>today</source>
        <translation>aujourd'hui</translation>
    </message>
    <message id="Widget.sampleTitle">
        <source>Your Event Title</source>
        <translation>Votre événement</translation>
    </message>
    <message id="DateData.newYear">
        <source>New Year</source>
        <translation>Nouvel An</translation>
    </message>
    <message id="DateData.summerTrip">
        <source>Summer trip</source>
        <translation>Voyage d'été</translation>
    </message>
    <message id="DateData.together">
        <source>Together</source>
        <translation>Ensemble</translation>
    </message>
    <message id="page.countdown" numerus="yes">
        <source>%1, %2, %Ln day(s) left</source>
        <translation>
            <numerusform>%1, %2, %Ln jour restant</numerusform>
            <numerusform>%1, %2, %Ln jours restants</numerusform>
        </translation>
    </message>
    <message id="page.countdownPast" numerus="yes">
        <source>%1, %2, %Ln day(s) ago</source>
        <translation>
            <numerusform>%1, %2, il y a %Ln jour</numerusform>
            <numerusform>%1, %2, il y a %Ln jours</numerusform>
        </translation>
    </message>
    <message id="page.countdownToday">
        <source>%1, %2, today</source>
        <translation>%1, %2, aujourd'hui</translation>
    </message>
    <message id="page.countup">
        <source>%1, day %3 since %2</source>
        <translation>%1, jour %3 depuis le %2</translation>
    </message>
    <message id="page.countdownSpan">
        <source>%1, %2, %3 left</source>
        <translation>%1, %2, il reste %3</translation>
    </message>
    <message id="page.countdownPastSpan">
        <source>%1, %2, %3 ago</source>
        <translation>%1, %2, il y a %3</translation>
    </message>
    <message id="page.countupSpan">
        <source>%1, %3 since %2</source>
        <translation>%1, %3 depuis le %2</translation>
    </message>
    <message id="notice.deleted">
        <source>“%1” deleted</source>
        <translation>« %1 » supprimé</translation>
    </message>
    <message id="notice.undo">
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message id="a11y.eventOf">
        <source>Event %1 of %2</source>
        <translation>Événement %1 sur %2</translation>
    </message>
    <message id="a11y.close">
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message id="a11y.openEvent">
        <source>Show this event</source>
        <translation>Afficher cet événement</translation>
    </message>
    <message id="theme.1">
        <source>Peach</source>
        <translation>Pêche</translation>
    </message>
    <message id="theme.2">
        <source>Sky</source>
        <translation>Ciel</translation>
    </message>
    <message id="theme.3">
        <source>Night</source>
        <translation>Nuit</translation>
    </message>
    <message id="theme.4">
        <source>Mint</source>
        <translation>Menthe</translation>
    </message>
    <message id="theme.5">
        <source>Lavender</source>
        <translation>Lavande</translation>
    </message>
    <message id="theme.1001">
        <source>Birthday</source>
        <translation>Anniversaire</translation>
    </message>
    <message id="theme.1002">
        <source>Home</source>
        <translation>Maison</translation>
    </message>
    <message id="theme.1003">
        <source>Love</source>
        <translation>Amour</translation>
    </message>
    <message id="theme.1004">
        <source>Vacation</source>
        <translation>Vacances</translation>
    </message>
    <message id="theme.1005">
        <source>Celebration</source>
        <translation>Fête</translation>
    </message>
    <message id="theme.1006">
        <source>Quitting smoking</source>
        <translation>Arrêt du tabac</translation>
    </message>
    <message id="theme.1007">
        <source>Get well</source>
        <translation>Bon rétablissement</translation>
    </message>
    <message id="theme.1008">
        <source>Exam</source>
        <translation>Examen</translation>
    </message>
    <message id="theme.1009">
        <source>Moving house</source>
        <translation>Déménagement</translation>
    </message>
    <message id="theme.other">
        <source>Theme %1</source>
        <translation>Thème %1</translation>
    </message>
    <message id="a11y.day">
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message id="a11y.month">
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message id="a11y.minute">
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message id="a11y.hour">
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message id="a11y.year">
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message id="a11y.direction">
        <source>Count direction</source>
        <translation>Sens du décompte</translation>
    </message>
    <message id="a11y.theme">
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message id="Repeat.yearly">
        <source>Every year</source>
        <translation>Chaque année</translation>
    </message>
    <message id="Occurrence.year">
        <source>%1 year</source>
        <translation>%1 année</translation>
    </message>
    <message id="Transfer.exportCalendar">
        <source>Export to a calendar file</source>
        <translation>Exporter vers un fichier de calendrier</translation>
    </message>
    <message id="Transfer.importCalendar">
        <source>Import from a calendar file</source>
        <translation>Importer depuis un fichier de calendrier</translation>
    </message>
    <message id="Transfer.backUp">
        <source>Back up events</source>
        <translation>Sauvegarder les événements</translation>
    </message>
    <message id="Transfer.restore">
        <source>Restore events</source>
        <translation>Restaurer les événements</translation>
    </message>
    <message id="Transfer.fileNotWritten">
        <source>The file could not be written</source>
        <translation>Le fichier n'a pas pu être écrit</translation>
    </message>
    <message id="Transfer.targetLink">
        <source>It is a symbolic link; choose the file it points to</source>
        <translation>C’est un lien symbolique ; choisissez le fichier vers lequel il pointe</translation>
    </message>
    <message id="Transfer.targetFolder">
        <source>It is a folder</source>
        <translation>C’est un dossier</translation>
    </message>
    <message id="Transfer.targetSpecial">
        <source>It is no plain file (a device or a pipe)</source>
        <translation>Ce n’est pas un fichier ordinaire (un périphérique ou un tube)</translation>
    </message>
    <message id="Transfer.summary">
        <source>%1 added, %2 skipped, %3 refused</source>
        <translation>%1 ajoutés, %2 ignorés, %3 refusés</translation>
    </message>
    <message id="Transfer.sameEvent">
        <source>already in the list</source>
        <translation>déjà dans la liste</translation>
    </message>
    <message id="Transfer.sameTitleAndDate">
        <source>an event of that title and date is in the list</source>
        <translation>un événement de ce titre et de cette date est dans la liste</translation>
    </message>
    <message id="Transfer.listFull">
        <source>the list already holds %1 events</source>
        <translation>la liste contient déjà %1 événements</translation>
    </message>
    <message id="Transfer.noTitle">
        <source>it has no title</source>
        <translation>il n'a pas de titre</translation>
    </message>
    <message id="Transfer.noDate">
        <source>it has no date Tallowick can count</source>
        <translation>il n’a pas de date que Tallowick puisse compter</translation>
    </message>
    <message id="Transfer.otherRepeat">
        <source>it repeats in a way Tallowick cannot follow</source>
        <translation>il se répète d’une façon que Tallowick ne sait pas suivre</translation>
    </message>
    <message id="Transfer.cancelled">
        <source>it is cancelled</source>
        <translation>il est annulé</translation>
    </message>
    <message id="Transfer.oneOccurrence">
        <source>it changes one occurrence of a series</source>
        <translation>il modifie une occurrence d’une série</translation>
    </message>
    <message id="Transfer.notAnEvent">
        <source>it is not a complete event</source>
        <translation>ce n'est pas un événement complet</translation>
    </message>
    <message id="Transfer.unknownTheme">
        <source>its theme is none of Tallowick's</source>
        <translation>son thème n’est pas un thème de Tallowick</translation>
    </message>
    <message id="Transfer.notAColour">
        <source>one of its colours is no colour</source>
        <translation>une de ses couleurs n’est pas une couleur</translation>
    </message>
    <message id="Transfer.unknownReminder">
        <source>its reminder is none of Tallowick's</source>
        <translation>son rappel n’est pas un rappel de Tallowick</translation>
    </message>
    <message id="Transfer.countUpRepeats">
        <source>a count-up event cannot repeat every year</source>
        <translation>un événement qui compte vers le haut ne peut pas se répéter chaque année</translation>
    </message>
    <message id="Transfer.remindersWaiting">
        <source>Reminders start once notifications are allowed</source>
        <translation>Les rappels commenceront dès que les notifications seront autorisées</translation>
    </message>
    <message id="Transfer.changedInFile">
        <source>in the list, but the file has another version</source>
        <translation>déjà dans la liste, mais le fichier en a une autre version</translation>
    </message>
    <message id="Transfer.summaryUpdated">
        <source>%1, %2 updated</source>
        <translation>%1, %2 mis à jour</translation>
    </message>
    <message id="Transfer.field.title">
        <source>title</source>
        <translation>titre</translation>
    </message>
    <message id="Transfer.field.date">
        <source>date</source>
        <translation>date</translation>
    </message>
    <message id="Transfer.field.yearly">
        <source>repeating every year</source>
        <translation>répétition annuelle</translation>
    </message>
    <message id="Transfer.field.reminder">
        <source>reminders</source>
        <translation>rappels</translation>
    </message>
    <message id="Transfer.updateChanged" numerus="yes">
        <source>Update %n changed event(s)</source>
        <translation>
            <numerusform>Mettre à jour %n événement modifié</numerusform>
            <numerusform>Mettre à jour %n événements modifiés</numerusform>
        </translation>
    </message>
    <message id="Transfer.fileUnreadable">
        <source>The file cannot be read</source>
        <translation>Le fichier ne peut pas être lu</translation>
    </message>
    <message id="Transfer.fileTooLarge">
        <source>The file is too large</source>
        <translation>Le fichier est trop volumineux</translation>
    </message>
    <message id="Transfer.fileNotCalendar">
        <source>The file is no calendar, or it is damaged</source>
        <translation>Le fichier n'est pas un calendrier, ou il est endommagé</translation>
    </message>
    <message id="Transfer.fileNotBackup">
        <source>The file is no Tallowick backup, or it is damaged</source>
        <translation>Le fichier n'est pas une sauvegarde Tallowick, ou il est endommagé</translation>
    </message>
    <message id="Transfer.fileNewer">
        <source>The backup was made by a newer Tallowick</source>
        <translation>La sauvegarde a été faite par un Tallowick plus récent</translation>
    </message>
    <message id="Transfer.notSaved">
        <source>The events could not be saved</source>
        <translation>Les événements n'ont pas pu être enregistrés</translation>
    </message>
    <message id="form.repeatsYearly">
        <source>Repeats every year</source>
        <translation>Se répète chaque année</translation>
    </message>
    <message id="form.countIn">
        <source>Count in</source>
        <translation>Compter en</translation>
    </message>
    <message id="form.unitDays">
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message id="form.unitWeeks">
        <source>Weeks</source>
        <translation>Semaines</translation>
    </message>
    <message id="form.unitMonths">
        <source>Months</source>
        <translation>Mois</translation>
    </message>
    <message id="form.unitYears">
        <source>Years</source>
        <translation>Années</translation>
    </message>
    <message id="Transfer.exported">
        <source>Events written: %1</source>
        <translation>Événements écrits : %1</translation>
    </message>
    <message id="Transfer.calendarFiles">
        <source>Calendar files</source>
        <translation>Fichiers de calendrier</translation>
    </message>
    <message id="Transfer.backupFiles">
        <source>Tallowick backups</source>
        <translation>Sauvegardes Tallowick</translation>
    </message>
    <message id="Sync.open">
        <source>Sync with a calendar server</source>
        <translation>Synchroniser avec un serveur de calendrier</translation>
    </message>
    <message id="Sync.title">
        <source>Sync</source>
        <translation>Synchronisation</translation>
    </message>
    <message id="Sync.intro">
        <source>Your events go to a calendar on your own CalDAV server, and from there to your other devices and calendar apps.</source>
        <translation>Vos événements vont dans un calendrier de votre propre serveur CalDAV, puis de là vers vos autres appareils et vos applications de calendrier.</translation>
    </message>
    <message id="Sync.server">
        <source>Server address</source>
        <translation>Adresse du serveur</translation>
    </message>
    <message id="Sync.user">
        <source>User name</source>
        <translation>Nom d'utilisateur</translation>
    </message>
    <message id="Sync.password">
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message id="Sync.calendar">
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message id="Sync.setUp">
        <source>Set up sync</source>
        <translation>Configurer la synchronisation</translation>
    </message>
    <message id="Sync.now">
        <source>Sync now</source>
        <translation>Synchroniser maintenant</translation>
    </message>
    <message id="Sync.turnOff">
        <source>Turn off sync</source>
        <translation>Désactiver la synchronisation</translation>
    </message>
    <message id="Sync.waiting" numerus="yes">
        <source>%n change(s) waiting to go up</source>
        <translation>
            <numerusform>%n modification en attente d'envoi</numerusform>
            <numerusform>%n modifications en attente d'envoi</numerusform>
        </translation>
    </message>
    <message id="Sync.whenToday">
        <source>today at %1</source>
        <translation>aujourd'hui à %1</translation>
    </message>
    <message id="Sync.whenYesterday">
        <source>yesterday at %1</source>
        <translation>hier à %1</translation>
    </message>
    <message id="Sync.whenDate">
        <source>on %1 at %2</source>
        <translation>le %1 à %2</translation>
    </message>
    <message id="Sync.stateUnreadable">
        <source>The record of the last sync cannot be read.</source>
        <translation>L'état de la dernière synchronisation est illisible.</translation>
    </message>
    <message id="Sync.notYet">
        <source>Not synced yet.</source>
        <translation>Pas encore synchronisé.</translation>
    </message>
    <message id="Sync.lastSyncedWith">
        <source>Last synced %1: %2.</source>
        <translation>Dernière synchronisation %1 : %2.</translation>
    </message>
    <message id="Sync.lastFailed">
        <source>Last sync failed %1.</source>
        <translation>Échec de la synchronisation %1.</translation>
    </message>
    <message id="Sync.lastFailedWith">
        <source>Last sync failed %1: %2.</source>
        <translation>Échec de la synchronisation %1 : %2.</translation>
    </message>
    <message id="Sync.fieldsMissing">
        <source>Fill in the server address, user name and password.</source>
        <translation>Indiquez l'adresse du serveur, le nom d'utilisateur et le mot de passe.</translation>
    </message>
    <message id="Sync.settingUp">
        <source>Setting up sync…</source>
        <translation>Configuration de la synchronisation…</translation>
    </message>
    <message id="Sync.syncing">
        <source>Syncing…</source>
        <translation>Synchronisation…</translation>
    </message>
    <message id="Sync.turningOff">
        <source>Turning off sync…</source>
        <translation>Désactivation de la synchronisation…</translation>
    </message>
    <message id="Sync.stillOn">
        <source>Sync is still on: its files could not be removed.</source>
        <translation>La synchronisation est toujours active : ses fichiers n'ont pas pu être supprimés.</translation>
    </message>
    <message id="Sync.passwordLeft">
        <source>Sync is off, but its password stays in the keyring.</source>
        <translation>La synchronisation est désactivée, mais son mot de passe reste dans le trousseau.</translation>
    </message>
    <message id="Sync.off">
        <source>Sync is off. Your events stay on this device.</source>
        <translation>La synchronisation est désactivée. Vos événements restent sur cet appareil.</translation>
    </message>
    <message id="Sync.upToDate">
        <source>everything is up to date</source>
        <translation>tout est à jour</translation>
    </message>
    <message id="Sync.sent" numerus="yes">
        <source>%n sent</source>
        <translation>
            <numerusform>%n envoyé</numerusform>
            <numerusform>%n envoyés</numerusform>
        </translation>
    </message>
    <message id="Sync.received" numerus="yes">
        <source>%n received</source>
        <translation>
            <numerusform>%n reçu</numerusform>
            <numerusform>%n reçus</numerusform>
        </translation>
    </message>
    <message id="Sync.conflicts">
        <source>changed on both devices, the server&apos;s version kept: %1</source>
        <translation>modifié sur les deux appareils, version du serveur conservée : %1</translation>
    </message>
    <message id="Sync.moreOnServer" numerus="yes">
        <source>%n more on the server than the list has room for</source>
        <translation>
            <numerusform>%n de plus sur le serveur, faute de place dans la liste</numerusform>
            <numerusform>%n de plus sur le serveur, faute de place dans la liste</numerusform>
        </translation>
    </message>
    <message id="Sync.unreadable" numerus="yes">
        <source>%n calendar entries could not be shown</source>
        <translation>
            <numerusform>%n entrée d&apos;agenda ne peut pas être affichée</numerusform>
            <numerusform>%n entrées d&apos;agenda ne peuvent pas être affichées</numerusform>
        </translation>
    </message>
    <message id="Sync.failedAuth">
        <source>the server refused the user name or password</source>
        <translation>le serveur a refusé le nom d&apos;utilisateur ou le mot de passe</translation>
    </message>
    <message id="Sync.failedReadOnly">
        <source>the calendar is read-only</source>
        <translation>l&apos;agenda est en lecture seule</translation>
    </message>
    <message id="Sync.failedQuota">
        <source>the server has no room left</source>
        <translation>le serveur n&apos;a plus de place</translation>
    </message>
    <message id="Sync.failedPassword">
        <source>the password could not be found; set sync up again</source>
        <translation>mot de passe introuvable ; configurez à nouveau la synchronisation</translation>
    </message>
    <message id="Sync.noKeyring">
        <source>No keyring is running on this desktop, so the password cannot be kept. Nothing was saved.</source>
        <translation>Aucun trousseau de clés ne tourne sur ce bureau : le mot de passe ne peut pas être conservé. Rien n&apos;a été enregistré.</translation>
    </message>
    <message id="Sync.setUpDone">
        <source>Syncing with the calendar “%1”.</source>
        <translation>Synchronisation avec l’agenda « %1 ».</translation>
    </message>
</context>
</TS>
