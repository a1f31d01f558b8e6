#include "Inventory.h"
#include <QFile>
#include <QHostAddress>
#include <QSet>
#include <QTextStream>
#include <sys/stat.h>

namespace {

const QStringList kAuthProtocols = {QStringLiteral("MD5"), QStringLiteral("SHA"), QStringLiteral("SHA-224"),
                                    QStringLiteral("SHA-256"), QStringLiteral("SHA-384"), QStringLiteral("SHA-512")};
const QStringList kPrivProtocols = {QStringLiteral("DES"), QStringLiteral("AES"), QStringLiteral("AES-192"),
                                    QStringLiteral("AES-256")};

}  // namespace

const QStringList& Inventory::KnownColumns() {
    static const QStringList columns = {
        QStringLiteral("address"),        QStringLiteral("port"),          QStringLiteral("version"),
        QStringLiteral("read_community"), QStringLiteral("write_community"), QStringLiteral("v3_user"),
        QStringLiteral("auth_protocol"),  QStringLiteral("auth_passphrase"), QStringLiteral("priv_protocol"),
        QStringLiteral("priv_passphrase"), QStringLiteral("name"),           QStringLiteral("group")};
    return columns;
}

bool Inventory::SplitLine(const QString& line, QStringList& fields, int& badColumn) {
    fields.clear();
    QString field;
    bool quoted = false;
    bool wasQuoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < line.size() && line[i + 1] == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
        } else if (c == QLatin1Char(',')) {
            fields << (wasQuoted ? field : field.trimmed());
            field.clear();
            wasQuoted = false;
        } else if (c == QLatin1Char('"') && field.trimmed().isEmpty()) {
            quoted = wasQuoted = true;
            field.clear();
        } else {
            field += c;
        }
    }
    fields << (wasQuoted ? field : field.trimmed());
    if (quoted) {
        badColumn = static_cast<int>(fields.size());
        return false;
    }
    return true;
}

bool Inventory::Fail(int line, int column, const QString& message) {
    error_ = column > 0 ? QStringLiteral("inventory %1: line %2, column %3: %4").arg(path_).arg(line).arg(column).arg(message)
                        : QStringLiteral("inventory %1: line %2: %3").arg(path_).arg(line).arg(message);
    return false;
}

bool Inventory::Load(const QString& path, const QString& group) {
    path_ = path;
    devices_.clear();
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        error_ = QStringLiteral("inventory %1: cannot read the file").arg(path);
        return false;
    }
    // The file holds pass phrases and communities: only its owner may read it.
    if ((info.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
        error_ = QStringLiteral("inventory %1 is readable by group or others (mode %2); it holds credentials: "
                                "restrict it with 'chmod 600 %1'")
                     .arg(path)
                     .arg(info.st_mode & 07777, 4, 8, QLatin1Char('0'));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error_ = QStringLiteral("inventory %1: %2").arg(path, file.errorString());
        return false;
    }
    QTextStream in(&file);
    QStringList header;
    int lineNumber = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++lineNumber;
        if (line.trimmed().isEmpty() || line.trimmed().startsWith(QLatin1Char('#')))
            continue;
        QStringList fields;
        int badColumn = 0;
        if (!SplitLine(line, fields, badColumn))
            return Fail(lineNumber, badColumn, QStringLiteral("a quoted field is not closed"));
        if (header.isEmpty()) {
            QSet<QString> seen;
            for (int i = 0; i < fields.size(); ++i) {
                const QString name = fields[i].toLower();
                if (!KnownColumns().contains(name))
                    return Fail(lineNumber, i + 1, QStringLiteral("unknown column '%1' (known: %2)")
                                                        .arg(fields[i], KnownColumns().join(QStringLiteral(", "))));
                if (seen.contains(name))
                    return Fail(lineNumber, i + 1, QStringLiteral("column '%1' given twice").arg(name));
                seen.insert(name);
                header << name;
            }
            if (!seen.contains(QStringLiteral("address")))
                return Fail(lineNumber, 0, QStringLiteral("the header has no 'address' column"));
            continue;
        }
        if (!ReadRow(lineNumber, header, fields))
            return false;
    }
    if (header.isEmpty()) {
        error_ = QStringLiteral("inventory %1: no header line").arg(path);
        return false;
    }
    if (!group.isEmpty()) {
        std::vector<Device> kept;
        for (const Device& d : devices_)
            if (d.Group == group)
                kept.push_back(d);
        if (kept.empty()) {
            QStringList groups;
            for (const Device& d : devices_)
                if (!d.Group.isEmpty() && !groups.contains(d.Group))
                    groups << d.Group;
            error_ = QStringLiteral("inventory %1: no group '%2' (groups: %3)")
                         .arg(path, group, groups.isEmpty() ? QStringLiteral("none") : groups.join(QStringLiteral(", ")));
            return false;
        }
        devices_ = std::move(kept);
    }
    if (devices_.empty()) {
        error_ = QStringLiteral("inventory %1: no devices").arg(path);
        return false;
    }
    return true;
}

bool Inventory::ReadRow(int line, const QStringList& header, const QStringList& fields) {
    if (fields.size() > header.size())
        return Fail(line, static_cast<int>(header.size()) + 1,
                    QStringLiteral("%1 fields, the header names %2").arg(fields.size()).arg(header.size()));
    Device d;
    d.Line = line;
    auto column = [&](const QString& name) { return static_cast<int>(header.indexOf(name)) + 1; };
    auto value = [&](const QString& name) {
        const qsizetype i = header.indexOf(name);
        return i >= 0 && i < fields.size() ? fields[i] : QString();
    };
    d.Address = value(QStringLiteral("address"));
    QHostAddress parsed;
    if (d.Address.isEmpty() || !parsed.setAddress(d.Address) || parsed.protocol() != QAbstractSocket::IPv4Protocol)
        return Fail(line, column(QStringLiteral("address")),
                    QStringLiteral("'%1' is not an IPv4 address").arg(d.Address));
    for (const Device& other : devices_)
        if (other.Address == d.Address)
            return Fail(line, column(QStringLiteral("address")),
                        QStringLiteral("%1 is already on line %2").arg(d.Address).arg(other.Line));
    const QString port = value(QStringLiteral("port"));
    if (!port.isEmpty()) {
        bool ok = false;
        const uint n = port.toUInt(&ok);
        if (!ok || n == 0 || n > 65535)
            return Fail(line, column(QStringLiteral("port")), QStringLiteral("'%1' is not a port (1 to 65535)").arg(port));
        d.Port = static_cast<uint16_t>(n);
    }
    const QString version = value(QStringLiteral("version")).toLower();
    if (!version.isEmpty()) {
        static const QStringList versions = {QStringLiteral("1"), QStringLiteral("2c"), QStringLiteral("3")};
        const QString v = version == QLatin1String("v1") || version == QLatin1String("v2c") || version == QLatin1String("v3")
                              ? version.mid(1)
                              : version;
        if (!versions.contains(v))
            return Fail(line, column(QStringLiteral("version")),
                        QStringLiteral("'%1' is not an SNMP version (1, 2c or 3)").arg(value(QStringLiteral("version"))));
        d.Version = v;
    }
    if (header.contains(QStringLiteral("read_community")))
        d.ReadCommunity = value(QStringLiteral("read_community"));
    if (header.contains(QStringLiteral("write_community")))
        d.WriteCommunity = value(QStringLiteral("write_community"));
    d.V3User = value(QStringLiteral("v3_user"));
    d.AuthProtocol = value(QStringLiteral("auth_protocol")).toUpper();
    d.AuthPassphrase = value(QStringLiteral("auth_passphrase"));
    d.PrivProtocol = value(QStringLiteral("priv_protocol")).toUpper();
    d.PrivPassphrase = value(QStringLiteral("priv_passphrase"));
    d.Name = value(QStringLiteral("name"));
    d.Group = value(QStringLiteral("group"));
    if (d.Version == QLatin1String("3")) {
        if (d.V3User.isEmpty())
            return Fail(line, column(QStringLiteral("v3_user")) > 0 ? column(QStringLiteral("v3_user")) : 0,
                        QStringLiteral("an SNMPv3 device needs a v3_user"));
        if (!d.AuthProtocol.isEmpty() && !kAuthProtocols.contains(d.AuthProtocol))
            return Fail(line, column(QStringLiteral("auth_protocol")),
                        QStringLiteral("unknown authentication protocol '%1' (%2)")
                            .arg(d.AuthProtocol, kAuthProtocols.join(QStringLiteral(", "))));
        if (!d.PrivProtocol.isEmpty() && !kPrivProtocols.contains(d.PrivProtocol))
            return Fail(line, column(QStringLiteral("priv_protocol")),
                        QStringLiteral("unknown privacy protocol '%1' (%2)")
                            .arg(d.PrivProtocol, kPrivProtocols.join(QStringLiteral(", "))));
        if (!d.PrivProtocol.isEmpty() && d.AuthProtocol.isEmpty())
            return Fail(line, column(QStringLiteral("priv_protocol")), QStringLiteral("privacy needs an authentication protocol"));
        // net-snmp refuses pass phrases shorter than 8 characters.
        if (!d.AuthProtocol.isEmpty() && d.AuthPassphrase.size() < 8)
            return Fail(line, column(QStringLiteral("auth_passphrase")) > 0 ? column(QStringLiteral("auth_passphrase")) : 0,
                        QStringLiteral("the authentication pass phrase needs at least 8 characters"));
        if (!d.PrivProtocol.isEmpty() && d.PrivPassphrase.size() < 8)
            return Fail(line, column(QStringLiteral("priv_passphrase")) > 0 ? column(QStringLiteral("priv_passphrase")) : 0,
                        QStringLiteral("the privacy pass phrase needs at least 8 characters"));
    } else if (d.ReadCommunity.isEmpty()) {
        return Fail(line, column(QStringLiteral("read_community")), QStringLiteral("an SNMPv%1 device needs a read community").arg(d.Version));
    }
    devices_.push_back(d);
    return true;
}
