#include "languagescene.h"

#include <platform/localization.h>

#include <QGuiApplication>
#include <QQuickItem>

#include <functional>

LanguageScene::LanguageScene(const QString &locale, QSize size)
    : m_locale(locale)
{
    // What the app's start does with the language it found.
    QGuiApplication::setLayoutDirection(Localization::isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    m_store = std::make_unique<UserData>();
    m_scene = std::make_unique<QmlScene>(QStringLiteral("ContentView"),
                                         QVariantMap{{QStringLiteral("store"), QVariant::fromValue(m_store.get())},
                                                     {QStringLiteral("animateEntrance"), false}},
                                         size);
    m_scene->settle(60);
}

LanguageScene::~LanguageScene()
{
    m_scene.reset();
    m_store.reset();
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

QQuickItem *LanguageScene::find(const QString &objectName) const
{
    return findItem(m_scene->window().contentItem(), objectName);
}

void LanguageScene::present(const QString &mode)
{
    QMetaObject::invokeMethod(find(QStringLiteral("eventSheet")), "present", Q_ARG(QVariant, mode));
    // Until the sheet has slid up to its place.
    QQuickItem *panel = find(QStringLiteral("sheetPanel"));
    waitUntil([&] {
        m_scene->settle(10);
        return panel && panel->y() <= 44.5;
    }, 2000);
    m_scene->settle(30);
}

void LanguageScene::dismiss()
{
    QMetaObject::invokeMethod(find(QStringLiteral("eventSheet")), "dismiss");
    QQuickItem *sheet = find(QStringLiteral("eventSheet"));
    waitUntil([&] {
        m_scene->settle(10);
        return sheet && !sheet->isVisible();
    }, 2000);
}

QList<QQuickItem *> LanguageScene::findAll(const QString &objectName) const
{
    QList<QQuickItem *> found;
    const std::function<void(QQuickItem *)> walk = [&](QQuickItem *item) {
        for (QQuickItem *child : item->childItems()) {
            if (child->objectName() == objectName)
                found.append(child);
            walk(child);
        }
    };
    walk(m_scene->window().contentItem());
    return found;
}
