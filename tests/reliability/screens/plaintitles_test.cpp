// Titles arrive from links and from files other programs can write: every screen of the app
// shows them as the characters they are, never as markup.

#include <model/resources.h>
#include <store/userdata.h>
#include <support/qmlscene.h>
#include <support/testenvironment.h>

#include <QQuickItem>
#include <functional>
#include <gtest/gtest.h>

#include <cstdio>

namespace {

const QString kMarkup = QStringLiteral("<b>x</b><img src=\"qrc:/x.png\"><a href=\"https://example.com\">link</a>&amp;");

// Every text item (Text, Label, TextEdit, TextArea ... at any depth) whose text holds `part`.
QList<QQuickItem *> textItemsShowing(QQuickItem *root, const QString &part)
{
    QList<QQuickItem *> found;
    const std::function<void(QQuickItem *)> visit = [&](QQuickItem *item) {
        if ((item->inherits("QQuickText") || item->inherits("QQuickTextEdit") || item->inherits("QQuickTextInput"))
            && item->property("text").toString().contains(part))
            found.append(item);
        for (QQuickItem *child : item->childItems())
            visit(child);
    };
    visit(root);
    return found;
}

// Plain text: TextInput has no other kind; Text and TextEdit must say so.
bool showsPlainText(const QQuickItem *item)
{
    return item->inherits("QQuickTextInput") || item->property("textFormat").toInt() == Qt::PlainText;
}

} // namespace

TEST(PlainTitles, MarkupInATitleIsShownAsTypedOnThePageTheListTheFormAndTheReminders)
{
    TemporaryHome home;
    FixedClock clock{localTime(2026, 12, 8, 9)};
    // Longer than a title typed here may be: as another program might have saved it.
    QList<EDate> events = defaultEvents();
    events[0].dateTitle = kMarkup;
    ASSERT_TRUE(SettingsStore().setValue(UserData::kEventsKey, encodeEventList(events)));
    UserData store;
    QmlScene scene(QStringLiteral("ContentView"), QVariantMap{{QStringLiteral("store"), QVariant::fromValue(&store)},
                                                              {QStringLiteral("animateEntrance"), false}});
    ASSERT_TRUE(scene.item());
    scene.settle(300);
    QObject *sheet = scene.item()->findChild<QObject *>(QStringLiteral("eventSheet"));
    ASSERT_TRUE(sheet);

    for (const char *mode : {"", "overview", "edit", "noti"}) {
        if (*mode) {
            QMetaObject::invokeMethod(sheet, "present", Q_ARG(QVariant, QString::fromLatin1(mode)));
            scene.settle(500);
        }
        const QList<QQuickItem *> shown = textItemsShowing(scene.window().contentItem(), kMarkup);
        // The reminder screen names no event; the others show the title.
        if (QByteArray(mode) != "noti") {
            EXPECT_FALSE(shown.isEmpty()) << (*mode ? mode : "page");
        }
        std::printf("%s: %lld text items show the title\n", *mode ? mode : "page", static_cast<long long>(shown.size()));
        for (QQuickItem *item : shown) {
            EXPECT_TRUE(showsPlainText(item)) << (*mode ? mode : "page") << ": " << item->metaObject()->className()
                                              << " " << item->objectName().toStdString();
        }
        scene.grab(QStringLiteral("plain-title-%1").arg(*mode ? QLatin1String(mode) : QLatin1String("page")));
        if (*mode) {
            QMetaObject::invokeMethod(sheet, "dismiss");
            scene.settle(500);
        }
    }
}
