#include <home/homeoptions.h>

#include <support/testenvironment.h>

#include <gtest/gtest.h>

namespace {

HomeOptions parse(const char *line)
{
    return HomeOptions::parse(QString::fromUtf8(line).split(QLatin1Char(' '), Qt::SkipEmptyParts));
}

} // namespace

TEST(HomeOptions, ReadsEachCommandWithItsValues)
{
    const HomeOptions run = parse("");
    EXPECT_EQ(run.mode, HomeOptions::Mode::Run);
    EXPECT_TRUE(run.error.isEmpty());
    EXPECT_TRUE(run.showsWindows());
    EXPECT_FALSE(run.background);
    EXPECT_TRUE(parse("--background --now 2024-05-01T09:59:50").background);

    const HomeOptions add = HomeOptions::parse({QStringLiteral("--add"), QStringLiteral("medium"), QStringLiteral("--event"),
                                                QStringLiteral("Summer trip"), QStringLiteral("--at=-20,300")});
    EXPECT_EQ(add.mode, HomeOptions::Mode::Add);
    EXPECT_EQ(add.family, WidgetFamily::SystemMedium);
    EXPECT_EQ(add.event, QStringLiteral("Summer trip"));
    EXPECT_EQ(add.at, QPoint(-20, 300));
    EXPECT_FALSE(parse("--add small").at);
    EXPECT_FALSE(parse("--add small").event);

    EXPECT_EQ(parse("--list").mode, HomeOptions::Mode::List);
    EXPECT_EQ(parse("--remove 12").id, QStringLiteral("12"));
    EXPECT_EQ(parse("--install-autostart").mode, HomeOptions::Mode::InstallAutostart);
    EXPECT_EQ(parse("--remove-autostart").mode, HomeOptions::Mode::RemoveAutostart);

    const HomeOptions render = parse("--render extraLarge --out /tmp/w.png --now 2024-05-01T09:30:00");
    EXPECT_EQ(render.mode, HomeOptions::Mode::Render);
    EXPECT_EQ(render.family, WidgetFamily::SystemExtraLarge);
    EXPECT_EQ(render.out, QStringLiteral("/tmp/w.png"));
    EXPECT_EQ(render.scale, 2);
    EXPECT_FALSE(render.placeholder);
    EXPECT_FALSE(render.showsWindows());
    EXPECT_EQ(render.now, localTime(2024, 5, 1, 9, 30));
    EXPECT_EQ(parse("--render small --out a.png --scale 1.5 --placeholder").scale, 1.5);
    EXPECT_TRUE(parse("--render small --out a.png --placeholder").placeholder);

    // --now and --verbose belong to every mode.
    EXPECT_EQ(parse("--now 2024-05-01T00:00:00").now, localTime(2024, 5, 1));
    EXPECT_TRUE(parse("--list --now 2024-05-01T00:00:00").error.isEmpty());
    EXPECT_FALSE(parse("--list").verbose);
    EXPECT_TRUE(parse("--verbose").verbose);
    EXPECT_EQ(parse("--verbose").mode, HomeOptions::Mode::Run);
    const HomeOptions verboseAdd = parse("--add small --verbose");
    EXPECT_TRUE(verboseAdd.verbose);
    EXPECT_EQ(verboseAdd.mode, HomeOptions::Mode::Add);
}

TEST(HomeOptions, HelpAndVersionEndTheReading)
{
    for (const char *line : {"-h", "--help", "--list -h", "--help --frobnicate", "--add huge --help"}) {
        const HomeOptions options = parse(line);
        EXPECT_EQ(options.mode, HomeOptions::Mode::Help) << line;
        EXPECT_TRUE(options.error.isEmpty()) << line;
        EXPECT_FALSE(options.showsWindows()) << line;
    }
    EXPECT_EQ(parse("--version --frobnicate").mode, HomeOptions::Mode::Version);
    // An event may be titled "--help": it is --event's value.
    const HomeOptions titled = HomeOptions::parse({QStringLiteral("--add"), QStringLiteral("small"), QStringLiteral("--event"), QStringLiteral("--help")});
    EXPECT_EQ(titled.mode, HomeOptions::Mode::Add);
    EXPECT_EQ(titled.event, QStringLiteral("--help"));
}

TEST(HomeOptions, RefusesWhatItCannotRead)
{
    const char *const bad[] = {
        "list",                                    // a word, not an option
        "--frobnicate",                            // unknown
        "-x",
        "-",
        "--",
        "--help=yes",                              // takes no value
        "--verbose=1",
        "--add",                                   // missing value
        "--add huge",                              // no such family
        "--add extraLarge",                        // no window of that size
        "--add small --at 10",                     // not X,Y
        "--add small --at 10,y",
        "--add small --list",                      // two commands
        "--install-autostart --remove-autostart",
        "--list --list",                           // twice
        "--list=yes",                              // a flag with a value
        "--remove",                                // missing id
        "--list --event Trip",                     // option of another command
        "--add small --out a.png",
        "--render small",                          // no --out
        "--render huge --out a.png",
        "--render small --out a.png --scale 0",
        "--render small --out a.png --scale -1",
        "--render small --out a.png --scale x",
        "--render small --out a.png --scale 100",
        "--render small --out a.png --placeholder --event Trip",
        "--placeholder",
        "--list --background",                     // only the running home screen
        "--now yesterday",
        "--now 2024-05-01",
    };
    for (const char *line : bad)
        EXPECT_FALSE(parse(line).error.isEmpty()) << line;
}
