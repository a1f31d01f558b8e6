#pragma once
#include <QString>
#include <functional>
#include <vector>

class PageRequest;
struct RequestResult;

// The reads of one page refresh counted to their end: when the last has
// ended, `done` learns whether every one of them succeeded. A read that
// cannot start counts as failed (the engine has posted why).
class RefreshTally {
public:
    explicit RefreshTally(std::function<void(bool succeeded)> done) : done_(std::move(done)) {}

    // Starts the reads of `requests` with their refresh Access words.
    void Start(const std::vector<PageRequest*>& requests);
    // A request's OnGot: true when this completion ended its read (a walk's
    // rows do not; its last step does).
    bool Ended(const RequestResult& result);
    bool Running() const { return open_ > 0; }
    // A part of the refresh that the page runs itself (a chain of requests).
    void Open() { ++open_; }
    void Close(bool succeeded);

private:

    std::function<void(bool)> done_;
    int open_ = 0;
    bool failed_ = false;
};
