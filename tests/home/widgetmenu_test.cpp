#include <home/widgetmenu.h>

#include <support/testenvironment.h>

#include <gtest/gtest.h>

namespace {

const WidgetConfigurationOption kTrip{QStringLiteral("0"), QStringLiteral("Trip")};
const WidgetConfigurationOption kExam{QStringLiteral("1"), QStringLiteral("Exam")};

QMenu *submenu(QMenu &menu, const QString &title)
{
    for (QAction *action : menu.actions()) {
        if (action->menu() && action->text() == title)
            return action->menu();
    }
    return nullptr;
}

QStringList texts(const QMenu &menu)
{
    QStringList result;
    for (QAction *action : menu.actions())
        result.append(action->isSeparator() ? QStringLiteral("|") : action->text());
    return result;
}

QString checked(const QMenu &menu)
{
    for (QAction *action : menu.actions()) {
        if (action->isChecked())
            return action->text();
    }
    return {};
}

QAction *action(const QMenu &menu, const QString &text)
{
    for (QAction *candidate : menu.actions()) {
        if (candidate->text() == text)
            return candidate;
    }
    return nullptr;
}

} // namespace

TEST(WidgetMenu, OffersTheEventsInTheExtensionsOrderTheSizesAndRemoval)
{
    const WidgetInstance instance{QStringLiteral("1"), QStringLiteral("Kind"), WidgetFamily::SystemMedium, kExam, {}};
    WidgetMenu menu({kTrip, kExam}, instance);
    EXPECT_EQ(texts(menu), (QStringList{QStringLiteral("Choose event"), QStringLiteral("Size"), QStringLiteral("|"),
                                        QStringLiteral("Remove widget"), QStringLiteral("Add Widget…"), QStringLiteral("|"),
                                        QStringLiteral("Quit Home Screen")}));

    QMenu *events = submenu(menu, QStringLiteral("Choose event"));
    ASSERT_NE(events, nullptr);
    EXPECT_EQ(texts(*events), (QStringList{QStringLiteral("First event"), QStringLiteral("|"), QStringLiteral("Trip"),
                                          QStringLiteral("Exam")}));
    EXPECT_EQ(checked(*events), QStringLiteral("Exam"));

    QMenu *sizes = submenu(menu, QStringLiteral("Size"));
    ASSERT_NE(sizes, nullptr);
    EXPECT_EQ(texts(*sizes), (QStringList{QStringLiteral("Small"), QStringLiteral("Medium"), QStringLiteral("Large")}));
    EXPECT_EQ(checked(*sizes), QStringLiteral("Medium"));
}

TEST(WidgetMenu, SaysSoWhenThereAreNoEvents)
{
    const WidgetInstance instance{QStringLiteral("1"), QStringLiteral("Kind"), WidgetFamily::SystemSmall, std::nullopt, {}};
    WidgetMenu menu({}, instance);
    QMenu *events = submenu(menu, QStringLiteral("Choose event"));
    ASSERT_NE(events, nullptr);
    EXPECT_EQ(checked(*events), QStringLiteral("First event"));
    QAction *none = action(*events, QStringLiteral("No events yet"));
    ASSERT_NE(none, nullptr);
    EXPECT_FALSE(none->isEnabled());
}

TEST(WidgetMenu, EachItemSaysWhatWasChosen)
{
    const WidgetInstance instance{QStringLiteral("1"), QStringLiteral("Kind"), WidgetFamily::SystemSmall, kTrip, {}};
    WidgetMenu menu({kTrip, kExam}, instance);
    QList<std::optional<WidgetConfigurationOption>> chosen;
    QList<WidgetFamily> sizes;
    QStringList requests;
    QObject::connect(&menu, &WidgetMenu::chosen, [&](const auto &option) { chosen.append(option); });
    QObject::connect(&menu, &WidgetMenu::resized, [&](WidgetFamily family) { sizes.append(family); });
    QObject::connect(&menu, &WidgetMenu::removeRequested, [&] { requests.append(QStringLiteral("remove")); });
    QObject::connect(&menu, &WidgetMenu::addRequested, [&] { requests.append(QStringLiteral("add")); });
    QObject::connect(&menu, &WidgetMenu::quitRequested, [&] { requests.append(QStringLiteral("quit")); });

    QMenu &events = *submenu(menu, QStringLiteral("Choose event"));
    action(events, QStringLiteral("Exam"))->trigger();
    action(events, QStringLiteral("First event"))->trigger();
    action(*submenu(menu, QStringLiteral("Size")), QStringLiteral("Large"))->trigger();
    action(menu, QStringLiteral("Remove widget"))->trigger();
    action(menu, QStringLiteral("Add Widget…"))->trigger();
    action(menu, QStringLiteral("Quit Home Screen"))->trigger();

    EXPECT_EQ(chosen, (QList<std::optional<WidgetConfigurationOption>>{kExam, std::nullopt}));
    EXPECT_EQ(sizes, QList<WidgetFamily>{WidgetFamily::SystemLarge});
    EXPECT_EQ(requests, (QStringList{QStringLiteral("remove"), QStringLiteral("add"), QStringLiteral("quit")}));
}

TEST(WidgetMenu, SpeaksThePersonsLanguage)
{
    ScopedLocale korean(QStringLiteral("ko_KR"));
    const WidgetInstance instance{QStringLiteral("1"), QStringLiteral("Kind"), WidgetFamily::SystemSmall, std::nullopt, {}};
    WidgetMenu menu({}, instance);
    EXPECT_EQ(texts(menu), (QStringList{QString::fromUtf8("이벤트 선택"), QString::fromUtf8("크기"), QStringLiteral("|"),
                                        QString::fromUtf8("위젯 제거"), QString::fromUtf8("위젯 추가…"), QStringLiteral("|"),
                                        QString::fromUtf8("홈 화면 종료")}));
    EXPECT_EQ(texts(*submenu(menu, QString::fromUtf8("크기"))),
              (QStringList{QString::fromUtf8("작게"), QString::fromUtf8("보통"), QString::fromUtf8("크게")}));
    EXPECT_NE(action(*submenu(menu, QString::fromUtf8("이벤트 선택")), QString::fromUtf8("아직 이벤트가 없어요")), nullptr);
}
