#include "PageRequest.h"
#include "DeviceSettings.h"
#include "PageDeclarationError.h"
#include "ShellTiming.h"
#include "StatusPost.h"
#include "snmp/CZRException.h"
#include "snmp/StatusText.h"

PageRequest::PageRequest(CPage* owner, const PageTable& table, int32_t timeoutHundredths, const QString& label)
    : owner_(owner), table_(table) {
    Variables = MibVariableList(table.Variables, table.Kind, table.KeyCount);
    Variables.Label = label;
    Timeout = ShellTiming::Hundredths(timeoutHundredths);
    bindings_.resize(static_cast<size_t>(Variables.Count()), nullptr);
}

int PageRequest::IndexOf(const QString& name) const {
    const int index = Variables.IndexOf(name);
    if (index < 0)
        throw PageDeclarationError(
            QStringLiteral("table %1 has no variable \"%2\"").arg(QLatin1String(table_.Name), name));
    return index;
}

QString PageRequest::Value(const QString& name) const { return Variables.Entry(IndexOf(name)).Value; }

void PageRequest::SetValue(const QString& name, const QString& value) { Variables.Entry(IndexOf(name)).Value = value; }

void PageRequest::Bind(int index, ValueBinding* binding) {
    if (index < 0 || index >= static_cast<int>(bindings_.size()))
        throw PageDeclarationError(QStringLiteral("table %1 has no variable %2").arg(QLatin1String(table_.Name)).arg(index));
    if (bindings_[static_cast<size_t>(index)] && binding)
        throw PageDeclarationError(QStringLiteral("variable \"%1\" of table %2 is bound twice")
                                       .arg(Variables.Entry(index).Name, QLatin1String(table_.Name)));
    bindings_[static_cast<size_t>(index)] = binding;
}

ValueBinding* PageRequest::BindingOf(int index) const {
    if (index < 0 || index >= static_cast<int>(bindings_.size()))
        return nullptr;
    return bindings_[static_cast<size_t>(index)];
}

void PageRequest::SetAccessAll(int32_t access) {
    for (int i = 0; i < Variables.Count(); ++i)
        Variables.Entry(i).Access = access;
}

void PageRequest::SetAccess(const QString& name, int32_t access) { Variables.Entry(IndexOf(name)).Access = access; }

int PageRequest::LongestWaitMs() const { return Timeout * 10 * (Retries + 1); }

bool PageRequest::StartRead() {
    DeviceSettings::ApplyTo(Target());
    for (ValueBinding* binding : bindings_) {
        if (binding)
            binding->ReadStarting();
    }
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
            OnGot(*result);
        try {
            ReadAsync([this](RequestResult* r, MibVariableList* l, uintptr_t) { Completed(false, r, l); }, false);
        } catch (const CZRException& e) {
            StatusText::Post(e.Text());
        }
        return;
    }
    const Handler& handler = write ? OnSet : OnGot;
    if (handler)
        handler(*result);
    else
        StatusText::Post(StatusText::Format(write, result->Message, Variables.Label));
}

void PageRequest::ExchangeValue(MibVariableList& list, int index, bool arrived) {
    ValueBinding* binding = BindingOf(index);
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
