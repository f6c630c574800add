#pragma once

#include "homeoptions.h"

#include <QTextStream>

// Exit codes of tallowick-home.
enum HomeExit { HomeDone = 0, HomeRefused = 1, HomeUsage = 2 };

// Runs a command option of tallowick-home (everything but running the home screen): results
// on `out`, complaints on `err` as one line each. Returns the exit code.
int runHomeCommand(const HomeOptions &options, QTextStream &out, QTextStream &err);

// Prints a usage error as one line and gives its exit code.
int homeUsageError(const QString &message, QTextStream &err);
