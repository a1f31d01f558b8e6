#pragma once
#include "TransferPage.h"

class EditField;
class PageForm;

// "Firmware and SSL": the device fetches a firmware image, a language pack,
// an SSL certificate or an SSL key from the station and installs it.
class CFirmwarePage : public CTransferPage {
    Q_OBJECT
public:
    CFirmwarePage(CMainView* view, const PageRow& row);

    // The group captions follow whether the host has an FTP server.
    void ShownFor(const PageRow& row) override;
    QString FirmwareCaption() const;
    QString SslCaption() const;

private:
    // A path with its "Browse.." and "UpLoad" (named "GROUP/Browse.." and "GROUP/UpLoad").
    EditField& PathRow(PageForm& form, const QString& label, const QString& group, FileRules::Kind kind,
                       const QString& filter);
    void ShowCaptions();

    PageForm* firmware_ = nullptr;
    PageForm* ssl_ = nullptr;
};
