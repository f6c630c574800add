#pragma once

#include <QObject>
#include <QString>
#include <QVariantMap>
#include <QtQml/qqml.h>

// The length rule of event titles: at most 20 characters, counted as a reader sees them
// (an emoji, a Korean syllable or a letter with its accents is one character), whatever
// way the text arrives: typed, pasted or set by code.
class TitleLimit : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(int maximum READ maximum CONSTANT)

public:
    static constexpr int kMaximum = 20;

    // A text cut back to the limit, and where the cursor goes afterwards.
    struct Fitted
    {
        QString text;
        int cursor = 0;
    };

    using QObject::QObject;

    int maximum() const { return kMaximum; }

    // The number of user-perceived characters (grapheme clusters) of `text`.
    static int length(const QString &text);
    // The first `limit` characters of `text`.
    static QString clamp(const QString &text, int limit = kMaximum);
    // Cuts `text` back to `limit` characters by removing those just before `cursor`, where
    // the last typing or paste put them; what is still too long then loses its end.
    static Fitted fit(const QString &text, int cursor, int limit = kMaximum);
    // The counter under the title field: "7 / 20".
    static QString counter(const QString &text, int limit = kMaximum);

    Q_INVOKABLE int count(const QString &text) const { return length(text); }
    Q_INVOKABLE QString clamped(const QString &text, int limit = kMaximum) const { return clamp(text, limit); }
    // fit() for QML: { text, cursor }.
    Q_INVOKABLE QVariantMap fitted(const QString &text, int cursor, int limit = kMaximum) const;
    Q_INVOKABLE QString counterText(const QString &text, int limit = kMaximum) const { return counter(text, limit); }
};
