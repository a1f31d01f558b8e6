#include "ManagementWindow.h"
#include "BuiltPages.h"
#include "platform/EventWait.h"
#include "platform/MessageBox.h"
#include "shell/AboutBox.h"
#include "shell/MainFrame.h"
#include "shell/MainView.h"
#include "shell/Page.h"
#include "shell/PageRegistry.h"
#include "shell/PageWait.h"
#include "shell/ShellTexts.h"
#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <set>

namespace ManagementWindow {

bool Open(const WindowSettings& settings) {
    BuiltPages::Install();
    if (CMainFrame::Instance()) {
        MessageBox::Show(QString::fromLatin1(ShellTexts::AlreadyRun));
        return false;
    }
    auto* frame = new CMainFrame(settings);
    frame->setAttribute(Qt::WA_DeleteOnClose, false);
    frame->show();
    frame->update();
    frame->setWindowTitle(QString::fromLatin1(ShellTexts::ModelName));
    return true;
}

void Show() {
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    frame->show();
    frame->update();
    frame->setWindowTitle(QString::fromLatin1(ShellTexts::ModelName));
    for (const char* label : {PageRegistry::InformationLabel, PageRegistry::LanLabel}) {
        if (CPage* page = frame->View()->PageByLabel(QString::fromLatin1(label)))
            page->Refresh();
    }
}

bool Close() {
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return true;
    if (frame->View()->BusyCheck()) {
        MessageBox::Show(QString::fromLatin1(ShellTexts::BusyAtClose));
        return false;
    }
    if (CAboutBox* about = CAboutBox::Current()) {
        // The box's own loop returns first; the frame goes after it.
        about->reject();
        frame->DestroyLater();
        return true;
    }
    delete frame;
    return true;
}

bool IsOpen() { return CMainFrame::Instance() != nullptr; }

bool IsBusy() {
    CMainFrame* frame = CMainFrame::Instance();
    return frame && frame->View()->BusyCheck();
}

CMainFrame* Frame() { return CMainFrame::Instance(); }

bool WaitIdle(int timeoutMs) {
    // What is already posted (a refresh just started) comes first.
    QCoreApplication::processEvents();
    return EventWait::Until(
        [] {
            CMainFrame* frame = CMainFrame::Instance();
            return !frame || (!frame->View()->BusyCheck() && !frame->View()->Wait().IsWaiting() && frame->isEnabled());
        },
        timeoutMs);
}

QStringList RenderPages(const QString& folder, int timeoutMs, QString* error) {
    QStringList written;
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame) {
        if (error)
            *error = QStringLiteral("the management window is not open");
        return written;
    }
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = QStringLiteral("cannot create %1").arg(folder);
        return written;
    }
    std::set<CPage*> done;
    int number = 0;
    for (const PageRow& row : PageRegistry::Rows()) {
        CPage* page = frame->View()->PageFor(row);
        if (!page || done.count(page))
            continue;
        done.insert(page);
        if (row.MenuId != 0)
            frame->SwitchByMenu(row.MenuId);
        else
            frame->SwitchByLabel(QString::fromLatin1(row.Label));
        if (!WaitIdle(timeoutMs) && error)
            *error = QStringLiteral("%1: the device did not answer in time").arg(QLatin1String(row.Label));
        // Let the last texts be laid out and painted.
        QCoreApplication::processEvents();
        QString name = QString::fromLatin1(row.Label).toLower();
        name.replace(QLatin1Char(' '), QLatin1Char('-'));
        const QString path = QDir(folder).filePath(QStringLiteral("%1-%2.png").arg(++number, 2, 10, QLatin1Char('0')).arg(name));
        if (!frame->grab().save(path, "PNG")) {
            if (error)
                *error = QStringLiteral("cannot write %1").arg(path);
            continue;
        }
        written << path;
    }
    return written;
}

}  // namespace ManagementWindow
