// The cash-flow table's edits that the end-to-end run does not reach: a paste is all or
// nothing, deleting CF0 loses no flow, and an entry that is no number stays, flagged.
#include <gtest/gtest.h>

#include "shell/finance/flow_model.h"

namespace tabulor {
namespace {

std::vector<std::pair<double, std::int64_t>> listOf(const FlowModel& model) {
    std::vector<std::pair<double, std::int64_t>> list;
    for (const CashFlow& flow : model.check().flows)
        list.emplace_back(flow.amount, flow.count);
    return list;
}

TEST(CashFlowTable, PastesAllOrNothingAndDeletingCf0KeepsTheSeries) {
    FlowModel model(nullptr);
    ASSERT_EQ(model.paste(0, pastedFlows("(1,000.00)\n$250\t3\n\n−42\n", '.')), "");
    using List = std::vector<std::pair<double, std::int64_t>>;
    EXPECT_EQ(listOf(model), (List{{-1000, 1}, {250, 3}, {-42, 1}}));

    EXPECT_EQ(model.paste(1, pastedFlows("5\nabc\n", '.')), "line 2: amount 'abc' is not a number");
    EXPECT_EQ(model.paste(0, pastedFlows("5\t2\n", '.')),
              "the initial flow CF0 counts once: its count must be 1");
    EXPECT_EQ(listOf(model), (List{{-1000, 1}, {250, 3}, {-42, 1}}));

    model.removeFlow(0);
    EXPECT_EQ(listOf(model), (List{{250, 1}, {250, 2}, {-42, 1}}));

    ASSERT_TRUE(model.setData(model.index(2, 1), QStringLiteral("2.5"), Qt::EditRole));
    EXPECT_EQ(model.data(model.index(2, 1), Qt::DisplayRole).toString(), "2.5");
    EXPECT_EQ(model.check().fault, "CF2: count '2.5' is not a whole number");
    EXPECT_TRUE(model.check().flows.empty());
}

}  // namespace
}  // namespace tabulor
