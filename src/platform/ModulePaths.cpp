#include "ModulePaths.h"
#include <QDir>
#include <dlfcn.h>

namespace ModulePaths {

QString ModuleFile() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&ModuleFile), &info) == 0 || !info.dli_fname)
        return {};
    QString path = QString::fromLocal8Bit(info.dli_fname);
    // A program started through PATH reports its bare name.
    if (!path.contains(QLatin1Char('/')))
        return path;
    return QFileInfo(path).absoluteFilePath();
}

QString ModuleFolder() {
    const QString path = ModuleFile();
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? path : path.left(slash);
}

QString TempFolder() {
    QString t = QDir::tempPath();
    while (t.size() > 1 && t.endsWith(QLatin1Char('/')))
        t.chop(1);
    return t;
}

}  // namespace ModulePaths
