<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh">
<context>
    <name></name>
    <message id="Notification.today">
        <source>Today is the day!</source>
        <translation>就是今天！</translation>
    </message>
    <message id="Notification.daysleft" numerus="yes">
        <source>%n day(s) left</source>
        <translation>
            <numerusform>还有%n天</numerusform>
        </translation>
    </message>
    <message id="Setting.notification">
        <source>Reminders</source>
        <translation>提醒</translation>
    </message>
    <message id="Setting.notiTime">
        <source>Reminders arrive at %1.</source>
        <translation>提醒会在%1送达。</translation>
    </message>
    <message id="Setting.reminderTime">
        <source>Time of reminders</source>
        <translation>提醒时间</translation>
    </message>
    <message id="Setting.notiDayOption1">
        <source>On the day</source>
        <translation>当天</translation>
    </message>
    <message id="Setting.notiDayOption2">
        <source>3 days before</source>
        <translation>提前3天</translation>
    </message>
    <message id="Setting.notiDayOption3">
        <source>7 days before</source>
        <translation>提前7天</translation>
    </message>
    <message id="Setting.notiDayOption4">
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message id="Setting.permission">
        <source>Notifications are off</source>
        <translation>通知已关闭</translation>
    </message>
    <message id="Setting.permissionCopy">
        <source>Reminders from Tallowick are turned off. Turn them on in Tallowick's notification settings.</source>
        <translation>Tallowick 的提醒已关闭。请在 Tallowick 的通知设置中打开。</translation>
    </message>
    <message id="OK">
        <source>OK</source>
        <translation>好</translation>
    </message>
    <message id="Setting.rateUs">
        <source>Enjoying Tallowick?</source>
        <translation>喜欢 Tallowick 吗？</translation>
    </message>
    <message id="Setting.reviewCopy">
        <source>A short review helps us make Tallowick even better.</source>
        <translation>一条简短的评价，就能帮助我们把 Tallowick 做得更好。</translation>
    </message>
    <message id="Setting.review">
        <source>Write a review</source>
        <translation>写评价</translation>
    </message>
    <message id="Setting.studio">
        <source>Ostra Studio</source>
        <translation>Ostra Studio</translation>
    </message>
    <message id="Setting.notificationsPage">
        <source>Notifications</source>
        <translation>通知</translation>
    </message>
    <message id="Setting.allowNotifications">
        <source>Allow notifications</source>
        <translation>允许通知</translation>
    </message>
    <message id="Setting.startAtLogin">
        <source>Start at login</source>
        <translation>登录时启动</translation>
    </message>
    <message id="Setting.startAtLoginNote">
        <source>Reminders and widgets keep coming after you log out and in.</source>
        <translation>注销并重新登录后，提醒和小组件仍会继续。</translation>
    </message>
    <message id="Permission.title">
        <source>Allow reminders?</source>
        <translation>允许发送提醒吗？</translation>
    </message>
    <message id="Permission.message">
        <source>Tallowick sends reminders at %1 on the days you choose.</source>
        <translation>Tallowick 会在你选择的日子的%1发送提醒。</translation>
    </message>
    <message id="Permission.allow">
        <source>Allow</source>
        <translation>允许</translation>
    </message>
    <message id="Permission.deny">
        <source>Don't Allow</source>
        <translation>不允许</translation>
    </message>
    <message id="Permission.openSettings">
        <source>Open Settings</source>
        <translation>打开设置</translation>
    </message>
    <message id="add.title">
        <source>New Event</source>
        <translation>新建事件</translation>
    </message>
    <message id="edit.title">
        <source>Edit Event</source>
        <translation>编辑事件</translation>
    </message>
    <message id="common.eventTitle">
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message id="common.day">
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message id="common.color">
        <source>Color</source>
        <translation>颜色</translation>
    </message>
    <message id="button.save">
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message id="button.cancel">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="add.countdown">
        <source>Count down</source>
        <translation>倒计时</translation>
    </message>
    <message id="add.countup">
        <source>Count up</source>
        <translation>正计时</translation>
    </message>
    <message id="You can't delete the last one">
        <source>You can't delete the last one</source>
        <translation>无法删除最后一个事件</translation>
    </message>
    <message id="Please create a new one first">
        <source>Please create a new one first</source>
        <translation>请先新建一个事件</translation>
    </message>
    <message id="Can't add a new event">
        <source>Can't add a new event</source>
        <translation>无法添加新事件</translation>
    </message>
    <message id="You exceed the max number of events. ">
        <source>You exceed the max number of events. </source>
        <translation>事件数量已达上限。</translation>
    </message>
    <message id="Something went wrong">
        <source>Something went wrong</source>
        <translation>出了点问题</translation>
    </message>
    <message id="Please restart the app">
        <source>Please restart the app</source>
        <translation>请重新启动应用</translation>
    </message>
    <message id="The change was not saved">
        <source>The change was not saved</source>
        <translation>更改未保存</translation>
    </message>
    <message id="Tallowick">
        <source>Tallowick</source>
        <translation>Tallowick</translation>
    </message>
    <message id="Keep track of your upcoming events.">
        <source>Keep track of your upcoming events.</source>
        <translation>随时掌握即将到来的日子。</translation>
    </message>
    <message id="days" numerus="yes">
        <source>days</source>
        <translation>
            <numerusform>天</numerusform>
        </translation>
    </message>
    <message id="days left" numerus="yes">
        <source>days left</source>
        <translation>
            <numerusform>天后</numerusform>
        </translation>
    </message>
    <message id="unit.left">
        <source>%1 left</source>
        <translation>%1后</translation>
    </message>
    <message id="Event.days" numerus="yes">
        <source>days</source>
        <translation>
            <numerusform>天</numerusform>
        </translation>
    </message>
    <message id="Event.daysLeft" numerus="yes">
        <source>days left</source>
        <translation>
            <numerusform>天后</numerusform>
        </translation>
    </message>
    <message id="Sorry">
        <source>Sorry, this size isn't available</source>
        <translation>抱歉，暂不支持此尺寸</translation>
    </message>
    <message id="Home.chooseEvent">
        <source>Choose event</source>
        <translation>选择事件</translation>
    </message>
    <message id="Home.size">
        <source>Size</source>
        <translation>尺寸</translation>
    </message>
    <message id="Home.small">
        <source>Small</source>
        <translation>小</translation>
    </message>
    <message id="Home.medium">
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message id="Home.large">
        <source>Large</source>
        <translation>大</translation>
    </message>
    <message id="Home.remove">
        <source>Remove widget</source>
        <translation>移除小组件</translation>
    </message>
    <message id="Home.noEvents">
        <source>No events yet</source>
        <translation>还没有事件</translation>
    </message>
    <message id="Home.addWidget">
        <source>Add Widget…</source>
        <translation>添加小组件…</translation>
    </message>
    <message id="Home.quit">
        <source>Quit Home Screen</source>
        <translation>退出主屏幕</translation>
    </message>
    <message id="Home.addWindowTitle">
        <source>Add a Widget</source>
        <translation>添加小组件</translation>
    </message>
    <message id="Home.addHeading">
        <source>Put an event on your desktop</source>
        <translation>把一个事件放到桌面上</translation>
    </message>
    <message id="Home.addIntro">
        <source>Choose the widget's size and the event it shows. Right-click the widget later to change them, add another or quit.</source>
        <translation>选择小组件的尺寸和要显示的事件。之后右键点击小组件，即可更改、再添加一个或退出。</translation>
    </message>
    <message id="Home.event">
        <source>Event</source>
        <translation>事件</translation>
    </message>
    <message id="Home.preview">
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message id="Home.addButton">
        <source>Add Widget</source>
        <translation>添加小组件</translation>
    </message>
    <message id="Home.close">
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message id="OstraApps">
        <source>Ostra Apps</source>
        <translation>Ostra 的其他应用</translation>
    </message>
    <message id="Mossling.title">
        <source>Plant care made easy</source>
        <translation>轻松养护植物</translation>
    </message>
    <message id="Mossling.sub">
        <source>Reminds you when your plants need water.</source>
        <translation>该给植物浇水时提醒你。</translation>
    </message>
    <message id="Tidewell.title">
        <source>Drink more water</source>
        <translation>每天多喝水</translation>
    </message>
    <message id="Tidewell.sub">
        <source>Log every glass and reach your daily goal.</source>
        <translation>记录每一杯水，轻松完成每日目标。</translation>
    </message>
    <message id="Quillo.title">
        <source>A diary in one line</source>
        <translation>一句话日记</translation>
    </message>
    <message id="Quillo.sub">
        <source>Write one line a day and look back anytime.</source>
        <translation>每天写一句，随时回顾。</translation>
    </message>
    <message id="Fernlet.title">
        <source>Grow small habits</source>
        <translation>养成好习惯</translation>
    </message>
    <message id="Fernlet.sub">
        <source>Check off habits and watch your streaks grow.</source>
        <translation>每日打卡，看着连续天数不断增长。</translation>
    </message>
    <message id="Hushpot.title">
        <source>Calm sounds for sleep</source>
        <translation>助眠好声音</translation>
    </message>
    <message id="Hushpot.sub">
        <source>Mix rain, wind and waves to drift off.</source>
        <translation>混合雨声、风声和海浪声，安然入睡。</translation>
    </message>
    <message id="Cobblyn.title">
        <source>Your pocket budget</source>
        <translation>口袋记账本</translation>
    </message>
    <message id="Cobblyn.sub">
        <source>Track your spending with a single tap.</source>
        <translation>轻点一下，即可记下每笔开销。</translation>
    </message>
    <message id="Wrennie.title">
        <source>Wake up to birdsong</source>
        <translation>在鸟鸣中醒来</translation>
    </message>
    <message id="Wrennie.sub">
        <source>A gentle alarm with real bird calls.</source>
        <translation>用真实鸟鸣温柔唤醒你的闹钟。</translation>
    </message>
    <message id="Glimmo.title">
        <source>Moments in frames</source>
        <translation>把美好装进相框</translation>
    </message>
    <message id="Glimmo.sub">
        <source>Dress up your photos with cute frames.</source>
        <translation>用可爱的相框装点你的照片。</translation>
    </message>
    <message id="Plumtide.title">
        <source>Recipes for every day</source>
        <translation>每日食谱</translation>
    </message>
    <message id="Plumtide.sub">
        <source>Save favourite recipes and plan your meals.</source>
        <translation>收藏喜欢的食谱，轻松安排一日三餐。</translation>
    </message>
    <message id="Home.firstEvent">
        <source>First event</source>
        <translation>第一个事件</translation>
    </message>
    <message id="Delete">
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message id="Reorder">
        <source>Reorder</source>
        <translation>调整顺序</translation>
    </message>
    <message id="Close">
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message id="All events">
        <source>All events</source>
        <translation>所有事件</translation>
    </message>
    <message id="Page %1 of %2">
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
    <message id="notice.deletedElsewhere">
        <source>This event was deleted in another window or program.</source>
        <translation>此事件已在其他窗口或程序中删除。</translation>
    </message>
    <message id="share.title">
        <source>Add a shared event</source>
        <translation>添加共享的事件</translation>
    </message>
    <message id="share.takenTitle">
        <source>Already in your list</source>
        <translation>已在列表中</translation>
    </message>
    <message id="share.takenCopy">
        <source>An event with this title is already in your list. Give this one another title to add it too.</source>
        <translation>列表中已有同名的事件。如需添加，请换一个标题。</translation>
    </message>
    <message id="Notification.open">
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message id="Setting.openNotificationSettings">
        <source>Notification settings</source>
        <translation>通知设置</translation>
    </message>
    <message id="Setting.waitingForPermission">
        <source>Waiting for permission: this reminder starts once notifications are allowed. Click to allow them.</source>
        <translation>等待许可：允许通知后，此提醒才会开始。点击以允许。</translation>
    </message>
    <message id="Repeat.yearly">
        <source>Every year</source>
        <translation>每年重复</translation>
    </message>
    <message id="Occurrence.year">
        <source>%1 year</source>
        <translation>%1年</translation>
    </message>
    <message id="Transfer.exportCalendar">
        <source>Export to a calendar file</source>
        <translation>导出为日历文件</translation>
    </message>
    <message id="Transfer.importCalendar">
        <source>Import from a calendar file</source>
        <translation>从日历文件导入</translation>
    </message>
    <message id="Transfer.backUp">
        <source>Back up events</source>
        <translation>备份事件</translation>
    </message>
    <message id="Transfer.restore">
        <source>Restore events</source>
        <translation>恢复事件</translation>
    </message>
    <message id="Transfer.fileNotWritten">
        <source>The file could not be written</source>
        <translation>无法写入文件</translation>
    </message>
    <message id="Transfer.targetLink">
        <source>It is a symbolic link; choose the file it points to</source>
        <translation>这是一个符号链接；请选择它指向的文件</translation>
    </message>
    <message id="Transfer.targetFolder">
        <source>It is a folder</source>
        <translation>这是一个文件夹</translation>
    </message>
    <message id="Transfer.targetSpecial">
        <source>It is no plain file (a device or a pipe)</source>
        <translation>这不是普通文件（设备或管道）</translation>
    </message>
    <message id="Transfer.summary">
        <source>%1 added, %2 skipped, %3 refused</source>
        <translation>已添加 %1 个，跳过 %2 个，拒绝 %3 个</translation>
    </message>
    <message id="Transfer.sameEvent">
        <source>already in the list</source>
        <translation>已在列表中</translation>
    </message>
    <message id="Transfer.sameTitleAndDate">
        <source>an event of that title and date is in the list</source>
        <translation>列表中已有相同标题和日期的事件</translation>
    </message>
    <message id="Transfer.listFull">
        <source>the list already holds %1 events</source>
        <translation>列表中已有 %1 个事件</translation>
    </message>
    <message id="Transfer.noTitle">
        <source>it has no title</source>
        <translation>没有标题</translation>
    </message>
    <message id="Transfer.noDate">
        <source>it has no date Tallowick can count</source>
        <translation>没有可计数的日期</translation>
    </message>
    <message id="Transfer.otherRepeat">
        <source>it repeats in a way Tallowick cannot follow</source>
        <translation>其重复方式 Tallowick 无法支持</translation>
    </message>
    <message id="Transfer.cancelled">
        <source>it is cancelled</source>
        <translation>已取消</translation>
    </message>
    <message id="Transfer.oneOccurrence">
        <source>it changes one occurrence of a series</source>
        <translation>是对重复日程中某一次的修改</translation>
    </message>
    <message id="Transfer.notAnEvent">
        <source>it is not a complete event</source>
        <translation>不是完整的事件</translation>
    </message>
    <message id="Transfer.unknownTheme">
        <source>its theme is none of Tallowick's</source>
        <translation>它的主题不是 Tallowick 的主题</translation>
    </message>
    <message id="Transfer.notAColour">
        <source>one of its colours is no colour</source>
        <translation>它的某个颜色不是颜色</translation>
    </message>
    <message id="Transfer.unknownReminder">
        <source>its reminder is none of Tallowick's</source>
        <translation>它的提醒不是 Tallowick 的提醒</translation>
    </message>
    <message id="Transfer.countUpRepeats">
        <source>a count-up event cannot repeat every year</source>
        <translation>正计时事件不能每年重复</translation>
    </message>
    <message id="Transfer.remindersWaiting">
        <source>Reminders start once notifications are allowed</source>
        <translation>允许通知后提醒才会开始</translation>
    </message>
    <message id="Transfer.changedInFile">
        <source>in the list, but the file has another version</source>
        <translation>已在列表中，但文件中的版本不同</translation>
    </message>
    <message id="Transfer.summaryUpdated">
        <source>%1, %2 updated</source>
        <translation>%1，更新 %2 个</translation>
    </message>
    <message id="Transfer.field.title">
        <source>title</source>
        <translation>标题</translation>
    </message>
    <message id="Transfer.field.date">
        <source>date</source>
        <translation>日期</translation>
    </message>
    <message id="Transfer.field.yearly">
        <source>repeating every year</source>
        <translation>每年重复</translation>
    </message>
    <message id="Transfer.field.reminder">
        <source>reminders</source>
        <translation>提醒</translation>
    </message>
    <message id="Transfer.updateChanged" numerus="yes">
        <source>Update %n changed event(s)</source>
        <translation>
            <numerusform>更新 %n 个已更改的事件</numerusform>
        </translation>
    </message>
    <message id="Transfer.fileUnreadable">
        <source>The file cannot be read</source>
        <translation>无法读取文件</translation>
    </message>
    <message id="Transfer.fileTooLarge">
        <source>The file is too large</source>
        <translation>文件太大</translation>
    </message>
    <message id="Transfer.fileNotCalendar">
        <source>The file is no calendar, or it is damaged</source>
        <translation>该文件不是日历文件，或已损坏</translation>
    </message>
    <message id="Transfer.fileNotBackup">
        <source>The file is no Tallowick backup, or it is damaged</source>
        <translation>该文件不是 Tallowick 备份，或已损坏</translation>
    </message>
    <message id="Transfer.fileNewer">
        <source>The backup was made by a newer Tallowick</source>
        <translation>此备份由较新版本的 Tallowick 创建</translation>
    </message>
    <message id="Transfer.notSaved">
        <source>The events could not be saved</source>
        <translation>无法保存事件</translation>
    </message>
    <message id="notice.deleted">
        <source>“%1” deleted</source>
        <translation>已删除“%1”</translation>
    </message>
    <message id="notice.undo">
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message id="a11y.eventOf">
        <source>Event %1 of %2</source>
        <translation>第 %1 个事件，共 %2 个</translation>
    </message>
    <message id="a11y.close">
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message id="a11y.openEvent">
        <source>Show this event</source>
        <translation>显示此事件</translation>
    </message>
    <message id="theme.1">
        <source>Peach</source>
        <translation>桃色</translation>
    </message>
    <message id="theme.2">
        <source>Sky</source>
        <translation>天空</translation>
    </message>
    <message id="theme.3">
        <source>Night</source>
        <translation>夜晚</translation>
    </message>
    <message id="theme.4">
        <source>Mint</source>
        <translation>薄荷</translation>
    </message>
    <message id="theme.5">
        <source>Lavender</source>
        <translation>薰衣草</translation>
    </message>
    <message id="theme.1001">
        <source>Birthday</source>
        <translation>生日</translation>
    </message>
    <message id="theme.1002">
        <source>Home</source>
        <translation>家</translation>
    </message>
    <message id="theme.1003">
        <source>Love</source>
        <translation>爱情</translation>
    </message>
    <message id="theme.1004">
        <source>Vacation</source>
        <translation>假期</translation>
    </message>
    <message id="theme.1005">
        <source>Celebration</source>
        <translation>庆祝</translation>
    </message>
    <message id="theme.1006">
        <source>Quitting smoking</source>
        <translation>戒烟</translation>
    </message>
    <message id="theme.1007">
        <source>Get well</source>
        <translation>早日康复</translation>
    </message>
    <message id="theme.1008">
        <source>Exam</source>
        <translation>考试</translation>
    </message>
    <message id="theme.1009">
        <source>Moving house</source>
        <translation>搬家</translation>
    </message>
    <message id="theme.other">
        <source>Theme %1</source>
        <translation>主题 %1</translation>
    </message>
    <message id="a11y.day">
        <source>Day</source>
        <translation>日</translation>
    </message>
    <message id="a11y.month">
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message id="a11y.minute">
        <source>Minute</source>
        <translation>分</translation>
    </message>
    <message id="a11y.hour">
        <source>Hour</source>
        <translation>时</translation>
    </message>
    <message id="a11y.year">
        <source>Year</source>
        <translation>年</translation>
    </message>
    <message id="a11y.direction">
        <source>Count direction</source>
        <translation>计数方向</translation>
    </message>
    <message id="a11y.theme">
        <source>Theme</source>
        <translation>主题</translation>
    </message>
    <message id="days ago" numerus="yes">
        <source>days ago</source>
        <translation>
            <numerusform>天前</numerusform>
        </translation>
    </message>
    <message id="unit.ago">
        <source>%1 ago</source>
        <translation>%1前</translation>
    </message>
    <message id="Event.daysAgo" numerus="yes">
        <source>days ago</source>
        <translation>
            <numerusform>天前</numerusform>
        </translation>
    </message>
    <message id="Event.today">
        <source>today</source>
        <translation>今天</translation>
    </message>
    <message id="Widget.sampleTitle">
        <source>Your Event Title</source>
        <translation>你的事件标题</translation>
    </message>
    <message id="DateData.newYear">
        <source>New Year</source>
        <translation>新年</translation>
    </message>
    <message id="DateData.summerTrip">
        <source>Summer trip</source>
        <translation>夏日旅行</translation>
    </message>
    <message id="DateData.together">
        <source>Together</source>
        <translation>在一起</translation>
    </message>
    <message id="page.countdown" numerus="yes">
        <source>%1, %2, %Ln day(s) left</source>
        <translation>
            <numerusform>%1，%2，还有 %Ln 天</numerusform>
        </translation>
    </message>
    <message id="page.countdownPast" numerus="yes">
        <source>%1, %2, %Ln day(s) ago</source>
        <translation>
            <numerusform>%1，%2，%Ln 天前</numerusform>
        </translation>
    </message>
    <message id="page.countdownToday">
        <source>%1, %2, today</source>
        <translation>%1，%2，就是今天</translation>
    </message>
    <message id="page.countup">
        <source>%1, day %3 since %2</source>
        <translation>%1，自%2起第 %3 天</translation>
    </message>
    <message id="page.countdownSpan">
        <source>%1, %2, %3 left</source>
        <translation>%1，%2，还有 %3</translation>
    </message>
    <message id="page.countdownPastSpan">
        <source>%1, %2, %3 ago</source>
        <translation>%1，%2，%3前</translation>
    </message>
    <message id="page.countupSpan">
        <source>%1, %3 since %2</source>
        <translation>%1，自%2起已过 %3</translation>
    </message>
    <message id="form.repeatsYearly">
        <source>Repeats every year</source>
        <translation>每年重复</translation>
    </message>
    <message id="form.countIn">
        <source>Count in</source>
        <translation>显示单位</translation>
    </message>
    <message id="form.unitDays">
        <source>Days</source>
        <translation>天</translation>
    </message>
    <message id="form.unitWeeks">
        <source>Weeks</source>
        <translation>周</translation>
    </message>
    <message id="form.unitMonths">
        <source>Months</source>
        <translation>月</translation>
    </message>
    <message id="form.unitYears">
        <source>Years</source>
        <translation>年</translation>
    </message>
    <message id="Transfer.exported">
        <source>Events written: %1</source>
        <translation>已写入的事件：%1</translation>
    </message>
    <message id="Transfer.calendarFiles">
        <source>Calendar files</source>
        <translation>日历文件</translation>
    </message>
    <message id="Transfer.backupFiles">
        <source>Tallowick backups</source>
        <translation>Tallowick 备份</translation>
    </message>
    <message id="Sync.open">
        <source>Sync with a calendar server</source>
        <translation>与日历服务器同步</translation>
    </message>
    <message id="Sync.title">
        <source>Sync</source>
        <translation>同步</translation>
    </message>
    <message id="Sync.intro">
        <source>Your events go to a calendar on your own CalDAV server, and from there to your other devices and calendar apps.</source>
        <translation>你的事件会存到你自己的 CalDAV 服务器上的日历中，再从那里同步到你的其他设备和日历应用。</translation>
    </message>
    <message id="Sync.server">
        <source>Server address</source>
        <translation>服务器地址</translation>
    </message>
    <message id="Sync.user">
        <source>User name</source>
        <translation>用户名</translation>
    </message>
    <message id="Sync.password">
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message id="Sync.calendar">
        <source>Calendar</source>
        <translation>日历</translation>
    </message>
    <message id="Sync.setUp">
        <source>Set up sync</source>
        <translation>设置同步</translation>
    </message>
    <message id="Sync.now">
        <source>Sync now</source>
        <translation>立即同步</translation>
    </message>
    <message id="Sync.turnOff">
        <source>Turn off sync</source>
        <translation>关闭同步</translation>
    </message>
    <message id="Sync.waiting" numerus="yes">
        <source>%n change(s) waiting to go up</source>
        <translation>
            <numerusform>%n 项更改等待上传</numerusform>
        </translation>
    </message>
    <message id="Sync.whenToday">
        <source>today at %1</source>
        <translation>今天 %1</translation>
    </message>
    <message id="Sync.whenYesterday">
        <source>yesterday at %1</source>
        <translation>昨天 %1</translation>
    </message>
    <message id="Sync.whenDate">
        <source>on %1 at %2</source>
        <translation>%1 %2</translation>
    </message>
    <message id="Sync.stateUnreadable">
        <source>The record of the last sync cannot be read.</source>
        <translation>无法读取上次同步的记录。</translation>
    </message>
    <message id="Sync.notYet">
        <source>Not synced yet.</source>
        <translation>尚未同步。</translation>
    </message>
    <message id="Sync.lastSyncedWith">
        <source>Last synced %1: %2.</source>
        <translation>上次同步：%1，%2。</translation>
    </message>
    <message id="Sync.lastFailed">
        <source>Last sync failed %1.</source>
        <translation>同步失败（%1）。</translation>
    </message>
    <message id="Sync.lastFailedWith">
        <source>Last sync failed %1: %2.</source>
        <translation>同步失败（%1）：%2。</translation>
    </message>
    <message id="Sync.fieldsMissing">
        <source>Fill in the server address, user name and password.</source>
        <translation>请填写服务器地址、用户名和密码。</translation>
    </message>
    <message id="Sync.settingUp">
        <source>Setting up sync…</source>
        <translation>正在设置同步…</translation>
    </message>
    <message id="Sync.syncing">
        <source>Syncing…</source>
        <translation>正在同步…</translation>
    </message>
    <message id="Sync.turningOff">
        <source>Turning off sync…</source>
        <translation>正在关闭同步…</translation>
    </message>
    <message id="Sync.stillOn">
        <source>Sync is still on: its files could not be removed.</source>
        <translation>同步仍处于开启状态：无法删除其文件。</translation>
    </message>
    <message id="Sync.passwordLeft">
        <source>Sync is off, but its password stays in the keyring.</source>
        <translation>同步已关闭，但其密码仍保留在密钥环中。</translation>
    </message>
    <message id="Sync.off">
        <source>Sync is off. Your events stay on this device.</source>
        <translation>同步已关闭。你的事件会保留在此设备上。</translation>
    </message>
    <message id="Sync.upToDate">
        <source>everything is up to date</source>
        <translation>一切都是最新的</translation>
    </message>
    <message id="Sync.sent" numerus="yes">
        <source>%n sent</source>
        <translation>
            <numerusform>已发送 %n 项</numerusform>
        </translation>
    </message>
    <message id="Sync.received" numerus="yes">
        <source>%n received</source>
        <translation>
            <numerusform>已接收 %n 项</numerusform>
        </translation>
    </message>
    <message id="Sync.conflicts">
        <source>changed on both devices, the server&apos;s version kept: %1</source>
        <translation>两台设备都有更改，已保留服务器上的版本：%1</translation>
    </message>
    <message id="Sync.moreOnServer" numerus="yes">
        <source>%n more on the server than the list has room for</source>
        <translation>
            <numerusform>服务器上还有 %n 项，列表已放不下</numerusform>
        </translation>
    </message>
    <message id="Sync.unreadable" numerus="yes">
        <source>%n calendar entries could not be shown</source>
        <translation>
            <numerusform>有 %n 个日历项无法显示</numerusform>
        </translation>
    </message>
    <message id="Sync.failedAuth">
        <source>the server refused the user name or password</source>
        <translation>服务器拒绝了用户名或密码</translation>
    </message>
    <message id="Sync.failedReadOnly">
        <source>the calendar is read-only</source>
        <translation>该日历为只读</translation>
    </message>
    <message id="Sync.failedQuota">
        <source>the server has no room left</source>
        <translation>服务器已没有空间</translation>
    </message>
    <message id="Sync.failedPassword">
        <source>the password could not be found; set sync up again</source>
        <translation>找不到密码；请重新设置同步</translation>
    </message>
    <message id="Sync.noKeyring">
        <source>No keyring is running on this desktop, so the password cannot be kept. Nothing was saved.</source>
        <translation>此桌面上没有运行密钥环，无法保存密码。未保存任何内容。</translation>
    </message>
    <message id="Sync.setUpDone">
        <source>Syncing with the calendar “%1”.</source>
        <translation>正在与日历“%1”同步。</translation>
    </message>
</context>
</TS>
