#include "MessageBox.h"
#include <mutex>

namespace MessageBox {
namespace {
std::mutex gMutex;
Handler gHandler;
}  // namespace

Handler SetHandler(Handler handler) {
    std::lock_guard lock(gMutex);
    std::swap(gHandler, handler);
    return handler;
}

int Show(const QString& text, const QString& caption, int buttons) {
    Handler h;
    {
        std::lock_guard lock(gMutex);
        h = gHandler;
    }
    if (!h)
        return (buttons & ButtonMask) == YesNo ? AnswerNo : AnswerOk;
    return h(text, caption, buttons);
}

int Show(const QString& text) { return Show(text, QString(), Ok); }

int Confirm(const QString& text) { return Show(text, QStringLiteral("Warning"), OkCancel); }

}  // namespace MessageBox
