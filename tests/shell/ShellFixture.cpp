#include "ShellFixture.h"
#include "shell/ShellTiming.h"
#include "shell/StatusPost.h"
#include "snmp/CZRException.h"
#include "snmp/SnmpRequest.h"
#include "platform/EventWait.h"
#include <QCoreApplication>
#include <arpa/inet.h>
#include <QWidget>
#include <thread>

namespace ShellTest {

bool Simulator::Start(int devices, const QString& base, const QString& silent) {
    QStringList extra;
    if (!silent.isEmpty())
        extra << "--silent" << silent;
    return SimFleet::Start(base, devices, extra);
}

MessageLog::MessageLog() {
    previous_ = MessageBox::SetHandler([this](const QString& text, const QString& caption, int buttons) {
        Boxes.push_back({text, caption, buttons});
        return Answer;
    });
}

MessageLog::~MessageLog() { MessageBox::SetHandler(previous_); }

QStringList MessageLog::Texts() const {
    QStringList texts;
    for (const Box& box : Boxes)
        texts << box.Text;
    return texts;
}

StatusLog::StatusLog(QObject* frame) : frame_(frame) { frame->installEventFilter(this); }

QStringList StatusLog::Texts() const {
    QStringList texts;
    for (const Line& line : Lines)
        texts << line.Text;
    return texts;
}

bool StatusLog::Contains(const QString& text) const { return Texts().contains(text); }

bool StatusLog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == frame_ && event->type() == CopyDataEvent::EventType()) {
        const auto* data = static_cast<CopyDataEvent*>(event);
        Lines.push_back({QString::fromUtf8(data->Bytes), static_cast<QWidget*>(frame_)->isEnabled()});
    }
    return false;
}

TimerLog::TimerLog(const StatusLog* status) : status_(status) {
    ShellTiming::SetTimerHook([this](QTimer& timer, int milliseconds) {
        const size_t index = Timers.size();
        Timers.push_back({timer.objectName(), milliseconds, timer.interval(), status_ ? status_->Lines.size() : 0,
                          false, 0, &timer});
        QObject::connect(&timer, &QTimer::timeout, &context_, [this, index] {
            Timers[index].Fired = true;
            Timers[index].LinesAtFire = status_ ? status_->Lines.size() : 0;
        });
    });
}

TimerLog::~TimerLog() { ShellTiming::SetTimerHook({}); }

std::vector<TimerLog::Timer> TimerLog::Named(const QString& name) const {
    std::vector<Timer> named;
    for (const Timer& timer : Timers) {
        if (timer.Name == name)
            named.push_back(timer);
    }
    return named;
}

bool PumpUntil(const std::function<bool()>& done, int ms) {
    // As a loop of "test, run events, delete what was let go": the first
    // test comes before anything is deleted (`done` may use a window that is
    // closing).
    bool first = true;
    return EventWait::Until(
        [&] {
            if (!first)
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            first = false;
            return done();
        },
        ms);
}

void Pump(int ms) {
    EventWait::Until(
        [] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return false;
        },
        ms);
}

}  // namespace ShellTest
