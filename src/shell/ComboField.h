#pragma once
#include "PageField.h"
#include <QStringList>

class QComboBox;

// A drop-down list, filled from the variable's value map unless the page
// gives its own items.
class ComboField : public PageField {
public:
    ComboField(CPage* page, PageRequest* request, const QString& variable, const QString& label);

    QWidget* Widget() const override;
    const char* KindName() const override { return "combo"; }
    QComboBox* Combo() const { return combo_; }
    QString Text() const override;
    void SetText(const QString& text) override;
    bool Enter(const QString& text, QString* why) override;

    // Replaces the items (the page's own list, e.g. modes the device supports).
    ComboField& Items(const QStringList& items);

private:
    QComboBox* combo_;
};
