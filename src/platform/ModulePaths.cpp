#include "ModulePaths.h"
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
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

QString UserStateFolder() {
    QStringList bases;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir() && QFileInfo(runtime).isWritable())
        bases << runtime;
    bases << QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    for (QString base : bases) {
        while (base.size() > 1 && base.endsWith(QLatin1Char('/')))
            base.chop(1);
        if (base.isEmpty())
            continue;
        const QString folder = base + QStringLiteral("/nxa-7310");
        if (QDir().mkpath(folder) && QFileInfo(folder).isWritable())
            return folder;
    }
    return {};
}

}  // namespace ModulePaths
