#include "WirelessMode.h"
#include "shell/MainView.h"
#include "shell/Page.h"

namespace WirelessMode {
namespace {
QString ModeText(const CMainView& view, const char* label) {
    const CPage* page = view.PageByLabel(QString::fromLatin1(label));
    return page ? page->TextOf(QStringLiteral("dot11ApMode")) : QString();
}
}  // namespace

// The wireless page's mode where that page shows one, else the Information
// page's operation mode (the same device variable, read at every refresh of
// the home page).
bool IsClient(const CPage& page) {
    if (!page.View())
        return false;
    QString mode = ModeText(*page.View(), "Wireless");
    if (mode.isEmpty())
        mode = ModeText(*page.View(), "Information");
    return mode.contains(QLatin1String("Client"));
}
}  // namespace WirelessMode
