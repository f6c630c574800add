#pragma once

#include "event.h"
#include "selecteventintent.h"

#include <QList>
#include <QString>
#include <functional>

// Answers the questions asked while a person configures a widget: which events there are to
// choose from. The same handler serves the app and the widget plug-in.
class IntentHandler
{
public:
    using OptionsCompletion = std::function<void(const QList<Event> &collection, const QString &error)>;

    IntentHandler() = default;

    // The object that handles `intent`: this handler, for every intent.
    IntentHandler *handlerForIntent(const SelectEventIntent &intent);

    // One option per published event (identified by the event's id), in the app's page order, handed to `completion` exactly
    // once before returning. The error is always empty: no file simply means no options.
    void provideEventTitleOptionsCollectionForSelectEvent(const SelectEventIntent &intent,
                                                          const OptionsCompletion &completion);
};
