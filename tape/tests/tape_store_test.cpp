#include "tape/tape_store.h"

#include <gtest/gtest.h>

#include <string>

namespace tabulor {
namespace {

TapeLine lineNumbered(int n) {
    TapeLine line;
    line.keyed = std::to_string(n);
    return line;
}

struct StoreCase {
    std::size_t limit;
    int appended;
    std::size_t kept;
    std::uint64_t dropped;
};

TEST(TapeStore, KeepsTheNewestLinesAndCountsTheRest) {
    for (const StoreCase& c : {StoreCase{3, 2, 2, 0}, StoreCase{3, 3, 3, 0}, StoreCase{3, 7, 3, 4},
                               StoreCase{0, 2, 0, 2}}) {
        TapeStore store(c.limit);
        for (int n = 1; n <= c.appended; ++n)
            store.append(lineNumbered(n));
        ASSERT_EQ(store.size(), c.kept) << c.limit << " " << c.appended;
        EXPECT_EQ(store.dropped(), c.dropped);
        if (c.kept > 0) {
            EXPECT_EQ(store[c.kept - 1].keyed, std::to_string(c.appended));
            EXPECT_EQ(store[0].keyed, std::to_string(c.appended - static_cast<int>(c.kept) + 1));
        }
    }
}

TEST(TapeStore, ClearForgetsTheDroppedCount) {
    TapeStore store(1);
    store.append(lineNumbered(1));
    store.append(lineNumbered(2));
    store.clear();
    EXPECT_EQ(store.size(), 0u);
    EXPECT_EQ(store.dropped(), 0u);
}

}  // namespace
}  // namespace tabulor
