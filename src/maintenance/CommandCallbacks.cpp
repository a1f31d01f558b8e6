#include "CommandCallbacks.h"
#include <array>
#include <cstddef>

namespace CommandCallbacks {

namespace {
std::array<void*, 10> stored{};
}

void Store(int command, void* callback) {
    if (command >= 0 && command < static_cast<int>(stored.size()))
        stored[static_cast<size_t>(command)] = callback;
}

void* Stored(int command) {
    return command >= 0 && command < static_cast<int>(stored.size()) ? stored[static_cast<size_t>(command)] : nullptr;
}

}  // namespace CommandCallbacks
