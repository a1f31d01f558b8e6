#pragma once
#include "TransferPage.h"

class EditField;
class PageForm;

// "Configuration File": the device loads its configuration from a file at
// the station or stores it there; restart and factory default.
class CConfigFilePage : public CTransferPage {
    Q_OBJECT
public:
    CConfigFilePage(CMainView* view, const PageRow& row);

    // The download caption follows whether the host has an FTP server.
    void ShownFor(const PageRow& row) override;
    QString DownloadCaption() const;

private:
    EditField* updatePath_ = nullptr;
    PageForm* download_ = nullptr;
};
