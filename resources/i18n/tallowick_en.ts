<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name></name>
    <message id="Notification.today">
        <source>Today is the day!</source>
        <translation>Today is the day!</translation>
    </message>
    <message id="Notification.daysleft">
        <source>days left</source>
        <translation>days left</translation>
    </message>
</context>
</TS>
