<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name></name>
    <message id="Notification.today">
        <source>Today is the day!</source>
        <translation>오늘이 바로 그날이에요!</translation>
    </message>
    <message id="Notification.daysleft" numerus="yes">
        <source>%n day(s) left</source>
        <translation>
            <numerusform>%n일 남았어요</numerusform>
        </translation>
    </message>
    <message id="Setting.notification">
        <source>Reminders</source>
        <translation>알림</translation>
    </message>
    <message id="Setting.notiTime">
        <source>Reminders arrive at %1.</source>
        <translation>알림은 %1에 도착해요.</translation>
    </message>
    <message id="Setting.reminderTime">
        <source>Time of reminders</source>
        <translation>알림 시간</translation>
    </message>
    <message id="Setting.notiDayOption1">
        <source>On the day</source>
        <translation>당일</translation>
    </message>
    <message id="Setting.notiDayOption2">
        <source>3 days before</source>
        <translation>3일 전부터</translation>
    </message>
    <message id="Setting.notiDayOption3">
        <source>7 days before</source>
        <translation>7일 전부터</translation>
    </message>
    <message id="Setting.notiDayOption4">
        <source>Off</source>
        <translation>끄기</translation>
    </message>
    <message id="Setting.permission">
        <source>Notifications are off</source>
        <translation>알림이 꺼져 있어요</translation>
    </message>
    <message id="Setting.permissionCopy">
        <source>Reminders from Tallowick are turned off. Turn them on in Tallowick's notification settings.</source>
        <translation>Tallowick의 알림이 꺼져 있어요. Tallowick 알림 설정에서 켜 주세요.</translation>
    </message>
    <message id="OK">
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message id="Setting.rateUs">
        <source>Enjoying Tallowick?</source>
        <translation>Tallowick이 마음에 드세요?</translation>
    </message>
    <message id="Setting.reviewCopy">
        <source>A short review helps us make Tallowick even better.</source>
        <translation>짧은 리뷰 하나가 Tallowick을 더 좋게 만드는 큰 힘이 돼요.</translation>
    </message>
    <message id="Setting.review">
        <source>Write a review</source>
        <translation>리뷰 쓰기</translation>
    </message>
    <message id="Setting.studio">
        <source>Ostra Studio</source>
        <translation>Ostra Studio</translation>
    </message>
    <message id="Setting.notificationsPage">
        <source>Notifications</source>
        <translation>알림</translation>
    </message>
    <message id="Setting.allowNotifications">
        <source>Allow notifications</source>
        <translation>알림 허용</translation>
    </message>
    <message id="Setting.startAtLogin">
        <source>Start at login</source>
        <translation>로그인할 때 시작</translation>
    </message>
    <message id="Setting.startAtLoginNote">
        <source>Reminders and widgets keep coming after you log out and in.</source>
        <translation>로그아웃했다가 다시 로그인해도 알림과 위젯이 계속 와요.</translation>
    </message>
    <message id="Permission.title">
        <source>Allow reminders?</source>
        <translation>알림을 허용할까요?</translation>
    </message>
    <message id="Permission.message">
        <source>Tallowick sends reminders at %1 on the days you choose.</source>
        <translation>선택한 날 %1에 Tallowick이 알림을 보내 드려요.</translation>
    </message>
    <message id="Permission.allow">
        <source>Allow</source>
        <translation>허용</translation>
    </message>
    <message id="Permission.deny">
        <source>Don't Allow</source>
        <translation>허용 안 함</translation>
    </message>
    <message id="Permission.openSettings">
        <source>Open Settings</source>
        <translation>설정 열기</translation>
    </message>
    <message id="add.title">
        <source>New Event</source>
        <translation>새 이벤트</translation>
    </message>
    <message id="edit.title">
        <source>Edit Event</source>
        <translation>이벤트 편집</translation>
    </message>
    <message id="common.eventTitle">
        <source>Title</source>
        <translation>제목</translation>
    </message>
    <message id="common.day">
        <source>Date</source>
        <translation>날짜</translation>
    </message>
    <message id="common.color">
        <source>Color</source>
        <translation>색상</translation>
    </message>
    <message id="button.save">
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message id="button.cancel">
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message id="add.countdown">
        <source>Count down</source>
        <translation>카운트다운</translation>
    </message>
    <message id="add.countup">
        <source>Count up</source>
        <translation>카운트업</translation>
    </message>
    <message id="You can't delete the last one">
        <source>You can't delete the last one</source>
        <translation>마지막 이벤트는 삭제할 수 없어요</translation>
    </message>
    <message id="Please create a new one first">
        <source>Please create a new one first</source>
        <translation>먼저 새 이벤트를 만들어 주세요</translation>
    </message>
    <message id="Can't add a new event">
        <source>Can't add a new event</source>
        <translation>새 이벤트를 추가할 수 없어요</translation>
    </message>
    <message id="You exceed the max number of events. ">
        <source>You exceed the max number of events. </source>
        <translation>이벤트 최대 개수를 넘었어요.</translation>
    </message>
    <message id="Something went wrong">
        <source>Something went wrong</source>
        <translation>문제가 발생했어요</translation>
    </message>
    <message id="Please restart the app">
        <source>Please restart the app</source>
        <translation>앱을 다시 시작해 주세요</translation>
    </message>
    <message id="The change was not saved">
        <source>The change was not saved</source>
        <translation>변경 사항이 저장되지 않았습니다</translation>
    </message>
    <message id="Tallowick">
        <source>Tallowick</source>
        <translation>Tallowick</translation>
    </message>
    <message id="Keep track of your upcoming events.">
        <source>Keep track of your upcoming events.</source>
        <translation>다가오는 날들을 한눈에 확인하세요.</translation>
    </message>
    <message id="days" numerus="yes">
        <source>days</source>
        <translation>
            <numerusform>일째</numerusform>
        </translation>
    </message>
    <message id="days left" numerus="yes">
        <source>days left</source>
        <translation>
            <numerusform>일 남음</numerusform>
        </translation>
    </message>
    <message id="unit.left">
        <source>%1 left</source>
        <translation>%1 남음</translation>
    </message>
    <message id="Event.days" numerus="yes">
        <source>days</source>
        <translation>
            <numerusform>일째</numerusform>
        </translation>
    </message>
    <message id="Event.daysLeft" numerus="yes">
        <source>days left</source>
        <translation>
            <numerusform>일 남음</numerusform>
        </translation>
    </message>
    <message id="Sorry">
        <source>Sorry, this size isn't available</source>
        <translation>죄송해요, 이 크기는 지원하지 않아요</translation>
    </message>
    <message id="Home.chooseEvent">
        <source>Choose event</source>
        <translation>이벤트 선택</translation>
    </message>
    <message id="Home.size">
        <source>Size</source>
        <translation>크기</translation>
    </message>
    <message id="Home.small">
        <source>Small</source>
        <translation>작게</translation>
    </message>
    <message id="Home.medium">
        <source>Medium</source>
        <translation>보통</translation>
    </message>
    <message id="Home.large">
        <source>Large</source>
        <translation>크게</translation>
    </message>
    <message id="Home.remove">
        <source>Remove widget</source>
        <translation>위젯 제거</translation>
    </message>
    <message id="Home.noEvents">
        <source>No events yet</source>
        <translation>아직 이벤트가 없어요</translation>
    </message>
    <message id="Home.addWidget">
        <source>Add Widget…</source>
        <translation>위젯 추가…</translation>
    </message>
    <message id="Home.quit">
        <source>Quit Home Screen</source>
        <translation>홈 화면 종료</translation>
    </message>
    <message id="Home.addWindowTitle">
        <source>Add a Widget</source>
        <translation>위젯 추가</translation>
    </message>
    <message id="Home.addHeading">
        <source>Put an event on your desktop</source>
        <translation>바탕화면에 이벤트를 띄워 보세요</translation>
    </message>
    <message id="Home.addIntro">
        <source>Choose the widget's size and the event it shows. Right-click the widget later to change them, add another or quit.</source>
        <translation>위젯의 크기와 보여 줄 이벤트를 고르세요. 나중에 위젯을 오른쪽 클릭하면 바꾸거나, 하나 더 추가하거나, 종료할 수 있어요.</translation>
    </message>
    <message id="Home.event">
        <source>Event</source>
        <translation>이벤트</translation>
    </message>
    <message id="Home.preview">
        <source>Preview</source>
        <translation>미리 보기</translation>
    </message>
    <message id="Home.addButton">
        <source>Add Widget</source>
        <translation>위젯 추가</translation>
    </message>
    <message id="Home.close">
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message id="OstraApps">
        <source>Ostra Apps</source>
        <translation>Ostra의 다른 앱</translation>
    </message>
    <message id="Mossling.title">
        <source>Plant care made easy</source>
        <translation>쉬워지는 식물 돌보기</translation>
    </message>
    <message id="Mossling.sub">
        <source>Reminds you when your plants need water.</source>
        <translation>식물에 물 줄 때를 알려 드려요.</translation>
    </message>
    <message id="Tidewell.title">
        <source>Drink more water</source>
        <translation>하루 물 마시기</translation>
    </message>
    <message id="Tidewell.sub">
        <source>Log every glass and reach your daily goal.</source>
        <translation>마신 물을 기록하고 하루 목표를 채워 보세요.</translation>
    </message>
    <message id="Quillo.title">
        <source>A diary in one line</source>
        <translation>한 줄 일기</translation>
    </message>
    <message id="Quillo.sub">
        <source>Write one line a day and look back anytime.</source>
        <translation>하루 한 줄 쓰고 언제든 돌아보세요.</translation>
    </message>
    <message id="Fernlet.title">
        <source>Grow small habits</source>
        <translation>작은 습관 키우기</translation>
    </message>
    <message id="Fernlet.sub">
        <source>Check off habits and watch your streaks grow.</source>
        <translation>습관을 체크하고 연속 기록을 늘려 보세요.</translation>
    </message>
    <message id="Hushpot.title">
        <source>Calm sounds for sleep</source>
        <translation>잠을 부르는 소리</translation>
    </message>
    <message id="Hushpot.sub">
        <source>Mix rain, wind and waves to drift off.</source>
        <translation>빗소리, 바람, 파도 소리를 섞어 잠들어 보세요.</translation>
    </message>
    <message id="Cobblyn.title">
        <source>Your pocket budget</source>
        <translation>주머니 속 가계부</translation>
    </message>
    <message id="Cobblyn.sub">
        <source>Track your spending with a single tap.</source>
        <translation>탭 한 번으로 지출을 기록하세요.</translation>
    </message>
    <message id="Wrennie.title">
        <source>Wake up to birdsong</source>
        <translation>새소리로 깨어나기</translation>
    </message>
    <message id="Wrennie.sub">
        <source>A gentle alarm with real bird calls.</source>
        <translation>진짜 새소리로 부드럽게 깨워 주는 알람이에요.</translation>
    </message>
    <message id="Glimmo.title">
        <source>Moments in frames</source>
        <translation>순간을 프레임에 담아요</translation>
    </message>
    <message id="Glimmo.sub">
        <source>Dress up your photos with cute frames.</source>
        <translation>사진을 귀여운 프레임으로 꾸며 보세요.</translation>
    </message>
    <message id="Plumtide.title">
        <source>Recipes for every day</source>
        <translation>매일의 레시피</translation>
    </message>
    <message id="Plumtide.sub">
        <source>Save favourite recipes and plan your meals.</source>
        <translation>좋아하는 레시피를 저장하고 식단을 짜 보세요.</translation>
    </message>
    <message id="Home.firstEvent">
        <source>First event</source>
        <translation>첫 번째 이벤트</translation>
    </message>
    <message id="Delete">
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message id="Reorder">
        <source>Reorder</source>
        <translation>순서 바꾸기</translation>
    </message>
    <message id="Close">
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message id="All events">
        <source>All events</source>
        <translation>모든 이벤트</translation>
    </message>
    <message id="Page %1 of %2">
        <source>Page %1 of %2</source>
        <translation>%2페이지 중 %1페이지</translation>
    </message>
    <message id="notice.deletedElsewhere">
        <source>This event was deleted in another window or program.</source>
        <translation>다른 창이나 프로그램에서 이 이벤트를 삭제했어요.</translation>
    </message>
    <message id="share.title">
        <source>Add a shared event</source>
        <translation>공유된 이벤트 추가</translation>
    </message>
    <message id="share.takenTitle">
        <source>Already in your list</source>
        <translation>이미 목록에 있어요</translation>
    </message>
    <message id="share.takenCopy">
        <source>An event with this title is already in your list. Give this one another title to add it too.</source>
        <translation>같은 제목의 이벤트가 이미 목록에 있어요. 이 이벤트도 추가하려면 다른 제목을 붙여 주세요.</translation>
    </message>
    <message id="Notification.open">
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message id="Setting.openNotificationSettings">
        <source>Notification settings</source>
        <translation>알림 설정</translation>
    </message>
    <message id="Setting.waitingForPermission">
        <source>Waiting for permission: this reminder starts once notifications are allowed. Click to allow them.</source>
        <translation>권한을 기다리는 중: 알림을 허용하면 이 알림이 시작돼요. 클릭해서 허용하세요.</translation>
    </message>
    <message id="Repeat.yearly">
        <source>Every year</source>
        <translation>매년 반복</translation>
    </message>
    <message id="Occurrence.year">
        <source>%1 year</source>
        <translation>%1 해</translation>
    </message>
    <message id="Transfer.exportCalendar">
        <source>Export to a calendar file</source>
        <translation>캘린더 파일로 내보내기</translation>
    </message>
    <message id="Transfer.importCalendar">
        <source>Import from a calendar file</source>
        <translation>캘린더 파일에서 가져오기</translation>
    </message>
    <message id="Transfer.backUp">
        <source>Back up events</source>
        <translation>이벤트 백업</translation>
    </message>
    <message id="Transfer.restore">
        <source>Restore events</source>
        <translation>이벤트 복원</translation>
    </message>
    <message id="Transfer.fileNotWritten">
        <source>The file could not be written</source>
        <translation>파일을 쓸 수 없어요</translation>
    </message>
    <message id="Transfer.targetLink">
        <source>It is a symbolic link; choose the file it points to</source>
        <translation>심볼릭 링크입니다. 링크가 가리키는 파일을 선택하세요</translation>
    </message>
    <message id="Transfer.targetFolder">
        <source>It is a folder</source>
        <translation>폴더입니다</translation>
    </message>
    <message id="Transfer.targetSpecial">
        <source>It is no plain file (a device or a pipe)</source>
        <translation>일반 파일이 아닙니다(장치 또는 파이프)</translation>
    </message>
    <message id="Transfer.summary">
        <source>%1 added, %2 skipped, %3 refused</source>
        <translation>%1개 추가, %2개 건너뜀, %3개 거절</translation>
    </message>
    <message id="Transfer.sameEvent">
        <source>already in the list</source>
        <translation>이미 목록에 있어요</translation>
    </message>
    <message id="Transfer.sameTitleAndDate">
        <source>an event of that title and date is in the list</source>
        <translation>같은 제목과 날짜의 이벤트가 목록에 있어요</translation>
    </message>
    <message id="Transfer.listFull">
        <source>the list already holds %1 events</source>
        <translation>목록에 이미 이벤트가 %1개 있어요</translation>
    </message>
    <message id="Transfer.noTitle">
        <source>it has no title</source>
        <translation>제목이 없어요</translation>
    </message>
    <message id="Transfer.noDate">
        <source>it has no date Tallowick can count</source>
        <translation>셀 수 있는 날짜가 없어요</translation>
    </message>
    <message id="Transfer.otherRepeat">
        <source>it repeats in a way Tallowick cannot follow</source>
        <translation>Tallowick이 따를 수 없는 방식으로 반복돼요</translation>
    </message>
    <message id="Transfer.cancelled">
        <source>it is cancelled</source>
        <translation>취소된 일정이에요</translation>
    </message>
    <message id="Transfer.oneOccurrence">
        <source>it changes one occurrence of a series</source>
        <translation>반복 일정의 한 회만 바꾼 것이에요</translation>
    </message>
    <message id="Transfer.notAnEvent">
        <source>it is not a complete event</source>
        <translation>완전한 이벤트가 아니에요</translation>
    </message>
    <message id="Transfer.unknownTheme">
        <source>its theme is none of Tallowick's</source>
        <translation>테마가 Tallowick의 테마가 아닙니다</translation>
    </message>
    <message id="Transfer.notAColour">
        <source>one of its colours is no colour</source>
        <translation>색 중 하나가 색이 아닙니다</translation>
    </message>
    <message id="Transfer.unknownReminder">
        <source>its reminder is none of Tallowick's</source>
        <translation>알림이 Tallowick의 알림이 아닙니다</translation>
    </message>
    <message id="Transfer.countUpRepeats">
        <source>a count-up event cannot repeat every year</source>
        <translation>카운트업 이벤트는 매년 반복할 수 없습니다</translation>
    </message>
    <message id="Transfer.remindersWaiting">
        <source>Reminders start once notifications are allowed</source>
        <translation>알림을 허용하면 리마인더가 시작돼요</translation>
    </message>
    <message id="Transfer.changedInFile">
        <source>in the list, but the file has another version</source>
        <translation>목록에 있지만 파일의 내용이 달라요</translation>
    </message>
    <message id="Transfer.summaryUpdated">
        <source>%1, %2 updated</source>
        <translation>%1, %2개 업데이트</translation>
    </message>
    <message id="Transfer.field.title">
        <source>title</source>
        <translation>제목</translation>
    </message>
    <message id="Transfer.field.date">
        <source>date</source>
        <translation>날짜</translation>
    </message>
    <message id="Transfer.field.yearly">
        <source>repeating every year</source>
        <translation>매년 반복</translation>
    </message>
    <message id="Transfer.field.reminder">
        <source>reminders</source>
        <translation>리마인더</translation>
    </message>
    <message id="Transfer.updateChanged" numerus="yes">
        <source>Update %n changed event(s)</source>
        <translation>
            <numerusform>변경된 이벤트 %n개 업데이트</numerusform>
        </translation>
    </message>
    <message id="Transfer.fileUnreadable">
        <source>The file cannot be read</source>
        <translation>파일을 읽을 수 없어요</translation>
    </message>
    <message id="Transfer.fileTooLarge">
        <source>The file is too large</source>
        <translation>파일이 너무 커요</translation>
    </message>
    <message id="Transfer.fileNotCalendar">
        <source>The file is no calendar, or it is damaged</source>
        <translation>캘린더 파일이 아니거나 손상되었어요</translation>
    </message>
    <message id="Transfer.fileNotBackup">
        <source>The file is no Tallowick backup, or it is damaged</source>
        <translation>Tallowick 백업 파일이 아니거나 손상되었어요</translation>
    </message>
    <message id="Transfer.fileNewer">
        <source>The backup was made by a newer Tallowick</source>
        <translation>더 새로운 버전의 Tallowick으로 만든 백업이에요</translation>
    </message>
    <message id="Transfer.notSaved">
        <source>The events could not be saved</source>
        <translation>이벤트를 저장할 수 없어요</translation>
    </message>
    <message id="notice.deleted">
        <source>“%1” deleted</source>
        <translation>“%1” 삭제됨</translation>
    </message>
    <message id="notice.undo">
        <source>Undo</source>
        <translation>실행 취소</translation>
    </message>
    <message id="a11y.eventOf">
        <source>Event %1 of %2</source>
        <translation>이벤트 %2개 중 %1번째</translation>
    </message>
    <message id="a11y.close">
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message id="a11y.openEvent">
        <source>Show this event</source>
        <translation>이 이벤트 보기</translation>
    </message>
    <message id="theme.1">
        <source>Peach</source>
        <translation>복숭아</translation>
    </message>
    <message id="theme.2">
        <source>Sky</source>
        <translation>하늘</translation>
    </message>
    <message id="theme.3">
        <source>Night</source>
        <translation>밤</translation>
    </message>
    <message id="theme.4">
        <source>Mint</source>
        <translation>민트</translation>
    </message>
    <message id="theme.5">
        <source>Lavender</source>
        <translation>라벤더</translation>
    </message>
    <message id="theme.1001">
        <source>Birthday</source>
        <translation>생일</translation>
    </message>
    <message id="theme.1002">
        <source>Home</source>
        <translation>집</translation>
    </message>
    <message id="theme.1003">
        <source>Love</source>
        <translation>사랑</translation>
    </message>
    <message id="theme.1004">
        <source>Vacation</source>
        <translation>휴가</translation>
    </message>
    <message id="theme.1005">
        <source>Celebration</source>
        <translation>축하</translation>
    </message>
    <message id="theme.1006">
        <source>Quitting smoking</source>
        <translation>금연</translation>
    </message>
    <message id="theme.1007">
        <source>Get well</source>
        <translation>쾌유</translation>
    </message>
    <message id="theme.1008">
        <source>Exam</source>
        <translation>시험</translation>
    </message>
    <message id="theme.1009">
        <source>Moving house</source>
        <translation>이사</translation>
    </message>
    <message id="theme.other">
        <source>Theme %1</source>
        <translation>테마 %1</translation>
    </message>
    <message id="a11y.day">
        <source>Day</source>
        <translation>일</translation>
    </message>
    <message id="a11y.month">
        <source>Month</source>
        <translation>월</translation>
    </message>
    <message id="a11y.minute">
        <source>Minute</source>
        <translation>분</translation>
    </message>
    <message id="a11y.hour">
        <source>Hour</source>
        <translation>시</translation>
    </message>
    <message id="a11y.year">
        <source>Year</source>
        <translation>연도</translation>
    </message>
    <message id="a11y.direction">
        <source>Count direction</source>
        <translation>세는 방향</translation>
    </message>
    <message id="a11y.theme">
        <source>Theme</source>
        <translation>테마</translation>
    </message>
    <message id="days ago" numerus="yes">
        <source>days ago</source>
        <translation>
            <numerusform>일 지남</numerusform>
        </translation>
    </message>
    <message id="unit.ago">
        <source>%1 ago</source>
        <translation>%1 지남</translation>
    </message>
    <message id="Event.daysAgo" numerus="yes">
        <source>days ago</source>
        <translation>
            <numerusform>일 지남</numerusform>
        </translation>
    </message>
    <message id="Event.today">
        <source>today</source>
        <translation>오늘</translation>
    </message>
    <message id="Widget.sampleTitle">
        <source>Your Event Title</source>
        <translation>이벤트 제목</translation>
    </message>
    <message id="DateData.newYear">
        <source>New Year</source>
        <translation>새해</translation>
    </message>
    <message id="DateData.summerTrip">
        <source>Summer trip</source>
        <translation>여름 여행</translation>
    </message>
    <message id="DateData.together">
        <source>Together</source>
        <translation>함께한 날</translation>
    </message>
    <message id="page.countdown" numerus="yes">
        <source>%1, %2, %Ln day(s) left</source>
        <translation>
            <numerusform>%1, %2, %Ln일 남음</numerusform>
        </translation>
    </message>
    <message id="page.countdownPast" numerus="yes">
        <source>%1, %2, %Ln day(s) ago</source>
        <translation>
            <numerusform>%1, %2, %Ln일 지남</numerusform>
        </translation>
    </message>
    <message id="page.countdownToday">
        <source>%1, %2, today</source>
        <translation>%1, %2, 오늘</translation>
    </message>
    <message id="page.countup">
        <source>%1, day %3 since %2</source>
        <translation>%1, %2부터 %3일째</translation>
    </message>
    <message id="page.countdownSpan">
        <source>%1, %2, %3 left</source>
        <translation>%1, %2, %3 남음</translation>
    </message>
    <message id="page.countdownPastSpan">
        <source>%1, %2, %3 ago</source>
        <translation>%1, %2, %3 지남</translation>
    </message>
    <message id="page.countupSpan">
        <source>%1, %3 since %2</source>
        <translation>%1, %2부터 %3째</translation>
    </message>
    <message id="form.repeatsYearly">
        <source>Repeats every year</source>
        <translation>매년 반복</translation>
    </message>
    <message id="form.countIn">
        <source>Count in</source>
        <translation>표시 단위</translation>
    </message>
    <message id="form.unitDays">
        <source>Days</source>
        <translation>일</translation>
    </message>
    <message id="form.unitWeeks">
        <source>Weeks</source>
        <translation>주</translation>
    </message>
    <message id="form.unitMonths">
        <source>Months</source>
        <translation>월</translation>
    </message>
    <message id="form.unitYears">
        <source>Years</source>
        <translation>년</translation>
    </message>
    <message id="Transfer.exported">
        <source>Events written: %1</source>
        <translation>저장한 이벤트: %1</translation>
    </message>
    <message id="Transfer.calendarFiles">
        <source>Calendar files</source>
        <translation>캘린더 파일</translation>
    </message>
    <message id="Transfer.backupFiles">
        <source>Tallowick backups</source>
        <translation>Tallowick 백업</translation>
    </message>
    <message id="Sync.open">
        <source>Sync with a calendar server</source>
        <translation>캘린더 서버와 동기화</translation>
    </message>
    <message id="Sync.title">
        <source>Sync</source>
        <translation>동기화</translation>
    </message>
    <message id="Sync.intro">
        <source>Your events go to a calendar on your own CalDAV server, and from there to your other devices and calendar apps.</source>
        <translation>이벤트가 내 CalDAV 서버의 캘린더로 가고, 거기서 다른 기기와 캘린더 앱으로 전달됩니다.</translation>
    </message>
    <message id="Sync.server">
        <source>Server address</source>
        <translation>서버 주소</translation>
    </message>
    <message id="Sync.user">
        <source>User name</source>
        <translation>사용자 이름</translation>
    </message>
    <message id="Sync.password">
        <source>Password</source>
        <translation>비밀번호</translation>
    </message>
    <message id="Sync.calendar">
        <source>Calendar</source>
        <translation>캘린더</translation>
    </message>
    <message id="Sync.setUp">
        <source>Set up sync</source>
        <translation>동기화 설정</translation>
    </message>
    <message id="Sync.now">
        <source>Sync now</source>
        <translation>지금 동기화</translation>
    </message>
    <message id="Sync.turnOff">
        <source>Turn off sync</source>
        <translation>동기화 끄기</translation>
    </message>
    <message id="Sync.waiting" numerus="yes">
        <source>%n change(s) waiting to go up</source>
        <translation>
            <numerusform>올릴 변경 사항 %n개 대기 중</numerusform>
        </translation>
    </message>
    <message id="Sync.whenToday">
        <source>today at %1</source>
        <translation>오늘 %1</translation>
    </message>
    <message id="Sync.whenYesterday">
        <source>yesterday at %1</source>
        <translation>어제 %1</translation>
    </message>
    <message id="Sync.whenDate">
        <source>on %1 at %2</source>
        <translation>%1 %2</translation>
    </message>
    <message id="Sync.stateUnreadable">
        <source>The record of the last sync cannot be read.</source>
        <translation>마지막 동기화 기록을 읽을 수 없습니다.</translation>
    </message>
    <message id="Sync.notYet">
        <source>Not synced yet.</source>
        <translation>아직 동기화하지 않았습니다.</translation>
    </message>
    <message id="Sync.lastSyncedWith">
        <source>Last synced %1: %2.</source>
        <translation>마지막 동기화: %1, %2.</translation>
    </message>
    <message id="Sync.lastFailed">
        <source>Last sync failed %1.</source>
        <translation>동기화 실패: %1.</translation>
    </message>
    <message id="Sync.lastFailedWith">
        <source>Last sync failed %1: %2.</source>
        <translation>동기화 실패(%1): %2.</translation>
    </message>
    <message id="Sync.fieldsMissing">
        <source>Fill in the server address, user name and password.</source>
        <translation>서버 주소, 사용자 이름, 비밀번호를 입력하세요.</translation>
    </message>
    <message id="Sync.settingUp">
        <source>Setting up sync…</source>
        <translation>동기화 설정 중…</translation>
    </message>
    <message id="Sync.syncing">
        <source>Syncing…</source>
        <translation>동기화 중…</translation>
    </message>
    <message id="Sync.turningOff">
        <source>Turning off sync…</source>
        <translation>동기화 끄는 중…</translation>
    </message>
    <message id="Sync.stillOn">
        <source>Sync is still on: its files could not be removed.</source>
        <translation>동기화가 아직 켜져 있습니다: 파일을 삭제할 수 없습니다.</translation>
    </message>
    <message id="Sync.passwordLeft">
        <source>Sync is off, but its password stays in the keyring.</source>
        <translation>동기화가 꺼졌지만 비밀번호는 키링에 남아 있습니다.</translation>
    </message>
    <message id="Sync.off">
        <source>Sync is off. Your events stay on this device.</source>
        <translation>동기화가 꺼졌습니다. 이벤트는 이 기기에 그대로 있습니다.</translation>
    </message>
    <message id="Sync.upToDate">
        <source>everything is up to date</source>
        <translation>모두 최신 상태입니다</translation>
    </message>
    <message id="Sync.sent" numerus="yes">
        <source>%n sent</source>
        <translation>
            <numerusform>%n개 보냄</numerusform>
        </translation>
    </message>
    <message id="Sync.received" numerus="yes">
        <source>%n received</source>
        <translation>
            <numerusform>%n개 받음</numerusform>
        </translation>
    </message>
    <message id="Sync.conflicts">
        <source>changed on both devices, the server&apos;s version kept: %1</source>
        <translation>두 기기에서 모두 변경되어 서버의 버전을 유지함: %1</translation>
    </message>
    <message id="Sync.moreOnServer" numerus="yes">
        <source>%n more on the server than the list has room for</source>
        <translation>
            <numerusform>목록에 자리가 없어 서버에 %n개가 더 있음</numerusform>
        </translation>
    </message>
    <message id="Sync.unreadable" numerus="yes">
        <source>%n calendar entries could not be shown</source>
        <translation>
            <numerusform>캘린더 항목 %n개를 표시할 수 없음</numerusform>
        </translation>
    </message>
    <message id="Sync.failedAuth">
        <source>the server refused the user name or password</source>
        <translation>서버가 사용자 이름 또는 비밀번호를 거부했습니다</translation>
    </message>
    <message id="Sync.failedReadOnly">
        <source>the calendar is read-only</source>
        <translation>캘린더가 읽기 전용입니다</translation>
    </message>
    <message id="Sync.failedQuota">
        <source>the server has no room left</source>
        <translation>서버에 남은 공간이 없습니다</translation>
    </message>
    <message id="Sync.failedPassword">
        <source>the password could not be found; set sync up again</source>
        <translation>비밀번호를 찾을 수 없습니다. 동기화를 다시 설정하세요</translation>
    </message>
    <message id="Sync.noKeyring">
        <source>No keyring is running on this desktop, so the password cannot be kept. Nothing was saved.</source>
        <translation>이 데스크톱에서 키링이 실행 중이 아니어서 비밀번호를 보관할 수 없습니다. 아무것도 저장하지 않았습니다.</translation>
    </message>
    <message id="Sync.setUpDone">
        <source>Syncing with the calendar “%1”.</source>
        <translation>캘린더 “%1”과(와) 동기화합니다.</translation>
    </message>
</context>
</TS>
