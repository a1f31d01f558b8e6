#include "WirelessMode.h"
#include "shell/MainView.h"
#include "shell/Page.h"
#include "shell/PageField.h"
#include "shell/PageRequest.h"

namespace WirelessMode {
namespace {
const QString kModeVariable = QStringLiteral("dot11ApMode");

// The mode a page shows, once it came from the device (or was sent to it):
// before its first read a page's list shows its first entry, not the device's.
QString ModeText(const CMainView& view, const char* label) {
    const CPage* page = view.PageByLabel(QString::fromLatin1(label));
    if (!page)
        return {};
    for (const PageField* field : page->Fields()) {
        if (field->Request() && field->Variable() == kModeVariable)
            return field->Request()->Value(kModeVariable).isEmpty() ? QString() : field->Text();
    }
    return {};
}
}  // namespace

// The wireless page's mode where that page has one from the device, else the
// Information page's operation mode (the same device variable, read at every
// refresh of the home page).
bool IsClient(const CPage& page) {
    if (!page.View())
        return false;
    QString mode = ModeText(*page.View(), "Wireless");
    if (mode.isEmpty())
        mode = ModeText(*page.View(), "Information");
    return mode.contains(QLatin1String("Client"));
}
}  // namespace WirelessMode
