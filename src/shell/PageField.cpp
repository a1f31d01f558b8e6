#include "PageField.h"
#include "PageRequest.h"
#include "platform/MessageBox.h"
#include "snmp/MibVariableList.h"
#include "snmp/SnmpSyntax.h"
#include "snmp/ValueMap.h"
#include <QWidget>

PageField::PageField(CPage* page, PageRequest* request, const QString& variable, const QString& label)
    : page_(page), request_(request), label_(label) {
    if (request_) {
        index_ = request_->IndexOf(variable);
        request_->Bind(index_, this);
    }
}

PageField::~PageField() {
    if (request_)
        request_->Bind(index_, nullptr);
}

QString PageField::Variable() const { return request_ ? request_->Variables.Entry(index_).Name : QString(); }

const ValueMap* PageField::Map() const { return request_ ? request_->Variables.Entry(index_).Map : nullptr; }

void PageField::Reject(const QString& message) {
    MessageBox::Show(message);
    if (QWidget* w = Widget())
        w->setFocus(Qt::OtherFocusReason);
}

PageField& PageField::Check(FieldCheck check) {
    checks_.push_back(std::move(check));
    return *this;
}

PageField& PageField::WrittenWhen(std::function<bool()> condition) {
    writtenWhen_ = std::move(condition);
    return *this;
}

PageField& PageField::NeverWritten() {
    neverWritten_ = true;
    return *this;
}

bool PageField::TakesPartInSave() const {
    if (!request_ || neverWritten_ || !Writes())
        return false;
    // A variable the device only reports is never written.
    const MibVariable& descriptor = request_->Table().Variables[index_];
    if (descriptor.Access == SnmpAccess::ReadOnly)
        return false;
    return !writtenWhen_ || writtenWhen_();
}

bool PageField::Validate() {
    const QString text = Text();
    for (const FieldCheck& check : checks_) {
        const QString message = check(text);
        if (!message.isEmpty()) {
            Reject(message);
            return false;
        }
    }
    return true;
}

void PageField::ToControl(const MibVariableEntry& entry) {
    SetText(entry.Map ? entry.Map->TextForValue(entry.Value) : entry.Value);
}

void PageField::FromControl(MibVariableEntry& entry) {
    const QString text = Text();
    entry.Value = entry.Map ? entry.Map->ValueForText(text) : text;
}
