#pragma once
#include <QCommandLineParser>
#include <QString>
#include <cstdint>

class PlugInModule;

// One device's SNMP version and v3 user, from the command line
// (--snmp-version, --v3-user, --auth, --priv, pass phrases from files or the
// environment) or from an inventory row, and handed to the module through
// PlugSetSnmpSecurity. Pass phrases never come from the command line and are
// never printed.
class SnmpSecurityOptions {
public:
    QString Version = QStringLiteral("1");   // "1", "2c" or "3"
    QString User;
    QString AuthProtocol;                    // "", "MD5" or "SHA"
    QString PrivProtocol;                    // "", "DES" or "AES"
    QString AuthPassphrase;
    QString PrivPassphrase;

    static void AddTo(QCommandLineParser& parser);
    // True when any of the options is on the command line.
    static bool AnyGiven(const QCommandLineParser& parser, QString* which = nullptr);
    // Reads the options, the pass phrase files and the environment; false
    // with `error` set on a bad or missing value.
    bool Read(const QCommandLineParser& parser, QString& error);
    // Checks the version, the user and the protocols the module can use;
    // false with `error` (without a pass phrase in it).
    bool Check(QString& error) const;

    // Whether the module needs to be told (anything but SNMPv1).
    bool NeedsModule() const { return Version != QLatin1String("1"); }
    // Gives the module this version and user for `address`; false with
    // `error` when the module has no such export or refuses the values.
    bool HandTo(const PlugInModule& module, const QString& address, QString& error) const;

    static constexpr const char* AuthEnvironment = "NXA_AUTH_PASSPHRASE";
    static constexpr const char* PrivEnvironment = "NXA_PRIV_PASSPHRASE";
};
