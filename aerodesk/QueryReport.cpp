#include "QueryReport.h"

bool QueryReport::AllDone() const {
    for (const Device& d : Devices)
        if (!d.Done)
            return false;
    return true;
}

bool QueryReport::AllOk() const {
    for (const Device& d : Devices)
        if (!d.Done || !d.Ok)
            return false;
    return true;
}
