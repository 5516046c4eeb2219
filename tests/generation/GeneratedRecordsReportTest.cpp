#include <gtest/gtest.h>

#include "generation/GeneratedRecordsReport.h"
#include "platform/MessageLog.h"
#include "tests/generation/DataSetFixture.h"

namespace {
using GeneratedRecordsReportTest = DataSetTest;
}

TEST_F(GeneratedRecordsReportTest, GroupsTheLastRecordsByTheirEffects) {
    AddField("F1", {});
    AddField("F2", {});
    const std::string e1 = AddEffect("E1", 1, "")->GetId();
    const std::string e2 = AddEffect("E2", 1, "")->GetId();
    const std::string x = AddEffect("X", 0, "")->GetId();
    AddRecord("Old", {"o", "o"});
    AddRecord("R1", {"a", "b"})->GetEffectIds() = {e1, e2};
    AddRecord("R2", {"c", "d"})->GetEffectIds() = {e1, e2};
    AddRecord("R3", {"e"}, kOriginDeltra, 0)->GetEffectIds() = {x, "deleted effect"};
    AddRecord("R4", {"f", "g"})->GetEffectIds() = {e1, e2};

    MessageLog log;
    EXPECT_EQ(ReportGeneratedRecords(dataSet, 4, log), 1);
    EXPECT_EQ(log.Lines(), (Texts{"4 new records generated!", "", "Effect combination #1 (valid):  E1,  E2",
                                  "Record R1:  F1: a,  F2: b", "Record R2:  F1: c,  F2: d", "",
                                  "Effect combination #2 (invalid):  X", "Record R3:  F1: e,  F2: ", "",
                                  "Effect combination #3 (valid):  E1,  E2", "Record R4:  F1: f,  F2: g", ""}));
    EXPECT_EQ(GeneratedRecordsTitle(), "Generated Data Records");
}

TEST_F(GeneratedRecordsReportTest, RecordsWithoutEffectsNeedNoHeading) {
    AddField("F", {});
    AddRecord("R1", {"a"});
    MessageLog log;
    ReportGeneratedRecords(dataSet, 5, log);  // no more than there are
    EXPECT_EQ(log.Lines(), (Texts{"5 new records generated!", "Record R1:  F: a", ""}));
}
