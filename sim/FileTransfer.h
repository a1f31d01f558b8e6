#pragma once
#include <atomic>
#include <functional>
#include <future>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class Device;

// The device's FTP and TFTP client. "Get" downloads the remote file from the
// FTP server named by the FTP variables, "Put" uploads the device's
// configuration backup under the remote file name; the upgrade command then
// acts on what was downloaded (firmware, configuration, certificate, key);
// the log request sends the device's log by TFTP. Each transfer runs on a
// worker thread of its own, after the device's earlier transfers, so the
// device keeps answering meanwhile; what a transfer changes on the device is
// carried out on the agent's thread by Collect(). Only loopback servers are
// contacted.
class FileTransfer {
public:
    struct Settings {
        int FtpPort = 21;
        int TftpPort = 69;
        int TimeoutMs = 30000;                       // a whole transfer
        size_t MaxDownloadBytes = 64 * 1024 * 1024;
    };

    explicit FileTransfer(Settings settings);
    ~FileTransfer();   // ends the running transfers and waits for them
    FileTransfer(const FileTransfer&) = delete;
    FileTransfer& operator=(const FileTransfer&) = delete;

    // What a finished transfer did: a line for the log and whether it worked.
    struct Outcome {
        std::string Line;
        bool Ok = true;
    };
    // What a command started: a line for the log and the queued job (0: none).
    struct Started {
        std::string Line;
        int Job = 0;
    };
    struct Finished {
        Device* Target;
        int Job;
        Outcome Result;
    };

    // ftpCommand was set: 1 connect, 2 get, 3 put.
    Started FtpCommand(Device& device, int command);
    // ftpUpgradeSettingCommand was set (1 firmwareUpdate, 3 configSave,
    // 4 reboot, 5 factoryReset, 7 certificateFileUpdate, 8 keyFileUpdate;
    // 2 and 6 do nothing). An update without a downloaded file fails, and so
    // does a configuration file that is no backup.
    Started UpgradeCommand(Device& device, int command);
    // systemLogGetLog was set to 1.
    Started SendLog(Device& device);

    // On the agent's thread: applies finished transfers; returns what each
    // did. restartMs: how long a device stays silent after a firmware update
    // or a restart or reset by the upgrade command.
    std::vector<Finished> Collect(int restartMs);
    // Transfers queued or running.
    int Pending() const;
    // Called on the worker's thread each time a transfer has finished (so the
    // agent's thread can collect it at once); empty: none.
    void SetFinishedNotice(std::function<void()> notice);

    // The version a firmware file installs: a line "version=X" in it, else
    // the current version with its minor number raised by one.
    static std::string FirmwareVersionOf(const std::string& file, const std::string& current);
    static bool IsLoopback(const std::string& address);

private:
    struct Target {
        std::string Address, User, Password, Path;
    };
    using Effect = std::function<Outcome(Device&, int restartMs)>;

    // Runs work on a worker thread after the device's earlier transfers; its
    // effect is applied by Collect(). Returns the job's number.
    int Queue(Device& device, std::function<Effect()> work);
    void Finish(Device& device, int job, Effect effect);
    static Target TargetOf(Device& device);

    Settings settings_;
    mutable std::mutex mutex_;
    std::map<Device*, std::shared_future<void>> last_;   // each device's latest transfer
    std::map<Device*, std::string> downloaded_;          // the file of the latest "Get"
    struct Done {
        Device* Target;
        int Job;
        Effect Apply;
    };
    std::vector<Done> done_;
    std::function<void()> notice_;   // guarded by mutex_
    int lastJob_ = 0;
    std::vector<std::shared_future<void>> all_;
    int pending_ = 0;
    std::atomic<bool> stopping_{false};
};
