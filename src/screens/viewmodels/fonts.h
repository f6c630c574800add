#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqml.h>

// The app's two display faces, loaded from the program's resources on first use. Text in
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

    // Family of the heavy face used for titles and counts.
    QString gilroy() const { return m_gilroy; }
    // Family of the bold face used for small labels.
    QString avenir() const { return m_avenir; }

private:
    QString m_gilroy;
    QString m_avenir;
};
