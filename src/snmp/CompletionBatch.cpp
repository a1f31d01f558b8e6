#include "CompletionBatch.h"
#include <QPointer>
#include <deque>
#include <mutex>

namespace CompletionBatch {
namespace {

std::mutex gMutex;
std::deque<std::function<void()>> gPending;
QPointer<QObject> gReceiver;   // the receiver a posted event waits at
bool gPosted = false;

void RunPending() {
    std::deque<std::function<void()>> batch;
    {
        std::lock_guard lock(gMutex);
        batch.swap(gPending);
        gPosted = false;
    }
    for (std::function<void()>& completion : batch)
        completion();
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
        gPending.push_back(std::move(completion));
        post = !gPosted;
        gPosted = true;
    }
    if (post)
        QMetaObject::invokeMethod(receiver, &RunPending, Qt::QueuedConnection);
}

}  // namespace CompletionBatch
