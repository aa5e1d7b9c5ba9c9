// Random draws: whole numbers stay in 1..n, and a seed repeats its sequence.
#include "game/random_source.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <thread>
#include <vector>

namespace pennix {
namespace {

TEST(RandomSourceTest, WholeNumberNeverPassesTheTopEvenForTheLargestValueBelowOne) {
    const float below_one = std::nextafter(1.0f, 0.0f);
    for (int n = 1; n <= 320; ++n) {
        EXPECT_EQ(WholeFromFloat(below_one, n), n) << "n = " << n;
        EXPECT_EQ(WholeFromFloat(0.0f, n), 1) << "n = " << n;
    }
    // Computed in single precision the formula gives n + 1 for every power of two, such as the
    // 8 rows and 4 sides of a random wall: r x 8 + 1 rounds up to exactly 9.
    const volatile float rows = below_one * 8.0f + 1.0f;
    EXPECT_EQ(static_cast<int>(std::floor(rows)), 9);
}

TEST(RandomSourceTest, WholeNumberSplitsTheUnitIntervalEvenly) {
    EXPECT_EQ(WholeFromFloat(0.2499f, 4), 1);
    EXPECT_EQ(WholeFromFloat(0.25f, 4), 2);
    EXPECT_EQ(WholeFromFloat(0.5f, 4), 3);
    EXPECT_EQ(WholeFromFloat(0.75f, 4), 4);
    EXPECT_EQ(WholeFromFloat(0.95f, 10), 10);
}

// Where r x n is exact (n a power of two), the draw must step up at r = k / n and not one float
// below it: single precision rounds r x n + 1 up to the next whole number there, inside the
// range as well as at its top.
TEST(RandomSourceTest, WholeNumberStepsUpExactlyAtEachMultipleOfOneNth) {
    for (int n = 2; n <= 256; n *= 2) {
        for (int k = 1; k < n; ++k) {
            const float step = static_cast<float>(k) / static_cast<float>(n);
            EXPECT_EQ(WholeFromFloat(std::nextafter(step, 0.0f), n), k) << k << "/" << n;
            EXPECT_EQ(WholeFromFloat(step, n), k + 1) << k << "/" << n;
        }
    }
}

TEST(RandomSourceTest, SameSeedSameSequenceAndValuesInRange) {
    RandomSource a;
    RandomSource b;
    a.Seed(42);
    b.Seed(42);
    std::vector<int> counts(8, 0);
    for (int i = 0; i < 80000; ++i) {
        const float r = a.NextFloat();
        ASSERT_EQ(r, b.NextFloat());
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        const int whole = a.Draw(8);
        ASSERT_EQ(whole, b.Draw(8));
        ASSERT_GE(whole, 1);
        ASSERT_LE(whole, 8);
        ++counts[whole - 1];
    }
    for (int count : counts) {  // every value drawn about 10000 times
        EXPECT_GT(count, 9000);
        EXPECT_LT(count, 11000);
    }
}

// Every value is a whole number of 2^-24 steps, so that each of the 2^24 values is as likely as
// any other; a scale a hair off 2^-24 spreads them unevenly and can reach 1 itself.
TEST(RandomSourceTest, ValuesAreWholeStepsOfTwoToTheMinus24) {
    RandomSource source;
    source.Seed(9);
    for (int i = 0; i < 10000; ++i) {
        const double steps = static_cast<double>(source.NextFloat()) * 16777216.0;
        ASSERT_EQ(steps, std::floor(steps)) << "draw " << i;
    }
}

// Two games started a moment apart, within the same second, say, must not replay each other's
// choices: the clock seed keeps its fine part.
TEST(RandomSourceTest, SourcesSeededFromTheClockAMomentApartDiffer) {
    RandomSource first;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    RandomSource second;
    int same = 0;
    for (int i = 0; i < 100; ++i) {
        same += first.NextFloat() == second.NextFloat() ? 1 : 0;
    }
    EXPECT_LT(same, 5);
}

TEST(RandomSourceTest, DifferentSeedsDiffer) {
    RandomSource a;
    RandomSource b;
    a.Seed(1);
    b.Seed(2);
    int same = 0;
    for (int i = 0; i < 100; ++i) {
        same += a.NextFloat() == b.NextFloat() ? 1 : 0;
    }
    EXPECT_LT(same, 5);
}

// The clock gives a 64-bit count of nanoseconds; a seed cut to its low half would make two
// clock readings exactly 2^32 ns apart start the same game.
TEST(RandomSourceTest, SeedsThatDifferOnlyInTheirHighHalfDiffer) {
    RandomSource a;
    RandomSource b;
    a.Seed(1);
    b.Seed(1 + (std::uint64_t{1} << 32));
    int same = 0;
    for (int i = 0; i < 100; ++i) {
        same += a.NextFloat() == b.NextFloat() ? 1 : 0;
    }
    EXPECT_LT(same, 5);
}

}  // namespace
}  // namespace pennix
