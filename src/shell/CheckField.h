#pragma once
#include "PageField.h"

class QCheckBox;

// A check box that shows its own label. Checked means the variable holds the
// "on" value (1 unless the page says otherwise).
class CheckField : public PageField {
public:
    CheckField(CPage* page, PageRequest* request, const QString& variable, const QString& label);

    QWidget* Widget() const override;
    const char* KindName() const override { return "check"; }
    QCheckBox* Box() const { return box_; }
    bool LabelsItself() const override { return true; }
    // "checked" or "unchecked".
    QString Text() const override;
    void SetText(const QString& text) override;
    // Takes checked/unchecked, on/off, 1/0, true/false, yes/no; clicks when it changes.
    bool Enter(const QString& text, QString* why) override;
    void ToControl(const MibVariableEntry& entry) override;
    void FromControl(MibVariableEntry& entry) override;

    CheckField& Values(const QString& on, const QString& off);
    bool IsChecked() const;

    // How a text reads as a state: 1 checked, 0 unchecked, -1 not a state.
    static int StateOf(const QString& text);

private:
    QCheckBox* box_;
    QString on_ = QStringLiteral("1");
    QString off_ = QStringLiteral("0");
};
