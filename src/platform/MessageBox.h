#pragma once
#include <QString>
#include <functional>

// Every user message of the module goes through here, so that a host or a
// test can replace how it is shown. Without a handler nothing is shown and
// the default button is answered.
namespace MessageBox {

// Button sets and answers keep the classic message-box numbers; a buttons
// word may carry an icon in its higher bits (0x30: exclamation), so the set is
// `buttons & ButtonMask`.
enum Buttons { Ok = 0, OkCancel = 1, YesNo = 4, ButtonMask = 0x0F, IconExclamation = 0x30 };
enum Answer { AnswerOk = 1, AnswerCancel = 2, AnswerYes = 6, AnswerNo = 7 };

// text, caption (empty for errors), buttons; returns the answer.
// Without a handler nothing is shown: OK is answered, and No to a Yes/No question.
using Handler = std::function<int(const QString& text, const QString& caption, int buttons)>;

// Installs a handler and returns the previous one.
Handler SetHandler(Handler handler);
// An error with an OK button and no caption.
int Show(const QString& text);
// A confirmation with the caption "Warning" and OK/Cancel.
int Confirm(const QString& text);
int Show(const QString& text, const QString& caption, int buttons);

}  // namespace MessageBox
