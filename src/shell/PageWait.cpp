#include "PageWait.h"
#include "MainFrame.h"
#include "MainView.h"
#include "ShellTexts.h"
#include "ShellTiming.h"
#include "StatusPost.h"
#include "WaitDialog.h"

PageWait::PageWait(CMainView* view) : QObject(view), view_(view) { timer_.setSingleShot(true); }

PageWait::~PageWait() { CloseDialog(); }

void PageWait::Disable(const QString& status, const QString& line) {
    waiting_ = true;
    timer_.stop();
    timer_.disconnect();
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->setEnabled(false);
    StatusText::Post(status);
    if (!dialog_)
        dialog_ = new CWaitDialog(view_);
    dialog_->Start(line);
}

void PageWait::BeginWait(bool apply) {
    Disable(QString::fromLatin1(apply ? ShellTexts::Applying : ShellTexts::Saving),
            QString::fromLatin1(apply ? ShellTexts::ApplyingLine : ShellTexts::SavingLine));
}

void PageWait::EndWait(bool apply, bool succeeded) {
    timer_.disconnect();
    const bool applied = apply && succeeded;
    connect(&timer_, &QTimer::timeout, this, [this, succeeded, applied] { Finish(succeeded, applied); });
    timer_.start(ShellTiming::Ms(applied ? kApplyMs : kSaveSettleMs));
}

void PageWait::BeginRefreshWait() {
    Disable(QString::fromLatin1(ShellTexts::Refreshing), QString::fromLatin1(ShellTexts::RefreshingLine));
}

void PageWait::EndRefreshWait() {
    timer_.stop();
    waiting_ = false;
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->setEnabled(true);
    CloseDialog();
    StatusText::Post(QString::fromLatin1(ShellTexts::RefreshOk));
}

void PageWait::TimedWait(const QString& line, int milliseconds, std::function<void()> done) {
    Disable(line, line);
    timedDone_ = std::move(done);
    connect(&timer_, &QTimer::timeout, this, [this] {
        waiting_ = false;
        if (CMainFrame* frame = CMainFrame::Instance())
            frame->setEnabled(true);
        CloseDialog();
        if (auto done = std::move(timedDone_))
            done();
    });
    timer_.start(ShellTiming::Ms(milliseconds));
}

void PageWait::Finish(bool saveOk, bool applied) {
    waiting_ = false;
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->setEnabled(true);
    CloseDialog();
    if (applied && AfterApply)
        AfterApply();
    if (saveOk)
        StatusText::Post(QString::fromLatin1(ShellTexts::SaveOk));
}

void PageWait::CloseDialog() {
    if (dialog_) {
        dialog_->hide();
        dialog_->deleteLater();
        dialog_.clear();
    }
}
