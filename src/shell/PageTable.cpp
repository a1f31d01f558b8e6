#include "PageTable.h"
#include "PageDeclarationError.h"
#include "mib/MibTables.h"

PageTable PageTable::Of(const MibVariable* variables) {
    for (const MibTableInfo& info : MibTables::All()) {
        if (info.Table == variables)
            return {info.Table, info.Kind, info.KeyCount, info.Name};
    }
    const QString first = variables && variables[0].Name ? QString::fromLatin1(variables[0].Name) : QString();
    throw PageDeclarationError(QStringLiteral("the table starting with \"%1\" is not in the table registry").arg(first));
}
