#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// A fleet described in a CSV file instead of addresses on the command line:
// one device per line after a header naming the columns, e.g.
//   address,port,version,read_community,write_community,name,group
//   10.0.0.5,161,2c,public,private,hall-1,east
// Columns: address (required), port, version (1, 2c or 3), read_community,
// write_community, v3_user, auth_protocol, auth_passphrase, priv_protocol,
// priv_passphrase, name, group. The file holds credentials: it must not be
// readable by group or others.
class Inventory {
public:
    struct Device {
        QString Address;
        uint16_t Port = 161;
        QString Version = QStringLiteral("2c");
        QString ReadCommunity = QStringLiteral("public");
        QString WriteCommunity = QStringLiteral("private");
        QString V3User;
        QString AuthProtocol;
        QString AuthPassphrase;
        QString PrivProtocol;
        QString PrivPassphrase;
        QString Name;
        QString Group;
        int Line = 0;
    };

    // Reads and checks the file; false with Error() set. `group` (when not
    // empty) keeps the devices of that group only; an unknown group fails.
    bool Load(const QString& path, const QString& group = {});
    const QString& Error() const { return error_; }
    const std::vector<Device>& Devices() const { return devices_; }

    static const QStringList& KnownColumns();
    // Splits one CSV line ("" quotes a field; "" inside quotes is a quote);
    // false when a quote is not closed, `badColumn` then the 1-based column.
    static bool SplitLine(const QString& line, QStringList& fields, int& badColumn);

private:
    bool Fail(int line, int column, const QString& message);
    bool ReadRow(int line, const QStringList& header, const QStringList& fields);

    QString path_;
    QString error_;
    std::vector<Device> devices_;
};
