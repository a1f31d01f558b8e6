#include "SimOptions.h"
#include "TableGenerators.h"
#include <QCommandLineParser>
#include <sstream>

std::vector<Agent::V3User> SimOptions::DefaultUsers() {
    return {
        {"nxaSha", "SHA", "authpass123", "AES", "privpass123", false},
        {"nxaMd5", "MD5", "authpass123", "DES", "privpass123", false},
        {"nxaAuth", "SHA", "authpass123", "", "", false},
        {"nxaReader", "SHA", "authpass123", "AES", "privpass123", true},
    };
}

bool SimOptions::ParseUser(const std::string& text, Agent::V3User& user) {
    std::vector<std::string> parts;
    std::stringstream stream(text);
    std::string part;
    while (std::getline(stream, part, ':'))
        parts.push_back(part);
    if (text.back() == ':')
        parts.push_back("");
    if (parts.empty() || parts[0].empty() || parts.size() > 6)
        return false;
    user = Agent::V3User{};
    user.Name = parts[0];
    if (parts.size() > 1) user.AuthProtocol = parts[1];
    if (parts.size() > 2) user.AuthPass = parts[2];
    if (parts.size() > 3) user.PrivProtocol = parts[3];
    if (parts.size() > 4) user.PrivPass = parts[4];
    if (parts.size() > 5) user.ReadOnly = parts[5] == "ro";
    bool authOk = user.AuthProtocol.empty() || user.AuthProtocol == "MD5" || user.AuthProtocol == "SHA";
    bool privOk = user.PrivProtocol.empty() || user.PrivProtocol == "DES" || user.PrivProtocol == "AES";
    if (!authOk || !privOk || (!user.PrivProtocol.empty() && user.AuthProtocol.empty()))
        return false;
    // USM pass phrases have at least 8 characters.
    if ((!user.AuthProtocol.empty() && user.AuthPass.size() < 8) || (!user.PrivProtocol.empty() && user.PrivPass.size() < 8))
        return false;
    return true;
}

bool SimOptions::Parse(const QStringList& arguments, std::string& error) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "nxa-sim: a simulated fleet of NXA-7310 access points. Every device is an SNMP agent (v1, v2c, v3 USM)\n"
        "on its own loopback address, answering the device's private MIB and the MIB-2 system group.\n"
        "Stop it with SIGINT or SIGTERM.");
    parser.addHelpOption();
    parser.addVersionOption();
    QList<QCommandLineOption> options = {
        {"devices", "Number of simulated devices (default 1).", "N", "1"},
        {"base", "Loopback address of the first device; each further device takes the next address (default 127.0.1.1).", "ADDR", "127.0.1.1"},
        {"port", "UDP port every device listens on (default 1161; 161 needs privileges).", "PORT", "1161"},
        {"port-step", "Put all devices on the base address, device n on port PORT + n * STEP (default 0: one address per device).", "STEP", "0"},
        {"read-community", "v1/v2c read community of every device (default public).", "TEXT", "public"},
        {"write-community", "v1/v2c write community of every device (default private).", "TEXT", "private"},
        {"v3-user", "SNMPv3 user NAME:AUTH:AUTHPASS:PRIV:PRIVPASS[:ro], AUTH MD5|SHA|empty, PRIV DES|AES|empty; "
                    "repeatable; replaces the default users nxaSha (SHA/AES), nxaMd5 (MD5/DES), nxaAuth (SHA, no privacy) "
                    "and nxaReader (SHA/AES, read only), all with authpass123/privpass123.", "USER"},
        {"clients", "Wireless clients per device in the client table after a refresh (default 4).", "N", "4"},
        {"rows", "Rows of generated tables (after every refresh too), NAME=N[,NAME=N...], repeatable; N from 0 "
                 "(nothing found) to 1000. NAME: survey (site survey), wdsSurvey, wds (WDS links), clients, leases "
                 "(dynamic DHCP leases), staticLeases, rogue (rogue AP survey), arrayScan (AP array scan), members "
                 "(AP array members), clone (MAC clone list), ports (VLAN port list), or the table's own name.", "NAME=N,..."},
        {"ap-modes", "AP modes a device supports (apModesSupported), DEVICE=MASK, repeatable; DEVICE a number or all, "
                     "MASK decimal or 0x hex: 0x01 client, 0x02 repeater, 0x04 and 0x08 WDS with AP, 0x10 access point, "
                     "0x20 and 0x40 WDS (default 0x7f, every mode).", "DEVICE=MASK"},
        {"mode-string-change", "admodestringchangesupported of a device, DEVICE=0|1, repeatable; DEVICE a number or all "
                               "(default 1: the repeater is named \"Universal Repeater\", 0: \"AP Repeater\").", "DEVICE=0|1"},
        {"firmware", "Firmware version text of every device (default 1.10).", "TEXT", "1.10"},
        {"state", "Keep the devices' settings in this JSON file: loaded at start, written after changes and at exit.", "FILE"},
        {"restart-time", "Milliseconds a device stays silent after deviceRestart (default 3000).", "MS", "3000"},
        {"reset-time", "Milliseconds a device stays silent after deviceFactoryDefault (default 3000).", "MS", "3000"},
        {"drop", "Percentage of requests that every device drops without answer (default 0).", "PERCENT", "0"},
        {"delay", "Milliseconds every answer to a get or get-next is held back (default 0).", "MS", "0"},
        {"silent", "Comma-separated device numbers (1-based) that never answer.", "LIST"},
        {"drop-devices", "Apply --drop only to these device numbers (comma-separated).", "LIST"},
        {"delay-devices", "Apply --delay only to these device numbers (comma-separated).", "LIST"},
        {"fault", "Make variables answer an error (repeatable): DEVICES:OID:ERROR[:get|set]. DEVICES: \"all\" or "
                  "comma-separated device numbers; OID: a numeric OID, covering every variable at or below it; ERROR: "
                  "an SNMP error status name (genErr, noAccess, notWritable, wrongValue, noSuchName, badValue, readOnly, "
                  "tooBig, wrongType, wrongLength, wrongEncoding, noCreation, inconsistentValue, resourceUnavailable, "
                  "commitFailed, undoFailed, authorizationError, inconsistentName), noSuchObject or noSuchInstance "
                  "(v2 exceptions of a get; a walk passes over the variable; a set answers notWritable or noCreation), "
                  "or silent (a PDU that touches the variable gets no answer at all). get: only GET, GETNEXT and GETBULK; "
                  "set: only SET; default both. v1 requests get the RFC 2576 v1 status (e.g. noAccess as noSuchName).",
                  "DEVICES:OID:ERROR[:get|set]"},
        {"restart-at", "Restart a device (as deviceRestart does, silent for MS or --restart-time) when a request "
                       "first reaches OID (a varbind at or below it), once per device: DEVICES:OID[:get|set|all][:MS], "
                       "repeatable; that request gets no answer.",
                       "DEVICES:OID[:get|set|all][:MS]"},
        {"answer-delay", "Every packet these devices send (answers to gets and sets) leaves MS milliseconds late: "
                         "DEVICES:MS, DEVICES all or comma-separated device numbers.", "DEVICES:MS"},
        {"transfer-rate", "Bytes per second at most for the devices' FTP and TFTP transfers (default 0: no limit).",
                          "BYTES", "0"},
        {"community", "Communities of one device, N:READ:WRITE (repeatable); the others keep --read-community and --write-community.", "N:READ:WRITE"},
        {"forget", "Make variables take a set without keeping it (repeatable): DEVICES:OID. The set is answered as done "
                   "and the variables at or below OID read their old value afterwards.", "DEVICES:OID"},
        {"seed", "Seed for generated table rows and dropped requests (default 1).", "N", "1"},
        {"trace", "Write one line per request PDU a device receives to FILE (emptied at start), flushed at once, "
                  "also for PDUs that a fault then drops or refuses. Fields, separated by one TAB: local time "
                  "YYYY-MM-DDThh:mm:ss.mmm, device address (address:port where devices share an address), "
                  "GET|GETNEXT|GETBULK|SET, then one field per varbind: the numeric OID, for SET OID=VALUE "
                  "(integers decimal, IP addresses dotted, strings raw with backslash, TAB, CR, LF written \\\\ \\t \\r \\n, octet strings "
                  "with unprintable bytes and MAC addresses as hex digits).", "FILE"},
        {"trace-security", "With --trace: a field after the device address tells how each PDU came: v1, v2c, or "
                           "v3:USER:LEVEL (LEVEL noAuthNoPriv, authNoPriv or authPriv)."},
        {"verbose", "Log net-snmp messages and device actions."},
        {"dump-model", "Print the variable tree of the first device and exit."},
        {"write-backup", "Write the configuration backup of the device chosen by --device to FILE and exit.", "FILE"},
        {"restore-backup", "Set the configuration of the device chosen by --device from the backup in FILE at start.", "FILE"},
        {"ftp-port", "Port of the FTP server that devices download from and upload to (default 21).", "PORT", "21"},
        {"tftp-port", "Port of the TFTP server that devices send their log to (default 69).", "PORT", "69"},
        {"transfer-timeout", "Seconds a device's file transfer may take before it is given up (default 20).", "S", "20"},
        {"device", "Device number (1-based) for --write-backup and --restore-backup (default 1).", "N", "1"},
    };
    parser.addOptions(options);
    parser.process(arguments);

    bool ok = true;
    auto number = [&](const char* name, int low, int high) {
        bool valid = false;
        int value = parser.value(name).toInt(&valid);
        if (!valid || value < low || value > high) {
            error = std::string("--") + name + " must be a number from " + std::to_string(low) + " to " + std::to_string(high);
            ok = false;
        }
        return value;
    };
    Devices = number("devices", 1, 4096);
    Port = number("port", 1, 65535);
    PortStep = number("port-step", 0, 100);
    Clients = number("clients", 0, 1000);
    RestartMs = number("restart-time", 0, 600000);
    ResetMs = number("reset-time", 0, 600000);
    DelayMs = number("delay", 0, 60000);
    DropPercent = number("drop", 0, 100);
    Seed = static_cast<uint32_t>(number("seed", 0, 1 << 30));
    BackupDevice = number("device", 1, Devices);
    FtpPort = number("ftp-port", 1, 65535);
    TftpPort = number("tftp-port", 1, 65535);
    TransferTimeoutMs = number("transfer-timeout", 1, 3600) * 1000;
    if (!ok)
        return false;
    Base = parser.value("base").toStdString();
    if (DeviceIdentity::AddressPlus(Base, 0).empty() || DeviceIdentity::AddressPlus(Base, PortStep ? 0 : Devices - 1).empty()) {
        error = "--base must be a loopback address (127.0.0.0/8) with room for every device";
        return false;
    }
    if (Port + PortStep * (Devices - 1) > 65535) {
        error = "--port-step leaves the port range";
        return false;
    }
    ReadCommunity = parser.value("read-community").toStdString();
    WriteCommunity = parser.value("write-community").toStdString();
    Firmware = parser.value("firmware").toStdString();
    StateFile = parser.value("state").toStdString();
    TraceFile = parser.value("trace").toStdString();
    TraceSecurity = parser.isSet("trace-security");
    Verbose = parser.isSet("verbose");
    DumpModel = parser.isSet("dump-model");
    WriteBackup = parser.value("write-backup").toStdString();
    RestoreBackup = parser.value("restore-backup").toStdString();
    for (const QString& text : parser.values("v3-user")) {
        Agent::V3User user;
        if (!ParseUser(text.toStdString(), user)) {
            error = "bad --v3-user " + text.toStdString();
            return false;
        }
        Users.push_back(user);
    }
    if (Users.empty())
        Users = DefaultUsers();
    auto deviceList = [&](const char* name, std::set<int>& out) {
        for (const QString& part : parser.value(name).split(',', Qt::SkipEmptyParts)) {
            bool valid = false;
            int n = part.trimmed().toInt(&valid);
            if (!valid || n < 1 || n > Devices) {
                error = std::string("--") + name + " lists device numbers from 1 to --devices";
                return false;
            }
            out.insert(n);
        }
        return true;
    };
    for (const QString& text : parser.values("restart-at")) {
        FaultInjection::RestartAt restart;
        if (!FaultInjection::ParseRestartAt(text.toStdString(), Devices, restart, error))
            return false;
        RestartAts.push_back(restart);
    }
    if (parser.isSet("answer-delay") &&
        !FaultInjection::ParseAnswerDelay(parser.value("answer-delay").toStdString(), Devices, AnswerDelayDevices,
                                          AnswerDelayMs, error))
        return false;
    TransferRate = number("transfer-rate", 0, 1 << 30);
    if (!ok)
        return false;
    if (!deviceList("silent", Silent) || !deviceList("drop-devices", DropDevices) || !deviceList("delay-devices", DelayDevices))
        return false;
    for (const QString& list : parser.values("rows")) {
        for (const QString& item : list.split(',', Qt::SkipEmptyParts)) {
            QStringList pair = item.split('=');
            bool valid = false;
            int n = pair.value(1).toInt(&valid);
            const TableGenerators::Shape* shape = pair.size() == 2 ? TableGenerators::GeneratedNamed(pair[0].trimmed().toStdString()) : nullptr;
            if (!shape || !valid || n < 0 || n > 1000) {
                error = "bad --rows " + item.toStdString() + " (NAME=N, N from 0 to 1000; see --help for the names)";
                return false;
            }
            TableRows[shape->Name] = n;
        }
    }
    if (auto it = TableRows.find("clients"); it != TableRows.end())
        Clients = it->second;
    // DEVICE=VALUE items: DEVICE a number or "all" (0), VALUE decimal or 0x hex.
    auto perDevice = [&](const char* name, int high, std::map<int, int>& out) {
        for (const QString& text : parser.values(name)) {
            QStringList pair = text.split('=');
            bool deviceOk = false, valueOk = false;
            int device = pair.value(0) == "all" ? 0 : pair.value(0).toInt(&deviceOk);
            int value = pair.value(1).toInt(&valueOk, 0);
            if (pair.size() != 2 || (!deviceOk && pair[0] != "all") || (deviceOk && (device < 1 || device > Devices)) ||
                !valueOk || value < 0 || value > high) {
                error = std::string("bad --") + name + " " + text.toStdString() + " (DEVICE=VALUE, DEVICE a number or all, VALUE 0 to " +
                        std::to_string(high) + ")";
                return false;
            }
            out[device] = value;
        }
        return true;
    };
    if (!perDevice("ap-modes", 0x7F, ApModes) || !perDevice("mode-string-change", 1, ModeStringChange))
        return false;
    for (const QString& text : parser.values("fault")) {
        VariableFault fault;
        if (!VariableFault::Parse(text.toStdString(), Devices, fault, error))
            return false;
        Faults.push_back(fault);
    }
    for (const QString& text : parser.values("forget")) {
        ForgetfulVariable forget;
        if (!ForgetfulVariable::Parse(text.toStdString(), Devices, forget, error))
            return false;
        Forgetful.push_back(forget);
    }
    for (const QString& text : parser.values("community")) {
        QStringList parts = text.split(':');
        bool valid = false;
        int n = parts.value(0).toInt(&valid);
        if (parts.size() != 3 || !valid || n < 1 || n > Devices || parts[1].isEmpty() || parts[2].isEmpty()) {
            error = "bad --community " + text.toStdString() + " (N:READ:WRITE)";
            return false;
        }
        Communities[n] = {parts[1].toStdString(), parts[2].toStdString()};
    }
    return true;
}
