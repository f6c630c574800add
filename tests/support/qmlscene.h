#pragma once

#include <QImage>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QString>
#include <QVariantMap>
#include <memory>

class QQuickItem;

// One QML item of the app's module, shown in an offscreen window of a given size, for tests
// that drive a screen and look at what it draws.
class QmlScene
{
public:
    // `type` is a type of the Tallowick module ("LineOfListView"); `properties` are set on
    // creation. Fails the calling test (and leaves item() null) when it cannot be made.
    QmlScene(const QString &type, const QVariantMap &properties, QSize size = QSize(390, 844));
    ~QmlScene();

    QQuickItem *item() const { return m_item; }
    QQuickWindow &window() { return m_window; }
    QQmlEngine &engine() { return m_engine; }

    // Lets animations and timers run for `ms` milliseconds of real time.
    void settle(int ms = 50);
    // What the window shows now. Also saved under test-artifacts/<name>.png when a name is given.
    QImage grab(const QString &artifactName = QString());
    // The first item (at any depth) with this objectName, Repeater-made ones too.
    QQuickItem *find(const QString &objectName) const;

private:
    QQmlEngine m_engine;
    QQuickWindow m_window;
    QQuickItem *m_item = nullptr;
};

// Any item drawn under `root` by its objectName: list and repeater rows too, which are
// children in the item tree only.
QQuickItem *findItem(QQuickItem *root, const QString &name);

// The colour of a point of an image, ignoring alpha rounding.
QColor pixel(const QImage &image, int x, int y);
// Whether two colours are within `tolerance` on every channel.
bool near(const QColor &a, const QColor &b, int tolerance = 6);
