#include <screens/viewmodels/fonts.h>

#include <QFontDatabase>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <thread>

// The app adds its faces on a thread of its own before its window exists. Any later change to
// the font database would make every window lay out all its text again.
TEST(Fonts, AddedOnceFromAnyThreadAndNeverAgain)
{
    std::thread([] { Fonts::load(); }).join();

    int changes = 0;
    const QMetaObject::Connection counting =
        QObject::connect(qGuiApp, &QGuiApplication::fontDatabaseChanged, [&] { ++changes; });
    Fonts::load();
    const Fonts fonts; // what the screens make when they first ask
    QObject::disconnect(counting);
    EXPECT_EQ(changes, 0);

    const QStringList families = QFontDatabase::families();
    for (const QString &family : {fonts.gilroy(), fonts.avenir()}) {
        EXPECT_NE(family, QStringLiteral("sans-serif"));
        EXPECT_TRUE(families.contains(family)) << qPrintable(family);
    }
    EXPECT_NE(fonts.gilroy(), fonts.avenir());
}
