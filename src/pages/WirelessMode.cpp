#include "WirelessMode.h"
#include "shell/MainView.h"
#include "shell/Page.h"

namespace WirelessMode {
bool IsClient(const CPage& page) {
    const CPage* wireless = page.View() ? page.View()->PageByLabel(QStringLiteral("Wireless")) : nullptr;
    return wireless && wireless->TextOf(QStringLiteral("dot11ApMode")).contains(QLatin1String("Client"));
}
}  // namespace WirelessMode
