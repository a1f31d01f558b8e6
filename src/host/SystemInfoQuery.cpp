#include "SystemInfoQuery.h"
#include "HostText.h"
#include "ModuleApp.h"
#include "ModuleSettings.h"
#include "mib/QueryTables.h"
#include "snmp/CZRException.h"
#include "snmp/SnmpRequest.h"
#include <arpa/inet.h>
#include <algorithm>
#include <cstring>

namespace {

void CopyCharacters(char* buffer, const QString& text) {
    if (!buffer)
        return;
    const QByteArray bytes = text.toUtf8();
    const size_t n = std::min<size_t>(static_cast<size_t>(bytes.size()), SystemInfoQuery::kTextLimit);
    std::memcpy(buffer, bytes.constData(), n);   // the characters only, as the host expects
}

}  // namespace

void SystemInfoQuery::Run(const char* address, char* firmwareVersion, char* macAddress, uint32_t* subnetMask) {
    ModuleApp::Instance().EnsureStarted();
    SnmpRequest request;
    request.Timeout = 100;
    request.Retries = 1;
    request.Address = HostText::FromHost(address);
    ModuleSettings::Instance().ApplyTo(request);
    request.Variables = MibVariableList::FromCatalogue(kSystemInfoVars, MibVariableList::MVT_SV);
    try {
        request.Read(true);
    } catch (const CZRException&) {
        return;
    }
    CopyCharacters(firmwareVersion, HostText::Display(request.Variables, "Firmware Version"));
    CopyCharacters(macAddress, HostText::Display(request.Variables, "MAC Address"));
    if (subnetMask) {
        const QByteArray mask = HostText::Display(request.Variables, "Subnet Mask").toLatin1();
        *subnetMask = inet_addr(mask.constData());
    }
}
