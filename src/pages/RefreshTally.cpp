#include "RefreshTally.h"
#include "shell/PageRequest.h"

void RefreshTally::Start(const std::vector<PageRequest*>& requests) {
    open_ += static_cast<int>(requests.size());
    for (PageRequest* request : requests) {
        request->SetAccessAll(request->RefreshAccess);
        if (!request->StartRead())
            Close(false);
    }
}

bool RefreshTally::Ended(const RequestResult& result) {
    if (result.Status == 0 && !result.Done)
        return false;
    if (open_ > 0)
        Close(result.Status == 0);
    return true;
}

void RefreshTally::Close(bool succeeded) {
    failed_ |= !succeeded;
    if (--open_ > 0)
        return;
    const bool ok = !failed_;
    failed_ = false;
    if (done_)
        done_(ok);
}
