// What template application reads and writes on a simulated device: band and
// channel lists, the radio and security settings, Multi-SSID, the MAC list
// with its add and delete variables, apply and discard; and a device's
// backup, made into a template, applied to another device.
#include "sim/BackupFile.h"
#include "mib/Catalogue.h"
#include "sim/Device.h"
#include "sim/DeviceModel.h"
#include "sim/RadioRules.h"
#include "support/SimFleet.h"
#include "support/ToolRun.h"
#include "snmp/CZRException.h"
#include "templates/BackupToTemplate.h"
#include "templates/TemplateApplier.h"
#include <QFile>
#include <QTemporaryDir>
#include <map>
#include <gtest/gtest.h>

using TestSupport::SimFleet;
using TestSupport::RunTool;

namespace {
const std::string kE = std::string(Catalogue::EnterpriseRoot) + ".";
const std::string kBand = kE + "2.1.3.3.1.1.1.34.1";
const std::string kChannel = kE + "2.1.3.3.1.1.1.3.1";
const std::string kChannelList = kE + "2.1.3.3.1.1.1.4.1";
const std::string kMacAdd = kE + "2.1.3.3.2.3.2.1.2.1";
const std::string kMacDelete = kE + "2.1.3.3.2.3.2.1.3.1";
const std::string kMacList = kE + "2.1.3.3.2.3.3.1.2.1.";

// The host's step from a template to the key file that application reads:
// each section's entries with the section's prefix.
bool KeyFileFromTemplate(const QString& templatePath, const QString& keyPath) {
    static const std::map<QString, QString> kPrefixes = {
        {"[System]", "SYS_"}, {"[5GHz_WirelessSettings]", "AWS_80211a_"}, {"[2.4GHz_WirelessSettings]", "AWS_80211g_"},
        {"[5GHz_SecuritySettings]", "SCR_80211a_"}, {"[2.4GHz_SecuritySettings]", "SCR_80211g_"},
        {"[5GHz_Filter]", "Flt_80211a_"}, {"[2.4GHz_Filter]", "Flt_80211g_"}};
    QFile in(templatePath), out(keyPath);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text) || !out.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QString prefix;
    while (!in.atEnd()) {
        const QString line = QString::fromUtf8(in.readLine()).trimmed();
        if (kPrefixes.count(line))
            prefix = kPrefixes.at(line);
        else if (!line.startsWith("ItemCounts=") && line.contains('='))
            out.write((prefix + line + "\n").toUtf8());
    }
    return true;
}

class SimTemplateModel : public ::testing::Test {
protected:
    static void SetUpTestSuite() { sim = new SimFleet("127.0.12.1", {}, 8); }
    static void TearDownTestSuite() {
        delete sim;
        sim = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(sim->Ready()) << sim->Output(); }

    static std::string Get(int device, const std::string& oid) {
        std::string out;
        RunTool("snmpget -v2c -c public -Oqv -t 1 -r 2 " + sim->Target(device) + " " + oid, out);
        while (!out.empty() && (out.back() == '\n' || out.back() == '\r'))
            out.pop_back();
        if (out.size() >= 2 && out.front() == '"' && out.back() == '"')
            out = out.substr(1, out.size() - 2);
        return out;
    }
    static std::string Set(int device, const std::string& varbinds) {
        std::string out;
        RunTool("snmpset -v2c -c private -t 1 -r 2 " + sim->Target(device) + " " + varbinds, out);
        return out;
    }
    static std::vector<std::string> MacList(int device) {
        std::vector<std::string> list;
        for (int i = 1; i <= 256; ++i) {
            std::string mac = Get(device, kMacList + std::to_string(i));
            // snmpget prints octets as hex pairs with spaces.
            std::string hex;
            for (char c : mac)
                if (std::isxdigit(static_cast<unsigned char>(c)))
                    hex += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            if (hex == "000000000000" || hex.size() != 12)
                break;
            list.push_back(hex);
        }
        return list;
    }

    static SimFleet* sim;
};
SimFleet* SimTemplateModel::sim = nullptr;
}  // namespace

TEST_F(SimTemplateModel, sim_ChannelListFollowsTheBand) {
    const int d = 1;
    EXPECT_EQ(Get(d, kBand), "0");
    EXPECT_EQ(Get(d, kChannelList), "1 2 3 4 5 6 7 8 9 10 11");
    EXPECT_EQ(Get(d, kChannel), "6");
    Set(d, kBand + " i 1");
    EXPECT_EQ(Get(d, kChannelList), "36 40 44 48 149 153 157 161 165");
    EXPECT_EQ(Get(d, kChannel), "36");   // 6 is not a 5 GHz channel
    EXPECT_NE(Set(d, kChannel + " i 11").find("wrongValue"), std::string::npos);
    Set(d, kChannel + " i 149");
    EXPECT_EQ(Get(d, kChannel), "149");
    Set(d, kBand + " i 0");
    EXPECT_EQ(Get(d, kChannelList), "1 2 3 4 5 6 7 8 9 10 11");
    EXPECT_EQ(Get(d, kChannel), "1");
    EXPECT_NE(Set(d, kChannelList + " s 1").find("notWritable"), std::string::npos);
}

TEST_F(SimTemplateModel, sim_WirelessModeBelongsToTheBand) {
    const int d = 7;
    const std::string mode = kE + RadioRules::kModePlace;
    EXPECT_EQ(Get(d, mode), "6");   // mixed 802.11n, g and b
    EXPECT_NE(Set(d, mode + " i 8").find("wrongValue"), std::string::npos);
    Set(d, mode + " i 3");
    EXPECT_EQ(Get(d, mode), "3");
    Set(d, kBand + " i 1");
    EXPECT_EQ(Get(d, mode), "9");   // mixed 802.11n and a
    Set(d, mode + " i 7");
    EXPECT_EQ(Get(d, mode), "7");
    EXPECT_NE(Set(d, mode + " i 2").find("wrongValue"), std::string::npos);
    Set(d, kBand + " i 0");
    EXPECT_EQ(Get(d, mode), "6");
}

TEST_F(SimTemplateModel, sim_TemplateSettingsStick) {
    const int d = 2;
    struct Write {
        std::string Oid, Type, Value, Reads;
    };
    const std::vector<Write> writes = {
        {kE + "2.1.1.1.1.1.1", "i", "2", "2"},             {kE + "2.1.1.1.1.3.1", "a", "255.255.0.0", "255.255.0.0"},
        {kE + "4.1.1.1.2.1", "s", "boss", "boss"},          {kE + "4.4.1.0", "i", "0", "0"},
        {kE + "4.4.3.0", "i", "5", "5"},                    {kE + "4.4.2.0", "i", "1", "1"},
        {kE + "2.1.3.3.1.1.1.1.1", "s", "Floor-2", "Floor-2"}, {kE + "2.1.3.3.1.1.1.2.1", "i", "0", "0"},
        {kE + "2.1.3.3.1.1.1.11.1", "s", "54", "54"},      {kE + "2.1.3.3.1.1.1.17.1", "i", "250", "250"},
        {kE + "2.1.3.3.1.1.1.18.1", "i", "7", "7"},         {kE + "2.1.3.3.1.1.1.19.1", "i", "2000", "2000"},
        {kE + "2.1.3.3.1.1.1.20.1", "i", "1000", "1000"},   {kE + "2.1.3.3.1.1.1.23.1", "i", "0", "0"},
        {kE + "2.1.3.3.1.1.1.24.1", "i", "0", "0"},         {kE + "2.1.3.3.1.1.1.29.1", "i", "2", "2"},
        {kE + "2.1.3.3.1.1.1.28.1", "i", "3", "3"},         {kE + "3.3.1.1.1.1", "i", "1", "1"},
        {kE + "2.1.3.3.2.1.1.1.1", "i", "7", "7"},          {kE + "2.1.3.3.2.1.1.2.1", "i", "1", "1"},
        {kE + "2.1.3.3.2.1.1.3.1", "i", "3", "3"},          {kE + "2.1.3.3.2.1.1.4.1", "s", "pass phrase", "pass phrase"},
        {kE + "2.1.3.3.2.1.1.5.1", "i", "3", "3"},          {kE + "2.1.3.3.2.1.1.6.1", "i", "7200", "7200"},
        {kE + "2.1.3.3.2.1.1.8.1", "a", "127.0.0.9", "127.0.0.9"}, {kE + "2.1.3.3.2.1.1.9.1", "i", "1645", "1645"},
        {kE + "2.1.3.3.2.1.1.10.1", "s", "radius", "radius"}, {kE + "2.1.3.3.2.2.1.2.1.3", "i", "1", "1"},
        {kE + "2.1.3.3.2.2.1.3.1.3", "s", "abcde", "abcde"}, {kE + "2.1.3.3.2.3.2.1.1.1", "i", "2", "2"},
    };
    for (const Write& w : writes) {
        std::string out = Set(d, w.Oid + " " + w.Type + " '" + w.Value + "'");
        EXPECT_EQ(out.find("Error"), std::string::npos) << w.Oid << ": " << out;
        EXPECT_EQ(Get(d, w.Oid), w.Reads) << w.Oid;
    }
    // Values outside an enumeration are refused and leave the value.
    EXPECT_NE(Set(d, kE + "2.1.3.3.1.1.1.29.1 i 3").find("wrongValue"), std::string::npos);
    EXPECT_EQ(Get(d, kE + "2.1.3.3.1.1.1.29.1"), "2");
    // The AP mode status text follows the mode.
    EXPECT_EQ(Get(d, kE + "2.1.3.3.1.1.1.38.1"), "WDS");
}

TEST_F(SimTemplateModel, sim_MacListAddDeleteAndEmptyEntries) {
    const int d = 3;
    EXPECT_TRUE(MacList(d).empty());
    EXPECT_NE(Get(d, kMacList + "1").find("00 00 00 00 00 00"), std::string::npos) << Get(d, kMacList + "1");
    // Several addresses in one set, as template application sends them.
    Set(d, kMacAdd + " x 0A0B0C0D0E01 " + kMacAdd + " x 0A0B0C0D0E02 " + kMacAdd + " x 0A0B0C0D0E03");
    EXPECT_EQ(MacList(d), (std::vector<std::string>{"0A0B0C0D0E01", "0A0B0C0D0E02", "0A0B0C0D0E03"}));
    Set(d, kMacAdd + " x 0A0B0C0D0E02");   // already listed
    EXPECT_EQ(MacList(d).size(), 3u);
    Set(d, kMacDelete + " x 0A0B0C0D0E01");
    EXPECT_EQ(MacList(d), (std::vector<std::string>{"0A0B0C0D0E02", "0A0B0C0D0E03"}));
    Set(d, kMacDelete + " x 0A0B0C0D0E09");   // not listed: nothing happens
    EXPECT_EQ(MacList(d).size(), 2u);
    EXPECT_NE(Set(d, kMacAdd + " x 000000000000").find("wrongValue"), std::string::npos);
    // The add and delete variables read as an empty address again.
    EXPECT_NE(Get(d, kMacAdd).find("00 00 00 00 00 00"), std::string::npos);
    // A failed set adds nothing.
    Set(d, kMacAdd + " x 0A0B0C0D0E04 " + kBand + " i 9");
    EXPECT_EQ(MacList(d).size(), 2u);
}

TEST_F(SimTemplateModel, sim_ApplyKeepsAndDiscardReturns) {
    const int d = 4;
    const std::string ssid = kE + "2.1.3.3.1.1.1.1.1";
    Set(d, ssid + " s Applied");
    Set(d, kE + "4.2.3 i 1");   // as the module writes it, without ".0"
    EXPECT_EQ(Get(d, kE + "4.2.3.0"), "0");
    Set(d, ssid + " s Pending");
    EXPECT_EQ(Get(d, ssid), "Pending");
    Set(d, kE + "4.3.4 i 1");
    EXPECT_EQ(Get(d, ssid), "Applied");
}

TEST_F(SimTemplateModel, sim_BackupMadeTemplateAppliedToAnotherDevice) {
    // The source device, in-process: its backup becomes a template.
    std::unique_ptr<DeviceModel> model = DeviceModel::Build();
    Device source(*model, DeviceIdentity::ForIndex(0, "127.0.0.1", 1161, 0, "1.10"), 4);
    auto set = [&](const std::string& oid, const std::string& text) {
        DeviceState::Cell* cell = source.State().Find(Oids::MustParse(oid));
        ASSERT_NE(cell, nullptr) << oid;
        ASSERT_TRUE(SimValue::FromText(cell->Value.Syntax, text, cell->Value)) << oid;
    };
    const std::map<std::string, std::string> settings = {
        {kE + "2.1.1.1.1.1.1", "1"}, {kE + "2.1.1.1.1.3.1", "255.255.255.0"}, {kE + "2.1.1.1.1.4.1", "127.0.0.254"},
        {kE + "4.1.1.1.2.1", "operator"}, {kE + "4.1.1.1.3.1", "pw1234"}, {kE + "4.4.1.0", "1"}, {kE + "4.4.2.0", "0"},
        {kE + "4.4.3.0", "2"}, {kE + "2.1.3.3.1.1.1.1.1", "Copied"}, {kE + "2.1.3.3.1.1.1.2.1", "0"},
        {kE + "2.1.3.3.1.1.1.17.1", "300"}, {kE + "2.1.3.3.1.1.1.18.1", "4"}, {kE + "2.1.3.3.1.1.1.23.1", "1"},
        {kE + "2.1.3.3.1.1.1.24.1", "0"}, {kE + "2.1.3.3.1.1.1.3.1", "11"}, {kE + "2.1.3.3.1.1.1.29.1", "2"},
        {kE + "2.1.3.3.1.1.1.11.1", "24"}, {kE + "2.1.3.3.2.1.1.1.1", "6"}, {kE + "2.1.3.3.2.1.1.5.1", "2"},
        {kE + "2.1.3.3.2.1.1.4.1", "secret words"}, {kE + "2.1.3.3.2.1.1.6.1", "900"}, {kE + "2.1.3.3.2.3.2.1.1.1", "1"},
    };
    for (const auto& [oid, value] : settings)
        set(oid, value);
    const DeviceModel::Table* acl = model->TableNamed("macAccessList");
    ASSERT_NE(acl, nullptr);
    auto cells = source.State().ColumnCells(*acl, "dot11MacAccessControlListMacAddress");
    ASSERT_GE(cells.size(), 2u);
    SimValue::FromText(cells[0]->Value.Syntax, "00AA00BB00CC", cells[0]->Value);
    SimValue::FromText(cells[1]->Value.Syntax, "00DD00EE00FF", cells[1]->Value);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::string error;
    ASSERT_TRUE(BackupFile::Write(source.State(), dir.filePath("source.dcf").toStdString(), error)) << error;
    ASSERT_TRUE(ParseBackupToTemplate(dir.filePath("source.dcf"), dir.filePath("source.ini")));
    // As the host does: the template's sections become a key file again.
    ASSERT_TRUE(KeyFileFromTemplate(dir.filePath("source.ini"), dir.filePath("apply.txt")));
    const QString keys = dir.filePath("apply.txt");

    // The target device has something else in its list first.
    const int d = 5;
    Set(d, kMacAdd + " x 0A0A0A0A0A0A");
    DeviceTarget target;
    const std::string where = sim->Target(d);
    target.Address = QString::fromStdString(where.substr(0, where.find(':')));
    target.Port = static_cast<uint16_t>(sim->Port());
    target.Version = DeviceTarget::Version2c;
    target.Timeout = 200;
    target.Retries = 2;
    QStringList rejections;
    TemplateApplier applier(target, [&](const QString& message) { rejections << message; });
    std::string lastWrite;
    applier.SetWriteObserver([&](const MibVariableList& list) {
        lastWrite.clear();
        for (int i = 0; i < list.Count(); ++i)
            if (list.Entry(i).Access == 6)
                lastWrite += list.Entry(i).Name.toStdString() + "=" + list.Entry(i).Value.toStdString() + " ";
    });
    try {
        applier.Apply(keys, 0xFFFF);
    } catch (const CZRException& e) {
        FAIL() << e.Number() << " " << e.Text().toStdString() << " in the write " << lastWrite;
    }
    EXPECT_TRUE(rejections.isEmpty()) << rejections.join("; ").toStdString();
    // The settings a template carries arrived; the data rate goes as Mbit/s text.
    for (const auto& [oid, value] : settings)
        EXPECT_EQ(Get(d, oid), value) << oid;
    EXPECT_EQ(MacList(d), (std::vector<std::string>{"00AA00BB00CC", "00DD00EE00FF"}));

    // A device with Multi-SSID on refuses the template before any write.
    const int other = 6;
    Set(other, kE + "3.3.1.1.1.1 i 1");
    DeviceTarget t2 = target;
    const std::string where2 = sim->Target(other);
    t2.Address = QString::fromStdString(where2.substr(0, where2.find(':')));
    TemplateApplier applier2(t2, [](const QString&) {});
    int number = 0;
    try {
        applier2.Apply(keys, 0xFFFF);
    } catch (const CZRException& e) {
        number = e.Number();
    }
    EXPECT_EQ(number, 1);
    EXPECT_EQ(Get(other, kE + "2.1.3.3.1.1.1.1.1"), "nxa7310");
}

TEST(SimTemplateState, sim_StateFileKeepsTheBandsChannelList) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string state = dir.filePath("state.json").toStdString();
    const std::string kList = std::string(Catalogue::EnterpriseRoot) + ".2.1.3.3.1.1.1.4.1";
    {
        SimFleet sim("127.0.12.20", {"--state", state});
        ASSERT_TRUE(sim.Ready());
        std::string out;
        RunTool("snmpset -v2c -c private -t 1 -r 2 " + sim.Target() + " " + kBand + " i 1", out);
        EXPECT_EQ(sim.Stop(), 0);
    }
    SimFleet sim("127.0.12.20", {"--state", state});
    ASSERT_TRUE(sim.Ready());
    std::string out;
    RunTool("snmpget -v2c -c public -Oqv -t 1 -r 2 " + sim.Target() + " " + kList, out);
    EXPECT_NE(out.find("36 40 44 48"), std::string::npos) << out;
}
