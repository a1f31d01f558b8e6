#pragma once
// A private snmpd for the tests of this folder, started once per test suite,
// and the variable tables the tests read and write on it.
#include "support/ToolRun.h"
#include "support/SnmpdProcess.h"
#include "snmp/CZRException.h"
#include "snmp/SnmpRequest.h"
#include "snmp/SnmpSyntax.h"
#include "platform/EventWait.h"
#include <QCoreApplication>
#include <functional>
#include <gtest/gtest.h>
#include <memory>


namespace AgentTables {
inline const MibVariable kSystemScalars[] = {
    {"1.3.6.1.2.1.1.1", "sysDescr", SnmpSyntax::DisplayString, 2, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.2.1.1.2", "sysObjectID", SnmpSyntax::ObjectId, 2, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.2.1.1.3", "sysUpTime", SnmpSyntax::TimeTicks, 2, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.2.1.1.4", "sysContact", SnmpSyntax::DisplayString, 6, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};
inline const MibVariable kSystemComplete[] = {
    {"1.3.6.1.2.1.1.5.0", "sysName", SnmpSyntax::DisplayString, 6, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.2.1.1.6.0", "sysLocation", SnmpSyntax::DisplayString, 6, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};
inline const MibVariable kContact[] = {
    {"1.3.6.1.2.1.1.4", "sysContact", SnmpSyntax::DisplayString, 6, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};
inline const MibVariable kDescrWritable[] = {
    {"1.3.6.1.2.1.1.1", "sysDescr", SnmpSyntax::DisplayString, 6, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};
inline const MibVariable kContactAsInteger[] = {
    {"1.3.6.1.2.1.1.4", "sysContact", SnmpSyntax::Integer, 6, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};
// The interfaces table; the index is the row's key, taken from the instance.
inline const MibVariable kInterfaces[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", SnmpSyntax::Integer, 32, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.2.1.2.2.1.2", "ifDescr", SnmpSyntax::DisplayString, 2, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.2.1.2.2.1.3", "ifType", SnmpSyntax::Integer, 2, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.2.1.2.2.1.4", "ifMtu", SnmpSyntax::Integer, 2, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};
inline const MibVariable kNoSuchTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", SnmpSyntax::Integer, 32, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.6.3.99.1.1.2", "none", SnmpSyntax::DisplayString, 2, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    MIB_TABLE_END,
};
}  // namespace AgentTables

class AgentTest : public testing::Test {
public:
    static void SetUpTestSuite() {
        agent_ = std::make_unique<TestSupport::SnmpdProcess>();
        ASSERT_TRUE(agent_->Start()) << "snmpd did not start:\n" << agent_->Log().toStdString();
    }
    static void TearDownTestSuite() { agent_.reset(); }

protected:
    static TestSupport::SnmpdProcess& Agent() { return *agent_; }

    // A request aimed at the agent with the given version.
    static std::unique_ptr<SnmpRequest> NewRequest(int version = DeviceTarget::Version2c) {
        auto r = std::make_unique<SnmpRequest>();
        r->Address = agent_->Address();
        r->Port = agent_->Port();
        r->Version = version;
        r->Timeout = 100;
        r->Retries = 1;
        return r;
    }
    static void UseV3(SnmpRequest& r, bool md5Des = false) {
        r.Version = DeviceTarget::Version3;
        r.SecurityLevel = DeviceTarget::AuthPriv;
        r.SecurityName = md5Des ? "md5DesUser" : "shaAesUser";
        r.AuthProtocol = md5Des ? DeviceTarget::AuthMd5 : DeviceTarget::AuthSha;
        r.PrivProtocol = md5Des ? DeviceTarget::PrivDes : DeviceTarget::PrivAes128;
        r.AuthPassword = md5Des ? "md5pass1234" : "authpass123";
        r.PrivPassword = md5Des ? "despass1234" : "privpass123";
    }

    // Number of rows of a column as net-snmp's own snmpwalk sees them.
    static int WalkCount(const QString& column) {
        QString out;
        TestSupport::RunCommand("snmpwalk", {"-v2c", "-c", "public", "-On", "-M", "/dev/null", agent_->Endpoint(), column},
                                &out);
        return static_cast<int>(out.split('\n', Qt::SkipEmptyParts).size());
    }

    // Pumps the event loop until `done` holds or `ms` pass.
    static bool WaitUntil(const std::function<bool()>& done, int ms = 10000) {
        return EventWait::Until(done, ms);
    }

    static int ErrorOf(const std::function<void()>& f) {
        try {
            f();
        } catch (const CZRException& e) {
            return e.Number();
        }
        return 0;
    }

private:
    static inline std::unique_ptr<TestSupport::SnmpdProcess> agent_;
};
