#include "faces.h"

#include <platform/localization.h>

#include <QFontDatabase>
#include <QResource>

namespace {

struct Families
{
    QString display;
    QString label;
};

QString loadFamily(const QString &path, const QString &fallback)
{
    // Stored uncompressed, so the font engine reads the face in place rather than a copy.
    const QResource resource(path);
    const QByteArray data = resource.compressionAlgorithm() == QResource::NoCompression
        ? QByteArray::fromRawData(reinterpret_cast<const char *>(resource.data()), resource.size())
        : resource.uncompressedData();
    const int id = QFontDatabase::addApplicationFontFromData(data);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? fallback : families.constFirst();
}

const Families &families()
{
    static const Families loaded = [] {
        // The installed fonts are read first: faces added to a database that holds them join
        // it, while faces added before have the whole database read again at the first text.
        QFontDatabase::families();
        return Families{loadFamily(QStringLiteral(":/tallowick/faces/Display.otf"), QStringLiteral("sans-serif")),
                        loadFamily(QStringLiteral(":/tallowick/faces/Label.ttf"), QStringLiteral("sans-serif"))};
    }();
    return loaded;
}

bool hasKana(const QString &text)
{
    for (QChar c : text) {
        if ((c.unicode() >= 0x3040 && c.unicode() <= 0x30FF) || (c.unicode() >= 0x31F0 && c.unicode() <= 0x31FF))
            return true;
    }
    return false;
}

bool hasHangul(const QString &text)
{
    for (QChar c : text) {
        if ((c.unicode() >= 0xAC00 && c.unicode() <= 0xD7A3) || (c.unicode() >= 0x1100 && c.unicode() <= 0x11FF)
            || (c.unicode() >= 0x3130 && c.unicode() <= 0x318F))
            return true;
    }
    return false;
}

// The CJK faces, the one whose Han forms the text reads in first.
QStringList cjkFaces(const QString &text)
{
    QString first;
    if (hasKana(text))
        first = QStringLiteral("Noto Sans CJK JP");
    else if (hasHangul(text))
        first = QStringLiteral("Noto Sans CJK KR");
    else if (Localization::language() == QLatin1String("ja"))
        first = QStringLiteral("Noto Sans CJK JP");
    else if (Localization::language() == QLatin1String("ko"))
        first = QStringLiteral("Noto Sans CJK KR");
    else
        first = QStringLiteral("Noto Sans CJK SC");
    QStringList faces{QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Sans CJK JP"),
                      QStringLiteral("Noto Sans CJK KR")};
    faces.removeAll(first);
    faces.prepend(first);
    return faces;
}

} // namespace

namespace Faces {

void load()
{
    families();
}

QString family(Role role)
{
    return role == Role::Display ? families().display : families().label;
}

QStringList familiesFor(Role role, const QString &text)
{
    QStringList list{family(role), QStringLiteral("Noto Sans"), QStringLiteral("Noto Sans Arabic"),
                     QStringLiteral("Noto Sans Hebrew"), QStringLiteral("Noto Sans Devanagari"),
                     QStringLiteral("Noto Sans Thai")};
    list += cjkFaces(text);
    list += {QStringLiteral("Noto Color Emoji"), QStringLiteral("DejaVu Sans")};
    return list;
}

QFont font(Role role, int pixelSize, const QString &text)
{
    QFont font;
    font.setFamilies(familiesFor(role, text));
    font.setPixelSize(pixelSize);
    font.setWeight(role == Role::Display ? QFont::ExtraBold : QFont::Bold);
    return font;
}

} // namespace Faces
