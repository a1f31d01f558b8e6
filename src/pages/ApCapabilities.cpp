#include "ApCapabilities.h"

namespace ApCapabilities {
namespace {
QString gMask;
bool gUniversal = false;
}  // namespace

QString ApModeMask() { return gMask; }
void SetApModeMask(const QString& mask) { gMask = mask; }
QString RepeaterName() {
    return gUniversal ? QStringLiteral("Universal Repeater") : QStringLiteral("AP Repeater");
}
void SetModeStringChange(bool supported) { gUniversal = supported; }
void Reset() {
    gMask.clear();
    gUniversal = false;
}
}  // namespace ApCapabilities
