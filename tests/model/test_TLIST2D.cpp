// The table grows on Put and answers out-of-range queries with nothing.
#include <gtest/gtest.h>

#include "model/TLIST2D.h"

TEST(TLIST2D, PutGrowsRowsAndColumns)
{
    TLIST2D<int> t;
    int a = 7;
    EXPECT_EQ(t.RowCount(), 0);
    EXPECT_EQ(t.Count(0), -1);
    t.Put(3, 2, &a);
    EXPECT_EQ(t.RowCount(), 4);
    for (int z = 0; z < 3; ++z) EXPECT_EQ(t.Count(z), 0);
    EXPECT_EQ(t.Count(3), 3);
    EXPECT_EQ(t.Get(3, 0), nullptr);
    EXPECT_EQ(t.Get(3, 1), nullptr);
    EXPECT_EQ(t.Get(3, 2), &a);
    EXPECT_EQ(t.Get(3, 3), nullptr);
    EXPECT_EQ(t.Get(4, 0), nullptr);
    EXPECT_EQ(t.Get(-1, 0), nullptr);
    t.Clear();
    EXPECT_EQ(t.RowCount(), 0);
    EXPECT_EQ(a, 7);
}
