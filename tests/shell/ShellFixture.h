#pragma once
// Helpers of the window tests: a simulated fleet on loopback, a recorder of
// message boxes, a recorder of status lines, and event pumping with a limit.
#include "support/SimFleet.h"
#include "platform/MessageBox.h"
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

// Failure messages show texts as texts.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace ShellTest {

// nxa-sim with `devices` devices from `base` (TestSupport::SimFleet: Address,
// Port ...); the devices in `silent` (1-based) never answer.
class Simulator : public TestSupport::SimFleet {
public:
    bool Start(int devices, const QString& base, const QString& silent = {});
};

// Records every message box and answers with `Answer`.
class MessageLog {
public:
    struct Box {
        QString Text, Caption;
        int Buttons;
    };
    MessageLog();
    ~MessageLog();
    std::vector<Box> Boxes;
    int Answer = MessageBox::AnswerOk;
    QStringList Texts() const;

private:
    MessageBox::Handler previous_;
};

// Records the status lines posted to a frame, with whether the frame was
// enabled when each arrived.
class StatusLog : public QObject {
public:
    struct Line {
        QString Text;
        bool FrameEnabled;
    };
    explicit StatusLog(QObject* frame);
    std::vector<Line> Lines;
    QStringList Texts() const;
    bool Contains(const QString& text) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QObject* frame_;
};

// Records every wait timer the window starts (through the timing hook): its
// name, the milliseconds asked for, the interval it runs with (scaled), and
// how many status lines `status` held when it started and when it fired
// (the window's own handling of the timer has run by then).
class TimerLog {
public:
    struct Timer {
        QString Name;
        int Milliseconds = 0;
        int Interval = 0;
        size_t LinesAtStart = 0;
        bool Fired = false;
        size_t LinesAtFire = 0;
        QPointer<QTimer> Object;
    };
    explicit TimerLog(const StatusLog* status = nullptr);
    ~TimerLog();
    std::vector<Timer> Timers;
    // The timers with this name.
    std::vector<Timer> Named(const QString& name) const;

private:
    const StatusLog* status_;
    QObject context_;   // ends the timers' connections with the log
};

// Pumps events until `done` holds or `ms` have passed; returns `done()`.
bool PumpUntil(const std::function<bool()>& done, int ms);
// Pumps events for `ms` milliseconds.
void Pump(int ms);

}  // namespace ShellTest
