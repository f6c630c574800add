<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<!-- Apps of the maker, in the about list: Mossling, Tidewell, Quillo, Fernlet, Hushpot, Cobblyn, Wrennie, Glimmo, Plumtide.
     Each has the keys <Name>.title and <Name>.sub; its icon image is the lower-case name. -->
<context>
    <name></name>
    <message id="Notification.today">
        <source>Today is the day!</source>
        <translation>Today is the day!</translation>
    </message>
    <message id="Notification.daysleft" numerus="yes">
        <source>%n day(s) left</source>
        <translation>
            <numerusform>%n day left</numerusform>
            <numerusform>%n days left</numerusform>
        </translation>
    </message>
    <message id="Setting.notification">
        <source>Reminders</source>
        <translation>Reminders</translation>
    </message>
    <message id="Setting.notiTime">
        <source>Reminders arrive at %1.</source>
        <translation>Reminders arrive at %1.</translation>
    </message>
    <message id="Setting.reminderTime">
        <source>Time of reminders</source>
        <translation>Time of reminders</translation>
    </message>
    <message id="Setting.notiDayOption1">
        <source>On the day</source>
        <translation>On the day</translation>
    </message>
    <message id="Setting.notiDayOption2">
        <source>3 days before</source>
        <translation>3 days before</translation>
    </message>
    <message id="Setting.notiDayOption3">
        <source>7 days before</source>
        <translation>7 days before</translation>
    </message>
    <message id="Setting.notiDayOption4">
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message id="Setting.permission">
        <source>Notifications are off</source>
        <translation>Notifications are off</translation>
    </message>
    <message id="Setting.permissionCopy">
        <source>Reminders from Tallowick are turned off. Turn them on in Tallowick's notification settings.</source>
        <translation>Reminders from Tallowick are turned off. Turn them on in Tallowick's notification settings.</translation>
    </message>
    <message id="OK">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="Setting.rateUs">
        <source>Enjoying Tallowick?</source>
        <translation>Enjoying Tallowick?</translation>
    </message>
    <message id="Setting.reviewCopy">
        <source>A short review helps us make Tallowick even better.</source>
        <translation>A short review helps us make Tallowick even better.</translation>
    </message>
    <message id="Setting.review">
        <source>Write a review</source>
        <translation>Write a review</translation>
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
        <translation>Allow notifications</translation>
    </message>
    <message id="Setting.startAtLogin">
        <source>Start at login</source>
        <translation>Start at login</translation>
    </message>
    <message id="Setting.startAtLoginNote">
        <source>Reminders and widgets keep coming after you log out and in.</source>
        <translation>Reminders and widgets keep coming after you log out and in.</translation>
    </message>
    <message id="Permission.title">
        <source>Allow reminders?</source>
        <translation>Allow reminders?</translation>
    </message>
    <message id="Permission.message">
        <source>Tallowick sends reminders at %1 on the days you choose.</source>
        <translation>Tallowick sends reminders at %1 on the days you choose.</translation>
    </message>
    <message id="Permission.allow">
        <source>Allow</source>
        <translation>Allow</translation>
    </message>
    <message id="Permission.deny">
        <source>Don't Allow</source>
        <translation>Don't Allow</translation>
    </message>
    <message id="Permission.openSettings">
        <source>Open Settings</source>
        <translation>Open Settings</translation>
    </message>
    <message id="add.title">
        <source>New Event</source>
        <translation>New Event</translation>
    </message>
    <message id="edit.title">
        <source>Edit Event</source>
        <translation>Edit Event</translation>
    </message>
    <message id="common.eventTitle">
        <source>Title</source>
        <translation>Title</translation>
    </message>
    <message id="common.day">
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message id="common.color">
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message id="button.save">
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message id="button.cancel">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="add.countdown">
        <source>Count down</source>
        <translation>Count down</translation>
    </message>
    <message id="add.countup">
        <source>Count up</source>
        <translation>Count up</translation>
    </message>
    <message id="You can't delete the last one">
        <source>You can't delete the last one</source>
        <translation>You can't delete the last one</translation>
    </message>
    <message id="Please create a new one first">
        <source>Please create a new one first</source>
        <translation>Please create a new one first</translation>
    </message>
    <message id="Can't add a new event">
        <source>Can't add a new event</source>
        <translation>Can't add a new event</translation>
    </message>
    <message id="You exceed the max number of events. ">
        <source>You exceed the max number of events. </source>
        <translation>You exceed the max number of events. </translation>
    </message>
    <message id="Something went wrong">
        <source>Something went wrong</source>
        <translation>Something went wrong</translation>
    </message>
    <message id="Please restart the app">
        <source>Please restart the app</source>
        <translation>Please restart the app</translation>
    </message>
    <message id="The change was not saved">
        <source>The change was not saved</source>
        <translation>The change was not saved</translation>
    </message>
    <message id="Tallowick">
        <source>Tallowick</source>
        <translation>Tallowick</translation>
    </message>
    <message id="Keep track of your upcoming events.">
        <source>Keep track of your upcoming events.</source>
        <translation>Keep track of your upcoming events.</translation>
    </message>
    <message id="days" numerus="yes">
        <source>days</source>
        <translation>
            <numerusform>day</numerusform>
            <numerusform>days</numerusform>
        </translation>
    </message>
    <message id="days left" numerus="yes">
        <source>days left</source>
        <translation>
            <numerusform>day left</numerusform>
            <numerusform>days left</numerusform>
        </translation>
    </message>
    <message id="unit.left">
        <source>%1 left</source>
        <translation>%1 left</translation>
    </message>
    <message id="Event.days" numerus="yes">
        <source>days</source>
        <translation>
            <numerusform>day</numerusform>
            <numerusform>days</numerusform>
        </translation>
    </message>
    <message id="Event.daysLeft" numerus="yes">
        <source>days left</source>
        <translation>
            <numerusform>day left</numerusform>
            <numerusform>days left</numerusform>
        </translation>
    </message>
    <message id="Sorry">
        <source>Sorry, this size isn't available</source>
        <translation>Sorry, this size isn't available</translation>
    </message>
    <message id="Home.chooseEvent">
        <source>Choose event</source>
        <translation>Choose event</translation>
    </message>
    <message id="Home.size">
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message id="Home.small">
        <source>Small</source>
        <translation>Small</translation>
    </message>
    <message id="Home.medium">
        <source>Medium</source>
        <translation>Medium</translation>
    </message>
    <message id="Home.large">
        <source>Large</source>
        <translation>Large</translation>
    </message>
    <message id="Home.remove">
        <source>Remove widget</source>
        <translation>Remove widget</translation>
    </message>
    <message id="Home.noEvents">
        <source>No events yet</source>
        <translation>No events yet</translation>
    </message>
    <message id="Home.addWidget">
        <source>Add Widget…</source>
        <translation>Add Widget…</translation>
    </message>
    <message id="Home.quit">
        <source>Quit Home Screen</source>
        <translation>Quit Home Screen</translation>
    </message>
    <message id="Home.addWindowTitle">
        <source>Add a Widget</source>
        <translation>Add a Widget</translation>
    </message>
    <message id="Home.addHeading">
        <source>Put an event on your desktop</source>
        <translation>Put an event on your desktop</translation>
    </message>
    <message id="Home.addIntro">
        <source>Choose the widget's size and the event it shows. Right-click the widget later to change them, add another or quit.</source>
        <translation>Choose the widget's size and the event it shows. Right-click the widget later to change them, add another or quit.</translation>
    </message>
    <message id="Home.event">
        <source>Event</source>
        <translation>Event</translation>
    </message>
    <message id="Home.preview">
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message id="Home.addButton">
        <source>Add Widget</source>
        <translation>Add Widget</translation>
    </message>
    <message id="Home.close">
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message id="OstraApps">
        <source>Ostra Apps</source>
        <translation>Ostra Apps</translation>
    </message>
    <message id="Mossling.title">
        <source>Plant care made easy</source>
        <translation>Plant care made easy</translation>
    </message>
    <message id="Mossling.sub">
        <source>Reminds you when your plants need water.</source>
        <translation>Reminds you when your plants need water.</translation>
    </message>
    <message id="Tidewell.title">
        <source>Drink more water</source>
        <translation>Drink more water</translation>
    </message>
    <message id="Tidewell.sub">
        <source>Log every glass and reach your daily goal.</source>
        <translation>Log every glass and reach your daily goal.</translation>
    </message>
    <message id="Quillo.title">
        <source>A diary in one line</source>
        <translation>A diary in one line</translation>
    </message>
    <message id="Quillo.sub">
        <source>Write one line a day and look back anytime.</source>
        <translation>Write one line a day and look back anytime.</translation>
    </message>
    <message id="Fernlet.title">
        <source>Grow small habits</source>
        <translation>Grow small habits</translation>
    </message>
    <message id="Fernlet.sub">
        <source>Check off habits and watch your streaks grow.</source>
        <translation>Check off habits and watch your streaks grow.</translation>
    </message>
    <message id="Hushpot.title">
        <source>Calm sounds for sleep</source>
        <translation>Calm sounds for sleep</translation>
    </message>
    <message id="Hushpot.sub">
        <source>Mix rain, wind and waves to drift off.</source>
        <translation>Mix rain, wind and waves to drift off.</translation>
    </message>
    <message id="Cobblyn.title">
        <source>Your pocket budget</source>
        <translation>Your pocket budget</translation>
    </message>
    <message id="Cobblyn.sub">
        <source>Track your spending with a single tap.</source>
        <translation>Track your spending with a single tap.</translation>
    </message>
    <message id="Wrennie.title">
        <source>Wake up to birdsong</source>
        <translation>Wake up to birdsong</translation>
    </message>
    <message id="Wrennie.sub">
        <source>A gentle alarm with real bird calls.</source>
        <translation>A gentle alarm with real bird calls.</translation>
    </message>
    <message id="Glimmo.title">
        <source>Moments in frames</source>
        <translation>Moments in frames</translation>
    </message>
    <message id="Glimmo.sub">
        <source>Dress up your photos with cute frames.</source>
        <translation>Dress up your photos with cute frames.</translation>
    </message>
    <message id="Plumtide.title">
        <source>Recipes for every day</source>
        <translation>Recipes for every day</translation>
    </message>
    <message id="Plumtide.sub">
        <source>Save favourite recipes and plan your meals.</source>
        <translation>Save favourite recipes and plan your meals.</translation>
    </message>
    <message id="Home.firstEvent">
        <source>First event</source>
        <translation>First event</translation>
    </message>
    <message id="Delete">
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message id="Reorder">
        <source>Reorder</source>
        <translation>Reorder</translation>
    </message>
    <message id="Close">
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message id="All events">
        <source>All events</source>
        <translation>All events</translation>
    </message>
    <message id="Page %1 of %2">
        <source>Page %1 of %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message id="notice.deletedElsewhere">
        <source>This event was deleted in another window or program.</source>
        <translation>This event was deleted in another window or program.</translation>
    </message>
    <message id="share.title">
        <source>Add a shared event</source>
        <translation>Add a shared event</translation>
    </message>
    <message id="share.takenTitle">
        <source>Already in your list</source>
        <translation>Already in your list</translation>
    </message>
    <message id="share.takenCopy">
        <source>An event with this title is already in your list. Give this one another title to add it too.</source>
        <translation>An event with this title is already in your list. Give this one another title to add it too.</translation>
    </message>
    <message id="Notification.open">
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message id="Setting.openNotificationSettings">
        <source>Notification settings</source>
        <translation>Notification settings</translation>
    </message>
    <message id="Setting.waitingForPermission">
        <source>Waiting for permission: this reminder starts once notifications are allowed. Click to allow them.</source>
        <translation>Waiting for permission: this reminder starts once notifications are allowed. Click to allow them.</translation>
    </message>
    <message id="Repeat.yearly">
        <source>Every year</source>
        <translation>Every year</translation>
    </message>
    <message id="Occurrence.year">
        <source>%1 year</source>
        <translation>%1 year</translation>
    </message>
    <message id="Transfer.exportCalendar">
        <source>Export to a calendar file</source>
        <translation>Export to a calendar file</translation>
    </message>
    <message id="Transfer.importCalendar">
        <source>Import from a calendar file</source>
        <translation>Import from a calendar file</translation>
    </message>
    <message id="Transfer.backUp">
        <source>Back up events</source>
        <translation>Back up events</translation>
    </message>
    <message id="Transfer.restore">
        <source>Restore events</source>
        <translation>Restore events</translation>
    </message>
    <message id="Transfer.fileNotWritten">
        <source>The file could not be written</source>
        <translation>The file could not be written</translation>
    </message>
    <message id="Transfer.targetLink">
        <source>It is a symbolic link; choose the file it points to</source>
        <translation>It is a symbolic link; choose the file it points to</translation>
    </message>
    <message id="Transfer.targetFolder">
        <source>It is a folder</source>
        <translation>It is a folder</translation>
    </message>
    <message id="Transfer.targetSpecial">
        <source>It is no plain file (a device or a pipe)</source>
        <translation>It is no plain file (a device or a pipe)</translation>
    </message>
    <message id="Transfer.summary">
        <source>%1 added, %2 skipped, %3 refused</source>
        <translation>%1 added, %2 skipped, %3 refused</translation>
    </message>
    <message id="Transfer.sameEvent">
        <source>already in the list</source>
        <translation>already in the list</translation>
    </message>
    <message id="Transfer.sameTitleAndDate">
        <source>an event of that title and date is in the list</source>
        <translation>an event of that title and date is in the list</translation>
    </message>
    <message id="Transfer.listFull">
        <source>the list already holds %1 events</source>
        <translation>the list already holds %1 events</translation>
    </message>
    <message id="Transfer.noTitle">
        <source>it has no title</source>
        <translation>it has no title</translation>
    </message>
    <message id="Transfer.noDate">
        <source>it has no date Tallowick can count</source>
        <translation>it has no date Tallowick can count</translation>
    </message>
    <message id="Transfer.otherRepeat">
        <source>it repeats in a way Tallowick cannot follow</source>
        <translation>it repeats in a way Tallowick cannot follow</translation>
    </message>
    <message id="Transfer.cancelled">
        <source>it is cancelled</source>
        <translation>it is cancelled</translation>
    </message>
    <message id="Transfer.oneOccurrence">
        <source>it changes one occurrence of a series</source>
        <translation>it changes one occurrence of a series</translation>
    </message>
    <message id="Transfer.notAnEvent">
        <source>it is not a complete event</source>
        <translation>it is not a complete event</translation>
    </message>
    <message id="Transfer.unknownTheme">
        <source>its theme is none of Tallowick's</source>
        <translation>its theme is none of Tallowick's</translation>
    </message>
    <message id="Transfer.notAColour">
        <source>one of its colours is no colour</source>
        <translation>one of its colours is no colour</translation>
    </message>
    <message id="Transfer.unknownReminder">
        <source>its reminder is none of Tallowick's</source>
        <translation>its reminder is none of Tallowick's</translation>
    </message>
    <message id="Transfer.countUpRepeats">
        <source>a count-up event cannot repeat every year</source>
        <translation>a count-up event cannot repeat every year</translation>
    </message>
    <message id="Transfer.remindersWaiting">
        <source>Reminders start once notifications are allowed</source>
        <translation>Reminders start once notifications are allowed</translation>
    </message>
    <message id="Transfer.changedInFile">
        <source>in the list, but the file has another version</source>
        <translation>in the list, but the file has another version</translation>
    </message>
    <message id="Transfer.summaryUpdated">
        <source>%1, %2 updated</source>
        <translation>%1, %2 updated</translation>
    </message>
    <message id="Transfer.field.title">
        <source>title</source>
        <translation>title</translation>
    </message>
    <message id="Transfer.field.date">
        <source>date</source>
        <translation>date</translation>
    </message>
    <message id="Transfer.field.yearly">
        <source>repeating every year</source>
        <translation>repeating every year</translation>
    </message>
    <message id="Transfer.field.reminder">
        <source>reminders</source>
        <translation>reminders</translation>
    </message>
    <message id="Transfer.updateChanged" numerus="yes">
        <source>Update %n changed event(s)</source>
        <translation>
            <numerusform>Update %n changed event</numerusform>
            <numerusform>Update %n changed events</numerusform>
        </translation>
    </message>
    <message id="Transfer.fileUnreadable">
        <source>The file cannot be read</source>
        <translation>The file cannot be read</translation>
    </message>
    <message id="Transfer.fileTooLarge">
        <source>The file is too large</source>
        <translation>The file is too large</translation>
    </message>
    <message id="Transfer.fileNotCalendar">
        <source>The file is no calendar, or it is damaged</source>
        <translation>The file is no calendar, or it is damaged</translation>
    </message>
    <message id="Transfer.fileNotBackup">
        <source>The file is no Tallowick backup, or it is damaged</source>
        <translation>The file is no Tallowick backup, or it is damaged</translation>
    </message>
    <message id="Transfer.fileNewer">
        <source>The backup was made by a newer Tallowick</source>
        <translation>The backup was made by a newer Tallowick</translation>
    </message>
    <message id="Transfer.notSaved">
        <source>The events could not be saved</source>
        <translation>The events could not be saved</translation>
    </message>
    <message id="notice.deleted">
        <source>“%1” deleted</source>
        <translation>“%1” deleted</translation>
    </message>
    <message id="notice.undo">
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message id="a11y.eventOf">
        <source>Event %1 of %2</source>
        <translation>Event %1 of %2</translation>
    </message>
    <message id="a11y.close">
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message id="a11y.openEvent">
        <source>Show this event</source>
        <translation>Show this event</translation>
    </message>
    <message id="theme.1">
        <source>Peach</source>
        <translation>Peach</translation>
    </message>
    <message id="theme.2">
        <source>Sky</source>
        <translation>Sky</translation>
    </message>
    <message id="theme.3">
        <source>Night</source>
        <translation>Night</translation>
    </message>
    <message id="theme.4">
        <source>Mint</source>
        <translation>Mint</translation>
    </message>
    <message id="theme.5">
        <source>Lavender</source>
        <translation>Lavender</translation>
    </message>
    <message id="theme.1001">
        <source>Birthday</source>
        <translation>Birthday</translation>
    </message>
    <message id="theme.1002">
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message id="theme.1003">
        <source>Love</source>
        <translation>Love</translation>
    </message>
    <message id="theme.1004">
        <source>Vacation</source>
        <translation>Vacation</translation>
    </message>
    <message id="theme.1005">
        <source>Celebration</source>
        <translation>Celebration</translation>
    </message>
    <message id="theme.1006">
        <source>Quitting smoking</source>
        <translation>Quitting smoking</translation>
    </message>
    <message id="theme.1007">
        <source>Get well</source>
        <translation>Get well</translation>
    </message>
    <message id="theme.1008">
        <source>Exam</source>
        <translation>Exam</translation>
    </message>
    <message id="theme.1009">
        <source>Moving house</source>
        <translation>Moving house</translation>
    </message>
    <message id="theme.other">
        <source>Theme %1</source>
        <translation>Theme %1</translation>
    </message>
    <message id="a11y.day">
        <source>Day</source>
        <translation>Day</translation>
    </message>
    <message id="a11y.month">
        <source>Month</source>
        <translation>Month</translation>
    </message>
    <message id="a11y.minute">
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message id="a11y.hour">
        <source>Hour</source>
        <translation>Hour</translation>
    </message>
    <message id="a11y.year">
        <source>Year</source>
        <translation>Year</translation>
    </message>
    <message id="a11y.direction">
        <source>Count direction</source>
        <translation>Count direction</translation>
    </message>
    <message id="a11y.theme">
        <source>Theme</source>
        <translation>Theme</translation>
    </message>
    <message id="days ago" numerus="yes">
        <source>days ago</source>
        <translation>
            <numerusform>day ago</numerusform>
            <numerusform>days ago</numerusform>
        </translation>
    </message>
    <message id="unit.ago">
        <source>%1 ago</source>
        <translation>%1 ago</translation>
    </message>
    <message id="Event.daysAgo" numerus="yes">
        <source>days ago</source>
        <translation>
            <numerusform>day ago</numerusform>
            <numerusform>days ago</numerusform>
        </translation>
    </message>
    <message id="Event.today">
        <source>today</source>
        <translation>today</translation>
    </message>
    <message id="Widget.sampleTitle">
        <source>Your Event Title</source>
        <translation>Your Event Title</translation>
    </message>
    <message id="DateData.newYear">
        <source>New Year</source>
        <translation>New Year</translation>
    </message>
    <message id="DateData.summerTrip">
        <source>Summer trip</source>
        <translation>Summer trip</translation>
    </message>
    <message id="DateData.together">
        <source>Together</source>
        <translation>Together</translation>
    </message>
    <message id="page.countdown" numerus="yes">
        <source>%1, %2, %Ln day(s) left</source>
        <translation>
            <numerusform>%1, %2, %Ln day left</numerusform>
            <numerusform>%1, %2, %Ln days left</numerusform>
        </translation>
    </message>
    <message id="page.countdownPast" numerus="yes">
        <source>%1, %2, %Ln day(s) ago</source>
        <translation>
            <numerusform>%1, %2, %Ln day ago</numerusform>
            <numerusform>%1, %2, %Ln days ago</numerusform>
        </translation>
    </message>
    <message id="page.countdownToday">
        <source>%1, %2, today</source>
        <translation>%1, %2, today</translation>
    </message>
    <message id="page.countup">
        <source>%1, day %3 since %2</source>
        <translation>%1, day %3 since %2</translation>
    </message>
    <message id="page.countdownSpan">
        <source>%1, %2, %3 left</source>
        <translation>%1, %2, %3 left</translation>
    </message>
    <message id="page.countdownPastSpan">
        <source>%1, %2, %3 ago</source>
        <translation>%1, %2, %3 ago</translation>
    </message>
    <message id="page.countupSpan">
        <source>%1, %3 since %2</source>
        <translation>%1, %3 since %2</translation>
    </message>
    <message id="form.repeatsYearly">
        <source>Repeats every year</source>
        <translation>Repeats every year</translation>
    </message>
    <message id="form.countIn">
        <source>Count in</source>
        <translation>Count in</translation>
    </message>
    <message id="form.unitDays">
        <source>Days</source>
        <translation>Days</translation>
    </message>
    <message id="form.unitWeeks">
        <source>Weeks</source>
        <translation>Weeks</translation>
    </message>
    <message id="form.unitMonths">
        <source>Months</source>
        <translation>Months</translation>
    </message>
    <message id="form.unitYears">
        <source>Years</source>
        <translation>Years</translation>
    </message>
    <message id="Transfer.exported">
        <source>Events written: %1</source>
        <translation>Events written: %1</translation>
    </message>
    <message id="Transfer.calendarFiles">
        <source>Calendar files</source>
        <translation>Calendar files</translation>
    </message>
    <message id="Transfer.backupFiles">
        <source>Tallowick backups</source>
        <translation>Tallowick backups</translation>
    </message>
    <message id="Sync.open">
        <source>Sync with a calendar server</source>
        <translation>Sync with a calendar server</translation>
    </message>
    <message id="Sync.title">
        <source>Sync</source>
        <translation>Sync</translation>
    </message>
    <message id="Sync.intro">
        <source>Your events go to a calendar on your own CalDAV server, and from there to your other devices and calendar apps.</source>
        <translation>Your events go to a calendar on your own CalDAV server, and from there to your other devices and calendar apps.</translation>
    </message>
    <message id="Sync.server">
        <source>Server address</source>
        <translation>Server address</translation>
    </message>
    <message id="Sync.user">
        <source>User name</source>
        <translation>User name</translation>
    </message>
    <message id="Sync.password">
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message id="Sync.calendar">
        <source>Calendar</source>
        <translation>Calendar</translation>
    </message>
    <message id="Sync.setUp">
        <source>Set up sync</source>
        <translation>Set up sync</translation>
    </message>
    <message id="Sync.now">
        <source>Sync now</source>
        <translation>Sync now</translation>
    </message>
    <message id="Sync.turnOff">
        <source>Turn off sync</source>
        <translation>Turn off sync</translation>
    </message>
    <message id="Sync.waiting" numerus="yes">
        <source>%n change(s) waiting to go up</source>
        <translation>
            <numerusform>%n change waiting to go up</numerusform>
            <numerusform>%n changes waiting to go up</numerusform>
        </translation>
    </message>
    <message id="Sync.whenToday">
        <source>today at %1</source>
        <translation>today at %1</translation>
    </message>
    <message id="Sync.whenYesterday">
        <source>yesterday at %1</source>
        <translation>yesterday at %1</translation>
    </message>
    <message id="Sync.whenDate">
        <source>on %1 at %2</source>
        <translation>on %1 at %2</translation>
    </message>
    <message id="Sync.stateUnreadable">
        <source>The record of the last sync cannot be read.</source>
        <translation>The record of the last sync cannot be read.</translation>
    </message>
    <message id="Sync.notYet">
        <source>Not synced yet.</source>
        <translation>Not synced yet.</translation>
    </message>
    <message id="Sync.lastSyncedWith">
        <source>Last synced %1: %2.</source>
        <translation>Last synced %1: %2.</translation>
    </message>
    <message id="Sync.lastFailed">
        <source>Last sync failed %1.</source>
        <translation>Last sync failed %1.</translation>
    </message>
    <message id="Sync.lastFailedWith">
        <source>Last sync failed %1: %2.</source>
        <translation>Last sync failed %1: %2.</translation>
    </message>
    <message id="Sync.fieldsMissing">
        <source>Fill in the server address, user name and password.</source>
        <translation>Fill in the server address, user name and password.</translation>
    </message>
    <message id="Sync.settingUp">
        <source>Setting up sync…</source>
        <translation>Setting up sync…</translation>
    </message>
    <message id="Sync.syncing">
        <source>Syncing…</source>
        <translation>Syncing…</translation>
    </message>
    <message id="Sync.turningOff">
        <source>Turning off sync…</source>
        <translation>Turning off sync…</translation>
    </message>
    <message id="Sync.stillOn">
        <source>Sync is still on: its files could not be removed.</source>
        <translation>Sync is still on: its files could not be removed.</translation>
    </message>
    <message id="Sync.passwordLeft">
        <source>Sync is off, but its password stays in the keyring.</source>
        <translation>Sync is off, but its password stays in the keyring.</translation>
    </message>
    <message id="Sync.off">
        <source>Sync is off. Your events stay on this device.</source>
        <translation>Sync is off. Your events stay on this device.</translation>
    </message>
    <message id="Sync.upToDate">
        <source>everything is up to date</source>
        <translation>everything is up to date</translation>
    </message>
    <message id="Sync.sent" numerus="yes">
        <source>%n sent</source>
        <translation>
            <numerusform>%n sent</numerusform>
            <numerusform>%n sent</numerusform>
        </translation>
    </message>
    <message id="Sync.received" numerus="yes">
        <source>%n received</source>
        <translation>
            <numerusform>%n received</numerusform>
            <numerusform>%n received</numerusform>
        </translation>
    </message>
    <message id="Sync.conflicts">
        <source>changed on both devices, the server&apos;s version kept: %1</source>
        <translation>changed on both devices, the server&apos;s version kept: %1</translation>
    </message>
    <message id="Sync.moreOnServer" numerus="yes">
        <source>%n more on the server than the list has room for</source>
        <translation>
            <numerusform>%n more on the server than the list has room for</numerusform>
            <numerusform>%n more on the server than the list has room for</numerusform>
        </translation>
    </message>
    <message id="Sync.unreadable" numerus="yes">
        <source>%n calendar entries could not be shown</source>
        <translation>
            <numerusform>%n calendar entry could not be shown</numerusform>
            <numerusform>%n calendar entries could not be shown</numerusform>
        </translation>
    </message>
    <message id="Sync.failedAuth">
        <source>the server refused the user name or password</source>
        <translation>the server refused the user name or password</translation>
    </message>
    <message id="Sync.failedReadOnly">
        <source>the calendar is read-only</source>
        <translation>the calendar is read-only</translation>
    </message>
    <message id="Sync.failedQuota">
        <source>the server has no room left</source>
        <translation>the server has no room left</translation>
    </message>
    <message id="Sync.failedPassword">
        <source>the password could not be found; set sync up again</source>
        <translation>the password could not be found; set sync up again</translation>
    </message>
    <message id="Sync.noKeyring">
        <source>No keyring is running on this desktop, so the password cannot be kept. Nothing was saved.</source>
        <translation>No keyring is running on this desktop, so the password cannot be kept. Nothing was saved.</translation>
    </message>
    <message id="Sync.setUpDone">
        <source>Syncing with the calendar “%1”.</source>
        <translation>Syncing with the calendar “%1”.</translation>
    </message>
</context>
</TS>
