#pragma once
#include "shell/Page.h"
#include <QMap>
#include <map>

class CheckField;
class ComboField;
class EditField;
class IpAddressField;
class StaticField;

// The primary SSID and up to seven further SSIDs, each row held in three
// device tables (SSID, RADIUS, accounting) at the SSID's index (1 the
// primary, 2 to 8 "MSSID Index" 1 to 7).
//
// "Add" writes the row being edited at once. "Del" disables the selected
// additional SSID on the device (its dot11MssIndividualState becomes
// "Disable"; its other settings stay); the list shows the primary SSID and
// the enabled ones. The primary SSID cannot be deleted. "Save" writes the
// global states.
class CMultiSsidPage : public CPage {
    Q_OBJECT
public:
    CMultiSsidPage(CMainView* view, const PageRow& row);

    void Refresh() override;

private:
    using RowValues = QMap<QString, QString>;   // variable name to value, all three tables

    void DeclareRowForm();
    void StartReads(bool refresh);
    void ReadEnded(const RequestResult& result, const PageRequest& request);
    void RowArrived(const PageRequest& table);
    void FillList();
    void RowChosen(int row);
    void ShowForm();
    void KeyShapeChanged();
    void MssidToggled(bool on);

    bool ValidateRow();
    void AddRow();
    void DeleteRow();
    void WriteNext();
    void RowsWritten(bool succeeded, const QString& message);
    int EditedIndex() const;
    QString ValueOf(const ComboField* field) const;

    PageRequest* global_ = nullptr;
    PageRequest* apMode_ = nullptr;
    PageRequest* ssidTable_ = nullptr;
    PageRequest* radiusTable_ = nullptr;
    PageRequest* accountingTable_ = nullptr;

    CheckField* mssidState_ = nullptr;
    CheckField* vlanState_ = nullptr;
    StaticField* apModeText_ = nullptr;
    EditField* keyInterval_ = nullptr;
    StaticField* band_ = nullptr;
    PageList* list_ = nullptr;
    QPushButton* delButton_ = nullptr;

    ComboField* index_ = nullptr;
    EditField* ssid_ = nullptr;
    ComboField* suppress_ = nullptr;
    ComboField* authentication_ = nullptr;
    ComboField* encryption_ = nullptr;
    ComboField* keyType_ = nullptr;
    ComboField* keySize_ = nullptr;
    ComboField* keyIndex_ = nullptr;
    EditField* key_ = nullptr;
    ComboField* cipher_ = nullptr;
    EditField* passphrase_ = nullptr;
    EditField* confirm_ = nullptr;
    EditField* groupInterval_ = nullptr;
    IpAddressField* radiusServer_ = nullptr;
    EditField* radiusPort_ = nullptr;
    EditField* radiusSecret_ = nullptr;
    ComboField* radiusSource_ = nullptr;
    ComboField* accounting_ = nullptr;
    IpAddressField* accountingServer_ = nullptr;
    EditField* accountingPort_ = nullptr;
    EditField* accountingSecret_ = nullptr;
    EditField* vlanId_ = nullptr;
    ComboField* wmm_ = nullptr;
    ComboField* priority_ = nullptr;
    std::vector<PageField*> wepFields_, personalFields_, serverFields_, dot1xFields_;

    std::map<int, RowValues> rows_;
    std::vector<int> listed_;   // the index of each list row
    int readsPending_ = 0;
    bool readFailed_ = false;
    bool refreshing_ = false;
    std::vector<PageRequest*> writes_;
    QString writtenIndex_;
};
