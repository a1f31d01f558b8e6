#include "FirmwarePage.h"
#include "FormRows.h"
#include "MaintenanceTexts.h"
#include "mib/MaintenanceTables.h"
#include "shell/EditField.h"
#include "shell/PageForm.h"
#include "shell/StaticField.h"
#include "snmp/SnmpSyntax.h"

using namespace MaintenanceTexts;

namespace {
constexpr int32_t kVersionTimeout = 500;
}  // namespace

CFirmwarePage::CFirmwarePage(CMainView* view, const PageRow& row) : CTransferPage(view, row) {
    const QString openFilter = FileRules::NameFilter(QString::fromLatin1(OpenFilter));
    firmware_ = &Form(QString::fromLatin1(LocalFirmwareCaption));
    // What the device runs now, read on every refresh.
    PageRequest& version = AddRequest(kFirmwareVersionVars, kVersionTimeout);
    version.RefreshAccess = SnmpAccess::ReadOnly;
    firmware_->Add<StaticField>(version, "systemFirmwareVersion", "Current Firmware Version");
    PathRow(*firmware_, "Upload Firmware From File :", "Firmware", FileRules::Kind::Firmware, openFilter);
    PathRow(*firmware_, "Upload :", "Language Pack", FileRules::Kind::LanguagePack, openFilter);
    ssl_ = &Form(QString::fromLatin1(LocalSslCaption));
    PathRow(*ssl_, "Upload Certificate From File:", "Certificate", FileRules::Kind::Certificate, openFilter);
    PathRow(*ssl_, "Upload Key From File :", "Key", FileRules::Kind::Key, QString());
    FormRows::AlignLabels({firmware_, ssl_});
    ShowCaptions();
}

EditField& CFirmwarePage::PathRow(PageForm& form, const QString& label, const QString& group, FileRules::Kind kind,
                                  const QString& filter) {
    EditField& path = form.Add<EditField>(label);
    FormRows::ButtonAfter(*this, form, path, group, QStringLiteral("Browse.."),
                          [this, &path, filter] { Browse(path, filter); });
    FormRows::ButtonAfter(*this, form, path, group, QStringLiteral("UpLoad"),
                          [this, &path, kind] { Upload(kind, path); });
    return path;
}

void CFirmwarePage::ShownFor(const PageRow& row) {
    CTransferPage::ShownFor(row);
    ShowCaptions();
}

void CFirmwarePage::ShowCaptions() {
    firmware_->Box()->setTitle(FirmwareCaption());
    ssl_->Box()->setTitle(SslCaption());
}

QString CFirmwarePage::FirmwareCaption() const {
    return QString::fromLatin1(HostHasFtpServer() ? LocalFirmwareCaption : RemoteFirmwareCaption);
}

QString CFirmwarePage::SslCaption() const {
    return QString::fromLatin1(HostHasFtpServer() ? LocalSslCaption : RemoteSslCaption);
}
