#pragma once

#include "colorprovider.h"
#include "edate.h"

#include <QList>
#include <QString>

// Files packaged with the programs (the Qt resource system). They ship with every build, so a
// missing or broken one ends the process with a message naming it.

// The raw bytes of a packaged file, by its full name ("ColorSets.json").
QByteArray loadResourceBytes(const QString &name);

// The themes of "ColorSets.json", in file order; loaded once per process, never empty.
const QList<ColorProvider> &colorSets();

// The events a first start shows, from "DateData.json" (read once per process), with their
// titles in the current language.
QList<EDate> defaultEvents();
