#pragma once
#include "snmp/RequestResult.h"
#include <functional>
#include <vector>

class PageRequest;

// Reads several requests of a page one after another, each with its refresh
// Access words; a failed read does not stop the chain. A step's handler
// receives every outcome of its request (each row of a table walk with
// Done clear, then the end of the walk or its failure); `step.Before` runs
// just before the step's read and may skip it by returning false.
namespace ReadChain {
struct Step {
    PageRequest* Request;
    std::function<void(const RequestResult& result)> Arrived;
    std::function<bool()> Before = {};
};
void Start(std::vector<Step> steps, std::function<void()> done);
}  // namespace ReadChain
