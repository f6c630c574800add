// One set of rules at every way in: what the forms refuse, the command line and links refuse
// too, each with one clear line and nothing changed.

#include "../reliability/programs.h"

#include <model/resources.h>
#include <platform/settingsstore.h>
#include <screens/viewmodels/eventform.h>
#include <store/eventrepository.h>
#include <support/testenvironment.h>

#include <gtest/gtest.h>

namespace {

class Rules : public ::testing::Test
{
protected:
    TemporaryHome home;
    const QDateTime now = localTime(2026, 12, 8, 9);
    FixedClock clock{now};

    void SetUp() override { EventRepository().open(); }

    Programs::Run cli(const QStringList &arguments) { return Programs::run(Programs::cli(), arguments, now); }
};

} // namespace

TEST_F(Rules, TheCommandLineRefusesWhatBreaksARuleInOneLineAndChangesNothing)
{
    const QByteArray before = readFile(SettingsStore::defaultPath());
    const QString tooLong(21, u'x');
    const std::pair<QStringList, const char *> refused[] = {
        {{QStringLiteral("add"), QString(), QStringLiteral("2027-01-01")}, "the title is empty"},
        {{QStringLiteral("add"), QStringLiteral("  \t "), QStringLiteral("2027-01-01")}, "the title is empty"},
        {{QStringLiteral("add"), tooLong, QStringLiteral("2027-01-01")}, "longer than 20 characters"},
        {{QStringLiteral("add"), QStringLiteral("Trip"), QStringLiteral("2027-01-01"), QStringLiteral("--theme"), QStringLiteral("9999")},
         "no such theme"},
        {{QStringLiteral("add"), QStringLiteral("Trip"), QStringLiteral("2026-02-30")}, "is not a date"},
        {{QStringLiteral("edit"), QStringLiteral("0"), QStringLiteral("--title"), QStringLiteral(" ")}, "the title is empty"},
        {{QStringLiteral("edit"), QStringLiteral("0"), QStringLiteral("--title"), tooLong}, "longer than 20 characters"},
        {{QStringLiteral("edit"), QStringLiteral("0"), QStringLiteral("--theme"), QStringLiteral("9999")}, "no such theme"},
        {{QStringLiteral("edit"), QStringLiteral("0"), QStringLiteral("--date"), QStringLiteral("tomorrow")}, "is not a date"},
        {{QStringLiteral("count"), QString()}, "is not a date"},
        {{QStringLiteral("open"), QStringLiteral("https://tallowick.page.link/?ddate=notadate&countdown=true&dateTitle=Bad")},
         "its date is no date"},
        {{QStringLiteral("open"), QStringLiteral("https://tallowick.page.link/?ddate=2027-01-01&countdown=true&dateTitle=+++")},
         "the title is empty"},
    };
    for (const auto &[arguments, reason] : refused) {
        const Programs::Run run = cli(arguments);
        const std::string line = arguments.join(' ').toStdString();
        EXPECT_EQ(run.exitCode, 2) << line;
        EXPECT_EQ(run.err.count('\n'), 1) << line << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(reason)) << line << ": " << run.err.toStdString();
        EXPECT_FALSE(run.err.contains("usage")) << line;
        EXPECT_TRUE(run.out.isEmpty()) << line;
    }
    EXPECT_EQ(readFile(SettingsStore::defaultPath()), before);
}

TEST_F(Rules, ALinkTypedOnTheCommandLineIsAddedByTheLinksRules)
{
    // A long title is cut, a colour that is no theme is theme 1, a known title is refused.
    const QString link = QStringLiteral("https://tallowick.page.link/?ddate=2027-01-01&countdown=true&colorIndex=7&dateTitle=")
        + QString(300, u'L');
    Programs::Run run = cli({QStringLiteral("open"), link});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const EDate added = EventRepository().read().events.at(0);
    EXPECT_EQ(added.dateTitle, QString(20, u'L'));
    EXPECT_EQ(added.colorIndex, std::optional<qint64>(1));
    run = cli({QStringLiteral("open"), link});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("already in the list")) << run.err.toStdString();
    EXPECT_EQ(EventRepository().read().events.size(), defaultEvents().size() + 1);
}

TEST_F(Rules, TheFormsTakeNoTitleOfWhiteSpaceAlone)
{
    UserData store;
    EventForm form;
    form.setStore(&store);
    form.setEventName(QStringLiteral("   "));
    EXPECT_FALSE(form.canSave());
    form.save();
    form.setEventName(QStringLiteral(" Trip "));
    EXPECT_TRUE(form.canSave());
    EXPECT_EQ(store.count(), int(defaultEvents().size()));
}
