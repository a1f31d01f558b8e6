#include "Typing.h"
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace Typing {
namespace {
void Key(QLineEdit* edit, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(edit, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(edit, &release);
}
}  // namespace

bool Replace(QLineEdit* edit, const QString& text) {
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
    Key(edit, Qt::Key_Backspace, {});
    for (const QChar c : text)
        Key(edit, c.unicode() < 128 ? int(c.toUpper().unicode()) : int(Qt::Key_unknown), QString(c));
    // Typing ends when the person leaves the field.
    edit->clearFocus();
    return edit->text() == text;
}
}  // namespace Typing
