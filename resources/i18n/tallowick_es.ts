<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name></name>
    <message id="Notification.today">
        <source>Today is the day!</source>
        <translation>¡Hoy es el día!</translation>
    </message>
    <message id="Notification.daysleft" numerus="yes">
        <source>%n day(s) left</source>
        <translation>
            <numerusform>Queda %n día</numerusform>
            <numerusform>Quedan %n días</numerusform>
        </translation>
    </message>
    <message id="Setting.notification">
        <source>Reminders</source>
        <translation>Recordatorios</translation>
    </message>
    <message id="Setting.notiTime">
        <source>Reminders arrive at %1.</source>
        <translation>Los recordatorios llegan a las %1.</translation>
    </message>
    <message id="Setting.reminderTime">
        <source>Time of reminders</source>
        <translation>Hora de los recordatorios</translation>
    </message>
    <message id="Setting.notiDayOption1">
        <source>On the day</source>
        <translation>El mismo día</translation>
    </message>
    <message id="Setting.notiDayOption2">
        <source>3 days before</source>
        <translation>3 días antes</translation>
    </message>
    <message id="Setting.notiDayOption3">
        <source>7 days before</source>
        <translation>7 días antes</translation>
    </message>
    <message id="Setting.notiDayOption4">
        <source>Off</source>
        <translation>Desactivados</translation>
    </message>
    <message id="Setting.permission">
        <source>Notifications are off</source>
        <translation>Las notificaciones están desactivadas</translation>
    </message>
    <message id="Setting.permissionCopy">
        <source>Reminders from Tallowick are turned off. Turn them on in Tallowick's notification settings.</source>
        <translation>Los recordatorios de Tallowick están desactivados. Actívalos en los ajustes de notificaciones de Tallowick.</translation>
    </message>
    <message id="OK">
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message id="Setting.rateUs">
        <source>Enjoying Tallowick?</source>
        <translation>¿Te gusta Tallowick?</translation>
    </message>
    <message id="Setting.reviewCopy">
        <source>A short review helps us make Tallowick even better.</source>
        <translation>Una breve reseña nos ayuda a mejorar Tallowick aún más.</translation>
    </message>
    <message id="Setting.review">
        <source>Write a review</source>
        <translation>Escribir una reseña</translation>
    </message>
    <message id="Setting.studio">
        <source>Ostra Studio</source>
        <translation>Ostra Studio</translation>
    </message>
    <message id="Setting.notificationsPage">
        <source>Notifications</source>
        <translation>Notificaciones</translation>
    </message>
    <message id="Setting.allowNotifications">
        <source>Allow notifications</source>
        <translation>Permitir notificaciones</translation>
    </message>
    <message id="Setting.startAtLogin">
        <source>Start at login</source>
        <translation>Iniciar al iniciar sesión</translation>
    </message>
    <message id="Setting.startAtLoginNote">
        <source>Reminders and widgets keep coming after you log out and in.</source>
        <translation>Los recordatorios y los widgets siguen llegando después de cerrar y volver a iniciar sesión.</translation>
    </message>
    <message id="Permission.title">
        <source>Allow reminders?</source>
        <translation>¿Permitir recordatorios?</translation>
    </message>
    <message id="Permission.message">
        <source>Tallowick sends reminders at %1 on the days you choose.</source>
        <translation>Tallowick envía recordatorios a las %1 los días que elijas.</translation>
    </message>
    <message id="Permission.allow">
        <source>Allow</source>
        <translation>Permitir</translation>
    </message>
    <message id="Permission.deny">
        <source>Don't Allow</source>
        <translation>No permitir</translation>
    </message>
    <message id="Permission.openSettings">
        <source>Open Settings</source>
        <translation>Abrir ajustes</translation>
    </message>
    <message id="add.title">
        <source>New Event</source>
        <translation>Nuevo evento</translation>
    </message>
    <message id="edit.title">
        <source>Edit Event</source>
        <translation>Editar evento</translation>
    </message>
    <message id="common.eventTitle">
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message id="common.day">
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message id="common.color">
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message id="button.save">
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message id="button.cancel">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="add.countdown">
        <source>Count down</source>
        <translation>Hasta el día</translation>
    </message>
    <message id="add.countup">
        <source>Count up</source>
        <translation>Desde el día</translation>
    </message>
    <message id="You can't delete the last one">
        <source>You can't delete the last one</source>
        <translation>No puedes borrar el último</translation>
    </message>
    <message id="Please create a new one first">
        <source>Please create a new one first</source>
        <translation>Crea uno nuevo primero.</translation>
    </message>
    <message id="Can't add a new event">
        <source>Can't add a new event</source>
        <translation>No se puede añadir el evento</translation>
    </message>
    <message id="You exceed the max number of events. ">
        <source>You exceed the max number of events. </source>
        <translation>Has alcanzado el número máximo de eventos. </translation>
    </message>
    <message id="Something went wrong">
        <source>Something went wrong</source>
        <translation>Algo salió mal</translation>
    </message>
    <message id="Please restart the app">
        <source>Please restart the app</source>
        <translation>Reinicia la app</translation>
    </message>
    <message id="The change was not saved">
        <source>The change was not saved</source>
        <translation>El cambio no se ha guardado</translation>
    </message>
    <message id="Tallowick">
        <source>Tallowick</source>
        <translation>Tallowick</translation>
    </message>
    <message id="Keep track of your upcoming events.">
        <source>Keep track of your upcoming events.</source>
        <translation>Sigue de cerca tus próximos eventos.</translation>
    </message>
    <message id="days" numerus="yes">
        <source>days</source>
        <translation>
            <numerusform>día</numerusform>
            <numerusform>días</numerusform>
        </translation>
    </message>
    <message id="days left" numerus="yes">
        <source>days left</source>
        <translation>
            <numerusform>día restante</numerusform>
            <numerusform>días restantes</numerusform>
        </translation>
    </message>
    <message id="unit.left">
        <source>%1 left</source>
        <translation>%1 restantes</translation>
    </message>
    <message id="Event.days" numerus="yes">
        <source>days</source>
        <translation>
            <numerusform>día</numerusform>
            <numerusform>días</numerusform>
        </translation>
    </message>
    <message id="Event.daysLeft" numerus="yes">
        <source>days left</source>
        <translation>
            <numerusform>día restante</numerusform>
            <numerusform>días restantes</numerusform>
        </translation>
    </message>
    <message id="Sorry">
        <source>Sorry, this size isn't available</source>
        <translation>Lo sentimos, este tamaño no está disponible</translation>
    </message>
    <message id="Home.chooseEvent">
        <source>Choose event</source>
        <translation>Elegir evento</translation>
    </message>
    <message id="Home.size">
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message id="Home.small">
        <source>Small</source>
        <translation>Pequeño</translation>
    </message>
    <message id="Home.medium">
        <source>Medium</source>
        <translation>Mediano</translation>
    </message>
    <message id="Home.large">
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message id="Home.remove">
        <source>Remove widget</source>
        <translation>Quitar widget</translation>
    </message>
    <message id="Home.noEvents">
        <source>No events yet</source>
        <translation>Aún no hay eventos</translation>
    </message>
    <message id="Home.addWidget">
        <source>Add Widget…</source>
        <translation>Añadir widget…</translation>
    </message>
    <message id="Home.quit">
        <source>Quit Home Screen</source>
        <translation>Salir de la pantalla de inicio</translation>
    </message>
    <message id="Home.addWindowTitle">
        <source>Add a Widget</source>
        <translation>Añadir un widget</translation>
    </message>
    <message id="Home.addHeading">
        <source>Put an event on your desktop</source>
        <translation>Pon un evento en tu escritorio</translation>
    </message>
    <message id="Home.addIntro">
        <source>Choose the widget's size and the event it shows. Right-click the widget later to change them, add another or quit.</source>
        <translation>Elige el tamaño del widget y el evento que muestra. Después, haz clic derecho en el widget para cambiarlos, añadir otro o salir.</translation>
    </message>
    <message id="Home.event">
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message id="Home.preview">
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message id="Home.addButton">
        <source>Add Widget</source>
        <translation>Añadir widget</translation>
    </message>
    <message id="Home.close">
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message id="OstraApps">
        <source>Ostra Apps</source>
        <translation>Apps de Ostra</translation>
    </message>
    <message id="Mossling.title">
        <source>Plant care made easy</source>
        <translation>Cuidar plantas es fácil</translation>
    </message>
    <message id="Mossling.sub">
        <source>Reminds you when your plants need water.</source>
        <translation>Te avisa cuando tus plantas necesitan agua.</translation>
    </message>
    <message id="Tidewell.title">
        <source>Drink more water</source>
        <translation>Bebe más agua</translation>
    </message>
    <message id="Tidewell.sub">
        <source>Log every glass and reach your daily goal.</source>
        <translation>Anota cada vaso y alcanza tu meta diaria.</translation>
    </message>
    <message id="Quillo.title">
        <source>A diary in one line</source>
        <translation>Un diario en una línea</translation>
    </message>
    <message id="Quillo.sub">
        <source>Write one line a day and look back anytime.</source>
        <translation>Escribe una línea al día y repásala cuando quieras.</translation>
    </message>
    <message id="Fernlet.title">
        <source>Grow small habits</source>
        <translation>Cultiva pequeños hábitos</translation>
    </message>
    <message id="Fernlet.sub">
        <source>Check off habits and watch your streaks grow.</source>
        <translation>Marca tus hábitos y mira crecer tus rachas.</translation>
    </message>
    <message id="Hushpot.title">
        <source>Calm sounds for sleep</source>
        <translation>Sonidos tranquilos para dormir</translation>
    </message>
    <message id="Hushpot.sub">
        <source>Mix rain, wind and waves to drift off.</source>
        <translation>Mezcla lluvia, viento y olas para conciliar el sueño.</translation>
    </message>
    <message id="Cobblyn.title">
        <source>Your pocket budget</source>
        <translation>Tu presupuesto de bolsillo</translation>
    </message>
    <message id="Cobblyn.sub">
        <source>Track your spending with a single tap.</source>
        <translation>Registra tus gastos con un solo toque.</translation>
    </message>
    <message id="Wrennie.title">
        <source>Wake up to birdsong</source>
        <translation>Despierta con los pájaros</translation>
    </message>
    <message id="Wrennie.sub">
        <source>A gentle alarm with real bird calls.</source>
        <translation>Una alarma suave con cantos de pájaros reales.</translation>
    </message>
    <message id="Glimmo.title">
        <source>Moments in frames</source>
        <translation>Momentos enmarcados</translation>
    </message>
    <message id="Glimmo.sub">
        <source>Dress up your photos with cute frames.</source>
        <translation>Decora tus fotos con marcos bonitos.</translation>
    </message>
    <message id="Plumtide.title">
        <source>Recipes for every day</source>
        <translation>Recetas para cada día</translation>
    </message>
    <message id="Plumtide.sub">
        <source>Save favourite recipes and plan your meals.</source>
        <translation>Guarda tus recetas favoritas y planifica tus comidas.</translation>
    </message>
    <message id="Home.firstEvent">
        <source>First event</source>
        <translation>Primer evento</translation>
    </message>
    <message id="Delete">
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message id="Reorder">
        <source>Reorder</source>
        <translation>Reordenar</translation>
    </message>
    <message id="Close">
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message id="All events">
        <source>All events</source>
        <translation>Todos los eventos</translation>
    </message>
    <message id="Page %1 of %2">
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message id="notice.deletedElsewhere">
        <source>This event was deleted in another window or program.</source>
        <translation>Este evento se eliminó en otra ventana u otro programa.</translation>
    </message>
    <message id="share.title">
        <source>Add a shared event</source>
        <translation>Añadir un evento compartido</translation>
    </message>
    <message id="share.takenTitle">
        <source>Already in your list</source>
        <translation>Ya está en tu lista</translation>
    </message>
    <message id="share.takenCopy">
        <source>An event with this title is already in your list. Give this one another title to add it too.</source>
        <translation>Ya hay un evento con este título en tu lista. Ponle otro título a este para añadirlo también.</translation>
    </message>
    <message id="Notification.open">
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message id="Setting.openNotificationSettings">
        <source>Notification settings</source>
        <translation>Ajustes de notificaciones</translation>
    </message>
    <message id="Setting.waitingForPermission">
        <source>Waiting for permission: this reminder starts once notifications are allowed. Click to allow them.</source>
        <translation>Esperando permiso: este recordatorio empezará cuando se permitan las notificaciones. Haz clic para permitirlas.</translation>
    </message>
    <message id="days ago" numerus="yes">
        <source>days ago</source>
        <translation>
            <numerusform>día pasado</numerusform>
            <numerusform>días pasados</numerusform>
        </translation>
    </message>
    <message id="unit.ago">
        <source>%1 ago</source>
        <translation>%1 atrás</translation>
    </message>
    <message id="Event.daysAgo" numerus="yes">
        <source>days ago</source>
        <translation>
            <numerusform>día pasado</numerusform>
            <numerusform>días pasados</numerusform>
        </translation>
    </message>
    <message id="Event.today">
        <source>today</source>
        <translation>hoy</translation>
    </message>
    <message id="Widget.sampleTitle">
        <source>Your Event Title</source>
        <translation>Tu evento</translation>
    </message>
    <message id="DateData.newYear">
        <source>New Year</source>
        <translation>Año Nuevo</translation>
    </message>
    <message id="DateData.summerTrip">
        <source>Summer trip</source>
        <translation>Viaje de verano</translation>
    </message>
    <message id="DateData.together">
        <source>Together</source>
        <translation>Juntos</translation>
    </message>
    <message id="page.countdown" numerus="yes">
        <source>%1, %2, %Ln day(s) left</source>
        <translation>
            <numerusform>%1, %2, queda %Ln día</numerusform>
            <numerusform>%1, %2, quedan %Ln días</numerusform>
        </translation>
    </message>
    <message id="page.countdownPast" numerus="yes">
        <source>%1, %2, %Ln day(s) ago</source>
        <translation>
            <numerusform>%1, %2, hace %Ln día</numerusform>
            <numerusform>%1, %2, hace %Ln días</numerusform>
        </translation>
    </message>
    <message id="page.countdownToday">
        <source>%1, %2, today</source>
        <translation>%1, %2, hoy</translation>
    </message>
    <message id="page.countup">
        <source>%1, day %3 since %2</source>
        <translation>%1, día %3 desde el %2</translation>
    </message>
    <message id="page.countdownSpan">
        <source>%1, %2, %3 left</source>
        <translation>%1, %2, quedan %3</translation>
    </message>
    <message id="page.countdownPastSpan">
        <source>%1, %2, %3 ago</source>
        <translation>%1, %2, hace %3</translation>
    </message>
    <message id="page.countupSpan">
        <source>%1, %3 since %2</source>
        <translation>%1, %3 desde el %2</translation>
    </message>
    <message id="notice.deleted">
        <source>“%1” deleted</source>
        <translation>«%1» eliminado</translation>
    </message>
    <message id="notice.undo">
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message id="a11y.eventOf">
        <source>Event %1 of %2</source>
        <translation>Evento %1 de %2</translation>
    </message>
    <message id="a11y.close">
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message id="a11y.openEvent">
        <source>Show this event</source>
        <translation>Mostrar este evento</translation>
    </message>
    <message id="theme.1">
        <source>Peach</source>
        <translation>Melocotón</translation>
    </message>
    <message id="theme.2">
        <source>Sky</source>
        <translation>Cielo</translation>
    </message>
    <message id="theme.3">
        <source>Night</source>
        <translation>Noche</translation>
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
        <translation>Cumpleaños</translation>
    </message>
    <message id="theme.1002">
        <source>Home</source>
        <translation>Hogar</translation>
    </message>
    <message id="theme.1003">
        <source>Love</source>
        <translation>Amor</translation>
    </message>
    <message id="theme.1004">
        <source>Vacation</source>
        <translation>Vacaciones</translation>
    </message>
    <message id="theme.1005">
        <source>Celebration</source>
        <translation>Celebración</translation>
    </message>
    <message id="theme.1006">
        <source>Quitting smoking</source>
        <translation>Dejar de fumar</translation>
    </message>
    <message id="theme.1007">
        <source>Get well</source>
        <translation>Mejórate</translation>
    </message>
    <message id="theme.1008">
        <source>Exam</source>
        <translation>Examen</translation>
    </message>
    <message id="theme.1009">
        <source>Moving house</source>
        <translation>Mudanza</translation>
    </message>
    <message id="theme.other">
        <source>Theme %1</source>
        <translation>Tema %1</translation>
    </message>
    <message id="a11y.day">
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message id="a11y.month">
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message id="a11y.minute">
        <source>Minute</source>
        <translation>Minuto</translation>
    </message>
    <message id="a11y.hour">
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message id="a11y.year">
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message id="a11y.direction">
        <source>Count direction</source>
        <translation>Sentido de la cuenta</translation>
    </message>
    <message id="a11y.theme">
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message id="Repeat.yearly">
        <source>Every year</source>
        <translation>Cada año</translation>
    </message>
    <message id="Occurrence.year">
        <source>%1 year</source>
        <translation>%1 año</translation>
    </message>
    <message id="Transfer.exportCalendar">
        <source>Export to a calendar file</source>
        <translation>Exportar a un archivo de calendario</translation>
    </message>
    <message id="Transfer.importCalendar">
        <source>Import from a calendar file</source>
        <translation>Importar de un archivo de calendario</translation>
    </message>
    <message id="Transfer.backUp">
        <source>Back up events</source>
        <translation>Hacer copia de los eventos</translation>
    </message>
    <message id="Transfer.restore">
        <source>Restore events</source>
        <translation>Restaurar los eventos</translation>
    </message>
    <message id="Transfer.fileNotWritten">
        <source>The file could not be written</source>
        <translation>No se pudo escribir el archivo</translation>
    </message>
    <message id="Transfer.targetLink">
        <source>It is a symbolic link; choose the file it points to</source>
        <translation>Es un enlace simbólico; elija el archivo al que apunta</translation>
    </message>
    <message id="Transfer.targetFolder">
        <source>It is a folder</source>
        <translation>Es una carpeta</translation>
    </message>
    <message id="Transfer.targetSpecial">
        <source>It is no plain file (a device or a pipe)</source>
        <translation>No es un archivo normal (un dispositivo o una tubería)</translation>
    </message>
    <message id="Transfer.summary">
        <source>%1 added, %2 skipped, %3 refused</source>
        <translation>%1 añadidos, %2 omitidos, %3 rechazados</translation>
    </message>
    <message id="Transfer.sameEvent">
        <source>already in the list</source>
        <translation>ya está en la lista</translation>
    </message>
    <message id="Transfer.sameTitleAndDate">
        <source>an event of that title and date is in the list</source>
        <translation>hay un evento con ese título y esa fecha en la lista</translation>
    </message>
    <message id="Transfer.listFull">
        <source>the list already holds %1 events</source>
        <translation>la lista ya tiene %1 eventos</translation>
    </message>
    <message id="Transfer.noTitle">
        <source>it has no title</source>
        <translation>no tiene título</translation>
    </message>
    <message id="Transfer.noDate">
        <source>it has no date Tallowick can count</source>
        <translation>no tiene una fecha que Tallowick pueda contar</translation>
    </message>
    <message id="Transfer.otherRepeat">
        <source>it repeats in a way Tallowick cannot follow</source>
        <translation>se repite de una forma que Tallowick no puede seguir</translation>
    </message>
    <message id="Transfer.cancelled">
        <source>it is cancelled</source>
        <translation>está cancelado</translation>
    </message>
    <message id="Transfer.oneOccurrence">
        <source>it changes one occurrence of a series</source>
        <translation>cambia una repetición de una serie</translation>
    </message>
    <message id="Transfer.notAnEvent">
        <source>it is not a complete event</source>
        <translation>no es un evento completo</translation>
    </message>
    <message id="Transfer.unknownTheme">
        <source>its theme is none of Tallowick's</source>
        <translation>su tema no es de Tallowick</translation>
    </message>
    <message id="Transfer.notAColour">
        <source>one of its colours is no colour</source>
        <translation>uno de sus colores no es un color</translation>
    </message>
    <message id="Transfer.unknownReminder">
        <source>its reminder is none of Tallowick's</source>
        <translation>su recordatorio no es de Tallowick</translation>
    </message>
    <message id="Transfer.countUpRepeats">
        <source>a count-up event cannot repeat every year</source>
        <translation>un evento que cuenta hacia arriba no puede repetirse cada año</translation>
    </message>
    <message id="Transfer.remindersWaiting">
        <source>Reminders start once notifications are allowed</source>
        <translation>Los recordatorios empiezan cuando se permitan las notificaciones</translation>
    </message>
    <message id="Transfer.changedInFile">
        <source>in the list, but the file has another version</source>
        <translation>ya está en la lista, pero el archivo tiene otra versión</translation>
    </message>
    <message id="Transfer.summaryUpdated">
        <source>%1, %2 updated</source>
        <translation>%1, %2 actualizados</translation>
    </message>
    <message id="Transfer.field.title">
        <source>title</source>
        <translation>título</translation>
    </message>
    <message id="Transfer.field.date">
        <source>date</source>
        <translation>fecha</translation>
    </message>
    <message id="Transfer.field.yearly">
        <source>repeating every year</source>
        <translation>repetición anual</translation>
    </message>
    <message id="Transfer.field.reminder">
        <source>reminders</source>
        <translation>recordatorios</translation>
    </message>
    <message id="Transfer.updateChanged" numerus="yes">
        <source>Update %n changed event(s)</source>
        <translation>
            <numerusform>Actualizar %n evento cambiado</numerusform>
            <numerusform>Actualizar %n eventos cambiados</numerusform>
        </translation>
    </message>
    <message id="Transfer.fileUnreadable">
        <source>The file cannot be read</source>
        <translation>No se puede leer el archivo</translation>
    </message>
    <message id="Transfer.fileTooLarge">
        <source>The file is too large</source>
        <translation>El archivo es demasiado grande</translation>
    </message>
    <message id="Transfer.fileNotCalendar">
        <source>The file is no calendar, or it is damaged</source>
        <translation>El archivo no es un calendario o está dañado</translation>
    </message>
    <message id="Transfer.fileNotBackup">
        <source>The file is no Tallowick backup, or it is damaged</source>
        <translation>El archivo no es una copia de Tallowick o está dañado</translation>
    </message>
    <message id="Transfer.fileNewer">
        <source>The backup was made by a newer Tallowick</source>
        <translation>La copia la hizo un Tallowick más reciente</translation>
    </message>
    <message id="Transfer.notSaved">
        <source>The events could not be saved</source>
        <translation>No se pudieron guardar los eventos</translation>
    </message>
    <message id="form.repeatsYearly">
        <source>Repeats every year</source>
        <translation>Se repite cada año</translation>
    </message>
    <message id="form.countIn">
        <source>Count in</source>
        <translation>Contar en</translation>
    </message>
    <message id="form.unitDays">
        <source>Days</source>
        <translation>Días</translation>
    </message>
    <message id="form.unitWeeks">
        <source>Weeks</source>
        <translation>Semanas</translation>
    </message>
    <message id="form.unitMonths">
        <source>Months</source>
        <translation>Meses</translation>
    </message>
    <message id="form.unitYears">
        <source>Years</source>
        <translation>Años</translation>
    </message>
    <message id="Transfer.exported">
        <source>Events written: %1</source>
        <translation>Eventos escritos: %1</translation>
    </message>
    <message id="Transfer.calendarFiles">
        <source>Calendar files</source>
        <translation>Archivos de calendario</translation>
    </message>
    <message id="Transfer.backupFiles">
        <source>Tallowick backups</source>
        <translation>Copias de Tallowick</translation>
    </message>
    <message id="Sync.open">
        <source>Sync with a calendar server</source>
        <translation>Sincronizar con un servidor de calendario</translation>
    </message>
    <message id="Sync.title">
        <source>Sync</source>
        <translation>Sincronización</translation>
    </message>
    <message id="Sync.intro">
        <source>Your events go to a calendar on your own CalDAV server, and from there to your other devices and calendar apps.</source>
        <translation>Tus eventos van a un calendario de tu propio servidor CalDAV y, desde allí, a tus otros dispositivos y apps de calendario.</translation>
    </message>
    <message id="Sync.server">
        <source>Server address</source>
        <translation>Dirección del servidor</translation>
    </message>
    <message id="Sync.user">
        <source>User name</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message id="Sync.password">
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message id="Sync.calendar">
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message id="Sync.setUp">
        <source>Set up sync</source>
        <translation>Configurar la sincronización</translation>
    </message>
    <message id="Sync.now">
        <source>Sync now</source>
        <translation>Sincronizar ahora</translation>
    </message>
    <message id="Sync.turnOff">
        <source>Turn off sync</source>
        <translation>Desactivar la sincronización</translation>
    </message>
    <message id="Sync.waiting" numerus="yes">
        <source>%n change(s) waiting to go up</source>
        <translation>
            <numerusform>%n cambio pendiente de subir</numerusform>
            <numerusform>%n cambios pendientes de subir</numerusform>
        </translation>
    </message>
    <message id="Sync.whenToday">
        <source>today at %1</source>
        <translation>hoy a las %1</translation>
    </message>
    <message id="Sync.whenYesterday">
        <source>yesterday at %1</source>
        <translation>ayer a las %1</translation>
    </message>
    <message id="Sync.whenDate">
        <source>on %1 at %2</source>
        <translation>el %1 a las %2</translation>
    </message>
    <message id="Sync.stateUnreadable">
        <source>The record of the last sync cannot be read.</source>
        <translation>No se puede leer el registro de la última sincronización.</translation>
    </message>
    <message id="Sync.notYet">
        <source>Not synced yet.</source>
        <translation>Aún no se ha sincronizado.</translation>
    </message>
    <message id="Sync.lastSyncedWith">
        <source>Last synced %1: %2.</source>
        <translation>Sincronizado %1: %2.</translation>
    </message>
    <message id="Sync.lastFailed">
        <source>Last sync failed %1.</source>
        <translation>La sincronización falló %1.</translation>
    </message>
    <message id="Sync.lastFailedWith">
        <source>Last sync failed %1: %2.</source>
        <translation>La sincronización falló %1: %2.</translation>
    </message>
    <message id="Sync.fieldsMissing">
        <source>Fill in the server address, user name and password.</source>
        <translation>Escribe la dirección del servidor, el nombre de usuario y la contraseña.</translation>
    </message>
    <message id="Sync.settingUp">
        <source>Setting up sync…</source>
        <translation>Configurando la sincronización…</translation>
    </message>
    <message id="Sync.syncing">
        <source>Syncing…</source>
        <translation>Sincronizando…</translation>
    </message>
    <message id="Sync.turningOff">
        <source>Turning off sync…</source>
        <translation>Desactivando la sincronización…</translation>
    </message>
    <message id="Sync.stillOn">
        <source>Sync is still on: its files could not be removed.</source>
        <translation>La sincronización sigue activa: no se pudieron borrar sus archivos.</translation>
    </message>
    <message id="Sync.passwordLeft">
        <source>Sync is off, but its password stays in the keyring.</source>
        <translation>La sincronización está desactivada, pero su contraseña sigue en el llavero.</translation>
    </message>
    <message id="Sync.off">
        <source>Sync is off. Your events stay on this device.</source>
        <translation>La sincronización está desactivada. Tus eventos se quedan en este dispositivo.</translation>
    </message>
    <message id="Sync.upToDate">
        <source>everything is up to date</source>
        <translation>todo está al día</translation>
    </message>
    <message id="Sync.sent" numerus="yes">
        <source>%n sent</source>
        <translation>
            <numerusform>%n enviado</numerusform>
            <numerusform>%n enviados</numerusform>
        </translation>
    </message>
    <message id="Sync.received" numerus="yes">
        <source>%n received</source>
        <translation>
            <numerusform>%n recibido</numerusform>
            <numerusform>%n recibidos</numerusform>
        </translation>
    </message>
    <message id="Sync.conflicts">
        <source>changed on both devices, the server&apos;s version kept: %1</source>
        <translation>cambiado en ambos dispositivos, se mantuvo la versión del servidor: %1</translation>
    </message>
    <message id="Sync.moreOnServer" numerus="yes">
        <source>%n more on the server than the list has room for</source>
        <translation>
            <numerusform>%n más en el servidor, sin sitio en la lista</numerusform>
            <numerusform>%n más en el servidor, sin sitio en la lista</numerusform>
        </translation>
    </message>
    <message id="Sync.unreadable" numerus="yes">
        <source>%n calendar entries could not be shown</source>
        <translation>
            <numerusform>%n entrada del calendario no se puede mostrar</numerusform>
            <numerusform>%n entradas del calendario no se pueden mostrar</numerusform>
        </translation>
    </message>
    <message id="Sync.failedAuth">
        <source>the server refused the user name or password</source>
        <translation>el servidor rechazó el usuario o la contraseña</translation>
    </message>
    <message id="Sync.failedReadOnly">
        <source>the calendar is read-only</source>
        <translation>el calendario es de solo lectura</translation>
    </message>
    <message id="Sync.failedQuota">
        <source>the server has no room left</source>
        <translation>el servidor no tiene espacio</translation>
    </message>
    <message id="Sync.failedPassword">
        <source>the password could not be found; set sync up again</source>
        <translation>no se encontró la contraseña; vuelve a configurar la sincronización</translation>
    </message>
    <message id="Sync.noKeyring">
        <source>No keyring is running on this desktop, so the password cannot be kept. Nothing was saved.</source>
        <translation>No hay ningún llavero en marcha en este escritorio, así que la contraseña no se puede guardar. No se guardó nada.</translation>
    </message>
    <message id="Sync.setUpDone">
        <source>Syncing with the calendar “%1”.</source>
        <translation>Sincronizando con el calendario «%1».</translation>
    </message>
</context>
</TS>
