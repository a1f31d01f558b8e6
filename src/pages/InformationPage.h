#pragma once
#include "shell/Page.h"
#include <QString>
#include <map>

class QComboBox;
class QGridLayout;
class QLabel;

// The Information home page: the system summary, the device's capabilities
// that steer other pages, and Save and Activate.
class CInformationPage : public CPage {
    Q_OBJECT
public:
    CInformationPage(CMainView* view, const PageRow& row);

    void Refresh() override;
    void SaveAndActivate() override;

    // The text shown for a variable of the summary or a capability.
    QString FieldText(const QString& variable) const;
    // The "SSID 1~7" row: whether it is shown, and its MAC range.
    bool SsidRowShown() const;
    QString SsidRangeText() const;

private:
    QLabel* AddRow(QGridLayout* grid, const QString& label, const QString& variable);
    QLabel* AddHidden(const QString& variable);
    void SummaryArrived(const RequestResult& result);
    void ShowSsidRange();

    PageRequest* summary_ = nullptr;
    PageRequest* apply_ = nullptr;
    std::map<QString, QLabel*> fields_;
    QLabel* ssidLabel_ = nullptr;
    QLabel* ssidRange_ = nullptr;
    QComboBox* applyChoice_ = nullptr;
};
