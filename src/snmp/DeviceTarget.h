#pragma once
#include <QString>
#include <cstdint>

// Where and how a request reaches its device. Numbers follow the classic SNMP
// class library: versions 0 (v1), 1 (v2c), 3 (v3); security level 1 no
// authentication, 2 authentication, 3 authentication and privacy;
// authentication protocol 1 none, 2 HMAC-MD5, 3 HMAC-SHA; privacy protocol
// 1 none, 2 DES, 19 AES-128 (20 and 21: AES-192 and AES-256).
struct DeviceTarget {
    enum Versions { Version1 = 0, Version2c = 1, Version3 = 3 };
    enum AuthProtocols { AuthNone = 1, AuthMd5 = 2, AuthSha = 3 };
    enum PrivProtocols { PrivNone = 1, PrivDes = 2, PrivAes128 = 19, PrivAes192 = 20, PrivAes256 = 21 };
    enum SecurityLevels { NoAuthNoPriv = 1, AuthNoPriv = 2, AuthPriv = 3 };

    int32_t Timeout = 100;   // hundredths of a second
    int32_t Retries = 1;
    QString Address = QStringLiteral("127.0.0.1");
    QString AddressSpare;
    uint16_t Port = 161;
    QString ContextEngineId;
    QString ContextName;
    int32_t Version = Version1;
    QString ReadCommunity = QStringLiteral("public");
    QString WriteCommunity = QStringLiteral("private");
    int32_t SecurityModel = 1;
    int32_t SecurityLevel = NoAuthNoPriv;
    QString SecurityName;
    QString AuthPassword;
    QString PrivPassword;
    int32_t AuthProtocol = AuthNone;
    int32_t PrivProtocol = PrivNone;
};
