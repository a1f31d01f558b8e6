#include "ShellTiming.h"
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace ShellTiming {
namespace {
double gScale = 1.0;
TimerHook gHook;
}  // namespace

void SetScale(double scale) { gScale = scale > 0 ? scale : 1.0; }
double Scale() { return gScale; }

int Ms(int milliseconds) { return std::max(1, static_cast<int>(std::lround(milliseconds * gScale))); }

int32_t Hundredths(int32_t hundredths) {
    return std::max<int32_t>(1, static_cast<int32_t>(std::lround(hundredths * gScale)));
}

void StartTimer(QTimer& timer, int milliseconds) {
    timer.setInterval(Ms(milliseconds));
    if (gHook)
        gHook(timer, milliseconds);
    timer.start();
}

TimerHook SetTimerHook(TimerHook hook) {
    std::swap(gHook, hook);
    return hook;
}
}  // namespace ShellTiming
