#include "numerics/simulation_helpers.h"

#include <cmath>
#include <cstddef>
#include <numbers>

namespace {

constexpr float pi = std::numbers::pi_v<float>;
constexpr std::int32_t average_slots = 100;

struct RunningAverages {
    std::array<float, average_slots> sum{};
    std::array<float, average_slots> weight{};
};
RunningAverages running_averages;

}  // namespace

float radians_to_degrees(float x)
{
    return x / pi * 180.0f;
}

float degrees_to_radians(float x)
{
    return x * pi * (1.0f / 180.0f);
}

void copy_values(const float* a, std::int32_t n, float* b)
{
    for (std::int32_t i = 0; i < n; ++i) b[i] = a[i];
}

void shift_values_in(float* a, std::int32_t n, float x)
{
    if (n < 1) return;
    for (std::int32_t i = n - 1; i >= 1; --i) a[i] = a[i - 1];
    a[0] = x;
}

float accumulate_average(std::int32_t slot, float x, float w, std::int32_t mode)
{
    if (slot < 1 || slot > average_slots) return 0.0f;
    float& sum = running_averages.sum[static_cast<std::size_t>(slot - 1)];
    float& weight = running_averages.weight[static_cast<std::size_t>(slot - 1)];
    switch (mode) {
    case 0:
        sum = 0.0f;
        weight = 0.0f;
        return 0.0f;
    case 1:
        sum += x;
        weight += w;
        return 0.0f;
    case 2: return weight == 0.0f ? 0.0f : sum / weight;
    case 3: return weight;
    default: return 0.0f;
    }
}

void centre_points(std::int32_t n, float* points, Vector3& centre, std::int32_t flag)
{
    centre = {0.0f, 0.0f, 0.0f};
    if (n < 1) return;
    for (std::int32_t i = 0; i < n; ++i) {
        for (std::size_t k = 0; k < 3; ++k) centre[k] += points[3 * static_cast<std::ptrdiff_t>(i) + k];
    }
    for (float& c : centre) c /= static_cast<float>(n);
    if (flag == 0) return;
    for (std::int32_t i = 0; i < n; ++i) {
        for (std::size_t k = 0; k < 3; ++k) points[3 * static_cast<std::ptrdiff_t>(i) + k] -= centre[k];
    }
}

bool solve_linear_system_verbose(const SquareMatrix7& a, std::int32_t n, const float* b, float* x,
                                 const EliminationRowSink& show_rows)
{
    if (n < 1 || n > max_verbose_equations) return false;
    // Working copy by rows: coefficients 0..n-1, then the right-hand side.
    std::array<std::array<float, max_verbose_equations + 1>, max_verbose_equations> w{};
    for (std::int32_t i = 0; i < n; ++i) {
        for (std::int32_t j = 0; j < n; ++j) w[i][j] = a[static_cast<std::size_t>(i + j * max_verbose_equations)];
        w[i][max_verbose_equations] = b[i];
    }
    auto scale_row = [&](std::int32_t i, float by) {
        for (std::int32_t j = 0; j < n; ++j) w[i][j] /= by;
        w[i][max_verbose_equations] /= by;
    };
    for (std::int32_t k = 0; k < n; ++k) {
        if (w[k][k] == 0.0f) return false;
        for (std::int32_t i = k; i < n; ++i) {
            if (w[i][k] != 0.0f) scale_row(i, w[i][k]);
        }
        for (std::int32_t i = k + 1; i < n; ++i) {
            if (w[i][k] == 0.0f) continue;
            for (std::int32_t j = 0; j < n; ++j) w[i][j] -= w[k][j];
            w[i][max_verbose_equations] -= w[k][max_verbose_equations];
        }
        if (show_rows) {
            for (std::int32_t i = 0; i < n; ++i) {
                show_rows(i + 1, w[i][max_verbose_equations],
                          std::span<const float>(w[i].data(), static_cast<std::size_t>(n)));
            }
        }
    }
    for (std::int32_t i = n - 1; i >= 0; --i) {
        float value = w[i][max_verbose_equations];
        for (std::int32_t j = i + 1; j < n; ++j) value -= w[i][j] * x[j];
        x[i] = value / w[i][i];
    }
    return true;
}

std::optional<float> quadratic_through_three_points(float x1, float x2, float x3, float y1, float y2, float y3, float x)
{
    if (x1 == x2 || x2 == x3 || x1 == x3) return std::nullopt;
    const float a = ((y1 - y2) / (x1 - x2) - (y2 - y3) / (x2 - x3)) / (x1 - x3);
    const float b = (y2 - y3) / (x2 - x3) - a * (x2 + x3);
    const float c = y1 - (a * x1 + b) * x1;
    return (a * x + b) * x + c;
}

Vector3 minimum_image_difference(const Vector3& box, const Vector3& half, const Vector3& p, const Vector3& q)
{
    Vector3 d = vector_difference_3(p, q);
    for (std::size_t k = 0; k < 3; ++k) {
        if (d[k] >= half[k]) {
            d[k] -= box[k];
        } else if (d[k] <= -half[k]) {
            d[k] += box[k];
        }
    }
    return d;
}

Vector3 wrap_into_box(const Vector3& box, const Vector3& p, const Vector3& dp)
{
    Vector3 r = vector_sum_3(p, dp);
    for (std::size_t k = 0; k < 3; ++k) {
        if (r[k] < 0.0f) {
            r[k] += box[k];
        } else if (r[k] >= box[k]) {
            r[k] -= box[k];
        }
    }
    return r;
}

float minimum_image_distance_squared(const Vector3& box, const Vector3& half, const Vector3& p, const Vector3& q)
{
    const Vector3 d = minimum_image_difference(box, half, p, q);
    return dot_product_3(d, d);
}

bool place_atom_in_box(const Vector3& box, const Vector3& half, const Vector3& a, const Vector3& b, const Vector3& c,
                       float r, float theta, float phi, Vector3& x)
{
    Vector3 offset{};
    if (!place_atom_internal(minimum_image_difference(box, half, a, b), minimum_image_difference(box, half, b, c), r,
                             theta, phi, offset)) {
        return false;
    }
    x = wrap_into_box(box, c, offset);
    return true;
}

float metropolis_accept(float x, const UniformDraw& draw)
{
    if (x <= 0.0f) return 1.0f;
    return draw(0.0f, 1.0f) < std::exp(-x) ? 1.0f : -1.0f;
}
