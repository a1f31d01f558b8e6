// The committed MIB module mib/NXA7310-MIB.txt: up to date with the tables, resolvable by
// net-snmp's tools and free of SMI errors.
#include "mib/tools/MibModuleWriter.h"
#include "mib/tools/MibObjectTree.h"
#include "mib/tools/SmiNames.h"
#include "mib/Catalogue.h"
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <fstream>
#include <set>
#include <sstream>

namespace {
const std::string kMibDir = std::string(NXA_SOURCE_DIR) + "/mib";

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Dotted(const MibObjectTree::Arcs& arcs) {
    std::string text = "." + std::string(Catalogue::EnterpriseRoot);
    for (uint32_t arc : arcs)
        text += "." + std::to_string(arc);
    return text;
}

struct ToolRun {
    int Exit = -1;
    QString Out;
    QString Err;
};

ToolRun RunTool(const QString& program, const QStringList& arguments, const QProcessEnvironment& env) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    ToolRun run;
    if (!process.waitForStarted(10000) || !process.waitForFinished(60000))
        return run;
    run.Exit = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.Out = QString::fromUtf8(process.readAllStandardOutput());
    run.Err = QString::fromUtf8(process.readAllStandardError());
    return run;
}
}  // namespace

TEST(MibModule, CommittedFileMatchesTheTables) {
    const std::string generated = MibModuleWriter(MibObjectTree()).Text();
    const std::string committed = ReadFile(kMibDir + "/NXA7310-MIB.txt");
    ASSERT_FALSE(committed.empty()) << "mib/NXA7310-MIB.txt is missing";
    EXPECT_TRUE(generated == committed)
        << "mib/NXA7310-MIB.txt is out of date: rewrite it with `ninja update_nxa_mib`";
}

TEST(MibModule, DescriptorsAreLegalAndUnique) {
    const MibObjectTree tree;
    std::set<std::string> names;
    for (const auto& object : tree.Objects()) {
        EXPECT_TRUE(SmiNames::IsDescriptor(object.Descriptor)) << object.Descriptor;
        EXPECT_LE(object.Descriptor.size(), 64u) << object.Descriptor;
        EXPECT_TRUE(names.insert(object.Descriptor).second) << object.Descriptor;
    }
    for (const auto& table : tree.Tables()) {
        EXPECT_TRUE(names.insert(table.TableName).second) << table.TableName;
        EXPECT_TRUE(names.insert(table.EntryName).second) << table.EntryName;
        EXPECT_FALSE(table.Index.empty()) << table.TableName;
    }
    // Every legal catalogue name under the root names an object, unless its OID lies below
    // another object's or another name took its OID first.
    EXPECT_TRUE(names.count("dot11Ssid"));
    EXPECT_TRUE(names.count("deviceRestart"));
    EXPECT_TRUE(names.count("dot11ClientRssi"));
}

TEST(MibModule, NamesDeriveLegally) {
    EXPECT_EQ(SmiNames::Derive("Dynamic IP Function"), "dynamicIPFunction");
    EXPECT_EQ(SmiNames::Derive("dot11TrafficcontrolInterfaceMode_Primary-ssid"),
              "dot11TrafficcontrolInterfaceModePrimarySsid");
    EXPECT_EQ(SmiNames::Derive("2.4GHz"), "v2dot4GHz");
    EXPECT_EQ(SmiNames::Derive("(GMT-03:30) Newfoundland"), "gmtMinus0330Newfoundland");
    EXPECT_EQ(SmiNames::Derive("0 %"), "v0Pct");
    EXPECT_EQ(SmiNames::Derive("CH"), "ch");
    EXPECT_TRUE(SmiNames::IsDescriptor("dot11Ssid"));
    EXPECT_FALSE(SmiNames::IsDescriptor("MAC Address"));
    EXPECT_FALSE(SmiNames::IsDescriptor("a_b"));
}

TEST(MibModule, SnmptranslateResolvesEveryName) {
    const QString tool = QStandardPaths::findExecutable("snmptranslate");
    if (tool.isEmpty())
        GTEST_SKIP() << "snmptranslate is not installed";
    QTemporaryDir state;
    ASSERT_TRUE(state.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SNMP_PERSISTENT_DIR", state.path());
    env.insert("SNMPCONFPATH", state.path());
    env.remove("MIBS");
    env.remove("MIBDIRS");

    const MibObjectTree tree;
    QStringList arguments = {"-M", QString::fromStdString("+" + kMibDir + ":" + kMibDir + "/base"), "-m",
                             "+NXA7310-MIB", "-IR", "-On"};
    std::vector<std::string> expected;
    for (const auto& object : tree.Objects()) {
        arguments << QString::fromStdString(object.Descriptor);
        expected.push_back(Dotted(object.Oid));
    }
    for (const auto& table : tree.Tables()) {
        arguments << QString::fromStdString(table.EntryName);
        expected.push_back(Dotted(table.EntryOid));
    }
    const ToolRun run = RunTool(tool, arguments, env);
    ASSERT_EQ(run.Exit, 0) << run.Err.toStdString();
    std::vector<std::string> lines;
    for (const QString& line : run.Out.split('\n', Qt::SkipEmptyParts))
        lines.push_back(line.trimmed().toStdString());
    ASSERT_EQ(lines.size(), expected.size()) << run.Out.toStdString();
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(lines[i], expected[i]) << arguments[static_cast<int>(i) + 6].toStdString();
}

TEST(MibModule, SmilintFindsNoErrors) {
    const QString tool = QStandardPaths::findExecutable("smilint");
    if (tool.isEmpty())
        GTEST_SKIP() << "smilint is not installed";
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SMIPATH", QString::fromStdString(kMibDir + "/base"));
    const ToolRun run = RunTool(tool, {"-s", "-l", "3", QString::fromStdString(kMibDir + "/NXA7310-MIB.txt")}, env);
    ASSERT_GE(run.Exit, 0) << "smilint did not run";
    // Severities 0 to 2 are errors; 3 is a minor finding, reported but allowed.
    int findings = 0;
    for (const QString& line : (run.Out + run.Err).split('\n', Qt::SkipEmptyParts)) {
        ++findings;
        EXPECT_FALSE(line.contains(": [0]") || line.contains(": [1]") || line.contains(": [2]"))
            << line.toStdString();
    }
    EXPECT_LE(findings, 5) << (run.Out + run.Err).toStdString();
}

TEST(MibModule, GeneratorWritesAndPrintsTheModule) {
    const std::string expected = MibModuleWriter(MibObjectTree()).Text();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("NXA7310-MIB.txt");
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const ToolRun written = RunTool(NXA_MIBGEN, {path}, env);
    ASSERT_EQ(written.Exit, 0) << written.Err.toStdString();
    EXPECT_TRUE(ReadFile(path.toStdString()) == expected);
    const ToolRun printed = RunTool(NXA_MIBGEN, {}, env);
    ASSERT_EQ(printed.Exit, 0);
    EXPECT_TRUE(printed.Out.toStdString() == expected);
    const ToolRun refused = RunTool(NXA_MIBGEN, {dir.filePath("missing/NXA7310-MIB.txt")}, env);
    EXPECT_NE(refused.Exit, 0);
}
