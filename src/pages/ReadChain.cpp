#include "ReadChain.h"
#include "shell/PageRequest.h"
#include <memory>

namespace ReadChain {
namespace {
struct Chain {
    std::vector<Step> Steps;
    size_t Next = 0;
    std::function<void()> Done;
};

void Go(const std::shared_ptr<Chain>& chain) {
    while (chain->Next < chain->Steps.size()) {
        const Step& step = chain->Steps[chain->Next++];
        if (step.Before && !step.Before())
            continue;
        PageRequest* request = step.Request;
        const auto arrived = step.Arrived;
        request->OnGot = [chain, arrived](const RequestResult& result) {
            // Locals: a handler may give the request a new OnGot, ending this one.
            const auto keep = chain;
            const auto handler = arrived;
            if (handler)
                handler(result);
            if (result.Done)
                Go(keep);
        };
        request->SetAccessAll(request->RefreshAccess);
        if (request->StartRead())
            return;
        // Could not start (the reason is posted): as a failed read.
        RequestResult failed;
        failed.Status = -1;
        if (arrived)
            arrived(failed);
    }
    if (chain->Done)
        chain->Done();
}
}  // namespace

void Start(std::vector<Step> steps, std::function<void()> done) {
    auto chain = std::make_shared<Chain>();
    chain->Steps = std::move(steps);
    chain->Done = std::move(done);
    Go(chain);
}
}  // namespace ReadChain
