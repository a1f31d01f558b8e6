#include "PlugInModule.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <dlfcn.h>

PlugInModule::~PlugInModule() { Unload(); }

QString PlugInModule::DefaultPath() {
    const QByteArray fromEnvironment = qgetenv("AERODESK_MODULE");
    if (!fromEnvironment.isEmpty())
        return QString::fromLocal8Bit(fromEnvironment);
    // Beside the program in a build tree; in the module's library folder
    // when installed.
    const QString folder = QCoreApplication::applicationDirPath();
    const QString beside = folder + QStringLiteral("/AP_PlugIn.plx");
    const QString installed =
        QDir::cleanPath(folder + QStringLiteral("/" NXA_INSTALLED_MODULE_DIR "/AP_PlugIn.plx"));
    return QFileInfo::exists(beside) || !QFileInfo::exists(installed) ? beside : installed;
}

template <typename T>
bool PlugInModule::Resolve(T& slot, const char* name) {
    slot = reinterpret_cast<T>(dlsym(handle_, name));
    if (!slot && error_.isEmpty())
        error_ = QStringLiteral("the module has no export %1").arg(QLatin1String(name));
    return slot != nullptr;
}

bool PlugInModule::Load(const QString& path) {
    Unload();
    error_.clear();
    handle_ = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        const char* why = dlerror();
        error_ = QStringLiteral("cannot load %1: %2").arg(path, QString::fromLocal8Bit(why ? why : "unknown error"));
        return false;
    }
    bool ok = Resolve(Init, "PlugInit");
    ok &= Resolve(Exit, "PlugExit");
    ok &= Resolve(Show, "PlugShow");
    ok &= Resolve(GetModuleCaps, "PlugGetModuleCaps");
    ok &= Resolve(SetSnmpParameter, "PlugSetSnmpParameter");
    ok &= Resolve(SetFtpServer, "PlugSetFtpServer");
    ok &= Resolve(GetWepErr, "PlugGetWepErr");
    ok &= Resolve(SetAsIndividual, "PlugSetAsIndividual");
    ok &= Resolve(SetAsMultiple, "PlugSetAsMultiple");
    ok &= Resolve(SetMessageBoxHandler, "PlugSetMessageBoxHandler");
    ok &= Resolve(GetSystemInfo, "PlugGetSystemInfo");
    ok &= Resolve(GetBasicConfigInfor, "PlugGetBasicConfigInfor");
    ok &= Resolve(GetTrafficInfor, "PlugGetTrafficInfor");
    ok &= Resolve(GetClinetInfor, "PlugGetClinetInfor");
    if (!ok)
        Unload();
    return ok;
}

void* PlugInModule::Symbol(const char* name) const { return handle_ ? dlsym(handle_, name) : nullptr; }

void PlugInModule::Unload() {
    if (handle_)
        dlclose(handle_);
    handle_ = nullptr;
}
