#include "app/skin_counter.hpp"

#include <gtest/gtest.h>

namespace qinghe {
namespace {

TEST(SkinCounter, WalksThroughEverySkinOnceThenChangesNothing) {
    SkinCounter counter;
    for (int skin = 1; skin <= SkinCounter::kSkinCount; ++skin) EXPECT_EQ(counter.advance(), skin);
    for (int later = 0; later < 5; ++later) EXPECT_EQ(counter.advance(), 0);
    counter.reset();
    EXPECT_EQ(counter.advance(), 1);
}

}  // namespace
}  // namespace qinghe
