#include "lottery/LargeBlockAllocator.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using lottery::LargeBlockAllocator;

namespace {

using Numbers = std::vector<int32_t, LargeBlockAllocator<int32_t>>;
constexpr std::size_t kHugePage = 2 * 1024 * 1024;

bool Sequential(const Numbers& numbers) {
    for (std::size_t i = 0; i < numbers.size(); ++i)
        if (numbers[i] != static_cast<int32_t>(i)) return false;
    return true;
}

}  // namespace

// Growing one element at a time moves the contents from blocks below the
// huge-page size to blocks above it and between those; nothing may be lost.
TEST(LargeBlockAllocator, ContentsSurviveGrowthAcrossTheHugePageSize) {
    Numbers numbers;
    const std::size_t count = 3 * kHugePage / sizeof(int32_t);
    for (std::size_t i = 0; i < count; ++i) numbers.push_back(static_cast<int32_t>(i));
    EXPECT_TRUE(Sequential(numbers));

    Numbers copy = numbers;
    EXPECT_EQ(copy, numbers);
    numbers.erase(numbers.begin(), numbers.begin() + 10);
    EXPECT_EQ(numbers.front(), 10);
    numbers.resize(100);
    numbers.shrink_to_fit();
    EXPECT_EQ(numbers.back(), 109);
    EXPECT_TRUE(Sequential(copy));
}

#if defined(__linux__)
// Only a block that starts on a huge-page boundary lies on whole huge pages.
// Blocks from half a megabyte on (the history's entries) are offered them.
TEST(LargeBlockAllocator, LargeBlocksStartOnAHugePageBoundary) {
    Numbers halfMegabyte(kHugePage / 4 / sizeof(int32_t));
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(halfMegabyte.data()) % kHugePage, 0u);
    Numbers large(kHugePage / sizeof(int32_t) + 1);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(large.data()) % kHugePage, 0u);
    for (std::size_t i = 0; i < large.size(); ++i) large[i] = static_cast<int32_t>(i);
    EXPECT_TRUE(Sequential(large));
}
#endif
