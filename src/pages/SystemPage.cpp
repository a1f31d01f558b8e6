#include "SystemPage.h"
#include "FormRows.h"
#include "MaintenanceTexts.h"
#include "mib/MaintenanceTables.h"
#include "platform/MessageBox.h"
#include "shell/ComboField.h"
#include "shell/PageForm.h"
#include "snmp/SnmpSyntax.h"

using namespace MaintenanceTexts;

namespace {
constexpr int32_t kCommandTimeout = 500;
}  // namespace

CSystemPage::CSystemPage(CMainView* view, const PageRow& row) : CMaintenancePage(view, row) {
    discard_ = &AddRequest(kDiscardChangesVars, kCommandTimeout);
    discardChoice_ = &Hidden<ComboField>(*discard_, "discardChanges");         // "nothing", "discard"
    language_ = &AddRequest(kLanguagePackClearVars, kCommandTimeout);
    languageChoice_ = &Hidden<ComboField>(*language_, "languagePackClear");     // "nothing", "clear"
    PageForm& form = Form(QStringLiteral("System Settings"));
    FormRows::TextRow(*this, form, QStringLiteral("Restart the device."), QStringLiteral("Restart"),
                      [this] { Restart(); });
    FormRows::TextRow(*this, form, QStringLiteral("Discard the changes that are not yet activated."),
                      QStringLiteral("Discard"), [this] { Discard(); });
    FormRows::TextRow(*this, form, QStringLiteral("Restore the factory default settings."),
                      QStringLiteral("Restore"), [this] { FactoryDefault(true); });
    FormRows::TextRow(*this, form, QStringLiteral("Clear the language pack."), QStringLiteral("Clear"),
                      [this] { ClearLanguagePack(); });
}

bool CSystemPage::HandleCommand(int commandId) {
    if (commandId != PageRegistry::CmdDiscardChanges)
        return false;
    Restart();
    return true;
}

void CSystemPage::Discard() {
    if (MessageBox::Confirm(QString::fromLatin1(DiscardQuestion)) != MessageBox::AnswerOk)
        return;
    discardChoice_->SetText(QStringLiteral("discard"));
    discard_->SetAccessAll(SnmpAccess::ReadWrite);
    discard_->OnSet = [this](const RequestResult& result) {
        PostStatus(QString::fromLatin1(result.Status == 0 ? DiscardOk : DiscardFailed));
    };
    if (!discard_->StartWrite())
        PostStatus(QString::fromLatin1(DiscardFailed));
    discardChoice_->SetText(QStringLiteral("nothing"));   // sent; nothing stays armed
}

void CSystemPage::ClearLanguagePack() {
    if (MessageBox::Confirm(QString::fromLatin1(ClearLanguageQuestion)) != MessageBox::AnswerOk)
        return;
    languageChoice_->SetText(QStringLiteral("clear"));
    language_->SetAccessAll(SnmpAccess::ReadWrite);
    language_->OnSet = nullptr;   // the engine's answer is the status line
    language_->StartWrite();
    languageChoice_->SetText(QStringLiteral("nothing"));
}
