// Every problem of every chapter in the program, over many versions, "Versione
// Testo" and "Nessuna Versione": it ends, writes no NaN, infinity or
// overflowed field, its texts read cleanly, and a version always gives the
// same texts.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "frame/app_state.h"
#include "frame/generator_protocol.h"
#include "frame/menu_dialogs.h"
#include "frame/menus.h"
#include "frame/page_commands.h"
#include "frame/problem_page.h"
#include "platform/recording_backend.h"
#include "support/program_start.h"
#include "support/text_patterns.h"

namespace {

constexpr std::int32_t numbered_versions = 16;
// Versions of each problem whose wording alone is looked at.
constexpr std::int32_t wording_versions = 100;
// Versions whose page is shown twice to see it repeat.
constexpr std::size_t repeated_versions = 4;

// A number that went wrong: NaN or infinity as a C or Fortran write shows
// them, or a field of asterisks.
bool shows_broken_number(const std::string& text)
{
    return testing_support::contains_match(text,
                                           R"((^|[^A-Za-z])(nan|NaN|NAN|inf|Inf|INF|Infinity)($|[^A-Za-z])|\*\*)");
}

// The text as a reader sees it: codes dropped, the arguments of subscripts,
// superscripts, italics and Greek letters kept in line, "@uo@" the degree
// sign. An at sign with no closing one is text.
std::string as_read(const std::string& text)
{
    std::string read;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t close = text[i] == '@' ? text.find('@', i + 1) : std::string::npos;
        if (close == std::string::npos) {
            read += text[i++];
            continue;
        }
        if (close > i + 1 && std::string_view("duib").find(text[i + 1]) != std::string_view::npos) {
            const std::string argument = text.substr(i + 2, close - i - 2);
            read += text[i + 1] == 'u' && argument == "o" ? "°" : argument;
        }
        i = close + 1;
    }
    return read;
}

// What a reader trips on in a statement or an answer, named; "" when it
// reads cleanly: blanks doubled or leading, a number glued to its unit
// (the symbols that can also be elements, as K and F, are left out, and a
// lone digit before "g" is an orbital), "=" with a blank on one side only,
// "•" beside a blank; and in the text as read, where a blank can hide in a
// markup group, blanks doubled or before a punctuation mark, "%" or "°".
std::string wording_fault(const std::string& text)
{
    static const char* const faults[][2] = {
        {"  ", "spazio doppio"},
        {"^ ", "spazio in testa"},
        {"(?:^|[^A-Za-z0-9@.])(?![0-9]g)NUM(g|mg|kg|pg|ng|mL|L|M|mol|atm|torr|kJ|J|Pa|kPa|nm|pm|cm)(?![A-Za-z0-9@(])",
         "numero attaccato all'unità"},
        {" =[^ ]|[^ ]= ", "uguale con uno spazio solo"},
        {"• | •", "spazio accanto a •"},
    };
    static const char* const read_faults[][2] = {
        {"  ", "spazio doppio nel testo letto"},
        {" [;,)%]| °", "spazio prima di un segno"},
    };
    for (const auto& [pattern, name] : faults)
        if (const auto found = testing_support::find_first(text, pattern))
            return std::string(name) + " in \"" + (*found)[0] + "\"";
    const std::string read = as_read(text);
    for (const auto& [pattern, name] : read_faults)
        if (const auto found = testing_support::find_first(read, pattern))
            return std::string(name) + " in \"" + (*found)[0] + "\"";
    return "";
}

TEST(WordingFaults, AreRecognisedInMarkup)
{
    const struct {
        const char* text;
        bool fault;
    } cases[] = {
        {"2.2806•10@u-22@g; 2.210•10@u9@", true},
        {"0.0331M", true},
        {"Quanto vale se @iV@ =21.8 L?", true},
        {"@bD@@iS@@dcompl@= 0.8 J/K", true},
        {"L/(mol• s)", true},
        {" Primo ordine", true},
        {"per la reazione  2NO", true},
        {"Sn@u4+@ + 2e = Sn@u2+ @ sapendo", true},
        {"La frequenza (@bn@ ) di una", true},
        {"@iy@ = 16.2@ix@@u2@ ; 0.0405", true},
        {"pari a 5.57 %", true},
        {"465 @uo@C", true},
        {"Sn@u4+@ + 2e = Sn@u2+@ sapendo", false},
        {"(@bn@) a 25@uo@C, il 5.57%; 0.0405", false},
        {"0.5 M e 3.2 g", false},
        {"un orbitale 5g?", false},
        {"2K + 2H@d2@O = 2KOH + H@d2@", false},
        {"@iy@=3.1@ix@-2", false},
        {"2.2806•10@u-22@ g", false},
        {"5.0@uo@C; 2 mL", false},
        {"2F@u-@ = F@d2@ + 2e@u-@", false},
    };
    for (const auto& c : cases) EXPECT_EQ(!wording_fault(c.text).empty(), c.fault) << c.text;
}

class ChapterSweep : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::install_backend(&backend);
        testing_support::start_program_with_its_parts();
    }
    void TearDown() override { platform::install_backend(nullptr); }

    // Shows the problem under the version and its results; returns both texts.
    std::string show(std::int32_t problem, std::int32_t version)
    {
        backend.clear_log();
        app_state.selected_problem = problem;
        app_state.version_number = version;
        show_problem_page(PageMode::as_version);
        show_results();
        for (const std::string& line : backend.log_lines("text")) EXPECT_FALSE(shows_broken_number(line)) << line;
        expect_clean_wording(version);
        return problem_texts.problem_text + "\n" + problem_texts.answer_text;
    }

    void expect_clean_wording(std::int32_t version)
    {
        for (const std::string* text : {&problem_texts.problem_text, &problem_texts.answer_text})
            EXPECT_EQ(wording_fault(*text), "") << "versione " << version << ": " << *text;
    }

    platform::RecordingBackend backend;
};

TEST(BrokenNumbers, AreRecognisedInMarkup)
{
    EXPECT_TRUE(shows_broken_number("massa = NaN g"));
    EXPECT_TRUE(shows_broken_number("-Infinity"));
    EXPECT_TRUE(shows_broken_number("x = inf"));
    EXPECT_TRUE(shows_broken_number("p = ****** atm"));
    EXPECT_FALSE(shows_broken_number("Infine si calcoli la nanomole informata"));
    EXPECT_FALSE(shows_broken_number("4.308•10@u-3@ * 2"));
}

TEST_F(ChapterSweep, EveryProblemOverManyVersions)
{
    std::int32_t chapters = 0;
    for (std::int32_t chapter = 1; chapter <= 9; ++chapter) {
        if (!chapter_available(chapter)) continue;
        ++chapters;
        on_menu_chapter(chapter);
        ASSERT_GT(app_state.problem_count, 0) << chapter;
        for (std::int32_t problem = 1; problem <= app_state.problem_count; ++problem) {
            SCOPED_TRACE("capitolo " + std::to_string(chapter) + ", problema " + std::to_string(problem));
            std::vector<std::int32_t> versions = {text_version, no_version, no_version, 10000000};
            for (std::int32_t v = 1; v <= numbered_versions; ++v) versions.push_back(v * 7919 % 10000000);
            for (std::size_t i = 0; i < versions.size(); ++i) {
                const std::int32_t version = versions[i];
                const std::string texts = show(problem, version);
                EXPECT_FALSE(shows_broken_number(texts)) << "versione " << version << ": " << texts;
                if (version != no_version && i < repeated_versions + 3) {
                    EXPECT_EQ(show(problem, version), texts) << "versione " << version;
                }
            }
        }
    }
    EXPECT_GE(chapters, 1);
}

TEST_F(ChapterSweep, EveryProblemReadsCleanlyOverAHundredVersions)
{
    for (std::int32_t chapter = 1; chapter <= 9; ++chapter) {
        if (!chapter_available(chapter)) continue;
        on_menu_chapter(chapter);
        for (std::int32_t problem = 1; problem <= app_state.problem_count; ++problem) {
            SCOPED_TRACE("capitolo " + std::to_string(chapter) + ", problema " + std::to_string(problem));
            for (std::int32_t v = 1; v <= wording_versions; ++v) {
                app_state.selected_problem = problem;
                app_state.version_number = v * 104729 % 10000000;
                show_problem_page(PageMode::as_version);
                expect_clean_wording(app_state.version_number);
            }
        }
    }
}

}  // namespace
