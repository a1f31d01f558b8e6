#pragma once
#include <QDateTime>
#include <QString>

// The texts of the device clock: what the device is sent to set its clock,
// and how its reported time is shown.
namespace ClockText {
// "YYYY:MM:DD:hh:mm:ss", the form the device takes for a manual time.
QString ManualSetting(const QDateTime& time);
// The device's time text read as six numbers: year first ("2009/03/05
// 14:07:09", "2009:03:05:14:07:09") or month, day, year ("03-05-2009
// 14:07:09"). Invalid when the text holds no such date and time.
QDateTime Parse(const QString& deviceText);
// Shown as "MM-DD-YYYY hh:mm:ss"; a text that is no date and time is shown
// as the device gave it.
QString Shown(const QString& deviceText);
}  // namespace ClockText
