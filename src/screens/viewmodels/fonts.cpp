#include "fonts.h"

#include <QFontDatabase>
#include <QResource>

namespace {

QString loadFamily(const QString &path, const QString &fallback)
{
    // The faces are stored uncompressed in the program, so the font engine reads them in place
    // rather than from a copy of each whole file.
    const QResource resource(path);
    const QByteArray data = resource.compressionAlgorithm() == QResource::NoCompression
        ? QByteArray::fromRawData(reinterpret_cast<const char *>(resource.data()), resource.size())
        : resource.uncompressedData();
    const int id = QFontDatabase::addApplicationFontFromData(data);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? fallback : families.constFirst();
}

struct Families
{
    QString gilroy;
    QString avenir;
};

Families loadFamilies()
{
    // The installed fonts are read first: faces added to a database that holds them join it,
    // while faces added before have the whole database read again at the first text.
    QFontDatabase::families();
    return {
        loadFamily(QStringLiteral(":/tallowick/fonts/Gilroy-ExtraBold.otf"), QStringLiteral("sans-serif")),
        loadFamily(QStringLiteral(":/tallowick/fonts/AvenirNext-Bold.ttf"), QStringLiteral("sans-serif")),
    };
}

const Families &families()
{
    static const Families loaded = loadFamilies();
    return loaded;
}

} // namespace

Fonts::Fonts(QObject *parent)
    : QObject(parent)
{
    load();
}

void Fonts::load()
{
    families();
}

QString Fonts::gilroy() const
{
    return families().gilroy;
}

QString Fonts::avenir() const
{
    return families().avenir;
}
