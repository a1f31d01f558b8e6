#include "LanPage.h"
#include "DeviceAddress.h"
#include "mib/pages/LanDhcpPageTables.h"
#include "platform/MessageBox.h"
#include "shell/ComboField.h"
#include "shell/IpAddressField.h"
#include "shell/PageForm.h"
#include "shell/Validators.h"
#include "snmp/SnmpSyntax.h"
#include "snmp/StatusText.h"
#include <QComboBox>
#include <QTimer>

using namespace MibPages;

namespace {
constexpr int32_t kTimeout = 500;
constexpr const char* kRefreshing = "Refresh...";
constexpr const char* kReconnect = "After the set take effect Please connect with new IP address!";
}  // namespace

CLanPage::CLanPage(CMainView* view, const PageRow& row) : CPage(view, row) {
    DeviceAddress::Set(QString());   // a new window: the device's address is read again
    settings_ = &AddRequest(kLanSettingsVars, kTimeout);
    PageForm& form = Form(QStringLiteral("LAN Settings"));
    source_ = &form.Add<ComboField>(*settings_, "lanIfGetIpAddressFrom", "Get IP From");
    const auto isStatic = [this] { return IsStatic(); };
    auto& address = form.Add<IpAddressField>(*settings_, "lanIfIpAddress", "IP address");
    address.Check(Checks::IpAddress(Validators::Messages::IpAddress)).WrittenWhen(isStatic);
    auto& mask = form.Add<IpAddressField>(*settings_, "lanIfSubnetMask", "Subnet Mask");
    mask.Check(Checks::SubnetMask(Validators::Messages::SubnetMask)).WrittenWhen(isStatic);
    auto& gateway = form.Add<IpAddressField>(*settings_, "lanIfDefaultGateway", "Default Gateway");
    gateway.Check(Checks::IpAddress(Validators::Messages::Gateway)).WrittenWhen(isStatic);
    addressFields_ = {&address, &mask, &gateway};
    form.Button(QStringLiteral("Save"), [this] { SaveSettings(); });
    connect(source_->Combo(), &QComboBox::currentIndexChanged, this, [this] { ShowAddressFields(); });
    settings_->OnGot = [this](const RequestResult& result) { SettingsArrived(result); };

    // The restart command is held but never started by this page.
    PageRequest& command = AddRequest(kLanDeviceCommandVars, kTimeout);
    command.ReadOnRefresh = false;
    command.SetAccessAll(SnmpAccess::Invalid);
    command.SetAccess(QStringLiteral("deviceRestart"), SnmpAccess::ReadWrite);
}

bool CLanPage::IsStatic() const { return source_->Combo()->currentIndex() == 0; }

// The window refreshes this page in the background when it opens; only a
// shown page writes its status lines (the Information page's stay).
void CLanPage::Refresh() {
    if (isVisible())
        PostStatus(QString::fromLatin1(kRefreshing));
    CPage::Refresh();
}

void CLanPage::SettingsArrived(const RequestResult& result) {
    if (result.Status == 0) {
        DeviceAddress::Set(settings_->Value(QStringLiteral("lanIfIpAddress")));
        readTexts_ = Texts();
    }
    if (isVisible())
        PostStatus(StatusText::Format(false, result.Message, settings_->Variables.Label));
    ShowAddressFields();
}

void CLanPage::ShowAddressFields() {
    for (IpAddressField* field : addressFields_)
        ShowField(*field, IsStatic());
}

// What the form shows: the address source, then the address fields when
// they take part.
QStringList CLanPage::Texts() const {
    QStringList texts{source_->Text()};
    if (IsStatic()) {
        for (const IpAddressField* field : addressFields_)
            texts << field->Text();
    }
    return texts;
}

// The reconnect notice follows a set that changed how or where the device
// is reached, not a save of what it already holds.
void CLanPage::SaveSettings() {
    const bool changed = Texts() != readTexts_;
    SaveFields(*settings_, {}, [this, changed](const RequestResult& result) {
        if (result.Status != 0 || !changed)
            return;
        // Shown once the wait has ended.
        QTimer::singleShot(0, this, [] { MessageBox::Show(QString::fromLatin1(kReconnect)); });
    });
}
