#pragma once
#include <QString>
#include <QStringList>
#include <cstdio>
#include <vector>

class FtpServer;
class HostSession;

// One run of the module's fleet upgrade (PlugUpgradeFirmware) over a host
// device list of the given devices, printing each change of a row's step and
// status as it happens; Ctrl-C aborts it (PlugUpFirCallBack).
class UpgradeBatch {
public:
    struct Settings {
        FtpServer* Server = nullptr;
        QString Firmware;       // absolute path of the image
        QString DevicesFile;    // the host's device file; empty: ask each device
        int SettingsTimeout = 300;
        int UpdateTimeout = 500;
        int Margin = 200;
        int RebootWait = 500;
        FILE* Progress = stdout;
    };
    // One device's row after the run (empty texts when it is not in the list).
    struct Row {
        QString Address;
        QString Firmware;
        QString Step;
        QString Status;
        QString Mac;
        bool InList = false;
        bool Ok() const { return Status == QLatin1String("OK"); }
    };

    // Runs the upgrade of `addresses`; false with Error() set when the device
    // file cannot be read (nothing was sent then).
    bool Run(HostSession& session, const QStringList& addresses, const Settings& settings);
    const QString& Error() const { return error_; }
    int Result() const { return result_; }
    bool Aborted() const { return aborted_; }
    int Selected() const { return selected_; }
    const std::vector<Row>& Rows() const { return rows_; }

private:
    QString error_;
    int result_ = 0;
    int selected_ = 0;
    bool aborted_ = false;
    std::vector<Row> rows_;
};
