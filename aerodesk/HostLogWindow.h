#pragma once
#include <QWidget>

// The host's window titled "Aerodesk2": receives the module's log messages
// (copy-data events) and prints each text on standard output.
class HostLogWindow : public QWidget {
public:
    HostLogWindow();
    int Received() const { return received_; }

protected:
    bool event(QEvent* e) override;

private:
    int received_ = 0;
};
