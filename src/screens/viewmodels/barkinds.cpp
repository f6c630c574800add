#include "barkinds.h"

#include <model/bartype.h>

QStringList BarKinds::all()
{
    QStringList names;
    for (BarType type : kAllBarTypes)
        names << barTypeName(type);
    return names;
}

QString BarKinds::drawingKind(const QString &name)
{
    return barTypeName(barTypeForDrawing(name));
}

bool BarKinds::isPicture(const QString &name)
{
    return !isPlainBar(barTypeForDrawing(name));
}
