#include "WriteChain.h"
#include "shell/PageRequest.h"
#include <memory>

namespace WriteChain {
namespace {
struct Chain {
    std::vector<PageRequest*> Requests;
    size_t Next = 0;
    Done Finished;
};

void Step(const std::shared_ptr<Chain>& chain, const RequestResult& last) {
    if (chain->Next >= chain->Requests.size()) {
        chain->Finished(last, nullptr);
        return;
    }
    PageRequest* request = chain->Requests[chain->Next++];
    // The handler stays until the page sets the request's next one.
    request->OnSet = [chain, request](const RequestResult& result) {
        if (result.Status != 0) {
            chain->Finished(result, request);
            return;
        }
        Step(chain, result);
    };
    if (!request->StartWrite()) {
        request->OnSet = nullptr;
        RequestResult failed;
        failed.Status = -1;
        chain->Finished(failed, request);
    }
}
}  // namespace

void Start(std::vector<PageRequest*> requests, Done done) {
    auto chain = std::make_shared<Chain>();
    chain->Requests = std::move(requests);
    chain->Finished = std::move(done);
    Step(chain, RequestResult{});
}
}  // namespace WriteChain
