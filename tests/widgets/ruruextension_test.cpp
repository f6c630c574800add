#include "publishedcontents.h"
#include "widgetrendering.h"

#include <model/hexcolor.h>
#include <support/testenvironment.h>
#include <widgets/deeplinkurl.h>
#include <widgets/ruruextension.h>

#include <QPainter>
#include <QPluginLoader>
#include <gtest/gtest.h>

namespace {

class RuruExtensionTest : public ::testing::Test
{
protected:
    TemporaryHome home;
    RuruExtension extension;
};

} // namespace

TEST_F(RuruExtensionTest, DeclaresTheWidget)
{
    EXPECT_EQ(extension.kind(), QStringLiteral("RuruExtension"));
    EXPECT_EQ(extension.displayName(), QStringLiteral("Tallowick"));
    EXPECT_EQ(extension.widgetDescription(), QStringLiteral("Keep track of your upcoming events."));
    ScopedLocale korean{QStringLiteral("ko_KR")};
    EXPECT_NE(extension.widgetDescription(), QStringLiteral("Keep track of your upcoming events."));
    EXPECT_FALSE(extension.widgetDescription().isEmpty());
}

TEST_F(RuruExtensionTest, OffersThePublishedEventsAsOptions)
{
    publishContents(publishedRecords({"Trip", "Exam", "Trip"}));
    EXPECT_EQ(extension.configurationOptions(),
              (QList<WidgetConfigurationOption>{{"0", "Trip"}, {"1", "Exam"}, {"2", "Trip"}}));
}

TEST_F(RuruExtensionTest, TimelinesCarryThePublishedRecords)
{
    const QList<WidgetContent> records = publishedRecords({"Trip", "Exam"});
    publishContents(records);

    const WidgetTimeline chosen = extension.timeline(WidgetConfigurationOption{"1", "Exam"}, WidgetFamily::SystemSmall);
    ASSERT_EQ(chosen.entries.size(), 1);
    EXPECT_EQ(RuruExtension::contentOf(chosen.entries.at(0)), records.at(1));
    EXPECT_EQ(chosen.entries.at(0).date, records.at(1).date);
    EXPECT_EQ(chosen.policy, WidgetTimeline::ReloadPolicy::AtEnd);

    const WidgetTimeline unconfigured = extension.timeline(std::nullopt, WidgetFamily::SystemLarge);
    ASSERT_EQ(unconfigured.entries.size(), 1);
    EXPECT_EQ(RuruExtension::contentOf(unconfigured.entries.at(0)), records.at(0));

    // An event chosen by a title that is gone: the first event stands in.
    const WidgetTimeline gone = extension.timeline(WidgetConfigurationOption{"0", "Gone"}, WidgetFamily::SystemSmall);
    ASSERT_EQ(gone.entries.size(), 1);
    EXPECT_EQ(RuruExtension::contentOf(gone.entries.at(0)), records.at(0));
}

TEST_F(RuruExtensionTest, PlaceholderAndSnapshotAreTheSample)
{
    const FixedClock clock{localTime(2026, 12, 8, 9)};
    EXPECT_EQ(RuruExtension::contentOf(extension.placeholder(WidgetFamily::SystemSmall)), Provider::defaultEntry());
    EXPECT_EQ(RuruExtension::contentOf(extension.snapshot(WidgetFamily::SystemMedium)), Provider::defaultEntry());
    EXPECT_EQ(extension.snapshot(WidgetFamily::SystemMedium).date, Provider::defaultEntry().date);
    // Anything that is not an entry of this extension draws as the sample.
    EXPECT_EQ(RuruExtension::contentOf(WidgetEntry{QDateTime(), QVariant(42)}), Provider::defaultEntry());
}

TEST(DeepLink, OpensTheAppAtTheEntrysPage)
{
    WidgetContent entry = publishedRecord(QStringLiteral("Trip"), 7);
    EXPECT_EQ(deepLinkURL(entry), QUrl(QStringLiteral("https://tallowick.page.link?pageNumber=7")));
    EXPECT_EQ(deepLinkURL(entry).toString(), QStringLiteral("https://tallowick.page.link?pageNumber=7"));
    entry.pageNumber.reset();
    EXPECT_EQ(deepLinkURL(entry).toString(), QStringLiteral("https://tallowick.page.link?pageNumber=0"));
}

TEST(DeepLink, OnlyTheSizesWithAViewHaveOne)
{
    RuruExtension extension;
    const WidgetEntry entry = RuruExtension::entryFor(publishedRecord(QStringLiteral("Trip"), 7));
    const QUrl link(QStringLiteral("https://tallowick.page.link?pageNumber=7"));
    EXPECT_EQ(extension.tapLink(entry, WidgetFamily::SystemSmall), link);
    EXPECT_EQ(extension.tapLink(entry, WidgetFamily::SystemMedium), link);
    EXPECT_EQ(extension.tapLink(entry, WidgetFamily::SystemLarge), link);
    EXPECT_TRUE(extension.tapLink(entry, WidgetFamily::SystemExtraLarge).isEmpty());
}

TEST(Plugin, LoadsAsAWidgetExtension)
{
    QPluginLoader loader(QStringLiteral(TALLOWICK_WIDGETS_PLUGIN));
    ASSERT_TRUE(loader.load()) << loader.errorString().toStdString();
    EXPECT_EQ(loader.metaData().value(QStringLiteral("IID")).toString(), QStringLiteral(TallowickWidgetExtension_iid));
    auto *widget = qobject_cast<WidgetExtension *>(loader.instance());
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->kind(), QStringLiteral("RuruExtension"));

    // The plug-in draws its own entries: the sample, in the sample's background.
    QImage image(widgetFamilySize(WidgetFamily::SystemSmall).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        widget->render(widget->placeholder(WidgetFamily::SystemSmall), WidgetFamily::SystemSmall, painter);
    }
    EXPECT_EQ(image.pixelColor(1, 1).rgb(), hexColor(QStringLiteral("FF7580")).rgb());
    EXPECT_EQ(image.pixelColor(165, 85).rgb(), hexColor(QStringLiteral("FFECAF")).rgb());
}
