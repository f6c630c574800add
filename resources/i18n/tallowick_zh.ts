<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh">
<context>
    <name></name>
    <message id="Notification.today">
        <source>Today is the day!</source>
        <translation>就是今天！</translation>
    </message>
    <message id="Notification.daysleft">
        <source>days left</source>
        <translation>天后</translation>
    </message>
</context>
</TS>
