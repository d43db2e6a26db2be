#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "numerics/simulation_helpers.h"

namespace {

TEST(SimulationHelpers, AnglesAndSmallArrays)
{
    EXPECT_FLOAT_EQ(radians_to_degrees(3.1415927f), 180.0f);
    EXPECT_FLOAT_EQ(degrees_to_radians(90.0f), 1.5707964f);
    const float a[3] = {1, 2, 3};
    float b[3] = {};
    copy_values(a, 3, b);
    EXPECT_EQ(b[2], 3);
    float shifted[3] = {1, 2, 3};
    shift_values_in(shifted, 3, 9);
    EXPECT_EQ(shifted[0], 9);
    EXPECT_EQ(shifted[1], 1);
    EXPECT_EQ(shifted[2], 2);
    shift_values_in(shifted, 0, 5);
    EXPECT_EQ(shifted[0], 9);
}

TEST(SimulationHelpers, WeightedRunningAverages)
{
    accumulate_average(5, 0, 0, 0);
    EXPECT_EQ(accumulate_average(5, 0, 0, 2), 0.0f);  // no weight yet
    accumulate_average(5, 2, 1, 1);
    accumulate_average(5, 4, 3, 1);
    EXPECT_EQ(accumulate_average(5, 0, 0, 2), 1.5f);
    EXPECT_EQ(accumulate_average(5, 0, 0, 3), 4.0f);
    accumulate_average(6, 0, 0, 0);
    EXPECT_EQ(accumulate_average(6, 0, 0, 3), 0.0f);  // slots are separate
    accumulate_average(5, 0, 0, 0);
    EXPECT_EQ(accumulate_average(5, 0, 0, 3), 0.0f);
    EXPECT_EQ(accumulate_average(0, 1, 1, 1), 0.0f);
    EXPECT_EQ(accumulate_average(101, 1, 1, 1), 0.0f);
    EXPECT_EQ(accumulate_average(5, 1, 1, 7), 0.0f);
}

TEST(SimulationHelpers, CentreOfPoints)
{
    float points[6] = {1, 2, 3, 3, 6, -3};
    Vector3 centre{};
    centre_points(2, points, centre, 0);
    EXPECT_EQ(centre, (Vector3{2, 4, 0}));
    EXPECT_EQ(points[0], 1);
    centre_points(2, points, centre, 1);
    EXPECT_EQ(points[0], -1);
    EXPECT_EQ(points[5], -3);
    centre_points(0, points, centre, 1);
    EXPECT_EQ(centre, (Vector3{0, 0, 0}));
}

SquareMatrix7 matrix_by_rows(const std::vector<std::vector<float>>& rows)
{
    SquareMatrix7 a{};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (std::size_t j = 0; j < rows[i].size(); ++j) a[i + 7 * j] = rows[i][j];
    }
    return a;
}

TEST(VerboseSolver, SolvesAndShowsEveryStep)
{
    const SquareMatrix7 a = matrix_by_rows({{2, 1, -1}, {-3, -1, 2}, {-2, 1, 2}});
    const float b[3] = {8, -11, -3};
    float x[3] = {};
    std::vector<std::int32_t> rows_shown;
    std::vector<float> last_rhs;
    const bool solved =
        solve_linear_system_verbose(a, 3, b, x, [&](std::int32_t row, float rhs, std::span<const float> coefficients) {
            rows_shown.push_back(row);
            EXPECT_EQ(coefficients.size(), 3u);
            if (rows_shown.size() > 6) {
                last_rhs.push_back(rhs);
                for (std::int32_t j = 1; j < row; ++j) EXPECT_EQ(coefficients[j - 1], 0.0f);  // eliminated
                EXPECT_FLOAT_EQ(coefficients[row - 1], 1.0f);
            }
        });
    ASSERT_TRUE(solved);
    EXPECT_EQ(rows_shown, (std::vector<std::int32_t>{1, 2, 3, 1, 2, 3, 1, 2, 3}));
    EXPECT_NEAR(x[0], 2, 1e-5f);
    EXPECT_NEAR(x[1], 3, 1e-5f);
    EXPECT_NEAR(x[2], -1, 1e-5f);
    EXPECT_EQ(last_rhs.size(), 3u);
}

TEST(VerboseSolver, ReportsWhatItCannotSolve)
{
    float x[2] = {7, 7};
    const float b[2] = {1, 1};
    int calls = 0;
    const EliminationRowSink count = [&](std::int32_t, float, std::span<const float>) { ++calls; };
    // Singular, and a leading zero that an elimination without exchanges cannot pass.
    EXPECT_FALSE(solve_linear_system_verbose(matrix_by_rows({{1, 2}, {2, 4}}), 2, b, x, count));
    EXPECT_FALSE(solve_linear_system_verbose(matrix_by_rows({{0, 1}, {1, 0}}), 2, b, x, count));
    EXPECT_FALSE(solve_linear_system_verbose(matrix_by_rows({{1}}), 8, b, x, count));
    EXPECT_FALSE(solve_linear_system_verbose(matrix_by_rows({{1}}), 0, b, x, count));
    EXPECT_EQ(x[0], 7);
    EXPECT_EQ(calls, 2);  // the first step of the singular system was shown
    EXPECT_TRUE(solve_linear_system_verbose(matrix_by_rows({{4}}), 1, b, x, nullptr));
    EXPECT_EQ(x[0], 0.25f);
}

TEST(SimulationHelpers, ParabolaThroughThreePoints)
{
    EXPECT_NEAR(*quadratic_through_three_points(1, 2, 3, 1, 4, 9, 4), 16.0f, 1e-4f);
    EXPECT_NEAR(*quadratic_through_three_points(-1, 0, 2, 3, 1, 3, 1), 1.0f, 1e-5f);  // x^2 - x + 1
    EXPECT_FALSE(quadratic_through_three_points(1, 1, 3, 1, 4, 9, 4).has_value());
    EXPECT_FALSE(quadratic_through_three_points(1, 2, 1, 1, 4, 9, 4).has_value());
}

TEST(PeriodicBox, MinimumImagesAndWrapping)
{
    const Vector3 box{10, 10, 4}, half{5, 5, 2};
    struct Case {
        Vector3 p, q, d;
    };
    const Case cases[] = {
        {{1, 1, 1}, {2, 3, 1}, {1, 2, 0}},
        {{1, 9, 0.5f}, {9, 1, 3.5f}, {-2, 2, -1}},
        {{0, 0, 0}, {5, -5, 2}, {-5, 5, -2}},  // exactly half a box loses or gains one
    };
    for (const Case& c : cases) {
        EXPECT_EQ(minimum_image_difference(box, half, c.p, c.q), c.d);
        EXPECT_EQ(minimum_image_distance_squared(box, half, c.p, c.q), dot_product_3(c.d, c.d));
    }
    EXPECT_EQ(wrap_into_box(box, {9, 1, 3}, {2, -2, 1}), (Vector3{1, 9, 0}));
    EXPECT_EQ(wrap_into_box(box, {9, 1, 3}, {0.5f, 0, -1}), (Vector3{9.5f, 1, 2}));
}

TEST(PeriodicBox, PlacesAtomsAcrossTheBoundary)
{
    const Vector3 box{10, 10, 10}, half{5, 5, 5};
    const Vector3 a{9, 9, 9}, b{0.5f, 9, 9}, c{1, 0.2f, 9};  // b and c have crossed the boundary
    Vector3 inside{};
    ASSERT_TRUE(place_atom_in_box(box, half, a, b, c, 1.2f, 1.0f, 0.5f, inside));
    Vector3 open{};
    ASSERT_TRUE(place_atom_from_three(a, {10.5f, 9, 9}, {11, 10.2f, 9}, 1.2f, 1.0f, 0.5f, open));
    const Vector3 expected = wrap_into_box(box, {open[0] - 10, open[1] - 10, open[2]}, {0, 0, 0});
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(inside[k], expected[k], 1e-5f) << k;
    Vector3 untouched{1, 1, 1};
    EXPECT_FALSE(place_atom_in_box(box, half, a, a, a, 1, 1, 1, untouched));
    EXPECT_EQ(untouched, (Vector3{1, 1, 1}));
}

TEST(SimulationHelpers, MetropolisAcceptance)
{
    int draws = 0;
    float next = 0.0f;
    const UniformDraw draw = [&](float a, float b) {
        ++draws;
        return a + next * (b - a);
    };
    EXPECT_EQ(metropolis_accept(-1.0f, draw), 1.0f);
    EXPECT_EQ(metropolis_accept(0.0f, draw), 1.0f);
    EXPECT_EQ(draws, 0);  // no draw when the move goes downhill
    next = 0.4f;
    EXPECT_EQ(metropolis_accept(std::log(2.0f), draw), 1.0f);
    next = 0.6f;
    EXPECT_EQ(metropolis_accept(std::log(2.0f), draw), -1.0f);
    EXPECT_EQ(draws, 2);
}

}  // namespace
