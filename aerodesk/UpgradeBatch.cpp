#include "UpgradeBatch.h"
#include "HostDeviceList.h"
#include "HostSession.h"
#include "servers/FtpServer.h"
#include "InterruptWatch.h"
#include <QTimer>

bool UpgradeBatch::Run(HostSession& session, const QStringList& addresses, const Settings& settings) {
    auto upgrade = reinterpret_cast<decltype(&PlugUpgradeFirmware)>(session.Module().Symbol("PlugUpgradeFirmware"));
    auto abort = reinterpret_cast<decltype(&PlugUpFirCallBack)>(session.Module().Symbol("PlugUpFirCallBack"));
    if (!upgrade || !abort) {
        error_ = QStringLiteral("the module has no PlugUpgradeFirmware or PlugUpFirCallBack");
        return false;
    }
    FILE* progress = settings.Progress;
    HostDeviceList list;
    if (!settings.DevicesFile.isEmpty()) {
        if (!list.LoadFile(settings.DevicesFile)) {
            error_ = list.Error();
            return false;
        }
    } else {
        list.Probe(session.Module(), addresses, QString::fromLatin1(session.Caps().ModelName));
    }
    selected_ = list.Select(addresses);
    std::fprintf(progress, "%d of %d devices selected\n", selected_, static_cast<int>(addresses.size()));

    // Live progress: each change of a row's step or status.
    QObject::connect(&list.Model(), &QAbstractItemModel::dataChanged, [&list, progress](const QModelIndex& from) {
        const int column = from.column();
        if (column != HostDeviceList::Step && column != HostDeviceList::Status)
            return;
        const int row = from.row();
        std::fprintf(progress, "%-16s step %-16s status %s\n", qPrintable(list.Text(row, HostDeviceList::Address)),
                     qPrintable(list.Text(row, HostDeviceList::Step)), qPrintable(list.Text(row, HostDeviceList::Status)));
        std::fflush(progress);
    });
    const InterruptWatch interrupt;
    QTimer watch;
    aborted_ = false;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!interrupt.Interrupted() || aborted_)
            return;
        aborted_ = true;
        std::fprintf(progress, "aborting...\n");
        std::fflush(progress);
        abort();
    });
    watch.start(50);
    const QByteArray path = settings.Firmware.toUtf8();
    result_ = upgrade(settings.Server, &list.View(), 0, path.constData(), settings.SettingsTimeout, settings.UpdateTimeout,
                      settings.Margin, settings.RebootWait);
    watch.stop();

    rows_.clear();
    for (const QString& address : addresses) {
        Row r;
        r.Address = address;
        for (int row = 0; row < list.Rows(); ++row) {
            if (list.Text(row, HostDeviceList::Address) != address)
                continue;
            r.InList = true;
            r.Firmware = list.Text(row, HostDeviceList::Firmware);
            r.Step = list.Text(row, HostDeviceList::Step);
            r.Status = list.Text(row, HostDeviceList::Status);
            r.Mac = list.Text(row, HostDeviceList::Mac);
            break;
        }
        rows_.push_back(r);
    }
    return true;
}
