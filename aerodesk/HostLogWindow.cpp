#include "HostLogWindow.h"
#include "platform/HostCopyData.h"
#include <cstdio>

HostLogWindow::HostLogWindow(FILE* out) : out_(out) { setWindowTitle(QStringLiteral("Aerodesk2")); }

bool HostLogWindow::event(QEvent* e) {
    if (e->type() != HostCopyDataEvent::kType)
        return QWidget::event(e);
    const auto* data = static_cast<HostCopyDataEvent*>(e);
    ++received_;
    std::fprintf(out_, "log [%lu] %s\n", static_cast<unsigned long>(data->DataWord), data->Bytes.constData());
    std::fflush(out_);
    return true;
}
