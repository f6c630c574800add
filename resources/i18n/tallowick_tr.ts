<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name></name>
    <message id="Notification.today">
        <source>Today is the day!</source>
        <translation>Beklenen gün geldi!</translation>
    </message>
    <message id="Notification.daysleft" numerus="yes">
        <source>%n day(s) left</source>
        <translation>
            <numerusform>%n gün kaldı</numerusform>
        </translation>
    </message>
    <message id="Setting.notification">
        <source>Reminders</source>
        <translation>Hatırlatıcılar</translation>
    </message>
    <message id="Setting.notiTime">
        <source>Reminders arrive at %1.</source>
        <translation>Hatırlatıcıların geliş saati: %1.</translation>
    </message>
    <message id="Setting.reminderTime">
        <source>Time of reminders</source>
        <translation>Hatırlatma saati</translation>
    </message>
    <message id="Setting.notiDayOption1">
        <source>On the day</source>
        <translation>Aynı gün</translation>
    </message>
    <message id="Setting.notiDayOption2">
        <source>3 days before</source>
        <translation>3 gün önce</translation>
    </message>
    <message id="Setting.notiDayOption3">
        <source>7 days before</source>
        <translation>7 gün önce</translation>
    </message>
    <message id="Setting.notiDayOption4">
        <source>Off</source>
        <translation>Kapalı</translation>
    </message>
    <message id="Setting.permission">
        <source>Notifications are off</source>
        <translation>Bildirimler kapalı</translation>
    </message>
    <message id="Setting.permissionCopy">
        <source>Reminders from Tallowick are turned off. Turn them on in Tallowick's notification settings.</source>
        <translation>Tallowick hatırlatıcıları kapalı. Tallowick'in bildirim ayarlarından açabilirsin.</translation>
    </message>
    <message id="OK">
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message id="Setting.rateUs">
        <source>Enjoying Tallowick?</source>
        <translation>Tallowick'i sevdin mi?</translation>
    </message>
    <message id="Setting.reviewCopy">
        <source>A short review helps us make Tallowick even better.</source>
        <translation>Kısa bir yorum, Tallowick'i daha da iyi yapmamıza yardım eder.</translation>
    </message>
    <message id="Setting.review">
        <source>Write a review</source>
        <translation>Yorum yaz</translation>
    </message>
    <message id="Setting.studio">
        <source>Ostra Studio</source>
        <translation>Ostra Studio</translation>
    </message>
    <message id="Setting.notificationsPage">
        <source>Notifications</source>
        <translation>Bildirimler</translation>
    </message>
    <message id="Setting.allowNotifications">
        <source>Allow notifications</source>
        <translation>Bildirimlere izin ver</translation>
    </message>
    <message id="Setting.startAtLogin">
        <source>Start at login</source>
        <translation>Oturum açınca başlat</translation>
    </message>
    <message id="Setting.startAtLoginNote">
        <source>Reminders and widgets keep coming after you log out and in.</source>
        <translation>Oturumu kapatıp yeniden açtıktan sonra da hatırlatmalar ve widget'lar gelmeye devam eder.</translation>
    </message>
    <message id="Permission.title">
        <source>Allow reminders?</source>
        <translation>Hatırlatıcılara izin verilsin mi?</translation>
    </message>
    <message id="Permission.message">
        <source>Tallowick sends reminders at %1 on the days you choose.</source>
        <translation>Tallowick, seçtiğin günlerde hatırlatmaları şu saatte gönderir: %1.</translation>
    </message>
    <message id="Permission.allow">
        <source>Allow</source>
        <translation>İzin ver</translation>
    </message>
    <message id="Permission.deny">
        <source>Don't Allow</source>
        <translation>İzin verme</translation>
    </message>
    <message id="Permission.openSettings">
        <source>Open Settings</source>
        <translation>Ayarları aç</translation>
    </message>
    <message id="add.title">
        <source>New Event</source>
        <translation>Yeni etkinlik</translation>
    </message>
    <message id="edit.title">
        <source>Edit Event</source>
        <translation>Etkinliği düzenle</translation>
    </message>
    <message id="common.eventTitle">
        <source>Title</source>
        <translation>Başlık</translation>
    </message>
    <message id="common.day">
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message id="common.color">
        <source>Color</source>
        <translation>Renk</translation>
    </message>
    <message id="button.save">
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message id="button.cancel">
        <source>Cancel</source>
        <translation>Vazgeç</translation>
    </message>
    <message id="add.countdown">
        <source>Count down</source>
        <translation>Geri sayım</translation>
    </message>
    <message id="add.countup">
        <source>Count up</source>
        <translation>İleri sayım</translation>
    </message>
    <message id="You can't delete the last one">
        <source>You can't delete the last one</source>
        <translation>Son etkinlik silinemez</translation>
    </message>
    <message id="Please create a new one first">
        <source>Please create a new one first</source>
        <translation>Önce yeni bir tane oluştur.</translation>
    </message>
    <message id="Can't add a new event">
        <source>Can't add a new event</source>
        <translation>Yeni etkinlik eklenemiyor</translation>
    </message>
    <message id="You exceed the max number of events. ">
        <source>You exceed the max number of events. </source>
        <translation>En fazla etkinlik sayısına ulaştın. </translation>
    </message>
    <message id="Something went wrong">
        <source>Something went wrong</source>
        <translation>Bir şeyler ters gitti</translation>
    </message>
    <message id="Please restart the app">
        <source>Please restart the app</source>
        <translation>Lütfen uygulamayı yeniden başlat</translation>
    </message>
    <message id="The change was not saved">
        <source>The change was not saved</source>
        <translation>Değişiklik kaydedilmedi</translation>
    </message>
    <message id="Tallowick">
        <source>Tallowick</source>
        <translation>Tallowick</translation>
    </message>
    <message id="Keep track of your upcoming events.">
        <source>Keep track of your upcoming events.</source>
        <translation>Yaklaşan etkinliklerini takip et.</translation>
    </message>
    <message id="days" numerus="yes">
        <source>days</source>
        <translation>
            <numerusform>gün</numerusform>
        </translation>
    </message>
    <message id="days left" numerus="yes">
        <source>days left</source>
        <translation>
            <numerusform>gün kaldı</numerusform>
        </translation>
    </message>
    <message id="unit.left">
        <source>%1 left</source>
        <translation>%1 kaldı</translation>
    </message>
    <message id="Event.days" numerus="yes">
        <source>days</source>
        <translation>
            <numerusform>gün</numerusform>
        </translation>
    </message>
    <message id="Event.daysLeft" numerus="yes">
        <source>days left</source>
        <translation>
            <numerusform>gün kaldı</numerusform>
        </translation>
    </message>
    <message id="Sorry">
        <source>Sorry, this size isn't available</source>
        <translation>Üzgünüz, bu boyut kullanılamıyor</translation>
    </message>
    <message id="Home.chooseEvent">
        <source>Choose event</source>
        <translation>Etkinlik seç</translation>
    </message>
    <message id="Home.size">
        <source>Size</source>
        <translation>Boyut</translation>
    </message>
    <message id="Home.small">
        <source>Small</source>
        <translation>Küçük</translation>
    </message>
    <message id="Home.medium">
        <source>Medium</source>
        <translation>Orta</translation>
    </message>
    <message id="Home.large">
        <source>Large</source>
        <translation>Büyük</translation>
    </message>
    <message id="Home.remove">
        <source>Remove widget</source>
        <translation>Widget'ı kaldır</translation>
    </message>
    <message id="Home.noEvents">
        <source>No events yet</source>
        <translation>Henüz etkinlik yok</translation>
    </message>
    <message id="Home.addWidget">
        <source>Add Widget…</source>
        <translation>Widget ekle…</translation>
    </message>
    <message id="Home.quit">
        <source>Quit Home Screen</source>
        <translation>Ana ekrandan çık</translation>
    </message>
    <message id="Home.addWindowTitle">
        <source>Add a Widget</source>
        <translation>Widget ekle</translation>
    </message>
    <message id="Home.addHeading">
        <source>Put an event on your desktop</source>
        <translation>Masaüstüne bir etkinlik koy</translation>
    </message>
    <message id="Home.addIntro">
        <source>Choose the widget's size and the event it shows. Right-click the widget later to change them, add another or quit.</source>
        <translation>Widget'ın boyutunu ve göstereceği etkinliği seç. Sonra widget'a sağ tıklayarak bunları değiştirebilir, bir tane daha ekleyebilir ya da çıkabilirsin.</translation>
    </message>
    <message id="Home.event">
        <source>Event</source>
        <translation>Etkinlik</translation>
    </message>
    <message id="Home.preview">
        <source>Preview</source>
        <translation>Önizleme</translation>
    </message>
    <message id="Home.addButton">
        <source>Add Widget</source>
        <translation>Widget ekle</translation>
    </message>
    <message id="Home.close">
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message id="OstraApps">
        <source>Ostra Apps</source>
        <translation>Ostra uygulamaları</translation>
    </message>
    <message id="Mossling.title">
        <source>Plant care made easy</source>
        <translation>Bitki bakımı artık kolay</translation>
    </message>
    <message id="Mossling.sub">
        <source>Reminds you when your plants need water.</source>
        <translation>Bitkilerinin suya ihtiyacı olduğunda hatırlatır.</translation>
    </message>
    <message id="Tidewell.title">
        <source>Drink more water</source>
        <translation>Daha çok su iç</translation>
    </message>
    <message id="Tidewell.sub">
        <source>Log every glass and reach your daily goal.</source>
        <translation>Her bardağı kaydet, günlük hedefine ulaş.</translation>
    </message>
    <message id="Quillo.title">
        <source>A diary in one line</source>
        <translation>Tek satırlık günlük</translation>
    </message>
    <message id="Quillo.sub">
        <source>Write one line a day and look back anytime.</source>
        <translation>Her gün bir satır yaz, istediğin zaman geriye bak.</translation>
    </message>
    <message id="Fernlet.title">
        <source>Grow small habits</source>
        <translation>Küçük alışkanlıklar edin</translation>
    </message>
    <message id="Fernlet.sub">
        <source>Check off habits and watch your streaks grow.</source>
        <translation>Alışkanlıklarını işaretle, serilerinin büyümesini izle.</translation>
    </message>
    <message id="Hushpot.title">
        <source>Calm sounds for sleep</source>
        <translation>Uyku için sakin sesler</translation>
    </message>
    <message id="Hushpot.sub">
        <source>Mix rain, wind and waves to drift off.</source>
        <translation>Yağmur, rüzgâr ve dalgaları karıştır, uykuya dal.</translation>
    </message>
    <message id="Cobblyn.title">
        <source>Your pocket budget</source>
        <translation>Cep bütçen</translation>
    </message>
    <message id="Cobblyn.sub">
        <source>Track your spending with a single tap.</source>
        <translation>Harcamalarını tek dokunuşla takip et.</translation>
    </message>
    <message id="Wrennie.title">
        <source>Wake up to birdsong</source>
        <translation>Kuş sesleriyle uyan</translation>
    </message>
    <message id="Wrennie.sub">
        <source>A gentle alarm with real bird calls.</source>
        <translation>Gerçek kuş sesleriyle yumuşak bir alarm.</translation>
    </message>
    <message id="Glimmo.title">
        <source>Moments in frames</source>
        <translation>Çerçevelenmiş anlar</translation>
    </message>
    <message id="Glimmo.sub">
        <source>Dress up your photos with cute frames.</source>
        <translation>Fotoğraflarını sevimli çerçevelerle süsle.</translation>
    </message>
    <message id="Plumtide.title">
        <source>Recipes for every day</source>
        <translation>Her güne bir tarif</translation>
    </message>
    <message id="Plumtide.sub">
        <source>Save favourite recipes and plan your meals.</source>
        <translation>Sevdiğin tarifleri kaydet, öğünlerini planla.</translation>
    </message>
    <message id="Home.firstEvent">
        <source>First event</source>
        <translation>İlk etkinlik</translation>
    </message>
    <message id="Delete">
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message id="Reorder">
        <source>Reorder</source>
        <translation>Yeniden sırala</translation>
    </message>
    <message id="Close">
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message id="All events">
        <source>All events</source>
        <translation>Tüm etkinlikler</translation>
    </message>
    <message id="Page %1 of %2">
        <source>Page %1 of %2</source>
        <translation>Sayfa %1 / %2</translation>
    </message>
    <message id="notice.deletedElsewhere">
        <source>This event was deleted in another window or program.</source>
        <translation>Bu etkinlik başka bir pencerede ya da programda silindi.</translation>
    </message>
    <message id="share.title">
        <source>Add a shared event</source>
        <translation>Paylaşılan etkinliği ekle</translation>
    </message>
    <message id="share.takenTitle">
        <source>Already in your list</source>
        <translation>Zaten listende</translation>
    </message>
    <message id="share.takenCopy">
        <source>An event with this title is already in your list. Give this one another title to add it too.</source>
        <translation>Listende bu başlıkta bir etkinlik zaten var. Bunu da eklemek için ona başka bir başlık ver.</translation>
    </message>
    <message id="Notification.open">
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message id="Setting.openNotificationSettings">
        <source>Notification settings</source>
        <translation>Bildirim ayarları</translation>
    </message>
    <message id="Setting.waitingForPermission">
        <source>Waiting for permission: this reminder starts once notifications are allowed. Click to allow them.</source>
        <translation>İzin bekleniyor: bu hatırlatıcı bildirimlere izin verildiğinde başlar. İzin vermek için tıkla.</translation>
    </message>
    <message id="days ago" numerus="yes">
        <source>days ago</source>
        <translation>
            <numerusform>gün önce</numerusform>
        </translation>
    </message>
    <message id="unit.ago">
        <source>%1 ago</source>
        <translation>%1 önce</translation>
    </message>
    <message id="Event.daysAgo" numerus="yes">
        <source>days ago</source>
        <translation>
            <numerusform>gün önce</numerusform>
        </translation>
    </message>
    <message id="Event.today">
        <source>today</source>
        <translation>bugün</translation>
    </message>
    <message id="Widget.sampleTitle">
        <source>Your Event Title</source>
        <translation>Etkinliğin</translation>
    </message>
    <message id="DateData.newYear">
        <source>New Year</source>
        <translation>Yılbaşı</translation>
    </message>
    <message id="DateData.summerTrip">
        <source>Summer trip</source>
        <translation>Yaz tatili</translation>
    </message>
    <message id="DateData.together">
        <source>Together</source>
        <translation>Birlikte</translation>
    </message>
    <message id="page.countdown" numerus="yes">
        <source>%1, %2, %Ln day(s) left</source>
        <translation>
            <numerusform>%1, %2, %Ln gün kaldı</numerusform>
        </translation>
    </message>
    <message id="page.countdownPast" numerus="yes">
        <source>%1, %2, %Ln day(s) ago</source>
        <translation>
            <numerusform>%1, %2, %Ln gün önce</numerusform>
        </translation>
    </message>
    <message id="page.countdownToday">
        <source>%1, %2, today</source>
        <translation>%1, %2, bugün</translation>
    </message>
    <message id="page.countup">
        <source>%1, day %3 since %2</source>
        <translation>%1, %2 tarihinden beri %3. gün</translation>
    </message>
    <message id="page.countdownSpan">
        <source>%1, %2, %3 left</source>
        <translation>%1, %2, %3 kaldı</translation>
    </message>
    <message id="page.countdownPastSpan">
        <source>%1, %2, %3 ago</source>
        <translation>%1, %2, %3 önce</translation>
    </message>
    <message id="page.countupSpan">
        <source>%1, %3 since %2</source>
        <translation>%1, %2 tarihinden beri %3</translation>
    </message>
    <message id="notice.deleted">
        <source>“%1” deleted</source>
        <translation>“%1” silindi</translation>
    </message>
    <message id="notice.undo">
        <source>Undo</source>
        <translation>Geri al</translation>
    </message>
    <message id="a11y.eventOf">
        <source>Event %1 of %2</source>
        <translation>Etkinlik %1 / %2</translation>
    </message>
    <message id="a11y.close">
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message id="a11y.openEvent">
        <source>Show this event</source>
        <translation>Bu etkinliği göster</translation>
    </message>
    <message id="theme.1">
        <source>Peach</source>
        <translation>Şeftali</translation>
    </message>
    <message id="theme.2">
        <source>Sky</source>
        <translation>Gökyüzü</translation>
    </message>
    <message id="theme.3">
        <source>Night</source>
        <translation>Gece</translation>
    </message>
    <message id="theme.4">
        <source>Mint</source>
        <translation>Nane</translation>
    </message>
    <message id="theme.5">
        <source>Lavender</source>
        <translation>Lavanta</translation>
    </message>
    <message id="theme.1001">
        <source>Birthday</source>
        <translation>Doğum günü</translation>
    </message>
    <message id="theme.1002">
        <source>Home</source>
        <translation>Ev</translation>
    </message>
    <message id="theme.1003">
        <source>Love</source>
        <translation>Aşk</translation>
    </message>
    <message id="theme.1004">
        <source>Vacation</source>
        <translation>Tatil</translation>
    </message>
    <message id="theme.1005">
        <source>Celebration</source>
        <translation>Kutlama</translation>
    </message>
    <message id="theme.1006">
        <source>Quitting smoking</source>
        <translation>Sigarayı bırakma</translation>
    </message>
    <message id="theme.1007">
        <source>Get well</source>
        <translation>Geçmiş olsun</translation>
    </message>
    <message id="theme.1008">
        <source>Exam</source>
        <translation>Sınav</translation>
    </message>
    <message id="theme.1009">
        <source>Moving house</source>
        <translation>Taşınma</translation>
    </message>
    <message id="theme.other">
        <source>Theme %1</source>
        <translation>Tema %1</translation>
    </message>
    <message id="a11y.day">
        <source>Day</source>
        <translation>Gün</translation>
    </message>
    <message id="a11y.month">
        <source>Month</source>
        <translation>Ay</translation>
    </message>
    <message id="a11y.minute">
        <source>Minute</source>
        <translation>Dakika</translation>
    </message>
    <message id="a11y.hour">
        <source>Hour</source>
        <translation>Saat</translation>
    </message>
    <message id="a11y.year">
        <source>Year</source>
        <translation>Yıl</translation>
    </message>
    <message id="a11y.direction">
        <source>Count direction</source>
        <translation>Sayım yönü</translation>
    </message>
    <message id="a11y.theme">
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message id="Repeat.yearly">
        <source>Every year</source>
        <translation>Her yıl</translation>
    </message>
    <message id="Occurrence.year">
        <source>%1 year</source>
        <translation>%1 yıl</translation>
    </message>
    <message id="Transfer.exportCalendar">
        <source>Export to a calendar file</source>
        <translation>Takvim dosyasına aktar</translation>
    </message>
    <message id="Transfer.importCalendar">
        <source>Import from a calendar file</source>
        <translation>Takvim dosyasından içe aktar</translation>
    </message>
    <message id="Transfer.backUp">
        <source>Back up events</source>
        <translation>Etkinlikleri yedekle</translation>
    </message>
    <message id="Transfer.restore">
        <source>Restore events</source>
        <translation>Etkinlikleri geri yükle</translation>
    </message>
    <message id="Transfer.fileNotWritten">
        <source>The file could not be written</source>
        <translation>Dosya yazılamadı</translation>
    </message>
    <message id="Transfer.targetLink">
        <source>It is a symbolic link; choose the file it points to</source>
        <translation>Bu bir sembolik bağlantı; gösterdiği dosyayı seçin</translation>
    </message>
    <message id="Transfer.targetFolder">
        <source>It is a folder</source>
        <translation>Bu bir klasör</translation>
    </message>
    <message id="Transfer.targetSpecial">
        <source>It is no plain file (a device or a pipe)</source>
        <translation>Bu normal bir dosya değil (bir aygıt ya da boru)</translation>
    </message>
    <message id="Transfer.summary">
        <source>%1 added, %2 skipped, %3 refused</source>
        <translation>%1 eklendi, %2 atlandı, %3 reddedildi</translation>
    </message>
    <message id="Transfer.sameEvent">
        <source>already in the list</source>
        <translation>zaten listede</translation>
    </message>
    <message id="Transfer.sameTitleAndDate">
        <source>an event of that title and date is in the list</source>
        <translation>listede bu başlık ve tarihte bir etkinlik var</translation>
    </message>
    <message id="Transfer.listFull">
        <source>the list already holds %1 events</source>
        <translation>listede zaten %1 etkinlik var</translation>
    </message>
    <message id="Transfer.noTitle">
        <source>it has no title</source>
        <translation>başlığı yok</translation>
    </message>
    <message id="Transfer.noDate">
        <source>it has no date Tallowick can count</source>
        <translation>Tallowick’in sayabileceği bir tarihi yok</translation>
    </message>
    <message id="Transfer.otherRepeat">
        <source>it repeats in a way Tallowick cannot follow</source>
        <translation>Tallowick’in izleyemeyeceği bir şekilde tekrarlanıyor</translation>
    </message>
    <message id="Transfer.cancelled">
        <source>it is cancelled</source>
        <translation>iptal edilmiş</translation>
    </message>
    <message id="Transfer.oneOccurrence">
        <source>it changes one occurrence of a series</source>
        <translation>bir serinin tek bir tekrarını değiştiriyor</translation>
    </message>
    <message id="Transfer.notAnEvent">
        <source>it is not a complete event</source>
        <translation>tam bir etkinlik değil</translation>
    </message>
    <message id="Transfer.unknownTheme">
        <source>its theme is none of Tallowick's</source>
        <translation>teması Tallowick'in değil</translation>
    </message>
    <message id="Transfer.notAColour">
        <source>one of its colours is no colour</source>
        <translation>renklerinden biri renk değil</translation>
    </message>
    <message id="Transfer.unknownReminder">
        <source>its reminder is none of Tallowick's</source>
        <translation>hatırlatıcısı Tallowick'in değil</translation>
    </message>
    <message id="Transfer.countUpRepeats">
        <source>a count-up event cannot repeat every year</source>
        <translation>ileri sayan bir etkinlik her yıl tekrarlanamaz</translation>
    </message>
    <message id="Transfer.remindersWaiting">
        <source>Reminders start once notifications are allowed</source>
        <translation>Hatırlatıcılar bildirimlere izin verildiğinde başlar</translation>
    </message>
    <message id="Transfer.changedInFile">
        <source>in the list, but the file has another version</source>
        <translation>zaten listede, ancak dosyadaki sürümü farklı</translation>
    </message>
    <message id="Transfer.summaryUpdated">
        <source>%1, %2 updated</source>
        <translation>%1, %2 güncellendi</translation>
    </message>
    <message id="Transfer.field.title">
        <source>title</source>
        <translation>başlık</translation>
    </message>
    <message id="Transfer.field.date">
        <source>date</source>
        <translation>tarih</translation>
    </message>
    <message id="Transfer.field.yearly">
        <source>repeating every year</source>
        <translation>her yıl tekrarlanma</translation>
    </message>
    <message id="Transfer.field.reminder">
        <source>reminders</source>
        <translation>hatırlatıcılar</translation>
    </message>
    <message id="Transfer.updateChanged" numerus="yes">
        <source>Update %n changed event(s)</source>
        <translation>
            <numerusform>Değişen %n etkinliği güncelle</numerusform>
        </translation>
    </message>
    <message id="Transfer.fileUnreadable">
        <source>The file cannot be read</source>
        <translation>Dosya okunamıyor</translation>
    </message>
    <message id="Transfer.fileTooLarge">
        <source>The file is too large</source>
        <translation>Dosya çok büyük</translation>
    </message>
    <message id="Transfer.fileNotCalendar">
        <source>The file is no calendar, or it is damaged</source>
        <translation>Dosya bir takvim değil ya da bozuk</translation>
    </message>
    <message id="Transfer.fileNotBackup">
        <source>The file is no Tallowick backup, or it is damaged</source>
        <translation>Dosya bir Tallowick yedeği değil ya da bozuk</translation>
    </message>
    <message id="Transfer.fileNewer">
        <source>The backup was made by a newer Tallowick</source>
        <translation>Yedek daha yeni bir Tallowick ile yapılmış</translation>
    </message>
    <message id="Transfer.notSaved">
        <source>The events could not be saved</source>
        <translation>Etkinlikler kaydedilemedi</translation>
    </message>
    <message id="form.repeatsYearly">
        <source>Repeats every year</source>
        <translation>Her yıl tekrarla</translation>
    </message>
    <message id="form.countIn">
        <source>Count in</source>
        <translation>Sayım birimi</translation>
    </message>
    <message id="form.unitDays">
        <source>Days</source>
        <translation>Gün</translation>
    </message>
    <message id="form.unitWeeks">
        <source>Weeks</source>
        <translation>Hafta</translation>
    </message>
    <message id="form.unitMonths">
        <source>Months</source>
        <translation>Ay</translation>
    </message>
    <message id="form.unitYears">
        <source>Years</source>
        <translation>Yıl</translation>
    </message>
    <message id="Transfer.exported">
        <source>Events written: %1</source>
        <translation>Yazılan etkinlikler: %1</translation>
    </message>
    <message id="Transfer.calendarFiles">
        <source>Calendar files</source>
        <translation>Takvim dosyaları</translation>
    </message>
    <message id="Transfer.backupFiles">
        <source>Tallowick backups</source>
        <translation>Tallowick yedekleri</translation>
    </message>
    <message id="Sync.open">
        <source>Sync with a calendar server</source>
        <translation>Bir takvim sunucusuyla eşitle</translation>
    </message>
    <message id="Sync.title">
        <source>Sync</source>
        <translation>Eşitleme</translation>
    </message>
    <message id="Sync.intro">
        <source>Your events go to a calendar on your own CalDAV server, and from there to your other devices and calendar apps.</source>
        <translation>Etkinliklerin kendi CalDAV sunucundaki bir takvime, oradan da diğer cihazlarına ve takvim uygulamalarına gider.</translation>
    </message>
    <message id="Sync.server">
        <source>Server address</source>
        <translation>Sunucu adresi</translation>
    </message>
    <message id="Sync.user">
        <source>User name</source>
        <translation>Kullanıcı adı</translation>
    </message>
    <message id="Sync.password">
        <source>Password</source>
        <translation>Parola</translation>
    </message>
    <message id="Sync.calendar">
        <source>Calendar</source>
        <translation>Takvim</translation>
    </message>
    <message id="Sync.setUp">
        <source>Set up sync</source>
        <translation>Eşitlemeyi kur</translation>
    </message>
    <message id="Sync.now">
        <source>Sync now</source>
        <translation>Şimdi eşitle</translation>
    </message>
    <message id="Sync.turnOff">
        <source>Turn off sync</source>
        <translation>Eşitlemeyi kapat</translation>
    </message>
    <message id="Sync.waiting" numerus="yes">
        <source>%n change(s) waiting to go up</source>
        <translation>
            <numerusform>%n değişiklik gönderilmeyi bekliyor</numerusform>
        </translation>
    </message>
    <message id="Sync.whenToday">
        <source>today at %1</source>
        <translation>bugün %1</translation>
    </message>
    <message id="Sync.whenYesterday">
        <source>yesterday at %1</source>
        <translation>dün %1</translation>
    </message>
    <message id="Sync.whenDate">
        <source>on %1 at %2</source>
        <translation>%1 %2</translation>
    </message>
    <message id="Sync.stateUnreadable">
        <source>The record of the last sync cannot be read.</source>
        <translation>Son eşitlemenin kaydı okunamıyor.</translation>
    </message>
    <message id="Sync.notYet">
        <source>Not synced yet.</source>
        <translation>Henüz eşitlenmedi.</translation>
    </message>
    <message id="Sync.lastSyncedWith">
        <source>Last synced %1: %2.</source>
        <translation>Son eşitleme %1: %2.</translation>
    </message>
    <message id="Sync.lastFailed">
        <source>Last sync failed %1.</source>
        <translation>Eşitleme başarısız oldu (%1).</translation>
    </message>
    <message id="Sync.lastFailedWith">
        <source>Last sync failed %1: %2.</source>
        <translation>Eşitleme başarısız oldu (%1): %2.</translation>
    </message>
    <message id="Sync.fieldsMissing">
        <source>Fill in the server address, user name and password.</source>
        <translation>Sunucu adresini, kullanıcı adını ve parolayı gir.</translation>
    </message>
    <message id="Sync.settingUp">
        <source>Setting up sync…</source>
        <translation>Eşitleme kuruluyor…</translation>
    </message>
    <message id="Sync.syncing">
        <source>Syncing…</source>
        <translation>Eşitleniyor…</translation>
    </message>
    <message id="Sync.turningOff">
        <source>Turning off sync…</source>
        <translation>Eşitleme kapatılıyor…</translation>
    </message>
    <message id="Sync.stillOn">
        <source>Sync is still on: its files could not be removed.</source>
        <translation>Eşitleme hâlâ açık: dosyaları silinemedi.</translation>
    </message>
    <message id="Sync.passwordLeft">
        <source>Sync is off, but its password stays in the keyring.</source>
        <translation>Eşitleme kapalı, ancak parolası anahtar zincirinde kalıyor.</translation>
    </message>
    <message id="Sync.off">
        <source>Sync is off. Your events stay on this device.</source>
        <translation>Eşitleme kapalı. Etkinliklerin bu cihazda kalır.</translation>
    </message>
    <message id="Sync.upToDate">
        <source>everything is up to date</source>
        <translation>her şey güncel</translation>
    </message>
    <message id="Sync.sent" numerus="yes">
        <source>%n sent</source>
        <translation>
            <numerusform>%n gönderildi</numerusform>
        </translation>
    </message>
    <message id="Sync.received" numerus="yes">
        <source>%n received</source>
        <translation>
            <numerusform>%n alındı</numerusform>
        </translation>
    </message>
    <message id="Sync.conflicts">
        <source>changed on both devices, the server&apos;s version kept: %1</source>
        <translation>iki cihazda da değişti, sunucudaki sürüm korundu: %1</translation>
    </message>
    <message id="Sync.moreOnServer" numerus="yes">
        <source>%n more on the server than the list has room for</source>
        <translation>
            <numerusform>sunucuda listeye sığmayan %n tane daha var</numerusform>
        </translation>
    </message>
    <message id="Sync.unreadable" numerus="yes">
        <source>%n calendar entries could not be shown</source>
        <translation>
            <numerusform>%n takvim kaydı gösterilemiyor</numerusform>
        </translation>
    </message>
    <message id="Sync.failedAuth">
        <source>the server refused the user name or password</source>
        <translation>sunucu kullanıcı adını veya parolayı reddetti</translation>
    </message>
    <message id="Sync.failedReadOnly">
        <source>the calendar is read-only</source>
        <translation>takvim salt okunur</translation>
    </message>
    <message id="Sync.failedQuota">
        <source>the server has no room left</source>
        <translation>sunucuda yer kalmadı</translation>
    </message>
    <message id="Sync.failedPassword">
        <source>the password could not be found; set sync up again</source>
        <translation>parola bulunamadı; eşitlemeyi yeniden kurun</translation>
    </message>
    <message id="Sync.noKeyring">
        <source>No keyring is running on this desktop, so the password cannot be kept. Nothing was saved.</source>
        <translation>Bu masaüstünde çalışan bir anahtarlık yok, bu yüzden parola saklanamıyor. Hiçbir şey kaydedilmedi.</translation>
    </message>
    <message id="Sync.setUpDone">
        <source>Syncing with the calendar “%1”.</source>
        <translation>“%1” takvimiyle eşitleniyor.</translation>
    </message>
</context>
</TS>
