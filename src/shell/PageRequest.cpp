#include "PageRequest.h"
#include "DeviceSettings.h"
#include "ShellTiming.h"
#include "StatusPost.h"
#include "snmp/CZRException.h"
#include "snmp/StatusText.h"

PageRequest::PageRequest(CPage* owner, const MibVariable* table, int32_t kind, int32_t timeoutHundredths,
                         const QString& label)
    : owner_(owner) {
    Variables = MibVariableList(table, kind);
    Variables.Label = label;
    Timeout = ShellTiming::Hundredths(timeoutHundredths);
    bindings_.resize(static_cast<size_t>(Variables.Count()));
}

void PageRequest::Bind(const QString& name, const ControlBinding& binding) { Bind(Variables.IndexOf(name), binding); }

void PageRequest::Bind(int index, const ControlBinding& binding) {
    if (index < 0 || index >= static_cast<int>(bindings_.size()))
        return;
    bindings_[static_cast<size_t>(index)] = binding;
}

const ControlBinding* PageRequest::BindingOf(int index) const {
    if (index < 0 || index >= static_cast<int>(bindings_.size()) || !bindings_[static_cast<size_t>(index)])
        return nullptr;
    return &*bindings_[static_cast<size_t>(index)];
}

void PageRequest::SetAccessAll(int32_t access) {
    for (int i = 0; i < Variables.Count(); ++i)
        Variables.Entry(i).Access = access;
}

void PageRequest::SetAccess(const QString& name, int32_t access) {
    const int i = Variables.IndexOf(name);
    if (i >= 0)
        Variables.Entry(i).Access = access;
}

bool PageRequest::StartRead() {
    DeviceSettings::ApplyTo(Target());
    try {
        ReadAsync([this](RequestResult* r, MibVariableList* l, uintptr_t) { Completed(false, r, l); }, true);
        return true;
    } catch (const CZRException& e) {
        StatusText::Post(e.Text());
        return false;
    }
}

bool PageRequest::StartWrite() {
    DeviceSettings::ApplyTo(Target());
    try {
        WriteAsync([this](RequestResult* r, MibVariableList* l, uintptr_t) { Completed(true, r, l); });
        return true;
    } catch (const CZRException& e) {
        StatusText::Post(e.Text());
        return false;
    }
}

void PageRequest::Completed(bool write, RequestResult* result, MibVariableList* list) {
    if (result->Status == 0) {
        // Keep what arrived, with the Access words as they are now.
        for (int i = 0; i < list->Count() && i < Variables.Count(); ++i) {
            Variables.Entry(i).Value = list->Entry(i).Value;
            Variables.Entry(i).AltValue = list->Entry(i).AltValue;
        }
    }
    if (!write && result->Status == 0 && !result->Done) {
        // A table row arrived; the walk goes on from it.
        if (OnGot)
            OnGot(*this, *result, *list);
        try {
            ReadAsync([this](RequestResult* r, MibVariableList* l, uintptr_t) { Completed(false, r, l); }, false);
        } catch (const CZRException& e) {
            StatusText::Post(e.Text());
        }
        return;
    }
    const Handler& handler = write ? OnSet : OnGot;
    if (handler)
        handler(*this, *result, *list);
    else
        StatusText::Post(StatusText::Format(write, result->Message, Variables.Label));
}

void PageRequest::ExchangeValue(MibVariableList& list, int index, bool arrived) {
    const ControlBinding* binding = BindingOf(index);
    if (!binding)
        return;
    if (arrived) {
        // A walk's column that has ended shows nothing.
        if (list.Entry(index).Value != QLatin1String("(NOTDONE)"))
            binding->ToControl(list.Entry(index));
    } else {
        binding->FromControl(list.Entry(index));
    }
}
