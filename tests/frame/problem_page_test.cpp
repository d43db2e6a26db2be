// What one showing of the problem page draws, and in which order it uses
// the random stream: the decoration's clock seed, then the problem's seed.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "frame/app_state.h"
#include "frame/frame_harness.h"
#include "frame/generator_protocol.h"
#include "frame/problem_page.h"
#include "frame/program_services.h"
#include "numbers/clock_seed.h"
#include "numbers/random_stream.h"
#include "platform/recording_backend.h"

namespace {

class ProblemPageTest : public frame_test::StartedProgramTest {
protected:
    // Text lines drawn at a point, e.g. "(16,281)".
    std::vector<std::string> texts_at(const std::string& at) const { return backend.log_lines("text " + at); }

    std::size_t count_lines(const std::string& prefix, const std::string& ending) const
    {
        const auto lines = backend.log_lines(prefix);
        return static_cast<std::size_t>(std::count_if(lines.begin(), lines.end(), [&](const std::string& line) {
            return line.size() >= ending.size() &&
                   line.compare(line.size() - ending.size(), ending.size(), ending) == 0;
        }));
    }
};

// Under "Nessuna Versione" the problem's seed is drawn from the stream the
// decoration leaves behind, so each scheme's count of draws shows in it.
TEST_F(ProblemPageTest, EachDecorationUsesItsOwnNumberOfDraws)
{
    struct Case {
        std::int32_t scheme, draws, shapes;
        const char* shape;
    };
    const Case cases[] = {
        {1, 2000 * 3, 2000, "rect filled"}, {2, 5 * 5, 5, "ellipse filled"}, {3, 3, 1, "ellipse filled"},
        {4, 20 * 6, 20, "ellipse filled"},  {5, 3, 30, "ellipse filled"},
    };
    app_state.version_number = no_version;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scheme);
        screen_settings.background_scheme = c.scheme;
        backend.set_unix_seconds(1300000000 + c.scheme);

        set_random_seed(4711);
        set_random_seed(draw_clock_seed());
        skip_random_draws(c.draws);
        const std::int32_t expected_seed = draw_clock_seed();

        set_random_seed(4711);
        backend.clear_log();
        show_problem_page(PageMode::as_version);
        EXPECT_EQ(screen_settings.last_seed, expected_seed);

        // The shapes lie between the clip to the problem area and its reset.
        const std::string log = backend.log_text();
        const auto from = log.find("clip (149,8)-(594,295)");
        const auto to = log.find("clip (0,0)-(1600,1600)", from);
        ASSERT_NE(from, std::string::npos);
        ASSERT_NE(to, std::string::npos);
        const std::string decoration = log.substr(from, to - from);
        std::size_t shapes = 0;
        for (auto at = decoration.find(c.shape); at != std::string::npos; at = decoration.find(c.shape, at + 1))
            ++shapes;
        EXPECT_EQ(shapes, static_cast<std::size_t>(c.shapes));
    }
}

TEST_F(ProblemPageTest, ModesRelabelTheDataCommandsTheirOwnWay)
{
    // Colour 2 is 0xAA0000 (dark blue), colour 4 0x2200CC (crimson).
    struct Case {
        PageMode mode;
        const char* change_label;  // "" when the label is left alone
    };
    const Case cases[] = {
        {PageMode::as_version, "0xAA0000 \"Modifica i dati\""},
        {PageMode::new_data, "0x2200CC \"Modifica i dati\""},
        {PageMode::repeat, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mode));
        backend.clear_log();
        show_problem_page(c.mode);
        const auto change = texts_at("(16,281)");
        if (*c.change_label == '\0') {
            EXPECT_TRUE(change.empty());
        } else {
            ASSERT_EQ(change.size(), 1u);
            EXPECT_NE(change[0].find(c.change_label), std::string::npos) << change[0];
        }
        const auto results = texts_at("(16,298)");
        ASSERT_EQ(results.size(), 1u);
        EXPECT_NE(results[0].find("0xAA0000 \"Mostra i risultati\""), std::string::npos) << results[0];
    }
}

TEST_F(ProblemPageTest, LevelNoticeKeepsTheSeedAndTheLabels)
{
    app_state.version_number = 3;
    show_problem_page(PageMode::as_version);
    ASSERT_EQ(screen_settings.last_seed, 3);

    app_state.current_level = 1;
    app_state.selected_problem = 4;  // of level 4
    for (PageMode mode : {PageMode::as_version, PageMode::new_data, PageMode::repeat}) {
        SCOPED_TRACE(static_cast<int>(mode));
        backend.clear_log();
        show_problem_page(mode);
        EXPECT_EQ(screen_settings.last_seed, 3);
        EXPECT_EQ(app_state.version_number, 3);
        // The fact box of 360 pixels at (200, 180) centres its title 70 pixels left of its middle.
        EXPECT_EQ(texts_at("(310,182)").size(), 1u);
        // "Livello" centred on the disc's middle at 365: 7 letters of 16 pixels.
        EXPECT_EQ(texts_at("(309,47)").size(), 1u);
        const auto digits = texts_at("(348,75)");
        ASSERT_EQ(digits.size(), 1u);
        EXPECT_NE(digits[0].find("\"4\""), std::string::npos) << digits[0];
        EXPECT_TRUE(texts_at("(16,281)").empty());
        EXPECT_TRUE(texts_at("(16,298)").empty());
    }
}

TEST_F(ProblemPageTest, RepeatAfterANoticeUsesTheLastProblemGenerated)
{
    app_state.version_number = 2;
    show_problem_page(PageMode::new_data);
    const std::int32_t fresh = screen_settings.last_seed;
    const std::string shown = problem_texts.problem_text;

    app_state.current_level = 1;
    app_state.selected_problem = 2;  // above the level
    show_problem_page(PageMode::new_data);
    EXPECT_EQ(screen_settings.last_seed, fresh);

    app_state.selected_problem = 1;
    show_problem_page(PageMode::repeat);
    EXPECT_EQ(problem_texts.problem_text, shown);
    EXPECT_EQ(app_state.version_number, 2);
}

}  // namespace
