#include "ConfigXml.h"
#include "mib/Catalogue.h"
#include "DeviceState.h"
#include "RadioRules.h"
#include "XmlNode.h"
#include <algorithm>
#include <cstdio>

namespace {
const std::string kZeroMac(6, '\0');

// The device's variables, by their place below the enterprise root.
namespace V {
const char* const GetIpFrom = "2.1.1.1.1.1.1";
const char* const IpAddress = "2.1.1.1.1.2.1";
const char* const Mask = "2.1.1.1.1.3.1";
const char* const Gateway = "2.1.1.1.1.4.1";
const char* const UserName = "4.1.1.1.2.1";
const char* const Password = "4.1.1.1.3.1";
const char* const Telnet = "4.4.1.0";
const char* const Ssh = "4.4.2.0";
const char* const Timeout = "4.4.3.0";
const char* const Ssid = "2.1.3.3.1.1.1.1.1";
const char* const SsidBroadcast = "2.1.3.3.1.1.1.2.1";
const char* const Channel = "2.1.3.3.1.1.1.3.1";
const char* const DataRate = "2.1.3.3.1.1.1.11.1";
const char* const Beacon = "2.1.3.3.1.1.1.17.1";
const char* const Dtim = "2.1.3.3.1.1.1.18.1";
const char* const Frag = "2.1.3.3.1.1.1.19.1";
const char* const Rts = "2.1.3.3.1.1.1.20.1";
const char* const Radio = "2.1.3.3.1.1.1.23.1";
const char* const AutoChannel = "2.1.3.3.1.1.1.24.1";
const char* const ApMode = "2.1.3.3.1.1.1.28.1";
const char* const Width = "2.1.3.3.1.1.1.29.1";
const char* const Band = "2.1.3.3.1.1.1.34.1";
const char* const Auth = "2.1.3.3.2.1.1.1.1";
const char* const Encryption = "2.1.3.3.2.1.1.2.1";
const char* const KeyIndex = "2.1.3.3.2.1.1.3.1";
const char* const PassPhrase = "2.1.3.3.2.1.1.4.1";
const char* const Cipher = "2.1.3.3.2.1.1.5.1";
const char* const GroupKey = "2.1.3.3.2.1.1.6.1";
const char* const RadiusServer = "2.1.3.3.2.1.1.8.1";
const char* const RadiusPort = "2.1.3.3.2.1.1.9.1";
const char* const RadiusSecret = "2.1.3.3.2.1.1.10.1";
const char* const KeyMethod = "2.1.3.3.2.2.1.2.1.";   // + key number
const char* const WepKey = "2.1.3.3.2.2.1.3.1.";      // + key number
const char* const MacControl = "2.1.3.3.2.3.2.1.1.1";
}  // namespace V

// Device code and backup code pairs.
using Codes = std::vector<std::pair<int, int>>;
// Authentication: the backup has no code for "Open System / Shared Key" (3)
// and 802.1x (10); they keep codes of their own beyond the list.
const Codes kAuthCodes = {{1, 0}, {2, 1}, {4, 3}, {5, 2}, {6, 5}, {7, 4}, {8, 7}, {9, 6}, {3, 8}, {10, 9}};
const Codes kCipherCodes = {{1, 4}, {2, 3}, {3, 2}};            // Auto, AES, TKIP
const Codes kFilterCodes = {{1, 1}, {2, 2}, {3, 0}};            // Accept, Reject, Disable
const Codes kWidthCodes = {{1, 0}, {2, 1}};                     // 20 MHz, Auto 20/40 MHz
const Codes kTimeoutCodes = {{0, 0}, {1, 60}, {2, 180}, {3, 300}, {4, 600}, {5, 900}};
// Fixed rates in Mbit/s, by backup code, for each band; 31 is automatic.
const std::vector<std::string> kRates5 = {"6", "9", "12", "18", "24", "36", "48", "54"};
const std::vector<std::string> kRates24 = {"1", "2", "5.5", "11", "6", "9", "12", "18", "24", "36", "48", "54"};
constexpr int kAutoRate = 31;

int ToBackup(const Codes& codes, int64_t device, int fallback) {
    for (auto [d, b] : codes)
        if (d == device)
            return b;
    return fallback;
}
int ToDevice(const Codes& codes, int backup, int fallback) {
    for (auto [d, b] : codes)
        if (b == backup)
            return d;
    return fallback;
}

class Values {
public:
    explicit Values(DeviceState& state) : state_(state), root_(Catalogue::EnterpriseRoot) {}

    DeviceState::Cell* Cell(const std::string& place) {
        OidPath oid;
        if (!Oids::Parse(place.find("1.3.6.1.") == 0 ? place : root_ + "." + place, oid))
            return nullptr;
        if (DeviceState::Cell* cell = state_.Find(oid))
            return cell;
        const OidPath* alias = state_.Model().AliasOf(oid);
        return alias ? state_.Find(*alias) : nullptr;
    }
    std::string Text(const std::string& place) {
        DeviceState::Cell* cell = Cell(place);
        return cell ? cell->Value.ToText() : std::string();
    }
    int64_t Number(const std::string& place) {
        DeviceState::Cell* cell = Cell(place);
        return cell ? cell->Value.Number : 0;
    }
    // Sets a value from its text form; a text that does not fit the
    // variable's syntax (or a number outside its enumeration) is ignored.
    bool Set(const std::string& place, const std::string& text) {
        DeviceState::Cell* cell = Cell(place);
        SimValue value;
        if (!cell || !SimValue::FromText(cell->Value.Syntax, text, value))
            return false;
        const auto& keys = cell->Def->AllowedKeys;
        if (Syntaxes::IsNumber(value.Syntax) && !keys.empty() && std::find(keys.begin(), keys.end(), value.Number) == keys.end())
            return false;
        cell->Value = value;
        return true;
    }
    bool Set(const std::string& place, int64_t number) { return Set(place, std::to_string(number)); }
    DeviceState& State() { return state_; }

private:
    DeviceState& state_;
    std::string root_;
};

std::string MacWithColons(const std::string& bytes) {
    std::string text;
    char pair[4];
    for (unsigned char c : bytes) {
        std::snprintf(pair, sizeof pair, text.empty() ? "%02X" : ":%02X", c);
        text += pair;
    }
    return text;
}

std::vector<DeviceState::Cell*> MacList(DeviceState& state) {
    const DeviceModel::Table* table = state.Model().TableNamed("macAccessList");
    return table ? state.ColumnCells(*table, "dot11MacAccessControlListMacAddress") : std::vector<DeviceState::Cell*>{};
}

bool IsWpa(int64_t auth) {
    return auth >= 4 && auth <= 9;
}

std::string KeyLength(const std::string& key, int64_t method) {
    // 5 ASCII characters or 10 hexadecimal digits make a 64-bit key.
    return key.size() <= (method == 1 ? 5u : 10u) ? "64" : "128";
}

void BuildSys(Values& v, XmlNode& root) {
    XmlNode& sys = root.Add("sys");
    sys.Add("name", v.Text("1.3.6.1.2.1.1.5.0"));
    sys.Add("location", v.Text("1.3.6.1.2.1.1.6.0"));
    XmlNode& user = sys.Add("user");
    user.Add("name", v.Text(V::UserName));
    user.Add("password", v.Text(V::Password));
    XmlNode& console = sys.Add("consoleprotocol");
    // 0 none, 1 telnet, 2 ssh
    console.Add("protocol", v.Number(V::Ssh) == 1 ? "2" : v.Number(V::Telnet) == 1 ? "1" : "0");
    console.Add("timeout", std::to_string(ToBackup(kTimeoutCodes, v.Number(V::Timeout), 0)));
}

void BuildWan(Values& v, XmlNode& root) {
    XmlNode& inf = root.Add("wan").Add("rg").Add("inf");
    inf.Add("mode", std::to_string(v.Number(V::GetIpFrom)));   // 1 static, 2 DHCP
    XmlNode& fixed = inf.Add("static");
    fixed.Add("ipaddr", v.Text(V::IpAddress));
    fixed.Add("netmask", v.Text(V::Mask));
    fixed.Add("gateway", v.Text(V::Gateway));
}

void BuildWlan(Values& v, XmlNode& root) {
    XmlNode& inf = root.Add("wlan").Add("inf");
    const bool band5 = v.Number(V::Band) == 1;
    inf.Add("band", band5 ? "1" : "0");
    // The 5 GHz modes keep their own number (7 a, 8 n, 9 mixed n/a); every
    // 2.4 GHz mode is "5" here, its number is in <phymode>.
    const int64_t mode = v.Number(RadioRules::kModePlace);
    inf.Add("wlmode", band5 ? std::to_string(RadioRules::Is5GHzMode(mode) ? mode : 7) : "5");
    inf.Add("phymode", std::to_string(mode));
    inf.Add("apmode", std::to_string(v.Number(V::ApMode)));
    inf.Add("enable", std::to_string(v.Number(V::Radio)));
    inf.Add("ssid", v.Text(V::Ssid));
    inf.Add("ssidhidden", v.Number(V::SsidBroadcast) == 1 ? "0" : "1");
    inf.Add("beaconinterval", v.Text(V::Beacon));
    const auto& rates = band5 ? kRates5 : kRates24;
    auto rate = std::find(rates.begin(), rates.end(), v.Text(V::DataRate));
    inf.Add("fixedrate", std::to_string(rate == rates.end() ? kAutoRate : static_cast<int>(rate - rates.begin())));
    inf.Add("dtim", v.Text(V::Dtim));
    inf.Add("fragthreshold", v.Text(V::Frag));
    inf.Add("rtsthreshold", v.Text(V::Rts));
    inf.Add("cwmmode", std::to_string(ToBackup(kWidthCodes, v.Number(V::Width), 0)));
    inf.Add("autochannel", v.Number(V::AutoChannel) == 1 ? "1" : "0");
    inf.Add("channel", v.Text(V::Channel));

    const int64_t auth = v.Number(V::Auth);
    inf.Add("authentication", std::to_string(ToBackup(kAuthCodes, auth, 0)));
    XmlNode& wpa = inf.Add("wpa");
    // One element carries the WPA cipher (2 TKIP, 3 AES, 4 automatic) or,
    // without WPA, whether WEP is on (0, 1).
    wpa.Add("wepmode", IsWpa(auth) ? std::to_string(ToBackup(kCipherCodes, v.Number(V::Cipher), 4))
                                   : std::to_string(v.Number(V::Encryption) == 1 ? 1 : 0));
    wpa.Add("radiusserver", v.Text(V::RadiusServer));
    wpa.Add("radiussecret", v.Text(V::RadiusSecret));
    wpa.Add("radiusport", v.Text(V::RadiusPort));
    wpa.Add("grp_rekey_interval", v.Text(V::GroupKey));
    wpa.Add("wpapsk", v.Text(V::PassPhrase));

    inf.Add("defkey", v.Text(V::KeyIndex));
    for (int i = 1; i <= 4; ++i) {
        const std::string n = std::to_string(i);
        const std::string key = v.Text(V::WepKey + n);
        const int64_t method = v.Number(V::KeyMethod + n);
        XmlNode& wep = inf.Add("wepkey", key);
        wep.Attributes["id"] = n;
        wep.Add("keyformat", std::to_string(method));
        wep.Add("keylength", KeyLength(key, method));
    }

    XmlNode& acl = inf.Add("acl");
    acl.Add("mode", std::to_string(ToBackup(kFilterCodes, v.Number(V::MacControl), 0)));
    int id = 0;
    for (DeviceState::Cell* cell : MacList(v.State()))
        if (cell->Value.Bytes != kZeroMac && cell->Value.Bytes.size() == 6)
            acl.Add("mac", MacWithColons(cell->Value.Bytes)).Attributes["id"] = std::to_string(++id);
}

int NumberAt(const XmlNode* node, int fallback) {
    if (!node || node->Text.empty())
        return fallback;
    try {
        return std::stoi(node->Text);
    } catch (...) {
        return fallback;
    }
}

// Sets the variable when the element is there.
void Put(Values& v, const char* place, const XmlNode* node) {
    if (node)
        v.Set(place, node->Text);
}

void RestoreSys(Values& v, const XmlNode& root) {
    Put(v, "1.3.6.1.2.1.1.5.0", root.Find({"sys", "name"}));
    Put(v, "1.3.6.1.2.1.1.6.0", root.Find({"sys", "location"}));
    Put(v, V::UserName, root.Find({"sys", "user", "name"}));
    Put(v, V::Password, root.Find({"sys", "user", "password"}));
    if (const XmlNode* protocol = root.Find({"sys", "consoleprotocol", "protocol"})) {
        int p = NumberAt(protocol, 0);
        v.Set(V::Telnet, p == 1 ? 1 : 0);
        v.Set(V::Ssh, p == 2 ? 1 : 0);
    }
    if (const XmlNode* timeout = root.Find({"sys", "consoleprotocol", "timeout"}))
        v.Set(V::Timeout, ToDevice(kTimeoutCodes, NumberAt(timeout, 0), 0));
}

void RestoreWan(Values& v, const XmlNode& root) {
    Put(v, V::GetIpFrom, root.Find({"wan", "rg", "inf", "mode"}));
    Put(v, V::IpAddress, root.Find({"wan", "rg", "inf", "static", "ipaddr"}));
    Put(v, V::Mask, root.Find({"wan", "rg", "inf", "static", "netmask"}));
    Put(v, V::Gateway, root.Find({"wan", "rg", "inf", "static", "gateway"}));
}

void RestoreWlan(Values& v, const XmlNode& root) {
    const XmlNode* inf = root.Find({"wlan", "inf"});
    if (!inf)
        return;
    if (const XmlNode* band = inf->Child("band"))
        v.Set(V::Band, band->Text);
    else if (const XmlNode* mode = inf->Child("wlmode"))
        v.Set(V::Band, mode->Text == "7" || mode->Text == "8" ? 1 : 0);
    RadioRules::FollowBand(v.State());
    const bool band5 = v.Number(V::Band) == 1;
    if (const XmlNode* mode = inf->Child("phymode"); mode && RadioRules::Is5GHzMode(NumberAt(mode, 0)) == band5)
        v.Set(RadioRules::kModePlace, mode->Text);
    Put(v, V::ApMode, inf->Child("apmode"));
    Put(v, V::Radio, inf->Child("enable"));
    Put(v, V::Ssid, inf->Child("ssid"));
    if (const XmlNode* hidden = inf->Child("ssidhidden"))
        v.Set(V::SsidBroadcast, hidden->Text == "1" ? 0 : 1);
    Put(v, V::Beacon, inf->Child("beaconinterval"));
    if (const XmlNode* rate = inf->Child("fixedrate")) {
        const auto& rates = band5 ? kRates5 : kRates24;
        int code = NumberAt(rate, kAutoRate);
        v.Set(V::DataRate, code >= 0 && code < static_cast<int>(rates.size()) ? rates[static_cast<size_t>(code)] : std::string("Best"));
    }
    Put(v, V::Dtim, inf->Child("dtim"));
    Put(v, V::Frag, inf->Child("fragthreshold"));
    Put(v, V::Rts, inf->Child("rtsthreshold"));
    if (const XmlNode* width = inf->Child("cwmmode"))
        v.Set(V::Width, ToDevice(kWidthCodes, NumberAt(width, 0), 1));
    if (const XmlNode* autoChannel = inf->Child("autochannel"))
        v.Set(V::AutoChannel, autoChannel->Text == "1" ? 1 : 0);
    Put(v, V::Channel, inf->Child("channel"));

    if (const XmlNode* auth = inf->Child("authentication"))
        v.Set(V::Auth, ToDevice(kAuthCodes, NumberAt(auth, 0), 1));
    if (const XmlNode* wepmode = inf->Find({"wpa", "wepmode"})) {
        int code = NumberAt(wepmode, 0);
        if (IsWpa(v.Number(V::Auth))) {
            v.Set(V::Cipher, ToDevice(kCipherCodes, code, 1));
            v.Set(V::Encryption, 0);
        } else {
            v.Set(V::Encryption, code == 1 ? 1 : 0);
        }
    }
    Put(v, V::RadiusServer, inf->Find({"wpa", "radiusserver"}));
    Put(v, V::RadiusSecret, inf->Find({"wpa", "radiussecret"}));
    Put(v, V::RadiusPort, inf->Find({"wpa", "radiusport"}));
    Put(v, V::GroupKey, inf->Find({"wpa", "grp_rekey_interval"}));
    Put(v, V::PassPhrase, inf->Find({"wpa", "wpapsk"}));
    Put(v, V::KeyIndex, inf->Child("defkey"));
    for (int i = 1; i <= 4; ++i) {
        const std::string n = std::to_string(i);
        if (const XmlNode* wep = inf->Child("wepkey", n)) {
            v.Set(V::WepKey + n, wep->Text);
            Put(v, (V::KeyMethod + n).c_str(), wep->Child("keyformat"));
        }
    }
    if (const XmlNode* acl = inf->Child("acl")) {
        if (const XmlNode* mode = acl->Child("mode"))
            v.Set(V::MacControl, ToDevice(kFilterCodes, NumberAt(mode, 0), 3));
        // The list becomes the backup's addresses, in order, without repeats.
        auto cells = MacList(v.State());
        size_t used = 0;
        for (const auto& child : acl->Children) {
            SimValue mac;
            if (child->Name != "mac" || !SimValue::FromText(cells.empty() ? 0x49 : cells.front()->Value.Syntax, child->Text, mac) ||
                mac.Bytes == kZeroMac || used >= cells.size())
                continue;
            bool repeated = std::any_of(cells.begin(), cells.begin() + static_cast<std::ptrdiff_t>(used),
                                        [&](DeviceState::Cell* c) { return c->Value.Bytes == mac.Bytes; });
            if (!repeated)
                cells[used++]->Value.Bytes = mac.Bytes;
        }
        for (; used < cells.size(); ++used)
            cells[used]->Value.Bytes = kZeroMac;
    }
}
}  // namespace

std::string ConfigXml::Build(DeviceState& state) {
    Values v(state);
    XmlNode root;
    root.Name = "config";
    root.Attributes["model"] = "NXA-7310";
    root.Attributes["firmware"] = state.Identity().Firmware;
    BuildWan(v, root);
    BuildSys(v, root);
    BuildWlan(v, root);
    return root.ToXml();
}

bool ConfigXml::Restore(DeviceState& state, const std::string& xml, std::string& error) {
    std::unique_ptr<XmlNode> root = XmlNode::Parse(xml, error);
    if (!root)
        return false;
    if (!root->Child("wan") && !root->Child("sys") && !root->Child("wlan")) {
        error = "not a device configuration";
        return false;
    }
    Values v(state);
    RestoreWan(v, *root);
    RestoreSys(v, *root);
    RestoreWlan(v, *root);
    return true;
}
