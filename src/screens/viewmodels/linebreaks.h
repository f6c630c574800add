#pragma once

#include <QFont>
#include <QObject>
#include <QString>
#include <QtQml/qqml.h>

// Line breaking for the short texts of alerts and sheets: a text that wraps is given lines of
// even length, so that no word or character is left alone on its last line ("ん" under a
// Japanese alert's line, "first" under an English one).
class LineBreaks : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;

    // The narrowest width up to `width` at which `text`, wrapped at word boundaries (or
    // anywhere, as a QML text wraps), takes no more lines than at `width`: its lines then come
    // out even. `width` itself for a text of one line.
    Q_INVOKABLE static qreal balancedWidth(const QString &text, const QFont &font, qreal width);

    // How many lines `text` takes at `width`.
    static int lineCount(const QString &text, const QFont &font, qreal width);
};
