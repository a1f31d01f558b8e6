#include "SnmpSecurityOptions.h"
#include "PlugInModule.h"
#include <QFile>
#include <arpa/inet.h>
#include <sys/stat.h>

namespace {

const char* const kOptionNames[] = {"snmp-version", "v3-user", "auth", "priv", "auth-passphrase-file", "priv-passphrase-file"};

// A pass phrase file: its first line; like an inventory, only its owner may read it.
bool ReadPassphraseFile(const QString& path, QString& phrase, QString& error) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        error = QStringLiteral("pass phrase file %1: cannot read the file").arg(path);
        return false;
    }
    if ((info.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
        error = QStringLiteral("pass phrase file %1 is readable by group or others (mode %2): restrict it with "
                               "'chmod 600 %1'")
                    .arg(path)
                    .arg(info.st_mode & 07777, 4, 8, QLatin1Char('0'));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("pass phrase file %1: %2").arg(path, file.errorString());
        return false;
    }
    QByteArray text = file.readAll();
    const qsizetype end = text.indexOf('\n');
    if (end >= 0)
        text.truncate(end);
    if (text.endsWith('\r'))
        text.chop(1);
    phrase = QString::fromUtf8(text);
    return true;
}

bool ReadPassphrase(const QCommandLineParser& parser, const char* fileOption, const char* environment,
                    QString& phrase, QString& error) {
    const QString option = QString::fromLatin1(fileOption);
    if (parser.isSet(option))
        return ReadPassphraseFile(parser.value(option), phrase, error);
    phrase = qEnvironmentVariable(environment);
    return true;
}

int32_t VersionNumber(const QString& version) {
    if (version == QLatin1String("2c"))
        return NXA_SNMP_VERSION_2C;
    if (version == QLatin1String("3"))
        return NXA_SNMP_VERSION_3;
    return NXA_SNMP_VERSION_1;
}

int32_t AuthNumber(const QString& name) {
    if (name.isEmpty())
        return NXA_SNMP_AUTH_NONE;
    if (name == QLatin1String("MD5"))
        return NXA_SNMP_AUTH_MD5;
    if (name == QLatin1String("SHA"))
        return NXA_SNMP_AUTH_SHA;
    return -1;
}

int32_t PrivNumber(const QString& name) {
    if (name.isEmpty())
        return NXA_SNMP_PRIV_NONE;
    if (name == QLatin1String("DES"))
        return NXA_SNMP_PRIV_DES;
    if (name == QLatin1String("AES"))
        return NXA_SNMP_PRIV_AES;
    return -1;
}

// PlugSetSnmpSecurity's refusals.
QString RefusalText(int32_t code) {
    switch (code) {
    case -1: return QStringLiteral("the module does not know the record");
    case -2: return QStringLiteral("the address is not a device address");
    case -3: return QStringLiteral("the SNMP version is not 1, 2c or 3");
    case -4: return QStringLiteral("no v3 user name");
    case -5: return QStringLiteral("the module does not support that authentication protocol");
    case -6: return QStringLiteral("the module does not support that privacy protocol, or privacy without authentication");
    case -7: return QStringLiteral("a pass phrase is missing or shorter than 8 characters");
    default: return QStringLiteral("refused (%1)").arg(code);
    }
}

}  // namespace

void SnmpSecurityOptions::AddTo(QCommandLineParser& parser) {
    parser.addOptions({
        {QStringLiteral("snmp-version"), QStringLiteral("SNMP version of the devices: 1 (default), 2c or 3."), QStringLiteral("1|2c|3"),
         QStringLiteral("1")},
        {QStringLiteral("v3-user"), QStringLiteral("With --snmp-version 3: the SNMPv3 user."), QStringLiteral("NAME")},
        {QStringLiteral("auth"),
         QStringLiteral("With --snmp-version 3: authentication protocol MD5 or SHA (default none). The pass phrase comes "
                        "from --auth-passphrase-file or $NXA_AUTH_PASSPHRASE, never from the command line."),
         QStringLiteral("PROTO")},
        {QStringLiteral("priv"),
         QStringLiteral("With --snmp-version 3 and --auth: privacy protocol DES or AES (default none). The pass phrase "
                        "comes from --priv-passphrase-file or $NXA_PRIV_PASSPHRASE."),
         QStringLiteral("PROTO")},
        {QStringLiteral("auth-passphrase-file"),
         QStringLiteral("Read the authentication pass phrase from the first line of FILE (chmod 600)."), QStringLiteral("FILE")},
        {QStringLiteral("priv-passphrase-file"),
         QStringLiteral("Read the privacy pass phrase from the first line of FILE (chmod 600)."), QStringLiteral("FILE")},
    });
}

bool SnmpSecurityOptions::AnyGiven(const QCommandLineParser& parser, QString* which) {
    for (const char* name : kOptionNames) {
        if (parser.isSet(QString::fromLatin1(name))) {
            if (which)
                *which = QString::fromLatin1(name);
            return true;
        }
    }
    return false;
}

bool SnmpSecurityOptions::Read(const QCommandLineParser& parser, QString& error) {
    Version = parser.value(QStringLiteral("snmp-version")).toLower();
    if (Version.startsWith(QLatin1Char('v')))
        Version.remove(0, 1);
    User = parser.value(QStringLiteral("v3-user"));
    AuthProtocol = parser.value(QStringLiteral("auth")).toUpper();
    PrivProtocol = parser.value(QStringLiteral("priv")).toUpper();
    if (Version != QLatin1String("3")) {
        for (const char* name : {"v3-user", "auth", "priv", "auth-passphrase-file", "priv-passphrase-file"}) {
            if (parser.isSet(QString::fromLatin1(name))) {
                error = QStringLiteral("--%1 needs --snmp-version 3").arg(QString::fromLatin1(name));
                return false;
            }
        }
        return Check(error);
    }
    if (!AuthProtocol.isEmpty() &&
        !ReadPassphrase(parser, "auth-passphrase-file", AuthEnvironment, AuthPassphrase, error))
        return false;
    if (!PrivProtocol.isEmpty() &&
        !ReadPassphrase(parser, "priv-passphrase-file", PrivEnvironment, PrivPassphrase, error))
        return false;
    if (!Check(error))
        return false;
    if (!AuthProtocol.isEmpty() && AuthPassphrase.isEmpty()) {
        error = QStringLiteral("--auth %1 needs a pass phrase: --auth-passphrase-file FILE or $%2")
                    .arg(AuthProtocol, QLatin1String(AuthEnvironment));
        return false;
    }
    if (!PrivProtocol.isEmpty() && PrivPassphrase.isEmpty()) {
        error = QStringLiteral("--priv %1 needs a pass phrase: --priv-passphrase-file FILE or $%2")
                    .arg(PrivProtocol, QLatin1String(PrivEnvironment));
        return false;
    }
    return true;
}

bool SnmpSecurityOptions::Check(QString& error) const {
    if (Version != QLatin1String("1") && Version != QLatin1String("2c") && Version != QLatin1String("3")) {
        error = QStringLiteral("'%1' is not an SNMP version (1, 2c or 3)").arg(Version);
        return false;
    }
    if (Version != QLatin1String("3"))
        return true;
    if (User.isEmpty()) {
        error = QStringLiteral("an SNMPv3 device needs a user (--v3-user NAME)");
        return false;
    }
    if (AuthNumber(AuthProtocol) < 0) {
        error = QStringLiteral("authentication protocol '%1' is not supported by the module (MD5, SHA)").arg(AuthProtocol);
        return false;
    }
    if (PrivNumber(PrivProtocol) < 0) {
        error = QStringLiteral("privacy protocol '%1' is not supported by the module (DES, AES)").arg(PrivProtocol);
        return false;
    }
    if (!PrivProtocol.isEmpty() && AuthProtocol.isEmpty()) {
        error = QStringLiteral("privacy (%1) needs an authentication protocol").arg(PrivProtocol);
        return false;
    }
    // net-snmp makes no key from a shorter pass phrase.
    if ((!AuthProtocol.isEmpty() && !AuthPassphrase.isEmpty() && AuthPassphrase.size() < 8) ||
        (!PrivProtocol.isEmpty() && !PrivPassphrase.isEmpty() && PrivPassphrase.size() < 8)) {
        error = QStringLiteral("an SNMPv3 pass phrase needs at least 8 characters");
        return false;
    }
    return true;
}

bool SnmpSecurityOptions::HandTo(const PlugInModule& module, const QString& address, QString& error) const {
    auto setSecurity = reinterpret_cast<decltype(&PlugSetSnmpSecurity)>(module.Symbol("PlugSetSnmpSecurity"));
    if (!setSecurity) {
        error = QStringLiteral("the module has no export PlugSetSnmpSecurity: it cannot use SNMPv%1").arg(Version);
        return false;
    }
    in_addr in{};
    if (inet_pton(AF_INET, address.toLatin1().constData(), &in) != 1) {
        error = QStringLiteral("%1: not an IPv4 address").arg(address);
        return false;
    }
    const QByteArray user = User.toUtf8();
    QByteArray auth = AuthPassphrase.toUtf8();
    QByteArray priv = PrivPassphrase.toUtf8();
    SnmpSecurity record{};
    record.Size = sizeof record;
    record.Address = in.s_addr;
    record.Version = VersionNumber(Version);
    record.AuthProtocol = AuthNumber(AuthProtocol);
    record.PrivProtocol = PrivNumber(PrivProtocol);
    record.UserName = user.constData();
    record.AuthPassphrase = auth.constData();
    record.PrivPassphrase = priv.constData();
    const int32_t code = setSecurity(&record);
    // The copies of the pass phrases go as soon as the module has its own.
    auth.fill('\0');
    priv.fill('\0');
    if (code != 0) {
        error = QStringLiteral("%1: the module refused the SNMP settings: %2").arg(address, RefusalText(code));
        return false;
    }
    return true;
}
