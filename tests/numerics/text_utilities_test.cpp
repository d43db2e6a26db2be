#include <gtest/gtest.h>

#include <string>

#include "library_capture.h"
#include "numerics/text_utilities.h"

namespace {

using TextUtilitiesTest = LibraryTest;

TEST_F(TextUtilitiesTest, Characters)
{
    EXPECT_EQ(ACHAR(65), 'A');
    EXPECT_EQ(ACHAR(0), '\0');
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(ACHAR(-1), '\0');
    EXPECT_EQ(N1RCD(1), 1);
    EXPECT_EQ(printed_text(), " 1 from ACHAR. The ASCII value must be non-negative while I = -1 is given.");
    take_output();

    EXPECT_EQ(char_code_upper('a'), 'A');
    EXPECT_EQ(char_code_upper('z'), 'Z');
    EXPECT_EQ(char_code_upper('Q'), 'Q');
    EXPECT_EQ(char_code_upper('{'), '{');
    EXPECT_EQ(char_code_upper('\xE9'), 0xE9);  // codes count from 0 to 255
}

TEST(TextSearch, FindsAndCompares)
{
    struct Case {
        const char* text;
        const char* pattern;
        std::int32_t exact, nocase;
    };
    const Case cases[] = {
        {"MATH chapter", "chapter", 6, 6},
        {"MATH chapter", "CHAPTER", 0, 6},
        {"abcabc", "c", 3, 3},
        {"abc", "abcd", 0, 0},
        {"abc", "", 0, 0},
        {"", "a", 0, 0},
        {"xXx", "xx", 0, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(find_substring(c.text, c.pattern), c.exact) << c.text << " / " << c.pattern;
        EXPECT_EQ(find_substring_nocase(c.text, c.pattern), c.nocase) << c.text << " / " << c.pattern;
    }
    EXPECT_TRUE(compare_text_nocase("Math", "mATH"));
    EXPECT_FALSE(compare_text_nocase("MATH", "MATHS"));
    EXPECT_FALSE(compare_text_nocase("MATH", "STAT"));
    EXPECT_EQ(first_char_not_in("   12", " "), 4);
    EXPECT_EQ(first_char_not_in("  ", " "), 0);
    EXPECT_EQ(first_char_not_in("x", ""), 1);
}

TEST_F(TextUtilitiesTest, WholeNumbersToTextAndBack)
{
    struct Write {
        std::int32_t value, width;
        const char* text;
        std::int32_t needed;
    };
    const Write writes[] = {
        {42, 6, "    42", 2},
        {-42, 3, "-42", 3},
        {-420, 3, "***", 4},
        {0, 1, "0", 1},
        {2147483647, 11, " 2147483647", 10},
        {5, 0, "", 1},
    };
    for (const Write& w : writes) {
        std::int32_t needed = -1;
        EXPECT_EQ(int_to_text(w.value, w.width, needed), w.text);
        EXPECT_EQ(needed, w.needed);
    }
    struct Read {
        const char* text;
        std::int32_t value, error;
    };
    const Read reads[] = {
        {"  123 ", 123, 0},   {"-7", -7, 0},         {"+2147483647", 2147483647, 0},
        {"2147483648", 0, 1}, {"-2147483648", 0, 1}, {"12a", 0, 1},
        {"", 0, 1},           {"  ", 0, 1},          {"-", 0, 1},
        {"1 2", 0, 1},
    };
    for (const Read& r : reads) {
        std::int32_t value = -5;
        std::int32_t error = -5;
        text_to_int(r.text, value, error);
        EXPECT_EQ(value, r.value) << '"' << r.text << '"';
        EXPECT_EQ(error, r.error) << '"' << r.text << '"';
    }
    EXPECT_TRUE(lines.empty());
}

TEST(TextCopy, CopiesPartsAndFillsWithBlanks)
{
    struct Case {
        std::int32_t first, last, target_first, target_last, status;
        const char* result;
    };
    const Case cases[] = {
        {1, 3, 2, 6, 0, "xabc  xx"},  {2, 5, 1, 2, 0, "bcxxxxxx"},  {1, 0, 3, 4, 0, "xx  xxxx"},
        {0, 2, 1, 2, -1, "xxxxxxxx"}, {1, 7, 1, 2, -1, "xxxxxxxx"}, {1, 2, 5, 9, -2, "xxxxxxxx"},
        {1, 2, 4, 2, -2, "xxxxxxxx"},
    };
    for (const Case& c : cases) {
        std::string target = "xxxxxxxx";
        std::int32_t status = 99;
        copy_substring("abcdef", c.first, c.last, target, c.target_first, c.target_last, status);
        EXPECT_EQ(status, c.status) << c.first << ".." << c.last << " -> " << c.target_first << ".." << c.target_last;
        EXPECT_EQ(target, c.result);
    }
}

}  // namespace
