#include <intent/eventresolutionresult.h>
#include <intent/selecteventintent.h>
#include <intent/selecteventintentresponse.h>
#include <support/testenvironment.h>

#include <QUrl>
#include <gtest/gtest.h>

TEST(IntentTypes, EventsAreEqualByAllThreeFields)
{
    const Event trip("1", "Trip");
    EXPECT_EQ(trip, Event("1", "Trip"));
    EXPECT_NE(trip, Event("2", "Trip"));
    EXPECT_NE(trip, Event("1", "trip"));
    EXPECT_NE(trip, Event("1", "Trip", QStringLiteral("trip")));
    EXPECT_EQ(Event("1", "Trip", QStringLiteral("trip")).pronunciationHint(), QStringLiteral("trip"));

    EXPECT_FALSE(SelectEventIntent{}.eventTitle.has_value());
    EXPECT_NE(SelectEventIntent{}, SelectEventIntent{trip});
}

TEST(IntentTypes, ResolutionResultsTellTheirKindAndCarryTheirEvents)
{
    const Event trip("0", "Trip");
    const Event exam("1", "Exam");

    const auto success = EventResolutionResult::success(trip);
    EXPECT_TRUE(success.isSuccess());
    EXPECT_FALSE(success.needsDisambiguation() || success.needsConfirmation());
    EXPECT_EQ(success.event(), trip);
    EXPECT_TRUE(success.alternatives().isEmpty());

    const auto choice = EventResolutionResult::disambiguation({trip, exam});
    EXPECT_EQ(choice.kind(), EventResolutionResult::Kind::Disambiguation);
    EXPECT_TRUE(choice.needsDisambiguation());
    EXPECT_EQ(choice.alternatives(), (QList<Event>{trip, exam}));
    EXPECT_FALSE(choice.event().has_value());

    const auto confirm = EventResolutionResult::confirmationRequired(exam);
    EXPECT_TRUE(confirm.needsConfirmation());
    EXPECT_EQ(confirm.event(), exam);
    const auto confirmNothing = EventResolutionResult::confirmationRequired(std::nullopt);
    EXPECT_TRUE(confirmNothing.needsConfirmation());
    EXPECT_FALSE(confirmNothing.event().has_value());
    EXPECT_NE(confirm, confirmNothing);
}

TEST(IntentTypes, ResponseCodesAreZeroToSix)
{
    for (qint64 raw = 0; raw <= 6; ++raw) {
        const auto code = selectEventIntentResponseCode(raw);
        ASSERT_TRUE(code.has_value()) << raw;
        EXPECT_EQ(static_cast<qint64>(*code), raw);
    }
    EXPECT_EQ(selectEventIntentResponseCode(4), SelectEventIntentResponseCode::Success);
    for (qint64 raw : {qint64(7), qint64(100), qint64(-1), std::numeric_limits<qint64>::max()})
        EXPECT_FALSE(selectEventIntentResponseCode(raw).has_value()) << raw;
}

TEST(IntentTypes, ResponsesKeepTheirCodeAndUserActivity)
{
    const SelectEventIntentResponse plain;
    EXPECT_EQ(plain.code(), SelectEventIntentResponseCode::Unspecified);
    EXPECT_FALSE(plain.userActivity().isValid());

    const QVariant activity = QUrl(QStringLiteral("https://tallowick.page.link?pageNumber=2"));
    const SelectEventIntentResponse failed(SelectEventIntentResponseCode::FailureRequiringAppLaunch, activity);
    EXPECT_EQ(failed.code(), SelectEventIntentResponseCode::FailureRequiringAppLaunch);
    EXPECT_EQ(failed.userActivity(), activity);
}
