#include "MaintenancePage.h"
#include "MaintenanceTexts.h"
#include "mib/MaintenanceTables.h"
#include "platform/MessageBox.h"
#include "shell/ComboField.h"
#include "shell/MainFrame.h"
#include "shell/MainView.h"
#include "shell/PageWait.h"
#include "shell/ShellTiming.h"
#include "shell/WaitDialog.h"
#include "snmp/SnmpSyntax.h"

namespace {
constexpr int32_t kRestartTimeout = 500;
}  // namespace

CMaintenancePage::CMaintenancePage(CMainView* view, const PageRow& row) : CPage(view, row) {
    restart_ = &AddRequest(kRestartVars, kRestartTimeout);
    restartChoice_ = &Hidden<ComboField>(*restart_, "deviceRestart");              // "nothing", "reboot"
    factoryChoice_ = &Hidden<ComboField>(*restart_, "deviceFactoryDefault");       // "nothing", "reset"
    closeTimer_.setObjectName(QStringLiteral("close"));
    closeTimer_.setSingleShot(true);
    connect(&closeTimer_, &QTimer::timeout, this, [this] { Close(); });
    restartTimer_.setObjectName(QStringLiteral("restart"));
    restartTimer_.setSingleShot(true);
    connect(&restartTimer_, &QTimer::timeout, this, [this] { RestartLater(); });
}

CMaintenancePage::~CMaintenancePage() {
    closeTimer_.stop();
    restartTimer_.stop();
    delete dialog_.data();
}

bool CMaintenancePage::IsBusy() const { return waiting_ || CPage::IsBusy(); }

void CMaintenancePage::BeginWait(const QString& line) {
    waiting_ = true;
    closeTimer_.stop();
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->setEnabled(false);
    if (!dialog_)
        dialog_ = new CWaitDialog(View());
    dialog_->Start(line);
}

void CMaintenancePage::SetWaitLine(const QString& line) {
    if (dialog_)
        dialog_->SetLine(line);
}

void CMaintenancePage::CloseAfter(int milliseconds) { ShellTiming::StartTimer(closeTimer_, milliseconds); }

void CMaintenancePage::Close() {
    waiting_ = false;
    // A wait of the window's own (a refresh) keeps the frame disabled until it ends.
    if (CMainFrame* frame = CMainFrame::Instance(); frame && !Wait().IsWaiting())
        frame->setEnabled(true);
    if (dialog_) {
        dialog_->hide();
        dialog_->deleteLater();
        dialog_.clear();
    }
    Closed();
}

bool CMaintenancePage::WriteRestart(PageRequest::Handler onSet, bool once) {
    restartChoice_->SetText(QStringLiteral("reboot"));
    restart_->SetAccess(QStringLiteral("deviceRestart"), SnmpAccess::ReadWrite);
    restart_->SetAccess(QStringLiteral("deviceFactoryDefault"), SnmpAccess::Invalid);
    restart_->OnSet = std::move(onSet);
    const int32_t retries = restart_->Retries;
    if (once)
        restart_->Retries = 0;   // the set takes the target as it is now
    const bool sent = restart_->StartWrite();
    restart_->Retries = retries;
    return sent;
}

void CMaintenancePage::Restart() {
    if (MessageBox::Confirm(QString::fromLatin1(MaintenanceTexts::RebootQuestion)) != MessageBox::AnswerOk)
        return;
    BeginWait(QString::fromLatin1(MaintenanceTexts::Rebooting));
    ShellTiming::StartTimer(restartTimer_, kRestartDelayMs);
    CloseAfter(kRebootWaitMs);
}

void CMaintenancePage::RestartLater() { WriteRestart(); }

void CMaintenancePage::FactoryDefault(bool alsoRestart) {
    restartChoice_->SetText(QStringLiteral("reboot"));
    factoryChoice_->SetText(QStringLiteral("reset"));
    restart_->SetAccess(QStringLiteral("deviceFactoryDefault"), SnmpAccess::ReadWrite);
    restart_->SetAccess(QStringLiteral("deviceRestart"), SnmpAccess::Invalid);
    if (MessageBox::Confirm(QString::fromLatin1(MaintenanceTexts::FactoryQuestion)) != MessageBox::AnswerOk) {
        // Nothing is armed once the question is refused.
        restartChoice_->SetText(QStringLiteral("nothing"));
        factoryChoice_->SetText(QStringLiteral("nothing"));
        return;
    }
    restart_->OnSet = nullptr;
    restart_->StartWrite();
    // Only the factory default was to go: the choice reads "nothing" again
    // for any later restart.
    factoryChoice_->SetText(QStringLiteral("nothing"));
    BeginWait(QString::fromLatin1(MaintenanceTexts::Rebooting));
    CloseAfter(kRebootWaitMs);
    if (alsoRestart)
        ShellTiming::StartTimer(restartTimer_, kRestartDelayMs);
}
