<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name></name>
    <message id="Notification.today">
        <source>Today is the day!</source>
        <translation>오늘이 바로 그날이에요!</translation>
    </message>
    <message id="Notification.daysleft">
        <source>days left</source>
        <translation>일 남았어요</translation>
    </message>
</context>
</TS>
