#include "homecommands.h"

#include "entrychoice.h"
#include "extensionloader.h"
#include "instancestore.h"
#include "widgetpainter.h"

#include <platform/appinfo.h>
#include <platform/atomicfile.h>
#include <platform/autostart.h>
#include <platform/clock.h>
#include <platform/widgetreload.h>
#include <model/widgetcontent.h>
#include <store/eventrepository.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>

namespace {

int refuse(const QString &message, QTextStream &err)
{
    err << "tallowick-home: " << message << '\n';
    err.flush();
    return HomeRefused;
}

// On a new machine nothing has written the events' file for widgets yet, while the list
// already shows the first-start events: --add publishes them first, so that it finds what the
// list shows. (A file that is there is the app's to keep up; an unreadable list is not
// published over it.)
void publishFirstStartEvents()
{
    EventRepository events;
    if (!QFileInfo::exists(widgetContentsPath()) && events.read().source == EventList::Source::Defaults)
        events.publish();
}

// The option of the extension whose title is `title` (the first, when titles repeat).
std::optional<WidgetConfigurationOption> optionTitled(WidgetExtension &extension, const QString &title)
{
    for (const WidgetConfigurationOption &option : extension.configurationOptions()) {
        if (option.displayString == title)
            return option;
    }
    return std::nullopt;
}

int listCommand(QTextStream &out)
{
    for (const WidgetInstance &instance : InstanceStore().instances()) {
        out << instance.id << '\t' << widgetFamilyName(instance.family) << '\t'
            << (instance.configuration ? instance.configuration->displayString : QStringLiteral("-")) << '\t'
            << instance.position.x() << ',' << instance.position.y() << '\n';
    }
    return HomeDone;
}

int addCommand(const HomeOptions &options, QTextStream &out, QTextStream &err)
{
    publishFirstStartEvents();
    ExtensionLoader loader;
    WidgetExtension *extension = loader.load();
    if (!extension)
        return refuse(loader.errorString(), err);
    extension->setFixedNow(options.now);
    WidgetInstance instance;
    instance.kind = extension->kind();
    instance.family = options.family;
    if (options.event) {
        instance.configuration = optionTitled(*extension, *options.event);
        if (!instance.configuration)
            return refuse(QStringLiteral("no event titled \"%1\"").arg(*options.event), err);
    }
    InstanceStore store;
    instance.position = options.at.value_or(InstanceStore::cascadePosition(store.instances().size()));
    const auto added = store.add(instance);
    if (!added)
        return refuse(QStringLiteral("can't write %1").arg(store.path()), err);
    WidgetReload::reloadAllTimelines();
    out << added->id << '\n';
    return HomeDone;
}

int removeCommand(const HomeOptions &options, QTextStream &err)
{
    InstanceStore store;
    if (!store.remove(options.id))
        return refuse(QStringLiteral("no widget with id %1").arg(options.id), err);
    WidgetReload::reloadAllTimelines();
    return HomeDone;
}

int renderCommand(const HomeOptions &options, QTextStream &err)
{
    ExtensionLoader loader;
    WidgetExtension *extension = loader.load();
    if (!extension)
        return refuse(loader.errorString(), err);
    extension->setFixedNow(options.now);
    WidgetEntry entry;
    if (options.placeholder) {
        entry = extension->placeholder(options.family);
    } else {
        std::optional<WidgetConfigurationOption> configuration;
        if (options.event) {
            configuration = optionTitled(*extension, *options.event);
            if (!configuration)
                return refuse(QStringLiteral("no event titled \"%1\"").arg(*options.event), err);
        }
        const WidgetTimeline timeline = extension->timeline(configuration, options.family);
        entry = EntryChoice::shown(*extension, timeline, options.family, Clock::now());
    }
    const QImage picture = WidgetPainter::render(*extension, entry, options.family, options.scale);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG") || !AtomicFile::write(options.out, png))
        return refuse(QStringLiteral("can't write %1").arg(options.out), err);
    return HomeDone;
}

int installAutostartCommand(QTextStream &out, QTextStream &err)
{
    const QString path = Autostart::entryPath();
    if (!Autostart::install(QCoreApplication::applicationFilePath()))
        return refuse(QStringLiteral("can't write %1").arg(path), err);
    out << path << '\n';
    return HomeDone;
}

int removeAutostartCommand(QTextStream &out, QTextStream &err)
{
    const QString path = Autostart::entryPath();
    switch (Autostart::remove()) {
    case Autostart::Removal::Removed:
        out << path << '\n';
        return HomeDone;
    case Autostart::Removal::NotThere:
        // Nothing starts the home screen with the session: what was asked for holds.
        err << "tallowick-home: no autostart entry at " << path << '\n';
        return HomeDone;
    case Autostart::Removal::Failed:
        break;
    }
    return refuse(QStringLiteral("can't remove %1").arg(path), err);
}

} // namespace

int homeUsageError(const QString &message, QTextStream &err)
{
    err << "tallowick-home: " << message << " (try --help)\n";
    err.flush();
    return HomeUsage;
}

int runHomeCommand(const HomeOptions &options, QTextStream &out, QTextStream &err)
{
    if (!options.error.isEmpty())
        return homeUsageError(options.error, err);
    int code = HomeDone;
    switch (options.mode) {
    case HomeOptions::Mode::Add:
        code = addCommand(options, out, err);
        break;
    case HomeOptions::Mode::List:
        code = listCommand(out);
        break;
    case HomeOptions::Mode::Remove:
        code = removeCommand(options, err);
        break;
    case HomeOptions::Mode::Render:
        code = renderCommand(options, err);
        break;
    case HomeOptions::Mode::InstallAutostart:
        code = installAutostartCommand(out, err);
        break;
    case HomeOptions::Mode::RemoveAutostart:
        code = removeAutostartCommand(out, err);
        break;
    case HomeOptions::Mode::Help:
        out << HomeOptions::helpText();
        break;
    case HomeOptions::Mode::Version:
        out << "tallowick-home " << AppInfo::kVersion << '\n';
        break;
    case HomeOptions::Mode::Run:
        return homeUsageError(QStringLiteral("nothing to do"), err);
    }
    out.flush();
    return code;
}
