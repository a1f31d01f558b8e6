#pragma once
#include "WaitDialog.h"
#include <QObject>
#include <QPointer>
#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

class CMainView;
class QTimer;

// The window-wide waits of the page cycle: the frame is disabled and the wait
// dialog shown from the start of a save, an apply, a long refresh or a timed
// wait until its end. Each wait ends on its own (its own timer, or its own
// end call); the frame is enabled again and the one wait dialog goes only
// when no wait is left. While waits overlap, the dialog shows the line of the
// latest one still going.
class PageWait : public QObject {
    Q_OBJECT
public:
    static constexpr int kSaveSettleMs = 100;
    static constexpr int kApplyMs = 45000;

    explicit PageWait(CMainView* view);
    ~PageWait() override;

    // Disables the frame, posts the status line and shows the dialog.
    void BeginWait(bool apply);
    // The set of the oldest save or apply begun has answered.
    // Save (apply false): after 100 ms the save's wait ends and "Save OK!" is
    // posted when the set succeeded. Apply: after 45 s the same, then
    // AfterApply runs; a failed apply ends after 100 ms without "Save OK!",
    // leaving the engine's message on the status line.
    void EndWait(bool apply, bool succeeded);
    // Refresh waits nest: each EndRefreshWait posts "Refresh OK!", the last
    // one ends the refresh wait.
    void BeginRefreshWait();
    void EndRefreshWait();
    // A wait of a fixed length with its own line (the restart sequence).
    void TimedWait(const QString& line, int milliseconds, std::function<void()> done = {});

    bool IsWaiting() const { return !waits_.empty(); }
    CWaitDialog* Dialog() const { return dialog_.data(); }

    // Shows the Information page after an apply (set by the frame).
    std::function<void()> AfterApply;

private:
    struct Wait {
        QString Line;
        std::unique_ptr<QTimer> Timer;   // none while the wait has no end in sight
    };

    Wait& Start(const QString& status, const QString& line);
    // Starts the wait's own timer; `then` runs once the wait has ended.
    void EndAfter(Wait& wait, int milliseconds, const char* name, std::function<void()> then);
    // Removes the wait; the last one enables the frame and closes the dialog.
    void End(Wait& wait);
    void CloseDialog();

    CMainView* view_;
    QPointer<CWaitDialog> dialog_;
    std::vector<std::unique_ptr<Wait>> waits_;   // in the order they began
    std::deque<Wait*> unanswered_;               // saves and applies whose sets have not answered, oldest first
    Wait* refresh_ = nullptr;
    int refreshDepth_ = 0;
};
