#pragma once
#include <QByteArray>
#include <cstdint>

// The per-user settings that the host writes and the module reads: the
// group "AdvanceSystem" of QSettings("Zorvane", "Aerodesk").
namespace SettingsStore {

// The values of the group as read, each text cut to 255 bytes (a 256-byte
// buffer with its NUL); a missing value reads as 0 or empty.
struct AdvanceSystem {
    int32_t FtpMethod = 0;
    int32_t FtpPort = 0;
    QByteArray FtpUserName;
    QByteArray FtpPassword;   // as stored (scrambled)
    QByteArray RemoteFtpIpAddress;
};

inline constexpr int TextLimit = 255;

// Reads the group into `values`; false (values unchanged) when the group
// does not exist or the store cannot be read.
bool ReadAdvanceSystem(AdvanceSystem& values);
// Writes the group (the host's side); the password is stored as given.
bool WriteAdvanceSystem(const AdvanceSystem& values);
// How many times ReadAdvanceSystem ran in this process.
int ReadCount();

}  // namespace SettingsStore
