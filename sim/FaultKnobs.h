#pragma once
#include "ForgetfulVariable.h"
#include "VariableFault.h"
#include <cstdint>
#include <random>
#include <vector>

// Faults that tests switch on: a share of requests dropped, answers delayed,
// a device that never answers, variables that answer an error or nothing.
class FaultKnobs {
public:
    double DropShare = 0.0;     // 0 to 1
    int DelayMs = 0;
    bool Silent = false;
    std::vector<VariableFault> Variables;
    std::vector<ForgetfulVariable> Forgetful;   // take a set, keep the old value

    bool Forgets(const OidPath& oid) const {
        for (const ForgetfulVariable& f : Forgetful)
            if (f.Covers(oid))
                return true;
        return false;
    }

    // The first variable fault that answers a get or a set of oid with an
    // error or exception, or nullptr.
    const VariableFault* AnswerFaultAt(const OidPath& oid, bool set) const;
    // True when a "silent" variable fault covers oid.
    bool SilentAt(const OidPath& oid, bool set) const;

    void Seed(uint32_t seed) { random_.seed(seed); }
    // True when this request is to be dropped.
    bool DropNow();

private:
    std::mt19937 random_{12345};
};
