<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name></name>
    <message id="Notification.today">
        <source>Today is the day!</source>
        <translation>Этот день настал!</translation>
    </message>
    <message id="Notification.daysleft" numerus="yes">
        <source>%n day(s) left</source>
        <translation>
            <numerusform>Остался %n день</numerusform>
            <numerusform>Осталось %n дня</numerusform>
            <numerusform>Осталось %n дней</numerusform>
        </translation>
    </message>
    <message id="Setting.notification">
        <source>Reminders</source>
        <translation>Напоминания</translation>
    </message>
    <message id="Setting.notiTime">
        <source>Reminders arrive at %1.</source>
        <translation>Напоминания приходят в %1.</translation>
    </message>
    <message id="Setting.reminderTime">
        <source>Time of reminders</source>
        <translation>Время напоминаний</translation>
    </message>
    <message id="Setting.notiDayOption1">
        <source>On the day</source>
        <translation>В тот же день</translation>
    </message>
    <message id="Setting.notiDayOption2">
        <source>3 days before</source>
        <translation>За 3 дня</translation>
    </message>
    <message id="Setting.notiDayOption3">
        <source>7 days before</source>
        <translation>За 7 дней</translation>
    </message>
    <message id="Setting.notiDayOption4">
        <source>Off</source>
        <translation>Выключены</translation>
    </message>
    <message id="Setting.permission">
        <source>Notifications are off</source>
        <translation>Уведомления выключены</translation>
    </message>
    <message id="Setting.permissionCopy">
        <source>Reminders from Tallowick are turned off. Turn them on in Tallowick's notification settings.</source>
        <translation>Напоминания Tallowick выключены. Включите их в настройках уведомлений Tallowick.</translation>
    </message>
    <message id="OK">
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message id="Setting.rateUs">
        <source>Enjoying Tallowick?</source>
        <translation>Нравится Tallowick?</translation>
    </message>
    <message id="Setting.reviewCopy">
        <source>A short review helps us make Tallowick even better.</source>
        <translation>Короткий отзыв поможет нам сделать Tallowick ещё лучше.</translation>
    </message>
    <message id="Setting.review">
        <source>Write a review</source>
        <translation>Написать отзыв</translation>
    </message>
    <message id="Setting.studio">
        <source>Ostra Studio</source>
        <translation>Ostra Studio</translation>
    </message>
    <message id="Setting.notificationsPage">
        <source>Notifications</source>
        <translation>Уведомления</translation>
    </message>
    <message id="Setting.allowNotifications">
        <source>Allow notifications</source>
        <translation>Разрешить уведомления</translation>
    </message>
    <message id="Setting.startAtLogin">
        <source>Start at login</source>
        <translation>Запускать при входе</translation>
    </message>
    <message id="Setting.startAtLoginNote">
        <source>Reminders and widgets keep coming after you log out and in.</source>
        <translation>Напоминания и виджеты продолжают работать после выхода из системы и повторного входа.</translation>
    </message>
    <message id="Permission.title">
        <source>Allow reminders?</source>
        <translation>Разрешить напоминания?</translation>
    </message>
    <message id="Permission.message">
        <source>Tallowick sends reminders at %1 on the days you choose.</source>
        <translation>Tallowick присылает напоминания в %1 в выбранные вами дни.</translation>
    </message>
    <message id="Permission.allow">
        <source>Allow</source>
        <translation>Разрешить</translation>
    </message>
    <message id="Permission.deny">
        <source>Don't Allow</source>
        <translation>Не разрешать</translation>
    </message>
    <message id="Permission.openSettings">
        <source>Open Settings</source>
        <translation>Открыть настройки</translation>
    </message>
    <message id="add.title">
        <source>New Event</source>
        <translation>Новое событие</translation>
    </message>
    <message id="edit.title">
        <source>Edit Event</source>
        <translation>Изменить событие</translation>
    </message>
    <message id="common.eventTitle">
        <source>Title</source>
        <translation>Название</translation>
    </message>
    <message id="common.day">
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message id="common.color">
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
    <message id="button.save">
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message id="button.cancel">
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message id="add.countdown">
        <source>Count down</source>
        <translation>До даты</translation>
    </message>
    <message id="add.countup">
        <source>Count up</source>
        <translation>С даты</translation>
    </message>
    <message id="You can't delete the last one">
        <source>You can't delete the last one</source>
        <translation>Нельзя удалить последнее</translation>
    </message>
    <message id="Please create a new one first">
        <source>Please create a new one first</source>
        <translation>Сначала создайте новое.</translation>
    </message>
    <message id="Can't add a new event">
        <source>Can't add a new event</source>
        <translation>Не удаётся добавить событие</translation>
    </message>
    <message id="You exceed the max number of events. ">
        <source>You exceed the max number of events. </source>
        <translation>Достигнуто наибольшее число событий. </translation>
    </message>
    <message id="Something went wrong">
        <source>Something went wrong</source>
        <translation>Что-то пошло не так</translation>
    </message>
    <message id="Please restart the app">
        <source>Please restart the app</source>
        <translation>Перезапустите приложение</translation>
    </message>
    <message id="The change was not saved">
        <source>The change was not saved</source>
        <translation>Изменение не сохранено</translation>
    </message>
    <message id="Tallowick">
        <source>Tallowick</source>
        <translation>Tallowick</translation>
    </message>
    <message id="Keep track of your upcoming events.">
        <source>Keep track of your upcoming events.</source>
        <translation>Следите за предстоящими событиями.</translation>
    </message>
    <message id="days" numerus="yes">
        <source>days</source>
        <translation>
            <numerusform>день</numerusform>
            <numerusform>дня</numerusform>
            <numerusform>дней</numerusform>
        </translation>
    </message>
    <message id="days left" numerus="yes">
        <source>days left</source>
        <translation>
            <numerusform>день остался</numerusform>
            <numerusform>дня осталось</numerusform>
            <numerusform>дней осталось</numerusform>
        </translation>
    </message>
    <message id="unit.left">
        <source>%1 left</source>
        <translation>%1 осталось</translation>
    </message>
    <message id="Event.days" numerus="yes">
        <source>days</source>
        <translation>
            <numerusform>день</numerusform>
            <numerusform>дня</numerusform>
            <numerusform>дней</numerusform>
        </translation>
    </message>
    <message id="Event.daysLeft" numerus="yes">
        <source>days left</source>
        <translation>
            <numerusform>день остался</numerusform>
            <numerusform>дня осталось</numerusform>
            <numerusform>дней осталось</numerusform>
        </translation>
    </message>
    <message id="Sorry">
        <source>Sorry, this size isn't available</source>
        <translation>Извините, этот размер недоступен</translation>
    </message>
    <message id="Home.chooseEvent">
        <source>Choose event</source>
        <translation>Выбрать событие</translation>
    </message>
    <message id="Home.size">
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message id="Home.small">
        <source>Small</source>
        <translation>Маленький</translation>
    </message>
    <message id="Home.medium">
        <source>Medium</source>
        <translation>Средний</translation>
    </message>
    <message id="Home.large">
        <source>Large</source>
        <translation>Большой</translation>
    </message>
    <message id="Home.remove">
        <source>Remove widget</source>
        <translation>Удалить виджет</translation>
    </message>
    <message id="Home.noEvents">
        <source>No events yet</source>
        <translation>Событий пока нет</translation>
    </message>
    <message id="Home.addWidget">
        <source>Add Widget…</source>
        <translation>Добавить виджет…</translation>
    </message>
    <message id="Home.quit">
        <source>Quit Home Screen</source>
        <translation>Закрыть главный экран</translation>
    </message>
    <message id="Home.addWindowTitle">
        <source>Add a Widget</source>
        <translation>Добавить виджет</translation>
    </message>
    <message id="Home.addHeading">
        <source>Put an event on your desktop</source>
        <translation>Поместите событие на рабочий стол</translation>
    </message>
    <message id="Home.addIntro">
        <source>Choose the widget's size and the event it shows. Right-click the widget later to change them, add another or quit.</source>
        <translation>Выберите размер виджета и событие, которое он показывает. Позже щёлкните виджет правой кнопкой, чтобы изменить их, добавить ещё один или выйти.</translation>
    </message>
    <message id="Home.event">
        <source>Event</source>
        <translation>Событие</translation>
    </message>
    <message id="Home.preview">
        <source>Preview</source>
        <translation>Предпросмотр</translation>
    </message>
    <message id="Home.addButton">
        <source>Add Widget</source>
        <translation>Добавить виджет</translation>
    </message>
    <message id="Home.close">
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message id="OstraApps">
        <source>Ostra Apps</source>
        <translation>Приложения Ostra</translation>
    </message>
    <message id="Mossling.title">
        <source>Plant care made easy</source>
        <translation>Уход за растениями — просто</translation>
    </message>
    <message id="Mossling.sub">
        <source>Reminds you when your plants need water.</source>
        <translation>Напомнит, когда растениям нужна вода.</translation>
    </message>
    <message id="Tidewell.title">
        <source>Drink more water</source>
        <translation>Пейте больше воды</translation>
    </message>
    <message id="Tidewell.sub">
        <source>Log every glass and reach your daily goal.</source>
        <translation>Отмечайте каждый стакан и достигайте дневной цели.</translation>
    </message>
    <message id="Quillo.title">
        <source>A diary in one line</source>
        <translation>Дневник в одну строку</translation>
    </message>
    <message id="Quillo.sub">
        <source>Write one line a day and look back anytime.</source>
        <translation>Пишите строку в день и перечитывайте когда угодно.</translation>
    </message>
    <message id="Fernlet.title">
        <source>Grow small habits</source>
        <translation>Растите полезные привычки</translation>
    </message>
    <message id="Fernlet.sub">
        <source>Check off habits and watch your streaks grow.</source>
        <translation>Отмечайте привычки и смотрите, как растут ваши серии.</translation>
    </message>
    <message id="Hushpot.title">
        <source>Calm sounds for sleep</source>
        <translation>Спокойные звуки для сна</translation>
    </message>
    <message id="Hushpot.sub">
        <source>Mix rain, wind and waves to drift off.</source>
        <translation>Смешивайте дождь, ветер и волны, чтобы уснуть.</translation>
    </message>
    <message id="Cobblyn.title">
        <source>Your pocket budget</source>
        <translation>Карманный бюджет</translation>
    </message>
    <message id="Cobblyn.sub">
        <source>Track your spending with a single tap.</source>
        <translation>Записывайте расходы одним касанием.</translation>
    </message>
    <message id="Wrennie.title">
        <source>Wake up to birdsong</source>
        <translation>Просыпайтесь под пение птиц</translation>
    </message>
    <message id="Wrennie.sub">
        <source>A gentle alarm with real bird calls.</source>
        <translation>Мягкий будильник с голосами настоящих птиц.</translation>
    </message>
    <message id="Glimmo.title">
        <source>Moments in frames</source>
        <translation>Моменты в рамках</translation>
    </message>
    <message id="Glimmo.sub">
        <source>Dress up your photos with cute frames.</source>
        <translation>Украшайте фото милыми рамками.</translation>
    </message>
    <message id="Plumtide.title">
        <source>Recipes for every day</source>
        <translation>Рецепты на каждый день</translation>
    </message>
    <message id="Plumtide.sub">
        <source>Save favourite recipes and plan your meals.</source>
        <translation>Сохраняйте любимые рецепты и планируйте меню.</translation>
    </message>
    <message id="Home.firstEvent">
        <source>First event</source>
        <translation>Первое событие</translation>
    </message>
    <message id="Delete">
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message id="Reorder">
        <source>Reorder</source>
        <translation>Изменить порядок</translation>
    </message>
    <message id="Close">
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message id="All events">
        <source>All events</source>
        <translation>Все события</translation>
    </message>
    <message id="Page %1 of %2">
        <source>Page %1 of %2</source>
        <translation>Страница %1 из %2</translation>
    </message>
    <message id="notice.deletedElsewhere">
        <source>This event was deleted in another window or program.</source>
        <translation>Это событие удалено в другом окне или программе.</translation>
    </message>
    <message id="share.title">
        <source>Add a shared event</source>
        <translation>Добавить общее событие</translation>
    </message>
    <message id="share.takenTitle">
        <source>Already in your list</source>
        <translation>Уже есть в вашем списке</translation>
    </message>
    <message id="share.takenCopy">
        <source>An event with this title is already in your list. Give this one another title to add it too.</source>
        <translation>Событие с таким названием уже есть в вашем списке. Дайте этому другое название, чтобы добавить и его.</translation>
    </message>
    <message id="Notification.open">
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message id="Setting.openNotificationSettings">
        <source>Notification settings</source>
        <translation>Настройки уведомлений</translation>
    </message>
    <message id="Setting.waitingForPermission">
        <source>Waiting for permission: this reminder starts once notifications are allowed. Click to allow them.</source>
        <translation>Ждёт разрешения: напоминание заработает, когда уведомления будут разрешены. Щёлкните, чтобы разрешить.</translation>
    </message>
    <message id="days ago" numerus="yes">
        <source>days ago</source>
        <translation>
            <numerusform>день назад</numerusform>
            <numerusform>дня назад</numerusform>
            <numerusform>дней назад</numerusform>
        </translation>
    </message>
    <message id="unit.ago">
        <source>%1 ago</source>
        <translation>%1 назад</translation>
    </message>
    <message id="Event.daysAgo" numerus="yes">
        <source>days ago</source>
        <translation>
            <numerusform>день назад</numerusform>
            <numerusform>дня назад</numerusform>
            <numerusform>дней назад</numerusform>
        </translation>
    </message>
    <message id="Event.today">
        <source>today</source>
        <translation>сегодня</translation>
    </message>
    <message id="Widget.sampleTitle">
        <source>Your Event Title</source>
        <translation>Ваше событие</translation>
    </message>
    <message id="DateData.newYear">
        <source>New Year</source>
        <translation>Новый год</translation>
    </message>
    <message id="DateData.summerTrip">
        <source>Summer trip</source>
        <translation>Летняя поездка</translation>
    </message>
    <message id="DateData.together">
        <source>Together</source>
        <translation>Вместе</translation>
    </message>
    <message id="page.countdown" numerus="yes">
        <source>%1, %2, %Ln day(s) left</source>
        <translation>
            <numerusform>%1, %2, остался %Ln день</numerusform>
            <numerusform>%1, %2, осталось %Ln дня</numerusform>
            <numerusform>%1, %2, осталось %Ln дней</numerusform>
        </translation>
    </message>
    <message id="page.countdownPast" numerus="yes">
        <source>%1, %2, %Ln day(s) ago</source>
        <translation>
            <numerusform>%1, %2, %Ln день назад</numerusform>
            <numerusform>%1, %2, %Ln дня назад</numerusform>
            <numerusform>%1, %2, %Ln дней назад</numerusform>
        </translation>
    </message>
    <message id="page.countdownToday">
        <source>%1, %2, today</source>
        <translation>%1, %2, сегодня</translation>
    </message>
    <message id="page.countup">
        <source>%1, day %3 since %2</source>
        <translation>%1, день %3 с %2</translation>
    </message>
    <message id="page.countdownSpan">
        <source>%1, %2, %3 left</source>
        <translation>%1, %2, осталось %3</translation>
    </message>
    <message id="page.countdownPastSpan">
        <source>%1, %2, %3 ago</source>
        <translation>%1, %2, %3 назад</translation>
    </message>
    <message id="page.countupSpan">
        <source>%1, %3 since %2</source>
        <translation>%1, %3 с %2</translation>
    </message>
    <message id="notice.deleted">
        <source>“%1” deleted</source>
        <translation>«%1» удалено</translation>
    </message>
    <message id="notice.undo">
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message id="a11y.eventOf">
        <source>Event %1 of %2</source>
        <translation>Событие %1 из %2</translation>
    </message>
    <message id="a11y.close">
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message id="a11y.openEvent">
        <source>Show this event</source>
        <translation>Показать это событие</translation>
    </message>
    <message id="theme.1">
        <source>Peach</source>
        <translation>Персик</translation>
    </message>
    <message id="theme.2">
        <source>Sky</source>
        <translation>Небо</translation>
    </message>
    <message id="theme.3">
        <source>Night</source>
        <translation>Ночь</translation>
    </message>
    <message id="theme.4">
        <source>Mint</source>
        <translation>Мята</translation>
    </message>
    <message id="theme.5">
        <source>Lavender</source>
        <translation>Лаванда</translation>
    </message>
    <message id="theme.1001">
        <source>Birthday</source>
        <translation>День рождения</translation>
    </message>
    <message id="theme.1002">
        <source>Home</source>
        <translation>Дом</translation>
    </message>
    <message id="theme.1003">
        <source>Love</source>
        <translation>Любовь</translation>
    </message>
    <message id="theme.1004">
        <source>Vacation</source>
        <translation>Отпуск</translation>
    </message>
    <message id="theme.1005">
        <source>Celebration</source>
        <translation>Праздник</translation>
    </message>
    <message id="theme.1006">
        <source>Quitting smoking</source>
        <translation>Отказ от курения</translation>
    </message>
    <message id="theme.1007">
        <source>Get well</source>
        <translation>Выздоравливай</translation>
    </message>
    <message id="theme.1008">
        <source>Exam</source>
        <translation>Экзамен</translation>
    </message>
    <message id="theme.1009">
        <source>Moving house</source>
        <translation>Переезд</translation>
    </message>
    <message id="theme.other">
        <source>Theme %1</source>
        <translation>Тема %1</translation>
    </message>
    <message id="a11y.day">
        <source>Day</source>
        <translation>День</translation>
    </message>
    <message id="a11y.month">
        <source>Month</source>
        <translation>Месяц</translation>
    </message>
    <message id="a11y.minute">
        <source>Minute</source>
        <translation>Минута</translation>
    </message>
    <message id="a11y.hour">
        <source>Hour</source>
        <translation>Час</translation>
    </message>
    <message id="a11y.year">
        <source>Year</source>
        <translation>Год</translation>
    </message>
    <message id="a11y.direction">
        <source>Count direction</source>
        <translation>Направление счёта</translation>
    </message>
    <message id="a11y.theme">
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message id="Repeat.yearly">
        <source>Every year</source>
        <translation>Каждый год</translation>
    </message>
    <message id="Occurrence.year">
        <source>%1 year</source>
        <translation>%1 год</translation>
    </message>
    <message id="Transfer.exportCalendar">
        <source>Export to a calendar file</source>
        <translation>Экспорт в файл календаря</translation>
    </message>
    <message id="Transfer.importCalendar">
        <source>Import from a calendar file</source>
        <translation>Импорт из файла календаря</translation>
    </message>
    <message id="Transfer.backUp">
        <source>Back up events</source>
        <translation>Сохранить копию событий</translation>
    </message>
    <message id="Transfer.restore">
        <source>Restore events</source>
        <translation>Восстановить события</translation>
    </message>
    <message id="Transfer.fileNotWritten">
        <source>The file could not be written</source>
        <translation>Не удалось записать файл</translation>
    </message>
    <message id="Transfer.targetLink">
        <source>It is a symbolic link; choose the file it points to</source>
        <translation>Это символическая ссылка; выберите файл, на который она указывает</translation>
    </message>
    <message id="Transfer.targetFolder">
        <source>It is a folder</source>
        <translation>Это папка</translation>
    </message>
    <message id="Transfer.targetSpecial">
        <source>It is no plain file (a device or a pipe)</source>
        <translation>Это не обычный файл (устройство или канал)</translation>
    </message>
    <message id="Transfer.summary">
        <source>%1 added, %2 skipped, %3 refused</source>
        <translation>Добавлено: %1, пропущено: %2, отклонено: %3</translation>
    </message>
    <message id="Transfer.sameEvent">
        <source>already in the list</source>
        <translation>уже есть в списке</translation>
    </message>
    <message id="Transfer.sameTitleAndDate">
        <source>an event of that title and date is in the list</source>
        <translation>в списке есть событие с таким названием и датой</translation>
    </message>
    <message id="Transfer.listFull">
        <source>the list already holds %1 events</source>
        <translation>в списке уже %1 событий</translation>
    </message>
    <message id="Transfer.noTitle">
        <source>it has no title</source>
        <translation>у него нет названия</translation>
    </message>
    <message id="Transfer.noDate">
        <source>it has no date Tallowick can count</source>
        <translation>у него нет даты, которую Tallowick может считать</translation>
    </message>
    <message id="Transfer.otherRepeat">
        <source>it repeats in a way Tallowick cannot follow</source>
        <translation>оно повторяется так, как Tallowick не умеет</translation>
    </message>
    <message id="Transfer.cancelled">
        <source>it is cancelled</source>
        <translation>оно отменено</translation>
    </message>
    <message id="Transfer.oneOccurrence">
        <source>it changes one occurrence of a series</source>
        <translation>оно меняет одно повторение серии</translation>
    </message>
    <message id="Transfer.notAnEvent">
        <source>it is not a complete event</source>
        <translation>это не полное событие</translation>
    </message>
    <message id="Transfer.unknownTheme">
        <source>its theme is none of Tallowick's</source>
        <translation>его тема не из Tallowick</translation>
    </message>
    <message id="Transfer.notAColour">
        <source>one of its colours is no colour</source>
        <translation>один из его цветов — не цвет</translation>
    </message>
    <message id="Transfer.unknownReminder">
        <source>its reminder is none of Tallowick's</source>
        <translation>его напоминание не из Tallowick</translation>
    </message>
    <message id="Transfer.countUpRepeats">
        <source>a count-up event cannot repeat every year</source>
        <translation>событие с отсчётом вперёд не может повторяться каждый год</translation>
    </message>
    <message id="Transfer.remindersWaiting">
        <source>Reminders start once notifications are allowed</source>
        <translation>Напоминания начнутся, когда будут разрешены уведомления</translation>
    </message>
    <message id="Transfer.changedInFile">
        <source>in the list, but the file has another version</source>
        <translation>уже есть в списке, но в файле другая версия</translation>
    </message>
    <message id="Transfer.summaryUpdated">
        <source>%1, %2 updated</source>
        <translation>%1, обновлено: %2</translation>
    </message>
    <message id="Transfer.field.title">
        <source>title</source>
        <translation>название</translation>
    </message>
    <message id="Transfer.field.date">
        <source>date</source>
        <translation>дата</translation>
    </message>
    <message id="Transfer.field.yearly">
        <source>repeating every year</source>
        <translation>ежегодный повтор</translation>
    </message>
    <message id="Transfer.field.reminder">
        <source>reminders</source>
        <translation>напоминания</translation>
    </message>
    <message id="Transfer.updateChanged" numerus="yes">
        <source>Update %n changed event(s)</source>
        <translation>
            <numerusform>Обновить %n изменённое событие</numerusform>
            <numerusform>Обновить %n изменённых события</numerusform>
            <numerusform>Обновить %n изменённых событий</numerusform>
        </translation>
    </message>
    <message id="Transfer.fileUnreadable">
        <source>The file cannot be read</source>
        <translation>Не удаётся прочитать файл</translation>
    </message>
    <message id="Transfer.fileTooLarge">
        <source>The file is too large</source>
        <translation>Файл слишком большой</translation>
    </message>
    <message id="Transfer.fileNotCalendar">
        <source>The file is no calendar, or it is damaged</source>
        <translation>Файл не является календарём или повреждён</translation>
    </message>
    <message id="Transfer.fileNotBackup">
        <source>The file is no Tallowick backup, or it is damaged</source>
        <translation>Файл не является копией Tallowick или повреждён</translation>
    </message>
    <message id="Transfer.fileNewer">
        <source>The backup was made by a newer Tallowick</source>
        <translation>Копия сделана более новой версией Tallowick</translation>
    </message>
    <message id="Transfer.notSaved">
        <source>The events could not be saved</source>
        <translation>Не удалось сохранить события</translation>
    </message>
    <message id="form.repeatsYearly">
        <source>Repeats every year</source>
        <translation>Повторять каждый год</translation>
    </message>
    <message id="form.countIn">
        <source>Count in</source>
        <translation>Считать в</translation>
    </message>
    <message id="form.unitDays">
        <source>Days</source>
        <translation>Дни</translation>
    </message>
    <message id="form.unitWeeks">
        <source>Weeks</source>
        <translation>Недели</translation>
    </message>
    <message id="form.unitMonths">
        <source>Months</source>
        <translation>Месяцы</translation>
    </message>
    <message id="form.unitYears">
        <source>Years</source>
        <translation>Годы</translation>
    </message>
    <message id="Transfer.exported">
        <source>Events written: %1</source>
        <translation>Записано событий: %1</translation>
    </message>
    <message id="Transfer.calendarFiles">
        <source>Calendar files</source>
        <translation>Файлы календаря</translation>
    </message>
    <message id="Transfer.backupFiles">
        <source>Tallowick backups</source>
        <translation>Копии Tallowick</translation>
    </message>
    <message id="Sync.open">
        <source>Sync with a calendar server</source>
        <translation>Синхронизация с сервером календаря</translation>
    </message>
    <message id="Sync.title">
        <source>Sync</source>
        <translation>Синхронизация</translation>
    </message>
    <message id="Sync.intro">
        <source>Your events go to a calendar on your own CalDAV server, and from there to your other devices and calendar apps.</source>
        <translation>Ваши события попадают в календарь на вашем сервере CalDAV, а оттуда — на другие устройства и в приложения календаря.</translation>
    </message>
    <message id="Sync.server">
        <source>Server address</source>
        <translation>Адрес сервера</translation>
    </message>
    <message id="Sync.user">
        <source>User name</source>
        <translation>Имя пользователя</translation>
    </message>
    <message id="Sync.password">
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message id="Sync.calendar">
        <source>Calendar</source>
        <translation>Календарь</translation>
    </message>
    <message id="Sync.setUp">
        <source>Set up sync</source>
        <translation>Настроить синхронизацию</translation>
    </message>
    <message id="Sync.now">
        <source>Sync now</source>
        <translation>Синхронизировать</translation>
    </message>
    <message id="Sync.turnOff">
        <source>Turn off sync</source>
        <translation>Отключить синхронизацию</translation>
    </message>
    <message id="Sync.waiting" numerus="yes">
        <source>%n change(s) waiting to go up</source>
        <translation>
            <numerusform>%n изменение ждёт отправки</numerusform>
            <numerusform>%n изменения ждут отправки</numerusform>
            <numerusform>%n изменений ждут отправки</numerusform>
        </translation>
    </message>
    <message id="Sync.whenToday">
        <source>today at %1</source>
        <translation>сегодня в %1</translation>
    </message>
    <message id="Sync.whenYesterday">
        <source>yesterday at %1</source>
        <translation>вчера в %1</translation>
    </message>
    <message id="Sync.whenDate">
        <source>on %1 at %2</source>
        <translation>%1 в %2</translation>
    </message>
    <message id="Sync.stateUnreadable">
        <source>The record of the last sync cannot be read.</source>
        <translation>Не удаётся прочитать состояние последней синхронизации.</translation>
    </message>
    <message id="Sync.notYet">
        <source>Not synced yet.</source>
        <translation>Ещё не синхронизировано.</translation>
    </message>
    <message id="Sync.lastSyncedWith">
        <source>Last synced %1: %2.</source>
        <translation>Синхронизировано %1: %2.</translation>
    </message>
    <message id="Sync.lastFailed">
        <source>Last sync failed %1.</source>
        <translation>Синхронизация не удалась %1.</translation>
    </message>
    <message id="Sync.lastFailedWith">
        <source>Last sync failed %1: %2.</source>
        <translation>Синхронизация не удалась %1: %2.</translation>
    </message>
    <message id="Sync.fieldsMissing">
        <source>Fill in the server address, user name and password.</source>
        <translation>Укажите адрес сервера, имя пользователя и пароль.</translation>
    </message>
    <message id="Sync.settingUp">
        <source>Setting up sync…</source>
        <translation>Настройка синхронизации…</translation>
    </message>
    <message id="Sync.syncing">
        <source>Syncing…</source>
        <translation>Синхронизация…</translation>
    </message>
    <message id="Sync.turningOff">
        <source>Turning off sync…</source>
        <translation>Отключение синхронизации…</translation>
    </message>
    <message id="Sync.stillOn">
        <source>Sync is still on: its files could not be removed.</source>
        <translation>Синхронизация всё ещё включена: её файлы не удалось удалить.</translation>
    </message>
    <message id="Sync.passwordLeft">
        <source>Sync is off, but its password stays in the keyring.</source>
        <translation>Синхронизация отключена, но её пароль остался в связке ключей.</translation>
    </message>
    <message id="Sync.off">
        <source>Sync is off. Your events stay on this device.</source>
        <translation>Синхронизация отключена. Ваши события остаются на этом устройстве.</translation>
    </message>
    <message id="Sync.upToDate">
        <source>everything is up to date</source>
        <translation>всё актуально</translation>
    </message>
    <message id="Sync.sent" numerus="yes">
        <source>%n sent</source>
        <translation>
            <numerusform>%n отправлено</numerusform>
            <numerusform>%n отправлено</numerusform>
            <numerusform>%n отправлено</numerusform>
        </translation>
    </message>
    <message id="Sync.received" numerus="yes">
        <source>%n received</source>
        <translation>
            <numerusform>%n получено</numerusform>
            <numerusform>%n получено</numerusform>
            <numerusform>%n получено</numerusform>
        </translation>
    </message>
    <message id="Sync.conflicts">
        <source>changed on both devices, the server&apos;s version kept: %1</source>
        <translation>изменено на обоих устройствах, оставлена версия сервера: %1</translation>
    </message>
    <message id="Sync.moreOnServer" numerus="yes">
        <source>%n more on the server than the list has room for</source>
        <translation>
            <numerusform>ещё %n на сервере, в списке нет места</numerusform>
            <numerusform>ещё %n на сервере, в списке нет места</numerusform>
            <numerusform>ещё %n на сервере, в списке нет места</numerusform>
        </translation>
    </message>
    <message id="Sync.unreadable" numerus="yes">
        <source>%n calendar entries could not be shown</source>
        <translation>
            <numerusform>%n запись календаря не удаётся показать</numerusform>
            <numerusform>%n записи календаря не удаётся показать</numerusform>
            <numerusform>%n записей календаря не удаётся показать</numerusform>
        </translation>
    </message>
    <message id="Sync.failedAuth">
        <source>the server refused the user name or password</source>
        <translation>сервер отклонил имя пользователя или пароль</translation>
    </message>
    <message id="Sync.failedReadOnly">
        <source>the calendar is read-only</source>
        <translation>календарь доступен только для чтения</translation>
    </message>
    <message id="Sync.failedQuota">
        <source>the server has no room left</source>
        <translation>на сервере не осталось места</translation>
    </message>
    <message id="Sync.failedPassword">
        <source>the password could not be found; set sync up again</source>
        <translation>пароль не найден; настройте синхронизацию заново</translation>
    </message>
    <message id="Sync.noKeyring">
        <source>No keyring is running on this desktop, so the password cannot be kept. Nothing was saved.</source>
        <translation>На этом рабочем столе не запущена связка ключей, поэтому пароль негде хранить. Ничего не сохранено.</translation>
    </message>
    <message id="Sync.setUpDone">
        <source>Syncing with the calendar “%1”.</source>
        <translation>Синхронизация с календарём «%1».</translation>
    </message>
</context>
</TS>
