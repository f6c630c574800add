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
    // The event's id identifies it for good; its page number only until the next reorder, so
    // that stands in only for contents written before events had ids.
    for (const EventDetails &detail : details)
        events.append(Event(detail.eventId.isEmpty() ? detail.pageNumber : detail.eventId, detail.eventTitle));
    completion(events, QString());
}
