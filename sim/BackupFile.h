#pragma once
#include <string>

class DeviceState;

// The device's configuration backup (DeviceConfigFile): a short text header
// that ends with the character "0", directly followed by a gzip stream of the
// configuration XML (ConfigXml).
class BackupFile {
public:
    static std::string Pack(const std::string& xml, const std::string& firmware);
    // The XML of a backup; false (with a reason) when there is no header end
    // within the first 32 bytes, the gzip stream is broken or too large.
    static bool Unpack(const std::string& data, std::string& xml, std::string& error);

    static std::string Make(DeviceState& state);
    static bool Write(DeviceState& state, const std::string& path, std::string& error);
    // Sets the device's configuration from a backup's content or file.
    static bool RestoreFrom(DeviceState& state, const std::string& data, std::string& error);
    static bool Restore(DeviceState& state, const std::string& path, std::string& error);

    static constexpr size_t kMaxXmlBytes = 8 * 1024 * 1024;
};
