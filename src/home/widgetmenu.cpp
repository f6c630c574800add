#include "widgetmenu.h"

#include "homescreen.h"

#include <platform/localization.h>

#include <QActionGroup>
#include <QCoreApplication>

QString WidgetMenu::familyText(WidgetFamily family)
{
    switch (family) {
    case WidgetFamily::SystemSmall:
        //% "Small"
        return qtTrId("Home.small");
    case WidgetFamily::SystemMedium:
        //% "Medium"
        return qtTrId("Home.medium");
    case WidgetFamily::SystemLarge:
        //% "Large"
        return qtTrId("Home.large");
    case WidgetFamily::SystemExtraLarge:
        break;
    }
    return widgetFamilyName(family);
}

QString WidgetMenu::firstEventText()
{
    // English while no table is loaded (the id itself is no text to show).
    //% "First event"
    const QString text = qtTrId("Home.firstEvent");
    return text == QLatin1String("Home.firstEvent") ? QStringLiteral("First event") : text;
}

const QList<WidgetFamily> &WidgetMenu::families()
{
    static const QList<WidgetFamily> list = {WidgetFamily::SystemSmall, WidgetFamily::SystemMedium,
                                             WidgetFamily::SystemLarge};
    return list;
}

WidgetMenu::WidgetMenu(const QList<WidgetConfigurationOption> &options, const WidgetInstance &instance,
                       QWidget *parent)
    : QMenu(parent)
{
    setLayoutDirection(Localization::isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    //% "Choose event"
    QMenu *events = addMenu(qtTrId("Home.chooseEvent"));
    auto *eventGroup = new QActionGroup(events);
    QAction *none = events->addAction(firstEventText());
    none->setCheckable(true);
    none->setChecked(!instance.configuration);
    eventGroup->addAction(none);
    connect(none, &QAction::triggered, this, [this] { Q_EMIT chosen(std::nullopt); });
    events->addSeparator();
    if (options.isEmpty()) {
        //% "No events yet"
        events->addAction(qtTrId("Home.noEvents"))->setEnabled(false);
    }
    for (const WidgetConfigurationOption &option : options) {
        QAction *action = events->addAction(option.displayString);
        action->setCheckable(true);
        action->setChecked(instance.configuration == option);
        eventGroup->addAction(action);
        connect(action, &QAction::triggered, this, [this, option] { Q_EMIT chosen(option); });
    }

    //% "Size"
    QMenu *sizes = addMenu(qtTrId("Home.size"));
    auto *sizeGroup = new QActionGroup(sizes);
    for (WidgetFamily family : families()) {
        QAction *action = sizes->addAction(familyText(family));
        action->setCheckable(true);
        action->setChecked(instance.family == family);
        sizeGroup->addAction(action);
        connect(action, &QAction::triggered, this, [this, family] { Q_EMIT resized(family); });
    }

    addSeparator();
    //% "Remove widget"
    connect(addAction(qtTrId("Home.remove")), &QAction::triggered, this, &WidgetMenu::removeRequested);
    //% "Add Widget…"
    connect(addAction(qtTrId("Home.addWidget")), &QAction::triggered, this, &WidgetMenu::addRequested);
    addSeparator();
    //% "Quit Home Screen"
    QAction *quit = addAction(qtTrId("Home.quit"));
    quit->setMenuRole(QAction::QuitRole);
    connect(quit, &QAction::triggered, this, &WidgetMenu::quitRequested);
}

WidgetMenu *WidgetMenu::create(HomeScreen &home, const QString &id)
{
    const auto instance = home.instance(id);
    if (!instance)
        return nullptr;
    auto *menu = new WidgetMenu(home.extension().configurationOptions(), *instance);
    HomeScreen *screen = &home;
    connect(menu, &WidgetMenu::chosen, screen,
            [screen, id](const std::optional<WidgetConfigurationOption> &option) { screen->choose(id, option); });
    connect(menu, &WidgetMenu::resized, screen, [screen, id](WidgetFamily family) { screen->resize(id, family); });
    connect(menu, &WidgetMenu::removeRequested, screen, [screen, id] { screen->remove(id); });
    connect(menu, &WidgetMenu::addRequested, screen, &HomeScreen::addWindowRequested);
    connect(menu, &WidgetMenu::quitRequested, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    return menu;
}
