// Problems 32 to 40: what the statements and answers say against the
// series drawn on the canvas, and the graphs of the answer request drawn again from
// what the generate request kept.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "basic_notions_fixture.h"
#include "chapters/basic_notions/basic_notions_problems.h"
#include "frame/app_state.h"
#include "numbers/value_slots.h"
#include "platform/graphics.h"
#include "support/table_lookups.h"

namespace basic_notions_test {
namespace {

// A plot area in pixels and the ranges it shows.
struct Plot {
    std::int32_t left, right, top, bottom;
    double x_min, x_max, y_min, y_max;
    std::int32_t column(double x) const
    {
        return static_cast<std::int32_t>(left + (x - x_min) * (right - left) / (x_max - x_min));
    }
    std::int32_t row(double y) const
    {
        return static_cast<std::int32_t>(bottom - (y - y_min) * (bottom - top) / (y_max - y_min));
    }
    bool inside(double x, double y) const { return x >= x_min && x <= x_max && y >= y_min && y <= y_max; }
    // Whether a point's dot stands clear inside the frame: a dot of radius 2
    // keeps 3 clear pixels from it, its centre 6 pixels inside, and half a
    // pixel more for its place truncated to a pixel.
    bool clear_inside(double x, double y) const
    {
        const double across = (x - x_min) * (right - left) / (x_max - x_min);
        const double up = (y - y_min) * (bottom - top) / (y_max - y_min);
        constexpr double clear = 6.5;
        return across >= clear && right - left - across >= clear && up >= clear && bottom - top - up >= clear;
    }
};

struct Marker {
    std::int32_t x, y, colour;
};

// The five-pixel point markers drawn since the log was cleared.
std::vector<Marker> markers(const platform::RecordingBackend& backend)
{
    std::vector<Marker> found;
    for (const std::string& line : backend.log_lines("ellipse filled")) {
        int x1, y1, x2, y2;
        unsigned colour;
        if (std::sscanf(line.c_str(), "ellipse filled (%d,%d)-(%d,%d) 0x%X", &x1, &y1, &x2, &y2, &colour) == 5 &&
            x2 - x1 == 4 && y2 - y1 == 4)
            found.push_back({x1 + 2, y1 + 2, static_cast<std::int32_t>(colour)});
    }
    return found;
}

// A marker of the colour within `slack` pixels of (column, row); with
// `painted`, the canvas shows that colour there too (no later series
// covers it).
::testing::AssertionResult marker_at(const std::vector<Marker>& drawn, std::int32_t column, std::int32_t row,
                                     std::int32_t colour, bool painted = false, std::int32_t slack = 1)
{
    for (const Marker& m : drawn) {
        if (m.colour == colour && std::abs(m.x - column) <= slack && std::abs(m.y - row) <= slack) {
            if (painted && qw_get_pixel_rgb(m.x, m.y) != colour)
                return ::testing::AssertionFailure() << "marker not painted";
            return ::testing::AssertionSuccess();
        }
    }
    return ::testing::AssertionFailure() << "no marker near (" << column << "," << row << ")";
}

bool line_drawn(const platform::RecordingBackend& backend, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                std::int32_t y2, std::int32_t colour)
{
    for (const std::string& line : backend.log_lines("line")) {
        int a, b, c, d;
        unsigned drawn;
        if (std::sscanf(line.c_str(), "line (%d,%d)-(%d,%d) 0x%X", &a, &b, &c, &d, &drawn) == 5 &&
            static_cast<std::int32_t>(drawn) == colour && std::abs(a - x1) <= 1 && std::abs(b - y1) <= 1 &&
            std::abs(c - x2) <= 1 && std::abs(d - y2) <= 1)
            return true;
    }
    return false;
}

// The markers of the colour, in drawing order, stand where a plot of the
// values puts them for the ranges its first and last marker give (within
// 2 pixels; a NaN value is not known), each 6 pixels or more inside the
// frame: clear of it whatever range the plot chose.
::testing::AssertionResult plotted_clear_of_frame(const std::vector<Marker>& drawn, std::int32_t colour,
                                                  const std::vector<std::pair<double, double>>& values,
                                                  const Plot& frame)
{
    std::vector<Marker> seen;
    for (const Marker& m : drawn)
        if (m.colour == colour) seen.push_back(m);
    if (seen.size() != values.size()) return ::testing::AssertionFailure() << seen.size() << " markers";
    const std::size_t last = seen.size() - 1;
    const auto fitted = [](double v0, double v1, double v, std::int32_t p0, std::int32_t p1) {
        return p0 + (v - v0) * (p1 - p0) / (v1 - v0);
    };
    for (std::size_t k = 0; k < seen.size(); ++k) {
        if (seen[k].x < frame.left + 6 || seen[k].x > frame.right - 6 || seen[k].y < frame.top + 6 ||
            seen[k].y > frame.bottom - 6)
            return ::testing::AssertionFailure()
                   << "point " << k << " by the frame at " << seen[k].x << "," << seen[k].y;
        const auto [x, y] = values[k];
        if (std::isnan(y)) continue;
        const double column = fitted(values[0].first, values[last].first, x, seen[0].x, seen[last].x);
        const double row = fitted(values[0].second, values[last].second, y, seen[0].y, seen[last].y);
        if (std::abs(seen[k].x - column) > 2 || std::abs(seen[k].y - row) > 2)
            return ::testing::AssertionFailure() << "point " << k << " at " << seen[k].x << "," << seen[k].y;
    }
    return ::testing::AssertionSuccess();
}

void forget_slots()
{
    for (std::int32_t slot = 1; slot <= 19; ++slot) value_slots[slot].value = 0.0f;
}

TEST(ClearAxisRange, MovesAnEndPastThePointsNearItAndLeavesThoseFarBeyondClipped)
{
    // An axis of 150 pixels from -1 to 1: 75 pixels a unit, the dot's
    // clearance of 6.5 pixels 0.087.
    struct Row {
        const char* name;
        std::vector<float> values;
        AxisRange expected;
    };
    const std::vector<Row> rows = {
        {"all well inside", {-0.5f, 0.0f, 0.8f}, {-1.0f, 1.0f}},
        {"one just inside the top", {0.0f, 0.95f}, {-1.0f, 1.25f}},
        {"one just beyond the top", {0.0f, 1.05f}, {-1.0f, 1.25f}},
        {"one far beyond the top", {0.0f, 1.2f}, {-1.0f, 1.0f}},
        {"one on the bottom", {-1.0f, 0.0f}, {-1.5f, 1.0f}},
        {"one far below", {-1.5f, 0.0f}, {-1.0f, 1.0f}},
    };
    for (const Row& row : rows) {
        const AxisRange r = clear_axis_range({-1.0f, 1.0f}, row.values, 150, 0.5f, 0.25f);
        EXPECT_FLOAT_EQ(r.from, row.expected.from) << row.name;
        EXPECT_FLOAT_EQ(r.to, row.expected.to) << row.name;
    }
}

TEST_F(ChapterOne, ProblemThirtyTwoDrawsTwoParallelLinesWithTheAnswer)
{
    const Plot plot{200, 400, 120, 270, -5, 5, -5, 5};
    for_versions(32, 300, [&](std::int32_t version) {
        const auto q = match(statement(), "le funzioni (@C3@|@cFF0000@)@if@\\(@ix@\\)=NUM@ix@@C1@ e (@C3@|@cFF0000@)"
                                          "@if@\\(@ix@\\)=NUM@ix@\\+?NUM@C1@ e compararne");
        EXPECT_EQ(q[1], q[3]);
        EXPECT_NE(q[0], q[2]);
        const bool red_through_origin = q[0] == "@C3@";
        EXPECT_EQ(answer_text().find("rosso") != std::string::npos, red_through_origin);
        if (version == text_version) {
            EXPECT_TRUE(red_through_origin);
        }
        const double slope = shown(q[1]).value;
        const double intercept = shown(q[4]).value;
        backend.clear_log();
        forget_slots();
        answer();
        const std::int32_t origin_colour = red_through_origin ? red : blue;
        const std::int32_t other_colour = red_through_origin ? blue : red;
        EXPECT_TRUE(line_drawn(backend, plot.column(-5), plot.row(-5 * slope), plot.column(5), plot.row(5 * slope),
                               origin_colour));
        EXPECT_TRUE(line_drawn(backend, plot.column(-5), plot.row(-5 * slope + intercept), plot.column(5),
                               plot.row(5 * slope + intercept), other_colour));
    });
    generate(32, text_version);
    EXPECT_NE(answer_text().find("rosso"), std::string::npos);
}

TEST_F(ChapterOne, ProblemThirtyThreeDrawsLinesOfOppositeSlopeThroughOnePoint)
{
    const Plot plot{200, 400, 120, 270, -5, 5, -5, 5};
    for_versions(33, 300, [&](std::int32_t) {
        // No blank before the intercept's sign, as problem 32 writes it.
        const auto q =
            match(statement(), "@C3@@if@\\(@ix@\\)=NUM@ix@\\+?NUM@C1@ e @cFF0000@@if@\\(@ix@\\)=NUM@ix@\\+?NUM@C1@");
        const double s1 = shown(q[0]).value, b1 = shown(q[1]).value, s2 = shown(q[2]).value, b2 = shown(q[3]).value;
        EXPECT_EQ(s1, -s2);
        EXPECT_EQ(answer_text(), "Rette con pendenza opposta (@C3@" + q[0] + "@C1@ e @cFF0000@" + q[2] + "@C1@)");
        EXPECT_TRUE(problem_texts.problem_printable);
        backend.clear_log();
        forget_slots();
        answer();
        EXPECT_TRUE(problem_texts.problem_printable);
        EXPECT_TRUE(
            line_drawn(backend, plot.column(-5), plot.row(-5 * s1 + b1), plot.column(5), plot.row(5 * s1 + b1), red));
        EXPECT_TRUE(
            line_drawn(backend, plot.column(-5), plot.row(-5 * s2 + b2), plot.column(5), plot.row(5 * s2 + b2), blue));
    });
}

TEST_F(ChapterOne, ProblemThirtyFourPlotsThePointsOfTheLineItAnswers)
{
    const Plot plot{200, 400, 120, 270, -0.2, 1, -5, 5};
    for_versions(34, 300, [&](std::int32_t) {
        const auto a = match(answer_text(), "^@iy@=NUM@ix@(\\+?NUM)?$");
        const double slope = shown(a[0]).value;
        const double intercept = a[1].empty() ? 0.0 : shown(a[1].substr(a[1][0] == '+' ? 1 : 0)).value;
        const auto drawn = markers(backend);
        EXPECT_EQ(drawn.size(), 10u);
        for (std::int32_t k = 0; k < 10; ++k) {
            const double x = 0.1 * k;
            // Without an intercept the line may pass up to 0.1 from the origin.
            const std::int32_t row = plot.row(slope * x + intercept);
            bool near = false;
            for (const Marker& m : drawn)
                near = near || (m.colour == red && std::abs(m.x - plot.column(x)) <= 1 &&
                                std::abs(m.y - row) <= (a[1].empty() ? 3 : 1));
            EXPECT_TRUE(near) << "point " << k;
            if (!a[1].empty() && plot.inside(x, slope * x + intercept)) {
                EXPECT_TRUE(marker_at(drawn, plot.column(x), row, red, true)) << "point " << k;
            }
        }
    });
}

TEST_F(ChapterOne, ProblemThirtyFiveTabulatesAPressureProportionalToTemperature)
{
    for_versions(35, 300, [&](std::int32_t) {
        const Shown slope = shown(match(answer_text(), "^@iP@ = NUM@iT@$")[0]);
        // The slope from the volume and mass printed, nR/V, with their digits.
        const auto q = match(statement(), "volume pari a NUM L contenente NUM g di (.+) a varie");
        const Shown volume = shown(q[0]), mass = shown(q[1]);
        const double per_gram = 0.082057 / testing_support::composition_mass(
                                               testing_support::composition_of(testing_support::compound_named(q[2])));
        EXPECT_TRUE(digits_of_data(slope, [&](const std::vector<double>& v) { return per_gram * v[1] / v[0]; },
                                   {volume, mass}));
        Shown temperature[6], pressure[6];
        for (std::int32_t i = 1; i <= 5; ++i) {
            temperature[i] = shown(value_slots[i].display_text);
            pressure[i] = shown(value_slots[5 + i].display_text);
            EXPECT_TRUE(within_rounding(pressure[i], slope.value * temperature[i].value, {temperature[i], slope}));
        }
        backend.clear_log();
        forget_slots();
        answer();
        // The points stand at the temperatures before their rounding to
        // whole kelvin, on the line of the shown pressures within rounding.
        std::vector<std::pair<double, double>> points;
        for (std::int32_t i = 1; i <= 5; ++i) points.emplace_back(temperature[i].value, pressure[i].value);
        EXPECT_TRUE(plotted_clear_of_frame(markers(backend), red, points, {350, 550, 120, 270, 0, 0, 0, 0}));
    });
}

TEST_F(ChapterOne, ProblemThirtySixAnswersWhichCoefficientsVanish)
{
    const Plot plot{200, 400, 120, 270, -1, 1, -1, 1};
    std::int32_t zeros = 0;
    for_versions(36, 300, [&](std::int32_t) {
        const float a = value_slots[1].value, b = value_slots[2].value, c = value_slots[3].value;
        const bool no_b = std::fabs(b) < 0.01f, no_c = std::fabs(c) < 0.01f;
        if (no_b || no_c) ++zeros;
        EXPECT_EQ(answer_text(), no_b && no_c ? "B = 0; C = 0"
                                 : no_b       ? "B = 0"
                                 : no_c       ? "C = 0"
                                              : "B e C diversi da 0");
        const auto drawn = markers(backend);
        for (std::int32_t k = 0; k < 20; k += 3) {
            const double x = -1.0 + 0.1 * k;
            const double y = (a * x + b) * x + c;
            // A dot the frame would cut is left out.
            EXPECT_EQ(marker_at(drawn, plot.column(x), plot.row(y), red), plot.clear_inside(x, y)) << k;
        }
    });
    EXPECT_GT(zeros, 30);
}

TEST_F(ChapterOne, ProblemThirtySevenNamesTheColourOfTheStatedParabola)
{
    const Plot plot{350, 550, 120, 270, -1, 1, -1, 1};
    for_versions(37, 300, [&](std::int32_t) {
        const auto q = match(statement(), "@iy@ = NUM@ix@@u2@( [+-] NUM@ix@)?( [+-] NUM)?$");
        const auto term = [](const std::string& piece) {
            if (piece.empty()) return 0.0;
            const double magnitude = shown(match(piece, "NUM")[0]).value;
            return piece[1] == '-' ? -magnitude : magnitude;
        };
        const double a = shown(q[0]).value, b = term(q[1]), c = term(q[3]);
        const bool in_red = answer_text() == "La serie in @C4@rosso";
        EXPECT_TRUE(in_red || answer_text() == "La serie in @C2@blu");
        const auto drawn = markers(backend);
        std::int32_t checked = 0;
        for (std::int32_t k = 0; k < 20; ++k) {
            const double x = -1.0 + 0.1 * k;
            const double y = (a * x + b) * x + c;
            const bool shown = marker_at(drawn, plot.column(x), plot.row(y), in_red ? red : blue);
            EXPECT_EQ(shown, plot.clear_inside(x, y)) << k;
            if (!shown) continue;
            ++checked;
        }
        EXPECT_GT(checked, 0);
    });
}

TEST_F(ChapterOne, ProblemThirtyEightNamesTheColourOfTheHyperbola)
{
    const Plot plot{200, 400, 120, 270, 0, 1, -1, 1};
    for_versions(38, 300, [&](std::int32_t) {
        const bool in_red = answer_text().starts_with("La serie in rosso");
        EXPECT_TRUE(in_red || answer_text().starts_with("La serie in blu"));
        // The hyperbola's points fall towards the axis as x grows; the
        // line, proportion or parabola never do.
        // The axis y = 0 across the plot: the window the points are read in
        // may reach past -1 or 1 to keep them clear of the frame.
        std::int32_t zero = -1;
        for (const std::string& line : backend.log_lines("line")) {
            int x1, y1, x2, y2;
            if (std::sscanf(line.c_str(), "line (%d,%d)-(%d,%d)", &x1, &y1, &x2, &y2) == 4 && x1 == plot.left &&
                x2 == plot.right && y1 == y2)
                zero = y1;
        }
        ASSERT_GT(zero, plot.top);
        std::vector<std::int32_t> hyperbola, other;
        for (const Marker& m : markers(backend)) {
            if (m.x < plot.left || m.x > plot.right) continue;
            (m.colour == (in_red ? red : blue) ? hyperbola : other).push_back(std::abs(m.y - zero));
            // A dot more than its radius beyond the frame is clipped whole.
            const bool seen = m.y >= plot.top - 2 && m.y <= plot.bottom + 2;
            EXPECT_TRUE(!seen || (m.y >= plot.top + 6 && m.y <= plot.bottom - 6)) << "a point by the frame at " << m.y;
        }
        ASSERT_EQ(hyperbola.size(), 19u);
        ASSERT_EQ(other.size(), 19u);
        EXPECT_GE(hyperbola[9], hyperbola[18]);
        EXPECT_LE(other[9], other[18]);
        EXPECT_LT(hyperbola[18], 10);
    });
}

TEST_F(ChapterOne, ProblemThirtyNineFollowsBoylesLawAndItsLogarithms)
{
    for_versions(39, 300, [&](std::int32_t) {
        const Shown constant = shown(match(answer_text(), "^@iV@ = NUM/@iP@$")[0]);
        // nRT from the temperature and mass printed, with their digits.
        const auto q = match(statement(), "occupato a NUM K da NUM g di");
        const Shown kelvin = shown(q[0]), mass = shown(q[1]);
        const double per_kelvin_gram = constant.value / (kelvin.value * mass.value);
        EXPECT_TRUE(digits_of_data(
            constant, [&](const std::vector<double>& v) { return per_kelvin_gram * v[0] * v[1]; }, {kelvin, mass}));
        std::vector<std::pair<double, double>> points, logarithms;
        for (std::int32_t i = 1; i <= 5; ++i) {
            const Shown pressure = shown(value_slots[i].display_text);
            const Shown volume = shown(value_slots[5 + i].display_text);
            EXPECT_TRUE(within_rounding(constant, pressure.value * volume.value, {pressure, volume}));
            points.emplace_back(pressure.value, volume.value);
            logarithms.emplace_back(std::log(pressure.value), std::log(volume.value));
        }
        EXPECT_TRUE(plotted_clear_of_frame(markers(backend), red, points, {200, 350, 130, 270, 0, 0, 0, 0}));
        backend.clear_log();
        forget_slots();
        answer();
        const auto drawn = markers(backend);
        EXPECT_TRUE(plotted_clear_of_frame(drawn, blue, logarithms, {405, 575, 130, 270, 0, 0, 0, 0}));
        // The line from the fifth point toward ln P = 0, left of every point.
        std::int32_t lines = 0;
        for (const std::string& line : backend.log_lines("line")) {
            int x1, y1, x2, y2;
            unsigned colour;
            if (std::sscanf(line.c_str(), "line (%d,%d)-(%d,%d) 0x%X", &x1, &y1, &x2, &y2, &colour) == 5 &&
                colour == blue && std::abs(x1 - drawn.back().x) <= 1 && std::abs(y1 - drawn.back().y) <= 1 &&
                x2 < drawn.front().x)
                ++lines;
        }
        EXPECT_EQ(lines, 1);
    });
}

TEST_F(ChapterOne, ProblemFortyPlotsAnExponentialAndItsLogarithm)
{
    const Plot logarithm{400, 580, 136, 270, 0, 2, -10, 10};
    for_versions(40, 300, [&](std::int32_t) {
        const auto a = match(answer_text(), "^A = NUM; B = (-?)NUM$");
        const double amplitude = shown(a[0]).value;
        const double b = (a[1] == "-" ? -1.0 : 1.0) * shown(a[2]).value;
        double largest = 0.0;
        std::vector<std::pair<double, double>> points;
        for (std::int32_t k = 0; k < 10; ++k) {
            const double x = 0.55 + 0.05 * k;
            points.emplace_back(x, amplitude * std::exp(-b / x));
            largest = std::max(largest, points.back().second);
        }
        EXPECT_TRUE(plotted_clear_of_frame(markers(backend), red, points, {200, 340, 130, 270, 0, 0, 0, 0}));
        EXPECT_GT(largest, 0.55);
        EXPECT_LT(largest, 1.0);
        backend.clear_log();
        forget_slots();
        answer();
        // ln y = ln A - B / x: the line from 1/x = 0 to 2, and the points.
        EXPECT_TRUE(line_drawn(backend, logarithm.column(0), logarithm.row(std::log(amplitude)), logarithm.column(2),
                               logarithm.row(std::log(amplitude) - 2 * b), red));
        EXPECT_TRUE(marker_at(markers(backend), logarithm.column(1 / 0.55),
                              logarithm.row(std::log(amplitude) - b / 0.55), blue));
    });
}

}  // namespace
}  // namespace basic_notions_test
