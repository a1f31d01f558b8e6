// The device model of nxa-sim, built from the catalogue, without the network.
#include "sim/Actions.h"
#include "mib/Catalogue.h"
#include "sim/Device.h"
#include "sim/DeviceModel.h"
#include "mib/MibTables.h"
#include "SecondNumbering.h"
#include "snmp/MibVariable.h"
#include "sim/SimValue.h"
#include "snmp/SnmpSyntax.h"
#include <gtest/gtest.h>

namespace {
const std::string kE = Catalogue::EnterpriseRoot;

DeviceIdentity Id(int index) {
    return DeviceIdentity::ForIndex(index, "127.0.1.1", 1161, 0, "1.10");
}
}  // namespace

TEST(SimModel, sim_ValuesRoundTripThroughText) {
    EXPECT_EQ(SimValue::Make(SnmpSyntax::MacAddress, "00:11:22:aa:bb:cc").ToText(), "001122AABBCC");
    EXPECT_EQ(SimValue::Make(SnmpSyntax::IpAddress, "192.168.0.50").ToText(), "192.168.0.50");
    SimValue bad;
    EXPECT_FALSE(SimValue::FromText(SnmpSyntax::IpAddress, "192.168.0.500", bad));
    EXPECT_FALSE(SimValue::FromText(SnmpSyntax::Integer, "12x", bad));
    SimValue text = SimValue::Make(SnmpSyntax::DisplayString, std::string("a\0b", 3));
    SimValue back;
    ASSERT_TRUE(SimValue::FromStored(text.Syntax, text.ToStored(), back));
    EXPECT_EQ(back, text);
}

TEST(SimModel, sim_IdentitiesDiffer) {
    DeviceIdentity a = Id(0), b = Id(1);
    EXPECT_EQ(a.Address, "127.0.1.1");
    EXPECT_EQ(b.Address, "127.0.1.2");
    EXPECT_NE(a.MacText(), b.MacText());
    EXPECT_EQ(a.MacText(1), "024E58000002");
    EXPECT_EQ(DeviceIdentity::AddressPlus("127.255.255.255", 1), "");
}

TEST(SimModel, sim_EveryCatalogueOidIsServed) {
    auto model = DeviceModel::Build();
    Device device(*model, Id(0), 3);
    DeviceState& state = device.State();
    for (const CatalogueEntry& entry : Catalogue::All()) {
        std::string text = entry.Oid;
        if (text.find('{') != std::string::npos)
            text = text.substr(0, text.find('{') - 1);
        if (IsSecondNumbering(text))
            continue;
        OidPath oid = Oids::MustParse(text);
        const auto* next = state.Next(oid);
        bool served = state.Find(oid) || model->AliasOf(oid) || (next && Oids::StartsWith(next->first, oid));
        EXPECT_TRUE(served) << entry.Name << " " << entry.Oid;
    }
}

TEST(SimModel, sim_FactoryDefaultsAreRealistic) {
    auto model = DeviceModel::Build();
    Device device(*model, Id(4), 3);
    DeviceState& state = device.State();
    auto text = [&](const std::string& oid) {
        DeviceState::Cell* cell = state.Find(Oids::MustParse(oid));
        return cell ? cell->Value.ToText() : std::string("(missing)");
    };
    EXPECT_EQ(text(kE + ".2.1.1.1.1.2.1"), "127.0.1.5");
    EXPECT_EQ(text(kE + ".2.1.1.1.1.5.1"), "024E58000005");
    EXPECT_EQ(text(kE + ".5.1.1.0"), "1.10");
    EXPECT_EQ(text(kE + ".1.8.0"), "NXA-7310");
    EXPECT_EQ(text(kE + ".2.1.3.3.1.1.1.34.1"), "0");     // 2.4 GHz
    EXPECT_EQ(text(kE + ".3.3.1.1.1.1"), "0");            // Multi-SSID off
    EXPECT_EQ(text(kE + ".2.1.3.3.2.3.3.1.2.1.256"), "000000000000");
    EXPECT_EQ(text(kE + ".2.1.3.3.2.3.3.1.1.1.17"), "17");
}

TEST(SimModel, sim_ActionsChangeTheState) {
    auto model = DeviceModel::Build();
    Device device(*model, Id(0), 2);
    DeviceState& state = device.State();
    Actions actions(Actions::Timing{100, 100});
    OidPath add = Oids::MustParse(kE + ".2.1.3.3.2.3.2.1.2.1");
    DeviceState::Cell* cell = state.Find(add);
    ASSERT_NE(cell, nullptr);
    SimValue mac = SimValue::Make(SnmpSyntax::MacAddress, "0A0B0C0D0E0F");
    EXPECT_EQ(actions.Check(device, *cell->Def, mac), 0);
    cell->Value = mac;
    actions.Apply(device, add, *cell->Def, mac);
    EXPECT_EQ(state.Find(Oids::MustParse(kE + ".2.1.3.3.2.3.3.1.2.1.1"))->Value.ToText(), "0A0B0C0D0E0F");
    EXPECT_EQ(cell->Value.ToText(), "000000000000");

    OidPath restart = Oids::MustParse(kE + ".4.2.1.0");
    DeviceState::Cell* restartCell = state.Find(restart);
    ASSERT_NE(restartCell, nullptr);
    EXPECT_TRUE(device.Answering());
    actions.Apply(device, restart, *restartCell->Def, SimValue::Integer(SnmpSyntax::Integer, 1));
    EXPECT_FALSE(device.Answering());

    QJsonObject saved = state.ToJson();
    Device other(*model, Id(0), 2);
    other.State().FromJson(saved);
    EXPECT_EQ(other.State().Find(Oids::MustParse(kE + ".2.1.3.3.2.3.3.1.2.1.1"))->Value.ToText(), "0A0B0C0D0E0F");
}

TEST(SimModel, sim_EveryDescriptorTableCanBeReadAsTheModuleReadsIt) {
    auto model = DeviceModel::Build();
    Device device(*model, Id(0), 3);
    DeviceState& state = device.State();
    for (const MibTableInfo& info : MibTables::All()) {
        for (const MibVariable* v = info.Table; v && v->Oid; ++v) {
            OidPath oid;
            ASSERT_TRUE(Oids::Parse(v->Oid, oid)) << info.Name << " " << v->Oid;
            if (info.Kind == 0)
                oid.push_back(0);
            if (info.Kind <= 1) {
                bool found = state.Find(oid) || model->AliasOf(oid);
                EXPECT_TRUE(found) << info.Name << " " << v->Name << " " << Oids::Format(oid);
            } else {
                const auto* next = state.Next(oid);
                EXPECT_TRUE(next && Oids::StartsWith(next->first, oid)) << info.Name << " " << v->Name << " column " << v->Oid;
            }
        }
    }
}

TEST(SimModel, sim_MultiSsidRowOneIsThePrimarySsidsVariables) {
    auto model = DeviceModel::Build();
    Device device(*model, Id(0), 3);
    for (const auto& [cell, variable] : TableGenerators::PrimaryRowTwins()) {
        OidPath oid = Oids::MustParse(kE + "." + cell);
        const OidPath* twin = model->TwinOf(oid);
        ASSERT_NE(twin, nullptr) << cell << " has no variable of the same syntax at " << variable;
        const OidPath* alias = model->AliasOf(Oids::MustParse(kE + "." + variable));
        EXPECT_EQ(*twin, alias ? *alias : Oids::MustParse(kE + "." + variable));
        ASSERT_NE(device.State().Find(oid), nullptr) << cell << " is no cell of row 1";
        DeviceState::Cell* primary = device.State().Find(*twin);
        ASSERT_NE(primary, nullptr);
        EXPECT_EQ(device.State().Read(oid, *device.State().Find(oid)), primary->Value) << cell;
    }
}
