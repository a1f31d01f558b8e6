#pragma once
#include <QWidget>
#include <cstdio>

// The host's window titled "Aerodesk2": receives the module's log messages
// (copy-data events) and prints each text on `out` (standard output unless a
// command keeps that for its result).
class HostLogWindow : public QWidget {
public:
    explicit HostLogWindow(FILE* out = stdout);
    int Received() const { return received_; }

protected:
    bool event(QEvent* e) override;

private:
    FILE* out_;
    int received_ = 0;
};
