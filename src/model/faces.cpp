#include "faces.h"

#include <platform/localization.h>

#include <QFontDatabase>
#include <QMutex>
#include <QRegularExpression>
#include <QResource>
#include <QSet>

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
        const Families loaded{loadFamily(QStringLiteral(":/tallowick/faces/Display.otf"), QStringLiteral("sans-serif")),
                              loadFamily(QStringLiteral(":/tallowick/faces/Label.ttf"), QStringLiteral("sans-serif"))};
        // A text that names only the face (a QML text) still finds every script.
        Faces::addFallbacks(loaded.display);
        Faces::addFallbacks(loaded.label);
        return loaded;
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

QStringList fallbacksAfter(const QString &first, const QString &text)
{
    QStringList list{first, QStringLiteral("Noto Sans"), QStringLiteral("Noto Sans Arabic"),
                     QStringLiteral("Noto Sans Hebrew"), QStringLiteral("Noto Sans Devanagari"),
                     QStringLiteral("Noto Sans Thai")};
    list += cjkFaces(text);
    list += {QStringLiteral("Noto Color Emoji"), QStringLiteral("DejaVu Sans")};
    return list;
}

// A family name that no font has, so that the font engine takes its substitutes in order:
// the faces of `families`. Named by the face and the Han forms chosen ("Tallowick Inter
// Display CJK JP"); made once per name.
QString substitutedFamily(const QStringList &families)
{
    static QMutex mutex;
    static QSet<QString> made;
    const QString cjk = families.value(families.indexOf(QRegularExpression(QStringLiteral("Noto Sans CJK .*"))));
    const QString name = QStringLiteral("Tallowick %1 %2").arg(families.constFirst(), cjk);
    const QMutexLocker locker(&mutex);
    if (!made.contains(name)) {
        QFont::insertSubstitutions(name, families);
        made.insert(name);
    }
    return name;
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
    QStringList list = fallbacksAfter(family(role), text);
    // The font engine keeps one set of fallbacks per first face and size, for whichever text
    // asked first. A text whose kana or hangul call for other Han forms than the language's
    // starts with its own CJK face (which has Latin letters and digits as well), so that its
    // set is its own.
    const QString own = cjkFaces(text).constFirst();
    if (own != cjkFaces(QString()).constFirst()) {
        list.removeAll(own);
        list.prepend(own);
    }
    return list;
}

QString familyFor(Role role, const QString &text)
{
    // Most titles need no other order than the face's own substitutes (load() gave them): the
    // face's name then serves, and a font engine is spared looking up a name no font has.
    const QStringList families = familiesFor(role, text);
    if (families.constFirst() == family(role))
        return families.constFirst();
    return substitutedFamily(families);
}

void addFallbacks(const QString &family)
{
    QStringList fallbacks = fallbacksAfter(family, QString());
    fallbacks.removeFirst();
    QFont::insertSubstitutions(family, fallbacks);
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
