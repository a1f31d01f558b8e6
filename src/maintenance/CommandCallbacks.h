#pragma once

// The host callback of each PlugCmdAPI command number, as last handed in:
// one outstanding operation per command number.
namespace CommandCallbacks {
void Store(int command, void* callback);
void* Stored(int command);
}  // namespace CommandCallbacks
