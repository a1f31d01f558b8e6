#include "PageWait.h"
#include "MainFrame.h"
#include "MainView.h"
#include "ShellTexts.h"
#include "ShellTiming.h"
#include "StatusPost.h"
#include "WaitDialog.h"
#include <QTimer>

PageWait::PageWait(CMainView* view) : QObject(view), view_(view) {}

PageWait::~PageWait() {
    waits_.clear();   // their timers stop with them
    CloseDialog();
}

PageWait::Wait& PageWait::Start(const QString& status, const QString& line) {
    waits_.push_back(std::make_unique<Wait>());
    Wait& wait = *waits_.back();
    wait.Line = line;
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->setEnabled(false);
    StatusText::Post(status);
    if (!dialog_)
        dialog_ = new CWaitDialog(view_);
    dialog_->Start(line);
    return wait;
}

void PageWait::EndAfter(Wait& wait, int milliseconds, const char* name, std::function<void()> then) {
    wait.Timer = std::make_unique<QTimer>();
    wait.Timer->setObjectName(QString::fromLatin1(name));
    wait.Timer->setSingleShot(true);
    Wait* which = &wait;
    connect(wait.Timer.get(), &QTimer::timeout, this, [this, which, then = std::move(then)] {
        const std::function<void()> next = then;   // End lets the timer, and this lambda, go
        End(*which);
        if (next)
            next();
    });
    ShellTiming::StartTimer(*wait.Timer, milliseconds);
}

void PageWait::End(Wait& wait) {
    if (refresh_ == &wait) {
        refresh_ = nullptr;
        refreshDepth_ = 0;
    }
    for (auto it = waits_.begin(); it != waits_.end(); ++it) {
        if (it->get() != &wait)
            continue;
        // The timer may be the sender of the signal being handled: it goes
        // when control returns to the event loop.
        if (QTimer* timer = (*it)->Timer.release()) {
            timer->stop();
            timer->deleteLater();
        }
        waits_.erase(it);
        break;
    }
    if (!waits_.empty()) {
        if (dialog_)
            dialog_->SetLine(waits_.back()->Line);
        return;
    }
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->setEnabled(true);
    CloseDialog();
}

void PageWait::BeginWait(bool apply) {
    Wait& wait = Start(QString::fromLatin1(apply ? ShellTexts::Applying : ShellTexts::Saving),
                       QString::fromLatin1(apply ? ShellTexts::ApplyingLine : ShellTexts::SavingLine));
    unanswered_.push_back(&wait);
}

void PageWait::EndWait(bool apply, bool succeeded) {
    // The wait of the save or apply whose set has answered; one is made when
    // none was begun, so that the end is the same.
    Wait* wait = nullptr;
    if (!unanswered_.empty()) {
        wait = unanswered_.front();
        unanswered_.pop_front();
    } else {
        waits_.push_back(std::make_unique<Wait>());
        wait = waits_.back().get();
        wait->Line = QString::fromLatin1(apply ? ShellTexts::ApplyingLine : ShellTexts::SavingLine);
    }
    const bool applied = apply && succeeded;
    EndAfter(*wait, applied ? kApplyMs : kSaveSettleMs, applied ? "apply" : "save", [this, succeeded, applied] {
        if (applied && AfterApply)
            AfterApply();
        if (succeeded)
            StatusText::Post(QString::fromLatin1(ShellTexts::SaveOk));
    });
}

void PageWait::BeginRefreshWait() {
    ++refreshDepth_;
    if (refresh_) {
        // Already waiting for a refresh: the status line and dialog say so again.
        StatusText::Post(QString::fromLatin1(ShellTexts::Refreshing));
        return;
    }
    refresh_ = &Start(QString::fromLatin1(ShellTexts::Refreshing), QString::fromLatin1(ShellTexts::RefreshingLine));
}

void PageWait::EndRefreshWait() {
    if (refresh_ && --refreshDepth_ <= 0)
        End(*refresh_);
    StatusText::Post(QString::fromLatin1(ShellTexts::RefreshOk));
}

void PageWait::TimedWait(const QString& line, int milliseconds, std::function<void()> done) {
    EndAfter(Start(line, line), milliseconds, "timed", std::move(done));
}

void PageWait::CloseDialog() {
    if (dialog_) {
        dialog_->hide();
        dialog_->deleteLater();
        dialog_.clear();
    }
}
