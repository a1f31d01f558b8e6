#pragma once
#include "PageRegistry.h"
#include "PageRequest.h"
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class CMainView;
class IpAddressEdit;
class PageWait;
class QLineEdit;

// The base of every page of the management window: a modeless child of the
// view that owns its requests (created once, with the page) and their
// bindings. The shared cycle (refresh, busy test, save with validation and
// wait, status line) lives here; a page adds its binding table and rules.
class CPage : public QWidget {
    Q_OBJECT
public:
    CPage(CMainView* view, const PageRow& row);
    ~CPage() override;

    const PageRow& Row() const { return row_; }
    CMainView* View() const { return view_; }

    // Reads every request marked for refresh (Access 6 first).
    virtual void Refresh();
    // True while one of the page's requests is in progress.
    virtual bool IsBusy() const;
    // The filter page's mode and the reload of its controls from its data.
    virtual void SetMode(int mode) { (void)mode; }
    virtual void ReloadControls() {}
    // Save and Activate (the Information page) and the restart sequence
    // (the System page); other pages ignore them.
    virtual void SaveAndActivate() {}
    virtual void StartRestart() {}

    int RequestCount() const { return static_cast<int>(requests_.size()); }
    PageRequest& Request(int index) const { return *requests_.at(static_cast<size_t>(index)); }

protected:
    PageRequest& AddRequest(const MibVariable* table, int32_t kind, int32_t timeoutHundredths,
                            const QString& label = {});
    void PostStatus(const QString& text) const;
    PageWait& Wait() const;

    // The save sequence: every variable to Access 32, then `rules` marks the
    // meaningful ones (Access 6) and validates in the page's order; on
    // success the wait begins and the set is sent. The set's completion
    // posts the engine's message, calls `followUp` and ends the wait;
    // "Save OK!" follows only when the set succeeded.
    void Save(PageRequest& request, const std::function<bool()>& rules,
              const std::function<void(const RequestResult&)>& followUp = {});

    // Validation of one field: on failure the message box, then the control
    // is prepared for correction (address cleared and first field focused, or
    // an edit's text selected and focused), and false is returned.
    bool RequireIpAddress(IpAddressEdit* control, const QString& message) const;
    bool RequireSubnetMask(IpAddressEdit* control, const QString& message) const;
    bool RequireIpAddress(QLineEdit* edit, const QString& message) const;
    bool RequireNumber(QLineEdit* edit, long long low, long long high, const QString& message) const;
    static void Reject(IpAddressEdit* control, const QString& message);
    static void Reject(QLineEdit* edit, const QString& message);

private:
    CMainView* view_;
    const PageRow& row_;
    std::vector<std::unique_ptr<PageRequest>> requests_;
};
