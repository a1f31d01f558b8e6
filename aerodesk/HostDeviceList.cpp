#include "HostDeviceList.h"
#include "PlugInModule.h"
#include <QFile>
#include <QItemSelectionModel>
#include <arpa/inet.h>
#include <memory>

HostDeviceList::HostDeviceList() {
    model_.setHorizontalHeaderLabels({QStringLiteral("IP Address"), QStringLiteral("Model"), QStringLiteral("Mac Address"),
                                      QStringLiteral("Netmask"), QStringLiteral("FW Version"), QStringLiteral("Band"),
                                      QStringLiteral("Step"), QStringLiteral("Status"), QStringLiteral("Retry")});
    view_.setModel(&model_);
    view_.setSelectionMode(QAbstractItemView::MultiSelection);
    view_.setSelectionBehavior(QAbstractItemView::SelectRows);
}

void HostDeviceList::Add(const QStringList& fields) {
    QList<QStandardItem*> items;
    for (int c = 0; c < model_.columnCount(); ++c)
        items << new QStandardItem(fields.value(c));
    model_.appendRow(items);
}

bool HostDeviceList::LoadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error_ = QStringLiteral("cannot read the device file %1").arg(path);
        return false;
    }
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        Add(line.split(QLatin1Char('\t')));
    }
    return true;
}

void HostDeviceList::Probe(PlugInModule& module, const QStringList& addresses, const QString& model) {
    for (const QString& address : addresses) {
        auto firmware = std::make_unique<char[]>(257);
        auto mac = std::make_unique<char[]>(257);
        uint32_t mask = 0;
        module.GetSystemInfo(address.toUtf8().constData(), firmware.get(), mac.get(), &mask);
        in_addr in{};
        in.s_addr = mask;
        char maskText[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &in, maskText, sizeof maskText);
        const bool answered = firmware[0] != '\0' || mac[0] != '\0';
        Add({address, answered ? model : QString(), QString::fromUtf8(mac.get()),
             answered ? QString::fromLatin1(maskText) : QString(), QString::fromUtf8(firmware.get())});
    }
}

int HostDeviceList::Select(const QStringList& addresses) {
    int found = 0;
    for (int row = 0; row < model_.rowCount(); ++row) {
        if (!addresses.contains(Text(row, Address)))
            continue;
        view_.selectionModel()->select(model_.index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        ++found;
    }
    return found;
}

QString HostDeviceList::Text(int row, int column) const { return model_.data(model_.index(row, column)).toString(); }
