#include <shell/linkrouter.h>
#include <store/userdata.h>
#include <support/logcapture.h>
#include <support/testenvironment.h>

#include <gtest/gtest.h>

namespace {

class Links : public ::testing::Test
{
protected:
    TemporaryHome home;
    FixedClock clock{localTime(2026, 12, 8, 9)};
    UserData store;

    void SetUp() override
    {
        // The packaged first-start list has three events; add two more so pages 0 to 4 exist.
        store.addEvent(localTime(2027, 5, 1), QStringLiteral("Four"), true, 1);
        store.addEvent(localTime(2027, 6, 1), QStringLiteral("Five"), true, 1);
        store.setCurrentPage(0);
    }
};

} // namespace

TEST_F(Links, AWidgetLinkSelectsItsPage)
{
    LogCapture log;
    LinkRouter router(store);
    router.open(QStringLiteral("https://tallowick.page.link?pageNumber=2"));
    EXPECT_EQ(store.currentPage(), 2);

    router.open(QStringLiteral("tallowick://open?pageNumber=abc"));
    EXPECT_EQ(store.currentPage(), 0);
    router.open(QStringLiteral("tallowick://open?pageNumber=3"));
    router.open(QStringLiteral("tallowick://open?page=1"));
    EXPECT_EQ(store.currentPage(), 3);
}

TEST_F(Links, ASharedEventLinkOffersTheEventForThePersonToConfirm)
{
    LinkRouter router(store);
    QList<EventDraft> offered;
    QObject::connect(&store, &UserData::sharedEventOffered, [&](const EventDraft &draft) { offered.append(draft); });
    const int before = store.count();
    router.open(QStringLiteral("https://tallowick.page.link/?ddate=2027-02-14&countdown=true&dateTitle=Valentine&colorIndex=1003"));
    ASSERT_EQ(offered.size(), 1);
    EXPECT_EQ(offered.at(0).title, QStringLiteral("Valentine"));
    EXPECT_EQ(offered.at(0).themeId, 1003);
    EXPECT_EQ(store.count(), before);
}

TEST_F(Links, WebLinksElsewhereAndWeakMatchesDoNothing)
{
    LogCapture log;
    LinkRouter router(store);
    router.open(QStringLiteral("https://example.com/?pageNumber=4"));
    EXPECT_EQ(store.currentPage(), 0);
    ASSERT_FALSE(log.lines().isEmpty());
    EXPECT_TRUE(log.lines().constLast().startsWith(QStringLiteral("tallowick.shell: found an error")));

    LinkRouter weak(store, [](const QUrl &url) { return DynamicLinkResult{DynamicLink{url, DynamicLink::Weak}, {}}; });
    weak.open(QStringLiteral("https://tallowick.page.link?pageNumber=4"));
    EXPECT_EQ(store.currentPage(), 0);
    EXPECT_EQ(log.lines().constLast(), QStringLiteral("tallowick.shell: Not a strong enough match type to continue"));

    LinkRouter noUrl(store, [](const QUrl &) { return DynamicLinkResult{DynamicLink{std::nullopt, DynamicLink::Unique}, {}}; });
    noUrl.open(QStringLiteral("https://tallowick.page.link?pageNumber=4"));
    EXPECT_EQ(log.lines().constLast(), QStringLiteral("tallowick.shell: no url"));
    EXPECT_EQ(store.currentPage(), 0);
}

TEST_F(Links, LinksWithoutQueriesOrThatAreNoUrlsAreDropped)
{
    const int before = store.count();
    LinkRouter router(store);
    store.setCurrentPage(1);
    for (const char *link : {"tallowick://open", "not a link %%", "", "https://tallowick.page.link/"})
        router.open(QLatin1String(link));
    EXPECT_EQ(store.currentPage(), 1);
    EXPECT_EQ(store.count(), before);
}
