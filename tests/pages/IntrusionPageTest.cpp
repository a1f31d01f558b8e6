// The intrusion page against simulated devices: detection, the set-as
// commands with one entry per ticked row in one set, the mark-all commands,
// each followed by a new detection, and types that stay until changed.
#include "AdvancedPagesFixture.h"
#include "pages/IntrusionPage.h"

namespace {

using AdvancedPages::AdvancedPageTest;
using IntrusionPageTest = AdvancedPageTest;

const QString kLabel = QStringLiteral("Intrusion");
const QString kList = QStringLiteral("AP List");
constexpr int kType = 1, kBssid = 4;

// Type by BSSID as the page lists them.
std::map<QString, QString> Types(const PageList* list) {
    std::map<QString, QString> types;
    for (const QStringList& row : list->Rows())
        types[row.value(kBssid)] = row.value(kType);
    return types;
}

TEST_F(IntrusionPageTest, TwoTickedRowsAreMarkedValidInOneSetAndShownAsValidAfterTheNewDetection) {
    ASSERT_TRUE(Show(1, kLabel));
    const size_t before = Sets().size();
    ASSERT_TRUE(Press("Detect"));
    ASSERT_EQ(Sets().size(), before + 1);
    EXPECT_EQ(Varbinds(Sets().back()), QStringList({"3.4.4.1.0=1"}));
    PageList* list = List(kList);
    ASSERT_EQ(list->RowCount(), 5);
    EXPECT_EQ(list->Headers(), QStringList({"Index", "Type", "Band", "SSID", "BSSID", "Last Seen", "Status"}));
    // Two rows that are not valid yet.
    std::vector<int> ticked;
    for (int row = 0; row < list->RowCount() && ticked.size() < 2; ++row)
        if (list->Rows()[static_cast<size_t>(row)].value(kType) != "Valid")
            ticked.push_back(row);
    ASSERT_EQ(ticked.size(), 2u);
    const auto rows = list->Rows();
    for (int row : ticked)
        ASSERT_TRUE(list->Tick(row));
    const std::map<QString, QString> old = Types(list);
    const size_t sent = Sets().size();
    ASSERT_TRUE(Press("Set as Valid"));
    ASSERT_EQ(Sets().size(), sent + 2);
    EXPECT_EQ(Varbinds(Sets()[sent]), QStringList({"3.4.4.5.0=" + rows[static_cast<size_t>(ticked[0])][0],
                                                   "3.4.4.5.0=" + rows[static_cast<size_t>(ticked[1])][0]}));
    EXPECT_EQ(Varbinds(Sets()[sent + 1]), QStringList({"3.4.4.1.0=1"}));
    std::map<QString, QString> now = Types(List(kList));
    for (const auto& [bssid, type] : old) {
        const bool wasTicked = bssid == rows[static_cast<size_t>(ticked[0])][kBssid] ||
                               bssid == rows[static_cast<size_t>(ticked[1])][kBssid];
        EXPECT_EQ(now[bssid], wasTicked ? QString("Valid") : type) << bssid.toStdString();
    }
    // The device holds the types, and keeps them through another detection.
    ASSERT_TRUE(Press("Detect"));
    EXPECT_EQ(Types(List(kList)), now);
    EXPECT_TRUE(messages->Boxes.empty());
}

TEST_F(IntrusionPageTest, MarkAllChangesOnlyTheNewAccessPoints) {
    ASSERT_TRUE(Show(2, kLabel));
    ASSERT_TRUE(Press("Detect"));
    // Make two of them new first.
    ASSERT_TRUE(List(kList)->Tick(0));
    ASSERT_TRUE(List(kList)->Tick(1));
    ASSERT_TRUE(Press("Set as New"));
    const std::map<QString, QString> old = Types(List(kList));
    ASSERT_GE(std::count_if(old.begin(), old.end(), [](const auto& t) { return t.second == "New"; }), 2);
    const size_t sent = Sets().size();
    ASSERT_TRUE(Press("Mark All New Access Points as Rogue Access Points "));
    ASSERT_EQ(Sets().size(), sent + 2);
    EXPECT_EQ(Varbinds(Sets()[sent]), QStringList({"3.4.4.10.0=1"}));
    EXPECT_TRUE(status->Contains(" Mark Unknown Access Points as Rogue Access Points, please wait..."));
    for (const auto& [bssid, type] : Types(List(kList)))
        EXPECT_EQ(type, old.at(bssid) == "New" ? QString("Rogue") : old.at(bssid)) << bssid.toStdString();
    // Set as new again, then all new ones valid.
    ASSERT_TRUE(List(kList)->Tick(2));
    ASSERT_TRUE(Press("Set as New"));
    ASSERT_TRUE(Press("Mark All New Access Points as Valid Access Points "));
    EXPECT_EQ(Varbinds(Sets()[Sets().size() - 2]), QStringList({"3.4.4.9.0=1"}));
    for (const auto& [bssid, type] : Types(List(kList)))
        EXPECT_NE(type, "New");
}

TEST_F(IntrusionPageTest, ASetAsWithoutATickedRowSendsNothing) {
    ASSERT_TRUE(Show(3, kLabel));
    ASSERT_TRUE(Press("Detect"));
    const size_t before = Sets().size();
    ASSERT_TRUE(Press("Set as Rogue"));
    EXPECT_EQ(messages->Texts(), QStringList({"No item selected!"}));
    EXPECT_EQ(Sets().size(), before);
}

TEST_F(IntrusionPageTest, ADeviceThatDoesNotAnswerLeavesTheListAsItWas) {
    ASSERT_TRUE(Show(kSilent, kLabel, 0.02));
    ASSERT_TRUE(Press("Detect"));
    EXPECT_EQ(List(kList)->RowCount(), 0);
    EXPECT_TRUE(status->Contains("Detecting, please wait..."));
    EXPECT_TRUE(Frame()->isEnabled());
    EXPECT_TRUE(messages->Boxes.empty());
}

}  // namespace
