#include "hometesting.h"
#include "recordingextension.h"

#include <home/addwidgetwindow.h>
#include <home/homescreen.h>

#include <support/testenvironment.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const WidgetConfigurationOption kTrip{QStringLiteral("1"), QStringLiteral("Trip")};
const WidgetConfigurationOption kExam{QStringLiteral("2"), QStringLiteral("Exam")};

class AddWidgetWindowTest : public ::testing::Test
{
protected:
    AddWidgetWindowTest() { extension.options = {kTrip, kExam}; }

    // Types keys into whatever has the keyboard in the window.
    void keys(const QList<int> &typed)
    {
        for (int key : typed) {
            QWidget *focused = QApplication::focusWidget();
            ASSERT_NE(focused, nullptr);
            QTest::keyClick(focused, Qt::Key(key));
        }
    }

    TemporaryHome home;
    FixedClock clock{localTime(2024, 5, 1, 9)};
    RecordingExtension extension;
    InstanceStore store;
    HomeScreen screen{extension, store};
};

} // namespace

TEST_F(AddWidgetWindowTest, TheKeysAloneChooseAndAddAWidget)
{
    AddWidgetWindow window(screen);
    window.present();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // Medium and the first event to begin with; Down makes it large, Tab goes to the events,
    // Down twice chooses the second event, Return adds.
    EXPECT_EQ(window.family(), WidgetFamily::SystemMedium);
    keys({Qt::Key_Down, Qt::Key_Tab, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return});
    ASSERT_EQ(screen.instances().size(), 1);
    EXPECT_EQ(screen.instances().at(0).family, WidgetFamily::SystemLarge);
    EXPECT_EQ(screen.instances().at(0).configuration, kExam);
    EXPECT_FALSE(window.isVisible());

    // Opened again it offers the events of now; Escape closes it without adding.
    extension.options = {kExam};
    window.present();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(window.findChild<QComboBox *>(QStringLiteral("event"))->count(), 2);
    keys({Qt::Key_Escape});
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(screen.instances().size(), 1);
}

TEST_F(AddWidgetWindowTest, EveryControlHasANameInThePersonsLanguage)
{
    ScopedLocale korean(QStringLiteral("ko_KR"));
    AddWidgetWindow window(screen);
    window.present();
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("위젯 추가"));
    for (QWidget *control : window.findChildren<QWidget *>()) {
        const bool named = qobject_cast<QAbstractButton *>(control) || qobject_cast<QComboBox *>(control)
            || control->objectName() == QLatin1String("preview");
        if (!named)
            continue;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(accessible, nullptr);
        EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty()) << control->metaObject()->className();
    }
    EXPECT_EQ(window.findChild<QAbstractButton *>(QStringLiteral("add"))->text(), QString::fromUtf8("위젯 추가"));
}
