#include "eventresolutionresult.h"

EventResolutionResult::EventResolutionResult(Kind kind, const std::optional<Event> &event,
                                             const QList<Event> &alternatives)
    : m_kind(kind)
    , m_event(event)
    , m_alternatives(alternatives)
{
}

EventResolutionResult EventResolutionResult::success(const Event &resolvedEvent)
{
    return EventResolutionResult(Kind::Success, resolvedEvent, {});
}

EventResolutionResult EventResolutionResult::disambiguation(const QList<Event> &eventsToDisambiguate)
{
    return EventResolutionResult(Kind::Disambiguation, std::nullopt, eventsToDisambiguate);
}

EventResolutionResult EventResolutionResult::confirmationRequired(const std::optional<Event> &eventToConfirm)
{
    return EventResolutionResult(Kind::ConfirmationRequired, eventToConfirm, {});
}
