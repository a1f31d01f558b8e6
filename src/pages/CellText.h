#pragma once
#include <QString>

// A cell of a walked row as a page keeps it: a column that the walk has left
// ("(NOTDONE)") or that has no value ("(NULL)") is empty.
inline QString CellText(const QString& value) {
    if (value == QLatin1String("(NOTDONE)") || value == QLatin1String("(NULL)"))
        return {};
    return value;
}
