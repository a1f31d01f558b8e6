#pragma once
#include <QString>
#include <functional>

// Every file dialog of the module goes through here, so that a host or a
// driver can answer it. Without a handler the dialog counts as cancelled.
namespace FileDialog {

// caption, name filter ("Firmware (*.bin)"), whether it saves, the suggested
// name; returns the chosen path, or "" when cancelled.
using Handler = std::function<QString(const QString& caption, const QString& filter, bool save,
                                      const QString& suggested)>;

// Installs a handler and returns the previous one.
Handler SetHandler(Handler handler);
QString OpenFile(const QString& caption, const QString& filter);
QString SaveFile(const QString& caption, const QString& filter, const QString& suggested);

}  // namespace FileDialog
