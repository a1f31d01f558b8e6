#pragma once
#include <QString>
#include <QStringList>

// One step of an upgrade run: what to do, for which row (-1: every selected
// row), how long to wait (tens of milliseconds), the SNMP time-out of its
// request (hundredths of a second) and its texts.
struct UpgradeCommand {
    int Code = 0;
    int Row = -1;
    int Wait = 0;
    int RequestTimeout = 0;
    QStringList Texts;

    QString Text(int index) const { return index >= 0 && index < Texts.size() ? Texts.at(index) : QString(); }
};
