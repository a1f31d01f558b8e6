#pragma once
#include "PageField.h"

class QSpinBox;

// A whole number with up and down arrows, within the page's range.
class SpinField : public PageField {
public:
    SpinField(CPage* page, PageRequest* request, const QString& variable, const QString& label);

    QWidget* Widget() const override;
    const char* KindName() const override { return "spin"; }
    QSpinBox* Spin() const { return spin_; }
    QString Text() const override;
    void SetText(const QString& text) override;
    bool Enter(const QString& text, QString* why) override;

    SpinField& Bounds(int low, int high);

private:
    QSpinBox* spin_;
};
