#pragma once

class CPage;

// What the wireless page shows of the access point's mode, for the pages
// whose settings mean nothing in one mode.
namespace WirelessMode {
// True when the wireless page's AP mode names a wireless client mode; false
// when it does not or the wireless page is not built.
bool IsClient(const CPage& page);
}  // namespace WirelessMode
