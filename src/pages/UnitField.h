#pragma once
#include "shell/PageField.h"

class QLabel;

// A value the page shows with its unit after it ("3%") and never writes. Its
// text is the device's value; the screen shows the value and the unit.
class UnitField : public PageField {
public:
    UnitField(CPage* page, PageRequest* request, const QString& variable, const QString& label);

    QWidget* Widget() const override;
    const char* KindName() const override { return "text"; }
    QString Text() const override { return value_; }
    QString ShownText() const override;
    void SetText(const QString& text) override;
    bool Enter(const QString& text, QString* why) override;
    bool Writes() const override { return false; }

    UnitField& Unit(const QString& unit);

private:
    QLabel* label_;
    QString value_;
    QString unit_;
};
