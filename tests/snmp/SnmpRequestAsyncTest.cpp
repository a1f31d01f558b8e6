#include "AgentFixture.h"
#include "support/FreePort.h"
#include "snmp/AddressResolver.h"
#include "snmp/SnmpEngine.h"
#include "snmp/SnmpSession.h"
#include "snmp/SnmpValueText.h"
#include <QThread>
#include <atomic>
#include <thread>

namespace {

using namespace AgentTables;

class SnmpRequestAsync : public AgentTest {};

// Walks the interfaces table by sending each next step from the completion.
struct AsyncWalk {
    SnmpRequest* request = nullptr;
    int rows = 0;
    int status = 1;
    bool done = false;
    bool onMainThread = true;
    QStringList keys;

    void Start() {
        request->ReadAsync([this](RequestResult* r, MibVariableList* l, uintptr_t c) { Step(r, l, c); }, true, 42);
    }
    void Step(RequestResult* result, MibVariableList* list, uintptr_t context) {
        onMainThread = onMainThread && QThread::currentThread() == qApp->thread() && context == 42;
        status = result->Status;
        if (result->Status != 0 || result->Done) {
            done = true;
            return;
        }
        ++rows;
        keys << list->Entry(0).Value;
        request->Variables = *list;
        request->ReadAsync([this](RequestResult* r, MibVariableList* l, uintptr_t c) { Step(r, l, c); }, false, 42);
    }
};

TEST_F(SnmpRequestAsync, WalksATableFromCompletionsOnTheQtThread) {
    auto r = NewRequest();
    r->Variables = MibVariableList(kInterfaces, MibVariableList::MVT_FMV, 1);
    AsyncWalk walk;
    walk.request = r.get();
    walk.Start();
    EXPECT_EQ(r->Pending(), 1);
    ASSERT_TRUE(WaitUntil([&] { return walk.done; }));
    EXPECT_EQ(walk.status, 0);
    EXPECT_TRUE(walk.onMainThread);
    EXPECT_EQ(walk.rows, WalkCount("1.3.6.1.2.1.2.2.1.2"));
    EXPECT_EQ(walk.keys.value(0), "1");
    EXPECT_EQ(r->Pending(), 0);
}

TEST_F(SnmpRequestAsync, ScalarCompletionCarriesResultAndAddresses) {
    auto r = NewRequest();
    r->AddressSpare = "spare";
    r->Variables = MibVariableList(kSystemScalars, MibVariableList::SVT_SV);
    RequestResult got;
    QString descr;
    bool called = false;
    r->ReadAsync(
        [&](RequestResult* res, MibVariableList* list, uintptr_t) {
            got = *res;
            descr = list->Entry(0).Value;
            called = true;
        },
        true);
    ASSERT_TRUE(WaitUntil([&] { return called; }));
    EXPECT_EQ(got.Status, 0);
    EXPECT_EQ(got.Message, "(ZrSNMP++) Ok!");
    EXPECT_TRUE(got.Done);
    EXPECT_EQ(got.DeviceAddress, "127.0.0.1");
    EXPECT_EQ(got.SpareAddress, "spare");
    EXPECT_FALSE(descr.isEmpty());
    // The request's own list is untouched by an asynchronous read.
    EXPECT_TRUE(r->Variables.Entry(0).Value.isEmpty());
}

TEST_F(SnmpRequestAsync, WriteAsyncReportsRefusalInTheResult) {
    auto r = NewRequest();
    r->Variables = MibVariableList(kDescrWritable, MibVariableList::SVT_SV);
    r->Variables.Entry(0).Value = "x";
    RequestResult got;
    bool called = false;
    r->WriteAsync([&](RequestResult* res, MibVariableList*, uintptr_t) { got = *res; called = true; });
    ASSERT_TRUE(WaitUntil([&] { return called; }));
    EXPECT_EQ(got.Status, -117);
    EXPECT_EQ(got.Message, "(SNMP) Cannot create/set variable, Not Writable!");
    EXPECT_TRUE(got.Done);
}

TEST_F(SnmpRequestAsync, TimeoutArrivesAsACompletion) {
    auto r = NewRequest();
    r->Port = TestSupport::FreeUdpPort();
    r->Timeout = 20;
    r->Retries = 0;
    r->Variables = MibVariableList(kSystemScalars, MibVariableList::SVT_SV);
    RequestResult got;
    bool called = false;
    r->ReadAsync([&](RequestResult* res, MibVariableList*, uintptr_t) { got = *res; called = true; }, true);
    ASSERT_TRUE(WaitUntil([&] { return called; }));
    EXPECT_EQ(got.Status, -405);
}

TEST_F(SnmpRequestAsync, DestroyedRequestNeverCallsBack) {
    bool called = false;
    {
        auto r = NewRequest();
        r->Port = TestSupport::FreeUdpPort();
        r->Timeout = 20;
        r->Retries = 0;
        r->Variables = MibVariableList(kSystemScalars, MibVariableList::SVT_SV);
        r->ReadAsync([&](RequestResult*, MibVariableList*, uintptr_t) { called = true; }, true);
    }
    WaitUntil([] { return false; }, 500);
    EXPECT_FALSE(called);
}

TEST_F(SnmpRequestAsync, DestructorGivesUpAfterSixSeconds) {
    auto r = NewRequest();
    r->Port = TestSupport::FreeUdpPort();
    r->Timeout = 3000;   // 30 s: far longer than the destructor waits
    r->Retries = 0;
    r->Variables = MibVariableList(kSystemScalars, MibVariableList::SVT_SV);
    bool called = false;
    r->ReadAsync([&](RequestResult*, MibVariableList*, uintptr_t) { called = true; }, true);
    QElapsedTimer clock;
    clock.start();
    r.reset();
    EXPECT_GE(clock.elapsed(), 5900);
    EXPECT_LT(clock.elapsed(), 6000 + 3000);
    EXPECT_FALSE(called);
}

TEST_F(SnmpRequestAsync, BlockingReadsOnAWorkerWhileAsyncWalksRun) {
    std::atomic<int> workerReads{0};
    std::atomic<int> workerErrors{0};
    std::atomic<bool> stop{false};
    const QString address = Agent().Address();
    const uint16_t port = Agent().Port();
    std::thread worker([&] {
        SnmpRequest r;
        r.Address = address;
        r.Port = port;
        r.Version = DeviceTarget::Version2c;
        r.Variables = MibVariableList(kSystemScalars, MibVariableList::SVT_SV);
        // At least 20 reads whatever the walks do, so that the two paths overlap.
        while (workerReads + workerErrors < 20 || (!stop && workerReads < 200)) {
            try {
                r.Read(true);
                if (r.Variables.Entry(0).Value.isEmpty())
                    ++workerErrors;
                ++workerReads;
            } catch (const CZRException&) {
                ++workerErrors;
            }
        }
    });
    std::vector<std::unique_ptr<SnmpRequest>> requests;
    std::vector<std::unique_ptr<AsyncWalk>> walks;
    for (int i = 0; i < 4; ++i) {
        requests.push_back(NewRequest());
        requests.back()->Variables = MibVariableList(kInterfaces, MibVariableList::MVT_FMV, 1);
        walks.push_back(std::make_unique<AsyncWalk>());
        walks.back()->request = requests.back().get();
        walks.back()->Start();
    }
    const bool finished = WaitUntil([&] {
        for (auto& w : walks)
            if (!w->done)
                return false;
        return true;
    }, 30000);
    stop = true;
    worker.join();
    ASSERT_TRUE(finished);
    const int expected = WalkCount("1.3.6.1.2.1.2.2.1.2");
    for (auto& w : walks) {
        EXPECT_EQ(w->status, 0);
        EXPECT_EQ(w->rows, expected);
        EXPECT_TRUE(w->onMainThread);
    }
    EXPECT_GT(workerReads.load(), 0);
    EXPECT_EQ(workerErrors.load(), 0);
}

// Marks the thread each of its copies ends on.
struct EndingThread {
    std::shared_ptr<std::atomic<int>> endedElsewhere = std::make_shared<std::atomic<int>>(0);
    ~EndingThread() {
        if (endedElsewhere && QThread::currentThread() != qApp->thread())
            ++*endedElsewhere;
    }
};

// A delivery handed to the engine with its receiver runs on the receiver's
// thread with the outcome in the exchange, and the callable (and all it
// holds) ends there too: the SNMP thread only passes it back. Several at
// once, so that they come back in batches.
TEST_F(SnmpRequestAsync, DeliveriesRunAndEndOnTheReceiversThread) {
    ASSERT_TRUE(SnmpSession::CompletionReceiver() != nullptr);
    EndingThread probe;
    std::shared_ptr<std::atomic<int>> endedElsewhere = probe.endedElsewhere;
    constexpr int kRequests = 20;
    int delivered = 0;
    int answered = 0;
    bool onMainThread = true;
    for (int i = 0; i < kRequests; ++i) {
        auto exchange = std::make_shared<SnmpExchange>();
        exchange->Target.Address = Agent().Address();
        exchange->Target.Port = static_cast<uint16_t>(Agent().Port());
        exchange->Target.Version = DeviceTarget::Version2c;
        exchange->ResolvedAddress = AddressResolver::Resolve(exchange->Target.Address);
        WireVarbind name;
        SnmpValueText::ParseOid(QStringLiteral("1.3.6.1.2.1.1.5.0"), name.Oid);
        exchange->Request.push_back(std::move(name));
        SnmpEngine::Instance().Submit(exchange, SnmpSession::CompletionReceiver(), [&, probe, exchange] {
            onMainThread = onMainThread && QThread::currentThread() == qApp->thread();
            ++delivered;
            if (exchange->Status == 0 && exchange->Response.size() == 1 &&
                exchange->Response[0].Type == WireType::OctetString)
                ++answered;
        });
    }
    ASSERT_TRUE(WaitUntil([&] { return delivered == kRequests; }));
    EXPECT_TRUE(onMainThread);
    EXPECT_EQ(answered, kRequests);
    EXPECT_EQ(endedElsewhere->load(), 0) << "a delivery's callable ended on another thread";
    EXPECT_EQ(endedElsewhere.use_count(), 2) << "a delivery's callable was kept after it ran";
}

}  // namespace
