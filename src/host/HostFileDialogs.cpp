#include "HostFileDialogs.h"
#include "HostMessageBoxes.h"
#include "platform/FileDialog.h"
#include <QApplication>
#include <QFileDialog>

namespace HostFileDialogs {
namespace {
QString AskWithQt(const QString& caption, const QString& filter, bool save, const QString& suggested) {
    if (!HostMessageBoxes::VisibleGui())
        return {};
    QWidget* parent = QApplication::activeWindow();
    return save ? QFileDialog::getSaveFileName(parent, caption, suggested, filter)
                : QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}
}  // namespace

void Install() {
    FileDialog::Handler previous = FileDialog::SetHandler(&AskWithQt);
    if (previous)
        FileDialog::SetHandler(previous);   // someone answers already: keep it
}
}  // namespace HostFileDialogs
