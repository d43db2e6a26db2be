// The phase diagrams of problems 37 to 39: every marked point lies where
// the answer says, and the figure lands on the canvas as the model draws it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "chapters/states_of_matter/phase_figure.h"
#include "chapters/states_of_matter/states_of_matter_chapter.h"
#include "chapters/states_of_matter/states_of_matter_problems.h"
#include "frame/app_state.h"
#include "numbers/random_stream.h"
#include "platform/qt/qt_application.h"
#include "states_of_matter_fixture.h"
#include "text/fonts_colours.h"
#include "text/plot_geometry.h"

namespace states_of_matter_test {
namespace {

enum class Phase { solid, liquid, gas, solid_gas, liquid_gas, solid_liquid, triple };

// The phase of (t, p) on the diagram, recomputed from its constants; a
// point within a thousandth of a boundary lies on it.
Phase phase_at(const PhaseDiagram& d, double t, double p)
{
    const double ps = d.as * std::exp(-static_cast<double>(d.bs) / t);
    const double pv = d.av * std::exp(-static_cast<double>(d.bv) / t);
    const double pm = d.p3 + (t - d.t3) * (1.0 - d.p3) / (d.tf - d.t3);
    const auto on = [](double a, double b) { return std::fabs(a - b) < 1e-3; };
    if (on(t, d.t3) && on(p, d.p3)) return Phase::triple;
    if (t < d.t3) return on(p, ps) ? Phase::solid_gas : p > ps ? Phase::solid : Phase::gas;
    if (on(p, pv)) return Phase::liquid_gas;
    if (p < pv) return Phase::gas;
    if (on(p, pm)) return Phase::solid_liquid;
    return p > pm ? Phase::solid : Phase::liquid;
}

// Where a path goes, by the answer: its start, its end, and whether it
// crosses the liquid (1), avoids it (0) or ends in it (-1: no condition).
struct Path {
    Phase from, to;
};

const std::map<std::string, Phase>& single_phases()
{
    static const std::map<std::string, Phase> table = {
        {"Fase solida", Phase::solid},
        {"Fase liquida", Phase::liquid},
        {"Fase gas", Phase::gas},
        {"Equilibrio solido-gas (sublimazione)", Phase::solid_gas},
        {"Equilibrio liquido-gas (ebollizione)", Phase::liquid_gas},
        {"Equilibrio solido-liquido (fusione)", Phase::solid_liquid},
        {"Le tre fasi in equilibrio (punto triplo)", Phase::triple},
    };
    return table;
}

const std::map<std::string, Path>& paths()
{
    static const std::map<std::string, Path> table = {
        {"Fusione", {Phase::solid, Phase::liquid}},
        {"Solidificazione", {Phase::liquid, Phase::solid}},
        {"Sublimazione", {Phase::solid, Phase::gas}},
        {"Brinamento", {Phase::gas, Phase::solid}},
        {"Ebollizione", {Phase::liquid, Phase::gas}},
        {"Condensazione", {Phase::gas, Phase::liquid}},
        {"Fusione ed ebollizione", {Phase::solid, Phase::gas}},
        {"Condensazione e solidificazione", {Phase::gas, Phase::solid}},
    };
    return table;
}

bool inside_plot(double t, double p)
{
    return t >= 200.0 && t <= 500.0 && p >= 0.0 && p <= 1.0;
}

TEST_F(ChapterFour, EveryMarkedPointLiesWhereTheAnswerSays)
{
    const PhaseDiagram& d = states_of_matter_state.diagram;
    for_versions(37, 400, [&] {
        const double t = d.marked_t[0], p = d.marked_p[0];
        EXPECT_TRUE(inside_plot(t, p)) << t << " " << p;
        EXPECT_EQ(phase_at(d, t, p), single_phases().at(answer_text())) << t << " " << p;
    });
    for (const std::int32_t k : {38, 39}) {
        for_versions(k, 400, [&] {
            const Path& path = paths().at(answer_text());
            const double t1 = d.marked_t[0], p1 = d.marked_p[0], t2 = d.marked_t[1], p2 = d.marked_p[1];
            EXPECT_TRUE(inside_plot(t1, p1)) << t1 << " " << p1;
            EXPECT_TRUE(inside_plot(t2, p2)) << t2 << " " << p2;
            EXPECT_EQ(phase_at(d, t1, p1), path.from) << t1 << " " << p1;
            EXPECT_EQ(phase_at(d, t2, p2), path.to) << t2 << " " << p2;
            if (k == 38) {
                EXPECT_EQ(p1, p2);
            } else {
                EXPECT_EQ(t1, t2);
            }
            // Between solid and gas the path crosses the liquid exactly when
            // the answer names two transitions.
            if (path.from != Phase::liquid && path.to != Phase::liquid) {
                const bool through_liquid = answer_text().find(" e") != std::string::npos;
                const double t = k == 38 ? 0.5 * (t1 + t2) : t1;
                EXPECT_EQ(through_liquid, k == 38 ? p1 > d.p3 : t > d.t3);
            }
        });
    }
}

class PhaseDiagramCanvas : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(init_fonts_and_colours(), 0.0f);
        app_state.current_chapter = 4;
        run_states_of_matter_chapter(GeneratorMode::register_chapter);
    }

    void generate(std::int32_t problem, std::int32_t version)
    {
        app_state.selected_problem = problem;
        app_state.version_number = version;
        set_random_seed(version);
        run_states_of_matter_chapter(GeneratorMode::generate);
        session.process_events();
    }

    // True when a pixel of the colour lies within `reach` of the plot point,
    // as the figure's view maps it; a point beyond the part shown, where
    // nothing of it is drawn, passes.
    bool colour_near(double t, double p, std::int32_t colour, std::int32_t reach = 2) const
    {
        const DiagramView& v = states_of_matter_state.diagram.view;
        const PlotFrame& f = figure_frame;
        const auto x =
            static_cast<std::int32_t>(std::lround(f.left + (t - v.t_lo) * (f.right - f.left) / (v.t_hi - v.t_lo)));
        const auto y =
            static_cast<std::int32_t>(std::lround(f.bottom - (p - v.p_lo) * (f.bottom - f.top) / (v.p_hi - v.p_lo)));
        if (x - reach <= f.left || x + reach >= f.right || y - reach <= f.top || y + reach >= f.bottom) return true;
        for (std::int32_t dy = -reach; dy <= reach; ++dy)
            for (std::int32_t dx = -reach; dx <= reach; ++dx)
                if (session.canvas_pixel(x + dx, y + dy) == colour) return true;
        return false;
    }

    platform::qt::Session session;
};

TEST_F(PhaseDiagramCanvas, CurvesMarkersAndPathLandWhereTheViewPutsThem)
{
    constexpr std::int32_t red = 0x0000FF, blue = 0xFF0000, green = 0x00AA00, black = 0;
    const PhaseDiagram& d = states_of_matter_state.diagram;
    // One version of each variant of each problem.
    std::map<std::pair<std::int32_t, std::string>, bool> seen;
    for (std::int32_t problem = 37; problem <= 39; ++problem) {
        for (std::int32_t version = 1; version <= 300; ++version) {
            generate(problem, version);
            if (!seen.emplace(std::make_pair(problem, problem_texts.answer_text), true).second) continue;
            SCOPED_TRACE("problem " + std::to_string(problem) + " version " + std::to_string(version));
            // The boundaries are black across the part shown: red and blue
            // belong to the points.
            for (double f = 0.05; f < 1.0; f += 0.1) {
                const double t = d.view.t_lo + f * (d.view.t_hi - d.view.t_lo);
                const double p = t < d.t3 ? d.as * std::exp(-d.bs / t) : d.av * std::exp(-d.bv / t);
                EXPECT_TRUE(colour_near(t, p, black)) << t << " " << p;
                const double p_fusion = d.p3 + f * (1.0 - d.p3);
                EXPECT_TRUE(colour_near(d.t3 + f * (d.tf - d.t3), p_fusion, black)) << p_fusion;
            }
            EXPECT_TRUE(colour_near(d.shown_t[0], d.shown_p[0], red));
            if (problem == 37) {
                EXPECT_EQ(d.shown_t[0], d.marked_t[0]);
                EXPECT_EQ(d.shown_p[0], d.marked_p[0]);
                continue;
            }
            EXPECT_TRUE(colour_near(d.shown_t[1], d.shown_p[1], blue));
            // The path shows green where the fusion line does not run over it.
            bool green_shown = false;
            for (double f = 0.2; f <= 0.8; f += 0.1)
                green_shown = green_shown || colour_near(d.shown_t[0] + f * (d.shown_t[1] - d.shown_t[0]),
                                                         d.shown_p[0] + f * (d.shown_p[1] - d.shown_p[0]), green, 1);
            EXPECT_TRUE(green_shown);
        }
    }
    EXPECT_EQ(seen.size(), 7u + 8u + 8u);
}

// The plot area's pixels, row by row.
constexpr std::int32_t plot_left = figure_frame.left, plot_right = figure_frame.right, plot_top = figure_frame.top,
                       plot_bottom = figure_frame.bottom;
constexpr std::int32_t plot_width = plot_right - plot_left + 1, plot_height = plot_bottom - plot_top + 1;

std::size_t plot_index(std::int32_t x, std::int32_t y)
{
    return static_cast<std::size_t>(y - plot_top) * plot_width + static_cast<std::size_t>(x - plot_left);
}

// The regions of the plot as a student sees them: its unlit pixels, joined
// side by side, each numbered by its first pixel (-1 on ink).
std::vector<std::int32_t> unlit_regions(const std::vector<std::int32_t>& colour)
{
    std::vector<std::int32_t> region(colour.size(), -1);
    for (std::size_t seed = 0; seed < colour.size(); ++seed) {
        if (colour[seed] == 0 || region[seed] >= 0) continue;
        std::vector<std::size_t> todo = {seed};
        region[seed] = static_cast<std::int32_t>(seed);
        while (!todo.empty()) {
            const std::size_t i = todo.back();
            todo.pop_back();
            const auto x = static_cast<std::int32_t>(i % plot_width) + plot_left;
            const auto y = static_cast<std::int32_t>(i / plot_width) + plot_top;
            for (const auto& [nx, ny] : {std::pair{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}}) {
                if (nx < plot_left || nx > plot_right || ny < plot_top || ny > plot_bottom) continue;
                const std::size_t j = plot_index(nx, ny);
                if (colour[j] == 0 || region[j] >= 0) continue;
                region[j] = region[seed];
                todo.push_back(j);
            }
        }
    }
    return region;
}

// The triple point's pixel, mapped as the plotter maps a value.
QwPoint junction_pixel(const PhaseDiagram& d)
{
    const DiagramView& v = d.view;
    const float sx = static_cast<float>(plot_right - plot_left) / (v.t_hi - v.t_lo);
    const float sy = static_cast<float>(plot_bottom - plot_top) / (v.p_hi - v.p_lo);
    return {static_cast<std::int32_t>(static_cast<float>(plot_left) + (d.t3 - v.t_lo) * sx),
            static_cast<std::int32_t>(static_cast<float>(plot_bottom) - (d.p3 - v.p_lo) * sy)};
}

// What a student reads from the figure, pixel by pixel: each mark stands
// clear of every line, the frame and the letters, inside the region (as the
// lines and the frame close it) that bears the letter of the phase its point
// is in, and the path between them passes clear of the triple point, where
// the lines meet.
TEST_F(PhaseDiagramCanvas, EveryMarkStandsClearInTheRegionOfItsPhase)
{
    constexpr std::array<std::int32_t, 2> colours = {0x0000FF, 0xFF0000};
    const PhaseDiagram& d = states_of_matter_state.diagram;
    std::vector<std::int32_t> versions = testing_support::text_and_spread_versions(400);
    for (std::int32_t v = 1; v <= 200; ++v) versions.push_back(v);
    versions.push_back(7144812);
    std::string faults;
    for (const std::int32_t problem : {38, 39}) {
        for (const std::int32_t version : versions) {
            generate(problem, version);
            const std::string page = std::to_string(problem) + " v" + std::to_string(version) + ": ";
            std::vector<std::int32_t> colour(static_cast<std::size_t>(plot_width) * plot_height);
            for (std::int32_t y = plot_top; y <= plot_bottom; ++y)
                for (std::int32_t x = plot_left; x <= plot_right; ++x)
                    colour[plot_index(x, y)] = session.canvas_pixel(x, y);
            const std::vector<std::int32_t> region = unlit_regions(colour);
            const std::vector<RegionLabel> labels = states_of_matter::region_labels(d, 2);
            std::array<std::array<double, 2>, 2> centre{};
            for (std::size_t k = 0; k < 2; ++k) {
                std::vector<std::size_t> disc;
                for (std::size_t i = 0; i < colour.size(); ++i)
                    if (colour[i] == colours[k]) disc.push_back(i);
                if (disc.empty()) {
                    faults += page + "no mark " + std::to_string(k) + "\n";
                    continue;
                }
                bool touching = false;
                for (const std::size_t i : disc) {
                    const auto x = static_cast<std::int32_t>(i % plot_width) + plot_left;
                    const auto y = static_cast<std::int32_t>(i / plot_width) + plot_top;
                    centre[k][0] += static_cast<double>(x) / static_cast<double>(disc.size());
                    centre[k][1] += static_cast<double>(y) / static_cast<double>(disc.size());
                    for (std::int32_t dy = -plot_dot_gap; dy <= plot_dot_gap; ++dy)
                        for (std::int32_t dx = -plot_dot_gap; dx <= plot_dot_gap; ++dx)
                            touching = touching || x + dx < plot_left || x + dx > plot_right || y + dy < plot_top ||
                                       y + dy > plot_bottom || colour[plot_index(x + dx, y + dy)] == 0;
                }
                if (touching) faults += page + "mark " + std::to_string(k) + " within 3 pixels of ink\n";
                const Phase phase = phase_at(d, d.marked_t[k], d.marked_p[k]);
                const char letter = phase == Phase::solid ? 'S' : phase == Phase::liquid ? 'L' : 'G';
                const auto named = std::find_if(labels.begin(), labels.end(), [&](const auto& label) {
                    return label.text.back() == letter && region[plot_index(label.x, label.y)] == region[disc.front()];
                });
                if (named == labels.end())
                    faults += page + "mark " + std::to_string(k) + " not in the region " + letter + "\n";
            }
            // The path runs along a row or a column, from one disc's centre to the other's.
            const QwPoint j = junction_pixel(d);
            const auto nearest = [](double a, double b, double c) {
                return std::clamp(a, std::min(b, c), std::max(b, c));
            };
            const double dx = j.x - nearest(j.x, centre[0][0], centre[1][0]);
            const double dy = j.y - nearest(j.y, centre[0][1], centre[1][1]);
            if (std::hypot(dx, dy) < plot_path_junction_clearance)
                faults += page + "path " + std::to_string(std::hypot(dx, dy)) + " pixels from the triple point\n";
        }
    }
    EXPECT_EQ(faults, "");
}

}  // namespace
}  // namespace states_of_matter_test
