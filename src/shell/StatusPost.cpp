#include "StatusPost.h"
#include "MainFrame.h"
#include <QCoreApplication>

QEvent::Type CopyDataEvent::EventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

namespace StatusText {
void Post(const QString& text) {
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    CopyDataEvent event(0, text.toUtf8());
    QCoreApplication::sendEvent(frame, &event);
}
}  // namespace StatusText
