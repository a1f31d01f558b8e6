#include "FileTransfer.h"
#include "BackupFile.h"
#include "CurlClient.h"
#include "Device.h"
#include "LanguagePack.h"
#include <arpa/inet.h>
#include <cstdio>
#include <sstream>

namespace {
std::string TextOf(DeviceState& state, const char* name) {
    DeviceState::Cell* cell = state.Named(name);
    return cell ? cell->Value.ToText() : std::string();
}

std::string Where(const std::string& address, const std::string& path) {
    return address + ":" + path;
}
}  // namespace

FileTransfer::FileTransfer(Settings settings) : settings_(settings) {
    CurlClient::GlobalInit();
}

FileTransfer::~FileTransfer() {
    stopping_ = true;
    std::vector<std::shared_future<void>> all;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        all = all_;
    }
    for (auto& f : all)
        f.wait();
}

bool FileTransfer::IsLoopback(const std::string& address) {
    in_addr a{};
    return inet_pton(AF_INET, address.c_str(), &a) == 1 && (ntohl(a.s_addr) >> 24) == 127;
}

std::string FileTransfer::FirmwareVersionOf(const std::string& file, const std::string& current) {
    std::istringstream lines(file.substr(0, 64 * 1024));
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.rfind("version=", 0) == 0 && line.size() > 8 && line.size() <= 8 + 32)
            return line.substr(8);
    }
    // "1.10" becomes "1.11"; a version without a number after its last "."
    // gets ".1".
    size_t dot = current.rfind('.');
    std::string minor = dot == std::string::npos ? std::string() : current.substr(dot + 1);
    if (!minor.empty() && minor.find_first_not_of("0123456789") == std::string::npos && minor.size() < 9) {
        std::string next = std::to_string(std::stoi(minor) + 1);
        if (next.size() < minor.size())
            next.insert(0, minor.size() - next.size(), '0');
        return current.substr(0, dot + 1) + next;
    }
    return current + ".1";
}

FileTransfer::Target FileTransfer::TargetOf(Device& device) {
    DeviceState& state = device.State();
    return {TextOf(state, "ftpServerIPAddress"), TextOf(state, "ftpUserName"), TextOf(state, "ftpPassword"),
            TextOf(state, "ftpRemoteFileName")};
}

int FileTransfer::Queue(Device& device, std::function<Effect()> work) {
    std::lock_guard<std::mutex> lock(mutex_);
    std::shared_future<void> before = last_[&device];
    ++pending_;
    const int job = ++lastJob_;
    std::shared_future<void> next = std::async(std::launch::async, [this, &device, job, before, work = std::move(work)] {
        if (before.valid())
            before.wait();
        Finish(device, job, work());
    }).share();
    last_[&device] = next;
    all_.push_back(next);
    return job;
}

void FileTransfer::Finish(Device& device, int job, Effect effect) {
    std::lock_guard<std::mutex> lock(mutex_);
    done_.push_back({&device, job, std::move(effect)});
    if (notice_)
        notice_();
}

void FileTransfer::SetFinishedNotice(std::function<void()> notice) {
    std::lock_guard<std::mutex> lock(mutex_);
    notice_ = std::move(notice);
}

std::vector<FileTransfer::Finished> FileTransfer::Collect(int restartMs) {
    std::vector<Done> done;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        done.swap(done_);
        pending_ -= static_cast<int>(done.size());
        // Finished futures are no longer needed.
        std::erase_if(all_, [](const std::shared_future<void>& f) {
            return f.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
        });
    }
    std::vector<Finished> finished;
    for (Done& item : done)
        finished.push_back({item.Target, item.Job, item.Apply ? item.Apply(*item.Target, restartMs) : Outcome{}});
    return finished;
}

int FileTransfer::Pending() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return pending_;
}

namespace {

// What a finished transfer does on the agent's thread: a log entry; an
// error entry is a failure.
std::function<FileTransfer::Outcome(Device&, int)> Logged(DeviceLog::Priority priority, std::string message) {
    return [priority, message](Device& device, int) {
        device.Log().Add(priority, message);
        return FileTransfer::Outcome{message, priority != DeviceLog::Priority::Error};
    };
}
}  // namespace

FileTransfer::Started FileTransfer::FtpCommand(Device& device, int command) {
    Target target = TargetOf(device);
    const std::string where = Where(target.Address, target.Path);
    if (command < 1 || command > 3)
        return {};
    if (!IsLoopback(target.Address)) {
        // The device cannot reach it (the simulator contacts loopback servers only): the command fails.
        std::string line = "ftp refused: " + target.Address + " is not a loopback address";
        return {line, Queue(device, [line]() -> Effect { return Logged(DeviceLog::Priority::Error, line); })};
    }
    CurlClient::Server server{target.Address, settings_.FtpPort, target.User, target.Password, settings_.TimeoutMs, &stopping_,
                              device.Identity().Address};
    if (command == 2) {
        int job = Queue(device, [this, &device, server, target, where]() -> Effect {
            std::string data, error;
            bool ok = CurlClient::FtpGet(server, target.Path, settings_.MaxDownloadBytes, data, error);
            {
                std::lock_guard<std::mutex> lock(mutex_);
                if (ok)
                    downloaded_[&device] = data;
                else
                    downloaded_.erase(&device);
            }
            return ok ? Logged(DeviceLog::Priority::Notice, "ftp get " + where + ": " + std::to_string(data.size()) + " bytes")
                      : Logged(DeviceLog::Priority::Error, "ftp get " + where + " failed: " + error);
        });
        return {"ftp get " + where + " started", job};
    }
    if (command == 3) {
        // The backup as the device's configuration is now.
        std::string backup = BackupFile::Make(device.State());
        int job = Queue(device, [server, target, where, backup]() -> Effect {
            std::string error;
            bool ok = CurlClient::FtpPut(server, target.Path, backup, error);
            return ok ? Logged(DeviceLog::Priority::Notice, "ftp put " + where + ": configuration backup, " + std::to_string(backup.size()) + " bytes")
                      : Logged(DeviceLog::Priority::Error, "ftp put " + where + " failed: " + error);
        });
        return {"ftp put " + where + " started", job};
    }
    return {"ftp connect " + target.Address, 0};
}

FileTransfer::Started FileTransfer::UpgradeCommand(Device& device, int command) {
    enum { kFirmware = 1, kConfigSave = 3, kReboot = 4, kFactoryReset = 5, kCertificate = 7, kKey = 8 };
    if (command == kReboot || command == kFactoryReset) {
        // After the transfers before it, as the upgrade queue expects.
        int job = Queue(device, [command]() -> Effect {
            return [command](Device& d, int restartMs) -> Outcome {
                if (command == kFactoryReset) {
                    d.State().FactoryReset();
                    d.State().TakeSnapshot();
                }
                d.State().Reboot();
                d.SilenceFor(restartMs);
                d.Dirty = true;
                std::string line = command == kReboot ? "restart" : "factory reset";
                d.Log().Add(DeviceLog::Priority::Notice, line + " by the upgrade command");
                return {line + " by the upgrade command"};
            };
        });
        return {command == kReboot ? "restart queued" : "factory reset queued", job};
    }
    if (command != kFirmware && command != kConfigSave && command != kCertificate && command != kKey)
        return {};
    // Runs after the device's earlier transfers, on what the last "Get" brought.
    int job = Queue(device, [this, &device, command]() -> Effect {
        std::string file;
        bool have = false;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            auto it = downloaded_.find(&device);
            if (it != downloaded_.end()) {
                file = std::move(it->second);
                downloaded_.erase(it);
                have = true;
            }
        }
        if (!have) {
            if (command == kConfigSave)
                return Logged(DeviceLog::Priority::Info, "configuration saved");
            return Logged(DeviceLog::Priority::Error, "upgrade command without a downloaded file");
        }
        if (command == kFirmware && file.empty())
            return Logged(DeviceLog::Priority::Error, "firmware update refused: the image is empty");
        if (command == kFirmware && !LanguagePack::NameOf(file).empty())
            return [file](Device& d, int) -> Outcome {
                d.LanguagePack = LanguagePack::NameOf(file);
                std::string line = "language pack " + d.LanguagePack + " installed";
                d.Log().Add(DeviceLog::Priority::Notice, line);
                return {line + " (" + std::to_string(file.size()) + " bytes)"};
            };
        if (command == kFirmware)
            return [file](Device& d, int restartMs) -> Outcome {
                std::string version = FirmwareVersionOf(file, d.State().Identity().Firmware);
                d.State().SetFirmware(version);
                d.Log().Add(DeviceLog::Priority::Notice, "firmware " + version + " installed, restarting");
                d.State().Reboot();
                d.SilenceFor(restartMs);
                d.Dirty = true;
                return {"firmware " + version + " installed (" + std::to_string(file.size()) + " bytes), restart"};
            };
        if (command == kConfigSave)
            return [file](Device& d, int) -> Outcome {
                std::string error;
                if (!BackupFile::RestoreFrom(d.State(), file, error)) {
                    d.Log().Add(DeviceLog::Priority::Error, "configuration file rejected: " + error);
                    return {"configuration file rejected: " + error, false};
                }
                d.State().TakeSnapshot();
                d.Dirty = true;
                d.Log().Add(DeviceLog::Priority::Notice, "configuration restored from file");
                return {"configuration restored from file"};
            };
        const char* what = command == kCertificate ? "certificate" : "key";
        return Logged(DeviceLog::Priority::Notice, std::string(what) + " stored, " + std::to_string(file.size()) + " bytes");
    });
    return {"upgrade command " + std::to_string(command) + " queued", job};
}

FileTransfer::Started FileTransfer::SendLog(Device& device) {
    DeviceState& state = device.State();
    const std::string address = TextOf(state, "systemLogTFTPServerIPAddress");
    std::string name = TextOf(state, "systemLogFileName");
    if (name.empty())
        name = "syslog.txt";
    if (!IsLoopback(address)) {
        std::string line = "tftp refused: " + address + " is not a loopback address";
        return {line, Queue(device, [line]() -> Effect { return Logged(DeviceLog::Priority::Error, line); })};
    }
    CurlClient::Server server{address, settings_.TftpPort, {}, {}, settings_.TimeoutMs, &stopping_,
                              device.Identity().Address};
    std::string text = device.Log().Text();
    const std::string where = Where(address, name);
    int job = Queue(device, [server, name, text, where]() -> Effect {
        std::string error;
        bool ok = CurlClient::TftpPut(server, name, text, error);
        return ok ? Logged(DeviceLog::Priority::Info, "log sent by tftp to " + where)
                  : Logged(DeviceLog::Priority::Error, "tftp log to " + where + " failed: " + error);
    });
    return {"tftp log to " + where + " started", job};
}
