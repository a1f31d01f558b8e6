#pragma once
#include "shell/Page.h"
#include "shell/WaitDialog.h"
#include <QPointer>
#include <QTimer>

class ComboField;

// The common ground of the maintenance pages: the restart request with its
// hidden restart and factory-default choices, the page's own wait (frame
// disabled, the page's wait dialog) that ends through the close timer, and
// the restart and factory-default sequences.
class CMaintenancePage : public CPage {
    Q_OBJECT
public:
    static constexpr int kCloseSoonMs = 100;
    static constexpr int kRebootWaitMs = 50000;
    static constexpr int kRestartDelayMs = 2000;

    CMaintenancePage(CMainView* view, const PageRow& row);
    ~CMaintenancePage() override;

    // Also busy while the page's wait runs.
    bool IsBusy() const override;
    bool Waiting() const { return waiting_; }
    // The page's wait dialog while it is shown, else nullptr.
    CWaitDialog* WaitDialog() const { return dialog_.data(); }

protected:
    // "Restart": asks, then restarts the device 2 s later and waits 50 s.
    void Restart();
    // "Restore": asks, then sends the factory default alone and waits 50 s;
    // `alsoRestart` sends the restart 2 s later as Restart does.
    void FactoryDefault(bool alsoRestart);

    // The page's wait: the frame disabled and the wait dialog with `line`.
    void BeginWait(const QString& line);
    void SetWaitLine(const QString& line);
    // The close timer: the wait ends `milliseconds` from now.
    void CloseAfter(int milliseconds);
    // Sends deviceRestart "reboot" alone; `onSet` receives the answer
    // (without one the engine's message is posted). `once`: without the
    // request's retries.
    bool WriteRestart(PageRequest::Handler onSet = {}, bool once = false);
    // What ending the wait does besides (the transfer pages clear the path).
    virtual void Closed() {}

private:
    void Close();
    void RestartLater();

    PageRequest* restart_ = nullptr;
    ComboField* restartChoice_ = nullptr;
    ComboField* factoryChoice_ = nullptr;
    QPointer<CWaitDialog> dialog_;
    QTimer closeTimer_;     // timer 1
    QTimer restartTimer_;   // timer 2
    bool waiting_ = false;
};
