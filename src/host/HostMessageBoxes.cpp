#include "HostMessageBoxes.h"
#include "platform/MessageBox.h"
#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <mutex>

namespace HostMessageBoxes {
namespace {

std::mutex gMutex;
MessageBoxHandler gHandler = nullptr;
void* gContext = nullptr;

int AskWithQt(const QString& text, const QString& caption, int buttons) {
    using B = QMessageBox;
    B::StandardButtons standard = B::Ok;
    switch (buttons & MessageBox::ButtonMask) {
    case MessageBox::OkCancel: standard = B::Ok | B::Cancel; break;
    case MessageBox::AbortRetryIgnore: standard = B::Abort | B::Retry | B::Ignore; break;
    case MessageBox::YesNoCancel: standard = B::Yes | B::No | B::Cancel; break;
    case MessageBox::YesNo: standard = B::Yes | B::No; break;
    case MessageBox::RetryCancel: standard = B::Retry | B::Cancel; break;
    default: break;
    }
    QMessageBox box(caption.isEmpty() ? B::Warning : B::Question, caption, text, standard);
    switch (box.exec()) {
    case B::Ok: return MessageBox::AnswerOk;
    case B::Yes: return MessageBox::AnswerYes;
    case B::No: return MessageBox::AnswerNo;
    case B::Abort: return MessageBox::AnswerAbort;
    case B::Retry: return MessageBox::AnswerRetry;
    case B::Ignore: return MessageBox::AnswerIgnore;
    default: return MessageBox::Unanswered(buttons);   // Cancel, or closed without a choice
    }
}

const char* AnswerName(int answer) {
    switch (answer) {
    case MessageBox::AnswerNo: return "No";
    case MessageBox::AnswerAbort: return "Abort";
    case MessageBox::AnswerOk: return "OK";
    default: return "Cancel";
    }
}

int Route(const QString& text, const QString& caption, int buttons) {
    MessageBoxHandler handler;
    void* context;
    {
        std::lock_guard lock(gMutex);
        handler = gHandler;
        context = gContext;
    }
    if (handler) {
        const QByteArray t = text.toUtf8();
        const QByteArray c = caption.toUtf8();
        return handler(t.constData(), c.constData(), buttons, context);
    }
    if (VisibleGui())
        return AskWithQt(text, caption, buttons);
    // Nobody can answer: a question is refused, an error acknowledged.
    const int answer = MessageBox::Unanswered(buttons);
    if ((buttons & MessageBox::ButtonMask) == MessageBox::Ok)
        std::fprintf(stderr, "NXA-7310: %s\n", text.toUtf8().constData());
    else
        std::fprintf(stderr, "NXA-7310: %s (nobody to answer: %s)\n", text.toUtf8().constData(), AnswerName(answer));
    return answer;
}

}  // namespace

void SetHostHandler(MessageBoxHandler handler, void* context) {
    std::lock_guard lock(gMutex);
    gHandler = handler;
    gContext = context;
}

bool VisibleGui() {
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app)
        return false;
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

void Install() { MessageBox::SetHandler(&Route); }

void Uninstall() { MessageBox::SetHandler(nullptr); }

}  // namespace HostMessageBoxes
