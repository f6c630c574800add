#include <shell/windowkeeper.h>
#include <shell/windowmemory.h>
#include <support/testenvironment.h>

#include <platform/atomicfile.h>
#include <platform/userdirs.h>
#include <store/userdata.h>

#include <QGuiApplication>
#include <QQuickWindow>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

// What the app remembers of its window: the size the person gives it and the event it shows,
// read back by the next start; nothing of a size it took only to fit a screen, or that the
// command line gave it.

namespace {

class Keeper : public ::testing::Test
{
protected:
    TemporaryHome home;
    UserData store;
    QQuickWindow window;
    const QString path = WindowMemory::defaultPath();

    void SetUp() override
    {
        ASSERT_GE(store.count(), 2);
        window.resize(390, 500);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
};

} // namespace

TEST_F(Keeper, TheSizeAndEventThePersonLeavesComeBackAtTheNextStart)
{
    {
        WindowKeeper keeper(&window, store, WindowMemory::read(path), true, false);
        // The size a desktop gives the window as it shows it (a tiling one) is not the person's.
        window.resize(1280, 800);
        keeper.save();
        EXPECT_FALSE(WindowMemory::read(path).size.has_value());
        window.requestUpdate();
        QTest::qWait(100);
        window.resize(420, 540);
        store.setCurrentPage(1);
        QTest::qWait(50);
    } // the app quits
    const WindowMemory saved = WindowMemory::read(path);
    EXPECT_EQ(saved.size, QSize(420, 540));
    EXPECT_EQ(saved.eventId, store.magicDates().at(1).id);

    // A run with a size of its own (--size) keeps the remembered one, and the event moves on.
    {
        WindowKeeper keeper(&window, store, saved, false, false);
        window.resize(600, 560);
        store.setCurrentPage(0);
        keeper.save();
    }
    EXPECT_EQ(WindowMemory::read(path), (WindowMemory{QSize(420, 540), store.magicDates().at(0).id}));
}

TEST_F(Keeper, AWindowTooTallForItsScreenIsMadeToFitWithoutForgettingItsSize)
{
    const QRect available = window.screen()->availableGeometry();
    window.resize(390, available.height() + 200);
    WindowKeeper keeper(&window, store, WindowMemory{QSize(390, available.height() + 200), {}}, true, true);
    window.requestUpdate();
    ASSERT_TRUE(waitUntil([&] { return window.height() <= available.height(); }, 3000));
    keeper.save();
    // The next start on a larger screen has room for it again.
    EXPECT_EQ(WindowMemory::read(path).size, QSize(390, available.height() + 200));
}

TEST(WindowMemory, AFileThatIsNotOursIsNoMemory)
{
    TemporaryHome home;
    EXPECT_EQ(WindowMemory::read(), WindowMemory{});
    ASSERT_TRUE(UserDirs::ensurePrivateDir(home.dataHome() + QStringLiteral("/tallowick")));
    for (const QByteArray &bytes : {QByteArray("not json"), QByteArray("[1, 2]"),
                                    QByteArray(R"({"width": -5, "height": 900, "event": 7})"),
                                    QByteArray(R"({"width": 390, "height": 1e9})")}) {
        ASSERT_TRUE(AtomicFile::write(WindowMemory::defaultPath(), bytes));
        EXPECT_FALSE(WindowMemory::read().size.has_value()) << bytes.constData();
        EXPECT_TRUE(WindowMemory::read().eventId.isEmpty()) << bytes.constData();
    }
}
