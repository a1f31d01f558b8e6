#include "HostLogWindow.h"
#include "platform/HostCopyData.h"
#include <cstdio>

HostLogWindow::HostLogWindow() { setWindowTitle(QStringLiteral("Aerodesk2")); }

bool HostLogWindow::event(QEvent* e) {
    if (e->type() != HostCopyDataEvent::kType)
        return QWidget::event(e);
    const auto* data = static_cast<HostCopyDataEvent*>(e);
    ++received_;
    std::printf("log [%lu] %s\n", static_cast<unsigned long>(data->DataWord), data->Bytes.constData());
    std::fflush(stdout);
    return true;
}
