#pragma once
#include "MenuResource.h"
#include "Page.h"
#include "PageRegistry.h"
#include "WindowSettings.h"
#include "controls/OutlookBar.h"
#include <QMainWindow>
#include <QPointer>
#include <map>

class CMainDoc;
class CMainView;
class QLabel;
class QSplitter;

// The management window: a fixed-size frame with menu 109, a status bar of
// one stretching pane, and a splitter with the outlook bar on the left and
// the view on the right. Navigation switches the page shown; closing is
// refused while a page has a request in progress.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kWidth = 860;
    static constexpr int kHeight = 620;

    explicit CMainFrame(const WindowSettings& settings);
    ~CMainFrame() override;

    // The module-wide frame, or nullptr.
    static CMainFrame* Instance();

    CMainView* View() const { return view_; }
    CMainDoc* Document() const { return document_; }
    OutlookBar* Bar() const { return bar_; }
    QSplitter* Splitter() const { return splitter_; }
    QString StatusLine() const;
    CPage* CurrentPage() const { return current_; }

    // Runs a menu command as if chosen; false for an unknown command.
    bool Command(int id);
    // Texts of the menu as shown: top-level items, and the items of one.
    QStringList MenuTexts() const;
    QStringList MenuTexts(const QString& topLevel) const;
    bool HasMenuCommand(int id) const;

    // The page switch of a menu command or of a bar click on `label`.
    void SwitchByMenu(int id);
    void SwitchByLabel(const QString& label);
    // After Save and Activate: folder 0, the Information page shown and refreshed.
    void ShowInformationPage();

    bool BeingDestroyed() const { return beingDestroyed_; }
    // The window goes: it stops being the module's frame at once and is
    // deleted when control returns to the event loop.
    void DestroyLater();

protected:
    void closeEvent(QCloseEvent* event) override;
    void customEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Centres the window, its frame included, on the screen's free area.
    void CentreOnScreen();
    void BuildMenu();
    void BuildBar();
    bool OnBarNotify(int code, OutlookBar::ItemId item);
    // Makes the bar folder of a registry folder current (none once the user removed it).
    void SelectBarFolder(int registryFolder);
    void ShowPage(const PageRow* row, const QString& caption);
    void About();
    // Removes the "DHCP Server" bar item and menu command (no dynamic-IP function).
    void RemoveDhcpServer();

    CMainDoc* document_;
    QSplitter* splitter_ = nullptr;
    OutlookBar* bar_ = nullptr;
    CMainView* view_ = nullptr;
    QLabel* statusPane_ = nullptr;
    std::vector<MenuItem> menu_;
    std::map<int, QAction*> actions_;
    // The bar's folders and items by what they stand for: a registry folder
    // number, a page label. Ids stay valid when others are removed.
    std::map<int, OutlookBar::FolderId> barFolders_;
    std::map<QString, OutlookBar::ItemId> barItems_;
    QPointer<CPage> current_;
    bool beingDestroyed_ = false;
    bool centredShown_ = false;
};
