#include "FaultKnobs.h"

bool FaultKnobs::DropNow() {
    if (Silent)
        return true;
    if (DropShare <= 0.0)
        return false;
    return std::uniform_real_distribution<double>(0.0, 1.0)(random_) < DropShare;
}
