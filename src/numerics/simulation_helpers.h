// Small routines for particle simulations in a periodic box, running
// averages and a verbose linear solver for the console test driver.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "numerics/vector_geometry.h"

float radians_to_degrees(float x);
float degrees_to_radians(float x);

// b(1..n) := a(1..n)
void copy_values(const float* a, std::int32_t n, float* b);
// Puts x first in a(1..n), the old values moving one place on (the last drops out).
void shift_values_in(float* a, std::int32_t n, float x);

// 100 weighted accumulators (slots 1..100): mode 0 clears the slot, 1 adds x
// to its sum and w to its weight, 2 returns sum / weight (0 without weight),
// 3 returns the weight. Other slots and modes return 0 and change nothing.
float accumulate_average(std::int32_t slot, float x, float w, std::int32_t mode);

// centre := the mean of the n points; a nonzero flag also subtracts it from them.
void centre_points(std::int32_t n, float* points, Vector3& centre, std::int32_t flag);

// Linear systems of up to 7 equations. a is 7 by 7 by columns.
inline constexpr std::int32_t max_verbose_equations = 7;
using SquareMatrix7 = std::array<float, max_verbose_equations * max_verbose_equations>;
// Receives every row after each elimination step: its number (1-based), its
// right-hand side and its n coefficients.
using EliminationRowSink = std::function<void(std::int32_t row, float rhs, std::span<const float> coefficients)>;
// Solves a x = b by elimination without pivoting, each row being divided by
// its coefficient in the pivot column (rows with a zero there stay as they
// are); false (x untouched) when n is outside 1..7 or a pivot is zero.
bool solve_linear_system_verbose(const SquareMatrix7& a, std::int32_t n, const float* b, float* x,
                                 const EliminationRowSink& show_rows);

// The value at x of the parabola through three points; nothing when two
// abscissae coincide.
std::optional<float> quadratic_through_three_points(float x1, float x2, float x3, float y1, float y2, float y3,
                                                    float x);

// q - p with each component taken as its minimum image in the box.
Vector3 minimum_image_difference(const Vector3& box, const Vector3& half, const Vector3& p, const Vector3& q);
// p + dp brought back into the box by one box length per component.
Vector3 wrap_into_box(const Vector3& box, const Vector3& p, const Vector3& dp);
float minimum_image_distance_squared(const Vector3& box, const Vector3& half, const Vector3& p, const Vector3& q);
// As place_atom_from_three with minimum-image bond vectors, wrapped into the box.
bool place_atom_in_box(const Vector3& box, const Vector3& half, const Vector3& a, const Vector3& b, const Vector3& c,
                       float r, float theta, float phi, Vector3& x);

// 1 (accept) when x <= 0 or a uniform draw falls below exp(-x), else -1.
float metropolis_accept(float x, const UniformDraw& draw);
