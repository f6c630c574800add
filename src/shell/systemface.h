#pragma once

#include <QString>

class QFont;

namespace SystemFace {

// The face the font configuration draws `font`'s family with: for a generic family ("Sans
// Serif", "sans-serif"), the installed face it stands for. Asks the font configuration
// directly, as Qt's own matching does, without making a font engine (which would also work out
// the family's fallbacks). Empty when nothing matches. Needs the font database read already.
QString familyOf(const QFont &font);

} // namespace SystemFace
