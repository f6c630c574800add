#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// Shared set-up of the libFuzzer targets, made once per run by the LLVMFuzzerInitialize that
// fuzzsupport.cpp gives every target: TZ Asia/Seoul, en_US, the clock fixed at 2024-05-01
// 10:00:30 local time, XDG folders (and HOME) in a fresh temporary folder instead of the
// person's home, a Qt application object, and Qt's messages dropped unless
// TALLOWICK_FUZZ_VERBOSE is set. A target gives only LLVMFuzzerTestOneInput.

// A property the code under test promised and broke: prints `what` and aborts, so libFuzzer
// keeps the input that did it.
#define FUZZ_REQUIRE(condition, what)                                                              \
    do {                                                                                           \
        if (!(condition))                                                                          \
            fuzz::fail(__FILE__, __LINE__, #condition, what);                                      \
    } while (false)

namespace fuzz {

[[noreturn]] void fail(const char *file, int line, const char *condition, const QString &what);

// Removes every file the previous input left in the temporary XDG folders, so each input
// starts from the same empty home.
void clearHome();

// Writes a whole file (creating its folder); aborts when it cannot, as that is no finding.
void writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);

// The input as bytes and as text (invalid UTF-8 becomes replacement characters).
inline QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}
inline QString text(const uint8_t *data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

} // namespace fuzz
