#include "appoptions.h"
#include "linkrouter.h"
#include "reminderdeliverystarter.h"
#include "screenshot.h"
#include "singleinstance.h"
#include "startupwarmup.h"
#include "windowactivation.h"
#include "windowfit.h"
#include "windowkeeper.h"
#include "windowmemory.h"

#include <platform/appinfo.h>
#include <platform/clock.h>
#include <platform/desktoppreferences.h>
#include <platform/diagnostics.h>
#include <platform/localization.h>
#include <screens/viewmodels/desktopfilechooser.h>
#include <store/userdata.h>
#include <sync/syncscheduler.h>

#include <QGuiApplication>
#include <QIcon>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQuickWindow>
#include <QScreen>
#include <QtQml/qqmlextensionplugin.h>

#include <cstdio>

Q_IMPORT_QML_PLUGIN(TallowickPlugin)

namespace {

bool hasDisplay()
{
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList words;
    for (int i = 1; i < argc; ++i)
        words.append(QString::fromLocal8Bit(argv[i]));
    const AppOptions options = AppOptions::parse(words);
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "tallowick: %s (try --help)\n", options.error.toLocal8Bit().constData());
        return 2;
    }
    if (options.help) {
        std::fputs(AppOptions::helpText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("tallowick %s\n", AppInfo::kVersion);
        return 0;
    }
    if (options.screenshot()) {
        // A picture needs no screen and no GPU.
        if (!hasDisplay())
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    }

    // Read before the application object: Qt's X11 plug-in takes the startup id away.
    const Activation startActivation = Activation::fromEnvironment(options.link);
    // A picture opens no file dialog.
    if (!options.screenshot())
        DesktopFileChooser::choosePortalTheme();
    QGuiApplication app(argc, argv);
    DesktopFileChooser::forgetThemeChoice();
    // The desktop ties the windows to the desktop entry by these: the desktop file name (the
    // app id on Wayland) and, on X11, the class of WM_CLASS, which is the application name and
    // the entry's StartupWMClass. People see the display name.
    QGuiApplication::setApplicationName(QLatin1String(AppInfo::kAppId));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Tallowick"));
    QGuiApplication::setDesktopFileName(QLatin1String(AppInfo::kAppId));
    QGuiApplication::setWindowIcon(QIcon(QLatin1String(AppInfo::kWindowIcon)));
    if (options.verbose)
        Diagnostics::setVerbose(true);
    Localization::installTranslations(app);
    // The screens mirror for a language written from right to left (LayoutMirroring follows
    // the application's direction), and text without a strong direction of its own runs so.
    QGuiApplication::setLayoutDirection(Localization::isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    // A picture is of one moment; a window lives on, and its clock runs on from --now (so
    // that the reminders it started meet their time).
    if (options.now && options.screenshot())
        Clock::setFixed(*options.now);
    else if (options.now)
        Clock::startAt(*options.now);

    SingleInstance instance;
    if (!options.screenshot()) {
        if (instance.handOver(startActivation))
            return 0;
        // A start at the same moment may have become the running app in between: hand over
        // to it rather than run beside it. Without a socket at all, this app runs alone.
        if (!instance.listen() && instance.handOver(startActivation))
            return 0;
    }

    // The desktop's colour scheme and motion are asked for now: the answers come in while the
    // first window is made.
    DesktopPreferences::session();
    StartupWarmUp warmUp;
    UserData store;
    LinkRouter router(store);
    // The event shown when the app was left, and its window's size: within the screen's free
    // area (a size given on the command line, and a picture's, are taken as they are).
    const WindowMemory remembered = WindowMemory::read();
    if (const int page = store.indexOfEvent(remembered.eventId); page >= 0)
        store.setCurrentPage(page);
    QSize size = options.size.value_or(WindowFit::kPhoneSize);
    QSize smallest = WindowFit::kSmallest;
    const bool fitToScreen = !options.size && !options.screenshot();
    if (fitToScreen && QGuiApplication::primaryScreen()) {
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        const QSize room = WindowFit::roomBeforeShow(available, QGuiApplication::platformName());
        smallest = WindowFit::smallestFor(room);
        size = WindowFit::fit(remembered.size.value_or(WindowFit::kPhoneSize), room);
    }
    QQmlApplicationEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    engine.setInitialProperties({
        {QStringLiteral("store"), QVariant::fromValue(&store)},
        {QStringLiteral("screenshotMode"), options.screenshot()},
        {QStringLiteral("width"), size.width()},
        {QStringLiteral("height"), size.height()},
        {QStringLiteral("minimumWidth"), smallest.width()},
        {QStringLiteral("minimumHeight"), smallest.height()},
    });
    const QUrl appWindow(QStringLiteral("qrc:/qt/qml/Tallowick/qml/app/AppWindow.qml"));
    // Compiling the screens needs no fonts: it runs while the faces are being added. The window
    // is made once they are in, from the compiled screens.
    const QQmlComponent screens(&engine, appWindow);
    warmUp.prepareFirstWindow();
    engine.load(appWindow);
    if (engine.rootObjects().isEmpty())
        return 1;
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().constFirst());

    // A link that starts the app is applied too, so a tap on a widget always lands on its page.
    if (!options.link.isEmpty())
        router.open(options.link);
    QObject::connect(&instance, &SingleInstance::activated, &app, [&](const QString &link, const Activation &activation) {
        if (!link.isEmpty())
            router.open(link);
        WindowActivation::activate(window, activation, QGuiApplication::platformName());
    });

    if (options.screenshot())
        return saveFirstSettledFrame(app, window, options.screenshotPath);
    WindowKeeper keeper(window, store, remembered, !options.size, fitToScreen);
    WindowActivation::activateFirstWindow(window, QGuiApplication::platformName());
    // Once the first frame is shown, the window follows what other programs change, and the
    // reminders chosen get their delivery (nothing of it stands between a start and its first
    // frame).
    ReminderDeliveryStarter delivery;
    // With an account set up, the list syncs now, after every change and every quarter hour.
    SyncScheduler sync;
    const auto afterFirstFrame = [&store, &delivery, &sync] {
        store.watchForChanges();
        delivery.start();
        sync.start();
    };
    if (window)
        QObject::connect(window, &QQuickWindow::frameSwapped, &store, afterFirstFrame, Qt::SingleShotConnection);
    else
        afterFirstFrame();
    return app.exec();
}
