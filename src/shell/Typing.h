#pragma once
#include <QString>

class QLineEdit;

// Keyboard input as a person gives it: the edit's whole text selected, then
// replaced key by key, so that its length limit and validator act as they do
// on typing. Returns false when the edit does not end up showing `text`.
namespace Typing {
bool Replace(QLineEdit* edit, const QString& text);
}  // namespace Typing
