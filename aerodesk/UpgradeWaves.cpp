#include "UpgradeWaves.h"
#include "FleetReport.h"
#include "HostDeviceList.h"
#include "HostSession.h"
#include "UpgradeState.h"
#include <QFile>
#include <QRegularExpression>
#include <algorithm>

QString UpgradeWaves::VersionOfImage(const QString& imagePath) {
    QFile file(imagePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QRegularExpression line(QStringLiteral("^version=(\\S+)"), QRegularExpression::MultilineOption);
    return line.match(QString::fromLatin1(file.read(4096))).captured(1);
}

bool UpgradeWaves::Run(HostSession& session, const QStringList& addresses, const UpgradeBatch::Settings& settings,
                       const Plan& plan, UpgradeState& state, QueryReport& report) {
    FILE* progress = settings.Progress;
    report = QueryReport::For(addresses, {QStringLiteral("FW-VERSION"), QStringLiteral("OUTCOME"), QStringLiteral("STATUS")});
    auto deviceOf = [&](const QString& address) -> QueryReport::Device& {
        return *std::find_if(report.Devices.begin(), report.Devices.end(),
                             [&](const QueryReport::Device& d) { return d.Address == address; });
    };
    auto finish = [&](const QString& address, bool ok, const QString& outcome, const QString& firmware,
                      const QString& status) {
        QueryReport::Device& d = deviceOf(address);
        d.Done = true;
        d.Ok = ok;
        d.Message = outcome;
        d.Rows = {QStringList{firmware, outcome, status}};
    };

    // Who needs the image: the devices' versions first.
    QStringList todo;
    HostDeviceList versions;
    versions.Probe(session.Module(), addresses, QString::fromLatin1(session.Caps().ModelName));
    if (plan.ImageVersion.isEmpty())
        std::fprintf(progress, "the image's version is unknown (no version= line, no --image-version): no device is "
                               "skipped by its version\n");
    for (int row = 0; row < versions.Rows(); ++row) {
        const QString address = versions.Text(row, HostDeviceList::Address);
        const QString firmware = versions.Text(row, HostDeviceList::Firmware);
        if (state.Outcome(address) == QLatin1String("upgraded")) {
            std::fprintf(progress, "%s: skipped: upgraded by an earlier run (state file)\n", qPrintable(address));
            finish(address, true, QStringLiteral("skipped: upgraded earlier"), firmware, {});
        } else if (!plan.ImageVersion.isEmpty() && firmware == plan.ImageVersion) {
            std::fprintf(progress, "%s: skipped: already runs %s\n", qPrintable(address), qPrintable(firmware));
            finish(address, true, QStringLiteral("skipped: already runs %1").arg(firmware), firmware, {});
            state.Set(address, QStringLiteral("skipped"));
        } else {
            todo << address;
        }
    }
    if (state.IsSet() && !state.Save()) {
        error_ = state.Error();
        return false;
    }

    std::vector<QStringList> waves;
    int at = 0;
    if (plan.Canary > 0 && !todo.isEmpty()) {
        waves.push_back(todo.mid(0, plan.Canary));
        at = static_cast<int>(waves.back().size());
    }
    while (at < todo.size()) {
        const int size = plan.Wave > 0 ? plan.Wave : static_cast<int>(todo.size()) - at;
        waves.push_back(todo.mid(at, size));
        at += size;
    }
    for (size_t w = 0; w < waves.size(); ++w) {
        const QStringList& wave = waves[w];
        std::fprintf(progress, "wave %d of %d%s: %s\n", static_cast<int>(w + 1), static_cast<int>(waves.size()),
                     w == 0 && plan.Canary > 0 ? " (canary)" : "", qPrintable(wave.join(QStringLiteral(", "))));
        std::fflush(progress);
        FleetReport::Instance().Started(wave);
        UpgradeBatch batch;
        bool failed = false;
        if (!batch.Run(session, wave, settings)) {
            error_ = batch.Error();
            return false;
        }
        for (const UpgradeBatch::Row& r : batch.Rows()) {
            const QString status = !r.InList ? QStringLiteral("not in the device list")
                                   : r.Status.isEmpty() ? QStringLiteral("(not upgraded)")
                                                        : r.Status;
            finish(r.Address, r.Ok(), r.Ok() ? QStringLiteral("upgraded") : QStringLiteral("failed: %1").arg(status),
                   r.Firmware, r.Status);
            state.Set(r.Address, r.Ok() ? QStringLiteral("upgraded") : QStringLiteral("failed"));
            failed = failed || !r.Ok();
        }
        failed = failed || batch.Result() != 0;
        if (state.IsSet() && !state.Save()) {
            error_ = state.Error();
            return false;
        }
        aborted_ = batch.Aborted();
        if (aborted_ || (failed && !plan.KeepGoing)) {
            QStringList left;
            for (size_t later = w + 1; later < waves.size(); ++later)
                left += waves[later];
            for (const QString& address : left)
                finish(address, false, QStringLiteral("not started"), {}, {});
            stopped_ = !left.isEmpty();
            std::fprintf(progress, "%s after wave %d%s; not started: %s\n",
                         aborted_ ? "aborted" : "stopped: a device failed", static_cast<int>(w + 1),
                         aborted_ || plan.KeepGoing ? "" : " (--keep-going goes on)",
                         left.isEmpty() ? "none" : qPrintable(left.join(QStringLiteral(", "))));
            if (state.IsSet())
                std::fprintf(progress, "the same command with the same --state goes on from here\n");
            std::fflush(progress);
            break;
        }
    }
    return true;
}
