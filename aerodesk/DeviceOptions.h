#pragma once
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <cstdint>

// The options that every device command takes: addresses, SNMP port,
// communities, time-out, output form and the module to load.
class DeviceOptions {
public:
    // Adds the options and the ADDRESS argument to a command's parser;
    // --json only for the commands that print JSON.
    void AddTo(QCommandLineParser& parser, bool offersJson = true);
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

private:
    QString error_;
};
