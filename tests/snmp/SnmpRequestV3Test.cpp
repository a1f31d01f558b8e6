#include "AgentFixture.h"

namespace {

using namespace AgentTables;

class SnmpRequestV3 : public AgentTest {};

TEST_F(SnmpRequestV3, AuthPrivReadsWalksAndWrites) {
    for (bool md5Des : {false, true}) {
        auto r = NewRequest();
        UseV3(*r, md5Des);
        r->Variables = MibVariableList(kSystemScalars, MibVariableList::SVT_SV);
        r->Read(true);
        EXPECT_FALSE(r->Variables.Entry(0).Value.isEmpty());

        r->Variables = MibVariableList(kInterfaces, MibVariableList::MVT_FMV, 1);
        int rows = 0;
        for (bool more = r->Read(true); more && rows < 1000; more = r->Read(false))
            ++rows;
        EXPECT_EQ(rows, WalkCount("1.3.6.1.2.1.2.2.1.2"));

        r->Variables = MibVariableList(kContact, MibVariableList::SVT_SV);
        const QString value = md5Des ? "v3 md5" : "v3 sha";
        r->Variables.Entry(0).Value = value;
        r->Write();
        auto check = NewRequest();
        check->Variables = MibVariableList(kContact, MibVariableList::SVT_SV);
        check->Read(true);
        EXPECT_EQ(check->Variables.Entry(0).Value, value);
    }
}

TEST_F(SnmpRequestV3, WrongPassPhraseIsAnAuthenticationFailure) {
    auto r = NewRequest();
    UseV3(*r);
    r->AuthPassword = "wrongpass123";
    r->Variables = MibVariableList(kSystemScalars, MibVariableList::SVT_SV);
    const int error = ErrorOf([&] { r->Read(true); });
    EXPECT_EQ(error, -308);
    // The right pass phrase works again afterwards for the same user.
    UseV3(*r);
    EXPECT_EQ(ErrorOf([&] { r->Read(true); }), 0);
}

TEST_F(SnmpRequestV3, UnknownUserIsReported) {
    auto r = NewRequest();
    UseV3(*r);
    r->SecurityName = "nobody";
    r->Variables = MibVariableList(kSystemScalars, MibVariableList::SVT_SV);
    EXPECT_EQ(ErrorOf([&] { r->Read(true); }), -304);
}

}  // namespace
