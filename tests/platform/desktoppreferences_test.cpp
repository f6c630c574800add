#include <platform/desktoppreferences.h>
#include <support/fakeportal.h>

#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <optional>

namespace {

const QString kAppearance = QStringLiteral("org.freedesktop.appearance");
const QString kGnome = QStringLiteral("org.gnome.desktop.interface");

struct Desktop
{
    const char *name;
    std::optional<uint> colorScheme;
    std::optional<uint> reducedMotion;
    std::optional<bool> enableAnimations;
    bool dark;
    bool reduced;
};

void PrintTo(const Desktop &desktop, std::ostream *os)
{
    *os << desktop.name;
}

class WhatTheDesktopPrefers : public ::testing::TestWithParam<Desktop>
{
};

// Waits for the answers to the reads that watch() sent: the portal answers in turn, so once a
// read sent after them is answered, theirs are in too.
void settle(const QDBusConnection &bus)
{
    QDBusMessage read = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.portal.Desktop"),
                                                       QStringLiteral("/org/freedesktop/portal/desktop"),
                                                       QStringLiteral("org.freedesktop.portal.Settings"),
                                                       QStringLiteral("Read"));
    read << QStringLiteral("test") << QStringLiteral("settled");
    const QDBusPendingCall pending = bus.asyncCall(read);
    EXPECT_TRUE(QTest::qWaitFor([&] { return pending.isFinished(); }, 5000));
    QTest::qWait(20);
}

} // namespace

TEST_P(WhatTheDesktopPrefers, IsReadFromThePortal)
{
    const Desktop desktop = GetParam();
    FakePortal portal(desktop.name != std::string("no portal"));
    if (!portal.failure().isEmpty())
        GTEST_SKIP() << portal.failure().toStdString();
    if (desktop.colorScheme)
        portal.set(kAppearance, QStringLiteral("color-scheme"), *desktop.colorScheme);
    if (desktop.reducedMotion)
        portal.set(kAppearance, QStringLiteral("reduced-motion"), *desktop.reducedMotion);
    if (desktop.enableAnimations)
        portal.set(kGnome, QStringLiteral("enable-animations"), *desktop.enableAnimations);

    DesktopPreferences preferences;
    preferences.watch(portal.clientBus());
    settle(portal.clientBus());
    EXPECT_EQ(preferences.dark(), desktop.dark);
    EXPECT_EQ(preferences.reducedMotion(), desktop.reduced);
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, WhatTheDesktopPrefers,
    ::testing::Values(Desktop{"no portal", {}, {}, {}, false, false},
                      Desktop{"nothing set", {}, {}, {}, false, false},
                      Desktop{"no preference", 0u, {}, {}, false, false},
                      Desktop{"prefers dark", 1u, {}, {}, true, false},
                      Desktop{"prefers light", 2u, {}, {}, false, false},
                      Desktop{"reduced motion", {}, 1u, {}, false, true},
                      // The portal's own key is the person's word over the animation switch.
                      Desktop{"reduced motion off, animations off", {}, 0u, false, false, false},
                      Desktop{"animations off", {}, {}, false, false, true},
                      Desktop{"animations on", 1u, {}, true, true, false}),
    [](const ::testing::TestParamInfo<Desktop> &info) {
        std::string name = info.param.name;
        for (char &c : name)
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

TEST(DesktopPreferences, FollowsTheDesktopWhileWatching)
{
    FakePortal portal;
    if (!portal.failure().isEmpty())
        GTEST_SKIP() << portal.failure().toStdString();
    DesktopPreferences preferences;
    preferences.watch(portal.clientBus());
    settle(portal.clientBus());
    ASSERT_FALSE(preferences.dark());
    QSignalSpy changed(&preferences, &DesktopPreferences::changed);

    portal.set(kAppearance, QStringLiteral("color-scheme"), 1u);
    ASSERT_TRUE(QTest::qWaitFor([&] { return preferences.dark(); }, 5000));
    portal.set(kGnome, QStringLiteral("enable-animations"), false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return preferences.reducedMotion(); }, 5000));
    // A setting that changes neither answer is not news.
    portal.set(kGnome, QStringLiteral("font-name"), QStringLiteral("Cantarell 11"));
    portal.set(kAppearance, QStringLiteral("color-scheme"), 0u);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !preferences.dark(); }, 5000));
    settle(portal.clientBus());
    EXPECT_EQ(changed.count(), 3);
}
