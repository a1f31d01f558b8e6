#include "TableGenerators.h"
#include "snmp/SnmpSyntax.h"
#include <ctime>

namespace TableGenerators {
namespace {
const std::vector<Shape> kShapes = {
    {"clients", "2.1.3.3.4.2.1", true, 0, false, false},
    {"wdsLinks", "2.1.3.3.5.2.1", true, 2, false, false},
    {"siteSurvey", "2.1.3.3.1.3.2.1", true, 6, false, false},
    {"wdsSiteSurvey", "2.1.3.3.1.4.2.1", true, 4, false, false},
    {"macCloneList", "2.1.3.3.6.2.1", true, 3, false, false},
    {"dhcpDynamicLeases", "3.1.4.2.1", true, 3, false, false},
    {"dhcpStaticLeases", "3.1.4.4.1", true, 1, false, false},
    {"rogueSurvey", "3.4.4.4.1", true, 5, false, false},
    {"portList", "3.6.3.2.1", true, 18, false, false},
    {"apArrayScan", "3.11.1.2.1.3.1.1", true, 2, false, false},
    {"apArrayMembers", "3.11.2.1.1", true, 3, false, false},
    {"macAccessList", "2.1.3.3.2.3.3.1", false, 256, true, true},
    {"remoteApList", "2.1.3.3.1.2.1.1", false, 8, true, true},
    {"ipAccessList", "2.1.3.3.2.3.5.1", false, 16, false, false},
    {"dhcpStaticPool", "3.1.3.2.1", false, 8, false, false},
    {"mssid", "3.3.3.1", false, 8, false, false},   // row 1: the primary SSID, rows 2 to 8: Multi-SSID 1 to 7
    {"mssidRadius", "3.3.4.1", false, 8, false, false},
    {"mssidAccounting", "3.3.5.1", false, 8, false, false},
    {"rogueRecords", "3.4.5.2.1", false, 16, false, true},
    {"groupVlans", "3.6.1.3.1", false, 8, false, false},
    {"qosRules", "3.7.2.5.1", false, 8, false, false},
    {"trafficRules", "3.9.3.3.1.1", false, 8, false, true},
    {"scheduleList", "3.10.2.1.1", false, 8, false, true},
    {"localRadiusUsers", "3.12.2.1.1", false, 16, false, true},
    {"managerIpPool", "4.10.1.3.1", false, 4, false, false},
    {"scheduling", "4.11.1.1", false, 4, false, false},
};

uint32_t Mix(uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

bool Has(const std::string& name, const char* part) {
    return name.find(part) != std::string::npos;
}

std::string GeneratedMac(uint32_t r) {
    // Locally administered addresses of neighbours and stations.
    return std::string{'\x02', static_cast<char>(0x10 + (r & 0x0F)), static_cast<char>((r >> 4) & 0xFF),
                       static_cast<char>((r >> 12) & 0xFF), static_cast<char>((r >> 20) & 0xFF),
                       static_cast<char>(((r >> 28) & 0x0F) | 0x10)};
}

std::string Ip(int a, int b, int c, int d) {
    return std::string{static_cast<char>(a), static_cast<char>(b), static_cast<char>(c), static_cast<char>(d)};
}

SimValue FirstKey(const VarDef& column) {
    return SimValue::Integer(column.Syntax, column.AllowedKeys.empty() ? 0 : column.AllowedKeys.front());
}

SimValue Plain(const VarDef& column) {
    return SimValue::Make(column.Syntax, "");
}

const char* kPortNames[] = {"Mgmt", "LAN", "Primary", "M-SSID1", "M-SSID2", "M-SSID3", "M-SSID4", "M-SSID5",
                            "M-SSID6", "M-SSID7", "WDS1", "WDS2", "WDS3", "WDS4", "WDS5", "WDS6", "WDS7", "WDS8"};

SimValue GeneratedCell(const Shape& shape, const VarDef& column, int n, const DeviceIdentity& id, uint32_t seed) {
    const std::string& name = column.Name;
    const std::string table = shape.Name;
    // The access points around the device are the same at every detection.
    const uint32_t rowSeed = table == "rogueSurvey" ? 0U : seed;
    uint32_t r = Mix(rowSeed * 7919U + static_cast<uint32_t>(n) * 104729U + static_cast<uint32_t>(id.Index) * 31U);
    int32_t syntax = column.Syntax;
    // The first member of the device's array is the device itself.
    if (table == "apArrayMembers" && n == 1 && syntax == SnmpSyntax::MacAddress)
        return SimValue::Octets(syntax, id.MacBytes);
    if (table == "apArrayMembers" && n == 1 && syntax == SnmpSyntax::IpAddress) {
        SimValue own;
        if (SimValue::FromText(syntax, id.Address, own))
            return own;
    }
    if (Has(name, "Index") || name == "Index" || name == "ID")
        return syntax == SnmpSyntax::DisplayString ? SimValue::Octets(syntax, n == 1 ? "Primary SSID" : "multi-ssid" + std::to_string(n - 1))
                                                   : SimValue::Integer(syntax, n);
    if (syntax == SnmpSyntax::MacAddress)
        return SimValue::Octets(syntax, GeneratedMac(r));
    if (syntax == SnmpSyntax::IpAddress) {
        if (table == "apArrayScan" || table == "apArrayMembers")
            return SimValue::Octets(syntax, Ip(127, 0, 1, 100 + n));
        return SimValue::Octets(syntax, Ip(192, 168, 0, 100 + n));
    }
    if (syntax == SnmpSyntax::TimeTicks)
        return SimValue::Integer(syntax, 8640000 - static_cast<int64_t>(r % 864000));
    if (syntax == SnmpSyntax::DisplayString) {
        if (table == "portList") {
            if (Has(name, "Name"))
                return SimValue::Octets(syntax, kPortNames[(n - 1) % 18]);
            if (Has(name, "Untag"))
                return SimValue::Octets(syntax, "1");
            return SimValue::Octets(syntax, "");
        }
        if (Has(name, "Ssid") || Has(name, "SSID"))
            return SimValue::Octets(syntax, (table == "clients" || table == "wdsLinks") ? "Primary SSID" : "Neighbour-" + std::to_string(n));
        if (Has(name, "Encryption"))
            return SimValue::Octets(syntax, (r & 1) ? "WPA2-PSK" : "None");
        if (Has(name, "BssType") || name == "Type")
            return SimValue::Octets(syntax, "AP BSS");
        if (Has(name, "Lastseem")) {
            char text[32];
            std::time_t now = std::time(nullptr);
            std::strftime(text, sizeof text, "%Y/%m/%d %H:%M:%S", std::gmtime(&now));
            return SimValue::Octets(syntax, text);
        }
        if (Has(name, "Host Name"))
            return SimValue::Octets(syntax, "station-" + std::to_string(n));
        if (Has(name, "Status"))
            return SimValue::Octets(syntax, "Connected");
        if (Has(name, "Loacation") || Has(name, "Location"))
            return SimValue::Octets(syntax, "Floor " + std::to_string(n));
        if (Has(name, "Name"))
            return SimValue::Octets(syntax, "NXA-ARRAY-" + std::to_string(n));
        return SimValue::Octets(syntax, "");
    }
    if (Syntaxes::IsNumber(syntax)) {
        if (Has(name, "Rssi"))
            return SimValue::Integer(syntax, 20 + static_cast<int64_t>(r % 60));
        if (Has(name, "Channel") || name == "CH")
            return SimValue::Integer(syntax, 1 + static_cast<int64_t>((r >> 3) % 11));
        if (Has(name, "Band"))
            return SimValue::Integer(syntax, 2);
        if (Has(name, "Authentication"))
            return SimValue::Integer(syntax, (r & 2) ? 6 : 1);
        if (Has(name, "Psm"))
            return SimValue::Integer(syntax, (r >> 5) & 1);
        if (Has(name, "SurveyType"))
            return SimValue::Integer(syntax, 1 + static_cast<int64_t>((r >> 7) % 4));
        if (Has(name, "SurveyStatus"))
            return SimValue::Integer(syntax, 2);
        if (name == "Security")
            return SimValue::Integer(syntax, static_cast<int64_t>((r >> 9) % 8));
        if (name == "Mode" || Has(name, "SurveyMode") || Has(name, "WirelessMode"))
            return column.AllowedKeys.empty() ? SimValue::Integer(syntax, 3)
                                              : SimValue::Integer(syntax, column.AllowedKeys[(r >> 11) % column.AllowedKeys.size()]);
        if (Has(name, "Role"))
            return SimValue::Integer(syntax, n == 1 ? 1 : (n == 2 ? 2 : 3));
        if (Has(name, "Number") || Has(name, "Total"))
            return SimValue::Integer(syntax, 1);
        if (Has(name, "SupportWds"))
            return SimValue::Integer(syntax, r & 1);
        return FirstKey(column);
    }
    return Plain(column);
}

SimValue SlotCell(const VarDef& column, int n) {
    const std::string& name = column.Name;
    if ((Has(name, "Index") || name == "Index" || name == "ID") && Syntaxes::IsNumber(column.Syntax))
        return SimValue::Integer(column.Syntax, n);
    if (!column.Default.empty() && column.Default.find('{') == std::string::npos) {
        SimValue value;
        if (SimValue::FromText(column.Syntax, column.Default, value))
            return value;
    }
    if (Syntaxes::IsNumber(column.Syntax) && !column.AllowedKeys.empty())
        return FirstKey(column);
    return Plain(column);
}
}  // namespace

const std::vector<Shape>& Shapes() {
    return kShapes;
}

const Shape* GeneratedNamed(const std::string& name) {
    static const std::pair<const char*, const char*> kShortNames[] = {
        {"survey", "siteSurvey"}, {"wdsSurvey", "wdsSiteSurvey"}, {"wds", "wdsLinks"},
        {"leases", "dhcpDynamicLeases"}, {"staticLeases", "dhcpStaticLeases"}, {"rogue", "rogueSurvey"},
        {"arrayScan", "apArrayScan"}, {"members", "apArrayMembers"}, {"clone", "macCloneList"}, {"ports", "portList"},
    };
    std::string full = name;
    for (const auto& [shortName, tableName] : kShortNames)
        if (name == shortName)
            full = tableName;
    for (const Shape& shape : kShapes)
        if (shape.Generated && full == shape.Name)
            return &shape;
    return nullptr;
}

OidPath RowIndex(const Shape& shape, int rowNumber) {
    if (shape.PrefixOne)
        return {1, static_cast<uint32_t>(rowNumber)};
    return {static_cast<uint32_t>(rowNumber)};
}

SimValue Cell(const Shape& shape, const VarDef& column, int rowNumber, const DeviceIdentity& id, uint32_t seed) {
    if (shape.Generated)
        return GeneratedCell(shape, column, rowNumber, id, seed);
    SimValue value = SlotCell(column, rowNumber);
    if (std::string(shape.Name) == "mssid" && column.HasName("dot11MssidSsid"))
        value.Bytes = "nxa7310-" + std::to_string(rowNumber - 1);
    if (std::string(shape.Name) == "mssid" && column.HasName("dot11MssIndividualState") && rowNumber == 1)
        value.Number = 1;   // the primary SSID is always on
    return value;
}

const std::vector<std::pair<const char*, const char*>>& PrimaryRowTwins() {
    // Row 1 of the Multi-SSID tables is the primary SSID: these cells are the
    // primary SSID's own variables under a second OID (relative to the root).
    static const std::vector<std::pair<const char*, const char*>> twins = {
        {"3.3.3.1.3.1", "2.1.3.3.1.1.1.1.1"},     // SSID: dot11Ssid
        {"3.3.3.1.5.1", "2.1.3.3.2.1.1.1.1"},     // authentication
        {"3.3.3.1.6.1", "2.1.3.3.2.1.1.2.1"},     // encryption
        {"3.3.3.1.7.1", "2.1.3.3.2.1.1.3.1"},     // WEP key index
        {"3.3.3.1.10.1", "2.1.3.3.2.1.1.5.1"},    // cipher
        {"3.3.3.1.11.1", "2.1.3.3.2.1.1.4.1"},    // passphrase
        {"3.3.3.1.12.1", "2.1.3.3.2.2.1.2.1"},    // key type
        {"3.3.3.1.15.1", "2.1.3.3.2.1.1.6.1"},    // group key update interval
        {"3.3.4.1.2.1", "2.1.3.3.2.1.1.8.1"},     // RADIUS server, port, secret
        {"3.3.4.1.3.1", "2.1.3.3.2.1.1.9.1"},
        {"3.3.4.1.4.1", "2.1.3.3.2.1.1.10.1"},
        {"3.3.4.1.5.1", "2.1.3.3.2.1.1.23.1"},    // RADIUS source
        {"3.3.5.1.2.1", "2.1.3.3.2.1.1.14.1"},    // accounting state, server, port, secret
        {"3.3.5.1.3.1", "2.1.3.3.2.1.1.15.1"},
        {"3.3.5.1.4.1", "2.1.3.3.2.1.1.16.1"},
        {"3.3.5.1.5.1", "2.1.3.3.2.1.1.17.1"},
    };
    return twins;
}
}  // namespace TableGenerators
