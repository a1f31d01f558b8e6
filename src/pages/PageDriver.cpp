#include "PageDriver.h"
#include <QTabWidget>
#include "ManagementWindow.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "shell/DeviceSettings.h"
#include "shell/MainFrame.h"
#include "shell/MainView.h"
#include "shell/Page.h"
#include "shell/PageWait.h"
#include "shell/ShellTiming.h"
#include "shell/StatusPost.h"
#include "snmp/CZRException.h"
#include "snmp/SnmpRequest.h"
#include "snmp/SnmpSyntax.h"
#include <QCoreApplication>
#include <QJsonArray>
#include <QPushButton>
#include <QTreeWidget>
#include <deque>

namespace PageDriver {
namespace {

// Every status line posted to the frame, in order.
class StatusRecorder : public QObject {
public:
    explicit StatusRecorder(QObject* frame) : frame_(frame) { frame_->installEventFilter(this); }
    ~StatusRecorder() override {
        if (frame_)
            frame_->removeEventFilter(this);
    }
    QJsonArray Lines;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == CopyDataEvent::EventType())
            Lines.append(QString::fromUtf8(static_cast<CopyDataEvent*>(event)->Bytes));
        return false;
    }

private:
    QPointer<QObject> frame_;
};

// Answers the message boxes and file dialogs as the script says, and keeps
// every message text.
class Answerer {
public:
    Answerer() {
        previousBox_ = MessageBox::SetHandler([this](const QString& text, const QString&, int buttons) {
            Messages.append(text);
            switch (buttons & MessageBox::ButtonMask) {
            case MessageBox::OkCancel: return yes_ ? int(MessageBox::AnswerOk) : int(MessageBox::AnswerCancel);
            case MessageBox::YesNo: return yes_ ? int(MessageBox::AnswerYes) : int(MessageBox::AnswerNo);
            default: return int(MessageBox::AnswerOk);
            }
        });
        previousFile_ = FileDialog::SetHandler([this](const QString&, const QString&, bool, const QString&) {
            if (files_.empty())
                return QString();
            const QString path = files_.front();
            files_.pop_front();
            return path;
        });
    }
    ~Answerer() {
        MessageBox::SetHandler(previousBox_);
        FileDialog::SetHandler(previousFile_);
    }
    Answerer(const Answerer&) = delete;
    Answerer& operator=(const Answerer&) = delete;

    void SetAnswer(bool yes) { yes_ = yes; }
    void AddFile(const QString& path) { files_.push_back(path); }
    QJsonArray Messages;

private:
    bool yes_ = true;
    std::deque<QString> files_;
    MessageBox::Handler previousBox_;
    FileDialog::Handler previousFile_;
};

struct Step {
    QString Kind, Target, Value;
    PageField* Field = nullptr;
    PageList* List = nullptr;
    QPushButton* Button = nullptr;
    int Row = -1;
};

QJsonObject Failure(const QString& page, int exit, const QString& error) {
    return {{"page", page}, {"exit", exit}, {"error", error}};
}

// The longest the window may need for one step: each page's slowest request
// a few times over (a chain), and the longest wait timer.
int StepBoundMs(const CMainView* view) {
    int longest = 0;
    for (const CPage* page : view->Pages())
        longest = qMax(longest, page->LongestWaitMs());
    return 3 * longest + ShellTiming::Ms(PageWait::kApplyMs) + 5000;
}

// A read of the device's up time with the window's settings: the engine's
// message when it does not answer.
QString ReachError() {
    SnmpRequest probe;
    DeviceSettings::ApplyTo(probe.Target());
    probe.Timeout = qMax(probe.Timeout, static_cast<int32_t>(DeviceSettings::Current().SnmpTimeout));
    probe.Variables.Kind = MibVariableList::MVT_SV;
    probe.Variables.Add(QStringLiteral("1.3.6.1.2.1.1.3.0"), QStringLiteral("sysUpTime"), SnmpSyntax::TimeTicks,
                        SnmpAccess::ReadOnly);
    try {
        probe.Read(true);
        return {};
    } catch (const CZRException& e) {
        return e.Text();
    }
}

// The tab control of the page that has a tab titled `title`, and its index.
std::pair<QTabWidget*, int> TabOf(const CPage* page, const QString& title) {
    for (QTabWidget* tabs : page->findChildren<QTabWidget*>()) {
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->tabText(i) == title)
                return {tabs, i};
        }
    }
    return {nullptr, -1};
}

QString Resolve(CPage* page, Step& step) {
    const QString pageLabel = QString::fromLatin1(page->Row().Label);
    if (step.Kind == QLatin1String("set") || step.Kind == QLatin1String("check") ||
        step.Kind == QLatin1String("uncheck")) {
        step.Field = page->FindField(step.Target);
        if (!step.Field)
            return QStringLiteral("unknown field \"%1\" on page \"%2\"").arg(step.Target, pageLabel);
    } else if (step.Kind == QLatin1String("select") || step.Kind == QLatin1String("tick")) {
        step.List = page->FindList(step.Target);
        if (!step.List)
            return QStringLiteral("unknown list \"%1\" on page \"%2\"").arg(step.Target, pageLabel);
        bool ok = false;
        step.Row = step.Value.toInt(&ok);
        if (!ok || step.Row < 0)
            return QStringLiteral("bad row \"%1\" of list \"%2\" (a number from 0)").arg(step.Value, step.Target);
    } else if (step.Kind == QLatin1String("press")) {
        step.Button = page->FindButton(step.Target);
        if (!step.Button)
            return QStringLiteral("unknown button \"%1\" on page \"%2\"").arg(step.Target, pageLabel);
    } else if (step.Kind == QLatin1String("answer")) {
        static const QStringList answers = {"ok", "cancel", "yes", "no"};
        if (!answers.contains(step.Value))
            return QStringLiteral("bad answer \"%1\" (ok, cancel, yes or no)").arg(step.Value);
    } else if (step.Kind == QLatin1String("tab")) {
        if (!TabOf(page, step.Target).first)
            return QStringLiteral("unknown tab \"%1\" on page \"%2\"").arg(step.Target, pageLabel);
    } else if (step.Kind != QLatin1String("file")) {
        return QStringLiteral("unknown action \"%1\"").arg(step.Kind);
    }
    return {};
}

// Whether a person could reach the control at all.
QString Reachable(const QWidget* widget, const CPage* page, const QString& what) {
    if (!widget->isVisibleTo(page))
        return QStringLiteral("%1 is not shown").arg(what);
    if (!widget->isEnabled())
        return QStringLiteral("%1 is disabled").arg(what);
    return {};
}

QString Perform(CPage* page, Step& step, Answerer& answerer) {
    if (step.Kind == QLatin1String("answer")) {
        answerer.SetAnswer(step.Value == QLatin1String("ok") || step.Value == QLatin1String("yes"));
        return {};
    }
    if (step.Kind == QLatin1String("file")) {
        answerer.AddFile(step.Value);
        return {};
    }
    if (step.Kind == QLatin1String("tab")) {
        // A click on the tab: its page of controls is shown.
        const auto [tabs, index] = TabOf(page, step.Target);
        const QString why = Reachable(tabs, page, QStringLiteral("tab \"%1\"").arg(step.Target));
        if (!why.isEmpty())
            return why;
        tabs->setCurrentIndex(index);
        return {};
    }
    if (step.Field) {
        const QString what = QStringLiteral("field \"%1\"").arg(step.Target);
        QString why = Reachable(step.Field->Widget(), page, what);
        if (!why.isEmpty())
            return why;
        const QString text = step.Kind == QLatin1String("set")     ? step.Value
                             : step.Kind == QLatin1String("check") ? QStringLiteral("checked")
                                                                   : QStringLiteral("unchecked");
        if (!step.Field->Enter(text, &why))
            return QStringLiteral("%1 cannot take \"%2\": %3").arg(what, text, why);
        return {};
    }
    if (step.List) {
        const QString what = QStringLiteral("list \"%1\"").arg(step.Target);
        QString why = Reachable(step.List->View(), page, what);
        if (!why.isEmpty())
            return why;
        if (step.Row >= step.List->RowCount())
            return QStringLiteral("%1 has %2 rows; there is no row %3").arg(what).arg(step.List->RowCount()).arg(step.Row);
        if (step.Kind == QLatin1String("tick") && !step.List->IsCheckable())
            return QStringLiteral("%1 has no check boxes").arg(what);
        const bool done = step.Kind == QLatin1String("tick") ? step.List->Tick(step.Row) : step.List->Select(step.Row);
        return done ? QString() : QStringLiteral("%1: row %2 could not be chosen").arg(what).arg(step.Row);
    }
    const QString what = QStringLiteral("button \"%1\"").arg(step.Target);
    const QString why = Reachable(step.Button, page, what);
    if (!why.isEmpty())
        return why;
    step.Button->click();
    return {};
}

void Describe(const CPage* page, QJsonObject& report) {
    QJsonObject fields, enabled, visible, lists;
    QJsonArray order;
    for (const PageField* field : page->Fields()) {
        const QString name = page->FieldName(*field);
        order.append(name);
        fields[name] = field->ShownText();
        enabled[name] = field->Widget()->isEnabled();
        visible[name] = field->Widget()->isVisibleTo(page);
    }
    for (const PageList* list : page->Lists()) {
        QJsonArray rows;
        int r = 0;
        for (const QStringList& cells : list->Rows()) {
            QJsonArray row;
            for (int c = 0; c < cells.size(); ++c) {
                QString cell = cells[c];
                if (c == 0 && list->IsCheckable())
                    cell = (list->IsTicked(r) ? QStringLiteral("[x] ") : QStringLiteral("[ ] ")) + cell;
                row.append(cell);
            }
            rows.append(row);
            ++r;
        }
        lists[list->Label()] = rows;
    }
    report["fields"] = fields;
    report["order"] = order;
    report["lists"] = lists;
    report["enabled"] = enabled;
    report["visible"] = visible;
}

}  // namespace

QJsonObject Run(const QJsonObject& script) {
    const QString label = script.value("page").toString();
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return Failure(label, NotDone, QStringLiteral("the management window is not open"));
    const PageRow* row = PageRegistry::FindByLabel(label);
    if (!row)
        return Failure(label, Unknown, QStringLiteral("unknown page \"%1\" (aerodesk page ADDRESS --list names them)").arg(label));
    CPage* page = frame->View()->PageFor(*row);
    if (!page)
        return Failure(label, Unknown, QStringLiteral("page \"%1\" is not built yet").arg(label));

    // Every action is found before anything is done.
    std::vector<Step> steps;
    for (const QJsonValue& v : script.value("actions").toArray()) {
        const QJsonObject a = v.toObject();
        Step step{a.value("do").toString(), a.value("target").toString(), a.value("value").toString()};
        const QString error = Resolve(page, step);
        if (!error.isEmpty())
            return Failure(label, Unknown, error);
        steps.push_back(step);
    }
    const QString unreachable = ReachError();
    if (!unreachable.isEmpty())
        return Failure(label, Exit::Unreachable, unreachable);

    // The window is shown as the host shows it (its first pages refresh).
    ManagementWindow::Show();
    // Each wait is bounded by the longest the window's requests can take, or
    // by the caller's own bound when it gives a shorter one.
    int bound = StepBoundMs(frame->View());
    if (const int waitMs = script.value("waitMs").toInt(); waitMs > 0)
        bound = qMin(bound, waitMs);
    if (!ManagementWindow::WaitIdle(bound))
        return Failure(label, NotDone, QStringLiteral("the window stayed busy before the page was shown"));
    StatusRecorder status(frame);
    Answerer answerer;
    QJsonObject report{{"page", label}};
    int exit = Done;
    QString error;
    frame->SwitchByLabel(label);
    if (!ManagementWindow::WaitIdle(bound)) {
        exit = NotDone;
        error = QStringLiteral("the page stayed busy after it was shown");
    }
    for (Step& step : steps) {
        if (exit != Done)
            break;
        error = Perform(page, step, answerer);
        if (!error.isEmpty()) {
            exit = NotDone;
            break;
        }
        if (!ManagementWindow::WaitIdle(bound)) {
            exit = NotDone;
            error = QStringLiteral("the page stayed busy after %1 \"%2\"").arg(step.Kind, step.Target);
        }
    }
    QCoreApplication::processEvents();
    report["status"] = status.Lines;
    report["messages"] = answerer.Messages;
    Describe(page, report);
    report["exit"] = exit;
    if (!error.isEmpty())
        report["error"] = error;
    return report;
}

QJsonObject List(const QString& pageLabel) {
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return Failure(pageLabel, NotDone, QStringLiteral("the management window is not open"));
    if (pageLabel.isEmpty()) {
        QJsonArray pages;
        for (const PageRow& row : PageRegistry::Rows()) {
            pages.append(QJsonObject{{"label", QString::fromLatin1(row.Label)},
                                     {"built", frame->View()->PageFor(row) != nullptr}});
        }
        return {{"pages", pages}, {"exit", Done}};
    }
    const PageRow* row = PageRegistry::FindByLabel(pageLabel);
    CPage* page = row ? frame->View()->PageFor(*row) : nullptr;
    if (!page)
        return Failure(pageLabel, Unknown,
                       row ? QStringLiteral("page \"%1\" is not built yet").arg(pageLabel)
                           : QStringLiteral("unknown page \"%1\"").arg(pageLabel));
    QJsonArray fields, lists, buttons;
    for (const PageField* field : page->Fields()) {
        fields.append(QJsonObject{{"name", page->FieldName(*field)},
                                  {"kind", QString::fromLatin1(field->KindName())},
                                  {"variable", field->Variable()},
                                  {"shown", !field->Widget()->isHidden()}});
    }
    for (const PageList* list : page->Lists())
        lists.append(QJsonObject{{"name", list->Label()}, {"columns", QJsonArray::fromStringList(list->Headers())}});
    for (const CPage::Button& button : page->Buttons())
        buttons.append(page->ButtonName(button));
    return {{"page", pageLabel}, {"fields", fields}, {"lists", lists}, {"buttons", buttons}, {"exit", Done}};
}

}  // namespace PageDriver
