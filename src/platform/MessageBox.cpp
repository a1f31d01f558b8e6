#include "MessageBox.h"
#include <mutex>

namespace MessageBox {
namespace {
std::mutex gMutex;
Handler gHandler;
}  // namespace

int Unanswered(int buttons) {
    switch (buttons & ButtonMask) {
    case Ok: return AnswerOk;
    case YesNo: return AnswerNo;
    case AbortRetryIgnore: return AnswerAbort;
    default: return AnswerCancel;   // OK/Cancel, Yes/No/Cancel, Retry/Cancel, and any other set
    }
}

bool IsAnswerOf(int buttons, int answer) {
    switch (buttons & ButtonMask) {
    case Ok: return answer == AnswerOk;
    case OkCancel: return answer == AnswerOk || answer == AnswerCancel;
    case AbortRetryIgnore: return answer == AnswerAbort || answer == AnswerRetry || answer == AnswerIgnore;
    case YesNoCancel: return answer == AnswerYes || answer == AnswerNo || answer == AnswerCancel;
    case YesNo: return answer == AnswerYes || answer == AnswerNo;
    case RetryCancel: return answer == AnswerRetry || answer == AnswerCancel;
    default: return false;
    }
}

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
        return Unanswered(buttons);
    const int answer = h(text, caption, buttons);
    return IsAnswerOf(buttons, answer) ? answer : Unanswered(buttons);
}

int Show(const QString& text) { return Show(text, QString(), Ok); }

int Confirm(const QString& text) { return Show(text, QStringLiteral("Warning"), OkCancel); }

}  // namespace MessageBox
