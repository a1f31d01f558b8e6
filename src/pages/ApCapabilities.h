#pragma once
#include <QString>

// What the Information page learns about the device for the wireless page:
// the mask of the access-point modes it supports and the name of its
// repeater mode.
namespace ApCapabilities {
// The mask text as read ("" until the first successful read).
QString ApModeMask();
void SetApModeMask(const QString& mask);
// "Universal Repeater" when the device says so ("1"), else "AP Repeater".
QString RepeaterName();
void SetModeStringChange(bool supported);
void Reset();
}  // namespace ApCapabilities
