#include "TemplateApplyContext.h"
#include "MappedRequest.h"
#include "snmp/SnmpSyntax.h"

QString TemplateApplyContext::Prefix(const char* group) const {
    return QString::fromLatin1(group) + (Band5GHz ? QStringLiteral("_80211a") : QStringLiteral("_80211g"));
}

std::unique_ptr<MappedRequest> TemplateApplyContext::NewRequest(const MibVariable* table) const {
    auto request = std::make_unique<MappedRequest>();
    request->Target() = Target;
    request->WriteObserver = ObserveWrite;
    request->DryRun = DryRun;
    if (table) {
        request->Variables = MibVariableList(table, MibVariableList::MVT_SV);
        for (int i = 0; i < request->Variables.Count(); ++i)
            LeaveOut(request->Variables, i);
    }
    return request;
}

void SelectEntry(MibVariableList& list, int index, const QString& value) {
    list.Entry(index).Access = SnmpAccess::ReadWrite;
    list.Entry(index).Value = value;
}

void LeaveOut(MibVariableList& list, int index) {
    list.Entry(index).Access = SnmpAccess::Invalid;
}

void TemplateApplyContext::SelectKey(MibVariableList& list, int index, const QString& key, const QString& value) const {
    SelectEntry(list, index, value);
    if (ObserveKey)
        ObserveKey(key, list.Entry(index));
}

void TemplateApplyContext::StartGroup(const char* group) const {
    if (ObserveGroup)
        ObserveGroup(QString::fromLatin1(group));
}

void TemplateApplyContext::UseKey(const QString& key) const {
    if (ObserveUse)
        ObserveUse(key);
}
