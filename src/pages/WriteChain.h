#pragma once
#include "snmp/RequestResult.h"
#include <functional>
#include <vector>

class PageRequest;

// Sets several requests of a page one after another, each with the Access
// words its page gave it, stopping at the first that fails or cannot start.
// `done` receives the last outcome (the last set's when all were written) and the request that failed (nullptr when
// all were written). The page must outlive the chain (its requests wait for
// their completions when destroyed).
namespace WriteChain {
using Done = std::function<void(const RequestResult& result, PageRequest* failed)>;
void Start(std::vector<PageRequest*> requests, Done done);
}  // namespace WriteChain
