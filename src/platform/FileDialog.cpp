#include "FileDialog.h"
#include <mutex>

namespace FileDialog {
namespace {
std::mutex gMutex;
Handler gHandler;

QString Ask(const QString& caption, const QString& filter, bool save, const QString& suggested) {
    Handler h;
    {
        std::lock_guard lock(gMutex);
        h = gHandler;
    }
    return h ? h(caption, filter, save, suggested) : QString();
}
}  // namespace

Handler SetHandler(Handler handler) {
    std::lock_guard lock(gMutex);
    std::swap(gHandler, handler);
    return handler;
}

QString OpenFile(const QString& caption, const QString& filter) { return Ask(caption, filter, false, {}); }

QString SaveFile(const QString& caption, const QString& filter, const QString& suggested) {
    return Ask(caption, filter, true, suggested);
}

}  // namespace FileDialog
