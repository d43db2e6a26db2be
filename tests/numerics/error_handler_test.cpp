#include <gtest/gtest.h>

#include <array>
#include <string>

#include "library_capture.h"
#include "numerics/error_handler.h"

namespace {

using ErrorHandlerTest = LibraryTest;

struct Attributes {
    std::int32_t print;
    std::int32_t stop;
};

Attributes attributes_of(std::int32_t type)
{
    Attributes a{-9, -9};
    set_error_attributes(-type, a.print, a.stop);
    return a;
}

void expect_attributes(const std::array<std::int32_t, 7>& print, const std::array<std::int32_t, 7>& stop)
{
    for (std::int32_t type = 1; type <= 7; ++type) {
        const Attributes a = attributes_of(type);
        EXPECT_EQ(a.print, print[type - 1]) << "print of type " << type;
        EXPECT_EQ(a.stop, stop[type - 1]) << "stop of type " << type;
    }
}

// Raises one error inside a routine called by the program.
void raise_in(const char* routine, std::int32_t type, std::int32_t code, const char* message)
{
    E1PSH(routine);
    E1MES(type, code, message);
    E1POP(routine);
}

TEST_F(ErrorHandlerTest, DefaultAttributesAndTheirRestoration)
{
    const std::array<std::int32_t, 7> print{0, 0, 1, 1, 1, 1, 1};
    const std::array<std::int32_t, 7> stop{0, 0, 0, 1, 1, 0, 1};
    expect_attributes(print, stop);
    ERSET(0, 0, 0);
    expect_attributes({0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0});
    ERSET(0, 2, 2);
    expect_attributes(print, stop);
    EXPECT_TRUE(lines.empty());
    EXPECT_TRUE(stops.empty());
}

TEST_F(ErrorHandlerTest, SeverityThreeAlsoSetsTheDeferredWarnings)
{
    ERSET(3, 0, -1);
    expect_attributes({0, 0, 0, 1, 1, 0, 1}, {0, 0, 0, 1, 1, 0, 1});
    ERSET(4, -1, 0);
    expect_attributes({0, 0, 0, 1, 1, 0, 1}, {0, 0, 0, 0, 1, 0, 0});
    ERSET(1, 1, 1);
    expect_attributes({1, 0, 0, 1, 1, 0, 1}, {1, 0, 0, 0, 1, 0, 0});
}

TEST_F(ErrorHandlerTest, InvalidSettingsChangeNothingAndStopThroughTheHook)
{
    struct Case {
        std::int32_t iersvr, ipact, isact, code;
        const char* text;
    };
    const Case cases[] = {
        {6, 0, 0, 1, "Invalid error severity level indicator.  IERSVR must be 0 to 5.  IERSVR = 6"},
        {0, 3, 0, 2, "Invalid value specified for printing action.  IPACT must be -1 to 2.  IPACT = 3"},
        {0, 0, -2, 3, "Invalid value specified for stopping action.  ISACT must be -1 to 2.  ISACT = -2"},
    };
    for (const Case& c : cases) {
        stops.clear();
        ERSET(c.iersvr, c.ipact, c.isact);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines[1].rfind(" *** TERMINAL ERROR " + std::to_string(c.code) + " from ERSET.  Inv", 0), 0u);
        EXPECT_EQ(printed_text(), single_blanks(" " + std::to_string(c.code) + " from ERSET.  " + c.text));
        take_output();
        ASSERT_EQ(stops.size(), 1u);
        EXPECT_EQ(stops[0].error_type, 5);
        EXPECT_EQ(stops[0].error_code, c.code);
        EXPECT_EQ(stops[0].routine, "ERSET");
        expect_attributes({0, 0, 1, 1, 1, 1, 1}, {0, 0, 0, 1, 1, 0, 1});
    }
    std::int32_t p = 5;
    std::int32_t s = 0;
    set_error_attributes(2, p, s);
    EXPECT_EQ(N1RCD(0), 1);  // raised at the program's own level
    take_output();
    expect_attributes({0, 0, 1, 1, 1, 1, 1}, {0, 0, 0, 1, 1, 0, 1});
}

TEST_F(ErrorHandlerTest, EachTypePrintsItsWordInEightColumns)
{
    const std::array<const char*, 7> words = {"NOTE    ", "ALERT   ", "WARNING ", "FATAL   ",
                                              "TERMINAL", "WARNING ", "FATAL   "};
    ERSET(0, 1, 0);
    for (std::int32_t type = 1; type <= 7; ++type) {
        raise_in("TESTR", type, 7, "Message.");
        ASSERT_EQ(lines.size(), 2u) << "type " << type;
        EXPECT_EQ(lines[0], "");
        EXPECT_EQ(lines[1], std::string(" *** ") + words[type - 1] + " ERROR 7 from TESTR.  Message.");
        take_output();
    }
    EXPECT_TRUE(stops.empty());
}

TEST_F(ErrorHandlerTest, ParametersReplaceTheirPlaceholders)
{
    ERSET(0, 1, 0);
    E1PSH("TESTR");
    store_int_message_param(1, -42);
    store_real_message_param(2, 1234.5f);
    store_literal_message_param(3, "name   ");
    store_literal_message_param(-4, "kept  ");
    store_int_message_param(0, 1);  // outside 1..9: not stored
    store_int_message_param(10, 1);
    E1MES(3, 1, "I=%(I1) R=%(R2) L=%(L3)| M=%(L4)| missing %(I2) %(I0) %(X1) %(I1");
    E1POP("TESTR");
    EXPECT_EQ(lines[1], " *** WARNING  ERROR 1 from TESTR.  I=-42 R=1.234500E+03 L=name| M=kept  |");
    EXPECT_EQ(printed_text(), " 1 from TESTR. I=-42 R=1.234500E+03 L=name| M=kept | missing %(I2) %(I0) %(X1) %(I1");
}

TEST_F(ErrorHandlerTest, ParametersAreForgottenAfterEachMessage)
{
    ERSET(0, 1, 0);
    E1PSH("TESTR");
    store_int_message_param(1, 5);
    E1MES(3, 1, "first %(I1)");
    E1MES(3, 2, "second %(I1)");
    E1POP("TESTR");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], " *** WARNING  ERROR 2 from TESTR.  second %(I1)");
}

TEST_F(ErrorHandlerTest, ParameterBufferHoldsThreeHundredCharacters)
{
    ERSET(0, 1, 0);
    E1PSH("TESTR");
    store_literal_message_param(1, std::string(255, 'a'));
    store_literal_message_param(2, std::string(60, 'b'));  // would not fit
    store_literal_message_param(3, std::string(30, 'c'));
    E1MES(3, 1, "%(L2)%(L3)");
    E1POP("TESTR");
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[1], " *** WARNING  ERROR 1 from TESTR.  %(L2)" + std::string(30, 'c'));
}

TEST_F(ErrorHandlerTest, LongMessagesAreCutAndBrokenIntoLines)
{
    ERSET(0, 1, 0);
    raise_in("TESTR", 3, 1, ("Word " + std::string(2000, 'x')).c_str());
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[1], " *** WARNING  ERROR 1 from TESTR.  Word");
    std::string word;  // broken without blanks, so nothing is lost between lines
    for (std::size_t i = 2; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].substr(0, 14), " ***          ");
        EXPECT_EQ(lines[i].size(), i + 1 < lines.size() ? 14u + 64u : 14u + (1024u - 8u) % 64u);
        word += lines[i].substr(14);
    }
    EXPECT_EQ(word, std::string(1024 - 8, 'x'));  // ".  Word " takes 8 of the 1024
}

TEST_F(ErrorHandlerTest, LinesBreakAtBlanksAndAtForcedBreaks)
{
    ERSET(0, 1, 0);
    raise_in("TESTR", 3, 12, "The first sentence is long enough to need a second line of text.%/Forced here.");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1], " *** WARNING  ERROR 12 from TESTR.  The first sentence is long enough to need");
    EXPECT_EQ(lines[2], " ***          a second line of text.");
    EXPECT_EQ(lines[3], " ***          Forced here.");
}

TEST_F(ErrorHandlerTest, WarningsDeepInsideArePrintedWhenTheProgramsCallReturns)
{
    E1PSH("OUTER");
    E1PSH("INNER");
    E1MES(3, 2, "Deep warning.");
    E1POP("INNER");
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(N1RTY(1), 3);
    EXPECT_EQ(N1RCD(1), 2);
    EXPECT_EQ(N1RTY(0), 3);  // passed up to OUTER
    E1POP("OUTER");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], " *** WARNING  ERROR 2 from OUTER.  Deep warning.");
    EXPECT_TRUE(stops.empty());
    EXPECT_EQ(N1RTY(1), 3);
    EXPECT_EQ(N1RCD(1), 2);
}

TEST_F(ErrorHandlerTest, TerminalErrorsDeepInsidePrintATracebackAndStopOnce)
{
    E1PSH("OUTER");
    E1PSH("MIDDLE");
    E1PSH("INNER");
    E1MES(5, 3, "Broken.");
    const std::vector<std::string> expected = {
        "",
        " *** TERMINAL ERROR 3 from INNER.  Broken.",
        "     Here is a traceback of subprogram calls in reverse order:",
        "     Routine name                    Error type  Error code",
        "     ------------                    ----------  ----------",
        "     INNER                                5           3    (Called internally)",
        "     MIDDLE                               0           0    (Called internally)",
        "     OUTER                                0           0",
        "     USER                                 0           0",
    };
    EXPECT_EQ(lines, expected);
    EXPECT_TRUE(stops.empty());
    E1POP("INNER");
    ASSERT_EQ(stops.size(), 1u);
    EXPECT_EQ(stops[0].routine, "INNER");
    EXPECT_EQ(stops[0].error_type, 5);
    EXPECT_EQ(stops[0].error_code, 3);
    E1POP("MIDDLE");
    E1POP("OUTER");
    EXPECT_EQ(stops.size(), 1u);
    EXPECT_EQ(lines.size(), expected.size());
}

TEST_F(ErrorHandlerTest, StopDecisionsFollowTypeLevelAndAttributes)
{
    struct Case {
        std::int32_t type;
        bool deep;  // raised one level below the program's call
        bool stops;
    };
    const Case cases[] = {
        {1, false, false}, {2, false, false}, {3, false, false}, {4, false, true}, {5, false, true}, {6, false, false},
        {7, false, true},  {4, true, true},   {5, true, true},   {7, true, true},  {6, true, false},
    };
    for (const Case& c : cases) {
        stops.clear();
        E1PSH("OUTER");
        if (c.deep) E1PSH("INNER");
        E1MES(c.type, 1, "x");
        if (c.deep) E1POP("INNER");
        E1POP("OUTER");
        EXPECT_EQ(stops.size(), c.stops ? 1u : 0u) << "type " << c.type << (c.deep ? " deep" : "");
    }
    ERSET(0, 0, 0);
    stops.clear();
    take_output();
    for (std::int32_t type = 1; type <= 7; ++type) raise_in("TESTR", type, 1, "x");
    EXPECT_TRUE(stops.empty());
    EXPECT_TRUE(lines.empty());
}

TEST_F(ErrorHandlerTest, ACodeOfZeroClearsThePendingMessage)
{
    E1PSH("TESTR");
    E1MES(3, 1, "Pending.");
    E1MES(3, 0, "");
    E1POP("TESTR");
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(N1RTY(1), 3);
    EXPECT_EQ(N1RCD(1), 0);
}

TEST_F(ErrorHandlerTest, ABlankMessageKeepsThePendingText)
{
    E1PSH("TESTR");
    E1MES(3, 1, "Kept.");
    E1MES(-1, 4, " ");
    E1POP("TESTR");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], " *** WARNING  ERROR 4 from TESTR.  Kept.");
}

TEST_F(ErrorHandlerTest, AnErrorPassesUpButANoteStaysWhereItWasRaised)
{
    E1PSH("OUTER");
    E1PSH("INNER");
    E1MES(1, 9, "note");
    E1POP("INNER");
    EXPECT_EQ(N1RTY(1), 1);
    EXPECT_EQ(N1RTY(0), 0);
    E1POP("OUTER");
    EXPECT_EQ(N1RTY(1), 0);
}

TEST_F(ErrorHandlerTest, FailuresOfTheHandlerItselfAreReportedAndSurvived)
{
    E1POP("NOBODY");
    ASSERT_EQ(stops.size(), 1u);
    EXPECT_EQ(stops[0].routine, "E1POP");
    EXPECT_EQ(printed_text(), " 1 from USER. Error condition in E1POP. Cannot pop from NOBODY because stack is empty.");
    take_output();

    E1PSH("RIGHT");
    E1POP("WRONG");
    ASSERT_EQ(stops.size(), 2u);
    EXPECT_EQ(printed_text(),
              " 1 from RIGHT. Error condition in E1POP. WRONG does not match the name RIGHT in the stack.");
    take_output();
    E1POP("RIGHT");  // the mismatched pop still ended RIGHT's level
    EXPECT_EQ(stops.size(), 3u);
    take_output();

    E1MES(8, 1, "x");
    ASSERT_EQ(stops.size(), 4u);
    EXPECT_EQ(stops[3].routine, "E1MES");
    EXPECT_EQ(printed_text(), " 1 from USER. Error from E1MES. Illegal error type specified.");
    take_output();

    EXPECT_EQ(N1RTY(2), 0);
    EXPECT_EQ(N1RCD(-1), 0);
    ASSERT_EQ(stops.size(), 6u);
    EXPECT_EQ(printed_text(), " 1 from USER. The argument passed to N1RTY must be 0 or 1.\n"
                              " 1 from USER. The argument passed to N1RCD must be 0 or 1.");
}

TEST_F(ErrorHandlerTest, TheStackHoldsFiftyLevels)
{
    for (int level = 2; level <= 50; ++level) E1PSH("LEVEL" + std::to_string(level));
    EXPECT_TRUE(stops.empty());
    E1PSH("TOO_DEEP");
    ASSERT_EQ(stops.size(), 1u);
    EXPECT_EQ(stops[0].routine, "E1PSH");
    EXPECT_EQ(printed_text(), " 1 from LEVEL50. Error condition in E1PSH. Push would cause stack level to exceed 50.");
    take_output();
    E1POP("TOO_DEEP");
    for (int level = 50; level >= 2; --level) E1POP("LEVEL" + std::to_string(level));
    EXPECT_EQ(stops.size(), 1u);
    EXPECT_TRUE(lines.empty());
}

}  // namespace
