#include "hexcolor.h"

#include "datecontext.h"

namespace {

// Letters and digits of any script, and the marks that combine with them, are kept.
bool isAlphanumeric(QChar c)
{
    return c.isLetterOrNumber() || c.isMark();
}

quint64 scanHex(QStringView text)
{
    quint64 value = 0;
    for (QChar c : text) {
        const int digit = c.isDigit() && c.unicode() < 0x80 ? c.unicode() - '0'
            : (c.unicode() >= 'a' && c.unicode() <= 'f') ? c.unicode() - 'a' + 10
            : (c.unicode() >= 'A' && c.unicode() <= 'F') ? c.unicode() - 'A' + 10
                                                         : -1;
        if (digit < 0)
            break;
        if (value > (~quint64(0) >> 4))
            return ~quint64(0); // overflow saturates; only lengths up to 8 use the value
        value = (value << 4) | quint64(digit);
    }
    return value;
}

} // namespace

QColor hexColor(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && !isAlphanumeric(text.at(begin)))
        ++begin;
    while (end > begin && !isAlphanumeric(text.at(end - 1)))
        --end;
    const QStringView trimmed = QStringView(text).mid(begin, end - begin);
    const quint64 v = scanHex(trimmed);

    int a = 1, r = 1, g = 1, b = 0;
    switch (characterCount(trimmed.toString())) {
    case 3:
        a = 255;
        r = int((v >> 8) * 17);
        g = int(((v >> 4) & 0xF) * 17);
        b = int((v & 0xF) * 17);
        break;
    case 6:
        a = 255;
        r = int(v >> 16);
        g = int((v >> 8) & 0xFF);
        b = int(v & 0xFF);
        break;
    case 8:
        a = int(v >> 24);
        r = int((v >> 16) & 0xFF);
        g = int((v >> 8) & 0xFF);
        b = int(v & 0xFF);
        break;
    default:
        break;
    }
    return QColor(r, g, b, a);
}
