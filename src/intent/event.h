#pragma once

#include <QString>
#include <optional>

// One event a person can pick when configuring a widget: the event's id as its identifier (its
// page number in contents written before events had ids) and its title as the text shown.
class Event
{
public:
    Event() = default;
    Event(const QString &identifier, const QString &displayString,
          const std::optional<QString> &pronunciationHint = std::nullopt);

    QString identifier() const { return m_identifier; }
    QString displayString() const { return m_displayString; }
    // How to say the title when its spelling does not tell; none for Tallowick's own options.
    std::optional<QString> pronunciationHint() const { return m_pronunciationHint; }

    friend bool operator==(const Event &, const Event &) = default;

private:
    QString m_identifier;
    QString m_displayString;
    std::optional<QString> m_pronunciationHint;
};
