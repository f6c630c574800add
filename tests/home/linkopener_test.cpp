#include "hometesting.h"

#include <home/linkopener.h>

#include <support/testenvironment.h>

#include <QDesktopServices>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl &url) { opened.append(url); }
};

// Puts a stand-in for the app into `folder` that writes the link it was given to `record`.
void placeApp(const QString &folder, const QString &record)
{
    const QString program = folder + QStringLiteral("/tallowick");
    writeFile(program, QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\n").arg(record).toUtf8());
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

class LinkOpenerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &desktop, "open");
    }
    void TearDown() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }

    QTemporaryDir programDir;
    QTemporaryDir pathDir;
    // Nothing of the person's PATH takes part.
    ScopedEnvironment path{"PATH", QFile::encodeName(pathDir.path())};
    UrlCatcher desktop;
    const QUrl link{QStringLiteral("https://tallowick.example/?pageNumber=3")};
};

} // namespace

TEST_F(LinkOpenerTest, RunsTheAppBesideTheProgramWithTheLink)
{
    const QString record = programDir.path() + QStringLiteral("/opened");
    placeApp(programDir.path(), record);
    placeApp(pathDir.path(), pathDir.path() + QStringLiteral("/wrong"));
    const LinkOpener opener(programDir.path());
    EXPECT_EQ(opener.appProgram(), programDir.path() + QStringLiteral("/tallowick"));

    EXPECT_TRUE(opener.open(link));
    EXPECT_TRUE(waitUntil([&] { return readFile(record) == link.toString().toUtf8(); }));
    EXPECT_TRUE(desktop.opened.isEmpty());
}

TEST_F(LinkOpenerTest, FindsTheAppOnThePathWhenItIsNotBesideTheProgram)
{
    placeApp(pathDir.path(), pathDir.path() + QStringLiteral("/opened"));
    const LinkOpener opener(programDir.path());
    EXPECT_EQ(opener.appProgram(), pathDir.path() + QStringLiteral("/tallowick"));
}

TEST_F(LinkOpenerTest, WithoutTheAppTheDesktopOpensTheLink)
{
    const LinkOpener opener(programDir.path());
    EXPECT_TRUE(opener.appProgram().isEmpty());
    EXPECT_TRUE(opener.open(link));
    EXPECT_EQ(desktop.opened, QList<QUrl>{link});
}

TEST_F(LinkOpenerTest, AnEmptyOrRelativeLinkOpensNothing)
{
    const LinkOpener opener(programDir.path());
    EXPECT_FALSE(opener.open(QUrl()));
    EXPECT_FALSE(opener.open(QUrl(QStringLiteral("-pageNumber=3"))));
    EXPECT_TRUE(desktop.opened.isEmpty());
}

#include "linkopener_test.moc"
