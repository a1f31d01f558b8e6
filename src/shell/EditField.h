#pragma once
#include "PageField.h"

class QLineEdit;

// A one-line edit.
class EditField : public PageField {
public:
    EditField(CPage* page, PageRequest* request, const QString& variable, const QString& label);

    QWidget* Widget() const override;
    const char* KindName() const override { return "edit"; }
    QLineEdit* Edit() const { return edit_; }
    QString Text() const override;
    QString ShownText() const override;
    void SetText(const QString& text) override;
    bool Enter(const QString& text, QString* why) override;
    // The text selected, scrolled into view and focused.
    void Reject(const QString& message) override;

    EditField& MaxLength(int length);
    // Typed characters are not shown.
    EditField& Secret();

private:
    QLineEdit* edit_;
};
