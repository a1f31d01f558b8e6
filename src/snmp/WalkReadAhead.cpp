#include "WalkReadAhead.h"
#include "SnmpValueText.h"

namespace WalkReadAhead {
namespace {

bool IsEndMarker(uint8_t type) {
    return type == WireType::EndOfMibView || type == WireType::NoSuchObject || type == WireType::NoSuchInstance;
}

void Append(std::string& key, const QString& text) {
    key += text.toStdString();
    key += '\x1f';
}

void Append(std::string& key, int64_t number) {
    key += std::to_string(number);
    key += '\x1f';
}

}  // namespace

std::shared_ptr<SnmpExchange> FollowUp(const SnmpExchange& answered, const Columns& columns) {
    const size_t n = answered.Request.size();
    if (answered.Command != SnmpExchange::GetNext || answered.Status != 0 || n == 0 || columns.size() != n ||
        answered.Response.size() < n)
        return nullptr;
    bool goesOn = false;
    for (size_t k = 0; k < n && !goesOn; ++k) {
        const WireVarbind& got = answered.Response[k];
        goesOn = !IsEndMarker(got.Type) && answered.Request[k].Oid < got.Oid &&
                 SnmpValueText::IsInside(columns[k], got.Oid);
    }
    if (!goesOn)
        return nullptr;
    auto next = std::make_shared<SnmpExchange>();
    next->Target = answered.Target;
    next->ResolvedAddress = answered.ResolvedAddress;
    next->Command = SnmpExchange::GetNext;
    next->Request.resize(n);
    for (size_t k = 0; k < n; ++k)
        next->Request[k].Oid = answered.Response[k].Oid;
    return next;
}

std::string Key(const SnmpExchange& ex, const Columns& columns) {
    const DeviceTarget& t = ex.Target;
    std::string key = Agent(ex);
    key += '\x1e';
    for (int64_t number : {int64_t{t.Version}, int64_t{t.Timeout}, int64_t{t.Retries}, int64_t{t.SecurityModel},
                           int64_t{t.SecurityLevel}, int64_t{t.AuthProtocol}, int64_t{t.PrivProtocol}})
        Append(key, number);
    for (const QString* text : {&t.ReadCommunity, &t.WriteCommunity, &t.ContextEngineId, &t.ContextName,
                                &t.SecurityName, &t.AuthPassword, &t.PrivPassword})
        Append(key, *text);
    key += '\x1e';
    Append(key, ex.Command);
    for (const WireVarbind& vb : ex.Request) {
        for (uint32_t sub : vb.Oid) {
            key += std::to_string(sub);
            key += '.';
        }
        Append(key, vb.Type);
    }
    key += '\x1e';
    for (const std::vector<uint32_t>& column : columns) {
        for (uint32_t sub : column) {
            key += std::to_string(sub);
            key += '.';
        }
        key += '\x1f';
    }
    return key;
}

std::string Agent(const SnmpExchange& ex) {
    return ex.ResolvedAddress.toStdString() + ":" + std::to_string(ex.Target.Port);
}

}  // namespace WalkReadAhead
