#pragma once
#include <QString>

// Progress texts for the host: a copy-data message with data word 3005 to the
// parent of the top-level window titled "Aerodesk2" (the window itself when it
// has no parent). Nothing happens when there is no such window.
namespace HostLog {
inline constexpr int kDataWord = 3005;
// Returns whether a window received the text.
bool Send(const QString& text);
}  // namespace HostLog
