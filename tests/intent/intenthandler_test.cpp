#include "publishedcontents.h"

#include <intent/intenthandler.h>
#include <support/logcapture.h>
#include <support/testenvironment.h>

#include <gtest/gtest.h>

namespace {

struct Answer
{
    int calls = 0;
    QList<Event> collection;
    QString error;
};

Answer askForOptions()
{
    IntentHandler handler;
    Answer answer;
    handler.provideEventTitleOptionsCollectionForSelectEvent(
        SelectEventIntent{}, [&answer](const QList<Event> &collection, const QString &error) {
            ++answer.calls;
            answer.collection = collection;
            answer.error = error;
        });
    return answer;
}

class IntentHandlerTest : public ::testing::Test
{
protected:
    TemporaryHome home;
};

} // namespace

TEST_F(IntentHandlerTest, HandlesEveryIntentItself)
{
    IntentHandler handler;
    EXPECT_EQ(handler.handlerForIntent(SelectEventIntent{}), &handler);
    EXPECT_EQ(handler.handlerForIntent(SelectEventIntent{Event("3", "Trip")}), &handler);
}

TEST_F(IntentHandlerTest, OffersOneOptionPerPublishedEventInPageOrder)
{
    publishContents(publishedRecords({"Trip", "Exam", "Birthday"}));
    const LogCapture log;
    const Answer answer = askForOptions();

    EXPECT_EQ(answer.calls, 1);
    EXPECT_TRUE(answer.error.isEmpty());
    EXPECT_EQ(answer.collection, (QList<Event>{Event("0", "Trip"), Event("1", "Exam"), Event("2", "Birthday")}));
    for (const Event &event : answer.collection)
        EXPECT_FALSE(event.pronunciationHint().has_value());
    ASSERT_FALSE(log.lines().isEmpty());
    EXPECT_EQ(log.lines().first(), QStringLiteral("tallowick.intent: provideEventTitleOptionsCollection ==="));
}

TEST_F(IntentHandlerTest, EventsWithOneTitleStayApartByPage)
{
    publishContents(publishedRecords({"Trip", "Trip"}));
    const Answer answer = askForOptions();
    EXPECT_EQ(answer.collection, (QList<Event>{Event("0", "Trip"), Event("1", "Trip")}));
}

TEST_F(IntentHandlerTest, NothingToReadMeansNoOptionsAndNoError)
{
    struct Case
    {
        const char *name;
        std::optional<QByteArray> file;  // nothing: no file at all
    };
    const Case cases[] = {{"missing", std::nullopt}, {"empty list", QByteArray("[]")}, {"corrupt", QByteArray("[{")}};
    for (const Case &c : cases) {
        TemporaryHome fresh;
        if (c.file)
            publishRawContents(*c.file);
        const Answer answer = askForOptions();
        EXPECT_EQ(answer.calls, 1) << c.name;
        EXPECT_TRUE(answer.collection.isEmpty()) << c.name;
        EXPECT_TRUE(answer.error.isEmpty()) << c.name;
    }
}

TEST_F(IntentHandlerTest, EveryRequestReadsTheFileAfresh)
{
    IntentHandler handler;
    QList<Event> latest;
    const auto keep = [&latest](const QList<Event> &collection, const QString &) { latest = collection; };

    publishContents(publishedRecords({"Trip"}));
    handler.provideEventTitleOptionsCollectionForSelectEvent(SelectEventIntent{}, keep);
    EXPECT_EQ(latest, QList<Event>{Event("0", "Trip")});

    publishContents(publishedRecords({"Exam", "Trip"}));
    handler.provideEventTitleOptionsCollectionForSelectEvent(SelectEventIntent{}, keep);
    EXPECT_EQ(latest, (QList<Event>{Event("0", "Exam"), Event("1", "Trip")}));
}
