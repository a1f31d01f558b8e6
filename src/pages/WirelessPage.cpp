#include "WirelessPage.h"
#include "ApModeField.h"
#include "KeptComboField.h"
#include "PageColumns.h"
#include "mib/pages/MultiSsidPageTables.h"
#include "mib/pages/WirelessPageTables.h"
#include "platform/MessageBox.h"
#include "shell/CheckField.h"
#include "shell/EditField.h"
#include "shell/IpAddressField.h"
#include "shell/MainDoc.h"
#include "shell/PageForm.h"
#include "shell/PageWait.h"
#include "shell/ShellTexts.h"
#include "shell/StaticField.h"
#include "snmp/SnmpSyntax.h"
#include "snmp/StatusText.h"
#include <QComboBox>
#include <QSignalBlocker>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QCheckBox>
#include <QRegularExpression>

using namespace MibPages;
using SecForm = SecurityRules::Form;

namespace {
constexpr int32_t kTimeout = 500;
constexpr int32_t kManagerTimeout = 10000;
constexpr int32_t kSurveyTimeout = 1000;
constexpr int kRemoteAps = 8;

const char* const kApplicationTexts[] = {"Concurrent 11b/g/n on 2.4GHz for indoor/outdoor",
                                         "Concurrent 11a/n on W52/W53/W56 for indoor",
                                         "Concurrent 11a/n on W56 for outdoor"};
const char* const kApplicationValues[] = {"disable", "indoor", "outdoor"};
const char* const kKeyLabels[] = {"First Key", "Second Key", "Third Key", "Fourth Key"};
const char* const kZeroMac = "000000000000";

// Variables that a table lists more than once (one per instance) are told
// apart by their last sub-identifier: "dot11WepKey.3".
void NumberInstances(PageRequest& request, const QString& name) {
    for (int i = 0; i < request.Variables.Count(); ++i) {
        MibVariableEntry& entry = request.Variables.Entry(i);
        if (entry.Name == name)
            entry.Name = name + QLatin1Char('.') + entry.Oid.section(QLatin1Char('.'), -1);
    }
}

// A list value: "(NOTDONE)" (a column that ended early) and "(NULL)" show nothing.
QString Cell(const PageRequest& request, const QString& name) {
    const int index = request.Variables.IndexOf(name);
    if (index < 0)
        return {};
    const QString value = request.Variables.Entry(index).Value;
    return value.startsWith(QLatin1Char('(')) ? QString() : value;
}

QStringList Words(const QString& list) {
    return list.split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts);
}

bool IsMac(const QString& text) { return text.size() == 12 && SecurityRules::IsHex(text); }
}  // namespace

CWirelessPage::CWirelessPage(CMainView* view, const PageRow& row) : CPage(view, row) {
    setProperty("savesOnlyChanges", true);   // an unchanged Save sends nothing
    DeclareBasic();
    DeclareSecurity();
    DeclareWds();
    DeclareSurvey();
    DeclareClone();
    AddButton(QStringLiteral("Save"), [this] { SaveChanges(); });
    ArrangeColumns();
    connect(Document(), &CMainDoc::CapabilitiesChanged, this, [this] { FillApModes(); });
    Gate();
    ShowSecurityForm();
}

void CWirelessPage::DeclareBasic() {
    PageForm& bandForm = Form(QStringLiteral("Wireless Band"));
    band_ = &bandForm.Add<ComboField>(QStringLiteral("Wireless Band"));
    band_->Items({QStringLiteral("IEEE 802.11g")});
    band_->Combo()->setEnabled(false);   // one radio: the 2.4 GHz form is the only one
    PageRequest& band = AddRequest(kWirelessBandVars, kTimeout);
    Hidden<KeptComboField>(band, "dot11Band").NeverWritten();

    basic_ = &AddRequest(kWirelessBasicVars, kTimeout);
    radioInfo_ = &AddRequest(kWirelessRadioInfoVars, kTimeout);
    radioInfo_->RefreshAccess = SnmpAccess::ReadOnly;
    mode_ = &AddRequest(kWirelessModeVars, kTimeout);
    PageForm& form = Form(QStringLiteral("Wireless Settings"));
    application_ = &form.Add<ComboField>(QStringLiteral("Application"));
    QStringList applications;
    for (const char* text : kApplicationTexts)
        applications << QString::fromLatin1(text);
    application_->Items(applications);
    applicationHeld_ = &Hidden<KeptComboField>(*basic_, "dot11Application");
    apMode_ = &form.Add<ApModeField>(*basic_, "dot11ApMode", QStringLiteral("AP Mode"));
    apMode_->WrittenWhen([this] { return !apMode_->Text().isEmpty(); });
    ssid_ = &form.Add<EditField>(*basic_, "dot11Ssid", QStringLiteral("SSID"));
    ssid_->MaxLength(64);   // longer names are typed and refused by Save's check
    ssidBroadcast_ = &form.Add<KeptComboField>(*basic_, "dot11SsidBroadcast", QStringLiteral("SSID Broadcast"));
    ssidBroadcast_->WrittenWhen([this] { return ssidBroadcast_->Combo()->isEnabled(); });
    channel_ = &form.Add<KeptComboField>(*basic_, "dot11Channel", QStringLiteral("Channel"));
    channel_->WrittenWhen([this] { return !channel_->Text().isEmpty(); });
    frequency_ = &form.Add<StaticField>(*radioInfo_, "dot11Frequency", QStringLiteral("Frequency"));
    autoChannel_ = &form.Add<CheckField>(*basic_, "dot11AutoChannelScan", QStringLiteral("Auto Channel Scan "));
    Hidden<StaticField>(*basic_, "dot11Multioverwdsconsistent");
    for (const char* name : {"dot11Band2dot4GHzChannelList", "dot11ApModeStatus", "dot11Countrycode",
                             "dot11Band5GHzIndoorChannelList", "dot11Band5GHzOutdoorChannelList"})
        Hidden<StaticField>(*radioInfo_, name);
    PageField& wifiMode = form.Add<KeptComboField>(*mode_, "dot11WifiMode", QStringLiteral("802.11 Mode"));
    channelWidth_ = &form.Add<KeptComboField>(*mode_, "dot11ChannelWidth", QStringLiteral("Channel Width"));
    channelWidth_->WrittenWhen([this] { return channelWidth_->Combo()->isEnabled(); });
    rate_ = &form.Add<KeptComboField>(*mode_, "dot11DataRate", QStringLiteral("Transmission Rate"));
    rate_->WrittenWhen([this] { return !rate_->Text().isEmpty(); });
    Hidden<StaticField>(*mode_, "dot11DataRateList");
    groups_.push_back({QStringLiteral("mode"), {&wifiMode, channelWidth_, rate_}});

    // What other pages and rules need: the multi-SSID state, the management limit.
    mssid_ = &AddRequest(kMssidGlobalVars, kTimeout);
    mssid_->RefreshAccess = SnmpAccess::ReadOnly;
    mssidState_ = &Hidden<StaticField>(*mssid_, "dot11MssidState");
    PageRequest& manager = AddRequest(kWirelessManagerStatusVars, kManagerTimeout);
    manager.RefreshAccess = SnmpAccess::ReadOnly;
    Hidden<StaticField>(manager, "managerIpAddressStatus");

    connect(application_->Combo(), &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0 && index < 3)
            applicationHeld_->SetText(QString::fromLatin1(kApplicationValues[index]));
    });
    connect(apMode_->Combo(), &QComboBox::activated, this, [this](int index) { ApModeChosen(index); });
    connect(channel_->Combo(), &QComboBox::currentIndexChanged, this, [this] { ShowFrequency(); });
    connect(autoChannel_->Box(), &QCheckBox::toggled, this,
            [this](bool on) { channel_->Combo()->setEnabled(!on); });
    groups_.push_back({QStringLiteral("basic"), {applicationHeld_, apMode_, ssid_, ssidBroadcast_, channel_, autoChannel_}});
}

void CWirelessPage::DeclareWds() {
    remoteAps_ = &AddRequest(kWirelessRemoteApVars, kTimeout);
    remoteAps_->RefreshAccess = SnmpAccess::ReadOnly;
    wdsForm_ = &Form(QStringLiteral("WDS with AP"));
    // The fields show the list; it is written through delete-all and add.
    for (int i = 1; i <= kRemoteAps; ++i) {
        EditField& field = wdsForm_->Add<EditField>(QStringLiteral("Remote AP MAC Address %1").arg(i));
        field.MaxLength(12);
        remoteFields_.push_back(&field);
    }
    deleteAll_ = &AddRequest(kWirelessRemoteApDeleteAllVars, kTimeout);
    deleteAll_->ReadOnRefresh = false;
    addAp_ = &AddRequest(kWirelessRemoteApAddVars, kTimeout);
    addAp_->ReadOnRefresh = false;

    root_ = &AddRequest(kWirelessRepeaterRootVars, kTimeout);
    repeaterForm_ = &Form(QStringLiteral("AP Repeater"));
    PageField& rootMac = repeaterForm_->Add<EditField>(*root_, "dot11APRRootAPMACAddress", QStringLiteral("Root AP MAC Address"));
    groups_.push_back({QStringLiteral("repeater root"), {&rootMac}});
}

void CWirelessPage::DeclareSurvey() {
    surveyRefresh_ = &AddRequest(kSiteSurveyRefreshVars, kSurveyTimeout);
    surveyRefresh_->ReadOnRefresh = false;
    survey_ = &AddRequest(kSiteSurveyTableVars, kSurveyTimeout);
    survey_->ReadOnRefresh = false;
    wdsSurveyRefresh_ = &AddRequest(kWdsSiteSurveyRefreshVars, kSurveyTimeout);
    wdsSurveyRefresh_->ReadOnRefresh = false;
    wdsSurvey_ = &AddRequest(kWdsSiteSurveyTableVars, kSurveyTimeout);
    wdsSurvey_->ReadOnRefresh = false;
    surveyForm_ = &Form(QStringLiteral("Site Survey"));
    surveyList_ = &surveyForm_->List(QStringLiteral("Site Survey"));
    for (const char* header : {"Index", "Channel", "Signal (%)", "BSSID", "Security", "SSID"})
        surveyList_->Column(QString::fromLatin1(header));
    scanButton_ = surveyForm_->Button(QStringLiteral("Scan"), [this] { Scan(); });
    connect(surveyList_->View(), &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { SurveyRowChosen(surveyList_->View()->indexOfTopLevelItem(item)); });
    for (PageRequest* table : {survey_, wdsSurvey_}) {
        table->OnGot = [this, table](const RequestResult& result) {
            if (result.Status == 0 && !result.Done) {
                SurveyRow(*table);
                return;
            }
            if (result.Status != 0)
                PostStatus(StatusText::Format(false, result.Message, table->Variables.Label));
            else
                PostStatus(QString::fromLatin1(ShellTexts::GetOk));
            surveyList_->View()->setEnabled(true);
            scanButton_->setEnabled(true);
        };
    }
}

void CWirelessPage::DeclareClone() {
    clone_ = &AddRequest(kWirelessMacCloneVars, kTimeout);
    cloneForm_ = &Form(QStringLiteral("Clone MAC Address"));
    PageField& status = cloneForm_->Add<CheckField>(*clone_, "dot11MacCloneStatus", QStringLiteral("Enable"));
    PageField& source = cloneForm_->Add<KeptComboField>(*clone_, "dot11MacCloneSource", QStringLiteral("MAC Source"));
    cloneAddress_ = &cloneForm_->Add<EditField>(*clone_, "dot11MacCloneMacAddress", QStringLiteral("MAC Address"));
    cloneAddress_->MaxLength(12);
    groups_.push_back({QStringLiteral("clone"), {&status, &source, cloneAddress_}});
    cloneRefresh_ = &AddRequest(kWirelessMacCloneRefreshVars, kSurveyTimeout);
    cloneRefresh_->ReadOnRefresh = false;
    cloneTable_ = &AddRequest(kWirelessMacCloneTableVars, kSurveyTimeout);
    cloneTable_->ReadOnRefresh = false;
    cloneList_ = &cloneForm_->List(QStringLiteral("Clone List"));
    cloneList_->Column(*cloneTable_, "Index", QStringLiteral("Index")).Column(*cloneTable_, "MacAddress", QStringLiteral("MAC Address"));
    cloneForm_->Button(QStringLiteral("Scan"), [this] { CloneScan(); });
    cloneTable_->OnGot = [this](const RequestResult& result) {
        if (!result.Done && result.Status == 0)
            return;
        if (result.Status != 0)
            PostStatus(QStringLiteral("req2CloneSurvery->Get is error!"));
        else
            PostStatus(QString::fromLatin1(ShellTexts::GetOk));
    };
    connect(cloneList_->View(), &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        const QString mac = item->text(1);
        if (IsMac(mac))
            cloneAddress_->SetText(mac);
    });
}

void CWirelessPage::DeclareSecurity() {
    security_ = &AddRequest(kWirelessSecurityVars, kTimeout);
    wepKeys_ = &AddRequest(kWirelessWepKeyVars, kTimeout);
    NumberInstances(*wepKeys_, QStringLiteral("dot11WepKey"));
    NumberInstances(*wepKeys_, QStringLiteral("dot11WepKeyEntryMethod"));
    radius_ = &AddRequest(kWirelessRadiusVars, kTimeout);
    nap_ = &AddRequest(kWirelessNetworkAccessProtectionVars, kTimeout);

    PageForm& form = Form(QStringLiteral("Security"));
    authentication_ = &form.Add<KeptComboField>(QStringLiteral("Authentication"));
    authentication_->Items(SecurityRules::PrimaryAuthentications());
    wpaMode_ = &form.Add<ComboField>(QStringLiteral("WPA Mode"));
    wpaMode_->Items(SecurityRules::WpaModes());
    authenticationHeld_ = &Hidden<KeptComboField>(*security_, "dot11Authentication");
    encryption_ = &form.Add<KeptComboField>(*security_, "dot11Encryption", QStringLiteral("Encryption"));
    PageField& napField = form.Add<KeptComboField>(*nap_, "dot11NetworkAccessProtection", QStringLiteral("Network Access Protection"));
    groups_.push_back({QStringLiteral("network access protection"), {&napField}});

    keyForm_ = &Form(QStringLiteral("Key Settings"));
    keyType_ = &keyForm_->Add<KeptComboField>(*wepKeys_, "dot11KeyEntryMethod", QStringLiteral("Key Type"));
    keySize_ = &keyForm_->Add<ComboField>(QStringLiteral("Key Size"));
    keySize_->Items(SecurityRules::KeySizes());
    keyIndex_ = &keyForm_->Add<KeptComboField>(*security_, "dot11KeyIndex", QStringLiteral("Valid Key"));
    for (int i = 0; i < 4; ++i) {
        keys_.push_back(&keyForm_->Add<EditField>(*wepKeys_, QStringLiteral("dot11WepKey.%1").arg(i + 1),
                                                  QString::fromLatin1(kKeyLabels[i])));
        keyTypes_.push_back(&Hidden<KeptComboField>(*wepKeys_, QStringLiteral("dot11WepKeyEntryMethod.%1").arg(i + 1)));
    }

    serverForm_ = &Form(QStringLiteral("PassPhrase Settings"));
    auto add = [this](auto* field, std::initializer_list<std::vector<PageField*>*> forms) {
        named_[field->Variable()] = field;
        for (auto* list : forms)
            list->push_back(field);
        return field;
    };
    auto* P = &personalFields_;
    auto* E = &enterpriseFields_;
    auto* D = &dot1xFields_;
    add(&serverForm_->Add<KeptComboField>(*security_, "dot11CipherType", QStringLiteral("Cipher Type")), {P, E});
    add(&serverForm_->Add<EditField>(*security_, "dot11GroupKeyUpdateInterval", QStringLiteral("Group Key Update Interval")), {P, E});
    passphrase_ = add(&serverForm_->Add<EditField>(*security_, "dot11PassPhrase", QStringLiteral("PassPhrase")), {P});
    passphrase_->Secret().MaxLength(64);
    confirm_ = &serverForm_->Add<EditField>(QStringLiteral("Confirmed Passphrase"));
    confirm_->Secret().MaxLength(64);
    personalFields_.push_back(confirm_);
    // "External" and "Internal " on the screen; the device's "remote" and "local" on the wire.
    radiusMode_ = &serverForm_->Add<KeptComboField>(QStringLiteral("RADIUS Server Mode"));
    radiusMode_->Items({QStringLiteral("External"), QStringLiteral("Internal ")});
    enterpriseFields_.push_back(radiusMode_);
    dot1xFields_.push_back(radiusMode_);
    radiusSourceHeld_ = &Hidden<KeptComboField>(*security_, "dot11RadiusSource");
    named_[QStringLiteral("dot11RadiusSource")] = radiusSourceHeld_;
    connect(radiusMode_->Combo(), &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index == 0 || index == 1)
            radiusSourceHeld_->SetText(index == 0 ? QStringLiteral("remote") : QStringLiteral("local"));
    });
    struct Row {
        const char* Variable;
        const char* Label;
        int Kind;   // 0 address, 1 number, 2 secret, 3 selector
    };
    const Row rows[] = {
        {"dot11PrimaryRadiusServer", "RADIUS Server", 0},
        {"dot11PrimaryRadiusPort", "RADIUS Port", 1},
        {"dot11PrimaryRadiusSecret", "Shared Secret", 2},
        {"dot11SecRADIUSStatus", "Secondary RADIUS Mode ", 3},
        {"dot11SecondaryRadiusServer", "Secondary RADIUS Server", 0},
        {"dot11SecondaryRadiusPort", "Secondary RADIUS Port", 1},
        {"dot11SecondaryRadiusSecret", "Secondary Shared Secret", 2},
        {"dot11PrimaryAccountingStatus", "Accounting Mode", 3},
        {"dot11PrimaryAccountingServer", "Accounting Server", 0},
        {"dot11PrimaryAccountingServerPort", "Accounting Port", 1},
        {"dot11PrimaryAccountingPassPhrase", "Accounting Secret", 2},
        {"dot11SecActStatus", "Secondary Accounting Mode", 3},
        {"dot11SecondaryAccountingServer", "Secondary Accounting Server", 0},
        {"dot11SecondaryAccountingServerPort", "Secondary Accounting Port", 1},
        {"dot11SecondaryAccountingPassPhrase", "Secondary Accounting Secret", 2},
    };
    for (const Row& row : rows) {
        const QString label = QString::fromLatin1(row.Label);
        PageField* field = nullptr;
        if (row.Kind == 0)
            field = &serverForm_->Add<IpAddressField>(*radius_, row.Variable, label);
        else if (row.Kind == 3)
            field = &serverForm_->Add<KeptComboField>(*radius_, row.Variable, label);
        else
            field = &serverForm_->Add<EditField>(*radius_, row.Variable, label);
        if (row.Kind == 2)
            static_cast<EditField*>(field)->Secret();
        add(field, {E, D});
        radiusFields_.push_back(field);
    }
    add(&serverForm_->Add<EditField>(*security_, "dot11RadiusKeyUpdateInterval", QStringLiteral("Key Update Interval (Seconds)")), {D});

    std::vector<PageField*> securityFields{authenticationHeld_, encryption_, keyIndex_};
    for (const char* v : {"dot11CipherType", "dot11GroupKeyUpdateInterval", "dot11PassPhrase", "dot11RadiusSource",
                          "dot11RadiusKeyUpdateInterval"})
        securityFields.push_back(named_.at(QString::fromLatin1(v)));
    groups_.push_back({QStringLiteral("security"), securityFields});
    std::vector<PageField*> keyFields{keyType_};
    keyFields.insert(keyFields.end(), keys_.begin(), keys_.end());
    groups_.push_back({QStringLiteral("wep keys"), keyFields});
    groups_.push_back({QStringLiteral("radius"), radiusFields_});

    connect(authentication_->Combo(), &QComboBox::currentIndexChanged, this, [this] { AuthenticationChosen(); });
    connect(wpaMode_->Combo(), &QComboBox::currentIndexChanged, this, [this] { AuthenticationChosen(); });
    connect(keyType_->Combo(), &QComboBox::currentIndexChanged, this, [this] { KeyShapeChanged(); });
    connect(keySize_->Combo(), &QComboBox::currentIndexChanged, this, [this] { KeyShapeChanged(); });
    for (const char* v : {"dot11SecRADIUSStatus", "dot11PrimaryAccountingStatus", "dot11SecActStatus"})
        connect(static_cast<ComboField*>(named_.at(QString::fromLatin1(v)))->Combo(), &QComboBox::currentIndexChanged,
                this, [this] { ShowSecurityForm(); });
}

// Two columns: the radio and the lists on the left, security on the right.
void CWirelessPage::ArrangeColumns() {
    PageColumns::Arrange(this, [](QWidget* part) {
        auto* box = qobject_cast<QGroupBox*>(part);
        const QString title = box ? box->title() : QString();
        return title == QLatin1String("Security") || title == QLatin1String("Key Settings") ||
               title == QLatin1String("PassPhrase Settings");
    });
}

void CWirelessPage::Refresh() {
    Wait().BeginRefreshWait();
    for (EditField* key : keys_)
        key->Edit()->setMaxLength(32767);   // the device's keys arrive whole; the limit follows them
    readsPending_ = 0;
    readFailed_ = false;
    for (int i = 0; i < RequestCount(); ++i) {
        PageRequest& request = Request(i);
        if (!request.ReadOnRefresh)
            continue;
        request.OnGot = [this, &request](const RequestResult& result) { ReadDone(result, request); };
        request.SetAccessAll(request.RefreshAccess);
        if (request.StartRead())
            ++readsPending_;
        else
            readFailed_ = true;
    }
    if (readsPending_ == 0)
        ReadDone(RequestResult{-1, 0, {}, {}, {}, 0, 0, true}, *basic_);
}

void CWirelessPage::ReadDone(const RequestResult& result, const PageRequest& request) {
    if (result.Status != 0 && !readFailed_) {
        readFailed_ = true;
        if (!result.Message.isEmpty())
            PostStatus(StatusText::Format(false, result.Message, request.Variables.Label));
    }
    if (result.Status == 0) {
        if (&request == basic_) {
            FillApModes();
            const QString held = applicationHeld_->Text();
            for (int i = 0; i < 3; ++i)
                if (held == QLatin1String(kApplicationValues[i]))
                    application_->Combo()->setCurrentIndex(i);
            channel_->Combo()->setEnabled(!autoChannel_->IsChecked());
        }
        if (&request == basic_ || &request == radioInfo_)
            FillChannels();
        if (&request == mode_)
            FillRates();
        if (&request == remoteAps_)
            ShowRemoteAps();
        if (&request == security_) {
            QString choice, wpa;
            SecurityRules::Split(authenticationHeld_->Text(), &choice, &wpa);
            // The selectors follow the device's value without changing it.
            const QSignalBlocker a(authentication_->Combo());
            const QSignalBlocker w(wpaMode_->Combo());
            authentication_->SetText(choice);
            wpaMode_->SetText(wpa);
            confirm_->SetText(passphrase_->Text());
            const QString source = radiusSourceHeld_->Text();
            const QSignalBlocker r(radiusMode_->Combo());
            radiusMode_->SetText(source == QLatin1String("remote")  ? QStringLiteral("External")
                                 : source == QLatin1String("local") ? QStringLiteral("Internal ")
                                                                    : source);
        }
        if (&request == wepKeys_) {
            const bool hex = keyType_->Text() == QLatin1String("HEX");
            const QString size = SecurityRules::KeySizeFor(static_cast<int>(keys_.front()->Text().size()), hex);
            if (!size.isEmpty())
                keySize_->SetText(size);
        }
    }
    if (--readsPending_ > 0)
        return;
    StoreTexts();
    Gate();
    ShowSecurityForm();
    Wait().EndRefreshWait();
    if (!readFailed_)
        PostStatus(QString::fromLatin1(ShellTexts::GetOk));
}

void CWirelessPage::StoreTexts() {
    stored_.clear();
    for (const Group& group : groups_)
        for (const PageField* field : group.Fields)
            stored_[field] = field->Text();
    storedRemote_.clear();
    for (const EditField* field : remoteFields_)
        storedRemote_ << field->Text();
    lastMode_ = ModeText();
}

bool CWirelessPage::Changed(const Group& group) const {
    for (const PageField* field : group.Fields) {
        const auto it = stored_.find(field);
        if (it == stored_.end() || it->second != field->Text())
            return true;
    }
    return false;
}

void CWirelessPage::ShowRemoteAps() {
    for (int i = 0; i < kRemoteAps && i < remoteAps_->Variables.Count(); ++i) {
        QString mac = remoteAps_->Variables.Entry(i).Value.toUpper();
        if (!IsMac(mac) || mac == QLatin1String(kZeroMac))
            mac.clear();   // an unused slot
        remoteFields_[static_cast<size_t>(i)]->SetText(mac);
    }
}

QString CWirelessPage::ModeText() const { return apMode_->Text(); }

bool CWirelessPage::WdsMode() const { return ModeText().contains(QLatin1String("WDS")); }

void CWirelessPage::FillApModes() {
    const QStringList modes = ApModeField::Modes(Document()->ApModeMask(), Document()->RepeaterName());
    QComboBox* combo = apMode_->Combo();
    combo->clear();
    combo->addItems(modes);
    const QString device = apMode_->TextOf(basic_->Value("dot11ApMode"));
    const int index = combo->findText(device);
    combo->setCurrentIndex(index >= 0 ? index : (modes.isEmpty() ? -1 : 0));
    if (index < 0)
        Gate();   // the device's mode is not offered: the form follows entry 0
}

void CWirelessPage::ApModeChosen(int index) {
    (void)index;
    const QString mode = ModeText();
    const bool mssidOn = mssidState_->Text() == QLatin1String("Enable");
    if (mssidOn && mode != QLatin1String("Access Point") && mode != lastMode_) {
        const QString warning = QStringLiteral("If you select \"%1\" mode, MSSID will be disabled!").arg(mode);
        if (MessageBox::Confirm(warning) != MessageBox::AnswerOk) {
            apMode_->SetText(lastMode_);
            return;
        }
    }
    lastMode_ = mode;
    Gate();
}

void CWirelessPage::Gate() {
    const QString mode = ModeText();
    const bool ap = mode == QLatin1String("Access Point");
    const bool wds = mode.contains(QLatin1String("WDS"));
    const bool station = mode.contains(QLatin1String("Repeater")) || mode.contains(QLatin1String("Client"));
    wdsForm_->Box()->setVisible(wds);
    if (wds)
        wdsForm_->Box()->setTitle(mode);
    repeaterForm_->Box()->setVisible(false);   // this radio's form never shows the root AP
    surveyForm_->Box()->setVisible(wds || station);
    cloneForm_->Box()->setVisible(station);
    ssidBroadcast_->Combo()->setEnabled(ap || wds);
    channelWidth_->Combo()->setEnabled(!station);
    ShowSecurityForm();
}

void CWirelessPage::FillChannels() {
    const QString current = basic_->Value("dot11Channel").trimmed();
    QStringList channels = Words(radioInfo_->Value("dot11Band2dot4GHzChannelList"));
    channels.removeDuplicates();
    channel_->Combo()->blockSignals(true);
    channel_->Items(channels);
    if (!current.isEmpty() && !current.startsWith(QLatin1Char('(')))
        channel_->SetText(current);
    channel_->Combo()->blockSignals(false);
}

void CWirelessPage::FillRates() {
    const QString current = mode_->Value("dot11DataRate").trimmed();
    QStringList rates = Words(mode_->Value("dot11DataRateList"));
    rates.removeDuplicates();
    rate_->Items(rates);
    if (!current.isEmpty() && !current.startsWith(QLatin1Char('(')))
        rate_->SetText(current);
}

// The frequency follows the chosen channel (2.4 GHz band: 5 MHz apart from
// 2.412 GHz, channel 14 at 2.484 GHz).
void CWirelessPage::ShowFrequency() {
    bool ok = false;
    const int channel = channel_->Text().toInt(&ok);
    if (!ok || channel < 1 || channel > 14)
        return;
    const int mhz = channel == 14 ? 2484 : 2407 + 5 * channel;
    frequency_->SetText(QStringLiteral("%1 GHz").arg(mhz / 1000.0, 0, 'f', 3));
}

SecForm CWirelessPage::CurrentForm() const { return SecurityRules::FormOf(authenticationHeld_->Text()); }

void CWirelessPage::AuthenticationChosen() {
    authenticationHeld_->SetText(SecurityRules::Combine(authentication_->Text(), wpaMode_->Text()));
    ShowSecurityForm();
}

// Shows the groups and fields of the current authentication's form.
void CWirelessPage::ShowSecurityForm() {
    const SecForm form = CurrentForm();
    const bool wpa = form == SecForm::Personal || form == SecForm::Enterprise;
    ShowField(*wpaMode_, wpa);
    ShowField(*encryption_, form == SecForm::Wep);
    keyForm_->Box()->setVisible(form == SecForm::Wep);
    serverForm_->Box()->setVisible(form != SecForm::Wep && form != SecForm::Unknown);
    serverForm_->Box()->setTitle(SecurityRules::GroupTitle(form));
    const std::vector<PageField*>* shown = form == SecForm::Personal     ? &personalFields_
                                           : form == SecForm::Enterprise ? &enterpriseFields_
                                                                      : &dot1xFields_;
    auto on = [this](const char* variable) { return named_.at(QString::fromLatin1(variable))->Text() == QLatin1String("Enable"); };
    for (PageField* field : Fields()) {
        if (field->Group() != serverForm_->Title())
            continue;
        bool visible = std::find(shown->begin(), shown->end(), field) != shown->end();
        const QString v = field->Variable();
        if (v.startsWith(QLatin1String("dot11SecondaryRadius")))
            visible = visible && on("dot11SecRADIUSStatus");
        if (v.startsWith(QLatin1String("dot11PrimaryAccountingServer")) || v == QLatin1String("dot11PrimaryAccountingPassPhrase") ||
            v == QLatin1String("dot11SecActStatus"))
            visible = visible && on("dot11PrimaryAccountingStatus");
        if (v.startsWith(QLatin1String("dot11SecondaryAccounting")))
            visible = visible && on("dot11PrimaryAccountingStatus") && on("dot11SecActStatus");
        ShowField(*field, visible);
    }
    KeyShapeChanged();
}

// The key fields take as many characters as the size and type allow.
void CWirelessPage::KeyShapeChanged() {
    const int length = SecurityRules::KeyLength(keySize_->Text(), keyType_->Text() == QLatin1String("HEX"));
    for (EditField* key : keys_)
        key->Edit()->setMaxLength(qMax(length, static_cast<int>(key->Text().size())));
}

bool CWirelessPage::ValidateSsid() {
    const QString ssid = ssid_->Text();
    const QString mode = ModeText();
    const bool naming = mode.contains(QLatin1String("Repeater")) || mode.contains(QLatin1String("Client")) ||
                        mode.contains(QLatin1String("WDS"));
    QString message;
    if (ssid.startsWith(QLatin1Char(' ')))
        message = QStringLiteral("The first character can't be blank.");
    else if (naming && ssid.endsWith(QLatin1Char(' ')))
        message = QStringLiteral("The first character and last character can't be blank.");
    else if (ssid.size() > 32)
        message = QStringLiteral("The Max Length of SSID is 32!");
    else if (ssid.isEmpty())
        message = QStringLiteral("Please Input SSID.");
    if (message.isEmpty())
        return true;
    ssid_->Reject(message);
    return false;
}

bool CWirelessPage::ValidateRemoteAps() {
    if (!WdsMode())
        return true;
    for (EditField* field : remoteFields_) {
        const QString text = field->Text();
        if (!text.isEmpty() && !IsMac(text)) {
            field->Reject(QStringLiteral("The length of MAC address is %1").arg(12));
            return false;
        }
    }
    if (remoteFields_.front()->Text().isEmpty()) {
        for (EditField* field : remoteFields_) {
            if (!field->Text().isEmpty()) {
                remoteFields_.front()->Reject(QStringLiteral("Please input MAC address in first blank space!"));
                return false;
            }
        }
    }
    for (size_t i = 0; i < remoteFields_.size(); ++i) {
        for (size_t j = 0; j < i; ++j) {
            const QString text = remoteFields_[i]->Text();
            if (!text.isEmpty() && text.compare(remoteFields_[j]->Text(), Qt::CaseInsensitive) == 0) {
                remoteFields_[i]->Reject(QStringLiteral("Exist same MAC address."));
                return false;
            }
        }
    }
    return true;
}

bool CWirelessPage::ValidateSecurity() {
    SecurityRules::Inputs in;
    in.Authentication = authenticationHeld_->Text();
    in.EncryptionOn = encryption_->Text() == QLatin1String("Enable");
    in.HexKeys = keyType_->Text() == QLatin1String("HEX");
    in.KeyLength = SecurityRules::KeyLength(keySize_->Text(), in.HexKeys);
    for (EditField* key : keys_)
        if (key->Edit()->isEnabled())
            in.Keys.push_back(key);
    auto f = [this](const char* v) { return named_.at(QString::fromLatin1(v)); };
    in.Passphrase = passphrase_;
    in.Confirm = confirm_;
    in.GroupInterval = f("dot11GroupKeyUpdateInterval");
    in.RadiusServer = f("dot11PrimaryRadiusServer");
    in.RadiusPort = f("dot11PrimaryRadiusPort");
    in.RadiusSecret = f("dot11PrimaryRadiusSecret");
    in.SecondaryRadiusOn = f("dot11SecRADIUSStatus")->Text() == QLatin1String("Enable");
    in.SecondaryServer = f("dot11SecondaryRadiusServer");
    in.SecondaryPort = f("dot11SecondaryRadiusPort");
    in.SecondarySecret = f("dot11SecondaryRadiusSecret");
    in.AccountingOn = f("dot11PrimaryAccountingStatus")->Text() == QLatin1String("Enable");
    in.AccountingServer = f("dot11PrimaryAccountingServer");
    in.AccountingPort = f("dot11PrimaryAccountingServerPort");
    in.AccountingSecret = f("dot11PrimaryAccountingPassPhrase");
    in.SecondaryAccountingOn = f("dot11SecActStatus")->Text() == QLatin1String("Enable");
    in.SecondaryAccountingServer = f("dot11SecondaryAccountingServer");
    in.SecondaryAccountingPort = f("dot11SecondaryAccountingServerPort");
    in.SecondaryAccountingSecret = f("dot11SecondaryAccountingPassPhrase");
    in.KeyUpdateInterval = f("dot11RadiusKeyUpdateInterval");
    return SecurityRules::Validate(in, SecurityRules::Wording::WirelessPage());
}

void CWirelessPage::MarkFields(PageRequest& request, const std::function<bool(const PageField&)>& sends) {
    request.SetAccessAll(SnmpAccess::Invalid);
    for (PageField* field : Fields()) {
        if (field->Request() == &request && field->TakesPartInSave() && (!sends || sends(*field)))
            request.Variables.Entry(field->VariableIndex()).Access = SnmpAccess::ReadWrite;
    }
}

void CWirelessPage::QueueWrite(PageRequest& request) {
    steps_.push_back([this, &request] { return request.StartWrite(); });
}

// The list is written again as typed: cleared, then one add per filled
// field in field order.
void CWirelessPage::QueueRemoteAps() {
    steps_.push_back([this] {
        deleteAll_->SetAccessAll(SnmpAccess::ReadWrite);
        deleteAll_->SetValue("dot11RemoteApMacAddressDeleteAll", QStringLiteral("1"));
        return deleteAll_->StartWrite();
    });
    for (EditField* field : remoteFields_) {
        const QString mac = field->Text().toUpper();
        if (mac.isEmpty())
            continue;
        steps_.push_back([this, mac] {
            addAp_->SetAccessAll(SnmpAccess::ReadWrite);
            addAp_->SetValue("dot11RemoteApMacAddressAdd", mac);
            return addAp_->StartWrite();
        });
    }
}

void CWirelessPage::SaveChanges() {
    if (saving_)
        return;
    std::map<QString, bool> changed;
    for (const Group& group : groups_)
        changed[group.Name] = Changed(group);
    QStringList remote;
    for (const EditField* field : remoteFields_)
        remote << field->Text();
    const bool remoteChanged = WdsMode() && remote != storedRemote_;
    const bool securityChanged = changed["security"] || changed["wep keys"] || changed["radius"];

    if (!ValidateSsid())
        return;
    if (remoteChanged && !ValidateRemoteAps())
        return;
    if (securityChanged && !ValidateSecurity())
        return;

    steps_.clear();
    const SecForm form = CurrentForm();
    if (changed["basic"]) {
        MarkFields(*basic_, {});
        QueueWrite(*basic_);
    }
    if (changed["mode"]) {
        MarkFields(*mode_, {});
        QueueWrite(*mode_);
    }
    if (changed["security"]) {
        // Only what the chosen form uses.
        MarkFields(*security_, [this, form](const PageField& field) {
            const QString v = field.Variable();
            if (v == QLatin1String("dot11Authentication"))
                return true;
            switch (form) {
            case SecForm::Wep: return v == QLatin1String("dot11Encryption") || v == QLatin1String("dot11KeyIndex");
            case SecForm::Personal:
                return v == QLatin1String("dot11CipherType") || v == QLatin1String("dot11PassPhrase") ||
                       v == QLatin1String("dot11GroupKeyUpdateInterval");
            case SecForm::Enterprise:
                return v == QLatin1String("dot11CipherType") || v == QLatin1String("dot11GroupKeyUpdateInterval") ||
                       v == QLatin1String("dot11RadiusSource");
            case SecForm::Dot1x:
                return v == QLatin1String("dot11RadiusSource") || v == QLatin1String("dot11RadiusKeyUpdateInterval");
            case SecForm::Unknown: break;
            }
            return false;
        });
        QueueWrite(*security_);
    }
    if (form == SecForm::Wep && (changed["wep keys"] || changed["security"])) {
        for (KeptComboField* type : keyTypes_)
            type->SetText(keyType_->Text());   // every key has the chosen type
        MarkFields(*wepKeys_, {});
        QueueWrite(*wepKeys_);
    }
    if ((form == SecForm::Enterprise || form == SecForm::Dot1x) && (changed["radius"] || changed["security"])) {
        MarkFields(*radius_, {});
        QueueWrite(*radius_);
    }
    if (remoteChanged)
        QueueRemoteAps();
    if (changed["repeater root"]) {
        MarkFields(*root_, {});
        QueueWrite(*root_);
    }
    if (changed["clone"]) {
        MarkFields(*clone_, {});
        QueueWrite(*clone_);
    }
    if (changed["network access protection"]) {
        MarkFields(*nap_, {});
        QueueWrite(*nap_);
    }
    if (steps_.empty())
        return;   // nothing changed: nothing is sent

    PostStatus(QStringLiteral("Send SNMP packet, please wait!"));
    saving_ = true;
    Wait().BeginWait(false);
    for (PageRequest* request : {basic_, mode_, security_, wepKeys_, radius_, deleteAll_, addAp_, root_, clone_, nap_}) {
        request->OnSet = [this](const RequestResult& result) {
            if (result.Status != 0)
                SaveEnded(false, result.Message);
            else
                NextStep();
        };
    }
    NextStep();
}

void CWirelessPage::NextStep() {
    if (steps_.empty()) {
        SaveEnded(true, {});
        return;
    }
    const std::function<bool()> step = steps_.front();
    steps_.pop_front();
    if (!step())
        SaveEnded(false, {});
}

void CWirelessPage::SaveEnded(bool succeeded, const QString& message) {
    steps_.clear();
    saving_ = false;
    if (succeeded) {
        StoreTexts();   // what the device now holds
        PostStatus(QStringLiteral("Setting Success!"));
    } else {
        PostStatus(QStringLiteral("Setting Error!"));
        if (!message.isEmpty())
            PostStatus(message);
    }
    Wait().EndWait(false, succeeded);
}

void CWirelessPage::Scan() {
    surveyList_->Clear();
    surveyList_->View()->setEnabled(false);
    scanButton_->setEnabled(false);
    PostStatus(QStringLiteral("Scanning..."));
    const bool wds = WdsMode();
    PageRequest* refresh = wds ? wdsSurveyRefresh_ : surveyRefresh_;
    PageRequest* table = wds ? wdsSurvey_ : survey_;
    refresh->SetAccessAll(SnmpAccess::ReadWrite);
    refresh->SetValue(wds ? "dot11WdsSiteSurveyRefresh" : "dot11SiteSurveyRefreshg", QStringLiteral("1"));
    refresh->OnSet = [this, table](const RequestResult& result) {
        if (result.Status != 0 || !(table->SetAccessAll(SnmpAccess::ReadOnly), table->StartRead())) {
            if (result.Status != 0)
                PostStatus(StatusText::Format(true, result.Message, table->Variables.Label));
            surveyList_->View()->setEnabled(true);
            scanButton_->setEnabled(true);
        }
    };
    if (!refresh->StartWrite()) {
        surveyList_->View()->setEnabled(true);
        scanButton_->setEnabled(true);
    }
}

void CWirelessPage::SurveyRow(const PageRequest& table) {
    if (&table == survey_) {
        surveyList_->AddRow({Cell(table, "dot11SiteSurveyIndex"), Cell(table, "dot11SiteSurveyChannel"),
                             Cell(table, "dot11SiteSurveyRssi"), Cell(table, "dot11SiteSurveyBssid"),
                             Cell(table, "dot11SiteSurveyEncryption"), Cell(table, "dot11SiteSurveySsid")});
    } else {
        surveyList_->AddRow({Cell(table, "dot11WdsSiteSurveyIndex"), Cell(table, "dot11WdsSiteSurveyChannel"), QString(),
                             Cell(table, "dot11WdsSiteSurveyBssid"), Cell(table, "dot11WdsSiteSurveyEncryption"),
                             Cell(table, "dot11WdsSiteSurveySsid")});
    }
}

void CWirelessPage::SurveyRowChosen(int row) {
    const std::vector<QStringList> rows = surveyList_->Rows();
    if (row < 0 || row >= static_cast<int>(rows.size()) || rows[static_cast<size_t>(row)].size() < 6)
        return;
    const QStringList& cells = rows[static_cast<size_t>(row)];
    if (!cells[5].isEmpty())
        ssid_->SetText(cells[5]);
    const QString bssid = cells[3].toUpper();
    if (!WdsMode() || !IsMac(bssid))
        return;
    for (EditField* field : remoteFields_) {
        if (field->Text().compare(bssid, Qt::CaseInsensitive) == 0) {
            MessageBox::Show(QStringLiteral("The same MAC address has been added!"));
            return;
        }
    }
    for (EditField* field : remoteFields_) {
        if (field->Text().isEmpty()) {
            field->SetText(bssid);
            return;
        }
    }
}

void CWirelessPage::CloneScan() {
    cloneRefresh_->SetAccessAll(SnmpAccess::ReadWrite);
    cloneRefresh_->SetValue("dot11MacCloneAddressRefresh", QStringLiteral("1"));
    cloneRefresh_->OnSet = [this](const RequestResult& result) {
        if (result.Status != 0) {
            PostStatus(QStringLiteral("req2CloneSurvery->Get is error!"));
            return;
        }
        cloneTable_->SetAccessAll(SnmpAccess::ReadOnly);
        if (!cloneTable_->StartRead())
            PostStatus(QStringLiteral("req2CloneSurvery->Get is error!"));
    };
    cloneRefresh_->StartWrite();
}
