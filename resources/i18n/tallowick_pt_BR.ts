<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name></name>
    <message id="Notification.today">
        <source>Today is the day!</source>
        <translation>Hoje é o dia!</translation>
    </message>
    <message id="Notification.daysleft" numerus="yes">
        <source>%n day(s) left</source>
        <translation>
            <numerusform>Falta %n dia</numerusform>
            <numerusform>Faltam %n dias</numerusform>
        </translation>
    </message>
    <message id="Setting.notification">
        <source>Reminders</source>
        <translation>Lembretes</translation>
    </message>
    <message id="Setting.notiTime">
        <source>Reminders arrive at %1.</source>
        <translation>Os lembretes chegam às %1.</translation>
    </message>
    <message id="Setting.reminderTime">
        <source>Time of reminders</source>
        <translation>Horário dos lembretes</translation>
    </message>
    <message id="Setting.notiDayOption1">
        <source>On the day</source>
        <translation>No dia</translation>
    </message>
    <message id="Setting.notiDayOption2">
        <source>3 days before</source>
        <translation>3 dias antes</translation>
    </message>
    <message id="Setting.notiDayOption3">
        <source>7 days before</source>
        <translation>7 dias antes</translation>
    </message>
    <message id="Setting.notiDayOption4">
        <source>Off</source>
        <translation>Desativados</translation>
    </message>
    <message id="Setting.permission">
        <source>Notifications are off</source>
        <translation>As notificações estão desativadas</translation>
    </message>
    <message id="Setting.permissionCopy">
        <source>Reminders from Tallowick are turned off. Turn them on in Tallowick's notification settings.</source>
        <translation>Os lembretes do Tallowick estão desativados. Ative-os nas configurações de notificação do Tallowick.</translation>
    </message>
    <message id="OK">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="Setting.rateUs">
        <source>Enjoying Tallowick?</source>
        <translation>Curtindo o Tallowick?</translation>
    </message>
    <message id="Setting.reviewCopy">
        <source>A short review helps us make Tallowick even better.</source>
        <translation>Uma avaliação rápida nos ajuda a deixar o Tallowick ainda melhor.</translation>
    </message>
    <message id="Setting.review">
        <source>Write a review</source>
        <translation>Escrever uma avaliação</translation>
    </message>
    <message id="Setting.studio">
        <source>Ostra Studio</source>
        <translation>Ostra Studio</translation>
    </message>
    <message id="Setting.notificationsPage">
        <source>Notifications</source>
        <translation>Notificações</translation>
    </message>
    <message id="Setting.allowNotifications">
        <source>Allow notifications</source>
        <translation>Permitir notificações</translation>
    </message>
    <message id="Setting.startAtLogin">
        <source>Start at login</source>
        <translation>Iniciar ao entrar</translation>
    </message>
    <message id="Setting.startAtLoginNote">
        <source>Reminders and widgets keep coming after you log out and in.</source>
        <translation>Os lembretes e widgets continuam chegando depois de sair e entrar de novo.</translation>
    </message>
    <message id="Permission.title">
        <source>Allow reminders?</source>
        <translation>Permitir lembretes?</translation>
    </message>
    <message id="Permission.message">
        <source>Tallowick sends reminders at %1 on the days you choose.</source>
        <translation>O Tallowick envia lembretes às %1 nos dias que você escolher.</translation>
    </message>
    <message id="Permission.allow">
        <source>Allow</source>
        <translation>Permitir</translation>
    </message>
    <message id="Permission.deny">
        <source>Don't Allow</source>
        <translation>Não permitir</translation>
    </message>
    <message id="Permission.openSettings">
        <source>Open Settings</source>
        <translation>Abrir configurações</translation>
    </message>
    <message id="add.title">
        <source>New Event</source>
        <translation>Novo evento</translation>
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
        <translation>Data</translation>
    </message>
    <message id="common.color">
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message id="button.save">
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message id="button.cancel">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="add.countdown">
        <source>Count down</source>
        <translation>Até o dia</translation>
    </message>
    <message id="add.countup">
        <source>Count up</source>
        <translation>Desde o dia</translation>
    </message>
    <message id="You can't delete the last one">
        <source>You can't delete the last one</source>
        <translation>Não dá para excluir o último</translation>
    </message>
    <message id="Please create a new one first">
        <source>Please create a new one first</source>
        <translation>Crie um novo primeiro.</translation>
    </message>
    <message id="Can't add a new event">
        <source>Can't add a new event</source>
        <translation>Não é possível adicionar o evento</translation>
    </message>
    <message id="You exceed the max number of events. ">
        <source>You exceed the max number of events. </source>
        <translation>Você atingiu o número máximo de eventos. </translation>
    </message>
    <message id="Something went wrong">
        <source>Something went wrong</source>
        <translation>Algo deu errado</translation>
    </message>
    <message id="Please restart the app">
        <source>Please restart the app</source>
        <translation>Reinicie o app</translation>
    </message>
    <message id="The change was not saved">
        <source>The change was not saved</source>
        <translation>A alteração não foi salva</translation>
    </message>
    <message id="Tallowick">
        <source>Tallowick</source>
        <translation>Tallowick</translation>
    </message>
    <message id="Keep track of your upcoming events.">
        <source>Keep track of your upcoming events.</source>
        <translation>Acompanhe seus próximos eventos.</translation>
    </message>
    <message id="days" numerus="yes">
        <source>days</source>
        <translation>
            <numerusform>dia</numerusform>
            <numerusform>dias</numerusform>
        </translation>
    </message>
    <message id="days left" numerus="yes">
        <source>days left</source>
        <translation>
            <numerusform>dia restante</numerusform>
            <numerusform>dias restantes</numerusform>
        </translation>
    </message>
    <message id="unit.left">
        <source>%1 left</source>
        <translation>%1 restantes</translation>
    </message>
    <message id="Event.days" numerus="yes">
        <source>days</source>
        <translation>
            <numerusform>dia</numerusform>
            <numerusform>dias</numerusform>
        </translation>
    </message>
    <message id="Event.daysLeft" numerus="yes">
        <source>days left</source>
        <translation>
            <numerusform>dia restante</numerusform>
            <numerusform>dias restantes</numerusform>
        </translation>
    </message>
    <message id="Sorry">
        <source>Sorry, this size isn't available</source>
        <translation>Desculpe, este tamanho não está disponível</translation>
    </message>
    <message id="Home.chooseEvent">
        <source>Choose event</source>
        <translation>Escolher evento</translation>
    </message>
    <message id="Home.size">
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message id="Home.small">
        <source>Small</source>
        <translation>Pequeno</translation>
    </message>
    <message id="Home.medium">
        <source>Medium</source>
        <translation>Médio</translation>
    </message>
    <message id="Home.large">
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message id="Home.remove">
        <source>Remove widget</source>
        <translation>Remover widget</translation>
    </message>
    <message id="Home.noEvents">
        <source>No events yet</source>
        <translation>Nenhum evento ainda</translation>
    </message>
    <message id="Home.addWidget">
        <source>Add Widget…</source>
        <translation>Adicionar widget…</translation>
    </message>
    <message id="Home.quit">
        <source>Quit Home Screen</source>
        <translation>Sair da tela inicial</translation>
    </message>
    <message id="Home.addWindowTitle">
        <source>Add a Widget</source>
        <translation>Adicionar um widget</translation>
    </message>
    <message id="Home.addHeading">
        <source>Put an event on your desktop</source>
        <translation>Coloque um evento na sua área de trabalho</translation>
    </message>
    <message id="Home.addIntro">
        <source>Choose the widget's size and the event it shows. Right-click the widget later to change them, add another or quit.</source>
        <translation>Escolha o tamanho do widget e o evento que ele mostra. Depois, clique com o botão direito no widget para mudá-los, adicionar outro ou sair.</translation>
    </message>
    <message id="Home.event">
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message id="Home.preview">
        <source>Preview</source>
        <translation>Prévia</translation>
    </message>
    <message id="Home.addButton">
        <source>Add Widget</source>
        <translation>Adicionar widget</translation>
    </message>
    <message id="Home.close">
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message id="OstraApps">
        <source>Ostra Apps</source>
        <translation>Apps da Ostra</translation>
    </message>
    <message id="Mossling.title">
        <source>Plant care made easy</source>
        <translation>Cuidar de plantas ficou fácil</translation>
    </message>
    <message id="Mossling.sub">
        <source>Reminds you when your plants need water.</source>
        <translation>Avisa quando suas plantas precisam de água.</translation>
    </message>
    <message id="Tidewell.title">
        <source>Drink more water</source>
        <translation>Beba mais água</translation>
    </message>
    <message id="Tidewell.sub">
        <source>Log every glass and reach your daily goal.</source>
        <translation>Registre cada copo e alcance sua meta diária.</translation>
    </message>
    <message id="Quillo.title">
        <source>A diary in one line</source>
        <translation>Um diário em uma linha</translation>
    </message>
    <message id="Quillo.sub">
        <source>Write one line a day and look back anytime.</source>
        <translation>Escreva uma linha por dia e relembre quando quiser.</translation>
    </message>
    <message id="Fernlet.title">
        <source>Grow small habits</source>
        <translation>Cultive pequenos hábitos</translation>
    </message>
    <message id="Fernlet.sub">
        <source>Check off habits and watch your streaks grow.</source>
        <translation>Marque seus hábitos e veja suas sequências crescerem.</translation>
    </message>
    <message id="Hushpot.title">
        <source>Calm sounds for sleep</source>
        <translation>Sons calmos para dormir</translation>
    </message>
    <message id="Hushpot.sub">
        <source>Mix rain, wind and waves to drift off.</source>
        <translation>Misture chuva, vento e ondas para pegar no sono.</translation>
    </message>
    <message id="Cobblyn.title">
        <source>Your pocket budget</source>
        <translation>Seu orçamento de bolso</translation>
    </message>
    <message id="Cobblyn.sub">
        <source>Track your spending with a single tap.</source>
        <translation>Controle seus gastos com um só toque.</translation>
    </message>
    <message id="Wrennie.title">
        <source>Wake up to birdsong</source>
        <translation>Acorde com os passarinhos</translation>
    </message>
    <message id="Wrennie.sub">
        <source>A gentle alarm with real bird calls.</source>
        <translation>Um alarme suave com cantos de pássaros de verdade.</translation>
    </message>
    <message id="Glimmo.title">
        <source>Moments in frames</source>
        <translation>Momentos em molduras</translation>
    </message>
    <message id="Glimmo.sub">
        <source>Dress up your photos with cute frames.</source>
        <translation>Enfeite suas fotos com molduras fofas.</translation>
    </message>
    <message id="Plumtide.title">
        <source>Recipes for every day</source>
        <translation>Receitas para todo dia</translation>
    </message>
    <message id="Plumtide.sub">
        <source>Save favourite recipes and plan your meals.</source>
        <translation>Salve receitas favoritas e planeje suas refeições.</translation>
    </message>
    <message id="Home.firstEvent">
        <source>First event</source>
        <translation>Primeiro evento</translation>
    </message>
    <message id="Delete">
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message id="Reorder">
        <source>Reorder</source>
        <translation>Reordenar</translation>
    </message>
    <message id="Close">
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message id="All events">
        <source>All events</source>
        <translation>Todos os eventos</translation>
    </message>
    <message id="Page %1 of %2">
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message id="notice.deletedElsewhere">
        <source>This event was deleted in another window or program.</source>
        <translation>Este evento foi excluído em outra janela ou programa.</translation>
    </message>
    <message id="share.title">
        <source>Add a shared event</source>
        <translation>Adicionar evento compartilhado</translation>
    </message>
    <message id="share.takenTitle">
        <source>Already in your list</source>
        <translation>Já está na sua lista</translation>
    </message>
    <message id="share.takenCopy">
        <source>An event with this title is already in your list. Give this one another title to add it too.</source>
        <translation>Já existe um evento com este título na sua lista. Dê outro título a este para adicioná-lo também.</translation>
    </message>
    <message id="Notification.open">
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message id="Setting.openNotificationSettings">
        <source>Notification settings</source>
        <translation>Configurações de notificação</translation>
    </message>
    <message id="Setting.waitingForPermission">
        <source>Waiting for permission: this reminder starts once notifications are allowed. Click to allow them.</source>
        <translation>Aguardando permissão: este lembrete começa assim que as notificações forem permitidas. Clique para permitir.</translation>
    </message>
    <message id="days ago" numerus="yes">
        <source>days ago</source>
        <translation>
            <numerusform>dia atrás</numerusform>
            <numerusform>dias atrás</numerusform>
        </translation>
    </message>
    <message id="unit.ago">
        <source>%1 ago</source>
        <translation>%1 atrás</translation>
    </message>
    <message id="Event.daysAgo" numerus="yes">
        <source>days ago</source>
        <translation>
            <numerusform>dia atrás</numerusform>
            <numerusform>dias atrás</numerusform>
        </translation>
    </message>
    <message id="Event.today">
        <source>today</source>
        <translation>hoje</translation>
    </message>
    <message id="Widget.sampleTitle">
        <source>Your Event Title</source>
        <translation>Seu evento</translation>
    </message>
    <message id="DateData.newYear">
        <source>New Year</source>
        <translation>Ano-Novo</translation>
    </message>
    <message id="DateData.summerTrip">
        <source>Summer trip</source>
        <translation>Viagem de verão</translation>
    </message>
    <message id="DateData.together">
        <source>Together</source>
        <translation>Juntos</translation>
    </message>
    <message id="page.countdown" numerus="yes">
        <source>%1, %2, %Ln day(s) left</source>
        <translation>
            <numerusform>%1, %2, falta %Ln dia</numerusform>
            <numerusform>%1, %2, faltam %Ln dias</numerusform>
        </translation>
    </message>
    <message id="page.countdownPast" numerus="yes">
        <source>%1, %2, %Ln day(s) ago</source>
        <translation>
            <numerusform>%1, %2, há %Ln dia</numerusform>
            <numerusform>%1, %2, há %Ln dias</numerusform>
        </translation>
    </message>
    <message id="page.countdownToday">
        <source>%1, %2, today</source>
        <translation>%1, %2, hoje</translation>
    </message>
    <message id="page.countup">
        <source>%1, day %3 since %2</source>
        <translation>%1, dia %3 desde %2</translation>
    </message>
    <message id="page.countdownSpan">
        <source>%1, %2, %3 left</source>
        <translation>%1, %2, faltam %3</translation>
    </message>
    <message id="page.countdownPastSpan">
        <source>%1, %2, %3 ago</source>
        <translation>%1, %2, há %3</translation>
    </message>
    <message id="page.countupSpan">
        <source>%1, %3 since %2</source>
        <translation>%1, %3 desde %2</translation>
    </message>
    <message id="notice.deleted">
        <source>“%1” deleted</source>
        <translation>“%1” excluído</translation>
    </message>
    <message id="notice.undo">
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message id="a11y.eventOf">
        <source>Event %1 of %2</source>
        <translation>Evento %1 de %2</translation>
    </message>
    <message id="a11y.close">
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message id="a11y.openEvent">
        <source>Show this event</source>
        <translation>Mostrar este evento</translation>
    </message>
    <message id="theme.1">
        <source>Peach</source>
        <translation>Pêssego</translation>
    </message>
    <message id="theme.2">
        <source>Sky</source>
        <translation>Céu</translation>
    </message>
    <message id="theme.3">
        <source>Night</source>
        <translation>Noite</translation>
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
        <translation>Aniversário</translation>
    </message>
    <message id="theme.1002">
        <source>Home</source>
        <translation>Casa</translation>
    </message>
    <message id="theme.1003">
        <source>Love</source>
        <translation>Amor</translation>
    </message>
    <message id="theme.1004">
        <source>Vacation</source>
        <translation>Férias</translation>
    </message>
    <message id="theme.1005">
        <source>Celebration</source>
        <translation>Comemoração</translation>
    </message>
    <message id="theme.1006">
        <source>Quitting smoking</source>
        <translation>Parar de fumar</translation>
    </message>
    <message id="theme.1007">
        <source>Get well</source>
        <translation>Melhoras</translation>
    </message>
    <message id="theme.1008">
        <source>Exam</source>
        <translation>Prova</translation>
    </message>
    <message id="theme.1009">
        <source>Moving house</source>
        <translation>Mudança</translation>
    </message>
    <message id="theme.other">
        <source>Theme %1</source>
        <translation>Tema %1</translation>
    </message>
    <message id="a11y.day">
        <source>Day</source>
        <translation>Dia</translation>
    </message>
    <message id="a11y.month">
        <source>Month</source>
        <translation>Mês</translation>
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
        <translation>Ano</translation>
    </message>
    <message id="a11y.direction">
        <source>Count direction</source>
        <translation>Sentido da contagem</translation>
    </message>
    <message id="a11y.theme">
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message id="Repeat.yearly">
        <source>Every year</source>
        <translation>Todo ano</translation>
    </message>
    <message id="Occurrence.year">
        <source>%1 year</source>
        <translation>%1 ano</translation>
    </message>
    <message id="Transfer.exportCalendar">
        <source>Export to a calendar file</source>
        <translation>Exportar para um arquivo de calendário</translation>
    </message>
    <message id="Transfer.importCalendar">
        <source>Import from a calendar file</source>
        <translation>Importar de um arquivo de calendário</translation>
    </message>
    <message id="Transfer.backUp">
        <source>Back up events</source>
        <translation>Fazer backup dos eventos</translation>
    </message>
    <message id="Transfer.restore">
        <source>Restore events</source>
        <translation>Restaurar os eventos</translation>
    </message>
    <message id="Transfer.fileNotWritten">
        <source>The file could not be written</source>
        <translation>Não foi possível gravar o arquivo</translation>
    </message>
    <message id="Transfer.targetLink">
        <source>It is a symbolic link; choose the file it points to</source>
        <translation>É um link simbólico; escolha o arquivo para o qual ele aponta</translation>
    </message>
    <message id="Transfer.targetFolder">
        <source>It is a folder</source>
        <translation>É uma pasta</translation>
    </message>
    <message id="Transfer.targetSpecial">
        <source>It is no plain file (a device or a pipe)</source>
        <translation>Não é um arquivo comum (um dispositivo ou um pipe)</translation>
    </message>
    <message id="Transfer.summary">
        <source>%1 added, %2 skipped, %3 refused</source>
        <translation>%1 adicionados, %2 ignorados, %3 recusados</translation>
    </message>
    <message id="Transfer.sameEvent">
        <source>already in the list</source>
        <translation>já está na lista</translation>
    </message>
    <message id="Transfer.sameTitleAndDate">
        <source>an event of that title and date is in the list</source>
        <translation>há um evento com esse título e essa data na lista</translation>
    </message>
    <message id="Transfer.listFull">
        <source>the list already holds %1 events</source>
        <translation>a lista já tem %1 eventos</translation>
    </message>
    <message id="Transfer.noTitle">
        <source>it has no title</source>
        <translation>não tem título</translation>
    </message>
    <message id="Transfer.noDate">
        <source>it has no date Tallowick can count</source>
        <translation>não tem uma data que o Tallowick possa contar</translation>
    </message>
    <message id="Transfer.otherRepeat">
        <source>it repeats in a way Tallowick cannot follow</source>
        <translation>ele se repete de um jeito que o Tallowick não acompanha</translation>
    </message>
    <message id="Transfer.cancelled">
        <source>it is cancelled</source>
        <translation>foi cancelado</translation>
    </message>
    <message id="Transfer.oneOccurrence">
        <source>it changes one occurrence of a series</source>
        <translation>ele altera uma ocorrência de uma série</translation>
    </message>
    <message id="Transfer.notAnEvent">
        <source>it is not a complete event</source>
        <translation>não é um evento completo</translation>
    </message>
    <message id="Transfer.unknownTheme">
        <source>its theme is none of Tallowick's</source>
        <translation>o tema dele não é do Tallowick</translation>
    </message>
    <message id="Transfer.notAColour">
        <source>one of its colours is no colour</source>
        <translation>uma das cores dele não é uma cor</translation>
    </message>
    <message id="Transfer.unknownReminder">
        <source>its reminder is none of Tallowick's</source>
        <translation>o lembrete dele não é do Tallowick</translation>
    </message>
    <message id="Transfer.countUpRepeats">
        <source>a count-up event cannot repeat every year</source>
        <translation>um evento que conta para cima não pode se repetir todo ano</translation>
    </message>
    <message id="Transfer.remindersWaiting">
        <source>Reminders start once notifications are allowed</source>
        <translation>Os lembretes começam quando as notificações forem permitidas</translation>
    </message>
    <message id="Transfer.changedInFile">
        <source>in the list, but the file has another version</source>
        <translation>já está na lista, mas o arquivo tem outra versão</translation>
    </message>
    <message id="Transfer.summaryUpdated">
        <source>%1, %2 updated</source>
        <translation>%1, %2 atualizados</translation>
    </message>
    <message id="Transfer.field.title">
        <source>title</source>
        <translation>título</translation>
    </message>
    <message id="Transfer.field.date">
        <source>date</source>
        <translation>data</translation>
    </message>
    <message id="Transfer.field.yearly">
        <source>repeating every year</source>
        <translation>repetição anual</translation>
    </message>
    <message id="Transfer.field.reminder">
        <source>reminders</source>
        <translation>lembretes</translation>
    </message>
    <message id="Transfer.updateChanged" numerus="yes">
        <source>Update %n changed event(s)</source>
        <translation>
            <numerusform>Atualizar %n evento alterado</numerusform>
            <numerusform>Atualizar %n eventos alterados</numerusform>
        </translation>
    </message>
    <message id="Transfer.fileUnreadable">
        <source>The file cannot be read</source>
        <translation>Não é possível ler o arquivo</translation>
    </message>
    <message id="Transfer.fileTooLarge">
        <source>The file is too large</source>
        <translation>O arquivo é grande demais</translation>
    </message>
    <message id="Transfer.fileNotCalendar">
        <source>The file is no calendar, or it is damaged</source>
        <translation>O arquivo não é um calendário ou está danificado</translation>
    </message>
    <message id="Transfer.fileNotBackup">
        <source>The file is no Tallowick backup, or it is damaged</source>
        <translation>O arquivo não é um backup do Tallowick ou está danificado</translation>
    </message>
    <message id="Transfer.fileNewer">
        <source>The backup was made by a newer Tallowick</source>
        <translation>O backup foi feito por um Tallowick mais novo</translation>
    </message>
    <message id="Transfer.notSaved">
        <source>The events could not be saved</source>
        <translation>Não foi possível salvar os eventos</translation>
    </message>
    <message id="form.repeatsYearly">
        <source>Repeats every year</source>
        <translation>Repete todo ano</translation>
    </message>
    <message id="form.countIn">
        <source>Count in</source>
        <translation>Contar em</translation>
    </message>
    <message id="form.unitDays">
        <source>Days</source>
        <translation>Dias</translation>
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
        <translation>Anos</translation>
    </message>
    <message id="Transfer.exported">
        <source>Events written: %1</source>
        <translation>Eventos gravados: %1</translation>
    </message>
    <message id="Transfer.calendarFiles">
        <source>Calendar files</source>
        <translation>Arquivos de calendário</translation>
    </message>
    <message id="Transfer.backupFiles">
        <source>Tallowick backups</source>
        <translation>Backups do Tallowick</translation>
    </message>
    <message id="Sync.open">
        <source>Sync with a calendar server</source>
        <translation>Sincronizar com um servidor de calendário</translation>
    </message>
    <message id="Sync.title">
        <source>Sync</source>
        <translation>Sincronização</translation>
    </message>
    <message id="Sync.intro">
        <source>Your events go to a calendar on your own CalDAV server, and from there to your other devices and calendar apps.</source>
        <translation>Seus eventos vão para um calendário no seu próprio servidor CalDAV e, de lá, para seus outros dispositivos e apps de calendário.</translation>
    </message>
    <message id="Sync.server">
        <source>Server address</source>
        <translation>Endereço do servidor</translation>
    </message>
    <message id="Sync.user">
        <source>User name</source>
        <translation>Nome de usuário</translation>
    </message>
    <message id="Sync.password">
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message id="Sync.calendar">
        <source>Calendar</source>
        <translation>Calendário</translation>
    </message>
    <message id="Sync.setUp">
        <source>Set up sync</source>
        <translation>Configurar a sincronização</translation>
    </message>
    <message id="Sync.now">
        <source>Sync now</source>
        <translation>Sincronizar agora</translation>
    </message>
    <message id="Sync.turnOff">
        <source>Turn off sync</source>
        <translation>Desativar a sincronização</translation>
    </message>
    <message id="Sync.waiting" numerus="yes">
        <source>%n change(s) waiting to go up</source>
        <translation>
            <numerusform>%n alteração esperando envio</numerusform>
            <numerusform>%n alterações esperando envio</numerusform>
        </translation>
    </message>
    <message id="Sync.whenToday">
        <source>today at %1</source>
        <translation>hoje às %1</translation>
    </message>
    <message id="Sync.whenYesterday">
        <source>yesterday at %1</source>
        <translation>ontem às %1</translation>
    </message>
    <message id="Sync.whenDate">
        <source>on %1 at %2</source>
        <translation>em %1 às %2</translation>
    </message>
    <message id="Sync.stateUnreadable">
        <source>The record of the last sync cannot be read.</source>
        <translation>Não é possível ler o registro da última sincronização.</translation>
    </message>
    <message id="Sync.notYet">
        <source>Not synced yet.</source>
        <translation>Ainda não sincronizado.</translation>
    </message>
    <message id="Sync.lastSyncedWith">
        <source>Last synced %1: %2.</source>
        <translation>Sincronizado %1: %2.</translation>
    </message>
    <message id="Sync.lastFailed">
        <source>Last sync failed %1.</source>
        <translation>A sincronização falhou %1.</translation>
    </message>
    <message id="Sync.lastFailedWith">
        <source>Last sync failed %1: %2.</source>
        <translation>A sincronização falhou %1: %2.</translation>
    </message>
    <message id="Sync.fieldsMissing">
        <source>Fill in the server address, user name and password.</source>
        <translation>Preencha o endereço do servidor, o nome de usuário e a senha.</translation>
    </message>
    <message id="Sync.settingUp">
        <source>Setting up sync…</source>
        <translation>Configurando a sincronização…</translation>
    </message>
    <message id="Sync.syncing">
        <source>Syncing…</source>
        <translation>Sincronizando…</translation>
    </message>
    <message id="Sync.turningOff">
        <source>Turning off sync…</source>
        <translation>Desativando a sincronização…</translation>
    </message>
    <message id="Sync.stillOn">
        <source>Sync is still on: its files could not be removed.</source>
        <translation>A sincronização continua ativa: não foi possível remover os arquivos dela.</translation>
    </message>
    <message id="Sync.passwordLeft">
        <source>Sync is off, but its password stays in the keyring.</source>
        <translation>A sincronização está desativada, mas a senha continua no chaveiro.</translation>
    </message>
    <message id="Sync.off">
        <source>Sync is off. Your events stay on this device.</source>
        <translation>A sincronização está desativada. Seus eventos ficam neste dispositivo.</translation>
    </message>
    <message id="Sync.upToDate">
        <source>everything is up to date</source>
        <translation>tudo está em dia</translation>
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
            <numerusform>%n recebido</numerusform>
            <numerusform>%n recebidos</numerusform>
        </translation>
    </message>
    <message id="Sync.conflicts">
        <source>changed on both devices, the server&apos;s version kept: %1</source>
        <translation>alterado nos dois aparelhos, mantida a versão do servidor: %1</translation>
    </message>
    <message id="Sync.moreOnServer" numerus="yes">
        <source>%n more on the server than the list has room for</source>
        <translation>
            <numerusform>mais %n no servidor, sem espaço na lista</numerusform>
            <numerusform>mais %n no servidor, sem espaço na lista</numerusform>
        </translation>
    </message>
    <message id="Sync.unreadable" numerus="yes">
        <source>%n calendar entries could not be shown</source>
        <translation>
            <numerusform>%n item da agenda não pode ser mostrado</numerusform>
            <numerusform>%n itens da agenda não podem ser mostrados</numerusform>
        </translation>
    </message>
    <message id="Sync.failedAuth">
        <source>the server refused the user name or password</source>
        <translation>o servidor recusou o usuário ou a senha</translation>
    </message>
    <message id="Sync.failedReadOnly">
        <source>the calendar is read-only</source>
        <translation>a agenda é somente leitura</translation>
    </message>
    <message id="Sync.failedQuota">
        <source>the server has no room left</source>
        <translation>o servidor não tem mais espaço</translation>
    </message>
    <message id="Sync.failedPassword">
        <source>the password could not be found; set sync up again</source>
        <translation>a senha não foi encontrada; configure a sincronização de novo</translation>
    </message>
    <message id="Sync.noKeyring">
        <source>No keyring is running on this desktop, so the password cannot be kept. Nothing was saved.</source>
        <translation>Nenhum chaveiro está rodando nesta área de trabalho, então a senha não pode ser guardada. Nada foi salvo.</translation>
    </message>
    <message id="Sync.setUpDone">
        <source>Syncing with the calendar “%1”.</source>
        <translation>Sincronizando com a agenda “%1”.</translation>
    </message>
</context>
</TS>
