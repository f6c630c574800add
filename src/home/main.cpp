#include "addwidgetwindow.h"
#include "desktopnotifier.h"
#include "extensionloader.h"
#include "homecommands.h"
#include "homedesktop.h"
#include "homeoptions.h"
#include "homescreen.h"
#include "instancestore.h"
#include "platformchoice.h"
#include "reloadlistener.h"
#include "reminderdelivery.h"
#include "wayland/layerwidgetsurface.h"
#include "wayland/waylandclient.h"

#include <platform/appinfo.h>
#include <platform/clock.h>
#include <platform/diagnostics.h>
#include <platform/localization.h>
#include <platform/notificationcenter.h>
#include <store/eventrepository.h>
#include <sync/syncscheduler.h>

#include <QApplication>
#include <QIcon>
#include <QTextStream>

namespace {

// The token (Wayland) or startup id (X11) the desktop started this program with, for the
// window it shows; empty when none.
QString launchToken()
{
    const QString token = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
    return token.isEmpty() ? qEnvironmentVariable("DESKTOP_STARTUP_ID") : token;
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const HomeOptions options = HomeOptions::parse(arguments);
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (!options.error.isEmpty())
        return homeUsageError(options.error, err);
    if (options.onlyPrints())
        return runHomeCommand(options, out, err);

    // Only the running home screen shows windows. On Wayland it asks the compositor, before
    // Qt picks a platform, whether its widgets can be layer surfaces; the connection that
    // asked shows them.
    PlatformChoice::Facts facts = PlatformChoice::fromEnvironment();
    std::unique_ptr<WaylandClient> wayland;
    if (PlatformChoice::asksAboutLayerShell(facts, options.showsWindows())) {
        wayland = WaylandClient::connectWithLayerShell();
        facts.layerShell = wayland != nullptr;
    }
    const PlatformChoice platform = PlatformChoice::choose(facts, options.showsWindows());
    if (!platform.platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform.platform);
    if (!platform.layerSurfaces)
        wayland.reset();

    // Read before the application: Qt takes the X11 startup id out of the environment.
    const QString token = launchToken();
    QApplication app(argc, argv);
    // Qt has read it: what the home screen starts (the app, for a tap) chooses for itself.
    if (facts.requested.isEmpty())
        qunsetenv("QT_QPA_PLATFORM");
    else
        qputenv("QT_QPA_PLATFORM", facts.requested);
    // As for the app: the desktop file name and WM_CLASS's class tie the widget windows to the
    // home screen's desktop entry.
    QApplication::setApplicationName(QLatin1String(AppInfo::kHomeId));
    QApplication::setApplicationDisplayName(QStringLiteral("Tallowick"));
    QApplication::setDesktopFileName(QLatin1String(AppInfo::kHomeId));
    QApplication::setWindowIcon(QIcon(QLatin1String(AppInfo::kWindowIcon)));
    // With its last widget removed the home screen may still have reminders to deliver: it
    // ends when it has nothing left to do (below).
    QApplication::setQuitOnLastWindowClosed(false);
    if (options.verbose)
        Diagnostics::setVerbose(true);
    if (facts.wayland && !platform.layerSurfaces && platform.platform.isEmpty() && options.showsWindows())
        err << "tallowick-home: this Wayland desktop has no layer shell and no X server: the widgets are ordinary windows\n";
    Localization::installTranslations(app);
    if (!options.showsWindows()) {
        // A command is of one moment.
        if (options.now)
            Clock::setFixed(*options.now);
        return runHomeCommand(options, out, err);
    }
    // The running home screen's clock runs on from --now, so its reminders meet their time.
    if (options.now)
        Clock::startAt(*options.now);

    ReloadListener listener;
    switch (listener.listen()) {
    case ReloadListener::Status::Listening:
        break;
    case ReloadListener::Status::AlreadyRunning:
        // One runs already: started in the background there is nothing to add; from the menu,
        // its window comes forward, with the token the desktop started this one with.
        if (options.background || ReloadListener::requestActivation(token))
            return HomeDone;
        err << "tallowick-home: another home screen is running and does not answer\n";
        return HomeRefused;
    case ReloadListener::Status::Failed:
        err << "tallowick-home: " << listener.errorString() << '\n';
        return HomeRefused;
    }
    ExtensionLoader loader;
    WidgetExtension *extension = loader.load();
    if (!extension) {
        err << "tallowick-home: " << loader.errorString() << '\n';
        return HomeRefused;
    }
    extension->setFixedNow(options.now);

    InstanceStore store;
    HomeScreen home(*extension, store);
    WidgetSurfaceFactory surfaces;
    if (wayland) {
        wayland->attachToEventLoop();
        QObject::connect(wayland.get(), &WaylandClient::connectionLost, &app, [] { QApplication::exit(HomeRefused); });
        WaylandClient *client = wayland.get();
        surfaces = [client](HomeScreen &screen, const QString &id) -> WidgetSurface * {
            return new LayerWidgetSurface(*client, screen, id);
        };
    }
    HomeDesktop desktop(home, surfaces);
    AddWidgetWindow addWindow(home);
    QObject::connect(&listener, &ReloadListener::reloadRequested, &home, &HomeScreen::reloadAll);
    QObject::connect(&listener, &ReloadListener::activationRequested, &addWindow, &AddWidgetWindow::present);
    QObject::connect(&home, &HomeScreen::addWindowRequested, &addWindow, [&addWindow] { addWindow.present(); });

    NotificationCenter center;
    EventRepository events;
    DesktopNotifier notifier;
    ReminderDelivery delivery(center, events, [&notifier](const DueReminder &reminder) { notifier.show(reminder); });
    QObject::connect(&home, &HomeScreen::minutePassed, &home, [&delivery] { delivery.deliverDue(Clock::now()); });
    // A yearly event's day that passed brings its next occurrence: the widgets count to it
    // and its reminders are scheduled (once, whoever comes first: this or the app's start).
    const auto newDay = [&events] {
        events.renewYearlyReminders();
        events.publish();
    };
    QObject::connect(&home, &HomeScreen::dayBegan, &home, newDay);

    // Nothing left to do (no widget, no window open, no reminder ahead): the home screen ends,
    // and the app starts it again when a reminder is chosen. Looked at once the loop runs.
    const auto endWhenIdle = [&] {
        if (home.instances().isEmpty() && !addWindow.isVisible() && !events.hasRemindersAhead())
            QCoreApplication::quit();
    };
    QObject::connect(&home, &HomeScreen::minutePassed, &app, endWhenIdle, Qt::QueuedConnection);
    QObject::connect(&home, &HomeScreen::instancesChanged, &app, endWhenIdle, Qt::QueuedConnection);
    QObject::connect(&addWindow, &AddWidgetWindow::closed, &app, endWhenIdle, Qt::QueuedConnection);

    // With an account set up, the list syncs at the start, after every change by any program
    // and every quarter hour while the home screen runs.
    SyncScheduler sync;
    newDay();
    home.start();
    sync.start();
    delivery.deliverDue(Clock::now());
    // Started from the menu with no widget yet: the window that adds one.
    if (home.instances().isEmpty() && !options.background)
        addWindow.present(token);
    QMetaObject::invokeMethod(&app, endWhenIdle, Qt::QueuedConnection);
    return app.exec();
}
