#include "EditField.h"
#include "Page.h"
#include "Typing.h"
#include "platform/MessageBox.h"
#include <QLineEdit>

EditField::EditField(CPage* page, PageRequest* request, const QString& variable, const QString& label)
    : PageField(page, request, variable, label), edit_(new QLineEdit(page)) {}

QWidget* EditField::Widget() const { return edit_; }

QString EditField::Text() const { return edit_->text(); }

QString EditField::ShownText() const {
    return edit_->echoMode() == QLineEdit::Normal ? edit_->text() : QString(edit_->text().size(), QLatin1Char('*'));
}

void EditField::SetText(const QString& text) { edit_->setText(text); }

bool EditField::Enter(const QString& text, QString* why) {
    if (Typing::Replace(edit_, text))
        return true;
    if (why)
        *why = QStringLiteral("the field took \"%1\" (at most %2 characters, or characters it refuses)")
                   .arg(edit_->text())
                   .arg(edit_->maxLength());
    return false;
}

void EditField::Reject(const QString& message) {
    MessageBox::Show(message);
    edit_->selectAll();
    edit_->end(true);   // the caret into view, the text still selected
    edit_->selectAll();
    edit_->setFocus(Qt::OtherFocusReason);
}

EditField& EditField::MaxLength(int length) {
    edit_->setMaxLength(length);
    return *this;
}

EditField& EditField::Secret() {
    edit_->setEchoMode(QLineEdit::Password);
    return *this;
}
