#include "platform/EventWait.h"
#include "snmp/CompletionBatch.h"
#include <QCoreApplication>
#include <QObject>
#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// What the SNMP thread posts while it holds reaches the receiving thread in
// one event when the hold ends, in the order posted; nothing before.
TEST(CompletionBatch, WhatIsPostedWhileHeldArrivesTogetherWhenTheHoldEnds) {
    QObject receiver;
    std::vector<int> ran;
    std::mutex mutex;
    std::condition_variable changed;
    bool posted = false;
    bool release = false;

    std::thread snmpThread([&] {
        CompletionBatch::Hold hold;
        {
            CompletionBatch::Hold inner;   // holds nest: only the outermost one posts
            for (int i = 1; i <= 3; ++i)
                CompletionBatch::Post(&receiver, [&ran, i] { ran.push_back(i); });
        }
        CompletionBatch::Post(&receiver, [&ran] { ran.push_back(4); });
        std::unique_lock lock(mutex);
        posted = true;
        changed.notify_all();
        changed.wait(lock, [&] { return release; });
    });
    {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return posted; });
    }
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(&receiver);
    EXPECT_TRUE(ran.empty()) << "a completion ran while its hold was still on";
    {
        std::lock_guard lock(mutex);
        release = true;
    }
    changed.notify_all();
    snmpThread.join();
    ASSERT_TRUE(EventWait::Until([&] { return ran.size() == 4; }, 10000));
    EXPECT_EQ(ran, (std::vector<int>{1, 2, 3, 4}));

    // Without a hold a completion goes at once, as before.
    std::thread([&] { CompletionBatch::Post(&receiver, [&ran] { ran.push_back(5); }); }).join();
    ASSERT_TRUE(EventWait::Until([&] { return ran.size() == 5; }, 10000));
    EXPECT_EQ(ran.back(), 5);
}

// A completion that posts another (a walk's next step answered at once)
// does not lose it: it runs in a later batch, after the ones before it;
// batches one after another keep their order though their storage is reused.
TEST(CompletionBatch, CompletionsPostedWhileABatchRunsRunInTheNextOne) {
    QObject receiver;
    std::vector<int> ran;
    for (int round = 0; round < 3; ++round) {
        const int base = round * 10;
        std::thread([&] {
            CompletionBatch::Hold hold;
            CompletionBatch::Post(&receiver, [&ran, &receiver, base] {
                ran.push_back(base + 1);
                CompletionBatch::Post(&receiver, [&ran, base] { ran.push_back(base + 3); });
            });
            CompletionBatch::Post(&receiver, [&ran, base] { ran.push_back(base + 2); });
        }).join();
        ASSERT_TRUE(EventWait::Until([&] { return ran.size() == static_cast<size_t>(3 * (round + 1)); }, 10000))
            << "round " << round << ": " << ran.size() << " ran";
    }
    EXPECT_EQ(ran, (std::vector<int>{1, 2, 3, 11, 12, 13, 21, 22, 23}));
}

}  // namespace
