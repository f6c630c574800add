#include "event.h"

Event::Event(const QString &identifier, const QString &displayString, const std::optional<QString> &pronunciationHint)
    : m_identifier(identifier)
    , m_displayString(displayString)
    , m_pronunciationHint(pronunciationHint)
{
}
