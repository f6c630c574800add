#include "systemface.h"

#include <QFont>

#include <fontconfig/fontconfig.h>

#include <memory>

namespace SystemFace {

QString familyOf(const QFont &font)
{
    const std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> pattern(FcPatternCreate(), FcPatternDestroy);
    if (!pattern)
        return {};
    const QByteArray family = font.family().toUtf8();
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8 *>(family.constData()));
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    const std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> match(FcFontMatch(nullptr, pattern.get(), &result),
                                                                         FcPatternDestroy);
    FcChar8 *name = nullptr;
    if (!match || FcPatternGetString(match.get(), FC_FAMILY, 0, &name) != FcResultMatch || !name)
        return {};
    return QString::fromUtf8(reinterpret_cast<const char *>(name));
}

} // namespace SystemFace
