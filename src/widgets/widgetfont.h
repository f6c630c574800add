#pragma once

#include <QFont>

// The system font at `size` points with `weight`. The views paint in points, so the size is
// set in painter units and follows the host's scale.
QFont widgetFont(int size, QFont::Weight weight);
