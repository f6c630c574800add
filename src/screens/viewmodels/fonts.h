#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqml.h>

// The app's two display faces for the screens: the faces library's (the ones the widgets draw
// with), loaded once per process. Text in scripts they lack falls back to faces of those
// scripts, and colour emoji.
class Fonts : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QString gilroy READ gilroy CONSTANT)
    Q_PROPERTY(QString avenir READ avenir CONSTANT)

public:
    explicit Fonts(QObject *parent = nullptr);

    // Adds the faces to the font database unless that was done already. A program calls it
    // before its first window: faces added later make every window lay out all its text again.
    // Safe on any thread once the application object exists.
    static void load();

    // Family of the heavy face used for titles and counts.
    QString gilroy() const;
    // Family of the bold face used for small labels.
    QString avenir() const;

    // The heavy face for a person's own text (a title): one family name whose fallbacks let
    // the text's own script win, its Han characters in the forms its kana or hangul call for.
    Q_INVOKABLE QString gilroyFor(const QString &text) const;
};
