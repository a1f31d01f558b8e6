#include "mib/Catalogue.h"
#include "TsvFile.h"
#include "snmp/SnmpSyntax.h"
#include <gtest/gtest.h>
#include <set>
#include <string>

TEST(MibCatalogue, EveryRowMatchesTheDataTable) {
    TsvFile file(MibDataPath("catalogue.tsv"));
    ASSERT_TRUE(file.Loaded());
    const auto entries = Catalogue::All();
    ASSERT_EQ(file.Rows().size(), 604u);
    ASSERT_EQ(entries.size(), file.Rows().size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const auto& row = file.Rows()[i];
        SCOPED_TRACE("row " + std::to_string(i + 1) + " " + row.at("name"));
        EXPECT_EQ(entries[i].Group, row.at("group"));
        EXPECT_EQ(entries[i].Name, row.at("name"));
        EXPECT_EQ(entries[i].Oid, row.at("oid"));
        EXPECT_EQ(entries[i].Syntax, std::stoi(row.at("syntax")));
        EXPECT_EQ(entries[i].Maps, row.at("maps"));
    }
}

TEST(MibCatalogue, NamesSyntaxesAndRoots) {
    const auto entries = Catalogue::All();
    std::set<std::string> names;
    const std::string root = std::string(Catalogue::EnterpriseRoot) + ".";
    for (const CatalogueEntry& e : entries) {
        names.insert(e.Name);
        EXPECT_TRUE(SnmpSyntax::IsKnown(e.Syntax)) << e.Name;
        const std::string oid = e.Oid;
        if (std::string(e.Group) == "mib-2")
            EXPECT_EQ(oid.rfind("1.3.6.1.2.1.", 0), 0u) << e.Name;
        else
            EXPECT_EQ(oid.rfind(root + e.Group + ".", 0), 0u) << e.Name;
    }
    EXPECT_EQ(names.size(), 547u);
}
