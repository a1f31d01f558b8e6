#pragma once
#include "platform/HostCopyData.h"
#include <QStandardItemModel>
#include <QString>
#include <QStringList>
#include <QTableView>
#include <QWidget>
#include <memory>
#include <ostream>

// Readable QString values in test failures.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

// The host's side of an upgrade: a device list with the host's columns, and
// the host window titled "Aerodesk2" that records the module's log messages.
class HostWindowStub : public QWidget {
public:
    HostWindowStub() { setWindowTitle(QStringLiteral("Aerodesk2")); }
    QStringList Texts;
    QList<uintptr_t> Words;

protected:
    bool event(QEvent* e) override {
        if (e->type() == HostCopyDataEvent::kType) {
            auto* data = static_cast<HostCopyDataEvent*>(e);
            Words << data->DataWord;
            Texts << QString::fromLocal8Bit(data->Bytes);
            return true;
        }
        return QWidget::event(e);
    }
};

class DeviceListFixture {
public:
    static QStringList Headers() {
        return {QStringLiteral("IP Address"), QStringLiteral("Model"),  QStringLiteral("Mac Address"),
                QStringLiteral("Netmask"),    QStringLiteral("FW Version"), QStringLiteral("Band"),
                QStringLiteral("Step"),       QStringLiteral("Status"), QStringLiteral("Retry")};
    }

    explicit DeviceListFixture(const QStringList& headers = Headers()) {
        model.setColumnCount(static_cast<int>(headers.size()));
        model.setHorizontalHeaderLabels(headers);
        view.setModel(&model);
        view.setSelectionMode(QAbstractItemView::MultiSelection);
    }

    int AddRow(const QString& address, const QString& modelName = QStringLiteral("NXA-7310"),
               const QString& step = {}) {
        QList<QStandardItem*> items;
        for (int c = 0; c < model.columnCount(); ++c)
            items << new QStandardItem();
        model.appendRow(items);
        const int row = model.rowCount() - 1;
        Set(row, 0, address);
        Set(row, 1, modelName);
        Set(row, 2, QStringLiteral("00AA00%1").arg(row, 6, 10, QLatin1Char('0')));
        Set(row, 3, QStringLiteral("255.0.0.0"));
        Set(row, 4, QStringLiteral("1.10"));
        Set(row, 6, step);
        return row;
    }

    void Set(int row, int column, const QString& text) {
        if (column < model.columnCount())
            model.setData(model.index(row, column), text);
    }
    QString Get(int row, int column) const {
        return column < model.columnCount() ? model.data(model.index(row, column)).toString() : QString();
    }
    void Select(int row) {
        view.selectionModel()->select(model.index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    QString Status(int row) const { return Get(row, 7); }
    QString Step(int row) const { return Get(row, 6); }

    QStandardItemModel model;
    QTableView view;
};
