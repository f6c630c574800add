#pragma once

#include <store/userdata.h>

#include <QtQml/qqml.h>

// The event store as the screens see it: handed to the root screen, never made by QML.
struct UserDataForeign
{
    Q_GADGET
    QML_FOREIGN(UserData)
    QML_NAMED_ELEMENT(UserData)
    QML_UNCREATABLE("The event store is created by the app for each window")
};

// The reminder scheduler, reached through the store or a reminder screen.
struct NotificationHelperForeign
{
    Q_GADGET
    QML_FOREIGN(NotificationHelper)
    QML_NAMED_ELEMENT(NotificationHelper)
    QML_UNCREATABLE("Reminder schedulers belong to the store and the reminder screens")
};
