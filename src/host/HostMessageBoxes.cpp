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

bool VisibleGui() {
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app)
        return false;
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
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
    const int set = buttons & MessageBox::ButtonMask;
    if (VisibleGui()) {
        QMessageBox::StandardButtons standard = QMessageBox::Ok;
        if (set == MessageBox::OkCancel)
            standard = QMessageBox::Ok | QMessageBox::Cancel;
        else if (set == MessageBox::YesNo)
            standard = QMessageBox::Yes | QMessageBox::No;
        QMessageBox box(caption.isEmpty() ? QMessageBox::Warning : QMessageBox::Question, caption, text, standard);
        switch (box.exec()) {
        case QMessageBox::Cancel: return MessageBox::AnswerCancel;
        case QMessageBox::Yes: return MessageBox::AnswerYes;
        case QMessageBox::No: return MessageBox::AnswerNo;
        default: return MessageBox::AnswerOk;
        }
    }
    std::fprintf(stderr, "NXA-7310: %s\n", text.toUtf8().constData());
    return set == MessageBox::YesNo ? MessageBox::AnswerNo : MessageBox::AnswerOk;
}

}  // namespace

void SetHostHandler(MessageBoxHandler handler, void* context) {
    std::lock_guard lock(gMutex);
    gHandler = handler;
    gContext = context;
}

void Install() { MessageBox::SetHandler(&Route); }

void Uninstall() { MessageBox::SetHandler(nullptr); }

}  // namespace HostMessageBoxes
