#include "scenetaps.h"

#include <support/fakeportal.h>
#include <support/qmlscene.h>
#include <support/testenvironment.h>

#include <platform/desktoppreferences.h>
#include <platform/settingsstore.h>
#include <store/userdata.h>

#include <QQuickItem>
#include <gtest/gtest.h>
#include <optional>

// The screens as the desktop would have them, through its portal on a bus of the test's own:
// the list and the alerts dark or light as it prefers, changing while they are shown, and
// sheets, pages and bars that cut rather than move when it asks for less motion.

namespace {

const QString kAppearance = QStringLiteral("org.freedesktop.appearance");

// Every item drawn under `root` named `name`.
QList<QQuickItem *> itemsNamed(QQuickItem *root, const QString &name)
{
    QList<QQuickItem *> found;
    for (QQuickItem *child : root->childItems()) {
        if (child->objectName() == name)
            found.append(child);
        found += itemsNamed(child, name);
    }
    return found;
}

class DesktopLookScene : public ::testing::Test
{
protected:
    TemporaryHome home;
    ScopedLocale locale{QStringLiteral("en_US")};
    FixedClock clock{localTime(2026, 12, 8, 9)};
    std::optional<FakePortal> portal;
    std::optional<UserData> store;
    std::unique_ptr<QmlScene> scene;

    void SetUp() override
    {
        portal.emplace();
        if (!portal->failure().isEmpty())
            GTEST_SKIP() << portal->failure().toStdString();
        SettingsStore().setValue(UserData::kReviewKey, true);
        store.emplace();
    }
    void TearDown() override
    {
        scene.reset();
        // Later tests in this process meet a desktop without preferences again.
        DesktopPreferences::session().watch(QDBusConnection(QStringLiteral("no bus")));
    }

    // The app as it runs: with its springs and entrances, unless the desktop says otherwise.
    void show(const std::function<bool()> &preferencesRead)
    {
        DesktopPreferences::session().watch(portal->clientBus());
        ASSERT_TRUE(waitUntil(preferencesRead, 5000));
        scene = std::make_unique<QmlScene>(QStringLiteral("ContentView"),
                                           QVariantMap{{QStringLiteral("store"), QVariant::fromValue(&*store)},
                                                       {QStringLiteral("animateEntrance"), true}});
        ASSERT_TRUE(scene->item());
    }
    void present(const char *mode)
    {
        QMetaObject::invokeMethod(scene->find(QStringLiteral("eventSheet")), "present",
                                  Q_ARG(QVariant, QString::fromLatin1(mode)));
    }
    // The colour drawn at `point` of the scene (the picture has the display scale's pixels).
    QColor colourAt(const QPointF &point)
    {
        return scene->grab().pixelColor((point * scene->window().devicePixelRatio()).toPoint());
    }
    // The colour drawn a little inside the top left corner of `item`.
    QColor colourInside(QQuickItem *item) { return colourAt(item->mapToScene(QPointF(12, 12))); }
};

} // namespace

TEST_F(DesktopLookScene, TheListAndTheAlertsFollowTheDesktopsColourSchemeWhileShown)
{
    portal->set(kAppearance, QStringLiteral("color-scheme"), 1u);
    show([] { return DesktopPreferences::session().dark(); });
    scene->settle(300);
    present("overview");
    scene->settle(500);
    QQuickItem *list = findItem(scene->item(), QStringLiteral("summaryList"));
    ASSERT_TRUE(list);
    // Below the rows, the list's own background.
    const QPointF empty = list->mapToScene(QPointF(list->width() / 2, list->height() - 20));
    EXPECT_TRUE(near(colourAt(empty), QColor(0x1C, 0x1C, 0x1E), 3));
    QQuickItem *alert = scene->find(QStringLiteral("deleteAlert"));
    ASSERT_TRUE(alert);
    alert->setProperty("open", true);
    scene->settle(100);
    // An alert is drawn over the whole window.
    QQuickItem *card = findItem(scene->window().contentItem(), QStringLiteral("alertCard"));
    ASSERT_TRUE(card);
    EXPECT_TRUE(near(colourInside(card), QColor(0x2C, 0x2C, 0x2E), 3));
    QQuickItem *title = findItem(card, QStringLiteral("alertTitle"));
    EXPECT_EQ(title->property("color").value<QColor>(), QColor(Qt::white));

    portal->set(kAppearance, QStringLiteral("color-scheme"), 2u);
    ASSERT_TRUE(waitUntil([] { return !DesktopPreferences::session().dark(); }, 5000));
    scene->settle(50);
    EXPECT_TRUE(near(colourInside(card), QColor(0xF2, 0xF2, 0xF2), 3));
    EXPECT_EQ(title->property("color").value<QColor>(), QColor(Qt::black));
    alert->setProperty("open", false);
    scene->settle(50);
    EXPECT_TRUE(near(colourAt(empty), Qt::white, 3));
}

TEST_F(DesktopLookScene, LessMotionMakesSheetsPagesAndBarsCutInsteadOfMoving)
{
    portal->set(QStringLiteral("org.gnome.desktop.interface"), QStringLiteral("enable-animations"), false);
    show([] { return DesktopPreferences::session().reducedMotion(); });
    // The bar's pieces, which otherwise slide in one after another for most of a second.
    const QList<QQuickItem *> pieces = itemsNamed(scene->item(), QStringLiteral("barPiece"));
    ASSERT_FALSE(pieces.isEmpty());
    for (QQuickItem *piece : pieces)
        EXPECT_TRUE(piece->property("entered").toBool());
    scene->settle(300);

    QQuickItem *panel = scene->find(QStringLiteral("sheetPanel"));
    ASSERT_TRUE(panel);
    present("add");
    scene->settle(40);
    EXPECT_EQ(panel->y(), panel->parentItem()->property("topInset").toReal());
    QMetaObject::invokeMethod(scene->find(QStringLiteral("eventSheet")), "dismiss");
    scene->settle(40);
    EXPECT_FALSE(panel->parentItem()->isVisible());

    QQuickItem *pages = scene->find(QStringLiteral("pages"));
    ASSERT_TRUE(pages);
    store->setCurrentPage(1);
    scene->settle(40);
    EXPECT_EQ(pages->property("contentX").toReal(), pages->width());
}
