#pragma once

#include <store/eventrules.h>

#include <QObject>
#include <QString>
#include <QVariantMap>
#include <QtQml/qqml.h>

// The length rule of event titles for the screens: at most 20 characters, counted as a reader
// sees them (an emoji, a Korean syllable or a letter with its accents is one character),
// whatever way the text arrives: typed, pasted or set by code. The rule itself is the store's.
class TitleLimit : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(int maximum READ maximum CONSTANT)

public:
    static constexpr int kMaximum = EventRules::kMaxTitleLength;
    using Fitted = EventRules::FittedTitle;

    using QObject::QObject;

    int maximum() const { return kMaximum; }

    static int length(const QString &text) { return EventRules::titleLength(text); }
    static QString clamp(const QString &text, int limit = kMaximum) { return EventRules::clampTitle(text, limit); }
    static Fitted fit(const QString &text, int cursor, int limit = kMaximum)
    {
        return EventRules::fitTitle(text, cursor, limit);
    }
    // The counter under the title field: "7 / 20".
    static QString counter(const QString &text, int limit = kMaximum);

    Q_INVOKABLE int count(const QString &text) const { return length(text); }
    Q_INVOKABLE QString clamped(const QString &text, int limit = kMaximum) const { return clamp(text, limit); }
    // fit() for QML: { text, cursor }.
    Q_INVOKABLE QVariantMap fitted(const QString &text, int cursor, int limit = kMaximum) const;
    Q_INVOKABLE QString counterText(const QString &text, int limit = kMaximum) const { return counter(text, limit); }
};
