#pragma once
#include <cstdint>
#include <random>

// Faults that tests switch on: a share of requests dropped, answers delayed,
// a device that never answers.
class FaultKnobs {
public:
    double DropShare = 0.0;     // 0 to 1
    int DelayMs = 0;
    bool Silent = false;

    void Seed(uint32_t seed) { random_.seed(seed); }
    // True when this request is to be dropped.
    bool DropNow();

private:
    std::mt19937 random_{12345};
};
