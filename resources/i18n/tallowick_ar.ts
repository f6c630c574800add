<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name></name>
    <message id="Notification.today">
        <source>Today is the day!</source>
        <translation>اليوم هو اليوم المنتظر!</translation>
    </message>
    <message id="Notification.daysleft" numerus="yes">
        <source>%n day(s) left</source>
        <translation>
            <numerusform>لم يبقَ أي يوم</numerusform>
            <numerusform>بقي يوم واحد</numerusform>
            <numerusform>بقي يومان</numerusform>
            <numerusform>بقيت %n أيام</numerusform>
            <numerusform>بقي %n يومًا</numerusform>
            <numerusform>بقي %n يوم</numerusform>
        </translation>
    </message>
    <message id="Setting.notification">
        <source>Reminders</source>
        <translation>التذكيرات</translation>
    </message>
    <message id="Setting.notiTime">
        <source>Reminders arrive at %1.</source>
        <translation>تصل التذكيرات في الساعة %1.</translation>
    </message>
    <message id="Setting.reminderTime">
        <source>Time of reminders</source>
        <translation>وقت التذكيرات</translation>
    </message>
    <message id="Setting.notiDayOption1">
        <source>On the day</source>
        <translation>في اليوم نفسه</translation>
    </message>
    <message id="Setting.notiDayOption2">
        <source>3 days before</source>
        <translation>قبل 3 أيام</translation>
    </message>
    <message id="Setting.notiDayOption3">
        <source>7 days before</source>
        <translation>قبل 7 أيام</translation>
    </message>
    <message id="Setting.notiDayOption4">
        <source>Off</source>
        <translation>إيقاف</translation>
    </message>
    <message id="Setting.permission">
        <source>Notifications are off</source>
        <translation>الإشعارات متوقفة</translation>
    </message>
    <message id="Setting.permissionCopy">
        <source>Reminders from Tallowick are turned off. Turn them on in Tallowick's notification settings.</source>
        <translation>تذكيرات Tallowick متوقفة. فعّلها من إعدادات الإشعارات الخاصة بـ Tallowick.</translation>
    </message>
    <message id="OK">
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message id="Setting.rateUs">
        <source>Enjoying Tallowick?</source>
        <translation>هل يعجبك Tallowick؟</translation>
    </message>
    <message id="Setting.reviewCopy">
        <source>A short review helps us make Tallowick even better.</source>
        <translation>مراجعة قصيرة منك تساعدنا على تحسين Tallowick أكثر.</translation>
    </message>
    <message id="Setting.review">
        <source>Write a review</source>
        <translation>اكتب مراجعة</translation>
    </message>
    <message id="Setting.studio">
        <source>Ostra Studio</source>
        <translation>Ostra Studio</translation>
    </message>
    <message id="Setting.notificationsPage">
        <source>Notifications</source>
        <translation>الإشعارات</translation>
    </message>
    <message id="Setting.allowNotifications">
        <source>Allow notifications</source>
        <translation>السماح بالإشعارات</translation>
    </message>
    <message id="Setting.startAtLogin">
        <source>Start at login</source>
        <translation>البدء عند تسجيل الدخول</translation>
    </message>
    <message id="Setting.startAtLoginNote">
        <source>Reminders and widgets keep coming after you log out and in.</source>
        <translation>تستمر التذكيرات والأدوات بعد تسجيل الخروج ثم الدخول من جديد.</translation>
    </message>
    <message id="Permission.title">
        <source>Allow reminders?</source>
        <translation>هل تسمح بالتذكيرات؟</translation>
    </message>
    <message id="Permission.message">
        <source>Tallowick sends reminders at %1 on the days you choose.</source>
        <translation>يرسل Tallowick التذكيرات في الساعة %1 في الأيام التي تختارها.</translation>
    </message>
    <message id="Permission.allow">
        <source>Allow</source>
        <translation>سماح</translation>
    </message>
    <message id="Permission.deny">
        <source>Don't Allow</source>
        <translation>عدم السماح</translation>
    </message>
    <message id="Permission.openSettings">
        <source>Open Settings</source>
        <translation>فتح الإعدادات</translation>
    </message>
    <message id="add.title">
        <source>New Event</source>
        <translation>حدث جديد</translation>
    </message>
    <message id="edit.title">
        <source>Edit Event</source>
        <translation>تعديل الحدث</translation>
    </message>
    <message id="common.eventTitle">
        <source>Title</source>
        <translation>العنوان</translation>
    </message>
    <message id="common.day">
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message id="common.color">
        <source>Color</source>
        <translation>اللون</translation>
    </message>
    <message id="button.save">
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message id="button.cancel">
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message id="add.countdown">
        <source>Count down</source>
        <translation>عدّ تنازلي</translation>
    </message>
    <message id="add.countup">
        <source>Count up</source>
        <translation>عدّ تصاعدي</translation>
    </message>
    <message id="You can't delete the last one">
        <source>You can't delete the last one</source>
        <translation>لا يمكن حذف الحدث الأخير</translation>
    </message>
    <message id="Please create a new one first">
        <source>Please create a new one first</source>
        <translation>أنشئ حدثًا جديدًا أولًا.</translation>
    </message>
    <message id="Can't add a new event">
        <source>Can't add a new event</source>
        <translation>تعذّرت إضافة حدث جديد</translation>
    </message>
    <message id="You exceed the max number of events. ">
        <source>You exceed the max number of events. </source>
        <translation>لقد بلغت الحد الأقصى لعدد الأحداث. </translation>
    </message>
    <message id="Something went wrong">
        <source>Something went wrong</source>
        <translation>حدث خطأ ما</translation>
    </message>
    <message id="Please restart the app">
        <source>Please restart the app</source>
        <translation>يُرجى إعادة تشغيل التطبيق</translation>
    </message>
    <message id="The change was not saved">
        <source>The change was not saved</source>
        <translation>لم يُحفظ التغيير</translation>
    </message>
    <message id="Tallowick">
        <source>Tallowick</source>
        <translation>Tallowick</translation>
    </message>
    <message id="Keep track of your upcoming events.">
        <source>Keep track of your upcoming events.</source>
        <translation>تابع أحداثك القادمة.</translation>
    </message>
    <message id="days" numerus="yes">
        <source>days</source>
        <translation>
            <numerusform>يوم</numerusform>
            <numerusform>يوم</numerusform>
            <numerusform>يومان</numerusform>
            <numerusform>أيام</numerusform>
            <numerusform>يومًا</numerusform>
            <numerusform>يوم</numerusform>
        </translation>
    </message>
    <message id="days left" numerus="yes">
        <source>days left</source>
        <translation>
            <numerusform>يوم متبقٍ</numerusform>
            <numerusform>يوم متبقٍ</numerusform>
            <numerusform>يومان متبقيان</numerusform>
            <numerusform>أيام متبقية</numerusform>
            <numerusform>يومًا متبقيًا</numerusform>
            <numerusform>يوم متبقٍ</numerusform>
        </translation>
    </message>
    <message id="unit.left">
        <source>%1 left</source>
        <translation>%1 متبقية</translation>
    </message>
    <message id="Event.days" numerus="yes">
        <source>days</source>
        <translation>
            <numerusform>يوم</numerusform>
            <numerusform>يوم</numerusform>
            <numerusform>يومان</numerusform>
            <numerusform>أيام</numerusform>
            <numerusform>يومًا</numerusform>
            <numerusform>يوم</numerusform>
        </translation>
    </message>
    <message id="Event.daysLeft" numerus="yes">
        <source>days left</source>
        <translation>
            <numerusform>يوم متبقٍ</numerusform>
            <numerusform>يوم متبقٍ</numerusform>
            <numerusform>يومان متبقيان</numerusform>
            <numerusform>أيام متبقية</numerusform>
            <numerusform>يومًا متبقيًا</numerusform>
            <numerusform>يوم متبقٍ</numerusform>
        </translation>
    </message>
    <message id="Sorry">
        <source>Sorry, this size isn't available</source>
        <translation>عذرًا، هذا الحجم غير متاح</translation>
    </message>
    <message id="Home.chooseEvent">
        <source>Choose event</source>
        <translation>اختر حدثًا</translation>
    </message>
    <message id="Home.size">
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message id="Home.small">
        <source>Small</source>
        <translation>صغير</translation>
    </message>
    <message id="Home.medium">
        <source>Medium</source>
        <translation>متوسط</translation>
    </message>
    <message id="Home.large">
        <source>Large</source>
        <translation>كبير</translation>
    </message>
    <message id="Home.remove">
        <source>Remove widget</source>
        <translation>إزالة الأداة</translation>
    </message>
    <message id="Home.noEvents">
        <source>No events yet</source>
        <translation>لا توجد أحداث بعد</translation>
    </message>
    <message id="Home.addWidget">
        <source>Add Widget…</source>
        <translation>إضافة أداة…</translation>
    </message>
    <message id="Home.quit">
        <source>Quit Home Screen</source>
        <translation>إنهاء الشاشة الرئيسية</translation>
    </message>
    <message id="Home.addWindowTitle">
        <source>Add a Widget</source>
        <translation>إضافة أداة</translation>
    </message>
    <message id="Home.addHeading">
        <source>Put an event on your desktop</source>
        <translation>ضع حدثًا على سطح المكتب</translation>
    </message>
    <message id="Home.addIntro">
        <source>Choose the widget's size and the event it shows. Right-click the widget later to change them, add another or quit.</source>
        <translation>اختر حجم الأداة والحدث الذي تعرضه. انقر بالزر الأيمن على الأداة لاحقًا لتغييرهما أو لإضافة أداة أخرى أو للإنهاء.</translation>
    </message>
    <message id="Home.event">
        <source>Event</source>
        <translation>الحدث</translation>
    </message>
    <message id="Home.preview">
        <source>Preview</source>
        <translation>معاينة</translation>
    </message>
    <message id="Home.addButton">
        <source>Add Widget</source>
        <translation>إضافة الأداة</translation>
    </message>
    <message id="Home.close">
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message id="OstraApps">
        <source>Ostra Apps</source>
        <translation>تطبيقات Ostra</translation>
    </message>
    <message id="Mossling.title">
        <source>Plant care made easy</source>
        <translation>العناية بالنباتات أسهل</translation>
    </message>
    <message id="Mossling.sub">
        <source>Reminds you when your plants need water.</source>
        <translation>يذكّرك عندما تحتاج نباتاتك إلى الماء.</translation>
    </message>
    <message id="Tidewell.title">
        <source>Drink more water</source>
        <translation>اشرب مزيدًا من الماء</translation>
    </message>
    <message id="Tidewell.sub">
        <source>Log every glass and reach your daily goal.</source>
        <translation>سجّل كل كوب وحقّق هدفك اليومي.</translation>
    </message>
    <message id="Quillo.title">
        <source>A diary in one line</source>
        <translation>مذكّرات في سطر واحد</translation>
    </message>
    <message id="Quillo.sub">
        <source>Write one line a day and look back anytime.</source>
        <translation>اكتب سطرًا كل يوم وعُد إليه متى شئت.</translation>
    </message>
    <message id="Fernlet.title">
        <source>Grow small habits</source>
        <translation>نمِّ عادات صغيرة</translation>
    </message>
    <message id="Fernlet.sub">
        <source>Check off habits and watch your streaks grow.</source>
        <translation>ضع علامة على عاداتك وشاهد سلاسلك تكبر.</translation>
    </message>
    <message id="Hushpot.title">
        <source>Calm sounds for sleep</source>
        <translation>أصوات هادئة للنوم</translation>
    </message>
    <message id="Hushpot.sub">
        <source>Mix rain, wind and waves to drift off.</source>
        <translation>امزج المطر والرياح والأمواج لتغفو.</translation>
    </message>
    <message id="Cobblyn.title">
        <source>Your pocket budget</source>
        <translation>ميزانيتك في جيبك</translation>
    </message>
    <message id="Cobblyn.sub">
        <source>Track your spending with a single tap.</source>
        <translation>تابع مصروفاتك بلمسة واحدة.</translation>
    </message>
    <message id="Wrennie.title">
        <source>Wake up to birdsong</source>
        <translation>استيقظ على تغريد الطيور</translation>
    </message>
    <message id="Wrennie.sub">
        <source>A gentle alarm with real bird calls.</source>
        <translation>منبّه لطيف بأصوات طيور حقيقية.</translation>
    </message>
    <message id="Glimmo.title">
        <source>Moments in frames</source>
        <translation>لحظات في إطارات</translation>
    </message>
    <message id="Glimmo.sub">
        <source>Dress up your photos with cute frames.</source>
        <translation>زيّن صورك بإطارات لطيفة.</translation>
    </message>
    <message id="Plumtide.title">
        <source>Recipes for every day</source>
        <translation>وصفات لكل يوم</translation>
    </message>
    <message id="Plumtide.sub">
        <source>Save favourite recipes and plan your meals.</source>
        <translation>احفظ وصفاتك المفضلة وخطّط لوجباتك.</translation>
    </message>
    <message id="Home.firstEvent">
        <source>First event</source>
        <translation>الحدث الأول</translation>
    </message>
    <message id="Delete">
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message id="Reorder">
        <source>Reorder</source>
        <translation>إعادة الترتيب</translation>
    </message>
    <message id="Close">
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message id="All events">
        <source>All events</source>
        <translation>كل الأحداث</translation>
    </message>
    <message id="Page %1 of %2">
        <source>Page %1 of %2</source>
        <translation>الصفحة %1 من %2</translation>
    </message>
    <message id="notice.deletedElsewhere">
        <source>This event was deleted in another window or program.</source>
        <translation>حُذف هذا الحدث في نافذة أو برنامج آخر.</translation>
    </message>
    <message id="share.title">
        <source>Add a shared event</source>
        <translation>إضافة حدث مُشارَك</translation>
    </message>
    <message id="share.takenTitle">
        <source>Already in your list</source>
        <translation>موجود في قائمتك بالفعل</translation>
    </message>
    <message id="share.takenCopy">
        <source>An event with this title is already in your list. Give this one another title to add it too.</source>
        <translation>يوجد حدث بهذا العنوان في قائمتك بالفعل. امنح هذا الحدث عنوانًا آخر لإضافته أيضًا.</translation>
    </message>
    <message id="Notification.open">
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message id="Setting.openNotificationSettings">
        <source>Notification settings</source>
        <translation>إعدادات الإشعارات</translation>
    </message>
    <message id="Setting.waitingForPermission">
        <source>Waiting for permission: this reminder starts once notifications are allowed. Click to allow them.</source>
        <translation>في انتظار الإذن: يبدأ هذا التذكير بمجرد السماح بالإشعارات. انقر للسماح بها.</translation>
    </message>
    <message id="days ago" numerus="yes">
        <source>days ago</source>
        <translation>
            <numerusform>يوم مضى</numerusform>
            <numerusform>يوم مضى</numerusform>
            <numerusform>يومان مضيا</numerusform>
            <numerusform>أيام مضت</numerusform>
            <numerusform>يومًا مضى</numerusform>
            <numerusform>يوم مضى</numerusform>
        </translation>
    </message>
    <message id="unit.ago">
        <source>%1 ago</source>
        <translation>%1 مضت</translation>
    </message>
    <message id="Event.daysAgo" numerus="yes">
        <source>days ago</source>
        <translation>
            <numerusform>يوم مضى</numerusform>
            <numerusform>يوم مضى</numerusform>
            <numerusform>يومان مضيا</numerusform>
            <numerusform>أيام مضت</numerusform>
            <numerusform>يومًا مضى</numerusform>
            <numerusform>يوم مضى</numerusform>
        </translation>
    </message>
    <message id="Event.today">
        <source>today</source>
        <translation>اليوم</translation>
    </message>
    <message id="Widget.sampleTitle">
        <source>Your Event Title</source>
        <translation>عنوان حدثك</translation>
    </message>
    <message id="DateData.newYear">
        <source>New Year</source>
        <translation>رأس السنة</translation>
    </message>
    <message id="DateData.summerTrip">
        <source>Summer trip</source>
        <translation>رحلة الصيف</translation>
    </message>
    <message id="DateData.together">
        <source>Together</source>
        <translation>معًا</translation>
    </message>
    <message id="page.countdown" numerus="yes">
        <source>%1, %2, %Ln day(s) left</source>
        <translation>
            <numerusform>%1، %2، لم يبقَ أي يوم</numerusform>
            <numerusform>%1، %2، بقي يوم واحد</numerusform>
            <numerusform>%1، %2، بقي يومان</numerusform>
            <numerusform>%1، %2، بقيت %Ln أيام</numerusform>
            <numerusform>%1، %2، بقي %Ln يومًا</numerusform>
            <numerusform>%1، %2، بقي %Ln يوم</numerusform>
        </translation>
    </message>
    <message id="page.countdownPast" numerus="yes">
        <source>%1, %2, %Ln day(s) ago</source>
        <translation>
            <numerusform>%1، %2، اليوم</numerusform>
            <numerusform>%1، %2، منذ يوم واحد</numerusform>
            <numerusform>%1، %2، منذ يومين</numerusform>
            <numerusform>%1، %2، منذ %Ln أيام</numerusform>
            <numerusform>%1، %2، منذ %Ln يومًا</numerusform>
            <numerusform>%1، %2، منذ %Ln يوم</numerusform>
        </translation>
    </message>
    <message id="page.countdownToday">
        <source>%1, %2, today</source>
        <translation>%1، %2، اليوم</translation>
    </message>
    <message id="page.countup">
        <source>%1, day %3 since %2</source>
        <translation>%1، اليوم %3 منذ %2</translation>
    </message>
    <message id="page.countdownSpan">
        <source>%1, %2, %3 left</source>
        <translation>%1، %2، بقي %3</translation>
    </message>
    <message id="page.countdownPastSpan">
        <source>%1, %2, %3 ago</source>
        <translation>%1، %2، منذ %3</translation>
    </message>
    <message id="page.countupSpan">
        <source>%1, %3 since %2</source>
        <translation>%1، %3 منذ %2</translation>
    </message>
    <message id="notice.deleted">
        <source>“%1” deleted</source>
        <translation>تم حذف «%1»</translation>
    </message>
    <message id="notice.undo">
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message id="a11y.eventOf">
        <source>Event %1 of %2</source>
        <translation>الحدث %1 من %2</translation>
    </message>
    <message id="a11y.close">
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message id="a11y.openEvent">
        <source>Show this event</source>
        <translation>اعرض هذا الحدث</translation>
    </message>
    <message id="theme.1">
        <source>Peach</source>
        <translation>خوخي</translation>
    </message>
    <message id="theme.2">
        <source>Sky</source>
        <translation>سماء</translation>
    </message>
    <message id="theme.3">
        <source>Night</source>
        <translation>ليل</translation>
    </message>
    <message id="theme.4">
        <source>Mint</source>
        <translation>نعناع</translation>
    </message>
    <message id="theme.5">
        <source>Lavender</source>
        <translation>خزامى</translation>
    </message>
    <message id="theme.1001">
        <source>Birthday</source>
        <translation>عيد ميلاد</translation>
    </message>
    <message id="theme.1002">
        <source>Home</source>
        <translation>المنزل</translation>
    </message>
    <message id="theme.1003">
        <source>Love</source>
        <translation>حب</translation>
    </message>
    <message id="theme.1004">
        <source>Vacation</source>
        <translation>عطلة</translation>
    </message>
    <message id="theme.1005">
        <source>Celebration</source>
        <translation>احتفال</translation>
    </message>
    <message id="theme.1006">
        <source>Quitting smoking</source>
        <translation>الإقلاع عن التدخين</translation>
    </message>
    <message id="theme.1007">
        <source>Get well</source>
        <translation>تمنياتي بالشفاء</translation>
    </message>
    <message id="theme.1008">
        <source>Exam</source>
        <translation>امتحان</translation>
    </message>
    <message id="theme.1009">
        <source>Moving house</source>
        <translation>الانتقال إلى منزل جديد</translation>
    </message>
    <message id="theme.other">
        <source>Theme %1</source>
        <translation>السمة %1</translation>
    </message>
    <message id="a11y.day">
        <source>Day</source>
        <translation>اليوم</translation>
    </message>
    <message id="a11y.month">
        <source>Month</source>
        <translation>الشهر</translation>
    </message>
    <message id="a11y.minute">
        <source>Minute</source>
        <translation>الدقيقة</translation>
    </message>
    <message id="a11y.hour">
        <source>Hour</source>
        <translation>الساعة</translation>
    </message>
    <message id="a11y.year">
        <source>Year</source>
        <translation>السنة</translation>
    </message>
    <message id="a11y.direction">
        <source>Count direction</source>
        <translation>اتجاه العد</translation>
    </message>
    <message id="a11y.theme">
        <source>Theme</source>
        <translation>السمة</translation>
    </message>
    <message id="Repeat.yearly">
        <source>Every year</source>
        <translation>كل سنة</translation>
    </message>
    <message id="Occurrence.year">
        <source>%1 year</source>
        <translation>السنة %1</translation>
    </message>
    <message id="Transfer.exportCalendar">
        <source>Export to a calendar file</source>
        <translation>تصدير إلى ملف تقويم</translation>
    </message>
    <message id="Transfer.importCalendar">
        <source>Import from a calendar file</source>
        <translation>استيراد من ملف تقويم</translation>
    </message>
    <message id="Transfer.backUp">
        <source>Back up events</source>
        <translation>نسخ الأحداث احتياطيًا</translation>
    </message>
    <message id="Transfer.restore">
        <source>Restore events</source>
        <translation>استعادة الأحداث</translation>
    </message>
    <message id="Transfer.fileNotWritten">
        <source>The file could not be written</source>
        <translation>تعذّرت كتابة الملف</translation>
    </message>
    <message id="Transfer.targetLink">
        <source>It is a symbolic link; choose the file it points to</source>
        <translation>إنه رابط رمزي؛ اختر الملف الذي يشير إليه</translation>
    </message>
    <message id="Transfer.targetFolder">
        <source>It is a folder</source>
        <translation>إنه مجلد</translation>
    </message>
    <message id="Transfer.targetSpecial">
        <source>It is no plain file (a device or a pipe)</source>
        <translation>ليس ملفًا عاديًا (جهاز أو أنبوب)</translation>
    </message>
    <message id="Transfer.summary">
        <source>%1 added, %2 skipped, %3 refused</source>
        <translation>أُضيف: %1، تُخطّي: %2، رُفض: %3</translation>
    </message>
    <message id="Transfer.sameEvent">
        <source>already in the list</source>
        <translation>موجود في القائمة بالفعل</translation>
    </message>
    <message id="Transfer.sameTitleAndDate">
        <source>an event of that title and date is in the list</source>
        <translation>يوجد في القائمة حدث بهذا العنوان والتاريخ</translation>
    </message>
    <message id="Transfer.listFull">
        <source>the list already holds %1 events</source>
        <translation>القائمة تضم بالفعل %1 حدثًا</translation>
    </message>
    <message id="Transfer.noTitle">
        <source>it has no title</source>
        <translation>ليس له عنوان</translation>
    </message>
    <message id="Transfer.noDate">
        <source>it has no date Tallowick can count</source>
        <translation>ليس له تاريخ يستطيع Tallowick عدّه</translation>
    </message>
    <message id="Transfer.otherRepeat">
        <source>it repeats in a way Tallowick cannot follow</source>
        <translation>يتكرر بطريقة لا يستطيع Tallowick اتباعها</translation>
    </message>
    <message id="Transfer.cancelled">
        <source>it is cancelled</source>
        <translation>إنه ملغى</translation>
    </message>
    <message id="Transfer.oneOccurrence">
        <source>it changes one occurrence of a series</source>
        <translation>يغيّر تكرارًا واحدًا من سلسلة</translation>
    </message>
    <message id="Transfer.notAnEvent">
        <source>it is not a complete event</source>
        <translation>ليس حدثًا كاملًا</translation>
    </message>
    <message id="Transfer.unknownTheme">
        <source>its theme is none of Tallowick's</source>
        <translation>سمته ليست من سمات Tallowick</translation>
    </message>
    <message id="Transfer.notAColour">
        <source>one of its colours is no colour</source>
        <translation>أحد ألوانه ليس لونًا</translation>
    </message>
    <message id="Transfer.unknownReminder">
        <source>its reminder is none of Tallowick's</source>
        <translation>تذكيره ليس من تذكيرات Tallowick</translation>
    </message>
    <message id="Transfer.countUpRepeats">
        <source>a count-up event cannot repeat every year</source>
        <translation>لا يمكن لحدث يعد تصاعديًا أن يتكرر كل عام</translation>
    </message>
    <message id="Transfer.remindersWaiting">
        <source>Reminders start once notifications are allowed</source>
        <translation>تبدأ التذكيرات بعد السماح بالإشعارات</translation>
    </message>
    <message id="Transfer.changedInFile">
        <source>in the list, but the file has another version</source>
        <translation>موجود في القائمة، لكن للملف نسخة أخرى منه</translation>
    </message>
    <message id="Transfer.summaryUpdated">
        <source>%1, %2 updated</source>
        <translation>%1، حُدّث: %2</translation>
    </message>
    <message id="Transfer.field.title">
        <source>title</source>
        <translation>العنوان</translation>
    </message>
    <message id="Transfer.field.date">
        <source>date</source>
        <translation>التاريخ</translation>
    </message>
    <message id="Transfer.field.yearly">
        <source>repeating every year</source>
        <translation>التكرار السنوي</translation>
    </message>
    <message id="Transfer.field.reminder">
        <source>reminders</source>
        <translation>التذكيرات</translation>
    </message>
    <message id="Transfer.updateChanged" numerus="yes">
        <source>Update %n changed event(s)</source>
        <translation>
            <numerusform>لا أحداث متغيّرة للتحديث</numerusform>
            <numerusform>تحديث حدث متغيّر واحد</numerusform>
            <numerusform>تحديث حدثين متغيّرين</numerusform>
            <numerusform>تحديث %n أحداث متغيّرة</numerusform>
            <numerusform>تحديث %n حدثًا متغيّرًا</numerusform>
            <numerusform>تحديث %n حدث متغيّر</numerusform>
        </translation>
    </message>
    <message id="Transfer.fileUnreadable">
        <source>The file cannot be read</source>
        <translation>تتعذّر قراءة الملف</translation>
    </message>
    <message id="Transfer.fileTooLarge">
        <source>The file is too large</source>
        <translation>الملف كبير جدًا</translation>
    </message>
    <message id="Transfer.fileNotCalendar">
        <source>The file is no calendar, or it is damaged</source>
        <translation>الملف ليس تقويمًا أو أنه تالف</translation>
    </message>
    <message id="Transfer.fileNotBackup">
        <source>The file is no Tallowick backup, or it is damaged</source>
        <translation>الملف ليس نسخة احتياطية من Tallowick أو أنه تالف</translation>
    </message>
    <message id="Transfer.fileNewer">
        <source>The backup was made by a newer Tallowick</source>
        <translation>أُنشئت النسخة الاحتياطية بإصدار أحدث من Tallowick</translation>
    </message>
    <message id="Transfer.notSaved">
        <source>The events could not be saved</source>
        <translation>تعذّر حفظ الأحداث</translation>
    </message>
    <message id="form.repeatsYearly">
        <source>Repeats every year</source>
        <translation>يتكرر كل سنة</translation>
    </message>
    <message id="form.countIn">
        <source>Count in</source>
        <translation>وحدة العدّ</translation>
    </message>
    <message id="form.unitDays">
        <source>Days</source>
        <translation>أيام</translation>
    </message>
    <message id="form.unitWeeks">
        <source>Weeks</source>
        <translation>أسابيع</translation>
    </message>
    <message id="form.unitMonths">
        <source>Months</source>
        <translation>أشهر</translation>
    </message>
    <message id="form.unitYears">
        <source>Years</source>
        <translation>سنوات</translation>
    </message>
    <message id="Transfer.exported">
        <source>Events written: %1</source>
        <translation>الأحداث المكتوبة: %1</translation>
    </message>
    <message id="Transfer.calendarFiles">
        <source>Calendar files</source>
        <translation>ملفات التقويم</translation>
    </message>
    <message id="Transfer.backupFiles">
        <source>Tallowick backups</source>
        <translation>نسخ Tallowick الاحتياطية</translation>
    </message>
    <message id="Sync.open">
        <source>Sync with a calendar server</source>
        <translation>المزامنة مع خادم تقويم</translation>
    </message>
    <message id="Sync.title">
        <source>Sync</source>
        <translation>المزامنة</translation>
    </message>
    <message id="Sync.intro">
        <source>Your events go to a calendar on your own CalDAV server, and from there to your other devices and calendar apps.</source>
        <translation>تذهب أحداثك إلى تقويم على خادم CalDAV الخاص بك، ومنه إلى أجهزتك الأخرى وتطبيقات التقويم.</translation>
    </message>
    <message id="Sync.server">
        <source>Server address</source>
        <translation>عنوان الخادم</translation>
    </message>
    <message id="Sync.user">
        <source>User name</source>
        <translation>اسم المستخدم</translation>
    </message>
    <message id="Sync.password">
        <source>Password</source>
        <translation>كلمة المرور</translation>
    </message>
    <message id="Sync.calendar">
        <source>Calendar</source>
        <translation>التقويم</translation>
    </message>
    <message id="Sync.setUp">
        <source>Set up sync</source>
        <translation>إعداد المزامنة</translation>
    </message>
    <message id="Sync.now">
        <source>Sync now</source>
        <translation>زامِن الآن</translation>
    </message>
    <message id="Sync.turnOff">
        <source>Turn off sync</source>
        <translation>إيقاف المزامنة</translation>
    </message>
    <message id="Sync.waiting" numerus="yes">
        <source>%n change(s) waiting to go up</source>
        <translation>
            <numerusform>لا تغييرات بانتظار الرفع</numerusform>
            <numerusform>تغيير واحد بانتظار الرفع</numerusform>
            <numerusform>تغييران بانتظار الرفع</numerusform>
            <numerusform>%n تغييرات بانتظار الرفع</numerusform>
            <numerusform>%n تغييرًا بانتظار الرفع</numerusform>
            <numerusform>%n تغيير بانتظار الرفع</numerusform>
        </translation>
    </message>
    <message id="Sync.whenToday">
        <source>today at %1</source>
        <translation>اليوم الساعة %1</translation>
    </message>
    <message id="Sync.whenYesterday">
        <source>yesterday at %1</source>
        <translation>أمس الساعة %1</translation>
    </message>
    <message id="Sync.whenDate">
        <source>on %1 at %2</source>
        <translation>%1 الساعة %2</translation>
    </message>
    <message id="Sync.stateUnreadable">
        <source>The record of the last sync cannot be read.</source>
        <translation>تعذّرت قراءة سجل آخر مزامنة.</translation>
    </message>
    <message id="Sync.notYet">
        <source>Not synced yet.</source>
        <translation>لم تتم المزامنة بعد.</translation>
    </message>
    <message id="Sync.lastSyncedWith">
        <source>Last synced %1: %2.</source>
        <translation>آخر مزامنة %1: %2.</translation>
    </message>
    <message id="Sync.lastFailed">
        <source>Last sync failed %1.</source>
        <translation>فشلت المزامنة %1.</translation>
    </message>
    <message id="Sync.lastFailedWith">
        <source>Last sync failed %1: %2.</source>
        <translation>فشلت المزامنة %1: %2.</translation>
    </message>
    <message id="Sync.fieldsMissing">
        <source>Fill in the server address, user name and password.</source>
        <translation>املأ عنوان الخادم واسم المستخدم وكلمة المرور.</translation>
    </message>
    <message id="Sync.settingUp">
        <source>Setting up sync…</source>
        <translation>جارٍ إعداد المزامنة…</translation>
    </message>
    <message id="Sync.syncing">
        <source>Syncing…</source>
        <translation>جارٍ المزامنة…</translation>
    </message>
    <message id="Sync.turningOff">
        <source>Turning off sync…</source>
        <translation>جارٍ إيقاف المزامنة…</translation>
    </message>
    <message id="Sync.stillOn">
        <source>Sync is still on: its files could not be removed.</source>
        <translation>المزامنة ما زالت تعمل: تعذّر حذف ملفاتها.</translation>
    </message>
    <message id="Sync.passwordLeft">
        <source>Sync is off, but its password stays in the keyring.</source>
        <translation>أُوقفت المزامنة، لكن كلمة مرورها باقية في حلقة المفاتيح.</translation>
    </message>
    <message id="Sync.off">
        <source>Sync is off. Your events stay on this device.</source>
        <translation>المزامنة متوقفة. تبقى أحداثك على هذا الجهاز.</translation>
    </message>
    <message id="Sync.upToDate">
        <source>everything is up to date</source>
        <translation>كل شيء محدَّث</translation>
    </message>
    <message id="Sync.sent" numerus="yes">
        <source>%n sent</source>
        <translation>
            <numerusform>لم يُرسَل شيء</numerusform>
            <numerusform>أُرسل %n</numerusform>
            <numerusform>أُرسل اثنان</numerusform>
            <numerusform>أُرسلت %n</numerusform>
            <numerusform>أُرسل %n</numerusform>
            <numerusform>أُرسل %n</numerusform>
        </translation>
    </message>
    <message id="Sync.received" numerus="yes">
        <source>%n received</source>
        <translation>
            <numerusform>لم يُستلَم شيء</numerusform>
            <numerusform>اُستلم %n</numerusform>
            <numerusform>اُستلم اثنان</numerusform>
            <numerusform>اُستلمت %n</numerusform>
            <numerusform>اُستلم %n</numerusform>
            <numerusform>اُستلم %n</numerusform>
        </translation>
    </message>
    <message id="Sync.conflicts">
        <source>changed on both devices, the server&apos;s version kept: %1</source>
        <translation>تغيّر على الجهازين، وأُبقيت نسخة الخادم: %1</translation>
    </message>
    <message id="Sync.moreOnServer" numerus="yes">
        <source>%n more on the server than the list has room for</source>
        <translation>
            <numerusform>لا شيء آخر على الخادم</numerusform>
            <numerusform>واحد آخر على الخادم لا يتسع له القائمة</numerusform>
            <numerusform>اثنان آخران على الخادم لا تتسع لهما القائمة</numerusform>
            <numerusform>%n أخرى على الخادم لا تتسع لها القائمة</numerusform>
            <numerusform>%n أخرى على الخادم لا تتسع لها القائمة</numerusform>
            <numerusform>%n أخرى على الخادم لا تتسع لها القائمة</numerusform>
        </translation>
    </message>
    <message id="Sync.unreadable" numerus="yes">
        <source>%n calendar entries could not be shown</source>
        <translation>
            <numerusform>لا توجد إدخالات تقويم تعذّر عرضها</numerusform>
            <numerusform>تعذّر عرض إدخال تقويم واحد</numerusform>
            <numerusform>تعذّر عرض إدخالَي تقويم</numerusform>
            <numerusform>تعذّر عرض %n إدخالات تقويم</numerusform>
            <numerusform>تعذّر عرض %n إدخالًا من التقويم</numerusform>
            <numerusform>تعذّر عرض %n إدخال تقويم</numerusform>
        </translation>
    </message>
    <message id="Sync.failedAuth">
        <source>the server refused the user name or password</source>
        <translation>رفض الخادم اسم المستخدم أو كلمة المرور</translation>
    </message>
    <message id="Sync.failedReadOnly">
        <source>the calendar is read-only</source>
        <translation>التقويم للقراءة فقط</translation>
    </message>
    <message id="Sync.failedQuota">
        <source>the server has no room left</source>
        <translation>لم تبقَ مساحة على الخادم</translation>
    </message>
    <message id="Sync.failedPassword">
        <source>the password could not be found; set sync up again</source>
        <translation>تعذّر العثور على كلمة المرور؛ أعد إعداد المزامنة</translation>
    </message>
    <message id="Sync.noKeyring">
        <source>No keyring is running on this desktop, so the password cannot be kept. Nothing was saved.</source>
        <translation>لا تعمل حلقة مفاتيح على سطح المكتب هذا، فلا يمكن حفظ كلمة المرور. لم يُحفظ شيء.</translation>
    </message>
    <message id="Sync.setUpDone">
        <source>Syncing with the calendar “%1”.</source>
        <translation>تجري المزامنة مع التقويم «%1».</translation>
    </message>
</context>
</TS>
