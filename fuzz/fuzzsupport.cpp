#include "fuzzsupport.h"

#include <platform/clock.h>
#include <platform/localization.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>

namespace {

std::unique_ptr<QTemporaryDir> home;

void dropMessage(QtMsgType, const QMessageLogContext &, const QString &) {}

// Every input writes and syncs files; a memory-backed folder keeps the runs fast and spares
// the disk. Anywhere else TMPDIR (or /tmp) serves.
QString temporaryRoot()
{
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    if (shm.isDir() && shm.isWritable())
        return shm.filePath();
    return QDir::tempPath();
}

} // namespace

namespace fuzz {

void fail(const char *file, int line, const char *condition, const QString &what)
{
    // Control characters (U+0000 above all, which would end the line) are shown as escapes.
    QString shown;
    for (QChar c : what)
        shown += c.unicode() < 0x20 ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0')) : QString(c);
    std::fprintf(stderr, "%s:%d: property broken: %s\n  %s\n", file, line, condition, qPrintable(shown));
    std::fflush(stderr);
    std::abort();
}

void clearHome()
{
    for (const char *name : {"config", "data", "runtime"}) {
        QDir dir(home->path() + QLatin1Char('/') + QLatin1String(name));
        dir.removeRecursively();
        QDir().mkpath(dir.path());
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "fuzz: cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace fuzz

// libFuzzer calls this once, before the first input, in every target.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("TZ", "Asia/Seoul");
    tzset();
    qputenv("LANG", "en_US.UTF-8");
    qputenv("LC_ALL", "en_US.UTF-8");
    qputenv("QT_QPA_PLATFORM", "offscreen");

    home = std::make_unique<QTemporaryDir>(temporaryRoot() + QStringLiteral("/tallowick-fuzz-XXXXXX"));
    if (!home->isValid()) {
        std::fprintf(stderr, "fuzz: cannot make a temporary home folder\n");
        std::exit(1);
    }
    qputenv("HOME", home->path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home->path() + QStringLiteral("/config")).toUtf8());
    qputenv("XDG_DATA_HOME", (home->path() + QStringLiteral("/data")).toUtf8());
    qputenv("XDG_RUNTIME_DIR", (home->path() + QStringLiteral("/runtime")).toUtf8());
    fuzz::clearHome();

    if (!qEnvironmentVariableIsSet("TALLOWICK_FUZZ_VERBOSE"))
        qInstallMessageHandler(dropMessage);
    // Kept for the life of the process, like any program's application object.
    static QCoreApplication app(*argc, *argv);
    Localization::setCurrentLocale(QStringLiteral("en_US"));
    Clock::setFixed(QDateTime(QDate(2024, 5, 1), QTime(10, 0, 30)));
    return 0;
}
