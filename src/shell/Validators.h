#pragma once
#include <QString>

// The address and number checks of the pages. They read a control's text and
// never change it.
namespace Validators {
// Four dotted parts of one to three decimal digits each and nothing else:
// the first 1 to 223 and not 127, the second and third 0 to 255, the fourth
// 1 to 254.
bool IsValidIpAddress(const QString& text);
// Four dotted parts of one to three decimal digits, the first 1 to 255, the
// others 0 to 255, whose 32 bits
// are ones from the top followed by zeros only. All ones is accepted.
bool IsValidSubnetMask(const QString& text);
// A decimal integer (digits, optionally a leading "-") from low to high inclusive.
bool IsNumberInRange(const QString& text, long long low, long long high);
// "Please input a number between LOW and HIGH." ('!' instead of '.' when asked).
QString NumberRangeMessage(long long low, long long high, bool exclamation = false);

// The wordings of the pages' address messages; each page uses its own subset.
namespace Messages {
inline constexpr const char* IpAddress = "Please input valid IP Address.";
inline constexpr const char* IpAddressNoStop = "Please input valid IP address";
inline constexpr const char* IpAddressStop = "Please input valid IP address.";
inline constexpr const char* IpAddressBang = "Please input valid IP address!";
inline constexpr const char* SubnetMask = "Please input valid Subnet Mask.";
inline constexpr const char* Submask = "Please input valid Submask.";
inline constexpr const char* Gateway = "Please input valid Gateway.";
inline constexpr const char* Dns = "Please input valid DNS.";
inline constexpr const char* Wins = "Please input valid WINS.";
inline constexpr const char* Mac = "Please input valid MAC.";
inline constexpr const char* MacAddress = "Please input a valid MAC Address.";
}  // namespace Messages
}  // namespace Validators
