#pragma once
#include "CommandSettings.h"
#include <QString>
#include <cstdint>

// The rogue access point survey of one device (command 0): a refresh set,
// then a walk of the survey table row by row; the rows are collected per
// device address and handed to the host when the walk ends.
namespace RogueSurvey {
// Raises CZRException when the refresh set cannot be sent.
void Start(const QString& address, uintptr_t context, const CommandSettings& settings);
// Rows being collected for `address` (0 when no walk is going on).
int Collecting(const QString& address);
// Drops every walk in progress; no callback follows.
void DropAll();
}  // namespace RogueSurvey
