#include "QosPage.h"
#include "CellText.h"
#include "mib/pages/TrafficControlPageTables.h"
#include "shell/ShellTexts.h"
#include "snmp/SnmpSyntax.h"
#include "snmp/StatusText.h"
#include "snmp/ValueMap.h"

using namespace MibPages;

CQosPage::CQosPage(CMainView* view, const PageRow& row) : CPage(view, row) {
    rules_ = &AddRequest(kQosPriorityRuleVars, 500);
    rules_->RefreshAccess = SnmpAccess::ReadOnly;
    view_ = &List(QStringLiteral("QoS Rules"));
    for (const char* header : {"Rule", "Priority", "Limit (%)", "Port(s)"})
        view_->Column(QString::fromLatin1(header));
    rules_->OnGot = [this](const RequestResult& result) { RulesArrived(result); };
}

void CQosPage::RulesArrived(const RequestResult& result) {
    if (result.Status != 0) {
        PostStatus(StatusText::Format(false, result.Message, rules_->Variables.Label));
        return;   // the list stays as it was
    }
    // The table holds the priorities of rules 1-9, then their limits, then their ports.
    view_->Clear();
    for (int n = 0; n < kRules; ++n) {
        const MibVariableEntry& priority = rules_->Variables.Entry(n);
        const QString value = CellText(priority.Value);
        view_->AddRow({QString::number(n + 1), priority.Map && !value.isEmpty() ? priority.Map->TextForValue(value) : value,
                       CellText(rules_->Variables.Entry(kRules + n).Value),
                       CellText(rules_->Variables.Entry(2 * kRules + n).Value)});
    }
    PostStatus(QString::fromLatin1(ShellTexts::RefreshOk));
}
