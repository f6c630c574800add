// Saves the event list over and over through the store, as the app does, until it is killed.
// Generation g adds an event titled "g<g>" at the front when g is even, and deletes the last
// event when g is odd; each generation's number is printed once its save has returned, so the
// test that kills this program knows which lists may be on disk.
//
// usage: reliability_saveloop FIRST_GENERATION

#include <store/userdata.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QLoggingCategory>

#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The store's diagnostics would only slow the loop down.
    QLoggingCategory::setFilterRules(QStringLiteral("*.info=false"));
    if (argc != 2)
        return 2;
    const qint64 first = QByteArray(argv[1]).toLongLong();
    UserData store;
    const QDateTime date(QDate(2027, 5, 1), QTime(12, 0));
    for (qint64 generation = first;; ++generation) {
        if (generation % 2 == 0)
            store.addEvent(date, QStringLiteral("g%1").arg(generation), true, 1003);
        else
            store.deleteEvent(store.count() - 1);
        // Straight to the pipe, unbuffered: what the test reads is what was saved.
        const QByteArray line = QByteArray::number(generation) + '\n';
        if (::write(STDOUT_FILENO, line.constData(), size_t(line.size())) < 0)
            return 1;
    }
}
