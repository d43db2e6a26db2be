// The numbers of a page's markup as a student reads them: the sweeps of
// every chapter read their statements and answers this way.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/shown_numbers.h"

namespace basic_notions_test {
namespace {

struct ReadNumber {
    std::string significand;
    std::int32_t last_place, first_place;
    double value;
};

struct MarkupNumbers {
    const char* markup;
    std::vector<ReadNumber> numbers;
};

TEST(ShownNumbers, AreReadFromMarkupAsAStudentReadsThem)
{
    const MarkupNumbers cases[] = {
        {"-1.23•10@u-3@ M", {{"123", -5, -3, -1.23e-3}}},
        {"•10@u-3@", {{"3", 0, 0, -3.0}}},  // no mantissa: its exponent is a number of its own
        {"-.5 e 1.", {{"5", -1, -1, -0.5}, {"1", 0, 0, 1.0}}},
        {"0.0120 g", {{"120", -4, -2, 0.012}}},
        {"5.•10@u2@", {{"5", 2, 2, 500.0}}},
        {"H@d2@O a 25@uo@C", {{"25", 0, 1, 25.0}}},  // codes are no numbers
        {"1@d2@3", {{"1", 0, 0, 1.0}, {"3", 0, 0, 3.0}}},
        {"0 e 1.2.3", {{"0", 0, 0, 0.0}, {"12", -1, 0, 1.2}, {"3", -1, -1, 0.3}}},
        {"2•10@u-@ 7", {{"2", 0, 0, 2.0}, {"10", 0, 1, 10.0}, {"7", 0, 0, 7.0}}},
        {"a-b --4", {{"4", 0, 0, -4.0}}},
        {"@ 3", {{"3", 0, 0, 3.0}}},  // a lone @ opens no code
        {"nessun numero", {}},
    };
    for (const MarkupNumbers& c : cases) {
        const std::vector<testing_support::Shown> read = testing_support::shown_numbers(c.markup);
        ASSERT_EQ(read.size(), c.numbers.size()) << c.markup;
        for (std::size_t i = 0; i < read.size(); ++i) {
            EXPECT_EQ(read[i].significand, c.numbers[i].significand) << c.markup << " #" << i;
            EXPECT_EQ(read[i].last_place, c.numbers[i].last_place) << c.markup << " #" << i;
            EXPECT_EQ(read[i].first_place, c.numbers[i].first_place) << c.markup << " #" << i;
            EXPECT_DOUBLE_EQ(read[i].value, c.numbers[i].value) << c.markup << " #" << i;
        }
    }
}

}  // namespace
}  // namespace basic_notions_test
