<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name></name>
    <message id="Notification.today">
        <source>Today is the day!</source>
        <translation>今日がその日です！</translation>
    </message>
    <message id="Notification.daysleft">
        <source>days left</source>
        <translation>日後です</translation>
    </message>
</context>
</TS>
