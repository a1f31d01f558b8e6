#include "MainFrame.h"
#include "AboutBox.h"
#include "HostWindow.h"
#include "MainDoc.h"
#include "MainView.h"
#include "Page.h"
#include "PageWait.h"
#include "ShellTexts.h"
#include "StatusPost.h"
#include "controls/BarIcons.h"
#include "controls/OutlookBar.h"
#include "platform/MessageBox.h"
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>

namespace {
CMainFrame* gFrame = nullptr;

// Yes/No with a warning icon, and the Yes answer, in the numbering of the
// module's message boxes (those of the classic message-box call).
constexpr int kYesNoWarning = MessageBox::YesNo | MessageBox::IconExclamation;
constexpr int kAnswerYes = MessageBox::AnswerYes;
}  // namespace

CMainFrame::CMainFrame(const WindowSettings& settings)
    : QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      document_(new CMainDoc(this)) {
    gFrame = this;
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowTitle(QString::fromLatin1(ShellTexts::ModelName));
    setWindowIcon(BarIcons::Icon(ShellTexts::FrameIconId));
    setFixedSize(kWidth, kHeight);

    BuildMenu();
    statusPane_ = new QLabel(this);
    statusBar()->addWidget(statusPane_, 1);
    statusBar()->setSizeGripEnabled(false);

    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setChildrenCollapsible(false);
    bar_ = new OutlookBar(splitter_);
    view_ = new CMainView(document_, splitter_);
    splitter_->addWidget(bar_);
    splitter_->addWidget(view_);
    setCentralWidget(splitter_);
    bar_->SetBackColor(QColor(0x3A, 0x6E, 0xA5));
    bar_->SetTextColor(Qt::white);
    // Column 0 takes a seventh of the client width once the frame is laid out.
    layout()->activate();
    const int column0 = qMax(0, width() / 7);
    splitter_->setSizes({column0, qMax(0, splitter_->width() - splitter_->handleWidth() - column0)});
    BuildBar();

    view_->Wait().AfterApply = [this] { ShowInformationPage(); };
    connect(document_, &CMainDoc::DhcpFunctionMissing, this, &CMainFrame::RemoveDhcpServer);
    view_->InitialUpdate(settings);

    CentreOnScreen();
}

void CMainFrame::CentreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect outer = frameGeometry();
    move(screen->availableGeometry().center() - (outer.center() - outer.topLeft()));
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The window's frame is known once it is shown: centred again with it.
    if (!centredShown_) {
        centredShown_ = true;
        CentreOnScreen();
    }
}

CMainFrame::~CMainFrame() {
    beingDestroyed_ = true;
    delete view_;   // pages before the bar and the rest
    view_ = nullptr;
    if (gFrame == this)
        gFrame = nullptr;
}

CMainFrame* CMainFrame::Instance() { return gFrame; }

QString CMainFrame::StatusLine() const { return statusPane_->text(); }

void CMainFrame::BuildMenu() {
    menu_ = MenuResource::Menu109();
    MenuResource::RetitleAndPrune(menu_);
    menuBar()->clear();
    actions_.clear();
    for (const MenuItem& top : menu_) {
        QMenu* popup = menuBar()->addMenu(top.Text);
        for (const MenuItem& item : top.Children) {
            if (item.IsSeparator()) {
                popup->addSeparator();
                continue;
            }
            QAction* action = popup->addAction(item.Text);
            const int id = item.Id;
            connect(action, &QAction::triggered, this, [this, id] { Command(id); });
            actions_[id] = action;
        }
    }
}

void CMainFrame::BuildBar() {
    const std::vector<int>& icons = PageRegistry::BarIconIds();
    bar_->SetImageLists(BarIcons::IconList(icons, 32), BarIcons::IconList(icons, 16));
    const std::vector<QString>& folders = PageRegistry::FolderTexts();
    for (size_t i = 0; i < folders.size(); ++i)
        barFolders_[static_cast<int>(i)] = bar_->AddFolder(folders[i]);
    for (const PageRow& row : PageRegistry::Rows()) {
        if (!row.InBar)
            continue;
        const auto folder = barFolders_.find(row.Folder);
        if (folder != barFolders_.end())
            barItems_[QString::fromLatin1(row.Label)] = bar_->InsertItem(folder->second, -1,
                                                                          QString::fromLatin1(row.Label), 0);
    }
    SelectBarFolder(PageRegistry::Home);
    bar_->SetNotifyHandler(
        [this](int code, OutlookBar::FolderId, OutlookBar::ItemId item) { return OnBarNotify(code, item); });
}

void CMainFrame::SelectBarFolder(int registryFolder) {
    const auto it = barFolders_.find(registryFolder);
    if (it != barFolders_.end())
        bar_->SetCurrentFolder(it->second);
}

bool CMainFrame::OnBarNotify(int code, OutlookBar::ItemId item) {
    switch (code) {
    case OutlookBar::ItemClicked:
        SwitchByLabel(bar_->ItemText(item));
        return true;
    case OutlookBar::DeleteItem:
        if (beingDestroyed_)
            return true;
        return MessageBox::Show(QString::fromLatin1(ShellTexts::DeleteItemQuestion), QStringLiteral("Warning"),
                                kYesNoWarning) == kAnswerYes;
    case OutlookBar::DeleteFolder:
        if (beingDestroyed_)
            return true;
        return MessageBox::Show(QString::fromLatin1(ShellTexts::DeleteFolderQuestion), QStringLiteral("Warning"),
                                kYesNoWarning) == kAnswerYes;
    default:
        return true;   // folder changes and anything else
    }
}

QStringList CMainFrame::MenuTexts() const {
    QStringList texts;
    for (const MenuItem& top : menu_)
        texts << top.Text;
    return texts;
}

QStringList CMainFrame::MenuTexts(const QString& topLevel) const {
    QStringList texts;
    const int i = MenuResource::Find(menu_, topLevel);
    if (i < 0)
        return texts;
    for (const MenuItem& item : menu_[static_cast<size_t>(i)].Children) {
        if (!item.IsSeparator())
            texts << item.Text;
    }
    return texts;
}

bool CMainFrame::HasMenuCommand(int id) const { return actions_.count(id) > 0; }

bool CMainFrame::Command(int id) {
    switch (id) {
    case PageRegistry::CmdClose:
        close();
        return true;
    case PageRegistry::CmdAbout:
        About();
        return true;
    default:
        if (PageRegistry::FindByMenu(id)) {
            SwitchByMenu(id);
            return true;
        }
        // Commands of one page (Save and Activate, Discard Changes).
        for (CPage* page : view_->Pages()) {
            if (page->HandleCommand(id))
                return true;
        }
        return HasMenuCommand(id);
    }
}

void CMainFrame::SwitchByMenu(int id) {
    const PageRow* row = PageRegistry::FindByMenu(id);
    if (!row)
        return;
    SelectBarFolder(row->Folder);
    ShowPage(row, PageRegistry::MenuCaption(*row));
    CPage* page = view_->PageFor(*row);
    if (page && row->RefreshOnShow)
        page->Refresh();
}

void CMainFrame::SwitchByLabel(const QString& label) {
    const PageRow* row = PageRegistry::FindByLabel(label);
    ShowPage(row, label);
    CPage* page = row ? view_->PageFor(*row) : nullptr;
    if (page && row->RefreshOnShow)
        page->Refresh();
}

void CMainFrame::ShowPage(const PageRow* row, const QString& caption) {
    if (current_)
        current_->hide();
    if (CPage* info = view_->InformationPage())
        info->hide();
    current_ = row ? view_->PageFor(*row) : nullptr;
    if (current_) {
        current_->ShownFor(*row);
        current_->show();
    }
    view_->SetCaption(caption);
}

void CMainFrame::ShowInformationPage() {
    if (current_)
        current_->hide();
    SelectBarFolder(PageRegistry::Home);
    CPage* info = view_->InformationPage();
    current_ = info;
    if (info) {
        info->show();
        info->Refresh();
    }
    view_->SetCaption(QString::fromLatin1(PageRegistry::InformationLabel));
}

void CMainFrame::RemoveDhcpServer() {
    // The item itself, wherever it is now (a no-op when the user removed it or its folder).
    bar_->RemoveItem(barItems_[QString::fromLatin1(PageRegistry::DhcpServerLabel)]);
    MenuResource::RemoveCommand(menu_, PageRegistry::CmdDhcpServer);
    const auto it = actions_.find(PageRegistry::CmdDhcpServer);
    if (it != actions_.end()) {
        delete it->second;
        actions_.erase(it);
    }
}

void CMainFrame::About() {
    auto* box = new CAboutBox(this);
    box->exec();
    delete box;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (view_->BusyCheck()) {
        MessageBox::Show(QString::fromLatin1(ShellTexts::BusyAtClose));
        event->ignore();
        return;
    }
    HostWindow::EnableHostParent();
    event->accept();
    DestroyLater();
}

void CMainFrame::DestroyLater() {
    beingDestroyed_ = true;
    hide();
    deleteLater();
    if (gFrame == this)
        gFrame = nullptr;
}

void CMainFrame::customEvent(QEvent* event) {
    if (event->type() != CopyDataEvent::EventType()) {
        QMainWindow::customEvent(event);
        return;
    }
    const auto* data = static_cast<CopyDataEvent*>(event);
    statusPane_->setText(QString::fromUtf8(data->Bytes));
}
