#pragma once
#include "CommandSettings.h"
#include <QString>

// The one-shot device commands: 1 restart, 2 factory default, 3 apply the
// settings. One blocking set; other numbers send nothing. Raises CZRException
// when the set fails.
namespace SystemCommand {
enum Commands { Restart = 1, FactoryDefault = 2, ApplySettings = 3 };
void Send(const QString& address, int command, const CommandSettings& settings);
}  // namespace SystemCommand
