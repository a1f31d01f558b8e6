#pragma once
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

class CMainView;
#include "WaitDialog.h"

// The window-wide waits of the page cycle: the frame is disabled and the wait
// dialog shown from the start of a save, an apply or a long refresh until its
// end. One wait dialog serves them all.
class PageWait : public QObject {
    Q_OBJECT
public:
    static constexpr int kSaveSettleMs = 100;
    static constexpr int kApplyMs = 45000;

    explicit PageWait(CMainView* view);
    ~PageWait() override;

    // Disables the frame, posts the status line and shows the dialog.
    void BeginWait(bool apply);
    // Save (apply false): after 100 ms the frame is enabled, the dialog goes
    // and "Save OK!" is posted when the set succeeded. Apply: after 45 s the
    // same, then AfterApply runs; a failed apply ends after 100 ms without
    // "Save OK!", leaving the engine's message on the status line.
    void EndWait(bool apply, bool succeeded);
    void BeginRefreshWait();
    void EndRefreshWait();
    // A wait of a fixed length with its own line (the restart sequence).
    void TimedWait(const QString& line, int milliseconds, std::function<void()> done = {});

    bool IsWaiting() const { return waiting_; }
    CWaitDialog* Dialog() const { return dialog_.data(); }

    // Shows the Information page after an apply (set by the frame).
    std::function<void()> AfterApply;

private:
    void Disable(const QString& status, const QString& line);
    void Finish(bool saveOk, bool applied);
    void CloseDialog();

    CMainView* view_;
    QPointer<CWaitDialog> dialog_;
    QTimer timer_;
    bool waiting_ = false;
    std::function<void()> timedDone_;
};
