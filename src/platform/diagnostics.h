#pragma once

// The diagnostics of the programs (the info and debug lines of the tallowick.* logging
// categories) are off by default; warnings and errors always show. QT_LOGGING_RULES, when set,
// has the last word either way.
namespace Diagnostics {

// With true, shows every diagnostic line of the tallowick.* categories (what --verbose asks
// for); with false, each category is back to its own default.
void setVerbose(bool verbose);

} // namespace Diagnostics
