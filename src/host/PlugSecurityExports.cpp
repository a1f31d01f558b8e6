// The SNMP version and v3 user of one device (PlugSetSnmpSecurity).
#include "AP_PlugIn.h"
#include "snmp/AddressResolver.h"
#include "snmp/DeviceSecurity.h"
#include <arpa/inet.h>
#include <cstring>

namespace {

// net-snmp derives no key from a shorter pass phrase.
constexpr size_t kShortestPassphrase = 8;

bool PassphraseOk(const char* text) { return text && std::strlen(text) >= kShortestPassphrase; }

int32_t ReadUser(const SnmpSecurity& in, DeviceSecurity::User& user) {
    switch (in.Version) {
    case NXA_SNMP_VERSION_1: user.Version = DeviceTarget::Version1; return 0;
    case NXA_SNMP_VERSION_2C: user.Version = DeviceTarget::Version2c; return 0;
    case NXA_SNMP_VERSION_3: user.Version = DeviceTarget::Version3; break;
    default: return -3;
    }
    if (!in.UserName || !*in.UserName)
        return -4;
    user.Name = QString::fromUtf8(in.UserName);
    switch (in.AuthProtocol) {
    case NXA_SNMP_AUTH_NONE: user.AuthProtocol = DeviceTarget::AuthNone; break;
    case NXA_SNMP_AUTH_MD5: user.AuthProtocol = DeviceTarget::AuthMd5; break;
    case NXA_SNMP_AUTH_SHA: user.AuthProtocol = DeviceTarget::AuthSha; break;
    default: return -5;
    }
    switch (in.PrivProtocol) {
    case NXA_SNMP_PRIV_NONE: user.PrivProtocol = DeviceTarget::PrivNone; break;
    case NXA_SNMP_PRIV_DES: user.PrivProtocol = DeviceTarget::PrivDes; break;
    case NXA_SNMP_PRIV_AES: user.PrivProtocol = DeviceTarget::PrivAes128; break;
    default: return -6;
    }
    const bool auth = user.AuthProtocol != DeviceTarget::AuthNone;
    const bool priv = user.PrivProtocol != DeviceTarget::PrivNone;
    if (priv && !auth)
        return -6;
    if ((auth && !PassphraseOk(in.AuthPassphrase)) || (priv && !PassphraseOk(in.PrivPassphrase)))
        return -7;
    user.SecurityLevel = priv ? DeviceTarget::AuthPriv : auth ? DeviceTarget::AuthNoPriv : DeviceTarget::NoAuthNoPriv;
    if (auth)
        user.AuthPassword = QString::fromUtf8(in.AuthPassphrase);
    if (priv)
        user.PrivPassword = QString::fromUtf8(in.PrivPassphrase);
    return 0;
}

}  // namespace

NXA_PLUG_API int32_t PlugSetSnmpSecurity(const SnmpSecurity* security) {
    if (!security || security->Size < NXA_SNMP_SECURITY_SIZE_1)
        return -1;
    // Only the first form's fields are known; a larger record's tail is left alone.
    SnmpSecurity in{};
    std::memcpy(&in, security, NXA_SNMP_SECURITY_SIZE_1);
    if (in.Address == 0)
        return -2;
    try {
        DeviceSecurity::User user;
        if (const int32_t refused = ReadUser(in, user))
            return refused;
        in_addr address{};
        address.s_addr = in.Address;
        char text[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &address, text, sizeof text);
        DeviceSecurity::Set(AddressResolver::Resolve(QString::fromLatin1(text)), user);
    } catch (...) {
        return -2;
    }
    return 0;
}
