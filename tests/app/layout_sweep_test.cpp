// Every problem of every chapter in the program, drawn with the fonts the
// student sees and its results shown, over many versions: nothing on the
// page covers, cuts or garbles what the student needs to read.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "chapters/states_of_matter/states_of_matter_problems.h"
#include "chemistry/chemistry_facts.h"
#include "chemistry/lewis_structures.h"
#include "frame/app_state.h"
#include "frame/generator_protocol.h"
#include "frame/page_choice.h"
#include "layout_check/layout_check.h"
#include "layout_check/page_check.h"
#include "platform/backend.h"
#include "platform/qt/qt_application.h"
#include "support/program_start.h"
#include "text/justified_text.h"
#include "text/page_regions.h"

namespace {

using layout_check::Fault;
using layout_check::FaultKind;
using layout_check::LayoutRecorder;
using layout_check::PageFault;

// What the snapshot tool's check finds on the page shown.
void add_page_faults(LayoutRecorder& recorder, std::vector<PageFault>& report)
{
    for (PageFault& fault : layout_check::problem_page_faults(recorder)) report.push_back(std::move(fault));
}

// Shows the chosen page and adds what is wrong with it, with its results, to report.
std::string check_page(LayoutRecorder& recorder, const PageChoice& choice, std::vector<PageFault>& report)
{
    if (std::string refused = show_chosen_page(choice); !refused.empty()) return refused;
    add_page_faults(recorder, report);
    return "";
}

std::string first_faults(const std::vector<std::string>& report)
{
    std::string shown;
    for (std::size_t k = 0; k < report.size() && k < 200; ++k) shown += report[k] + "\n";
    return shown;
}

std::string first_faults(const std::vector<PageFault>& report)
{
    std::vector<std::string> lines;
    for (std::size_t k = 0; k < report.size() && k < 200; ++k) lines.push_back(layout_check::sentence(report[k]));
    return first_faults(lines);
}

// The program drawn through the layout check.
class LayoutSweep : public ::testing::Test {
protected:
    void SetUp() override
    {
        session.stop_clock(layout_check::check_clock);
        platform::install_backend(&recorder);
        testing_support::start_program_with_its_parts(testing_support::Decoration::initial);
    }
    void TearDown() override { platform::install_backend(nullptr); }

    platform::qt::Session session;
    LayoutRecorder recorder{session.backend()};
};

// Every problem of a chapter at versions 1 to 12, "Versione Testo" and
// versions nobody chose, spread over the whole range: one test a chapter,
// which CI runs side by side.
class ChapterPages : public LayoutSweep, public ::testing::WithParamInterface<std::int32_t> {};

TEST_P(ChapterPages, NothingCoversCutsOrGarblesAPage)
{
    const std::int32_t chapter = GetParam();
    ASSERT_TRUE(chapter_available(chapter));
    std::vector<std::int32_t> versions;
    for (std::int32_t version = 1; version <= 12; ++version) versions.push_back(version);
    for (std::int32_t k = 1; k <= 12; ++k) versions.push_back(layout_check::spread_version(k));
    versions.push_back(text_version);
    std::vector<PageFault> report;
    ASSERT_EQ(show_chosen_page({.chapter = chapter}), "");
    // The status line of every section, with the longest version number,
    // stays in its field left of the small buttons.
    for (std::int32_t s = 1; s <= chapter_index.section_count && s <= max_sections; ++s) {
        const std::int32_t first = chapter_index.side_panel[s].first_problem;
        ASSERT_EQ(show_chosen_page({.chapter = chapter, .problem = first, .version = 10000000}), "");
        for (Fault& fault : layout_check::status_line_faults(recorder))
            report.push_back({chapter, first, 10000000, std::move(fault)});
    }
    ASSERT_GT(app_state.problem_count, 0);
    for (std::int32_t problem = 1; problem <= app_state.problem_count; ++problem) {
        ASSERT_EQ(show_chosen_page({.chapter = chapter, .problem = problem, .version = versions.front()}), "");
        for (const std::int32_t version : versions) {
            if (version != versions.front()) {
                ASSERT_EQ(show_chosen_version(version, false), "");
            }
            add_page_faults(recorder, report);
        }
    }
    EXPECT_TRUE(report.empty()) << report.size() << " difetti di impaginazione:\n" << first_faults(report);
}

INSTANTIATE_TEST_SUITE_P(EveryChapter, ChapterPages, ::testing::Range(1, 10));

// The problems whose statements, labels, structures and marked points vary
// most with the version, over many more versions: no defect.
TEST_F(LayoutSweep, TheMostVariedPagesReadCleanlyOverManyVersions)
{
    constexpr std::array<std::array<std::int32_t, 2>, 14> problems = {{
        {1, 28},
        {1, 39},
        {1, 40},
        {1, 41},
        {1, 42},
        {1, 43},
        {2, 22},
        {2, 23},
        {2, 25},
        {2, 26},
        {2, 27},
        {4, 37},
        {4, 38},
        {4, 39},
    }};
    std::vector<PageFault> report;
    for (const auto& [chapter, problem] : problems)
        for (std::int32_t version = 14; version <= 120; ++version)
            ASSERT_EQ(check_page(recorder, {.chapter = chapter, .problem = problem, .version = version}, report), "");
    EXPECT_TRUE(report.empty()) << report.size() << " difetti di impaginazione:\n" << first_faults(report);
}

// Versions where a student found a number parted from its unit, an equation
// parted or laid over its statement's text, a rule on a table's text, a point
// on a region's label, a three-line answer on the tab bar, a charge on a bond.
TEST_F(LayoutSweep, PagesThatOnceStumbledReadCleanly)
{
    constexpr std::array<std::array<std::int32_t, 3>, 41> pages = {{
        {1, 40, 1},
        {2, 22, 3},
        {2, 23, 1},
        {2, 23, 3},
        {2, 25, 12},
        {4, 39, 7144812},
        {4, 38, 1},
        {4, 37, 1},
        {1, 41, 5},
        {1, 41, 11},
        {1, 41, 222},
        {1, 41, 3333},
        {1, 42, 5},
        {1, 43, 5},
        {1, 39, 1},
        {1, 39, 1446374},
        {2, 11, text_version},
        {2, 12, text_version},
        {7, 40, 3192899},
        {7, 43, 1319166},
        {7, 43, 4242},
        {7, 25, 6056627},
        {5, 12, 5711520},
        {5, 34, 2005774},
        {5, 36, 7142646},
        {6, 36, 2973409},
        {4, 20, 8708164},
        {8, 9, 2000883},
        {6, 25, 348952},
        {6, 26, 4048627},
        {6, 28, 7938868},
        {6, 24, 9146973},
        {9, 13, 5154389},
        {5, 3, 423345},
        {4, 38, 7854706},
        {3, 33, 2071213},
        {2, 23, 9626631},  // "(-)" over a fluorine's lone pair
        {2, 27, 8082249},  // the charges of two forms side by side
        {6, 33, 1},        // "k =" at a line's end
        {1, 29, 1},        // "=21.8" at a line's end, "L?" below
        {5, 29, 1},        // the answer's first line spread before its equation
    }};
    std::vector<PageFault> report;
    for (const auto& [chapter, problem, version] : pages)
        ASSERT_EQ(check_page(recorder, {.chapter = chapter, .problem = problem, .version = version}, report), "");
    EXPECT_TRUE(report.empty()) << report.size() << " difetti di impaginazione:\n" << first_faults(report);
}

// The page's fact is drawn at random from the clock: each fact is laid out
// here in every width its box takes.
TEST_F(LayoutSweep, EveryFactReadsCleanlyInBoxesOfEveryWidth)
{
    std::vector<std::string> report;
    for (std::int32_t n = 1; n <= chemistry_fact_numbers; ++n) {
        const auto fact = chemistry_fact(n);
        if (!fact) continue;
        for (std::int32_t width = 250; width <= 400; width += 10) {
            recorder.clear();
            draw_justified_text(110, 90 + width, 100, "@T1@@C1@" + std::string(*fact));
            for (const Fault& fault : recorder.every_fault(layout_check::page_shown))
                report.push_back("fatto " + std::to_string(n) + " in " + std::to_string(width) + ": " +
                                 layout_check::sentence(fault));
        }
    }
    EXPECT_TRUE(report.empty()) << report.size() << " difetti:\n" << first_faults(report);
}

TEST_F(LayoutSweep, EveryLewisStructureKeepsItsChargesOffItsBondsAndApart)
{
    std::vector<std::string> report;
    for (const LewisEntry& entry : lewis_entries()) {
        recorder.clear();
        draw_lewis_structure(entry.key, 200, 200);
        for (const Fault& fault : recorder.every_fault(layout_check::page_shown)) {
            if (fault.kind == FaultKind::charge_on_stroke || fault.kind == FaultKind::charge_touches_stroke ||
                fault.kind == FaultKind::charges_joined)
                report.push_back(std::string(entry.key) + " " + layout_check::sentence(fault));
        }
    }
    EXPECT_TRUE(report.empty()) << first_faults(report);
}

// The page as the canvas shows it, pixel by pixel.
class PagePixels : public ::testing::Test {
protected:
    void SetUp() override { testing_support::start_program_with_its_parts(testing_support::Decoration::initial); }

    std::vector<std::int32_t> pixels(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) const
    {
        std::vector<std::int32_t> found;
        for (std::int32_t y = y1; y <= y2; ++y)
            for (std::int32_t x = x1; x <= x2; ++x) found.push_back(session.canvas_pixel(x, y));
        return found;
    }

    platform::qt::Session session;
};

TEST_F(PagePixels, ChangingChapterLeavesNoTitleOfThePreviousOneBesideTheSidePanel)
{
    // The section list under the panel's title band, and the column right of it.
    const auto left_column = [this] { return pixels(10, 32, problem_area.x1 - 2, problem_area.y2); };
    ASSERT_EQ(show_chosen_page({.chapter = 1}), "");
    const std::vector<std::int32_t> first = left_column();
    // Problem 1 of chapter 2 lights "Atomi e massa atomica", one of its longest titles.
    ASSERT_EQ(show_chosen_page({.chapter = 2}), "");
    ASSERT_NE(left_column(), first);
    ASSERT_EQ(show_chosen_page({.chapter = 1}), "");
    EXPECT_TRUE(left_column() == first);
}

TEST_F(PagePixels, AShortStatusLineAfterALongOneLeavesNothingRightOfItsText)
{
    // The header's field, and the gap between it and the small buttons.
    const auto field = [this] { return pixels(0, 318, 487, 337); };
    const auto gap = [this] { return pixels(488, 318, 490, 337); };
    ASSERT_EQ(show_chosen_page({.chapter = 1, .problem = 1, .version = 7}), "");
    const std::vector<std::int32_t> short_line = field();
    const std::vector<std::int32_t> clear_gap = gap();
    // Chapter 6's longest section, with an 8-digit version.
    ASSERT_EQ(show_chosen_page({.chapter = 6, .problem = 20, .version = 10000000}), "");
    EXPECT_TRUE(gap() == clear_gap);
    ASSERT_EQ(show_chosen_page({.chapter = 1, .problem = 1, .version = 7}), "");
    EXPECT_TRUE(field() == short_line);
    EXPECT_TRUE(gap() == clear_gap);
}

TEST_F(PagePixels, TheLastLineOfProblem11sNoteLiesInsideItsBox)
{
    constexpr std::int32_t note_colour = 0xDDDDE8;
    for (const std::int32_t version : {2, 5, text_version}) {
        SCOPED_TRACE(version);
        ASSERT_EQ(show_chosen_page({.chapter = 1, .problem = 11, .version = version, .answer = true}), "");
        // The box: its left edge column carries no text.
        std::int32_t top = 0, bottom = 0;
        for (std::int32_t y = problem_area.y1; y <= problem_area.y2; ++y) {
            if (session.canvas_pixel(166, y) != note_colour) continue;
            if (top == 0) top = y;
            bottom = y;
        }
        ASSERT_GT(bottom - top, 60);
        std::int32_t right = 166;
        while (session.canvas_pixel(right + 1, top + 1) == note_colour) ++right;
        ASSERT_GT(right, 300);
        // Ink in the band of the last line, none on the box's last rows.
        const auto inked = [&](std::int32_t y1, std::int32_t y2) {
            const std::vector<std::int32_t> band = pixels(170, y1, right - 5, y2);
            return std::any_of(band.begin(), band.end(), [](std::int32_t c) { return c != note_colour; });
        };
        EXPECT_TRUE(inked(bottom - 18, bottom - 4));
        EXPECT_FALSE(inked(bottom - 2, bottom));
        EXPECT_LE(bottom, problem_area.y2);
    }
}

TEST_F(PagePixels, APathAlongTheFusionLineLeavesTheLineAndBothPointsInSight)
{
    for (const std::int32_t version : {7144812, 11, 222}) {
        SCOPED_TRACE(version);
        ASSERT_EQ(show_chosen_page({.chapter = 4, .problem = 39, .version = version}), "");
        const PhaseDiagram& d = states_of_matter_state.diagram;
        const DiagramView& v = d.view;
        const auto column = [&](float t) { return 200.0f + (t - v.t_lo) * (200.0f / (v.t_hi - v.t_lo)); };
        const auto row = [&](float p) { return 270.0f - (p - v.p_lo) * (150.0f / (v.p_hi - v.p_lo)); };
        // Red and blue are the points' own: within their discs only.
        std::int32_t strays = 0;
        for (std::int32_t y = 121; y < 270; ++y) {
            for (std::int32_t x = 201; x < 400; ++x) {
                const std::int32_t c = session.canvas_pixel(x, y);
                const std::size_t k = c == 255 ? 0 : c == 16711680 ? 1 : 2;
                if (k < 2 && (std::abs(x - column(d.shown_t[k])) > 3.5f || std::abs(y - row(d.shown_p[k])) > 3.5f))
                    ++strays;
            }
        }
        EXPECT_EQ(strays, 0);
        // The fusion line shows black on every row it crosses inside the plot.
        std::string hidden;
        for (std::int32_t y = std::max(121, static_cast<std::int32_t>(row(1.0f)) + 1);
             y < std::min(270, static_cast<std::int32_t>(row(d.p3))); ++y) {
            const float x =
                column(d.t3 + (d.tf - d.t3) * (row(d.p3) - static_cast<float>(y)) / (row(d.p3) - row(1.0f)));
            if (x < 201.0f || x > 398.0f) continue;
            const std::vector<std::int32_t> around =
                pixels(static_cast<std::int32_t>(x) - 1, y, static_cast<std::int32_t>(x) + 2, y);
            if (std::find(around.begin(), around.end(), 0) == around.end()) hidden += " " + std::to_string(y);
        }
        EXPECT_EQ(hidden, "");
    }
}

}  // namespace
