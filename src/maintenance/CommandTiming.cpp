#include "CommandTiming.h"
#include <algorithm>
#include <atomic>
#include <limits>

namespace CommandTiming {

namespace {
std::atomic<int> scale{100};

constexpr int64_t kIntMax = std::numeric_limits<int>::max();
// The longest timer interval used: 20 days. Timers of long intervals are
// coarse, and their few percent of slack must still fit an int.
constexpr int64_t kMaxTimerMilliseconds = 20LL * 24 * 3600 * 1000;
}  // namespace

void SetScalePercent(int percent) { scale = std::max(1, percent); }

int Scaled(int hundredths) {
    const int64_t scaled = static_cast<int64_t>(hundredths) * scale / 100;
    return static_cast<int>(std::clamp<int64_t>(scaled, 1, kIntMax));
}

int32_t SaturatedSum(int32_t a, int32_t b) {
    const int64_t sum = static_cast<int64_t>(a) + b;
    return static_cast<int32_t>(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

int TimerMilliseconds(int64_t hundredths) {
    if (hundredths <= 0)
        return 0;
    return static_cast<int>(std::min<int64_t>(hundredths, kMaxTimerMilliseconds / 10) * 10);
}

}  // namespace CommandTiming
