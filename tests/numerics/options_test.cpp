#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "library_capture.h"
#include "numerics/options.h"

namespace {

using OptionsTest = LibraryTest;

std::vector<std::int32_t> get_options(const std::vector<std::int32_t>& options, std::size_t value_count,
                                      const char* set = "MATH", std::int32_t chapter = 1)
{
    std::vector<std::int32_t> values(value_count, -99);
    IUMAG(set, chapter, 1, static_cast<std::int32_t>(options.size()), options.data(), values.data());
    return values;
}

TEST_F(OptionsTest, LeastSquaresOptionsHaveTheirDefaults)
{
    EXPECT_EQ(get_options({16, 17}, 6), (std::vector<std::int32_t>{1, 16, 0, 1, 1, 2}));
    EXPECT_EQ(get_options({17, 16}, 6), (std::vector<std::int32_t>{1, 2, 1, 16, 0, 1}));
    EXPECT_EQ(get_options({16}, 4, "math"), (std::vector<std::int32_t>{1, 16, 0, 1}));
    EXPECT_EQ(get_options({1}, 1, "MaTh", 10), (std::vector<std::int32_t>{0}));
    EXPECT_TRUE(lines.empty());
}

TEST_F(OptionsTest, PutValuesStayWhileDefaultsRemainAvailable)
{
    const std::int32_t option = 16;
    std::int32_t values[4] = {1, 16, 1, 16};
    IUMAG("MATH", 1, 2, 1, &option, values);
    EXPECT_EQ(get_options({16}, 4), (std::vector<std::int32_t>{1, 16, 1, 16}));
    EXPECT_EQ(get_options({-16}, 4), (std::vector<std::int32_t>{1, 16, 0, 1}));
    EXPECT_EQ(get_options({16}, 4), (std::vector<std::int32_t>{1, 16, 1, 16}));

    // A negative option in a put resets it without using any values.
    const std::int32_t both[2] = {-16, 17};
    std::int32_t seventeen[2] = {7, 8};
    IUMAG("MATH", 1, 2, 2, both, seventeen);
    EXPECT_EQ(get_options({16, 17}, 6), (std::vector<std::int32_t>{1, 16, 0, 1, 7, 8}));
}

TEST_F(OptionsTest, InvalidRequestsRaiseTheirErrorAndTouchNothing)
{
    struct Case {
        const char* set;
        std::int32_t chapter, action;
        std::vector<std::int32_t> options;
        std::int32_t code;
        const char* text;
    };
    const Case cases[] = {
        {"MATH", 1, 3, {16}, 1, "IACT must be 1 to get option values or 2 to put option values. IACT = 3 is invalid."},
        {"MATX", 1, 1, {16}, 2, "The product name must be either MATH or STAT. PRODNM = MATX is invalid."},
        {"MATH",
         11,
         1,
         {16},
         3,
         "ICHP = 11 is an invalid MATH chapter number. To get or put MATH options, ICHP must be between 1 and 10."},
        {"STAT",
         0,
         1,
         {1},
         3,
         "ICHP = 0 is an invalid STAT chapter number. To get or put STAT options, ICHP must be between 1 and 20."},
        {"MATH",
         2,
         1,
         {1},
         4,
         "No options exist for MATH chapter 2. Only existing options may have values retrieved from or placed into "
         "them."},
        {"STAT",
         20,
         1,
         {1},
         4,
         "No options exist for STAT chapter 20. Only existing options may have values retrieved from or placed into "
         "them."},
        {"MATH", 1, 1, {}, 5, "NUMOPT = 0 is an invalid number of options. NUMOPT must be greater than zero."},
        {"MATH", 1, 1, {16, 0}, 6, "IOPTS(2) = 0 is an invalid MATH chapter 1 option number."},
        {"MATH", 1, 1, {18}, 6, "IOPTS(1) = 18 is an invalid MATH chapter 1 option number."},
        {"MATH", 1, 1, {-18}, 6, "IOPTS(1) = -18 is an invalid MATH chapter 1 option number."},
        {"MATH", 1, 2, {3}, 6, "IOPTS(1) = 3 is an invalid MATH chapter 1 option number."},
    };
    for (const Case& c : cases) {
        stops.clear();
        std::vector<std::int32_t> values(4, -99);
        std::vector<std::int32_t> put_values = {9, 9, 9, 9, 9, 9};
        IUMAG(c.set, c.chapter, c.action, static_cast<std::int32_t>(c.options.size()), c.options.data(),
              c.action == 2 ? put_values.data() : values.data());
        EXPECT_EQ(N1RTY(1), 5) << c.text;
        EXPECT_EQ(N1RCD(1), c.code) << c.text;
        EXPECT_EQ(printed_text(), " " + std::to_string(c.code) + " from IUMAG. " + c.text);
        ASSERT_EQ(stops.size(), 1u);
        EXPECT_EQ(stops[0].routine, "IUMAG");
        EXPECT_EQ(values, std::vector<std::int32_t>(4, -99));
        take_output();
    }
    EXPECT_EQ(get_options({16, 17}, 6), (std::vector<std::int32_t>{1, 16, 0, 1, 1, 2}));
}

TEST_F(OptionsTest, TheTraceOptionReportsGetsAndPuts)
{
    const std::int32_t trace = 1;
    std::int32_t on = 1;
    IUMAG("MATH", 10, 2, 1, &trace, &on);
    EXPECT_TRUE(lines.empty());  // the trace was off when the put began
    get_options({17}, 2);
    const std::string get = take_output();
    EXPECT_NE(get.find("A return (get) of the following values"), std::string::npos) << get;
    EXPECT_NE(get.find("from option 17 of MATH chapter 1"), std::string::npos) << get;
    EXPECT_NE(get.find("was performed by IUMAG:"), std::string::npos) << get;
    EXPECT_NE(get.find("              1           1\n              2           2\n"), std::string::npos) << get;
    std::int32_t off = 0;
    IUMAG("MATH", 10, 2, 1, &trace, &off);
    const std::string put = take_output();
    EXPECT_NE(put.find("A change (put) was made by IUMAG to option 1 of MATH chapter 10"), std::string::npos) << put;
    EXPECT_NE(put.find("resulting in the following values for that option:"), std::string::npos) << put;
    get_options({17}, 2);
    EXPECT_TRUE(lines.empty());
}

}  // namespace
