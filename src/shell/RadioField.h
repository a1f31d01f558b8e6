#pragma once
#include "PageField.h"
#include <QStringList>
#include <vector>

class QButtonGroup;
class QRadioButton;

// A group of radio buttons, one per item of the variable's value map unless
// the page gives its own items.
class RadioField : public PageField {
public:
    RadioField(CPage* page, PageRequest* request, const QString& variable, const QString& label);

    QWidget* Widget() const override;
    const char* KindName() const override { return "radio"; }
    // The text of the chosen button ("" when none is chosen).
    QString Text() const override;
    void SetText(const QString& text) override;
    bool Enter(const QString& text, QString* why) override;

    RadioField& Items(const QStringList& items);
    QRadioButton* Button(const QString& text) const;

private:
    QWidget* box_;
    QButtonGroup* group_;
    std::vector<QRadioButton*> buttons_;
};
