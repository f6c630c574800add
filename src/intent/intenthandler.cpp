#include "intenthandler.h"

#include "evenprovider.h"
#include "intentlog.h"

IntentHandler *IntentHandler::handlerForIntent(const SelectEventIntent &)
{
    return this;
}

void IntentHandler::provideEventTitleOptionsCollectionForSelectEvent(const SelectEventIntent &,
                                                                     const OptionsCompletion &completion)
{
    qCInfo(lcIntent) << "provideEventTitleOptionsCollection ===";
    const QList<EventDetails> details = EvenProvider::readContents();
    QList<Event> events;
    events.reserve(details.size());
    for (const EventDetails &detail : details)
        events.append(Event(detail.pageNumber, detail.eventTitle));
    completion(events, QString());
}
