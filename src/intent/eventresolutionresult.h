#pragma once

#include "event.h"

#include <QList>
#include <optional>

// The outcome of resolving the event parameter: resolved, one of several, or to be confirmed.
class EventResolutionResult
{
public:
    enum class Kind { Success, Disambiguation, ConfirmationRequired };

    // The parameter resolved to `resolvedEvent`.
    static EventResolutionResult success(const Event &resolvedEvent);
    // The person must choose among `eventsToDisambiguate`.
    static EventResolutionResult disambiguation(const QList<Event> &eventsToDisambiguate);
    // The person must confirm `eventToConfirm` (or the lack of one).
    static EventResolutionResult confirmationRequired(const std::optional<Event> &eventToConfirm);

    Kind kind() const { return m_kind; }
    bool isSuccess() const { return m_kind == Kind::Success; }
    bool needsDisambiguation() const { return m_kind == Kind::Disambiguation; }
    bool needsConfirmation() const { return m_kind == Kind::ConfirmationRequired; }

    // The resolved event (success) or the one to confirm; nothing for a disambiguation.
    std::optional<Event> event() const { return m_event; }
    // The candidates of a disambiguation; empty otherwise.
    QList<Event> alternatives() const { return m_alternatives; }

    friend bool operator==(const EventResolutionResult &, const EventResolutionResult &) = default;

private:
    EventResolutionResult(Kind kind, const std::optional<Event> &event, const QList<Event> &alternatives);

    Kind m_kind;
    std::optional<Event> m_event;
    QList<Event> m_alternatives;
};
