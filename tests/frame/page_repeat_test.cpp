// The repeat button under "Nessuna Versione": the page it shows is the page
// that was there, statement and results, also where the first showing had to
// redraw a pick that repeated the problem's previous visit.
#include <gtest/gtest.h>

#include <string>

#include "frame/app_state.h"
#include "frame/generator_protocol.h"
#include "frame/menus.h"
#include "frame/page_mouse.h"
#include "frame/problem_page.h"
#include "platform/recording_backend.h"
#include "support/program_start.h"

namespace {

class PageRepeat : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::install_backend(&backend);
        testing_support::start_program_with_its_parts();
    }
    void TearDown() override { platform::install_backend(nullptr); }

    std::string shown(PageMode mode)
    {
        show_problem_page(mode);
        show_results();
        return problem_texts.problem_text + "\n" + problem_texts.answer_text;
    }

    platform::RecordingBackend backend;
};

TEST_F(PageRepeat, RepeatShowsThePageItRepeatsAndNewDataDrawsAnew)
{
    std::int32_t redrawn_picks = 0;  // pages that the seed alone, as a version, would not give back
    std::int32_t pages = 0;
    std::int32_t fresh_pages = 0;
    std::int64_t clock = 1300000000;
    for (std::int32_t chapter = 1; chapter <= 9; ++chapter) {
        on_menu_chapter(chapter);
        for (std::int32_t problem = 1; problem <= app_state.problem_count; ++problem) {
            app_state.selected_problem = problem;
            for (std::int32_t visit = 0; visit < 4; ++visit) {
                SCOPED_TRACE(std::to_string(chapter) + "." + std::to_string(problem) + " visita " +
                             std::to_string(visit));
                app_state.version_number = no_version;
                backend.set_unix_seconds(++clock);
                // Every other visit comes from the page's own data command.
                const std::string page = shown(visit % 2 == 0 ? PageMode::as_version : PageMode::new_data);
                const std::int32_t seed = screen_settings.last_seed;
                EXPECT_EQ(shown(PageMode::repeat), page);
                EXPECT_EQ(shown(PageMode::repeat), page);
                EXPECT_EQ(app_state.version_number, no_version);
                EXPECT_EQ(screen_settings.last_seed, seed);
                ++pages;
                backend.set_unix_seconds(++clock);
                if (shown(PageMode::new_data) != page) ++fresh_pages;

                app_state.version_number = seed;
                if (shown(PageMode::as_version) != page) ++redrawn_picks;
            }
        }
    }
    // The sweep must meet the redraw rule often for the repeats to mean anything.
    EXPECT_GT(redrawn_picks, 100);
    EXPECT_GT(fresh_pages, pages * 9 / 10);
}

}  // namespace
