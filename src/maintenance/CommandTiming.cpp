#include "CommandTiming.h"
#include <algorithm>
#include <atomic>

namespace CommandTiming {

namespace {
std::atomic<int> scale{100};
}

void SetScalePercent(int percent) { scale = std::max(1, percent); }

int Scaled(int hundredths) { return std::max(1, static_cast<int>(static_cast<long long>(hundredths) * scale / 100)); }

}  // namespace CommandTiming
