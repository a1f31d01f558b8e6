#include "ConfigFilePage.h"
#include "FormRows.h"
#include "MaintenanceTexts.h"
#include "shell/EditField.h"
#include "shell/PageForm.h"

using namespace MaintenanceTexts;

CConfigFilePage::CConfigFilePage(CMainView* view, const PageRow& row) : CTransferPage(view, row) {
    PageForm& update = Form(QStringLiteral("Update Configuration File"));
    updatePath_ = &update.Add<EditField>(QStringLiteral("Update File"));
    FormRows::ButtonAfter(*this, update, *updatePath_, update.Title(), QStringLiteral("Browse"),
                          [this] { Browse(*updatePath_, FileRules::NameFilter(QString::fromLatin1(OpenFilter))); });
    FormRows::ButtonAfter(*this, update, *updatePath_, update.Title(), QStringLiteral("Update"),
                          [this] { Upload(FileRules::Kind::Configuration, *updatePath_); });
    download_ = &Form(DownloadCaption());
    FormRows::TextRow(*this, *download_, QStringLiteral("Store the device's configuration file."),
                      QStringLiteral("Download"), [this] { Download(*updatePath_); });
    PageForm& device = Form(QStringLiteral("Restart and Factory Default"));
    FormRows::TextRow(*this, device, QStringLiteral("Restart the device."), QStringLiteral("Restart"),
                      [this] { Restart(); });
    FormRows::TextRow(*this, device, QStringLiteral("Restore the factory default settings."),
                      QStringLiteral("Restore"), [this] { FactoryDefault(false); });
}

void CConfigFilePage::ShownFor(const PageRow& row) {
    CTransferPage::ShownFor(row);
    download_->Box()->setTitle(DownloadCaption());
}

QString CConfigFilePage::DownloadCaption() const {
    return QString::fromLatin1(HostHasFtpServer() ? LocalDownloadLabel : RemoteDownloadLabel);
}
