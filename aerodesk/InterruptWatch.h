#pragma once

// Ctrl-C (SIGINT) while a long fleet operation runs: noted instead of ending
// the program at once, so the operation can stop cleanly (servers closed,
// unfinished transfers dropped) and say what was done. One watch at a time;
// the previous handler comes back when the watch ends.
class InterruptWatch {
public:
    InterruptWatch();
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;
    bool Interrupted() const;

private:
    void (*previous_)(int);
};
