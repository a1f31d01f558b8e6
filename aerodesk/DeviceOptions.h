#pragma once
#include "SnmpSecurityOptions.h"
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// The options that every device command takes: addresses (or an inventory
// file), SNMP port, communities, time-out, output form, the per-device report
// file and the module to load.
class DeviceOptions {
public:
    // Devices that share one SNMP port and community pair: the module holds
    // one such set at a time, so a command works through the sets in turn.
    struct SnmpSet {
        uint16_t Port = 161;
        QString ReadCommunity;
        QString WriteCommunity;
        QStringList Addresses;
    };

    // Adds the options and the ADDRESS argument to a command's parser;
    // --json only for the commands that print JSON.
    // --inventory, --group and --report only for the fleet commands (not for
    // the one-device ones).
    void AddTo(QCommandLineParser& parser, bool offersJson = true, bool fleet = true);
    // Reads them back after parsing; false with Error() set on bad values.
    bool Read(const QCommandLineParser& parser);
    const QString& Error() const { return error_; }

    QStringList Addresses;
    uint16_t Port = 161;
    QString ReadCommunity = QStringLiteral("public");
    QString WriteCommunity = QStringLiteral("private");
    uint32_t Timeout = 100;        // hundredths of a second
    int WaitSeconds = 120;         // the longest the host waits for all answers
    bool Json = false;
    QString ModulePath;
    QString InventoryPath;          // --inventory: the devices come from this file
    QString ReportPath;             // --report FILE.csv|FILE.json
    SnmpSecurityOptions Security;   // --snmp-version, --v3-user ...: every address on the command line
    // The positional arguments that are not devices (a template, an image ...)
    // when the devices come from the inventory; they lead Addresses.
    QStringList Leading;

    // The first `count` positional arguments are not devices (a template, an
    // image ...); with --inventory exactly those must be given. False with
    // Error() set otherwise.
    bool SetLeading(int count);
    // The device addresses, in the order given (inventory order).
    QStringList DeviceAddresses() const;
    // The options for the device alone: its SNMP parameters, Addresses = {address}.
    DeviceOptions ForDevice(const QString& address) const;
    // The devices with their SNMP parameters, in order of first appearance.
    std::vector<SnmpSet> SnmpSets() const;
    // The SNMP version and v3 user of the address (the inventory's, else the command line's).
    SnmpSecurityOptions SecurityOf(const QString& address) const;
    // The name the inventory gives the address (empty otherwise).
    QString NameOf(const QString& address) const;
    // The options for one set: Addresses = Leading + the set's addresses.
    DeviceOptions ForSet(const SnmpSet& set) const;

private:
    bool ReadFleetOptions(const QCommandLineParser& parser);
    bool ReadInventory(const QCommandLineParser& parser);
    bool ReadSnmpOptions(const QCommandLineParser& parser);

    bool fleet_ = true;

    struct Entry {
        QString Address;
        QString Name;
        uint16_t Port;
        QString ReadCommunity;
        QString WriteCommunity;
        SnmpSecurityOptions Security;
    };
    std::vector<Entry> inventory_;
    QString error_;
};
