#include "FaultKnobs.h"

bool FaultKnobs::DropNow() {
    if (Silent)
        return true;
    if (DropShare <= 0.0)
        return false;
    return std::uniform_real_distribution<double>(0.0, 1.0)(random_) < DropShare;
}

const VariableFault* FaultKnobs::AnswerFaultAt(const OidPath& oid, bool set) const {
    for (const VariableFault& fault : Variables)
        if (fault.What != VariableFault::Kind::Silent && fault.Covers(oid, set))
            return &fault;
    return nullptr;
}

bool FaultKnobs::SilentAt(const OidPath& oid, bool set) const {
    for (const VariableFault& fault : Variables)
        if (fault.What == VariableFault::Kind::Silent && fault.Covers(oid, set))
            return true;
    return false;
}
