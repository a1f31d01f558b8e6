#include "CompletionBatch.h"
#include <QPointer>
#include <mutex>
#include <vector>

namespace CompletionBatch {
namespace {

std::mutex gMutex;
std::vector<std::function<void()>> gPending;
// The storage of the batch that ran last, handed back so that the next
// batch is gathered without an allocation on the posting thread.
std::vector<std::function<void()>> gSpare;
QPointer<QObject> gReceiver;   // the receiver a posted event waits at
bool gPosted = false;          // an event is posted, or due when a Hold ends

thread_local int tHoldDepth = 0;
thread_local bool tEventDue = false;   // this thread owes the receiver its event

void RunPending() {
    std::vector<std::function<void()>> batch;
    {
        std::lock_guard lock(gMutex);
        batch.swap(gPending);
        gPosted = false;
    }
    for (std::function<void()>& completion : batch)
        completion();
    batch.clear();   // the completions go on this thread, where they were made
    std::lock_guard lock(gMutex);
    if (batch.capacity() > gSpare.capacity())
        gSpare.swap(batch);
}

void PostEvent(QObject* receiver) {
    QMetaObject::invokeMethod(receiver, &RunPending, Qt::QueuedConnection);
}

}  // namespace

void Post(QObject* receiver, std::function<void()> completion) {
    bool post = false;
    {
        std::lock_guard lock(gMutex);
        if (gReceiver.isNull() || receiver != gReceiver.data()) {
            // A new receiver (the layer was started again): what waited at
            // the old one went with it, its posted event too.
            gPending.clear();
            gPosted = false;
            gReceiver = receiver;
        }
        if (gPending.empty() && gPending.capacity() < gSpare.capacity())
            gPending.swap(gSpare);
        gPending.push_back(std::move(completion));
        post = !gPosted;
        gPosted = true;
    }
    if (!post)
        return;
    if (tHoldDepth > 0)
        tEventDue = true;
    else
        PostEvent(receiver);
}

Hold::Hold() { ++tHoldDepth; }

Hold::~Hold() {
    if (--tHoldDepth > 0 || !tEventDue)
        return;
    tEventDue = false;
    QObject* receiver = nullptr;
    {
        std::lock_guard lock(gMutex);
        // A receiver gone meanwhile took its completions with it; the next
        // Post starts afresh.
        if (gPosted && !gReceiver.isNull())
            receiver = gReceiver.data();
    }
    if (receiver)
        PostEvent(receiver);
}

}  // namespace CompletionBatch
