#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

// Device configurations and backups for the template tests, written with the
// element paths that the device uses.
struct WepKey {
    QByteArray Id;
    QByteArray Key;
    QByteArray Format;
    QByteArray Length;
};

struct DeviceConfig {
    QByteArray WanMode = "2";
    QByteArray Netmask = "255.255.255.0";
    QByteArray Gateway = "192.168.0.254";
    QByteArray UserName = "admin";
    QByteArray Password = "secret";
    QByteArray ConsoleProtocol = "1";
    QByteArray TelnetTimeout = "180";
    QByteArray WirelessMode = "5";
    QByteArray RadioEnable = "1";
    QByteArray Ssid = "nxa lab";
    QByteArray SsidHidden = "0";
    QByteArray BeaconInterval = "100";
    QByteArray FixedRate = "5";
    QByteArray Dtim = "1";
    QByteArray ChannelWidth = "1";
    QByteArray Authentication = "3";
    QByteArray WepMode = "3";
    QByteArray RadiusServer = "10.0.0.5";
    QByteArray RadiusSecret = "radsecret";
    QByteArray RadiusPort = "1812";
    QByteArray RekeyInterval = "1800";
    QByteArray Passphrase = "passphrase123";
    QByteArray AclMode = "0";
    QList<QByteArray> Macs;
    QByteArray AutoChannel = "0";
    QByteArray Channel = "6";
    QByteArray DefaultKey = "1";
    QList<WepKey> WepKeys = {
        {"1", "1234567890", "2", "64"},
        {"2", "abcde", "1", "64"},
        {"3", "0123456789abcdef0123456789", "2", "128"},
        {"4", "fourthkey1234", "1", "128"},
    };
    bool WithConsoleProtocol = true;
    bool WithDefaultKey = true;
};

// The configuration as the device writes it (LF line ends).
QByteArray DeviceXml(const DeviceConfig& config);

// gzip of the data, written with zlib's gzopen/gzwrite through a file in dir.
QByteArray GzipBytes(const QString& dir, const QByteArray& data);

// A backup: the header (ending in "0") followed by the gzip stream.
bool WriteBackup(const QString& path, const QByteArray& header, const QByteArray& gzip);
bool WriteFileBytes(const QString& path, const QByteArray& data);
QByteArray ReadFileBytes(const QString& path);

// Splits a file written with CR LF line ends; fails the running test when a
// line ends otherwise.
QList<QByteArray> CrLfLines(const QByteArray& data);

// The entries of one template section ("[System]" and so on), without the
// header and the count line; the count line's number goes to itemCount.
QList<QByteArray> SectionEntries(const QList<QByteArray>& templateLines, const QByteArray& header,
                                 int* itemCount = nullptr);

constexpr char kHeader[] = "NXA-7310 CFG v1.10 0";
