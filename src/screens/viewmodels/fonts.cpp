#include "fonts.h"

#include <model/faces.h>

Fonts::Fonts(QObject *parent)
    : QObject(parent)
{
    load();
}

void Fonts::load()
{
    Faces::load();
}

QString Fonts::gilroy() const
{
    return Faces::family(Faces::Role::Display);
}

QString Fonts::avenir() const
{
    return Faces::family(Faces::Role::Label);
}

QString Fonts::gilroyFor(const QString &text) const
{
    return Faces::familyFor(Faces::Role::Display, text);
}
