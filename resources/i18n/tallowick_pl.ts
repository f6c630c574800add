<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name></name>
    <message id="Notification.today">
        <source>Today is the day!</source>
        <translation>To już dziś!</translation>
    </message>
    <message id="Notification.daysleft" numerus="yes">
        <source>%n day(s) left</source>
        <translation>
            <numerusform>Został %n dzień</numerusform>
            <numerusform>Zostały %n dni</numerusform>
            <numerusform>Zostało %n dni</numerusform>
        </translation>
    </message>
    <message id="Setting.notification">
        <source>Reminders</source>
        <translation>Przypomnienia</translation>
    </message>
    <message id="Setting.notiTime">
        <source>Reminders arrive at %1.</source>
        <translation>Przypomnienia przychodzą o %1.</translation>
    </message>
    <message id="Setting.reminderTime">
        <source>Time of reminders</source>
        <translation>Godzina przypomnień</translation>
    </message>
    <message id="Setting.notiDayOption1">
        <source>On the day</source>
        <translation>W dniu wydarzenia</translation>
    </message>
    <message id="Setting.notiDayOption2">
        <source>3 days before</source>
        <translation>3 dni przed</translation>
    </message>
    <message id="Setting.notiDayOption3">
        <source>7 days before</source>
        <translation>7 dni przed</translation>
    </message>
    <message id="Setting.notiDayOption4">
        <source>Off</source>
        <translation>Wyłączone</translation>
    </message>
    <message id="Setting.permission">
        <source>Notifications are off</source>
        <translation>Powiadomienia są wyłączone</translation>
    </message>
    <message id="Setting.permissionCopy">
        <source>Reminders from Tallowick are turned off. Turn them on in Tallowick's notification settings.</source>
        <translation>Przypomnienia Tallowick są wyłączone. Włącz je w ustawieniach powiadomień Tallowick.</translation>
    </message>
    <message id="OK">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="Setting.rateUs">
        <source>Enjoying Tallowick?</source>
        <translation>Podoba ci się Tallowick?</translation>
    </message>
    <message id="Setting.reviewCopy">
        <source>A short review helps us make Tallowick even better.</source>
        <translation>Krótka opinia pomoże nam jeszcze ulepszyć Tallowick.</translation>
    </message>
    <message id="Setting.review">
        <source>Write a review</source>
        <translation>Napisz opinię</translation>
    </message>
    <message id="Setting.studio">
        <source>Ostra Studio</source>
        <translation>Ostra Studio</translation>
    </message>
    <message id="Setting.notificationsPage">
        <source>Notifications</source>
        <translation>Powiadomienia</translation>
    </message>
    <message id="Setting.allowNotifications">
        <source>Allow notifications</source>
        <translation>Zezwól na powiadomienia</translation>
    </message>
    <message id="Setting.startAtLogin">
        <source>Start at login</source>
        <translation>Uruchamiaj po zalogowaniu</translation>
    </message>
    <message id="Setting.startAtLoginNote">
        <source>Reminders and widgets keep coming after you log out and in.</source>
        <translation>Przypomnienia i widżety działają dalej po wylogowaniu i ponownym zalogowaniu.</translation>
    </message>
    <message id="Permission.title">
        <source>Allow reminders?</source>
        <translation>Zezwolić na przypomnienia?</translation>
    </message>
    <message id="Permission.message">
        <source>Tallowick sends reminders at %1 on the days you choose.</source>
        <translation>Tallowick wysyła przypomnienia o %1 w wybrane przez ciebie dni.</translation>
    </message>
    <message id="Permission.allow">
        <source>Allow</source>
        <translation>Zezwól</translation>
    </message>
    <message id="Permission.deny">
        <source>Don't Allow</source>
        <translation>Nie zezwalaj</translation>
    </message>
    <message id="Permission.openSettings">
        <source>Open Settings</source>
        <translation>Otwórz ustawienia</translation>
    </message>
    <message id="add.title">
        <source>New Event</source>
        <translation>Nowe wydarzenie</translation>
    </message>
    <message id="edit.title">
        <source>Edit Event</source>
        <translation>Edytuj wydarzenie</translation>
    </message>
    <message id="common.eventTitle">
        <source>Title</source>
        <translation>Tytuł</translation>
    </message>
    <message id="common.day">
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message id="common.color">
        <source>Color</source>
        <translation>Kolor</translation>
    </message>
    <message id="button.save">
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message id="button.cancel">
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message id="add.countdown">
        <source>Count down</source>
        <translation>Do dnia</translation>
    </message>
    <message id="add.countup">
        <source>Count up</source>
        <translation>Od dnia</translation>
    </message>
    <message id="You can't delete the last one">
        <source>You can't delete the last one</source>
        <translation>Nie można usunąć ostatniego</translation>
    </message>
    <message id="Please create a new one first">
        <source>Please create a new one first</source>
        <translation>Najpierw utwórz nowe.</translation>
    </message>
    <message id="Can't add a new event">
        <source>Can't add a new event</source>
        <translation>Nie można dodać wydarzenia</translation>
    </message>
    <message id="You exceed the max number of events. ">
        <source>You exceed the max number of events. </source>
        <translation>Osiągnięto maksymalną liczbę wydarzeń. </translation>
    </message>
    <message id="Something went wrong">
        <source>Something went wrong</source>
        <translation>Coś poszło nie tak</translation>
    </message>
    <message id="Please restart the app">
        <source>Please restart the app</source>
        <translation>Uruchom aplikację ponownie</translation>
    </message>
    <message id="The change was not saved">
        <source>The change was not saved</source>
        <translation>Zmiana nie została zapisana</translation>
    </message>
    <message id="Tallowick">
        <source>Tallowick</source>
        <translation>Tallowick</translation>
    </message>
    <message id="Keep track of your upcoming events.">
        <source>Keep track of your upcoming events.</source>
        <translation>Miej oko na nadchodzące wydarzenia.</translation>
    </message>
    <message id="days" numerus="yes">
        <source>days</source>
        <translation>
            <numerusform>dzień</numerusform>
            <numerusform>dni</numerusform>
            <numerusform>dni</numerusform>
        </translation>
    </message>
    <message id="days left" numerus="yes">
        <source>days left</source>
        <translation>
            <numerusform>dzień został</numerusform>
            <numerusform>dni zostały</numerusform>
            <numerusform>dni zostało</numerusform>
        </translation>
    </message>
    <message id="unit.left">
        <source>%1 left</source>
        <translation>%1 zostało</translation>
    </message>
    <message id="Event.days" numerus="yes">
        <source>days</source>
        <translation>
            <numerusform>dzień</numerusform>
            <numerusform>dni</numerusform>
            <numerusform>dni</numerusform>
        </translation>
    </message>
    <message id="Event.daysLeft" numerus="yes">
        <source>days left</source>
        <translation>
            <numerusform>dzień został</numerusform>
            <numerusform>dni zostały</numerusform>
            <numerusform>dni zostało</numerusform>
        </translation>
    </message>
    <message id="Sorry">
        <source>Sorry, this size isn't available</source>
        <translation>Niestety ten rozmiar jest niedostępny</translation>
    </message>
    <message id="Home.chooseEvent">
        <source>Choose event</source>
        <translation>Wybierz wydarzenie</translation>
    </message>
    <message id="Home.size">
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message id="Home.small">
        <source>Small</source>
        <translation>Mały</translation>
    </message>
    <message id="Home.medium">
        <source>Medium</source>
        <translation>Średni</translation>
    </message>
    <message id="Home.large">
        <source>Large</source>
        <translation>Duży</translation>
    </message>
    <message id="Home.remove">
        <source>Remove widget</source>
        <translation>Usuń widżet</translation>
    </message>
    <message id="Home.noEvents">
        <source>No events yet</source>
        <translation>Brak wydarzeń</translation>
    </message>
    <message id="Home.addWidget">
        <source>Add Widget…</source>
        <translation>Dodaj widżet…</translation>
    </message>
    <message id="Home.quit">
        <source>Quit Home Screen</source>
        <translation>Zamknij ekran główny</translation>
    </message>
    <message id="Home.addWindowTitle">
        <source>Add a Widget</source>
        <translation>Dodaj widżet</translation>
    </message>
    <message id="Home.addHeading">
        <source>Put an event on your desktop</source>
        <translation>Umieść wydarzenie na pulpicie</translation>
    </message>
    <message id="Home.addIntro">
        <source>Choose the widget's size and the event it shows. Right-click the widget later to change them, add another or quit.</source>
        <translation>Wybierz rozmiar widżetu i wydarzenie, które pokazuje. Później kliknij widżet prawym przyciskiem, aby je zmienić, dodać kolejny lub zakończyć.</translation>
    </message>
    <message id="Home.event">
        <source>Event</source>
        <translation>Wydarzenie</translation>
    </message>
    <message id="Home.preview">
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message id="Home.addButton">
        <source>Add Widget</source>
        <translation>Dodaj widżet</translation>
    </message>
    <message id="Home.close">
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message id="OstraApps">
        <source>Ostra Apps</source>
        <translation>Aplikacje Ostra</translation>
    </message>
    <message id="Mossling.title">
        <source>Plant care made easy</source>
        <translation>Łatwa pielęgnacja roślin</translation>
    </message>
    <message id="Mossling.sub">
        <source>Reminds you when your plants need water.</source>
        <translation>Przypomina, kiedy twoje rośliny potrzebują wody.</translation>
    </message>
    <message id="Tidewell.title">
        <source>Drink more water</source>
        <translation>Pij więcej wody</translation>
    </message>
    <message id="Tidewell.sub">
        <source>Log every glass and reach your daily goal.</source>
        <translation>Zapisuj każdą szklankę i osiągaj dzienny cel.</translation>
    </message>
    <message id="Quillo.title">
        <source>A diary in one line</source>
        <translation>Pamiętnik w jednej linijce</translation>
    </message>
    <message id="Quillo.sub">
        <source>Write one line a day and look back anytime.</source>
        <translation>Pisz jedną linijkę dziennie i wracaj do nich, kiedy chcesz.</translation>
    </message>
    <message id="Fernlet.title">
        <source>Grow small habits</source>
        <translation>Pielęgnuj małe nawyki</translation>
    </message>
    <message id="Fernlet.sub">
        <source>Check off habits and watch your streaks grow.</source>
        <translation>Odhaczaj nawyki i patrz, jak rosną twoje serie.</translation>
    </message>
    <message id="Hushpot.title">
        <source>Calm sounds for sleep</source>
        <translation>Spokojne dźwięki do snu</translation>
    </message>
    <message id="Hushpot.sub">
        <source>Mix rain, wind and waves to drift off.</source>
        <translation>Połącz deszcz, wiatr i fale, by łatwiej zasnąć.</translation>
    </message>
    <message id="Cobblyn.title">
        <source>Your pocket budget</source>
        <translation>Twój kieszonkowy budżet</translation>
    </message>
    <message id="Cobblyn.sub">
        <source>Track your spending with a single tap.</source>
        <translation>Śledź wydatki jednym dotknięciem.</translation>
    </message>
    <message id="Wrennie.title">
        <source>Wake up to birdsong</source>
        <translation>Pobudka z ptasim śpiewem</translation>
    </message>
    <message id="Wrennie.sub">
        <source>A gentle alarm with real bird calls.</source>
        <translation>Łagodny budzik z prawdziwym śpiewem ptaków.</translation>
    </message>
    <message id="Glimmo.title">
        <source>Moments in frames</source>
        <translation>Chwile w ramkach</translation>
    </message>
    <message id="Glimmo.sub">
        <source>Dress up your photos with cute frames.</source>
        <translation>Ozdób zdjęcia uroczymi ramkami.</translation>
    </message>
    <message id="Plumtide.title">
        <source>Recipes for every day</source>
        <translation>Przepisy na każdy dzień</translation>
    </message>
    <message id="Plumtide.sub">
        <source>Save favourite recipes and plan your meals.</source>
        <translation>Zapisuj ulubione przepisy i planuj posiłki.</translation>
    </message>
    <message id="Home.firstEvent">
        <source>First event</source>
        <translation>Pierwsze wydarzenie</translation>
    </message>
    <message id="Delete">
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message id="Reorder">
        <source>Reorder</source>
        <translation>Zmień kolejność</translation>
    </message>
    <message id="Close">
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message id="All events">
        <source>All events</source>
        <translation>Wszystkie wydarzenia</translation>
    </message>
    <message id="Page %1 of %2">
        <source>Page %1 of %2</source>
        <translation>Strona %1 z %2</translation>
    </message>
    <message id="notice.deletedElsewhere">
        <source>This event was deleted in another window or program.</source>
        <translation>To wydarzenie usunięto w innym oknie lub programie.</translation>
    </message>
    <message id="share.title">
        <source>Add a shared event</source>
        <translation>Dodaj udostępnione wydarzenie</translation>
    </message>
    <message id="share.takenTitle">
        <source>Already in your list</source>
        <translation>Już jest na twojej liście</translation>
    </message>
    <message id="share.takenCopy">
        <source>An event with this title is already in your list. Give this one another title to add it too.</source>
        <translation>Wydarzenie o tym tytule jest już na twojej liście. Nadaj temu inny tytuł, aby też je dodać.</translation>
    </message>
    <message id="Notification.open">
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message id="Setting.openNotificationSettings">
        <source>Notification settings</source>
        <translation>Ustawienia powiadomień</translation>
    </message>
    <message id="Setting.waitingForPermission">
        <source>Waiting for permission: this reminder starts once notifications are allowed. Click to allow them.</source>
        <translation>Czeka na zgodę: to przypomnienie zacznie działać, gdy powiadomienia będą dozwolone. Kliknij, aby na nie zezwolić.</translation>
    </message>
    <message id="days ago" numerus="yes">
        <source>days ago</source>
        <translation>
            <numerusform>dzień temu</numerusform>
            <numerusform>dni temu</numerusform>
            <numerusform>dni temu</numerusform>
        </translation>
    </message>
    <message id="unit.ago">
        <source>%1 ago</source>
        <translation>%1 temu</translation>
    </message>
    <message id="Event.daysAgo" numerus="yes">
        <source>days ago</source>
        <translation>
            <numerusform>dzień temu</numerusform>
            <numerusform>dni temu</numerusform>
            <numerusform>dni temu</numerusform>
        </translation>
    </message>
    <message id="Event.today">
        <source>today</source>
        <translation>dziś</translation>
    </message>
    <message id="Widget.sampleTitle">
        <source>Your Event Title</source>
        <translation>Twoje wydarzenie</translation>
    </message>
    <message id="DateData.newYear">
        <source>New Year</source>
        <translation>Nowy Rok</translation>
    </message>
    <message id="DateData.summerTrip">
        <source>Summer trip</source>
        <translation>Letnia podróż</translation>
    </message>
    <message id="DateData.together">
        <source>Together</source>
        <translation>Razem</translation>
    </message>
    <message id="page.countdown" numerus="yes">
        <source>%1, %2, %Ln day(s) left</source>
        <translation>
            <numerusform>%1, %2, został %Ln dzień</numerusform>
            <numerusform>%1, %2, zostały %Ln dni</numerusform>
            <numerusform>%1, %2, zostało %Ln dni</numerusform>
        </translation>
    </message>
    <message id="page.countdownPast" numerus="yes">
        <source>%1, %2, %Ln day(s) ago</source>
        <translation>
            <numerusform>%1, %2, %Ln dzień temu</numerusform>
            <numerusform>%1, %2, %Ln dni temu</numerusform>
            <numerusform>%1, %2, %Ln dni temu</numerusform>
        </translation>
    </message>
    <message id="page.countdownToday">
        <source>%1, %2, today</source>
        <translation>%1, %2, dziś</translation>
    </message>
    <message id="page.countup">
        <source>%1, day %3 since %2</source>
        <translation>%1, dzień %3 od %2</translation>
    </message>
    <message id="page.countdownSpan">
        <source>%1, %2, %3 left</source>
        <translation>%1, %2, zostało %3</translation>
    </message>
    <message id="page.countdownPastSpan">
        <source>%1, %2, %3 ago</source>
        <translation>%1, %2, %3 temu</translation>
    </message>
    <message id="page.countupSpan">
        <source>%1, %3 since %2</source>
        <translation>%1, %3 od %2</translation>
    </message>
    <message id="notice.deleted">
        <source>“%1” deleted</source>
        <translation>Usunięto „%1”</translation>
    </message>
    <message id="notice.undo">
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message id="a11y.eventOf">
        <source>Event %1 of %2</source>
        <translation>Wydarzenie %1 z %2</translation>
    </message>
    <message id="a11y.close">
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message id="a11y.openEvent">
        <source>Show this event</source>
        <translation>Pokaż to wydarzenie</translation>
    </message>
    <message id="theme.1">
        <source>Peach</source>
        <translation>Brzoskwinia</translation>
    </message>
    <message id="theme.2">
        <source>Sky</source>
        <translation>Niebo</translation>
    </message>
    <message id="theme.3">
        <source>Night</source>
        <translation>Noc</translation>
    </message>
    <message id="theme.4">
        <source>Mint</source>
        <translation>Mięta</translation>
    </message>
    <message id="theme.5">
        <source>Lavender</source>
        <translation>Lawenda</translation>
    </message>
    <message id="theme.1001">
        <source>Birthday</source>
        <translation>Urodziny</translation>
    </message>
    <message id="theme.1002">
        <source>Home</source>
        <translation>Dom</translation>
    </message>
    <message id="theme.1003">
        <source>Love</source>
        <translation>Miłość</translation>
    </message>
    <message id="theme.1004">
        <source>Vacation</source>
        <translation>Wakacje</translation>
    </message>
    <message id="theme.1005">
        <source>Celebration</source>
        <translation>Święto</translation>
    </message>
    <message id="theme.1006">
        <source>Quitting smoking</source>
        <translation>Rzucanie palenia</translation>
    </message>
    <message id="theme.1007">
        <source>Get well</source>
        <translation>Wracaj do zdrowia</translation>
    </message>
    <message id="theme.1008">
        <source>Exam</source>
        <translation>Egzamin</translation>
    </message>
    <message id="theme.1009">
        <source>Moving house</source>
        <translation>Przeprowadzka</translation>
    </message>
    <message id="theme.other">
        <source>Theme %1</source>
        <translation>Motyw %1</translation>
    </message>
    <message id="a11y.day">
        <source>Day</source>
        <translation>Dzień</translation>
    </message>
    <message id="a11y.month">
        <source>Month</source>
        <translation>Miesiąc</translation>
    </message>
    <message id="a11y.minute">
        <source>Minute</source>
        <translation>Minuta</translation>
    </message>
    <message id="a11y.hour">
        <source>Hour</source>
        <translation>Godzina</translation>
    </message>
    <message id="a11y.year">
        <source>Year</source>
        <translation>Rok</translation>
    </message>
    <message id="a11y.direction">
        <source>Count direction</source>
        <translation>Kierunek liczenia</translation>
    </message>
    <message id="a11y.theme">
        <source>Theme</source>
        <translation>Motyw</translation>
    </message>
    <message id="Repeat.yearly">
        <source>Every year</source>
        <translation>Co roku</translation>
    </message>
    <message id="Occurrence.year">
        <source>%1 year</source>
        <translation>%1 rok</translation>
    </message>
    <message id="Transfer.exportCalendar">
        <source>Export to a calendar file</source>
        <translation>Eksportuj do pliku kalendarza</translation>
    </message>
    <message id="Transfer.importCalendar">
        <source>Import from a calendar file</source>
        <translation>Importuj z pliku kalendarza</translation>
    </message>
    <message id="Transfer.backUp">
        <source>Back up events</source>
        <translation>Utwórz kopię wydarzeń</translation>
    </message>
    <message id="Transfer.restore">
        <source>Restore events</source>
        <translation>Przywróć wydarzenia</translation>
    </message>
    <message id="Transfer.fileNotWritten">
        <source>The file could not be written</source>
        <translation>Nie udało się zapisać pliku</translation>
    </message>
    <message id="Transfer.targetLink">
        <source>It is a symbolic link; choose the file it points to</source>
        <translation>To jest dowiązanie symboliczne; wybierz plik, na który wskazuje</translation>
    </message>
    <message id="Transfer.targetFolder">
        <source>It is a folder</source>
        <translation>To jest folder</translation>
    </message>
    <message id="Transfer.targetSpecial">
        <source>It is no plain file (a device or a pipe)</source>
        <translation>To nie jest zwykły plik (urządzenie lub potok)</translation>
    </message>
    <message id="Transfer.summary">
        <source>%1 added, %2 skipped, %3 refused</source>
        <translation>Dodane: %1, pominięte: %2, odrzucone: %3</translation>
    </message>
    <message id="Transfer.sameEvent">
        <source>already in the list</source>
        <translation>już jest na liście</translation>
    </message>
    <message id="Transfer.sameTitleAndDate">
        <source>an event of that title and date is in the list</source>
        <translation>na liście jest wydarzenie o tym tytule i dacie</translation>
    </message>
    <message id="Transfer.listFull">
        <source>the list already holds %1 events</source>
        <translation>lista ma już %1 wydarzeń</translation>
    </message>
    <message id="Transfer.noTitle">
        <source>it has no title</source>
        <translation>nie ma tytułu</translation>
    </message>
    <message id="Transfer.noDate">
        <source>it has no date Tallowick can count</source>
        <translation>nie ma daty, którą Tallowick może liczyć</translation>
    </message>
    <message id="Transfer.otherRepeat">
        <source>it repeats in a way Tallowick cannot follow</source>
        <translation>powtarza się w sposób, którego Tallowick nie obsługuje</translation>
    </message>
    <message id="Transfer.cancelled">
        <source>it is cancelled</source>
        <translation>jest odwołane</translation>
    </message>
    <message id="Transfer.oneOccurrence">
        <source>it changes one occurrence of a series</source>
        <translation>zmienia jedno wystąpienie serii</translation>
    </message>
    <message id="Transfer.notAnEvent">
        <source>it is not a complete event</source>
        <translation>to nie jest pełne wydarzenie</translation>
    </message>
    <message id="Transfer.unknownTheme">
        <source>its theme is none of Tallowick's</source>
        <translation>jego motyw nie należy do Tallowick</translation>
    </message>
    <message id="Transfer.notAColour">
        <source>one of its colours is no colour</source>
        <translation>jeden z jego kolorów nie jest kolorem</translation>
    </message>
    <message id="Transfer.unknownReminder">
        <source>its reminder is none of Tallowick's</source>
        <translation>jego przypomnienie nie należy do Tallowick</translation>
    </message>
    <message id="Transfer.countUpRepeats">
        <source>a count-up event cannot repeat every year</source>
        <translation>wydarzenie liczone w górę nie może powtarzać się co roku</translation>
    </message>
    <message id="Transfer.remindersWaiting">
        <source>Reminders start once notifications are allowed</source>
        <translation>Przypomnienia zaczną działać po zezwoleniu na powiadomienia</translation>
    </message>
    <message id="Transfer.changedInFile">
        <source>in the list, but the file has another version</source>
        <translation>już jest na liście, ale plik ma inną wersję</translation>
    </message>
    <message id="Transfer.summaryUpdated">
        <source>%1, %2 updated</source>
        <translation>%1, zaktualizowane: %2</translation>
    </message>
    <message id="Transfer.field.title">
        <source>title</source>
        <translation>tytuł</translation>
    </message>
    <message id="Transfer.field.date">
        <source>date</source>
        <translation>data</translation>
    </message>
    <message id="Transfer.field.yearly">
        <source>repeating every year</source>
        <translation>powtarzanie co roku</translation>
    </message>
    <message id="Transfer.field.reminder">
        <source>reminders</source>
        <translation>przypomnienia</translation>
    </message>
    <message id="Transfer.updateChanged" numerus="yes">
        <source>Update %n changed event(s)</source>
        <translation>
            <numerusform>Zaktualizuj %n zmienione wydarzenie</numerusform>
            <numerusform>Zaktualizuj %n zmienione wydarzenia</numerusform>
            <numerusform>Zaktualizuj %n zmienionych wydarzeń</numerusform>
        </translation>
    </message>
    <message id="Transfer.fileUnreadable">
        <source>The file cannot be read</source>
        <translation>Nie można odczytać pliku</translation>
    </message>
    <message id="Transfer.fileTooLarge">
        <source>The file is too large</source>
        <translation>Plik jest za duży</translation>
    </message>
    <message id="Transfer.fileNotCalendar">
        <source>The file is no calendar, or it is damaged</source>
        <translation>Plik nie jest kalendarzem lub jest uszkodzony</translation>
    </message>
    <message id="Transfer.fileNotBackup">
        <source>The file is no Tallowick backup, or it is damaged</source>
        <translation>Plik nie jest kopią Tallowick lub jest uszkodzony</translation>
    </message>
    <message id="Transfer.fileNewer">
        <source>The backup was made by a newer Tallowick</source>
        <translation>Kopię utworzył nowszy Tallowick</translation>
    </message>
    <message id="Transfer.notSaved">
        <source>The events could not be saved</source>
        <translation>Nie udało się zapisać wydarzeń</translation>
    </message>
    <message id="form.repeatsYearly">
        <source>Repeats every year</source>
        <translation>Powtarzaj co roku</translation>
    </message>
    <message id="form.countIn">
        <source>Count in</source>
        <translation>Licz w</translation>
    </message>
    <message id="form.unitDays">
        <source>Days</source>
        <translation>Dni</translation>
    </message>
    <message id="form.unitWeeks">
        <source>Weeks</source>
        <translation>Tygodnie</translation>
    </message>
    <message id="form.unitMonths">
        <source>Months</source>
        <translation>Miesiące</translation>
    </message>
    <message id="form.unitYears">
        <source>Years</source>
        <translation>Lata</translation>
    </message>
    <message id="Transfer.exported">
        <source>Events written: %1</source>
        <translation>Zapisane wydarzenia: %1</translation>
    </message>
    <message id="Transfer.calendarFiles">
        <source>Calendar files</source>
        <translation>Pliki kalendarza</translation>
    </message>
    <message id="Transfer.backupFiles">
        <source>Tallowick backups</source>
        <translation>Kopie Tallowick</translation>
    </message>
    <message id="Sync.open">
        <source>Sync with a calendar server</source>
        <translation>Synchronizuj z serwerem kalendarza</translation>
    </message>
    <message id="Sync.title">
        <source>Sync</source>
        <translation>Synchronizacja</translation>
    </message>
    <message id="Sync.intro">
        <source>Your events go to a calendar on your own CalDAV server, and from there to your other devices and calendar apps.</source>
        <translation>Twoje wydarzenia trafiają do kalendarza na Twoim serwerze CalDAV, a stamtąd na inne urządzenia i do aplikacji kalendarza.</translation>
    </message>
    <message id="Sync.server">
        <source>Server address</source>
        <translation>Adres serwera</translation>
    </message>
    <message id="Sync.user">
        <source>User name</source>
        <translation>Nazwa użytkownika</translation>
    </message>
    <message id="Sync.password">
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message id="Sync.calendar">
        <source>Calendar</source>
        <translation>Kalendarz</translation>
    </message>
    <message id="Sync.setUp">
        <source>Set up sync</source>
        <translation>Skonfiguruj synchronizację</translation>
    </message>
    <message id="Sync.now">
        <source>Sync now</source>
        <translation>Synchronizuj teraz</translation>
    </message>
    <message id="Sync.turnOff">
        <source>Turn off sync</source>
        <translation>Wyłącz synchronizację</translation>
    </message>
    <message id="Sync.waiting" numerus="yes">
        <source>%n change(s) waiting to go up</source>
        <translation>
            <numerusform>%n zmiana czeka na wysłanie</numerusform>
            <numerusform>%n zmiany czekają na wysłanie</numerusform>
            <numerusform>%n zmian czeka na wysłanie</numerusform>
        </translation>
    </message>
    <message id="Sync.whenToday">
        <source>today at %1</source>
        <translation>dziś o %1</translation>
    </message>
    <message id="Sync.whenYesterday">
        <source>yesterday at %1</source>
        <translation>wczoraj o %1</translation>
    </message>
    <message id="Sync.whenDate">
        <source>on %1 at %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message id="Sync.stateUnreadable">
        <source>The record of the last sync cannot be read.</source>
        <translation>Nie można odczytać stanu ostatniej synchronizacji.</translation>
    </message>
    <message id="Sync.notYet">
        <source>Not synced yet.</source>
        <translation>Jeszcze nie zsynchronizowano.</translation>
    </message>
    <message id="Sync.lastSyncedWith">
        <source>Last synced %1: %2.</source>
        <translation>Zsynchronizowano %1: %2.</translation>
    </message>
    <message id="Sync.lastFailed">
        <source>Last sync failed %1.</source>
        <translation>Synchronizacja nie powiodła się %1.</translation>
    </message>
    <message id="Sync.lastFailedWith">
        <source>Last sync failed %1: %2.</source>
        <translation>Synchronizacja nie powiodła się %1: %2.</translation>
    </message>
    <message id="Sync.fieldsMissing">
        <source>Fill in the server address, user name and password.</source>
        <translation>Wpisz adres serwera, nazwę użytkownika i hasło.</translation>
    </message>
    <message id="Sync.settingUp">
        <source>Setting up sync…</source>
        <translation>Konfigurowanie synchronizacji…</translation>
    </message>
    <message id="Sync.syncing">
        <source>Syncing…</source>
        <translation>Synchronizowanie…</translation>
    </message>
    <message id="Sync.turningOff">
        <source>Turning off sync…</source>
        <translation>Wyłączanie synchronizacji…</translation>
    </message>
    <message id="Sync.stillOn">
        <source>Sync is still on: its files could not be removed.</source>
        <translation>Synchronizacja jest nadal włączona: nie udało się usunąć jej plików.</translation>
    </message>
    <message id="Sync.passwordLeft">
        <source>Sync is off, but its password stays in the keyring.</source>
        <translation>Synchronizacja jest wyłączona, ale jej hasło zostaje w pęku kluczy.</translation>
    </message>
    <message id="Sync.off">
        <source>Sync is off. Your events stay on this device.</source>
        <translation>Synchronizacja jest wyłączona. Twoje wydarzenia zostają na tym urządzeniu.</translation>
    </message>
    <message id="Sync.upToDate">
        <source>everything is up to date</source>
        <translation>wszystko jest aktualne</translation>
    </message>
    <message id="Sync.sent" numerus="yes">
        <source>%n sent</source>
        <translation>
            <numerusform>%n wysłana</numerusform>
            <numerusform>%n wysłane</numerusform>
            <numerusform>%n wysłanych</numerusform>
        </translation>
    </message>
    <message id="Sync.received" numerus="yes">
        <source>%n received</source>
        <translation>
            <numerusform>%n odebrana</numerusform>
            <numerusform>%n odebrane</numerusform>
            <numerusform>%n odebranych</numerusform>
        </translation>
    </message>
    <message id="Sync.conflicts">
        <source>changed on both devices, the server&apos;s version kept: %1</source>
        <translation>zmienione na obu urządzeniach, zachowano wersję z serwera: %1</translation>
    </message>
    <message id="Sync.moreOnServer" numerus="yes">
        <source>%n more on the server than the list has room for</source>
        <translation>
            <numerusform>jeszcze %n na serwerze, bez miejsca na liście</numerusform>
            <numerusform>jeszcze %n na serwerze, bez miejsca na liście</numerusform>
            <numerusform>jeszcze %n na serwerze, bez miejsca na liście</numerusform>
        </translation>
    </message>
    <message id="Sync.unreadable" numerus="yes">
        <source>%n calendar entries could not be shown</source>
        <translation>
            <numerusform>%n wpisu kalendarza nie można pokazać</numerusform>
            <numerusform>%n wpisów kalendarza nie można pokazać</numerusform>
            <numerusform>%n wpisów kalendarza nie można pokazać</numerusform>
        </translation>
    </message>
    <message id="Sync.failedAuth">
        <source>the server refused the user name or password</source>
        <translation>serwer odrzucił nazwę użytkownika lub hasło</translation>
    </message>
    <message id="Sync.failedReadOnly">
        <source>the calendar is read-only</source>
        <translation>kalendarz jest tylko do odczytu</translation>
    </message>
    <message id="Sync.failedQuota">
        <source>the server has no room left</source>
        <translation>na serwerze brakuje miejsca</translation>
    </message>
    <message id="Sync.failedPassword">
        <source>the password could not be found; set sync up again</source>
        <translation>nie znaleziono hasła; skonfiguruj synchronizację ponownie</translation>
    </message>
    <message id="Sync.noKeyring">
        <source>No keyring is running on this desktop, so the password cannot be kept. Nothing was saved.</source>
        <translation>Na tym pulpicie nie działa żaden pęk kluczy, więc hasła nie da się przechować. Niczego nie zapisano.</translation>
    </message>
    <message id="Sync.setUpDone">
        <source>Syncing with the calendar “%1”.</source>
        <translation>Synchronizacja z kalendarzem „%1”.</translation>
    </message>
</context>
</TS>
