#include "MultiSsidPage.h"
#include "PageColumns.h"
#include "SecurityRules.h"
#include "mib/pages/MultiSsidPageTables.h"
#include "mib/pages/WirelessPageTables.h"
#include "platform/MessageBox.h"
#include "shell/CheckField.h"
#include "shell/ComboField.h"
#include "shell/EditField.h"
#include "shell/IpAddressField.h"
#include "shell/PageForm.h"
#include "shell/PageWait.h"
#include "shell/ShellTexts.h"
#include "shell/StaticField.h"
#include "snmp/SnmpSyntax.h"
#include "snmp/StatusText.h"
#include "snmp/ValueMap.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

using namespace MibPages;
using SecForm = SecurityRules::Form;

namespace {
constexpr int32_t kTimeout = 500;
constexpr int kRows = 8;

// The map texts of a column, for the row form's selectors.
QStringList MapTexts(const PageRequest& table, const char* column) {
    QStringList texts;
    const MibVariableEntry& entry = table.Variables.Entry(table.Variables.IndexOf(QString::fromLatin1(column)));
    if (entry.Map)
        for (int i = 0; i < entry.Map->Count(); ++i)
            texts << entry.Map->GetPair(i).Text;
    return texts;
}

// The value of a column as text a person reads; "(NOTDONE)" and "(NULL)" read empty.
QString Readable(const PageRequest& table, const QString& column, const QString& value) {
    if (value.startsWith(QLatin1Char('(')))
        return {};
    const int i = table.Variables.IndexOf(column);
    const ValueMap* map = i >= 0 ? table.Variables.Entry(i).Map : nullptr;
    return map ? map->TextForValue(value) : value;
}

void Put(PageRequest& table, const char* column, const QString& text) {
    const int i = table.IndexOf(QString::fromLatin1(column));
    MibVariableEntry& entry = table.Variables.Entry(i);
    entry.Value = entry.Map ? entry.Map->ValueForText(text) : text;
    entry.Access = SnmpAccess::ReadWrite;
}

QString IndexText(int index) { return index == 1 ? QStringLiteral("Primary") : QString::number(index - 1); }
}  // namespace

CMultiSsidPage::CMultiSsidPage(CMainView* view, const PageRow& row) : CPage(view, row) {
    global_ = &AddRequest(kMssidGlobalVars, kTimeout);
    PageForm& states = Form(QStringLiteral("Multi-SSID"));
    mssidState_ = &states.Add<CheckField>(*global_, "dot11MssidState", QStringLiteral("Enable Multi-SSID"));
    states.Add<CheckField>(*global_, "dot11MssidPriorityState", QStringLiteral("Enable Priority"));
    vlanState_ = &states.Add<CheckField>(*global_, "dot11VlanState", QStringLiteral("Enable VLAN State"));
    band_ = &states.Add<StaticField>(*global_, "dot11Band", QStringLiteral("Band"));
    Hidden<StaticField>(*global_, "dot11NetworkAccessProtection").NeverWritten();
    apMode_ = &AddRequest(kWirelessBasicVars, kTimeout);
    apMode_->RefreshAccess = SnmpAccess::ReadOnly;
    apModeText_ = &Hidden<StaticField>(*apMode_, "dot11ApMode");
    connect(mssidState_->Box(), &QCheckBox::clicked, this, [this](bool on) { MssidToggled(on); });

    ssidTable_ = &AddRequest(kMssidSsidTableVars, kTimeout);
    radiusTable_ = &AddRequest(kMssidRadiusTableVars, kTimeout);
    accountingTable_ = &AddRequest(kMssidAccountingTableVars, kTimeout);

    list_ = &List(QStringLiteral("SSID List"));
    for (const char* header : {"Index", "SSID", "Band", "Encryption"})
        list_->Column(QString::fromLatin1(header));
    connect(list_->View(), &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { RowChosen(list_->View()->indexOfTopLevelItem(item)); });

    DeclareRowForm();
    AddButton(QStringLiteral("Add"), [this] { AddRow(); });
    delButton_ = AddButton(QStringLiteral("Del"), [this] { DeleteRow(); });
    // The global states; the wait's end posts "Save OK!".
    AddButton(QStringLiteral("Save"), [this] { SaveFields(*global_); });
    PageColumns::Arrange(this, [](QWidget* part) {
        auto* box = qobject_cast<QGroupBox*>(part);
        return box && box->title() == QLatin1String("SSID Settings");
    });
    for (PageRequest* table : {ssidTable_, radiusTable_, accountingTable_})
        table->OnSet = [this](const RequestResult& result) {
            if (result.Status != 0)
                RowsWritten(false, result.Message);
            else
                WriteNext();
        };
    ShowForm();
}

void CMultiSsidPage::DeclareRowForm() {
    PageForm& form = Form(QStringLiteral("SSID Settings"));
    index_ = &form.Add<ComboField>(QStringLiteral("MSSID Index"));
    QStringList indexes;
    for (int i = 1; i <= kRows; ++i)
        indexes << IndexText(i);
    index_->Items(indexes);
    index_->Combo()->setCurrentIndex(1);
    ssid_ = &form.Add<EditField>(QStringLiteral("SSID"));
    ssid_->MaxLength(64);
    suppress_ = &form.Add<ComboField>(QStringLiteral("SSID Suppress"));
    suppress_->Items(MapTexts(*ssidTable_, "dot11MssidSuppress"));
    authentication_ = &form.Add<ComboField>(QStringLiteral("Authentication"));
    authentication_->Items(MapTexts(*ssidTable_, "dot11MssidAuthentication"));
    encryption_ = &form.Add<ComboField>(QStringLiteral("Encryption"));
    encryption_->Items(MapTexts(*ssidTable_, "dot11MssidEncryption"));
    keyType_ = &form.Add<ComboField>(QStringLiteral("Key Type"));
    keyType_->Items(MapTexts(*ssidTable_, "dot11MssidKeyType"));
    keySize_ = &form.Add<ComboField>(QStringLiteral("Key Size"));
    keySize_->Items(SecurityRules::KeySizes());
    keyIndex_ = &form.Add<ComboField>(QStringLiteral("Key Index"));
    keyIndex_->Items(MapTexts(*ssidTable_, "dot11MssidWepKeyIndex"));
    key_ = &form.Add<EditField>(QStringLiteral("Key"));
    wepFields_ = {encryption_, keyType_, keySize_, keyIndex_, key_};
    cipher_ = &form.Add<ComboField>(QStringLiteral("Cipher Type"));
    cipher_->Items(MapTexts(*ssidTable_, "dot11MssidCipherType"));
    passphrase_ = &form.Add<EditField>(QStringLiteral("PassPhrase"));
    passphrase_->Secret().MaxLength(64);
    confirm_ = &form.Add<EditField>(QStringLiteral("Confirm PassPhrase"));
    confirm_->Secret().MaxLength(64);
    groupInterval_ = &form.Add<EditField>(QStringLiteral("Group Key Update Interval"));
    personalFields_ = {cipher_, passphrase_, confirm_, groupInterval_};
    radiusSource_ = &form.Add<ComboField>(QStringLiteral("RADIUS Server Mode"));
    radiusSource_->Items(MapTexts(*radiusTable_, "dot11MssidRadiusSource"));
    radiusServer_ = &form.Add<IpAddressField>(QStringLiteral("RADIUS Server"));
    radiusPort_ = &form.Add<EditField>(QStringLiteral("RADIUS Port"));
    radiusSecret_ = &form.Add<EditField>(QStringLiteral("RADIUS Secret"));
    radiusSecret_->Secret();
    accounting_ = &form.Add<ComboField>(QStringLiteral("Accounting Mode"));
    accounting_->Items(MapTexts(*accountingTable_, "dot11MssidAccountingStatus"));
    accountingServer_ = &form.Add<IpAddressField>(QStringLiteral("Accounting Server"));
    accountingPort_ = &form.Add<EditField>(QStringLiteral("Accounting Port"));
    accountingSecret_ = &form.Add<EditField>(QStringLiteral("Accounting Secret"));
    accountingSecret_->Secret();
    serverFields_ = {radiusSource_, radiusServer_, radiusPort_, radiusSecret_, accounting_,
                     accountingServer_, accountingPort_, accountingSecret_};
    vlanId_ = &form.Add<EditField>(QStringLiteral("VLAN ID"));
    wmm_ = &form.Add<ComboField>(QStringLiteral("WMM"));
    wmm_->Items(MapTexts(*ssidTable_, "dot11MssidWmm"));
    priority_ = &form.Add<ComboField>(QStringLiteral("Priority"));
    priority_->Items(MapTexts(*ssidTable_, "dot11MssidPriority"));
    keyInterval_ = &form.Add<EditField>(*global_, "dot11RadiusKeyUpdateInterval", QStringLiteral("Key Update Interval (Seconds)"));
    keyInterval_->NeverWritten();   // written with an 802.1x row

    for (ComboField* combo : {authentication_, encryption_, accounting_})
        connect(combo->Combo(), &QComboBox::currentIndexChanged, this, [this] { ShowForm(); });
    for (ComboField* combo : {keyType_, keySize_})
        connect(combo->Combo(), &QComboBox::currentIndexChanged, this, [this] { KeyShapeChanged(); });
}

void CMultiSsidPage::MssidToggled(bool on) {
    if (!on || apModeText_->Text() == QLatin1String("Access Point"))
        return;
    if (MessageBox::Confirm(QStringLiteral("If you enable Multi-SSID,AP Mode will be Access Point!")) != MessageBox::AnswerOk)
        mssidState_->Box()->setChecked(false);
}

void CMultiSsidPage::Refresh() {
    Wait().BeginRefreshWait();
    StartReads(true);
}

// Reads the global states and walks the three tables; the list is filled
// when every read has ended.
void CMultiSsidPage::StartReads(bool refresh) {
    refreshing_ = refresh;
    readsPending_ = 0;
    readFailed_ = false;
    rows_.clear();
    std::vector<PageRequest*> reads{ssidTable_, radiusTable_, accountingTable_};
    if (refresh)
        reads.insert(reads.begin(), {global_, apMode_});
    for (PageRequest* request : reads) {
        request->OnGot = [this, request](const RequestResult& result) {
            if (result.Status == 0 && !result.Done) {
                RowArrived(*request);
                return;
            }
            ReadEnded(result, *request);
        };
        request->SetAccessAll(request->Table().Kind == 2 ? SnmpAccess::ReadOnly : request->RefreshAccess);
        if (request->StartRead())
            ++readsPending_;
        else
            readFailed_ = true;
    }
    if (readsPending_ == 0) {
        readsPending_ = 1;
        ReadEnded(RequestResult{-1, 0, {}, {}, {}, 0, 0, true}, *global_);
    }
}

void CMultiSsidPage::RowArrived(const PageRequest& table) {
    bool ok = false;
    const int index = table.Variables.Entry(0).Value.toInt(&ok);
    if (!ok)
        return;
    RowValues& row = rows_[index];
    for (int i = 1; i < table.Variables.Count(); ++i) {
        const MibVariableEntry& e = table.Variables.Entry(i);
        row[e.Name] = Readable(table, e.Name, e.Value);
    }
}

void CMultiSsidPage::ReadEnded(const RequestResult& result, const PageRequest& request) {
    if (result.Status != 0 && !readFailed_) {
        readFailed_ = true;
        if (!result.Message.isEmpty())
            PostStatus(StatusText::Format(false, result.Message, request.Variables.Label));
    }
    if (--readsPending_ > 0)
        return;
    const int chosen = rows_.count(EditedIndex()) ? EditedIndex() : 1;
    FillList();
    // The form shows the row it edits: the primary SSID after a refresh,
    // the row just written after an Add.
    for (size_t i = 0; i < listed_.size(); ++i)
        if (listed_[i] == (refreshing_ ? 1 : chosen)) {
            list_->View()->setCurrentItem(list_->View()->topLevelItem(static_cast<int>(i)));
            RowChosen(static_cast<int>(i));
        }
    if (refreshing_) {
        Wait().EndRefreshWait();
        if (!readFailed_)
            PostStatus(QString::fromLatin1(ShellTexts::GetOk));
    } else {
        Wait().EndWait(false, !readFailed_);
    }
}

void CMultiSsidPage::FillList() {
    list_->Clear();
    listed_.clear();
    for (const auto& [index, row] : rows_) {
        if (index != 1 && row.value("dot11MssIndividualState") != QLatin1String("Enable"))
            continue;
        list_->AddRow({IndexText(index), row.value("dot11MssidSsid"), band_->Text(), row.value("dot11MssidAuthentication")});
        listed_.push_back(index);
    }
}

void CMultiSsidPage::RowChosen(int listRow) {
    if (listRow < 0 || listRow >= static_cast<int>(listed_.size()))
        return;
    const int index = listed_[static_cast<size_t>(listRow)];
    const RowValues& row = rows_[index];
    delButton_->setEnabled(index != 1);
    index_->SetText(IndexText(index));
    ssid_->SetText(row.value("dot11MssidSsid"));
    suppress_->SetText(row.value("dot11MssidSuppress"));
    authentication_->SetText(row.value("dot11MssidAuthentication"));
    encryption_->SetText(row.value("dot11MssidEncryption"));
    keyType_->SetText(row.value("dot11MssidKeyType"));
    const QString key = row.value("dot11MssidWepKey");
    const QString size = SecurityRules::KeySizeFor(static_cast<int>(key.size()), keyType_->Text() == QLatin1String("HEX"));
    if (!size.isEmpty())
        keySize_->SetText(size);
    keyIndex_->SetText(row.value("dot11MssidWepKeyIndex"));
    key_->Edit()->setMaxLength(32767);   // the key arrives whole; the limit follows it
    key_->SetText(key);
    cipher_->SetText(row.value("dot11MssidCipherType"));
    passphrase_->SetText(row.value("dot11MssidPassPhrase"));
    confirm_->SetText(row.value("dot11MssidPassPhrase"));
    groupInterval_->SetText(row.value("dot11MssidGroupKeyUpdateInterval"));
    radiusSource_->SetText(row.value("dot11MssidRadiusSource"));
    radiusServer_->SetText(row.value("dot11MssidRADIUSServer"));
    radiusPort_->SetText(row.value("dot11MssidRADIUSPort"));
    radiusSecret_->SetText(row.value("dot11MssidRADIUSSecret"));
    accounting_->SetText(row.value("dot11MssidAccountingStatus"));
    accountingServer_->SetText(row.value("dot11MssidAccountingServer"));
    accountingPort_->SetText(row.value("dot11MssidAccountingServerPort"));
    accountingSecret_->SetText(row.value("dot11MssidAccountingPassPhrase"));
    vlanId_->SetText(row.value("dot11MssidVlanTagID"));
    wmm_->SetText(row.value("dot11MssidWmm"));
    priority_->SetText(row.value("dot11MssidPriority"));
    ShowForm();
}

void CMultiSsidPage::ShowForm() {
    const SecForm form = SecurityRules::FormOf(authentication_->Text());
    for (PageField* f : wepFields_)
        ShowField(*f, form == SecForm::Wep);
    for (PageField* f : personalFields_)
        ShowField(*f, form == SecForm::Personal || (form == SecForm::Enterprise && (f == cipher_ || f == groupInterval_)));
    const bool servers = form == SecForm::Enterprise || form == SecForm::Dot1x;
    const bool accountingOn = accounting_->Text() == QLatin1String("Enable");
    for (PageField* f : serverFields_) {
        const bool accountingDetail = f == accountingServer_ || f == accountingPort_ || f == accountingSecret_;
        ShowField(*f, servers && (!accountingDetail || accountingOn));
    }
    ShowField(*keyInterval_, form == SecForm::Dot1x);
    key_->Edit()->setEnabled(encryption_->Text() == QLatin1String("Enable"));
    KeyShapeChanged();
}

void CMultiSsidPage::KeyShapeChanged() {
    const int length = SecurityRules::KeyLength(keySize_->Text(), keyType_->Text() == QLatin1String("HEX"));
    key_->Edit()->setMaxLength(qMax(length, static_cast<int>(key_->Text().size())));
}

int CMultiSsidPage::EditedIndex() const { return index_->Combo()->currentIndex() + 1; }

bool CMultiSsidPage::ValidateRow() {
    const QString ssid = ssid_->Text();
    QString message;
    if (ssid.isEmpty())
        message = QStringLiteral("Please input SSID!");
    else if (ssid.startsWith(QLatin1Char(' ')))
        message = QStringLiteral("The first character can't be blank!");
    else if (ssid.endsWith(QLatin1Char(' ')))
        message = QStringLiteral("The first character and last character can't be blank.");
    else if (ssid.size() > 32)
        message = QStringLiteral("The Max Length of SSID is 32!");
    if (!message.isEmpty()) {
        ssid_->Reject(message);
        return false;
    }
    if (vlanState_->IsChecked() && vlanId_->Text().trimmed().isEmpty()) {
        vlanId_->Reject(QStringLiteral("Please input VLAN ID!"));
        return false;
    }
    SecurityRules::Inputs in;
    in.Authentication = authentication_->Text();
    in.EncryptionOn = encryption_->Text() == QLatin1String("Enable");
    in.HexKeys = keyType_->Text() == QLatin1String("HEX");
    in.KeyLength = SecurityRules::KeyLength(keySize_->Text(), in.HexKeys);
    if (key_->Edit()->isEnabled())
        in.Keys.push_back(key_);
    in.Passphrase = passphrase_;
    in.Confirm = confirm_;
    in.GroupInterval = groupInterval_;
    in.RadiusServer = radiusServer_;
    in.RadiusPort = radiusPort_;
    in.RadiusSecret = radiusSecret_;
    in.AccountingOn = accounting_->Text() == QLatin1String("Enable");
    in.AccountingServer = accountingServer_;
    in.AccountingPort = accountingPort_;
    in.AccountingSecret = accountingSecret_;
    in.KeyUpdateInterval = keyInterval_;
    return SecurityRules::Validate(in, SecurityRules::Wording::MultiSsidPage());
}

void CMultiSsidPage::AddRow() {
    if (!ValidateRow())
        return;
    const int index = EditedIndex();
    const SecForm form = SecurityRules::FormOf(authentication_->Text());
    // The device keeps one key per key index for all SSIDs.
    if (form == SecForm::Wep && encryption_->Text() == QLatin1String("Enable")) {
        for (const auto& [other, row] : rows_) {
            const bool wep = SecurityRules::FormOf(row.value("dot11MssidAuthentication")) == SecForm::Wep;
            const bool used = other == 1 || row.value("dot11MssIndividualState") == QLatin1String("Enable");
            if (other != index && used && wep && row.value("dot11MssidWepKeyIndex") == keyIndex_->Text() &&
                row.value("dot11MssidWepKey") != key_->Text()) {
                if (MessageBox::Confirm(QStringLiteral("Key value is used by SSID! \nTo change Key value affects other SSID settings.")) !=
                    MessageBox::AnswerOk)
                    return;
                break;
            }
        }
    }
    const QString key = QString::number(index);
    for (PageRequest* table : {ssidTable_, radiusTable_, accountingTable_}) {
        table->SetAccessAll(SnmpAccess::Invalid);
        table->Variables.Entry(0).Value = key;
    }
    PageRequest& s = *ssidTable_;
    Put(s, "dot11MssIndividualState", QStringLiteral("Enable"));
    Put(s, "dot11MssidSsid", ssid_->Text());
    Put(s, "dot11MssidSuppress", suppress_->Text());
    Put(s, "dot11MssidAuthentication", authentication_->Text());
    if (!vlanId_->Text().trimmed().isEmpty())
        Put(s, "dot11MssidVlanTagID", vlanId_->Text().trimmed());
    Put(s, "dot11MssidWmm", wmm_->Text());
    Put(s, "dot11MssidPriority", priority_->Text());
    writes_ = {ssidTable_};
    if (form == SecForm::Wep) {
        Put(s, "dot11MssidEncryption", encryption_->Text());
        Put(s, "dot11MssidWepKeyIndex", keyIndex_->Text());
        Put(s, "dot11MssidKeyType", keyType_->Text());
        Put(s, "dot11MssidWepKey", key_->Text());
    } else if (form == SecForm::Personal) {
        Put(s, "dot11MssidCipherType", cipher_->Text());
        Put(s, "dot11MssidPassPhrase", passphrase_->Text());
        Put(s, "dot11MssidGroupKeyUpdateInterval", groupInterval_->Text());
    } else if (form == SecForm::Enterprise || form == SecForm::Dot1x) {
        if (form == SecForm::Enterprise) {
            Put(s, "dot11MssidCipherType", cipher_->Text());
            Put(s, "dot11MssidGroupKeyUpdateInterval", groupInterval_->Text());
        }
        Put(*radiusTable_, "dot11MssidRADIUSServer", radiusServer_->Text());
        Put(*radiusTable_, "dot11MssidRADIUSPort", radiusPort_->Text());
        Put(*radiusTable_, "dot11MssidRADIUSSecret", radiusSecret_->Text());
        Put(*radiusTable_, "dot11MssidRadiusSource", radiusSource_->Text());
        Put(*accountingTable_, "dot11MssidAccountingStatus", accounting_->Text());
        if (accounting_->Text() == QLatin1String("Enable")) {
            Put(*accountingTable_, "dot11MssidAccountingServer", accountingServer_->Text());
            Put(*accountingTable_, "dot11MssidAccountingServerPort", accountingPort_->Text());
            Put(*accountingTable_, "dot11MssidAccountingPassPhrase", accountingSecret_->Text());
        }
        writes_.push_back(radiusTable_);
        writes_.push_back(accountingTable_);
    }
    if (form == SecForm::Dot1x) {
        global_->SetAccessAll(SnmpAccess::Invalid);
        global_->SetAccess("dot11RadiusKeyUpdateInterval", SnmpAccess::ReadWrite);
        global_->OnSet = [this](const RequestResult& result) {
            if (result.Status != 0)
                RowsWritten(false, result.Message);
            else
                WriteNext();
        };
        writes_.push_back(global_);
    }
    writtenIndex_ = IndexText(index);
    PostStatus(QStringLiteral("Save Multi-SSID...!"));
    Wait().BeginWait(false);
    WriteNext();
}

void CMultiSsidPage::DeleteRow() {
    const int listRow = list_->SelectedRow();
    if (listRow < 0 || listRow >= static_cast<int>(listed_.size()))
        return;
    const int index = listed_[static_cast<size_t>(listRow)];
    if (index == 1)
        return;   // the primary SSID stays
    for (PageRequest* table : {ssidTable_, radiusTable_, accountingTable_})
        table->SetAccessAll(SnmpAccess::Invalid);
    ssidTable_->Variables.Entry(0).Value = QString::number(index);
    Put(*ssidTable_, "dot11MssIndividualState", QStringLiteral("Disable"));
    writes_ = {ssidTable_};
    writtenIndex_ = IndexText(index);
    PostStatus(QStringLiteral("Deleting..."));
    Wait().BeginWait(false);
    WriteNext();
}

void CMultiSsidPage::WriteNext() {
    if (writes_.empty()) {
        RowsWritten(true, {});
        return;
    }
    PageRequest* next = writes_.front();
    writes_.erase(writes_.begin());
    if (!next->StartWrite())
        RowsWritten(false, {});
}

// The row's sets have ended: the list is read again, and the wait ends
// when it has arrived.
void CMultiSsidPage::RowsWritten(bool succeeded, const QString& message) {
    writes_.clear();
    PostStatus(QStringLiteral("Multi-SSID set: ") + writtenIndex_);
    if (succeeded) {
        PostStatus(QStringLiteral("Multi-SSID set success!"));
    } else if (!message.isEmpty()) {
        PostStatus(StatusText::Format(true, message, ssidTable_->Variables.Label));
    }
    if (!succeeded) {
        Wait().EndWait(false, false);
        return;
    }
    StartReads(false);
}
