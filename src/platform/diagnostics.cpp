#include "diagnostics.h"

#include <QLoggingCategory>

namespace Diagnostics {

void setVerbose(bool verbose)
{
    QLoggingCategory::setFilterRules(verbose ? QStringLiteral("tallowick.*.debug=true\ntallowick.*.info=true") : QString());
}

} // namespace Diagnostics
