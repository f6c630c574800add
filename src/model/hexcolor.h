#pragma once

#include <QColor>
#include <QString>

// Converts a stored colour text into a colour. Characters that are not letters or digits are
// trimmed from both ends ("#FFF480" reads as "FFF480"); then by the trimmed length:
// 3 digits short RGB, 6 RGB, 8 ARGB (alpha first). Any other length gives an almost
// transparent near-black (r 1, g 1, b 0, alpha 1, out of 255). Digits are read up to the
// first non-hex character, so "GG0000" is opaque black.
QColor hexColor(const QString &text);
