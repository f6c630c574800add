#pragma once

#include <QFont>
#include <QString>

// `font`, made smaller where needed so that `text` fits in one line of `width`: a count is
// never cut, and a long one must not run into the picture beside it.
QFont countFont(QFont font, const QString &text, qreal width);
