#pragma once
#include "QueryReport.h"
#include "UpgradeBatch.h"
#include <QString>
#include <QStringList>

class HostSession;
class UpgradeState;

// An upgrade in waves: devices that already run the image's version (or that
// the state file shows upgraded) are skipped; of the others the first
// `Canary` go first, then waves of `Wave` (all the rest when 0). A wave with a
// failure stops the run unless `KeepGoing`. The state file, when given, is
// written after each wave.
class UpgradeWaves {
public:
    struct Plan {
        int Canary = 0;
        int Wave = 0;
        bool KeepGoing = false;
        QString ImageVersion;   // empty: unknown, no device skipped by its version
    };

    // The version an image announces in a "version=X" line near its start
    // (empty without one).
    static QString VersionOfImage(const QString& imagePath);

    // Runs the waves; `report` gets one device per address (columns
    // FW-VERSION, OUTCOME, STATUS). Returns false with Error() set when the
    // state file cannot be written.
    bool Run(HostSession& session, const QStringList& addresses, const UpgradeBatch::Settings& settings, const Plan& plan,
             UpgradeState& state, QueryReport& report);
    const QString& Error() const { return error_; }
    bool Stopped() const { return stopped_; }
    bool Aborted() const { return aborted_; }

private:
    QString error_;
    bool stopped_ = false;
    bool aborted_ = false;
};
