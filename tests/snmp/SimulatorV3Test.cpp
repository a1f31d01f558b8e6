// SNMPv3 against several simulated devices at once. Each simulator process
// has an engine of its own, shared by its devices; the same user names
// (SHA/AES and MD5/DES) live on every engine.
#include "support/SimFleet.h"
#include "snmp/CZRException.h"
#include "snmp/SnmpRequest.h"
#include "snmp/SnmpSyntax.h"
#include "platform/EventWait.h"
#include <QCoreApplication>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

const MibVariable kSystemName[] = {
    {"1.3.6.1.2.1.1.5", "sysName", SnmpSyntax::DisplayString, 2, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};

struct V3User {
    const char* Name;
    int Auth;
    int Priv;
};
const V3User kUsers[] = {
    {"nxaSha", DeviceTarget::AuthSha, DeviceTarget::PrivAes128},
    {"nxaMd5", DeviceTarget::AuthMd5, DeviceTarget::PrivDes},
};

class SimulatorV3 : public testing::Test {
public:
    static void SetUpTestSuite() {
        for (const char* base : {"127.0.5.1", "127.0.6.1", "127.0.7.1"}) {
            fleets_.push_back(std::make_unique<TestSupport::SimFleet>());
            fleets_.back()->Start(QString::fromLatin1(base), 2);
        }
    }
    static void TearDownTestSuite() { fleets_.clear(); }

protected:
    void SetUp() override {
        for (const auto& fleet : fleets_)
            ASSERT_TRUE(fleet->Ready()) << fleet->Output();
    }

    static std::unique_ptr<SnmpRequest> NewRequest(const TestSupport::SimFleet& fleet, int device, const V3User& user) {
        auto r = std::make_unique<SnmpRequest>();
        r->Address = fleet.Address(device);
        r->Port = fleet.Port();
        r->Version = DeviceTarget::Version3;
        r->SecurityLevel = DeviceTarget::AuthPriv;
        r->SecurityName = QString::fromLatin1(user.Name);
        r->AuthProtocol = user.Auth;
        r->PrivProtocol = user.Priv;
        r->AuthPassword = QStringLiteral("authpass123");
        r->PrivPassword = QStringLiteral("privpass123");
        r->Timeout = 100;
        r->Retries = 1;
        r->Variables = MibVariableList(kSystemName, MibVariableList::SVT_SV);
        return r;
    }

    static inline std::vector<std::unique_ptr<TestSupport::SimFleet>> fleets_;
};

struct Answer {
    bool Called = false;
    int Status = 1;
    QString Message;
    QString Value;
};

// Every device with both users, all asked at once, several rounds over the
// same sessions: no session loses its user to another's.
TEST_F(SimulatorV3, SeveralDevicesAndUsersAtOnce) {
    std::vector<std::unique_ptr<SnmpRequest>> requests;
    for (const auto& fleet : fleets_)
        for (int device = 1; device <= fleet->Devices(); ++device)
            for (const V3User& user : kUsers)
                requests.push_back(NewRequest(*fleet, device, user));
    ASSERT_EQ(requests.size(), 12u);
    for (int round = 1; round <= 3; ++round) {
        std::vector<Answer> answers(requests.size());
        for (size_t i = 0; i < requests.size(); ++i) {
            Answer* answer = &answers[i];
            requests[i]->ReadAsync(
                [answer](RequestResult* result, MibVariableList* list, uintptr_t) {
                    answer->Called = true;
                    answer->Status = result->Status;
                    answer->Message = result->Message;
                    answer->Value = list->Entry(0).Value;
                },
                true);
        }
        auto allCalled = [&] {
            for (const Answer& a : answers)
                if (!a.Called)
                    return false;
            return true;
        };
        ASSERT_TRUE(EventWait::Until(allCalled, 60000)) << "round " << round;
        for (size_t i = 0; i < answers.size(); ++i) {
            EXPECT_EQ(answers[i].Status, 0) << "round " << round << ", " << requests[i]->Address.toStdString() << " "
                                            << requests[i]->SecurityName.toStdString() << ": "
                                            << answers[i].Message.toStdString();
            EXPECT_FALSE(answers[i].Value.isEmpty());
        }
    }
    // And blocking reads beside them, one per device and user.
    for (const auto& r : requests)
        EXPECT_NO_THROW(r->Read(true)) << r->Address.toStdString() << " " << r->SecurityName.toStdString();
}

}  // namespace
