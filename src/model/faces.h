#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// The app's two display faces, carried inside every program that links this library (the
// widget plug-in included, which cannot count on the app's copy): a heavy face for titles and
// counts, and a bold one for dates and labels. Text in scripts they lack falls back to faces
// of those scripts, in an order that lets the text's own script win, and colour emoji last.
namespace Faces {

enum class Role {
    Display,  // titles and counts (Inter Display ExtraBold, the app's "Gilroy")
    Label,    // dates and labels (Lato Bold, the app's "Avenir")
};

// Adds both faces to the font database once per process, with their fallbacks for the
// language texts are shown in; needs the GUI application object.
void load();

// The family name under which the face of `role` is loaded.
QString family(Role role);

// The families `text` is drawn with in the face of `role`, best first: the face, then faces
// for the scripts it lacks. Han characters take the Japanese, Korean or Chinese forms that the
// text's own kana or hangul call for (that CJK face then comes first, before the app's face),
// else those of the language texts are shown in; colour emoji come last, so digits and signs
// that emoji fonts also carry stay in the text's face.
QStringList familiesFor(Role role, const QString &text);

// The face of `role` at `pixelSize` (painter units), with the families for `text`.
QFont font(Role role, int pixelSize, const QString &text);

// One family name that stands for familiesFor(role, text), for the places that can name only
// one family (a QML text's font.family): the face's own name when its substitutes are those
// families (the text's Han characters, if any, take the forms of the language), else a name
// of the app's own whose substitutes, best first, are those families. Texts whose Han
// characters take the same forms share a name.
QString familyFor(Role role, const QString &text);

// Gives the texts drawn in `family` (the app's plain texts name the system's face) the faces
// for the scripts it lacks, in the order of familiesFor. load() does so for both app faces.
void addFallbacks(const QString &family);

} // namespace Faces
