// The widget's two hot paths: building a timeline from a published file of 30 events (read,
// decode, choose; goal under 100 µs) and drawing one entry at each size at scale 2, as on a
// high-density screen (goal under 16 ms, one frame).
#include <intent/selecteventintent.h>
#include <model/widgetcontent.h>
#include <platform/sharedcontainer.h>
#include <widgets/provider.h>
#include <widgets/ruruextension.h>

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLoggingCategory>
#include <QPainter>
#include <QTemporaryDir>

namespace {

constexpr int kEvents = 30;

WidgetContent event(int page)
{
    return WidgetContent{QDateTime::currentDateTime(),
                         QDate::currentDate().addDays(page * 7).toString(Qt::ISODate),
                         QStringLiteral("FFF480"),
                         QStringLiteral("3B3B3B"),
                         QStringLiteral("2E86DE"),
                         QStringLiteral("Event %1").arg(page),
                         page % 3 != 0,
                         page % 2 ? QStringLiteral("RainBar") : QStringLiteral("Birthday"),
                         page,
                         QStringLiteral("00000000-0000-4000-8000-%1").arg(page, 12, 10, QLatin1Char('0'))};
}

void publishEvents()
{
    QList<WidgetContent> records;
    for (int page = 0; page < kEvents; ++page)
        records.append(event(page));
    QDir().mkpath(SharedContainer::path());
    QFile file(widgetContentsPath());
    if (!file.open(QIODevice::WriteOnly) || file.write(encodeWidgetContents(records)) < 0)
        qFatal("could not write the contents file");
}

void discardMessage(QtMsgType, const QMessageLogContext &, const QString &) {}

// The chosen event is the last one, so every record is compared.
void timeline(benchmark::State &state, bool diagnostics)
{
    QLoggingCategory::setFilterRules(diagnostics ? QStringLiteral("tallowick.*.info=true") : QString());
    const QtMessageHandler previous = qInstallMessageHandler(discardMessage);
    const Provider provider;
    const SelectEventIntent chosen{Event(QString::number(kEvents - 1), QStringLiteral("Event %1").arg(kEvents - 1))};
    for (auto _ : state) {
        const Provider::Timeline made = provider.getTimeline(chosen);
        if (made.entries.size() != 1)
            state.SkipWithError("the chosen event was not found");
        benchmark::DoNotOptimize(made);
    }
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QString());
}

void timelineQuiet(benchmark::State &state)
{
    timeline(state, false);
}
BENCHMARK(timelineQuiet)->Unit(benchmark::kMicrosecond);

// With the info lines on (they are off by default): the timeline's own lines are formatted (and
// thrown away), the dumps of whole lists are debug lines and stay off.
void timelineWithDiagnostics(benchmark::State &state)
{
    timeline(state, true);
}
BENCHMARK(timelineWithDiagnostics)->Unit(benchmark::kMicrosecond);

void render(benchmark::State &state, WidgetFamily family, const QString &barType)
{
    RuruExtension extension;
    WidgetContent content = event(1);
    content.barType = barType;
    const WidgetEntry entry = RuruExtension::entryFor(content);
    constexpr qreal scale = 2;
    for (auto _ : state) {
        QImage image((widgetFamilySize(family) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        painter.scale(scale, scale);
        extension.render(entry, family, painter);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void renderSmall(benchmark::State &state)
{
    render(state, WidgetFamily::SystemSmall, QStringLiteral("RainBar"));
}
BENCHMARK(renderSmall)->Unit(benchmark::kMillisecond);

void renderMediumBar(benchmark::State &state)
{
    render(state, WidgetFamily::SystemMedium, QStringLiteral("RainBar"));
}
BENCHMARK(renderMediumBar)->Unit(benchmark::kMillisecond);

void renderMediumPicture(benchmark::State &state)
{
    render(state, WidgetFamily::SystemMedium, QStringLiteral("Birthday"));
}
BENCHMARK(renderMediumPicture)->Unit(benchmark::kMillisecond);

void renderLargeBar(benchmark::State &state)
{
    render(state, WidgetFamily::SystemLarge, QStringLiteral("ThereelineBar"));
}
BENCHMARK(renderLargeBar)->Unit(benchmark::kMillisecond);

void renderLargePicture(benchmark::State &state)
{
    render(state, WidgetFamily::SystemLarge, QStringLiteral("Vacation"));
}
BENCHMARK(renderLargePicture)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    // Drawing into images needs no screen; the published file goes to a folder of its own.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    QGuiApplication app(argc, argv);
    publishEvents();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
