#pragma once
#include "PageField.h"

class IpAddressEdit;

// The four-part IP-address control.
class IpAddressField : public PageField {
public:
    IpAddressField(CPage* page, PageRequest* request, const QString& variable, const QString& label);

    QWidget* Widget() const override;
    const char* KindName() const override { return "ip-address"; }
    IpAddressEdit* Control() const { return control_; }
    QString Text() const override;
    void SetText(const QString& text) override;
    bool Enter(const QString& text, QString* why) override;
    // The address cleared and the focus in its first field.
    void Reject(const QString& message) override;
    void FromControl(MibVariableEntry& entry) override;

private:
    IpAddressEdit* control_;
};
