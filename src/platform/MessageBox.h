#pragma once
#include <QString>
#include <functional>

// Every user message of the module goes through here, so that a host or a
// test can replace how it is shown. Without a handler nothing is shown and
// the box counts as unanswered (see Unanswered).
namespace MessageBox {

// Button sets and answers keep the classic message-box numbers; a buttons
// word may carry an icon in its higher bits (0x30: exclamation), so the set is
// `buttons & ButtonMask`.
enum Buttons {
    Ok = 0,
    OkCancel = 1,
    AbortRetryIgnore = 2,
    YesNoCancel = 3,
    YesNo = 4,
    RetryCancel = 5,
    ButtonMask = 0x0F,
    IconExclamation = 0x30
};
enum Answer {
    AnswerOk = 1,
    AnswerCancel = 2,
    AnswerAbort = 3,
    AnswerRetry = 4,
    AnswerIgnore = 5,
    AnswerYes = 6,
    AnswerNo = 7
};

// text, caption (empty for errors), buttons; returns the answer.
using Handler = std::function<int(const QString& text, const QString& caption, int buttons)>;

// The answer of a box that nobody could answer: a question is refused
// (Cancel, No; Abort for abort/retry/ignore), an OK-only box is OK. Nothing
// that a question guards (a reboot, a deletion) goes ahead unasked.
int Unanswered(int buttons);
// Whether `answer` is one of the buttons of the set in `buttons`.
bool IsAnswerOf(int buttons, int answer);

// Installs a handler and returns the previous one.
Handler SetHandler(Handler handler);
// An error with an OK button and no caption.
int Show(const QString& text);
// A confirmation with the caption "Warning" and OK/Cancel.
int Confirm(const QString& text);
// Without a handler, or when the handler gives no button of the set (0 for a
// box it could not show): Unanswered(buttons).
int Show(const QString& text, const QString& caption, int buttons);

}  // namespace MessageBox
