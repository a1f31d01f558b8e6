#pragma once
#include "SecurityRules.h"
#include "shell/Page.h"
#include <deque>
#include <functional>
#include <map>

class ApModeField;
class CheckField;
class ComboField;
class EditField;
class KeptComboField;
class PageForm;
class StaticField;

// The wireless settings of the 2.4 GHz radio and the security of the primary
// SSID. The page keeps the text of every field as the last refresh showed it
// and Save sends only the groups whose fields changed; the "AP Mode" entries
// come from the device's capabilities (the document).
//
// Choosing a row of the site survey copies its SSID into "SSID" and, in the
// WDS modes, its BSSID into the first empty "Remote AP MAC Address" field;
// choosing a row of the clone list copies its address into "MAC Address".
class CWirelessPage : public CPage {
    Q_OBJECT
public:
    CWirelessPage(CMainView* view, const PageRow& row);

    void Refresh() override;

private:
    // A group of the changed-field record and the request its set writes.
    struct Group {
        QString Name;
        std::vector<PageField*> Fields;
    };

    void DeclareBasic();
    void DeclareWds();
    void DeclareSurvey();
    void DeclareClone();
    void DeclareSecurity();
    void ArrangeColumns();

    // Refresh: every read counts itself out; the last one ends the wait.
    void ReadDone(const RequestResult& result, const PageRequest& request);
    void StoreTexts();
    bool Changed(const Group& group) const;

    void FillApModes();
    void ApModeChosen(int index);
    void Gate();
    void FillChannels();
    void FillRates();
    void ShowFrequency();
    void ShowSecurityForm();
    void AuthenticationChosen();
    void KeyShapeChanged();
    void ShowRemoteAps();

    void SaveChanges();
    bool ValidateSsid();
    bool ValidateRemoteAps();
    bool ValidateSecurity();
    // Marks the variables of `request` that its fields in this save write.
    void MarkFields(PageRequest& request, const std::function<bool(const PageField&)>& sends);
    void QueueWrite(PageRequest& request);
    void QueueRemoteAps();
    void NextStep();
    void SaveEnded(bool succeeded, const QString& message);

    void Scan();
    void SurveyRow(const PageRequest& table);
    void SurveyRowChosen(int row);
    void CloneScan();

    QString ModeText() const;
    bool WdsMode() const;
    SecurityRules::Form CurrentForm() const;

    PageRequest* basic_ = nullptr;
    PageRequest* radioInfo_ = nullptr;
    PageRequest* mode_ = nullptr;
    PageRequest* security_ = nullptr;
    PageRequest* wepKeys_ = nullptr;
    PageRequest* radius_ = nullptr;
    PageRequest* remoteAps_ = nullptr;
    PageRequest* deleteAll_ = nullptr;
    PageRequest* addAp_ = nullptr;
    PageRequest* root_ = nullptr;
    PageRequest* clone_ = nullptr;
    PageRequest* cloneRefresh_ = nullptr;
    PageRequest* cloneTable_ = nullptr;
    PageRequest* nap_ = nullptr;
    PageRequest* mssid_ = nullptr;
    PageRequest* survey_ = nullptr;
    PageRequest* surveyRefresh_ = nullptr;
    PageRequest* wdsSurvey_ = nullptr;
    PageRequest* wdsSurveyRefresh_ = nullptr;

    ComboField* band_ = nullptr;
    ComboField* application_ = nullptr;
    KeptComboField* applicationHeld_ = nullptr;
    ApModeField* apMode_ = nullptr;
    EditField* ssid_ = nullptr;
    ComboField* ssidBroadcast_ = nullptr;
    KeptComboField* channel_ = nullptr;
    StaticField* frequency_ = nullptr;
    CheckField* autoChannel_ = nullptr;
    ComboField* channelWidth_ = nullptr;
    KeptComboField* rate_ = nullptr;
    StaticField* mssidState_ = nullptr;

    PageForm* wdsForm_ = nullptr;
    std::vector<EditField*> remoteFields_;
    PageForm* repeaterForm_ = nullptr;
    PageForm* surveyForm_ = nullptr;
    PageList* surveyList_ = nullptr;
    QPushButton* scanButton_ = nullptr;
    PageForm* cloneForm_ = nullptr;
    EditField* cloneAddress_ = nullptr;
    PageList* cloneList_ = nullptr;

    ComboField* authentication_ = nullptr;   // the selector a person uses
    ComboField* wpaMode_ = nullptr;
    KeptComboField* authenticationHeld_ = nullptr;   // the value on the wire
    ComboField* encryption_ = nullptr;
    PageForm* keyForm_ = nullptr;
    ComboField* keyType_ = nullptr;
    ComboField* keySize_ = nullptr;
    ComboField* keyIndex_ = nullptr;
    std::vector<EditField*> keys_;
    std::vector<KeptComboField*> keyTypes_;
    PageForm* serverForm_ = nullptr;
    std::vector<PageField*> personalFields_, enterpriseFields_, dot1xFields_, radiusFields_;
    KeptComboField* radiusMode_ = nullptr;
    KeptComboField* radiusSourceHeld_ = nullptr;
    EditField* passphrase_ = nullptr;
    EditField* confirm_ = nullptr;
    std::map<QString, PageField*> named_;   // security fields by variable

    std::vector<Group> groups_;
    std::map<const PageField*, QString> stored_;
    QStringList storedRemote_;
    int readsPending_ = 0;
    bool readFailed_ = false;
    QString lastMode_;

    std::deque<std::function<bool()>> steps_;
    bool saving_ = false;
};
