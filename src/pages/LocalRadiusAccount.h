#pragma once
#include <QString>

// One account of the access point's own RADIUS server as the page keeps it.
// The device never gives a password back: a listed account shows
// kStoredPassword in its place.
class CLocalRadiusAccount {
public:
    static constexpr const char* kStoredPassword = "********";

    QString UserName;
    QString Password;
    int Status = 1;   // 0 "Disable", 1 "Enable"

    QString StatusText() const { return Status == 0 ? QStringLiteral("Disable") : QStringLiteral("Enable"); }
};
