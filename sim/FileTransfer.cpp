#include "FileTransfer.h"
#include "DeviceState.h"

namespace {
std::string TextOf(DeviceState& state, const char* name) {
    DeviceState::Cell* cell = state.Named(name);
    return cell ? cell->Value.ToText() : std::string();
}
}  // namespace

std::string FileTransfer::FtpRequested(DeviceState& state, int command) {
    static const char* kCommands[] = {"", "connect", "get", "put", "nothing"};
    std::string what = command >= 1 && command <= 4 ? kCommands[command] : "unknown";
    return "ftp " + what + " server=" + TextOf(state, "ftpServerIPAddress") + " user=" + TextOf(state, "ftpUserName") +
           " file=" + TextOf(state, "ftpRemoteFileName") + " setting=" + TextOf(state, "ftpUpgradeSettingCommand") +
           " (file transfer not simulated yet)";
}

std::string FileTransfer::TftpLogRequested(DeviceState& state) {
    return "tftp log to " + TextOf(state, "systemLogTFTPServerIPAddress") + " file=" + TextOf(state, "systemLogFileName") +
           " (file transfer not simulated yet)";
}
