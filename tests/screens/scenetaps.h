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

// Any item drawn under `root` (list and repeater rows included) by its objectName.
inline QQuickItem *findItem(QQuickItem *root, const QString &name)
{
    if (!root)
        return nullptr;
    for (QQuickItem *child : root->childItems()) {
        if (child->objectName() == name)
            return child;
        if (QQuickItem *found = findItem(child, name))
            return found;
    }
    return nullptr;
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
