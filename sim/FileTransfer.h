#pragma once
#include <string>

class DeviceState;

// The device's FTP and TFTP client: the transfer variables (ftpCommand with
// ftpUpgradeSettingCommand, systemLogGetLog) end up here. Transfers are not
// made yet; each request is recorded so that the log and tests can see it.
class FileTransfer {
public:
    // ftpCommand was set: 1 connect, 2 get, 3 put.
    static std::string FtpRequested(DeviceState& state, int command);
    // systemLogGetLog was set: the log goes to the TFTP server.
    static std::string TftpLogRequested(DeviceState& state);
};
