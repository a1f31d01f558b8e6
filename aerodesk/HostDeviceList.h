#pragma once
#include <QStandardItemModel>
#include <QString>
#include <QStringList>
#include <QTableView>

class PlugInModule;

// The host's device list: a view with the columns "IP Address", model,
// "Mac Address", "Netmask", "FW Version", band, step, status and "Retry".
// Filled from the host's own device file or by asking each address.
class HostDeviceList {
public:
    enum Columns { Address = 0, ModelName = 1, Mac = 2, Netmask = 3, Firmware = 4, Band = 5, Step = 6, Status = 7, Retry = 8 };

    HostDeviceList();
    QTableView& View() { return view_; }
    QStandardItemModel& Model() { return model_; }

    // Device file: one device a line, tab-separated: address, model, MAC,
    // netmask, firmware version; "#" starts a comment. False with Error() set
    // when the file cannot be read.
    bool LoadFile(const QString& path);
    // Asks each address for its firmware version, MAC and mask
    // (PlugGetSystemInfo); a device that answers is listed as `model`.
    void Probe(PlugInModule& module, const QStringList& addresses, const QString& model);
    // Selects the rows of these addresses; returns how many were found.
    int Select(const QStringList& addresses);
    QString Text(int row, int column) const;
    int Rows() const { return model_.rowCount(); }
    const QString& Error() const { return error_; }

private:
    void Add(const QStringList& fields);
    QStandardItemModel model_;
    QTableView view_;
    QString error_;
};
