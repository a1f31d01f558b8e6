#include "IpAddressField.h"
#include "Page.h"
#include "Typing.h"
#include "controls/IpAddressEdit.h"
#include "platform/MessageBox.h"
#include "snmp/MibVariableList.h"
#include <QLineEdit>
#include <QStringList>

IpAddressField::IpAddressField(CPage* page, PageRequest* request, const QString& variable, const QString& label)
    : PageField(page, request, variable, label), control_(new IpAddressEdit(page)) {}

QWidget* IpAddressField::Widget() const { return control_; }

QString IpAddressField::Text() const { return control_->Text(); }

void IpAddressField::SetText(const QString& text) { control_->SetText(text); }

bool IpAddressField::Enter(const QString& text, QString* why) {
    // Each part typed into its own field; missing parts leave theirs empty.
    const QStringList parts = text.isEmpty() ? QStringList() : text.split(QLatin1Char('.'));
    if (parts.size() > 4) {
        if (why)
            *why = QStringLiteral("an address has four parts");
        return false;
    }
    bool all = true;
    for (int i = 0; i < 4; ++i)
        all = Typing::Replace(control_->Field(i), i < parts.size() ? parts[i] : QString()) && all;
    if (!all && why)
        *why = QStringLiteral("the control took \"%1\"").arg(control_->Text());
    return all;
}

void IpAddressField::Reject(const QString& message) {
    MessageBox::Show(message);
    control_->Clear();
    control_->FocusFirstField();
}

void IpAddressField::FromControl(MibVariableEntry& entry) { entry.Value = control_->Text(); }
