#pragma once
#include <QString>
#include <QTime>

// The status-bar line after a read or a write: "Get: [ERROR] Request:[VARLIST].
// Receive at [TIME]." (or "Set: ...") from the message catalog, with the list's
// label, the message and the time filled in.
namespace StatusText {
QString Format(bool write, const QString& message, const QString& label, const QTime& time = QTime::currentTime());
}  // namespace StatusText
