#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "numerics/vector_geometry.h"
#include "test_random.h"

namespace {

constexpr float pi = 3.14159265f;

void expect_point(const float* p, float x, float y, float z, float tolerance = 1e-6f)
{
    EXPECT_NEAR(p[0], x, tolerance);
    EXPECT_NEAR(p[1], y, tolerance);
    EXPECT_NEAR(p[2], z, tolerance);
}

// Uniform draws taken from a fixed list first, then from a generator.
struct ScriptedDraws {
    std::vector<float> script;
    TestRandom random{99};
    std::size_t used = 0;

    UniformDraw draw()
    {
        return [this](float a, float b) {
            const float u = used < script.size() ? script[used] : random.uniform(0, 1);
            ++used;
            return a + u * (b - a);
        };
    }
};

TEST(Rotation, TurnsByTheRightHandRule)
{
    struct Case {
        Vector3 point, p, d;
        float theta;
        Vector3 expected;
    };
    const Case cases[] = {
        {{1, 0, 0}, {0, 0, 0}, {0, 0, 2}, pi / 2, {0, 1, 0}},  // the axis length does not matter
        {{0, 1, 0}, {0, 0, 0}, {1, 0, 0}, pi / 2, {0, 0, 1}},
        {{0, 1, 0}, {0, 0, 0}, {-3, 0, 0}, pi / 2, {0, 0, -1}},
        {{2, 1, 5}, {1, 1, 0}, {0, 0, 1}, pi, {0, 1, 5}},
        {{1, 0, 0}, {0, 0, 0}, {1, 1, 1}, 2 * pi / 3, {0, 1, 0}},
        {{0, 0, 1}, {0, 0, 0}, {1, 0, 0}, 0.5f, {0, -std::sin(0.5f), std::cos(0.5f)}},
    };
    for (const Case& c : cases) {
        Vector3 point = c.point;
        rotate_about_axis(1, point.data(), c.p, c.d, c.theta);
        expect_point(point.data(), c.expected[0], c.expected[1], c.expected[2]);
    }
}

TEST(Rotation, LeavesWhatItMustAlone)
{
    std::vector<float> points = {1.5f, -2.25f, 3.0f, 0.1f, 0.2f, 0.3f};
    const std::vector<float> original = points;
    rotate_about_axis(2, points.data(), {0.5f, 0.5f, 0.5f}, {1, 2, 3}, 0.0f);
    EXPECT_EQ(points, original);
    rotate_about_axis(2, points.data(), {0, 0, 0}, {0, 0, 0}, 1.0f);  // no axis
    EXPECT_EQ(points, original);
    rotate_about_axis(0, points.data(), {0, 0, 0}, {0, 0, 1}, 1.0f);
    EXPECT_EQ(points, original);
    float on_axis[3] = {2, 3, 4};
    rotate_about_axis(1, on_axis, {2, 3, 4}, {1, -1, 0.005f}, 2.0f);
    expect_point(on_axis, 2, 3, 4);
}

TEST(Rotation, KeepsDistancesBetweenPoints)
{
    TestRandom random(4);
    std::vector<float> points(3 * 10);
    for (float& v : points) v = random.uniform(-5, 5);
    const std::vector<float> before = points;
    rotate_about_axis(10, points.data(), {1, -2, 0.5f}, {0.3f, -0.2f, 0.005f}, 1.234f);
    for (int i = 0; i < 10; ++i) {
        for (int j = 0; j < i; ++j) {
            const Vector3 a{before[3 * i], before[3 * i + 1], before[3 * i + 2]};
            const Vector3 b{before[3 * j], before[3 * j + 1], before[3 * j + 2]};
            const Vector3 a2{points[3 * i], points[3 * i + 1], points[3 * i + 2]};
            const Vector3 b2{points[3 * j], points[3 * j + 1], points[3 * j + 2]};
            EXPECT_NEAR(distance_between_points(a, b), distance_between_points(a2, b2), 2e-5f);
        }
    }
}

TEST(VectorArithmetic, ProductsLengthsAndAngles)
{
    const Vector3 a{1, 2, 3}, b{-2, 0.5f, 4};
    EXPECT_EQ(dot_product_3(a, b), 11.0f);
    EXPECT_EQ(cross_product_3(a, b), (Vector3{6.5f, -10.0f, 4.5f}));
    EXPECT_EQ(vector_difference_3(a, b), (Vector3{-3.0f, -1.5f, 1.0f}));
    EXPECT_EQ(vector_sum_3(a, b), (Vector3{-1.0f, 2.5f, 7.0f}));
    EXPECT_EQ(scale_vector_3(a, -2), (Vector3{-2, -4, -6}));
    EXPECT_EQ(vector_length_3({3, 4, 12}), 13.0f);
    EXPECT_EQ(distance_between_points({1, 1, 1}, {4, 5, 1}), 5.0f);
    const Vector3 scaled = set_vector_length({3, 4, 0}, 10);
    EXPECT_FLOAT_EQ(scaled[0], 6);
    EXPECT_FLOAT_EQ(scaled[1], 8);
    EXPECT_EQ(set_vector_length({0, 0, 0}, 10), (Vector3{0, 0, 0}));

    EXPECT_FLOAT_EQ(angle_between_vectors({1, 0, 0}, {0, 0, 5}), pi / 2);
    EXPECT_FLOAT_EQ(angle_between_vectors({1, 1, 0}, {-2, -2, 0}), pi);
    EXPECT_EQ(angle_between_vectors({0, 0, 0}, {1, 2, 3}), 0.0f);
    // Parallel vectors whose computed cosine may pass 1 give no failure.
    for (const float k : {3.0f, 7.0f, 0.1f, 1.1f, 13.7f}) {
        for (const Vector3& v : {Vector3{0.1f, 0.2f, 0.3f}, Vector3{0.7f, 0.3f, 0.9f}, Vector3{1e3f, 3e-3f, 7}}) {
            const float angle = angle_between_vectors(v, scale_vector_3(v, k));
            EXPECT_FALSE(std::isnan(angle));
            EXPECT_LT(angle, 1e-3f);
        }
    }
}

TEST(AtomPlacement, BuildsTheRequestedBondAngleAndDihedral)
{
    const Vector3 a{0, 0, 0}, b{1.5f, 0, 0}, c{2.0f, 1.4f, 0};
    for (const float phi : {0.0f, 0.7f, -0.7f, 2.5f}) {
        Vector3 x{};
        ASSERT_TRUE(place_atom_from_three(a, b, c, 1.1f, 1.2f, phi, x));
        EXPECT_NEAR(distance_between_points(c, x), 1.1f, 1e-6f);
        // theta is the angle from the direction b -> c, so the angle b-c-x is pi - theta.
        EXPECT_NEAR(angle_between_vectors(vector_difference_3(c, b), vector_difference_3(c, x)), pi - 1.2f, 1e-5f);
        EXPECT_NEAR(std::fabs(dihedral_of_points(a, b, c, x)), std::fabs(phi), 1e-5f) << phi;
    }
    Vector3 left{}, right{};
    place_atom_from_three(a, b, c, 1, 1.9f, 0.7f, left);
    place_atom_from_three(a, b, c, 1, 1.9f, -0.7f, right);
    EXPECT_NEAR(dihedral_of_points(a, b, c, left), -dihedral_of_points(a, b, c, right), 1e-5f);
    EXPECT_NE(dihedral_of_points(a, b, c, left), dihedral_of_points(a, b, c, right));
}

TEST(AtomPlacement, DegenerateGeometryReportsFailure)
{
    Vector3 x{9, 9, 9};
    EXPECT_FALSE(place_atom_internal({1, 0, 0}, {0, 0, 0}, 1, 1, 1, x));   // no bond direction
    EXPECT_FALSE(place_atom_internal({2, 0, 0}, {-1, 0, 0}, 1, 1, 1, x));  // reference along the bond
    EXPECT_FALSE(place_atom_from_three({0, 0, 0}, {1, 0, 0}, {2, 0, 0}, 1, 1, 1, x));
    EXPECT_EQ(x, (Vector3{9, 9, 9}));
    EXPECT_EQ(dihedral_of_points({0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 1, 0}), 0.0f);
}

TEST(RandomVectors, HaveTheirLengthAndAngle)
{
    ScriptedDraws draws;
    const UniformDraw draw = draws.draw();
    for (int i = 0; i < 50; ++i) {
        EXPECT_NEAR(vector_length_3(random_vector_polar(2.5f, draw)), 2.5f, 1e-5f);
        EXPECT_NEAR(vector_length_3(random_vector_rejection(0.5f, draw)), 0.5f, 1e-6f);
        const Vector3 a = random_vector_polar(1.0f, draw);
        Vector3 v{};
        ASSERT_TRUE(random_vector_at_angle(a, 0.8f, 3.0f, v, draw));
        EXPECT_NEAR(vector_length_3(v), 3.0f, 1e-5f);
        EXPECT_NEAR(angle_between_vectors(a, v), 0.8f, 1e-4f);
    }
    Vector3 untouched{1, 2, 3};
    EXPECT_FALSE(random_vector_at_angle({0, 0, 0}, 0.8f, 3.0f, untouched, draw));
    EXPECT_EQ(untouched, (Vector3{1, 2, 3}));
}

TEST(RandomVectors, DrawAgainOutsideTheBallAndAtItsCentre)
{
    // First triple at the centre, second outside the ball, third accepted.
    ScriptedDraws draws{{0.5f, 0.5f, 0.5f, 0.99f, 0.99f, 0.01f, 0.75f, 0.5f, 0.5f}};
    const Vector3 v = random_vector_rejection(2.0f, draws.draw());
    EXPECT_EQ(draws.used, 9u);
    expect_point(v.data(), 2, 0, 0);

    ScriptedDraws polar{{1.0f, 0.5f}};
    expect_point(random_vector_polar(3.0f, polar.draw()).data(), 3, 0, 0);
}

}  // namespace
