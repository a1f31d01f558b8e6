#include "InterruptWatch.h"
#include <atomic>
#include <csignal>

namespace {

std::atomic<bool> gInterrupted{false};

void OnInterrupt(int) { gInterrupted = true; }

}  // namespace

InterruptWatch::InterruptWatch() {
    gInterrupted = false;
    previous_ = std::signal(SIGINT, &OnInterrupt);
}

InterruptWatch::~InterruptWatch() { std::signal(SIGINT, previous_ == SIG_ERR ? SIG_DFL : previous_); }

bool InterruptWatch::Interrupted() const { return gInterrupted; }
