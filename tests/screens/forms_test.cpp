#include "eventrows.h"

#include <support/qmlscene.h>
#include <support/testenvironment.h>
#include <support/testevents.h>

#include <screens/viewmodels/eventform.h>
#include <screens/viewmodels/formdatewheel.h>
#include <screens/viewmodels/themelistmodel.h>
#include <screens/viewmodels/titlelimit.h>

#include <model/bartype.h>
#include <model/calendarhelper.h>
#include <model/hexcolor.h>
#include <model/resources.h>
#include <platform/settingsstore.h>
#include <store/userdata.h>

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

// Readable dates in failure messages.
static void PrintTo(const QDateTime &date, std::ostream *os)
{
    *os << date.toString(Qt::ISODate).toStdString();
}

namespace {

const QString kKoreanWord = QStringLiteral("한국어");
// "한" spelled as three jamo: one character on screen.
const QString kDecomposedHan = QStringLiteral("\u1112\u1161\u11AB");
const QString kGrin = QStringLiteral("\U0001F600");

QString repeated(const QString &piece, int times)
{
    QString text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

const ColorProvider &theme(qint64 id)
{
    for (const ColorProvider &t : colorSets()) {
        if (t.id == id)
            return t;
    }
    ADD_FAILURE() << "no theme " << id;
    return colorSets().constFirst();
}

// An event of the given theme, titled and dated from its number.
EDate event(int n, std::optional<qint64> themeId = 1003, std::optional<bool> countdown = true)
{
    const ColorProvider &t = theme(themeId.value_or(1003));
    return TestEvent::numbered(n, QDate(2027, 1, 1))
        .theme(themeId)
        .colours(t.bgColor, t.fontColor, t.lineColor, t.circleColor, t.barType, t.barColor)
        .counting(countdown);
}

QList<EDate> events(int count)
{
    QList<EDate> list;
    for (int i = 0; i < count; ++i)
        list.append(event(i));
    return list;
}

class Forms : public ::testing::Test
{
protected:
    TemporaryHome home;
    ScopedLocale locale{QStringLiteral("en_US")};
    FixedClock clock{localTime(2026, 12, 8, 9, 30)};

    // A store holding `list`.
    static std::unique_ptr<UserData> storeWith(const QList<EDate> &list)
    {
        seedEvents(list);
        return std::make_unique<UserData>();
    }

    static std::unique_ptr<EventForm> addForm(UserData &store)
    {
        auto form = std::make_unique<EventForm>();
        form->setStore(&store);
        return form;
    }
};

} // namespace

// ---- The title limit -------------------------------------------------------------------

TEST(TitleLimit, CountsWhatAReaderSeesAsOneCharacter)
{
    EXPECT_EQ(TitleLimit::length(QString()), 0);
    EXPECT_EQ(TitleLimit::length(QStringLiteral("Trip")), 4);
    EXPECT_EQ(TitleLimit::length(kGrin), 1);
    EXPECT_EQ(TitleLimit::length(kKoreanWord), 3);
    EXPECT_EQ(TitleLimit::length(kDecomposedHan), 1);
    EXPECT_EQ(TitleLimit::length(QStringLiteral("e\u0301")), 1);
    EXPECT_EQ(TitleLimit::length(QStringLiteral("\U0001F1F0\U0001F1F7")), 1); // a flag
    EXPECT_EQ(TitleLimit::length(QStringLiteral("\U0001F44D\U0001F3FD")), 1); // with skin tone
}

TEST(TitleLimit, ClampKeepsTheFirstTwentyCharactersWithoutSplittingOne)
{
    EXPECT_EQ(TitleLimit::clamp(QStringLiteral("abcdefghijklmnopqrstu")), QStringLiteral("abcdefghijklmnopqrst"));
    EXPECT_EQ(TitleLimit::clamp(repeated(kGrin, 25)), repeated(kGrin, 20));
    EXPECT_EQ(TitleLimit::clamp(repeated(kDecomposedHan, 21)), repeated(kDecomposedHan, 20));
    EXPECT_EQ(TitleLimit::clamp(repeated(QStringLiteral("가"), 20)), repeated(QStringLiteral("가"), 20));
    EXPECT_EQ(TitleLimit::counter(repeated(kGrin, 20)), QStringLiteral("20 / 20"));
}

TEST(TitleLimit, FitTakesBackWhatWentInAtTheCursor)
{
    const QString full = QStringLiteral("abcdefghijklmnopqrst");
    // Typing a 21st character at the end removes it at once.
    TitleLimit::Fitted fitted = TitleLimit::fit(full + QStringLiteral("u"), 21);
    EXPECT_EQ(fitted.text, full);
    EXPECT_EQ(fitted.cursor, 20);
    // A paste in the middle keeps as much of the paste as fits, and the rest of the text.
    fitted = TitleLimit::fit(QStringLiteral("abcdeXYZfghijklmnopqr"), 8);
    EXPECT_EQ(fitted.text, QStringLiteral("abcdeXYfghijklmnopqr"));
    EXPECT_EQ(fitted.cursor, 7);
    // An emoji pasted last goes whole, never half a surrogate pair.
    fitted = TitleLimit::fit(full + kGrin, int(full.size() + kGrin.size()));
    EXPECT_EQ(fitted.text, full);
    // Text set with the cursor at the start loses its end.
    fitted = TitleLimit::fit(repeated(QStringLiteral("x"), 30), 0);
    EXPECT_EQ(fitted.text, repeated(QStringLiteral("x"), 20));
    EXPECT_EQ(fitted.cursor, 0);
}

// ---- The form's rules, without a window ------------------------------------------------

TEST_F(Forms, ANewFormCountsDownTodayWithTheLoveThemeAndHoldsTitlesToTheLimit)
{
    auto store = storeWith(events(3));
    EventForm form;
    form.setStore(store.get());
    EXPECT_TRUE(form.countDown());
    EXPECT_EQ(form.selectedDate(), localTime(2026, 12, 8, 9, 30));
    EXPECT_EQ(form.selectedId(), 1003);
    EXPECT_FALSE(form.canSave());
    EXPECT_EQ(form.counterText(), QStringLiteral("0 / 20"));

    form.setEventName(repeated(QStringLiteral("가"), 21));
    EXPECT_EQ(form.eventName(), repeated(QStringLiteral("가"), 20));
    EXPECT_EQ(form.counterText(), QStringLiteral("20 / 20"));
    EXPECT_TRUE(form.canSave());
}

TEST_F(Forms, AnEmptyTitleSavesNothing)
{
    auto store = storeWith(events(3));
    auto form = addForm(*store);
    QSignalSpy dismissed(form.get(), &EventForm::dismissRequested);
    form->save();
    QTest::qWait(250);
    EXPECT_EQ(dismissed.count(), 0);
    EXPECT_EQ(store->count(), 3);
}

TEST_F(Forms, AddingClosesTheFormFirstAndAddsTheChosenEventATenthOfASecondLater)
{
    auto store = storeWith(events(3));
    store->setCurrentPage(2);
    auto form = addForm(*store);
    form->setEventName(QStringLiteral("Trip"));
    form->setCountDown(false);
    form->setSelectedDate(localTime(2027, 3, 15, 9, 30));
    form->setSelectedId(1005);

    int countWhenDismissed = -1;
    QObject::connect(form.get(), &EventForm::dismissRequested, [&] { countWhenDismissed = store->count(); });
    form->save();
    EXPECT_EQ(countWhenDismissed, 3);
    QTest::qWait(50);
    EXPECT_EQ(store->count(), 3);
    QTest::qWait(150);
    ASSERT_EQ(store->count(), 4);
    const EDate added = store->magicDates().at(0);
    EXPECT_EQ(added.dateTitle, QStringLiteral("Trip"));
    EXPECT_EQ(added.ddate, QStringLiteral("2027-03-15"));
    EXPECT_EQ(added.countdown, false);
    EXPECT_EQ(added.colorIndex, 1005);
    EXPECT_EQ(added.lineColor, theme(1005).lineColor);
    EXPECT_EQ(store->currentPage(), 0);
}

TEST_F(Forms, TheEventIsAddedEvenWhenTheClosedFormIsGoneAndOnlyOnceForTwoTaps)
{
    auto store = storeWith(events(3));
    auto form = addForm(*store);
    form->setEventName(QStringLiteral("Trip"));
    form->save();
    form->save();
    form.reset(); // the sheet destroys its content as it closes
    QTest::qWait(250);
    EXPECT_EQ(store->count(), 4);
    EXPECT_EQ(store->magicDates().at(0).dateTitle, QStringLiteral("Trip"));
    EXPECT_EQ(store->magicDates().at(1).dateTitle, QStringLiteral("E0"));
}

TEST_F(Forms, AFullListKeepsTheFormOpenAddsNothingAndRaisesTheLimitAlert)
{
    auto store = storeWith(events(UserData::kMaxEvents));
    auto form = addForm(*store);
    form->setEventName(QStringLiteral("One too many"));
    QSignalSpy dismissed(form.get(), &EventForm::dismissRequested);
    QSignalSpy refused(form.get(), &EventForm::limitReached);
    form->save();
    EXPECT_EQ(dismissed.count(), 0);
    EXPECT_EQ(refused.count(), 1);
    EXPECT_TRUE(store->alertMaxEvent());
    EXPECT_EQ(store->alertTitle(), QStringLiteral("Can't add a new event"));
    EXPECT_EQ(store->alertCopy(), QStringLiteral("You exceed the max number of events. "));
    QTest::qWait(250);
    EXPECT_EQ(store->count(), UserData::kMaxEvents);
    EXPECT_EQ(UserData().count(), UserData::kMaxEvents);
}

TEST_F(Forms, TheListFillingUpWhileTheFormClosesRaisesTheLimitAlertInsteadOfAdding)
{
    auto store = storeWith(events(UserData::kMaxEvents - 1));
    auto form = addForm(*store);
    form->setEventName(QStringLiteral("Late"));
    form->save();
    // Another window adds the thirtieth event meanwhile.
    UserData other;
    other.addEvent(localTime(2027, 5, 1), QStringLiteral("Other"), true, 1);
    QTest::qWait(250);
    store->refresh();
    EXPECT_EQ(store->count(), UserData::kMaxEvents);
    EXPECT_TRUE(store->alertMaxEvent());
    EXPECT_EQ(store->alertTitle(), QStringLiteral("Can't add a new event"));
}

struct RatingCase
{
    int eventsBefore;
    bool alreadyReviewed;
    bool asks;
};

void PrintTo(const RatingCase &c, std::ostream *os)
{
    *os << c.eventsBefore << " events before" << (c.alreadyReviewed ? ", already rated" : "");
}

class FormsRating : public Forms, public ::testing::WithParamInterface<RatingCase>
{
};

TEST_P(FormsRating, AsksForARatingThreeSecondsAfterTheThirdEventUnlessAlreadyRated)
{
    const RatingCase c = GetParam();
    if (c.alreadyReviewed) {
        ASSERT_TRUE(SettingsStore().setValue(UserData::kReviewKey, true));
    }
    auto store = storeWith(events(c.eventsBefore));
    auto form = addForm(*store);
    form->setEventName(QStringLiteral("Next"));
    form->save();
    QTest::qWait(2700);
    EXPECT_EQ(store->count(), c.eventsBefore + 1);
    EXPECT_FALSE(store->alertReview());
    QTest::qWait(600);
    EXPECT_EQ(store->alertReview(), c.asks);
}

INSTANTIATE_TEST_SUITE_P(Saves, FormsRating,
                         ::testing::Values(RatingCase{2, false, true}, RatingCase{2, true, false},
                                           RatingCase{1, false, false}, RatingCase{3, false, false}),
                         [](const auto &info) {
                             const RatingCase &c = info.param;
                             return QStringLiteral("Event%1%2").arg(c.eventsBefore + 1).arg(QLatin1String(c.alreadyReviewed ? "Rated" : "")).toStdString();
                         });

TEST_F(Forms, TheEditFormIsFilledFromTheEventOnThePage)
{
    QList<EDate> list = events(3);
    list[1].countdown = false;
    list[1].colorIndex = 1005;
    list[1].ddate = QStringLiteral("2027-03-15");
    list[1].dateTitle = QStringLiteral("Exam day");
    list[1].countUnit = QStringLiteral("weeks");
    auto store = storeWith(list);
    EventForm form;
    form.setMode(EventForm::Edit);
    form.setStore(store.get());
    form.setEventId(store->magicDates().at(1).id);
    ASSERT_TRUE(form.load());
    EXPECT_EQ(form.eventName(), QStringLiteral("Exam day"));
    EXPECT_FALSE(form.countDown());
    EXPECT_EQ(form.selectedId(), 1005);
    EXPECT_EQ(form.selectedDate().date(), QDate(2027, 3, 15));
    EXPECT_EQ(form.unit(), QStringLiteral("weeks"));

    form.setEventId(QStringLiteral("no such event"));
    EXPECT_FALSE(form.hasEvent());
    EXPECT_FALSE(form.load());
}

TEST_F(Forms, AnEventWithoutThemeOrDirectionOpensWithTheLoveThemeAndTheCurrentDirection)
{
    QList<EDate> list = events(2);
    list[0].colorIndex.reset();
    list[0].countdown.reset();
    auto store = storeWith(list);
    for (const bool direction : {true, false}) {
        EventForm form;
        form.setMode(EventForm::Edit);
        form.setStore(store.get());
        form.setEventId(list[0].id);
        form.setSelectedId(1001);
        form.setCountDown(direction);
        ASSERT_TRUE(form.load());
        EXPECT_EQ(form.selectedId(), 1003);
        EXPECT_EQ(form.countDown(), direction);
    }
}

TEST_F(Forms, EditingChangesTheEventOnThePageALittleAfterClosing)
{
    auto store = storeWith(events(3));
    const EDate before = store->magicDates().at(1);
    EventForm form;
    form.setMode(EventForm::Edit);
    form.setStore(store.get());
    form.setEventId(store->magicDates().at(1).id);
    ASSERT_TRUE(form.load());
    form.setEventName(QStringLiteral("Renamed"));
    form.setCountDown(false);
    form.setSelectedDate(localTime(2028, 2, 29));
    form.setSelectedId(1009);
    form.setUnit(QStringLiteral("years"));
    QSignalSpy dismissed(&form, &EventForm::dismissRequested);
    form.save();
    EXPECT_EQ(dismissed.count(), 1);
    EXPECT_EQ(store->magicDates().at(1), before);
    QTest::qWait(250);
    ASSERT_EQ(store->count(), 3);
    const EDate after = store->magicDates().at(1);
    EXPECT_EQ(after.id, before.id);
    EXPECT_EQ(after.dateTitle, QStringLiteral("Renamed"));
    EXPECT_EQ(after.ddate, QStringLiteral("2028-02-29"));
    EXPECT_EQ(after.countdown, false);
    EXPECT_EQ(after.colorIndex, 1009);
    EXPECT_EQ(after.countUnit, QStringLiteral("years"));
    EXPECT_EQ(after.barType, QStringLiteral("Box"));
    EXPECT_EQ(store->magicDates().at(0), events(3).at(0));
    EXPECT_EQ(store->magicDates().at(2), events(3).at(2));
}

TEST_F(Forms, EditingChangesTheEventThatWasOpenedEvenWhenTheListWasReorderedMeanwhile)
{
    auto store = storeWith(events(3));
    EventForm form;
    form.setMode(EventForm::Edit);
    form.setStore(store.get());
    form.setEventId(store->magicDates().at(1).id);
    ASSERT_TRUE(form.load());
    form.setEventName(QStringLiteral("Renamed"));
    form.save();
    UserData other; // another window moves the edited event to the top
    other.moveEvent(1, 0);
    QTest::qWait(250);
    store->refresh();
    EXPECT_EQ(store->magicDates().at(0).dateTitle, QStringLiteral("Renamed"));
    EXPECT_EQ(store->magicDates().at(0).id, events(3).at(1).id);
    EXPECT_EQ(store->magicDates().at(1).dateTitle, QStringLiteral("E0"));
}

// ---- The theme strip's model -----------------------------------------------------------

TEST(ThemeListModel, ListsEveryThemeInOrderWithItsThumbnail)
{
    const ThemeListModel model;
    const QList<ColorProvider> &themes = colorSets();
    ASSERT_EQ(model.rowCount(), themes.size());
    const QHash<int, QByteArray> roles = model.roleNames();
    const auto role = [&](const char *name) { return roles.key(name, -1); };
    int pictures = 0;
    for (int row = 0; row < themes.size(); ++row) {
        const QModelIndex index = model.index(row);
        const ColorProvider &t = themes.at(row);
        EXPECT_EQ(model.data(index, role("themeId")).toLongLong(), t.id);
        EXPECT_EQ(model.data(index, role("bgColor")).toString(), t.bgColor);
        EXPECT_EQ(model.data(index, role("circleColor")).toString(), t.circleColor);
        EXPECT_EQ(model.data(index, role("lineColor")).toString(), t.lineColor);
        EXPECT_EQ(model.data(index, role("barType")).toString(), t.barType);
        const bool picture = !isPlainBar(barTypeForDrawing(t.barType));
        EXPECT_EQ(model.data(index, role("isPicture")).toBool(), picture) << t.barType.toStdString();
        const QString image = model.data(index, role("imageName")).toString();
        if (picture) {
            ++pictures;
            EXPECT_EQ(image, t.barType + QStringLiteral("_thumb"));
            EXPECT_TRUE(QFile::exists(QStringLiteral(":/tallowick/images/%1.svg").arg(image))) << image.toStdString();
        } else {
            EXPECT_TRUE(image.isEmpty());
        }
    }
    EXPECT_EQ(pictures, 9);
    EXPECT_FALSE(ThemeListModel::isPicture(QStringLiteral("love")));
    EXPECT_FALSE(ThemeListModel::isPicture(QStringLiteral("RainBar")));
    EXPECT_EQ(model.get(1003).value(QStringLiteral("imageName")).toString(), QStringLiteral("Love_thumb"));
    EXPECT_TRUE(model.get(424242).isEmpty());
}

// ---- The screens -----------------------------------------------------------------------

namespace {

QPointF centreOf(QQuickItem *item, QQuickItem *root)
{
    return item->mapToItem(root, QPointF(item->width() / 2, item->height() / 2));
}

void tap(QmlScene &scene, QQuickItem *item)
{
    ASSERT_TRUE(item);
    QTest::mouseClick(&scene.window(), Qt::LeftButton, {}, centreOf(item, scene.window().contentItem()).toPoint());
}

QQuickItem *thumbOf(QmlScene &scene, int themeId)
{
    QQuickItem *loader = findItem(scene.item(), QStringLiteral("theme-%1").arg(themeId));
    return loader ? loader->childItems().value(0) : nullptr;
}

void typeText(QmlScene &scene, const QString &text)
{
    for (const QChar c : text)
        QTest::keyClick(&scene.window(), c.toLatin1());
}

QString editorText(QmlScene &scene)
{
    QQuickItem *editor = scene.find(QStringLiteral("titleEditor"));
    return editor ? editor->property("text").toString() : QStringLiteral("<no editor>");
}

} // namespace

TEST_F(Forms, TheAddFormWearsThePagesLineColourAndRingsTheChosenTheme)
{
    QList<EDate> list = events(3);
    list[0] = event(0, 1003); // a Love event on the page
    auto store = storeWith(list);
    QmlScene scene(QStringLiteral("AddEvent"),
                   {{QStringLiteral("store"), QVariant::fromValue(store.get())},
                    {QStringLiteral("event"), rowOf(store->magicDates().at(0), *store, 0)}});
    ASSERT_TRUE(scene.item());
    scene.settle(900);
    const QImage image = scene.grab(QStringLiteral("form-add"));
    const QColor line = hexColor(theme(1003).lineColor);
    EXPECT_TRUE(near(pixel(image, 2, 841), line)) << pixel(image, 2, 841).name().toStdString();
    EXPECT_TRUE(near(pixel(image, 387, 3), line));

    QQuickItem *chosen = thumbOf(scene, 1003);
    ASSERT_TRUE(chosen);
    const QPointF centre = centreOf(chosen, scene.window().contentItem());
    ASSERT_GT(centre.x(), 30);
    ASSERT_LT(centre.x(), 360) << "the chosen theme is scrolled into view";
    // The ring is 6 wide inside the 80-wide disc.
    EXPECT_TRUE(near(pixel(image, int(centre.x() + 40 - 3), int(centre.y())), Qt::white));
    QQuickItem *other = thumbOf(scene, 1002);
    ASSERT_TRUE(other);
    const QPointF otherCentre = centreOf(other, scene.window().contentItem());
    EXPECT_EQ(other->width(), 60);
    EXPECT_TRUE(near(pixel(image, int(otherCentre.x() + 30 - 3), int(otherCentre.y())), hexColor(theme(1002).bgColor)));

    // Save is dimmed while the title is empty, and does nothing.
    QQuickItem *save = scene.find(QStringLiteral("saveButton"));
    ASSERT_TRUE(save);
    EXPECT_DOUBLE_EQ(save->opacity(), 0.5);
    QSignalSpy dismissed(scene.item(), SIGNAL(dismissRequested()));
    tap(scene, save);
    scene.settle(200);
    EXPECT_EQ(dismissed.count(), 0);
}

TEST_F(Forms, TheAddFormSavesWhatWasChosenOnScreen)
{
    auto store = storeWith(events(3));
    QmlScene scene(QStringLiteral("AddEvent"),
                   {{QStringLiteral("store"), QVariant::fromValue(store.get())},
                    {QStringLiteral("event"), rowOf(store->magicDates().at(0), *store, 0)}});
    ASSERT_TRUE(scene.item());
    scene.settle(300);
    auto *form = scene.item()->property("form").value<EventForm *>();
    ASSERT_TRUE(form);

    tap(scene, scene.find(QStringLiteral("countUpChoice")));
    EXPECT_FALSE(form->countDown());
    tap(scene, thumbOf(scene, 1002));
    EXPECT_EQ(form->selectedId(), 1002);
    tap(scene, scene.find(QStringLiteral("unitMonths")));
    EXPECT_EQ(form->unit(), QStringLiteral("months"));
    QQuickItem *editor = scene.find(QStringLiteral("titleEditor"));
    ASSERT_TRUE(editor);
    editor->forceActiveFocus();
    typeText(scene, QStringLiteral("Moving"));
    EXPECT_EQ(form->eventName(), QStringLiteral("Moving"));
    QQuickItem *save = scene.find(QStringLiteral("saveButton"));
    scene.settle(100);
    EXPECT_DOUBLE_EQ(save->opacity(), 1.0);

    QSignalSpy dismissed(scene.item(), SIGNAL(dismissRequested()));
    tap(scene, save);
    EXPECT_EQ(dismissed.count(), 1);
    scene.settle(250);
    ASSERT_EQ(store->count(), 4);
    EXPECT_EQ(store->magicDates().at(0).dateTitle, QStringLiteral("Moving"));
    EXPECT_EQ(store->magicDates().at(0).countdown, false);
    EXPECT_EQ(store->magicDates().at(0).colorIndex, 1002);
    EXPECT_EQ(store->magicDates().at(0).countUnit, QStringLiteral("months"));
    EXPECT_EQ(store->magicDates().at(0).ddate, QStringLiteral("2026-12-08"));
}

TEST_F(Forms, TheTitleFieldHoldsTwentyCharactersAndReturnSavesWithoutALineBreak)
{
    auto store = storeWith(events(3));
    QmlScene scene(QStringLiteral("AddEvent"),
                   {{QStringLiteral("store"), QVariant::fromValue(store.get())},
                    {QStringLiteral("event"), rowOf(store->magicDates().at(0), *store, 0)}});
    ASSERT_TRUE(scene.item());
    auto *form = scene.item()->property("form").value<EventForm *>();
    QQuickItem *editor = scene.find(QStringLiteral("titleEditor"));
    QQuickItem *counter = scene.find(QStringLiteral("titleCounter"));
    ASSERT_TRUE(form && editor && counter);
    editor->forceActiveFocus();
    ASSERT_TRUE(editor->hasActiveFocus());

    // Typing: the 21st character goes at once.
    typeText(scene, QStringLiteral("abcdefghijklmnopqrstu"));
    EXPECT_EQ(editorText(scene), QStringLiteral("abcdefghijklmnopqrst"));
    EXPECT_EQ(form->eventName(), QStringLiteral("abcdefghijklmnopqrst"));
    EXPECT_EQ(counter->property("text").toString(), QStringLiteral("20 / 20"));

    // Pasting: a long text leaves 20 characters, emoji and Korean counting one each.
    editor->setProperty("text", QString());
    QGuiApplication::clipboard()->setText(repeated(kGrin + QStringLiteral("한"), 15));
    QTest::keySequence(&scene.window(), QKeySequence::Paste);
    EXPECT_EQ(editorText(scene), repeated(kGrin + QStringLiteral("한"), 10));
    EXPECT_EQ(form->eventName(), repeated(kGrin + QStringLiteral("한"), 10));
    EXPECT_EQ(counter->property("text").toString(), QStringLiteral("20 / 20"));
    EXPECT_EQ(editor->property("cursorPosition").toInt(), editorText(scene).size());

    // A paste in the middle keeps the text around it.
    editor->setProperty("text", QStringLiteral("Summer trip"));
    editor->setProperty("cursorPosition", 6);
    QGuiApplication::clipboard()->setText(QStringLiteral(" vacation in Jeju"));
    QTest::keySequence(&scene.window(), QKeySequence::Paste);
    EXPECT_EQ(editorText(scene), QStringLiteral("Summer vacation trip"));
    EXPECT_EQ(editor->property("cursorPosition").toInt(), 15);

    // A title set from outside is held to the limit too.
    form->setEventName(repeated(QStringLiteral("가"), 30));
    EXPECT_EQ(editorText(scene), repeated(QStringLiteral("가"), 20));

    // Tab types no tab: it moves on. Return adds no line break: it saves the form.
    editor->forceActiveFocus();
    QTest::keyClick(&scene.window(), Qt::Key_Tab);
    EXPECT_FALSE(editorText(scene).contains(QLatin1Char('\t')));
    EXPECT_FALSE(editor->hasActiveFocus());
    editor->forceActiveFocus();
    QSignalSpy dismissed(scene.item(), SIGNAL(dismissRequested()));
    QTest::keyClick(&scene.window(), Qt::Key_Return);
    EXPECT_FALSE(editorText(scene).contains(QLatin1Char('\n')));
    EXPECT_EQ(dismissed.count(), 1);
}

TEST_F(Forms, AFullListShowsTheLimitAlertInTheAddForm)
{
    auto store = storeWith(events(UserData::kMaxEvents));
    QmlScene scene(QStringLiteral("AddEvent"),
                   {{QStringLiteral("store"), QVariant::fromValue(store.get())},
                    {QStringLiteral("event"), rowOf(store->magicDates().at(0), *store, 0)}});
    ASSERT_TRUE(scene.item());
    auto *form = scene.item()->property("form").value<EventForm *>();
    form->setEventName(QStringLiteral("One more"));
    scene.settle(100);
    QSignalSpy dismissed(scene.item(), SIGNAL(dismissRequested()));
    tap(scene, scene.find(QStringLiteral("saveButton")));
    scene.settle(400);
    EXPECT_EQ(dismissed.count(), 0);
    QQuickItem *alert = scene.find(QStringLiteral("limitAlert"));
    ASSERT_TRUE(alert);
    EXPECT_TRUE(alert->isVisible());
    EXPECT_EQ(scene.find(QStringLiteral("alertTitle"))->property("text").toString(), QStringLiteral("Can't add a new event"));
    EXPECT_EQ(scene.find(QStringLiteral("alertMessage"))->property("text").toString(),
              QStringLiteral("You exceed the max number of events. "));
    scene.grab(QStringLiteral("form-add-limit"));
    EXPECT_EQ(store->count(), UserData::kMaxEvents);

    tap(scene, scene.find(QStringLiteral("alertPrimary")));
    EXPECT_FALSE(alert->isVisible());
    EXPECT_FALSE(store->alertMaxEvent());

    // A second refusal shows it again; answered by the window's own alert, it goes too.
    tap(scene, scene.find(QStringLiteral("saveButton")));
    EXPECT_TRUE(alert->isVisible());
    store->setAlertMaxEvent(false);
    EXPECT_FALSE(alert->isVisible());
    EXPECT_EQ(dismissed.count(), 0);
}

TEST_F(Forms, TheEditFormShowsTheEventItChanges)
{
    QList<EDate> list = events(3);
    list[1] = event(1, 1005, false);
    list[1].dateTitle = QStringLiteral("Graduation");
    list[1].ddate = QStringLiteral("2027-02-20");
    auto store = storeWith(list);
    store->setCurrentPage(1);
    QmlScene scene(QStringLiteral("EditEvent"),
                   {{QStringLiteral("store"), QVariant::fromValue(store.get())},
                    {QStringLiteral("event"), rowOf(store->magicDates().at(1), *store, 1)}});
    ASSERT_TRUE(scene.item());
    scene.settle(900);
    const QImage image = scene.grab(QStringLiteral("form-edit"));
    EXPECT_TRUE(near(pixel(image, 2, 841), hexColor(theme(1005).lineColor)));
    EXPECT_EQ(editorText(scene), QStringLiteral("Graduation"));
    EXPECT_EQ(scene.find(QStringLiteral("titleCounter"))->property("text").toString(), QStringLiteral("10 / 20"));
    EXPECT_EQ(scene.find(QStringLiteral("formHeading"))->property("text").toString(), QStringLiteral("Edit Event"));
    EXPECT_FALSE(scene.find(QStringLiteral("countDownToggle"))->property("countDown").toBool());
    EXPECT_EQ(scene.find(QStringLiteral("monthWheel"))->property("currentIndex").toInt(), 1);
    EXPECT_EQ(scene.find(QStringLiteral("dayWheel"))->property("currentIndex").toInt(), 19);
    QQuickItem *chosen = thumbOf(scene, 1005);
    ASSERT_TRUE(chosen);
    const QPointF centre = centreOf(chosen, scene.window().contentItem());
    ASSERT_GT(centre.x(), 30);
    ASSERT_LT(centre.x(), 360);
    EXPECT_TRUE(near(pixel(image, int(centre.x() + 40 - 3), int(centre.y())), Qt::white));

    // Emptied, the title shows the event's own as a placeholder and save waits.
    auto *form = scene.item()->property("form").value<EventForm *>();
    form->setEventName(QString());
    scene.settle(100);
    QQuickItem *placeholder = scene.find(QStringLiteral("titlePlaceholder"));
    EXPECT_TRUE(placeholder->isVisible());
    EXPECT_EQ(placeholder->property("text").toString(), QStringLiteral("Graduation"));
    scene.grab(QStringLiteral("form-edit-empty"));
    QSignalSpy dismissed(scene.item(), SIGNAL(dismissRequested()));
    tap(scene, scene.find(QStringLiteral("saveButton")));
    EXPECT_EQ(dismissed.count(), 0);

    form->setEventName(QStringLiteral("Graduation day"));
    tap(scene, scene.find(QStringLiteral("saveButton")));
    EXPECT_EQ(dismissed.count(), 1);
    scene.settle(250);
    EXPECT_EQ(store->magicDates().at(1).dateTitle, QStringLiteral("Graduation day"));
    EXPECT_EQ(store->magicDates().at(1).ddate, QStringLiteral("2027-02-20"));
    EXPECT_EQ(store->magicDates().at(1).colorIndex, 1005);
}

TEST_F(Forms, TheEditFormFillsItselfWhenItsStoreArrivesLate)
{
    auto store = storeWith(events(3));
    QmlScene scene(QStringLiteral("EditEvent"),
                   {{QStringLiteral("event"), rowOf(store->magicDates().at(2), *store, 2)}});
    ASSERT_TRUE(scene.item());
    EXPECT_FALSE(scene.find(QStringLiteral("titleField"))->isVisible());
    scene.item()->setProperty("store", QVariant::fromValue(store.get()));
    scene.settle(100);
    EXPECT_TRUE(scene.find(QStringLiteral("titleField"))->isVisible());
    EXPECT_EQ(editorText(scene), QStringLiteral("E2"));
}

namespace {

// The wheels' names from left to right.
QStringList wheelOrder(QmlScene &scene)
{
    QList<std::pair<qreal, QString>> wheels;
    for (const char *name : {"dayWheel", "monthWheel", "yearWheel"}) {
        QQuickItem *wheel = scene.find(QString::fromLatin1(name));
        if (!wheel)
            return {};
        wheels.append({wheel->x(), QString::fromLatin1(name)});
    }
    std::sort(wheels.begin(), wheels.end());
    QStringList names;
    for (const auto &w : wheels)
        names.append(w.second);
    return names;
}

} // namespace

TEST_F(Forms, TheDateWheelFollowsTheLanguagesOrder)
{
    const std::tuple<const char *, QStringList, QString> cases[] = {
        {"en_US", {"dayWheel", "monthWheel", "yearWheel"}, QStringLiteral("February")},
        {"ko_KR", {"yearWheel", "monthWheel", "dayWheel"}, QStringLiteral("2월")},
        {"ja_JP", {"yearWheel", "monthWheel", "dayWheel"}, QStringLiteral("2月")},
        {"de_DE", {"dayWheel", "monthWheel", "yearWheel"}, QStringLiteral("Februar")},
    };
    for (const auto &[name, order, february] : cases) {
        ScopedLocale language{QString::fromLatin1(name)};
        EXPECT_EQ(FormDateWheel().monthNames().value(1), february) << name;
        QmlScene scene(QStringLiteral("DesignDatePicker"),
                       {{QStringLiteral("selectedDate"), localTime(2027, 2, 20, 9, 30)},
                        {QStringLiteral("bgColor"), theme(1003).lineColor},
                        {QStringLiteral("width"), 340},
                        {QStringLiteral("height"), 180}},
                       QSize(340, 180));
        ASSERT_TRUE(scene.item());
        // As in the form: the picker sits on the event's colour.
        scene.window().setColor(hexColor(theme(1003).lineColor));
        scene.settle(300);
        EXPECT_EQ(wheelOrder(scene), order) << name;
        const QImage image = scene.grab(QStringLiteral("date-picker-%1").arg(QString::fromLatin1(name).left(2)));
        // The middle row is outlined in white; the outer rows sink into the event colour.
        EXPECT_TRUE(near(pixel(image, 170, 90 - 35), Qt::white, 40)) << name;
        EXPECT_TRUE(near(pixel(image, 170, 2), hexColor(theme(1003).lineColor), 40)) << name;
    }
}

TEST_F(Forms, TurningTheWheelsChangesTheDateAndKeepsTheDayInsideTheMonth)
{
    QmlScene scene(QStringLiteral("DesignDatePicker"),
                   {{QStringLiteral("selectedDate"), localTime(2027, 1, 31, 9, 30)},
                    {QStringLiteral("width"), 340},
                    {QStringLiteral("height"), 180}},
                   QSize(340, 180));
    ASSERT_TRUE(scene.item());
    scene.settle(200);
    const auto selected = [&] { return scene.item()->property("selectedDate").toDateTime(); };
    scene.find(QStringLiteral("monthWheel"))->setProperty("currentIndex", 1);
    scene.settle(100);
    EXPECT_EQ(selected(), localTime(2027, 2, 28, 9, 30));
    EXPECT_EQ(scene.find(QStringLiteral("dayWheel"))->property("count").toInt(), 28);
    QQuickItem *years = scene.find(QStringLiteral("yearWheel"));
    years->setProperty("currentIndex", years->property("currentIndex").toInt() + 1);
    scene.settle(100);
    EXPECT_EQ(selected(), localTime(2028, 2, 28, 9, 30));
    scene.find(QStringLiteral("dayWheel"))->setProperty("currentIndex", 28);
    scene.settle(100);
    EXPECT_EQ(selected(), localTime(2028, 2, 29, 9, 30));

    // Dragging the month wheel up by one row picks the next month once it rests.
    QQuickItem *months = scene.find(QStringLiteral("monthWheel"));
    const QPoint start = centreOf(months, scene.window().contentItem()).toPoint();
    QTest::mousePress(&scene.window(), Qt::LeftButton, {}, start);
    for (int dy = 5; dy <= 60; dy += 5)
        QTest::mouseMove(&scene.window(), start - QPoint(0, dy), 16);
    // Held still before letting go, so the wheel does not fly on.
    QTest::mouseMove(&scene.window(), start - QPoint(0, 60), 300);
    QTest::mouseRelease(&scene.window(), Qt::LeftButton, {}, start - QPoint(0, 60), 16);
    scene.settle(1500);
    EXPECT_EQ(selected(), localTime(2028, 3, 29, 9, 30));
}
