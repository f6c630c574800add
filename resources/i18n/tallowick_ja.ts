<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name></name>
    <message id="Notification.today">
        <source>Today is the day!</source>
        <translation>今日がその日です！</translation>
    </message>
    <message id="Notification.daysleft" numerus="yes">
        <source>%n day(s) left</source>
        <translation>
            <numerusform>あと%n日です</numerusform>
        </translation>
    </message>
    <message id="Setting.notification">
        <source>Reminders</source>
        <translation>リマインダー</translation>
    </message>
    <message id="Setting.notiTime">
        <source>Reminders arrive at %1.</source>
        <translation>通知は%1に届きます。</translation>
    </message>
    <message id="Setting.reminderTime">
        <source>Time of reminders</source>
        <translation>通知の時刻</translation>
    </message>
    <message id="Setting.notiDayOption1">
        <source>On the day</source>
        <translation>当日</translation>
    </message>
    <message id="Setting.notiDayOption2">
        <source>3 days before</source>
        <translation>3日前から</translation>
    </message>
    <message id="Setting.notiDayOption3">
        <source>7 days before</source>
        <translation>7日前から</translation>
    </message>
    <message id="Setting.notiDayOption4">
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message id="Setting.permission">
        <source>Notifications are off</source>
        <translation>通知がオフになっています</translation>
    </message>
    <message id="Setting.permissionCopy">
        <source>Reminders from Tallowick are turned off. Turn them on in Tallowick's notification settings.</source>
        <translation>Tallowickの通知がオフになっています。Tallowickの通知設定でオンにしてください。</translation>
    </message>
    <message id="OK">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="Setting.rateUs">
        <source>Enjoying Tallowick?</source>
        <translation>Tallowickを気に入っていただけましたか？</translation>
    </message>
    <message id="Setting.reviewCopy">
        <source>A short review helps us make Tallowick even better.</source>
        <translation>ひとことレビューが、Tallowickをもっと良くする励みになります。</translation>
    </message>
    <message id="Setting.review">
        <source>Write a review</source>
        <translation>レビューを書く</translation>
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
        <translation>通知を許可</translation>
    </message>
    <message id="Setting.startAtLogin">
        <source>Start at login</source>
        <translation>ログイン時に開始</translation>
    </message>
    <message id="Setting.startAtLoginNote">
        <source>Reminders and widgets keep coming after you log out and in.</source>
        <translation>ログアウトして再びログインしても、リマインダーとウィジェットは届き続けます。</translation>
    </message>
    <message id="Permission.title">
        <source>Allow reminders?</source>
        <translation>通知を許可しますか？</translation>
    </message>
    <message id="Permission.message">
        <source>Tallowick sends reminders at %1 on the days you choose.</source>
        <translation>選んだ日の%1にTallowickがお知らせします。</translation>
    </message>
    <message id="Permission.allow">
        <source>Allow</source>
        <translation>許可</translation>
    </message>
    <message id="Permission.deny">
        <source>Don't Allow</source>
        <translation>許可しない</translation>
    </message>
    <message id="Permission.openSettings">
        <source>Open Settings</source>
        <translation>設定を開く</translation>
    </message>
    <message id="add.title">
        <source>New Event</source>
        <translation>新しいイベント</translation>
    </message>
    <message id="edit.title">
        <source>Edit Event</source>
        <translation>イベントを編集</translation>
    </message>
    <message id="common.eventTitle">
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message id="common.day">
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message id="common.color">
        <source>Color</source>
        <translation>カラー</translation>
    </message>
    <message id="button.save">
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message id="button.cancel">
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message id="add.countdown">
        <source>Count down</source>
        <translation>カウントダウン</translation>
    </message>
    <message id="add.countup">
        <source>Count up</source>
        <translation>カウントアップ</translation>
    </message>
    <message id="You can't delete the last one">
        <source>You can't delete the last one</source>
        <translation>最後のイベントは削除できません</translation>
    </message>
    <message id="Please create a new one first">
        <source>Please create a new one first</source>
        <translation>先に新しいイベントを作成してください</translation>
    </message>
    <message id="Can't add a new event">
        <source>Can't add a new event</source>
        <translation>新しいイベントを追加できません</translation>
    </message>
    <message id="You exceed the max number of events. ">
        <source>You exceed the max number of events. </source>
        <translation>イベントの上限数を超えています。</translation>
    </message>
    <message id="Something went wrong">
        <source>Something went wrong</source>
        <translation>問題が発生しました</translation>
    </message>
    <message id="Please restart the app">
        <source>Please restart the app</source>
        <translation>アプリを再起動してください</translation>
    </message>
    <message id="The change was not saved">
        <source>The change was not saved</source>
        <translation>変更は保存されませんでした</translation>
    </message>
    <message id="Tallowick">
        <source>Tallowick</source>
        <translation>Tallowick</translation>
    </message>
    <message id="Keep track of your upcoming events.">
        <source>Keep track of your upcoming events.</source>
        <translation>大切な日までの日数をひと目でチェック。</translation>
    </message>
    <message id="days" numerus="yes">
        <source>days</source>
        <translation>
            <numerusform>日目</numerusform>
        </translation>
    </message>
    <message id="days left" numerus="yes">
        <source>days left</source>
        <translation>
            <numerusform>日後</numerusform>
        </translation>
    </message>
    <message id="unit.left">
        <source>%1 left</source>
        <translation>%1後</translation>
    </message>
    <message id="Event.days" numerus="yes">
        <source>days</source>
        <translation>
            <numerusform>日目</numerusform>
        </translation>
    </message>
    <message id="Event.daysLeft" numerus="yes">
        <source>days left</source>
        <translation>
            <numerusform>日後</numerusform>
        </translation>
    </message>
    <message id="Sorry">
        <source>Sorry, this size isn't available</source>
        <translation>このサイズには対応していません</translation>
    </message>
    <message id="Home.chooseEvent">
        <source>Choose event</source>
        <translation>イベントを選択</translation>
    </message>
    <message id="Home.size">
        <source>Size</source>
        <translation>サイズ</translation>
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
        <translation>ウィジェットを削除</translation>
    </message>
    <message id="Home.noEvents">
        <source>No events yet</source>
        <translation>イベントはまだありません</translation>
    </message>
    <message id="Home.addWidget">
        <source>Add Widget…</source>
        <translation>ウィジェットを追加…</translation>
    </message>
    <message id="Home.quit">
        <source>Quit Home Screen</source>
        <translation>ホーム画面を終了</translation>
    </message>
    <message id="Home.addWindowTitle">
        <source>Add a Widget</source>
        <translation>ウィジェットを追加</translation>
    </message>
    <message id="Home.addHeading">
        <source>Put an event on your desktop</source>
        <translation>デスクトップにイベントを置きましょう</translation>
    </message>
    <message id="Home.addIntro">
        <source>Choose the widget's size and the event it shows. Right-click the widget later to change them, add another or quit.</source>
        <translation>ウィジェットのサイズと表示するイベントを選んでください。あとでウィジェットを右クリックすると、変更、追加、終了ができます。</translation>
    </message>
    <message id="Home.event">
        <source>Event</source>
        <translation>イベント</translation>
    </message>
    <message id="Home.preview">
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message id="Home.addButton">
        <source>Add Widget</source>
        <translation>ウィジェットを追加</translation>
    </message>
    <message id="Home.close">
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message id="OstraApps">
        <source>Ostra Apps</source>
        <translation>Ostraのアプリ</translation>
    </message>
    <message id="Mossling.title">
        <source>Plant care made easy</source>
        <translation>植物のお世話をかんたんに</translation>
    </message>
    <message id="Mossling.sub">
        <source>Reminds you when your plants need water.</source>
        <translation>水やりのタイミングをお知らせします。</translation>
    </message>
    <message id="Tidewell.title">
        <source>Drink more water</source>
        <translation>こまめに水分補給</translation>
    </message>
    <message id="Tidewell.sub">
        <source>Log every glass and reach your daily goal.</source>
        <translation>飲んだ水を記録して、1日の目標を達成しよう。</translation>
    </message>
    <message id="Quillo.title">
        <source>A diary in one line</source>
        <translation>1行日記</translation>
    </message>
    <message id="Quillo.sub">
        <source>Write one line a day and look back anytime.</source>
        <translation>毎日1行書いて、いつでも振り返れます。</translation>
    </message>
    <message id="Fernlet.title">
        <source>Grow small habits</source>
        <translation>小さな習慣を育てよう</translation>
    </message>
    <message id="Fernlet.sub">
        <source>Check off habits and watch your streaks grow.</source>
        <translation>習慣をチェックして、連続記録を伸ばそう。</translation>
    </message>
    <message id="Hushpot.title">
        <source>Calm sounds for sleep</source>
        <translation>眠りを誘うサウンド</translation>
    </message>
    <message id="Hushpot.sub">
        <source>Mix rain, wind and waves to drift off.</source>
        <translation>雨や風、波の音を組み合わせて眠りにつけます。</translation>
    </message>
    <message id="Cobblyn.title">
        <source>Your pocket budget</source>
        <translation>ポケットの家計簿</translation>
    </message>
    <message id="Cobblyn.sub">
        <source>Track your spending with a single tap.</source>
        <translation>タップひとつで支出を記録できます。</translation>
    </message>
    <message id="Wrennie.title">
        <source>Wake up to birdsong</source>
        <translation>鳥のさえずりで目覚めよう</translation>
    </message>
    <message id="Wrennie.sub">
        <source>A gentle alarm with real bird calls.</source>
        <translation>本物の鳥の声でやさしく起こすアラームです。</translation>
    </message>
    <message id="Glimmo.title">
        <source>Moments in frames</source>
        <translation>思い出をフレームに</translation>
    </message>
    <message id="Glimmo.sub">
        <source>Dress up your photos with cute frames.</source>
        <translation>写真をかわいいフレームで飾れます。</translation>
    </message>
    <message id="Plumtide.title">
        <source>Recipes for every day</source>
        <translation>毎日のレシピ</translation>
    </message>
    <message id="Plumtide.sub">
        <source>Save favourite recipes and plan your meals.</source>
        <translation>お気に入りのレシピを保存して、献立を立てよう。</translation>
    </message>
    <message id="Home.firstEvent">
        <source>First event</source>
        <translation>最初のイベント</translation>
    </message>
    <message id="Delete">
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message id="Reorder">
        <source>Reorder</source>
        <translation>並べ替え</translation>
    </message>
    <message id="Close">
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message id="All events">
        <source>All events</source>
        <translation>すべてのイベント</translation>
    </message>
    <message id="Page %1 of %2">
        <source>Page %1 of %2</source>
        <translation>%2ページ中%1ページ</translation>
    </message>
    <message id="notice.deletedElsewhere">
        <source>This event was deleted in another window or program.</source>
        <translation>このイベントは別のウィンドウかプログラムで削除されました。</translation>
    </message>
    <message id="share.title">
        <source>Add a shared event</source>
        <translation>共有されたイベントを追加</translation>
    </message>
    <message id="share.takenTitle">
        <source>Already in your list</source>
        <translation>すでにリストにあります</translation>
    </message>
    <message id="share.takenCopy">
        <source>An event with this title is already in your list. Give this one another title to add it too.</source>
        <translation>同じタイトルのイベントがすでにリストにあります。追加するには別のタイトルを付けてください。</translation>
    </message>
    <message id="Notification.open">
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message id="Setting.openNotificationSettings">
        <source>Notification settings</source>
        <translation>通知設定</translation>
    </message>
    <message id="Setting.waitingForPermission">
        <source>Waiting for permission: this reminder starts once notifications are allowed. Click to allow them.</source>
        <translation>許可待ち：通知を許可すると、このリマインダーが始まります。クリックして許可してください。</translation>
    </message>
    <message id="Repeat.yearly">
        <source>Every year</source>
        <translation>毎年くり返す</translation>
    </message>
    <message id="Occurrence.year">
        <source>%1 year</source>
        <translation>%1年</translation>
    </message>
    <message id="Transfer.exportCalendar">
        <source>Export to a calendar file</source>
        <translation>カレンダーファイルに書き出す</translation>
    </message>
    <message id="Transfer.importCalendar">
        <source>Import from a calendar file</source>
        <translation>カレンダーファイルから読み込む</translation>
    </message>
    <message id="Transfer.backUp">
        <source>Back up events</source>
        <translation>イベントをバックアップ</translation>
    </message>
    <message id="Transfer.restore">
        <source>Restore events</source>
        <translation>イベントを復元</translation>
    </message>
    <message id="Transfer.fileNotWritten">
        <source>The file could not be written</source>
        <translation>ファイルを書き込めませんでした</translation>
    </message>
    <message id="Transfer.targetLink">
        <source>It is a symbolic link; choose the file it points to</source>
        <translation>シンボリックリンクです。リンク先のファイルを選んでください</translation>
    </message>
    <message id="Transfer.targetFolder">
        <source>It is a folder</source>
        <translation>フォルダです</translation>
    </message>
    <message id="Transfer.targetSpecial">
        <source>It is no plain file (a device or a pipe)</source>
        <translation>通常のファイルではありません（デバイスまたはパイプ）</translation>
    </message>
    <message id="Transfer.summary">
        <source>%1 added, %2 skipped, %3 refused</source>
        <translation>%1件追加、%2件スキップ、%3件拒否</translation>
    </message>
    <message id="Transfer.sameEvent">
        <source>already in the list</source>
        <translation>すでにリストにあります</translation>
    </message>
    <message id="Transfer.sameTitleAndDate">
        <source>an event of that title and date is in the list</source>
        <translation>同じタイトルと日付のイベントがリストにあります</translation>
    </message>
    <message id="Transfer.listFull">
        <source>the list already holds %1 events</source>
        <translation>リストにはすでに%1件のイベントがあります</translation>
    </message>
    <message id="Transfer.noTitle">
        <source>it has no title</source>
        <translation>タイトルがありません</translation>
    </message>
    <message id="Transfer.noDate">
        <source>it has no date Tallowick can count</source>
        <translation>数えられる日付がありません</translation>
    </message>
    <message id="Transfer.otherRepeat">
        <source>it repeats in a way Tallowick cannot follow</source>
        <translation>Tallowickでは扱えない方法でくり返します</translation>
    </message>
    <message id="Transfer.cancelled">
        <source>it is cancelled</source>
        <translation>キャンセルされた予定です</translation>
    </message>
    <message id="Transfer.oneOccurrence">
        <source>it changes one occurrence of a series</source>
        <translation>くり返し予定の1回分の変更です</translation>
    </message>
    <message id="Transfer.notAnEvent">
        <source>it is not a complete event</source>
        <translation>完全なイベントではありません</translation>
    </message>
    <message id="Transfer.unknownTheme">
        <source>its theme is none of Tallowick's</source>
        <translation>テーマが Tallowick のものではありません</translation>
    </message>
    <message id="Transfer.notAColour">
        <source>one of its colours is no colour</source>
        <translation>色のひとつが色ではありません</translation>
    </message>
    <message id="Transfer.unknownReminder">
        <source>its reminder is none of Tallowick's</source>
        <translation>リマインダーが Tallowick のものではありません</translation>
    </message>
    <message id="Transfer.countUpRepeats">
        <source>a count-up event cannot repeat every year</source>
        <translation>カウントアップのイベントは毎年繰り返せません</translation>
    </message>
    <message id="Transfer.remindersWaiting">
        <source>Reminders start once notifications are allowed</source>
        <translation>通知を許可するとリマインダーが始まります</translation>
    </message>
    <message id="Transfer.changedInFile">
        <source>in the list, but the file has another version</source>
        <translation>リストにありますが、ファイルの内容が異なります</translation>
    </message>
    <message id="Transfer.summaryUpdated">
        <source>%1, %2 updated</source>
        <translation>%1、%2件更新</translation>
    </message>
    <message id="Transfer.field.title">
        <source>title</source>
        <translation>タイトル</translation>
    </message>
    <message id="Transfer.field.date">
        <source>date</source>
        <translation>日付</translation>
    </message>
    <message id="Transfer.field.yearly">
        <source>repeating every year</source>
        <translation>毎年の繰り返し</translation>
    </message>
    <message id="Transfer.field.reminder">
        <source>reminders</source>
        <translation>リマインダー</translation>
    </message>
    <message id="Transfer.updateChanged" numerus="yes">
        <source>Update %n changed event(s)</source>
        <translation>
            <numerusform>変更された%n件のイベントを更新</numerusform>
        </translation>
    </message>
    <message id="Transfer.fileUnreadable">
        <source>The file cannot be read</source>
        <translation>ファイルを読み込めません</translation>
    </message>
    <message id="Transfer.fileTooLarge">
        <source>The file is too large</source>
        <translation>ファイルが大きすぎます</translation>
    </message>
    <message id="Transfer.fileNotCalendar">
        <source>The file is no calendar, or it is damaged</source>
        <translation>カレンダーファイルではないか、壊れています</translation>
    </message>
    <message id="Transfer.fileNotBackup">
        <source>The file is no Tallowick backup, or it is damaged</source>
        <translation>Tallowickのバックアップではないか、壊れています</translation>
    </message>
    <message id="Transfer.fileNewer">
        <source>The backup was made by a newer Tallowick</source>
        <translation>新しいバージョンのTallowickで作られたバックアップです</translation>
    </message>
    <message id="Transfer.notSaved">
        <source>The events could not be saved</source>
        <translation>イベントを保存できませんでした</translation>
    </message>
    <message id="notice.deleted">
        <source>“%1” deleted</source>
        <translation>「%1」を削除しました</translation>
    </message>
    <message id="notice.undo">
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message id="a11y.eventOf">
        <source>Event %1 of %2</source>
        <translation>イベント %1/%2</translation>
    </message>
    <message id="a11y.close">
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message id="a11y.openEvent">
        <source>Show this event</source>
        <translation>このイベントを表示</translation>
    </message>
    <message id="theme.1">
        <source>Peach</source>
        <translation>ピーチ</translation>
    </message>
    <message id="theme.2">
        <source>Sky</source>
        <translation>空</translation>
    </message>
    <message id="theme.3">
        <source>Night</source>
        <translation>夜</translation>
    </message>
    <message id="theme.4">
        <source>Mint</source>
        <translation>ミント</translation>
    </message>
    <message id="theme.5">
        <source>Lavender</source>
        <translation>ラベンダー</translation>
    </message>
    <message id="theme.1001">
        <source>Birthday</source>
        <translation>誕生日</translation>
    </message>
    <message id="theme.1002">
        <source>Home</source>
        <translation>家</translation>
    </message>
    <message id="theme.1003">
        <source>Love</source>
        <translation>恋</translation>
    </message>
    <message id="theme.1004">
        <source>Vacation</source>
        <translation>休暇</translation>
    </message>
    <message id="theme.1005">
        <source>Celebration</source>
        <translation>お祝い</translation>
    </message>
    <message id="theme.1006">
        <source>Quitting smoking</source>
        <translation>禁煙</translation>
    </message>
    <message id="theme.1007">
        <source>Get well</source>
        <translation>お大事に</translation>
    </message>
    <message id="theme.1008">
        <source>Exam</source>
        <translation>試験</translation>
    </message>
    <message id="theme.1009">
        <source>Moving house</source>
        <translation>引っ越し</translation>
    </message>
    <message id="theme.other">
        <source>Theme %1</source>
        <translation>テーマ %1</translation>
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
        <translation>時</translation>
    </message>
    <message id="a11y.year">
        <source>Year</source>
        <translation>年</translation>
    </message>
    <message id="a11y.direction">
        <source>Count direction</source>
        <translation>数え方</translation>
    </message>
    <message id="a11y.theme">
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message id="days ago" numerus="yes">
        <source>days ago</source>
        <translation>
            <numerusform>日前</numerusform>
        </translation>
    </message>
    <message id="unit.ago">
        <source>%1 ago</source>
        <translation>%1前</translation>
    </message>
    <message id="Event.daysAgo" numerus="yes">
        <source>days ago</source>
        <translation>
            <numerusform>日前</numerusform>
        </translation>
    </message>
    <message id="Event.today">
        <source>today</source>
        <translation>今日</translation>
    </message>
    <message id="Widget.sampleTitle">
        <source>Your Event Title</source>
        <translation>イベントのタイトル</translation>
    </message>
    <message id="DateData.newYear">
        <source>New Year</source>
        <translation>お正月</translation>
    </message>
    <message id="DateData.summerTrip">
        <source>Summer trip</source>
        <translation>夏の旅行</translation>
    </message>
    <message id="DateData.together">
        <source>Together</source>
        <translation>いっしょに</translation>
    </message>
    <message id="page.countdown" numerus="yes">
        <source>%1, %2, %Ln day(s) left</source>
        <translation>
            <numerusform>%1、%2、あと%Ln日</numerusform>
        </translation>
    </message>
    <message id="page.countdownPast" numerus="yes">
        <source>%1, %2, %Ln day(s) ago</source>
        <translation>
            <numerusform>%1、%2、%Ln日前</numerusform>
        </translation>
    </message>
    <message id="page.countdownToday">
        <source>%1, %2, today</source>
        <translation>%1、%2、今日</translation>
    </message>
    <message id="page.countup">
        <source>%1, day %3 since %2</source>
        <translation>%1、%2から%3日目</translation>
    </message>
    <message id="page.countdownSpan">
        <source>%1, %2, %3 left</source>
        <translation>%1、%2、あと%3</translation>
    </message>
    <message id="page.countdownPastSpan">
        <source>%1, %2, %3 ago</source>
        <translation>%1、%2、%3前</translation>
    </message>
    <message id="page.countupSpan">
        <source>%1, %3 since %2</source>
        <translation>%1、%2から%3</translation>
    </message>
    <message id="form.repeatsYearly">
        <source>Repeats every year</source>
        <translation>毎年繰り返す</translation>
    </message>
    <message id="form.countIn">
        <source>Count in</source>
        <translation>表示単位</translation>
    </message>
    <message id="form.unitDays">
        <source>Days</source>
        <translation>日</translation>
    </message>
    <message id="form.unitWeeks">
        <source>Weeks</source>
        <translation>週</translation>
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
        <translation>書き出したイベント: %1</translation>
    </message>
    <message id="Transfer.calendarFiles">
        <source>Calendar files</source>
        <translation>カレンダーファイル</translation>
    </message>
    <message id="Transfer.backupFiles">
        <source>Tallowick backups</source>
        <translation>Tallowick のバックアップ</translation>
    </message>
    <message id="Sync.open">
        <source>Sync with a calendar server</source>
        <translation>カレンダーサーバーと同期</translation>
    </message>
    <message id="Sync.title">
        <source>Sync</source>
        <translation>同期</translation>
    </message>
    <message id="Sync.intro">
        <source>Your events go to a calendar on your own CalDAV server, and from there to your other devices and calendar apps.</source>
        <translation>イベントは自分の CalDAV サーバー上のカレンダーに送られ、そこからほかのデバイスやカレンダーアプリに届きます。</translation>
    </message>
    <message id="Sync.server">
        <source>Server address</source>
        <translation>サーバーのアドレス</translation>
    </message>
    <message id="Sync.user">
        <source>User name</source>
        <translation>ユーザー名</translation>
    </message>
    <message id="Sync.password">
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message id="Sync.calendar">
        <source>Calendar</source>
        <translation>カレンダー</translation>
    </message>
    <message id="Sync.setUp">
        <source>Set up sync</source>
        <translation>同期を設定</translation>
    </message>
    <message id="Sync.now">
        <source>Sync now</source>
        <translation>今すぐ同期</translation>
    </message>
    <message id="Sync.turnOff">
        <source>Turn off sync</source>
        <translation>同期をオフにする</translation>
    </message>
    <message id="Sync.waiting" numerus="yes">
        <source>%n change(s) waiting to go up</source>
        <translation>
            <numerusform>送信待ちの変更: %n 件</numerusform>
        </translation>
    </message>
    <message id="Sync.whenToday">
        <source>today at %1</source>
        <translation>今日 %1</translation>
    </message>
    <message id="Sync.whenYesterday">
        <source>yesterday at %1</source>
        <translation>昨日 %1</translation>
    </message>
    <message id="Sync.whenDate">
        <source>on %1 at %2</source>
        <translation>%1 %2</translation>
    </message>
    <message id="Sync.stateUnreadable">
        <source>The record of the last sync cannot be read.</source>
        <translation>前回の同期の記録を読み込めません。</translation>
    </message>
    <message id="Sync.notYet">
        <source>Not synced yet.</source>
        <translation>まだ同期していません。</translation>
    </message>
    <message id="Sync.lastSyncedWith">
        <source>Last synced %1: %2.</source>
        <translation>前回の同期: %1（%2）。</translation>
    </message>
    <message id="Sync.lastFailed">
        <source>Last sync failed %1.</source>
        <translation>同期に失敗しました（%1）。</translation>
    </message>
    <message id="Sync.lastFailedWith">
        <source>Last sync failed %1: %2.</source>
        <translation>同期に失敗しました（%1）: %2。</translation>
    </message>
    <message id="Sync.fieldsMissing">
        <source>Fill in the server address, user name and password.</source>
        <translation>サーバーのアドレス、ユーザー名、パスワードを入力してください。</translation>
    </message>
    <message id="Sync.settingUp">
        <source>Setting up sync…</source>
        <translation>同期を設定しています…</translation>
    </message>
    <message id="Sync.syncing">
        <source>Syncing…</source>
        <translation>同期しています…</translation>
    </message>
    <message id="Sync.turningOff">
        <source>Turning off sync…</source>
        <translation>同期をオフにしています…</translation>
    </message>
    <message id="Sync.stillOn">
        <source>Sync is still on: its files could not be removed.</source>
        <translation>同期はまだオンです: ファイルを削除できませんでした。</translation>
    </message>
    <message id="Sync.passwordLeft">
        <source>Sync is off, but its password stays in the keyring.</source>
        <translation>同期はオフですが、パスワードはキーリングに残っています。</translation>
    </message>
    <message id="Sync.off">
        <source>Sync is off. Your events stay on this device.</source>
        <translation>同期はオフです。イベントはこのデバイスに残ります。</translation>
    </message>
    <message id="Sync.upToDate">
        <source>everything is up to date</source>
        <translation>すべて最新です</translation>
    </message>
    <message id="Sync.sent" numerus="yes">
        <source>%n sent</source>
        <translation>
            <numerusform>%n 件送信</numerusform>
        </translation>
    </message>
    <message id="Sync.received" numerus="yes">
        <source>%n received</source>
        <translation>
            <numerusform>%n 件受信</numerusform>
        </translation>
    </message>
    <message id="Sync.conflicts">
        <source>changed on both devices, the server&apos;s version kept: %1</source>
        <translation>両方の端末で変更されたため、サーバーの版を残しました: %1</translation>
    </message>
    <message id="Sync.moreOnServer" numerus="yes">
        <source>%n more on the server than the list has room for</source>
        <translation>
            <numerusform>リストに入りきらない %n 件がサーバーにあります</numerusform>
        </translation>
    </message>
    <message id="Sync.unreadable" numerus="yes">
        <source>%n calendar entries could not be shown</source>
        <translation>
            <numerusform>カレンダーの項目 %n 件を表示できません</numerusform>
        </translation>
    </message>
    <message id="Sync.failedAuth">
        <source>the server refused the user name or password</source>
        <translation>サーバーがユーザー名またはパスワードを拒否しました</translation>
    </message>
    <message id="Sync.failedReadOnly">
        <source>the calendar is read-only</source>
        <translation>カレンダーは読み取り専用です</translation>
    </message>
    <message id="Sync.failedQuota">
        <source>the server has no room left</source>
        <translation>サーバーの空き容量がありません</translation>
    </message>
    <message id="Sync.failedPassword">
        <source>the password could not be found; set sync up again</source>
        <translation>パスワードが見つかりません。同期を設定し直してください</translation>
    </message>
    <message id="Sync.noKeyring">
        <source>No keyring is running on this desktop, so the password cannot be kept. Nothing was saved.</source>
        <translation>このデスクトップではキーリングが動いていないため、パスワードを保管できません。何も保存していません。</translation>
    </message>
    <message id="Sync.setUpDone">
        <source>Syncing with the calendar “%1”.</source>
        <translation>カレンダー「%1」と同期します。</translation>
    </message>
</context>
</TS>
