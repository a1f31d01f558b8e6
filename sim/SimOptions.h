#pragma once
#include "Agent.h"
#include "ForgetfulVariable.h"
#include "FaultInjection.h"
#include "VariableFault.h"
#include <QStringList>
#include <map>
#include <set>
#include <string>

// The command line of nxa-sim.
struct SimOptions {
    int Devices = 1;
    std::string Base = "127.0.1.1";
    int Port = 1161;
    int PortStep = 0;
    std::string ReadCommunity = "public";
    std::string WriteCommunity = "private";
    std::vector<Agent::V3User> Users;
    int Clients = 4;
    std::map<std::string, int> TableRows;   // --rows: rows of generated tables by table name
    std::string Firmware = "1.10";
    std::string StateFile;
    std::string TraceFile;       // --trace: every request PDU the devices receive
    bool TraceSecurity = false;  // --trace-security: the version and v3 user in the trace
    int RestartMs = 3000;
    int ResetMs = 3000;
    double DropPercent = 0;
    int DelayMs = 0;
    std::set<int> Silent;         // 1-based device numbers
    std::set<int> DropDevices;    // where --drop applies; empty: every device
    std::set<int> DelayDevices;   // where --delay applies; empty: every device
    std::map<int, std::pair<std::string, std::string>> Communities;   // per device: read, write
    std::vector<VariableFault> Faults;   // --fault, in the order given
    std::vector<ForgetfulVariable> Forgetful;   // --forget
    std::vector<FaultInjection::RestartAt> RestartAts;   // --restart-at
    std::set<int> AnswerDelayDevices;    // --answer-delay DEVICES:MS
    int AnswerDelayMs = 0;
    long TransferRate = 0;               // --transfer-rate: bytes per second, 0 unlimited
    std::map<int, int> ApModes;          // --ap-modes: device number (0: all) to mask
    std::map<int, int> ModeStringChange; // --mode-string-change: device number (0: all) to 0 or 1
    uint32_t Seed = 1;
    bool Verbose = false;
    bool DumpModel = false;
    std::string WriteBackup;     // write this device's configuration backup and exit
    std::string RestoreBackup;   // set this device's configuration from a backup at start
    int BackupDevice = 1;
    int FtpPort = 21;            // where devices reach FTP servers
    int TftpPort = 69;           // where devices reach TFTP servers
    int TransferTimeoutMs = 20000;

    // Parses the arguments; on --help or --version it prints and exits, on a
    // bad argument it returns false with the reason.
    bool Parse(const QStringList& arguments, std::string& error);
    bool AppliesTo(const std::set<int>& devices, int number) const { return devices.empty() || devices.count(number); }
    static bool ParseUser(const std::string& text, Agent::V3User& user);
    static std::vector<Agent::V3User> DefaultUsers();
};
