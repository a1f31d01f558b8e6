#include "IntrusionPage.h"
#include "CellText.h"
#include "mib/pages/IntrusionPageTables.h"
#include "platform/MessageBox.h"
#include "shell/PageForm.h"
#include "snmp/SnmpSyntax.h"
#include "snmp/StatusText.h"
#include "snmp/ValueMap.h"

using namespace MibPages;

namespace {
constexpr int32_t kTimeout = 1000;
const char* const kRoot = "1.3.6.1.4.1.171.10.37.36.3.4.4.";

// The list's columns: header and survey variable.
const std::pair<const char*, const char*> kColumns[] = {
    {"Index", "dot11RogueApSurveyIndex"}, {"Type", "dot11RogueApSurveyType"},      {"Band", "dot11RogueApSurveyMode"},
    {"SSID", "dot11RogueApSurveySsid"},   {"BSSID", "dot11RogueApSurveyBssid"},    {"Last Seen", "dot11RogueApSurveyLastseem"},
    {"Status", "dot11RogueApSurveyStatus"}};
}  // namespace

CIntrusionPage::CIntrusionPage(CMainView* view, const PageRow& row) : CPage(view, row) {
    survey_ = &AddRequest(kIntrusionApListTableVars, kTimeout);
    survey_->RefreshAccess = SnmpAccess::ReadOnly;
    // The commands and the detection are variables made at run time.
    refresh_ = &AddRequest(kIntrusionApListTableVars, kTimeout);
    refresh_->ReadOnRefresh = false;
    command_ = &AddRequest(kIntrusionApListTableVars, kTimeout);
    command_->ReadOnRefresh = false;

    static const Command kSetAs[] = {
        {"Set as Valid", "dot11RogueApAddtoValid", "5", "Set as Valid, please wait..."},
        {"Set as Neighborhood", "dot11RogueApAddtoNeighbor", "6", "Set as Neighborhood, please wait..."},
        {"Set as Rogue", "dot11RogueApAddtoRouge", "7", "Set as Rogue, please wait..."},
        {"Set as New", "dot11RogueApAddtoNew", "8", "Set as New, please wait..."},
    };
    static const Command kMarkAll[] = {
        {"Mark All New Access Points as Valid Access Points ", "dot11IntrusionAllNewNodesAsValid", "9",
         " Mark All New Access Points as Valid Access Points, please wait..."},
        {"Mark All New Access Points as Rogue Access Points ", "dot11IntrusionUnknownAccessNodesAsRogue", "10",
         " Mark Unknown Access Points as Rogue Access Points, please wait..."},
    };

    PageForm& form = Form(QStringLiteral("Wireless Intrusion Protection"));
    view_ = &form.List(QStringLiteral("AP List"));
    view_->Checkable();
    for (const auto& [header, variable] : kColumns)
        view_->Column(QString::fromLatin1(header));
    form.Button(QStringLiteral("Detect"), [this] { Detect(); });
    // Each long command on a row of its own.
    for (const Command& command : kMarkAll)
        Form(QString()).Button(QString::fromLatin1(command.Button), [this, &command] { MarkAll(command); });
    PageForm& setAs = Form(QString());
    for (const Command& command : kSetAs)
        setAs.Button(QString::fromLatin1(command.Button), [this, &command] { SetAs(command); });

    survey_->OnGot = [this](const RequestResult& result) {
        if (result.Status == 0 && !result.Done)
            SurveyRowArrived();
        else
            SurveyEnded(result);
    };
}

void CIntrusionPage::Detect() {
    PostStatus(QStringLiteral("Detecting, please wait..."));
    MibVariableList variables;
    variables.Kind = MibVariableList::SVT_SV;
    variables.Label = refresh_->Variables.Label;
    variables.Add(QString::fromLatin1(kRoot) + QStringLiteral("1"), QStringLiteral("dot11RogueApSurveyRefresh"),
                  SnmpSyntax::Integer, SnmpAccess::ReadWrite);
    variables.Entry(0).Value = QStringLiteral("1");
    refresh_->Variables = variables;
    refresh_->OnSet = [this](const RequestResult& result) {
        if (result.Status != 0) {
            PostStatus(StatusText::Format(true, result.Message, refresh_->Variables.Label));
            return;   // the list stays as it was
        }
        arriving_.clear();
        survey_->SetAccessAll(SnmpAccess::ReadOnly);
        survey_->StartRead();
    };
    refresh_->StartWrite();
}

void CIntrusionPage::SurveyRowArrived() {
    QStringList cells;
    for (const auto& [header, variable] : kColumns) {
        const MibVariableEntry& entry = survey_->Variables.Entry(survey_->IndexOf(QString::fromLatin1(variable)));
        const QString value = CellText(entry.Value);
        const QString text = entry.Map && !value.isEmpty() ? entry.Map->TextForValue(value) : value;
        cells << (text.isEmpty() ? value : text);
    }
    if (!cells.first().isEmpty())
        arriving_.push_back(cells);
}

void CIntrusionPage::SurveyEnded(const RequestResult& result) {
    // A detection that failed leaves the list as it was.
    if (result.Status == 0) {
        view_->Clear();
        for (const QStringList& cells : arriving_)
            view_->AddRow(cells);
    }
    arriving_.clear();
    PostStatus(StatusText::Format(false, result.Message, survey_->Variables.Label));
}

void CIntrusionPage::SetAs(const Command& command) {
    QStringList indexes;
    const std::vector<QStringList> rows = view_->Rows();
    for (int row = 0; row < view_->RowCount(); ++row) {
        if (view_->IsTicked(row))
            indexes << rows[static_cast<size_t>(row)].first();
    }
    if (indexes.isEmpty()) {
        MessageBox::Show(QStringLiteral("No item selected!"));
        return;
    }
    Send(command, indexes);
}

void CIntrusionPage::MarkAll(const Command& command) { Send(command, {QStringLiteral("1")}); }

void CIntrusionPage::Send(const Command& command, const QStringList& values) {
    PostStatus(QString::fromLatin1(command.Line));
    MibVariableList variables;
    variables.Kind = MibVariableList::SVT_SV;
    variables.Label = command_->Variables.Label;
    for (const QString& value : values) {
        variables.Add(QString::fromLatin1(kRoot) + QString::fromLatin1(command.Oid), QString::fromLatin1(command.Variable),
                      SnmpSyntax::Integer, SnmpAccess::ReadWrite);
        variables.Entry(variables.Count() - 1).Value = value;
    }
    command_->Variables = variables;
    command_->OnSet = [this](const RequestResult& result) {
        if (result.Status != 0) {
            PostStatus(StatusText::Format(true, result.Message, command_->Variables.Label));
            return;
        }
        Detect();
    };
    command_->StartWrite();
}
