#pragma once

#include <support/qmlscene.h>

#include "eventrows.h"

#include <QQuickItem>
#include <QTest>
#include <QVariant>
#include <gtest/gtest.h>

// What the menu and reminder screen tests do to a scene: hand it the store, find what it drew
// and tap it like a finger would.

inline QVariant storeValue(QObject &store)
{
    return QVariant::fromValue(&store);
}

inline QPointF centreOf(QQuickItem *item)
{
    return item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
}

// Taps the middle of `item` and lets the scene answer.
inline void tap(QmlScene &scene, QQuickItem *item)
{
    ASSERT_TRUE(item);
    QTest::mouseClick(&scene.window(), Qt::LeftButton, {}, centreOf(item).toPoint());
    scene.settle(30);
}
