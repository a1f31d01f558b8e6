#pragma once

class CPage;

// What the window shows of the access point's mode, for the pages whose
// settings mean nothing in one mode.
namespace WirelessMode {
// True when the AP mode the window last read (the wireless page's, else the
// Information page's operation mode) names a wireless client mode.
bool IsClient(const CPage& page);
}  // namespace WirelessMode
