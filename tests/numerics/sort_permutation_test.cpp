#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "library_capture.h"
#include "numerics/sort_permutation.h"
#include "test_random.h"

namespace {

using SortTest = LibraryTest;

struct Sorted {
    std::vector<float> rb;
    std::vector<std::int32_t> iperm;
};

Sorted sort_with_permutation(const std::vector<float>& ra)
{
    const auto n = static_cast<std::int32_t>(ra.size());
    Sorted s{std::vector<float>(ra.size()), std::vector<std::int32_t>(ra.size())};
    std::iota(s.iperm.begin(), s.iperm.end(), 1);
    SVRGP(n, ra.data(), s.rb.data(), s.iperm.data());
    return s;
}

void expect_sorted_permutation(const std::vector<float>& ra, const Sorted& s)
{
    ASSERT_TRUE(std::is_sorted(s.rb.begin(), s.rb.end()));
    std::vector<std::int32_t> seen = s.iperm;
    std::sort(seen.begin(), seen.end());
    for (std::size_t i = 0; i < ra.size(); ++i) {
        ASSERT_EQ(seen[i], static_cast<std::int32_t>(i + 1));
        ASSERT_EQ(s.rb[i], ra[s.iperm[i] - 1]) << "position " << i;
    }
}

TEST_F(SortTest, RandomArraysOfManySizes)
{
    TestRandom random(1);
    for (int n = 1; n <= 120; ++n) {
        for (const float spread : {1000.0f, 3.0f}) {  // few distinct values when the spread is small
            std::vector<float> ra(static_cast<std::size_t>(n));
            for (float& v : ra) v = spread > 10 ? random.uniform(-spread, spread) : float(random.below(3));
            SCOPED_TRACE("n = " + std::to_string(n));
            expect_sorted_permutation(ra, sort_with_permutation(ra));
        }
    }
    std::vector<float> big(5000);
    for (float& v : big) v = random.uniform(-1, 1);
    expect_sorted_permutation(big, sort_with_permutation(big));
    EXPECT_TRUE(lines.empty());
}

TEST_F(SortTest, OrderedReversedAndEqualInput)
{
    std::vector<float> ascending(20);
    std::iota(ascending.begin(), ascending.end(), -3.0f);
    const Sorted up = sort_with_permutation(ascending);
    EXPECT_EQ(up.rb, ascending);
    expect_sorted_permutation(ascending, up);

    std::vector<float> descending(ascending.rbegin(), ascending.rend());
    const Sorted down = sort_with_permutation(descending);
    EXPECT_EQ(down.rb, ascending);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(down.iperm[i], 20 - i);

    for (const int n : {5, 12, 13, 40}) {
        const std::vector<float> equal(static_cast<std::size_t>(n), 2.5f);
        const Sorted same = sort_with_permutation(equal);
        EXPECT_EQ(same.rb, equal);
        std::vector<std::int32_t> identity(static_cast<std::size_t>(n));
        std::iota(identity.begin(), identity.end(), 1);
        EXPECT_EQ(same.iperm, identity) << n;  // equal values are never moved
    }
}

TEST_F(SortTest, OneElementAndTheCallersPermutation)
{
    const float one = 4.0f;
    float out = 0.0f;
    std::int32_t index = 7;  // not initialised by the sort: carried along as given
    SVRGP(1, &one, &out, &index);
    EXPECT_EQ(out, 4.0f);
    EXPECT_EQ(index, 7);

    const std::vector<float> ra = {3, 1, 2};
    std::vector<float> rb(3);
    std::vector<std::int32_t> labels = {30, 10, 20};
    SVRGP(3, ra.data(), rb.data(), labels.data());
    EXPECT_EQ(rb, (std::vector<float>{1, 2, 3}));
    EXPECT_EQ(labels, (std::vector<std::int32_t>{10, 20, 30}));
}

TEST_F(SortTest, EmptyOrNegativeLengthIsATerminalError)
{
    for (const std::int32_t n : {0, -4}) {
        stops.clear();
        float rb[2] = {8, 9};
        std::int32_t iperm[2] = {1, 2};
        const float ra[2] = {1, 0};
        SVRGP(n, ra, rb, iperm);
        EXPECT_EQ(rb[0], 8);
        EXPECT_EQ(iperm[1], 2);
        EXPECT_EQ(N1RTY(1), 5);
        EXPECT_EQ(N1RCD(1), 1);
        EXPECT_EQ(printed_text(),
                  " 1 from SVRGP. The length of vectors RA, RB and IPERM must be greater than or equal to one. On "
                  "input the length, N, is given as " +
                      std::to_string(n) + ".");
        ASSERT_EQ(stops.size(), 1u);  // the default attributes ask for a stop
        EXPECT_EQ(stops[0].routine, "SVRGP");
        take_output();
    }
    ERSET(0, 0, 0);
    float rb = 0;
    std::int32_t iperm = 1;
    SVRGP(0, &rb, &rb, &iperm);
    EXPECT_TRUE(lines.empty());
}

TEST(PivotFraction, AdvancesOncePerSegment)
{
    const float expected[] = {0.4140625f, 0.453125f, 0.4921875f, 0.53125f, 0.5703125f, 0.609375f, 0.390625f};
    float r = 0.375f;
    for (const float e : expected) {
        r = advance_pivot_fraction(r);
        EXPECT_EQ(r, e);
    }
}

TEST_F(SortTest, LargeInputWithLongOrderedRuns)
{
    // Ordered runs split near the middle every time, which keeps the most
    // segments pending.
    std::vector<float> ra(1 << 21);
    std::iota(ra.begin(), ra.end(), 0.0f);
    std::reverse(ra.begin(), ra.begin() + ra.size() / 3);
    const Sorted s = sort_with_permutation(ra);
    EXPECT_TRUE(std::is_sorted(s.rb.begin(), s.rb.end()));
    EXPECT_EQ(s.rb[12345], ra[s.iperm[12345] - 1]);
}

TEST_F(SortTest, UnorderedValuesStayWithinTheArray)
{
    std::vector<float> ra = {3, NAN, 1, 7, NAN, 2, 9, 0, 4, 6, NAN, 5, 8, 1, 2, NAN, 3};
    const Sorted s = sort_with_permutation(ra);
    for (std::size_t i = 0; i < ra.size(); ++i) {
        const float original = ra[s.iperm[i] - 1];
        EXPECT_TRUE(s.rb[i] == original || (std::isnan(s.rb[i]) && std::isnan(original)));
    }
}

}  // namespace
