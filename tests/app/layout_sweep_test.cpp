// Every problem of every chapter in the program, drawn with the fonts the
// student sees and its results shown, over many versions: nothing on the
// page covers, cuts or garbles what the student needs to read.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/program_parts.h"
#include "frame/app_state.h"
#include "frame/generator_protocol.h"
#include "frame/initial_settings.h"
#include "frame/main_program.h"
#include "frame/page_choice.h"
#include "frame/page_mouse.h"
#include "frame/problem_page.h"
#include "platform/backend.h"
#include "platform/qt/qt_application.h"
#include "support/layout_check.h"
#include "text/page_regions.h"

namespace {

using testing_support::LayoutRecorder;

const char* element_name(PageElement e)
{
    switch (e) {
    case PageElement::statement: return "testo";
    case PageElement::figure: return "figura";
    case PageElement::answer: return "risposta";
    case PageElement::fact: return "fatto";
    }
    return "?";
}

// Elements of the page that overlap: a fact box under anything, or two
// elements of which one is not a part of the other's statement.
std::vector<std::string> overlapping_elements()
{
    std::vector<std::string> found;
    const auto& regions = page_regions.regions;
    for (std::size_t i = 0; i < regions.size(); ++i) {
        for (std::size_t j = i + 1; j < regions.size(); ++j) {
            const PageRegion& a = regions[i];
            const PageRegion& b = regions[j];
            if (!a.rect.overlaps(b.rect) || (a.element == b.element && a.element != PageElement::fact)) continue;
            // A structure drawn inside the answer box belongs to the answer.
            const std::int32_t cx = (b.rect.x1 + b.rect.x2) / 2, cy = (b.rect.y1 + b.rect.y2) / 2;
            if (a.element == PageElement::answer && b.element == PageElement::figure && cx >= a.rect.x1 &&
                cx <= a.rect.x2 && cy >= a.rect.y1 && cy <= a.rect.y2)
                continue;
            found.push_back(std::string(element_name(b.element)) + " sopra " + element_name(a.element) + " (" +
                            std::to_string(b.rect.x1) + "," + std::to_string(b.rect.y1) + ")");
        }
    }
    return found;
}

// Collisions seen and not yet mended, by problem and kind: the sweep holds
// every other page to the rule, and these pages to no worse.
constexpr std::array<std::pair<std::string_view, std::string_view>, 19> known_collisions = {{
    {"1.4", "esce"},                     // a long expression runs past the statement's right edge
    {"1.11", "esce dal suo riquadro"},   // the note's last line leaves its box
    {"1.28", "scritto sul testo"},       // the statement's last line runs into the table header
    {"1.35", "figura sopra testo"},      // the graph lies on the framed statement
    {"1.40", "figura sopra risposta"},   // the second graph's margin over the answer box
    {"2.22", "figura sopra testo"},      // Lewis structures of the answer reach into the statement
    {"2.23", "figura sopra testo"},
    {"2.25", "figura sopra testo"},
    {"2.27", "esce dal suo riquadro"},   // the answer's first line leaves its box
    {"3.22", "esce dall'area"},          // a two-line "Impossibile" answer runs onto the index bar
    {"3.25", "esce"},                    // the longest equations, centred, are wider than their box
    {"3.29", "esce"},
    {"3.30", "esce"},
    {"3.31", "esce"},
    {"4.38", "testo sopra figura"},      // a four-line statement, drawn after the phase diagram,
    {"4.38", "coperto dal riquadro"},    // covers the top of the plot and its "P" label
    {"4.39", "testo sopra figura"},
    {"4.39", "coperto dal riquadro"},
    {"9.30", "scritto sul testo"},       // the raised minus of HCO3- touches a lowered 2 in the line above
}};

bool known(const std::string& problem, const std::string& fault)
{
    return std::any_of(known_collisions.begin(), known_collisions.end(), [&](const auto& entry) {
        return entry.first == problem && fault.find(entry.second) != std::string::npos;
    });
}

TEST(LayoutSweep, NothingCoversCutsOrGarblesAPage)
{
    platform::qt::Session session;
    LayoutRecorder recorder(session.backend());
    platform::install_backend(&recorder);
    plug_in_program_parts();
    initial_settings();
    main_program();

    std::vector<std::string> report;
    std::int32_t pages = 0;
    for (std::int32_t chapter = 1; chapter <= 9; ++chapter) {
        if (!chapter_available(chapter)) continue;
        ASSERT_EQ(show_chosen_page({.chapter = chapter}), "");
        for (std::int32_t problem = 1; problem <= app_state.problem_count; ++problem) {
            for (std::int32_t version = 1; version <= 13; ++version) {
                const std::int32_t v = version == 13 ? text_version : version;
                ASSERT_EQ(show_chosen_page({.chapter = chapter, .problem = problem, .version = v}), "");
                recorder.clear();
                show_problem_page(page_as_version);
                show_results();
                ++pages;
                std::vector<std::string> faults = recorder.faults({problem_area.x1, problem_area.y1, problem_area.x2, problem_area.y2});
                for (const std::string& overlap : overlapping_elements()) faults.push_back(overlap);
                const std::string name = std::to_string(chapter) + "." + std::to_string(problem);
                for (const std::string& fault : faults)
                    if (!known(name, fault)) report.push_back(name + " v" + std::to_string(v) + ": " + fault);
            }
        }
    }
    platform::install_backend(nullptr);
    EXPECT_GT(pages, 0);
    std::string shown;
    for (std::size_t k = 0; k < report.size() && k < 200; ++k) shown += report[k] + "\n";
    EXPECT_TRUE(report.empty()) << report.size() << " difetti di impaginazione:\n" << shown;
}

}  // namespace
