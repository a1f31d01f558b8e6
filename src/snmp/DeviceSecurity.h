#pragma once
#include "DeviceTarget.h"
#include <QByteArray>
#include <QString>

// The SNMP version and v3 user that a host gave for one device address. Every
// request to that address takes them, whatever it was set up with: host
// queries, templates, commands, the upgrade and the management window alike.
// An address without an entry keeps the request's own settings (SNMPv1 with
// the host's communities). Thread-safe; the pass phrases are kept in memory
// only and never written anywhere.
namespace DeviceSecurity {

struct User {
    int32_t Version = DeviceTarget::Version1;
    QString Name;
    int32_t SecurityLevel = DeviceTarget::NoAuthNoPriv;
    int32_t AuthProtocol = DeviceTarget::AuthNone;
    int32_t PrivProtocol = DeviceTarget::PrivNone;
    QString AuthPassword;
    QString PrivPassword;
};

// `transportAddress` is AddressResolver's form of the address ("udp:10.0.0.5").
// A version 1 entry is no entry: the address goes back to the request's own settings.
void Set(const QByteArray& transportAddress, const User& user);
void Remove(const QByteArray& transportAddress);
void Clear();
// True when the address has an entry, copied to `user`.
bool Find(const QByteArray& transportAddress, User& user);
// Puts the address's version and user into `target` when it has an entry.
void ApplyTo(const QByteArray& transportAddress, DeviceTarget& target);

}  // namespace DeviceSecurity
