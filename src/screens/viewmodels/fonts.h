#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqml.h>

// The app's two display faces, loaded from the program's resources once per process. Text in
// other scripts falls back to the system's fonts (Korean, Japanese and Chinese included).
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
};
