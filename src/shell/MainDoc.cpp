#include "MainDoc.h"

void CMainDoc::SetApModeMask(const QString& mask) {
    if (mask == apModeMask_)
        return;
    apModeMask_ = mask;
    emit CapabilitiesChanged();
}

QString CMainDoc::RepeaterName() const {
    return universalRepeater_ ? QStringLiteral("Universal Repeater") : QStringLiteral("AP Repeater");
}

void CMainDoc::SetUniversalRepeater(bool universal) {
    if (universal == universalRepeater_)
        return;
    universalRepeater_ = universal;
    emit CapabilitiesChanged();
}

void CMainDoc::SetNoDhcpFunction() {
    const bool had = hasDhcpFunction_;
    hasDhcpFunction_ = false;
    if (had)
        emit DhcpFunctionMissing();
}
