// The graphs on the Qt canvas, offscreen: the point markers and the answer's
// line land on the pixels their values map to.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "basic_notions_fixture.h"
#include "chapters/basic_notions/basic_notions_chapter.h"
#include "frame/app_state.h"
#include "numbers/random_stream.h"
#include "platform/qt/qt_application.h"
#include "text/fonts_colours.h"

namespace basic_notions_test {
namespace {

class GraphsOffscreen : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(init_fonts_and_colours(), 0.0f);
        app_state.current_chapter = 1;
        run_basic_notions_chapter(GeneratorMode::register_chapter);
    }

    void run(std::int32_t problem, std::int32_t version, GeneratorMode request)
    {
        app_state.selected_problem = problem;
        app_state.version_number = version;
        if (request == GeneratorMode::generate) set_random_seed(version);
        run_basic_notions_chapter(request);
        session.process_events();
    }

    platform::qt::Session session;
};

TEST_F(GraphsOffscreen, ProblemThirtyFourPaintsItsPointsOnTheLineOfItsAnswer)
{
    for (const std::int32_t version : {2, 3, 11}) {
        run(34, version, GeneratorMode::generate);
        const auto a = match(problem_texts.answer_text, "^@iy@=NUM@ix@(\\+?NUM)$");
        if (a[1].empty()) continue;  // no intercept written: the line is only near the origin
        const double slope = shown(a[0]).value;
        const double intercept = shown(a[1].substr(a[1][0] == '+' ? 1 : 0)).value;
        for (std::int32_t k = 0; k < 10; ++k) {
            const double x = 0.1 * k, y = slope * x + intercept;
            // The plot shows x from -0.2 to 1 and y from -5 to 5.
            const auto column = static_cast<std::int32_t>(200 + (x + 0.2) * 200 / 1.2);
            const auto row = static_cast<std::int32_t>(270 - (y + 5) * 150 / 10);
            EXPECT_EQ(session.canvas_pixel(column, row), red) << "version " << version << " point " << k;
        }
    }
}

TEST_F(GraphsOffscreen, ProblemFortyDrawsItsLogarithmicLineFromTheKeptData)
{
    run(40, 5, GeneratorMode::generate);
    const auto a = match(problem_texts.answer_text, "^A = NUM; B = (-?)NUM$");
    const double ln_a = std::log(shown(a[0]).value);
    const double b = (a[1] == "-" ? -1.0 : 1.0) * shown(a[2]).value;
    // The answer's graph is drawn from what the generate request kept, whatever the
    // slots hold by then.
    run(3, 9, GeneratorMode::generate);
    run(40, 5, GeneratorMode::answer);
    // ln y = ln A - B u over u = 1/x from 0 to 2, rows 136 to 270 for -10 to 10.
    const auto row_of = [](double v) { return static_cast<std::int32_t>(270 - (v + 10) * 134 / 20); };
    for (const double u : {0.25, 0.6, 1.95}) {  // clear of the points (u from 1 to 1.82)
        const auto column = static_cast<std::int32_t>(400 + u * 90);
        const std::int32_t row = row_of(ln_a - b * u);
        bool painted = false;
        for (std::int32_t dy = -2; dy <= 2; ++dy) painted = painted || session.canvas_pixel(column, row + dy) == red;
        EXPECT_TRUE(painted) << "u " << u;
    }
    const double u = 1 / 0.55;
    EXPECT_EQ(session.canvas_pixel(static_cast<std::int32_t>(400 + u * 90), row_of(ln_a - b * u)), blue);
}

}  // namespace
}  // namespace basic_notions_test
