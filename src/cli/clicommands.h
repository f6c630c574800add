#pragma once

#include <QStringList>
#include <QTextStream>

// Runs one tallowick-cli command line (without the program name). Results go to `out`;
// errors and usage messages go to `err`. Diagnostics use Qt's logging (standard error).
int runCli(const QStringList &arguments, QTextStream &out, QTextStream &err);
