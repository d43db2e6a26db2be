#include "chemistry/ph_solvers.h"

#include <algorithm>
#include <cmath>

#include "chemistry/acid_base_constants.h"

namespace {

constexpr double Kw = water_ion_product;

struct GridPoint {
    float h;
    double f;
};

// The grids are single-precision powers of ten, as the callers' pH values
// are computed from them.
float coarse_h(int i)
{
    return std::pow(10.0f, -0.01f * static_cast<float>(i));
}
float fine_h(int m)
{
    return std::pow(10.0f, -0.0001f * static_cast<float>(m));
}

bool changes_sign(double a, double b)
{
    return a * b < 0.0;
}

template <class Balance>
GridPoint at(const Balance& balance, float h)
{
    return {h, balance(static_cast<double>(h))};
}

// The first coarse step from pH 0.01 whose end changes the balance's sign:
// k with its two ends, 0 where none does, -i where the balance is 0 at step
// i's start. Walked from step `from`, back while the sign has changed
// already, then on: for a balance that changes sign once, the step the whole
// scan (from 1) finds, where a root that a datum's move shifts by hundredths
// of a pH unit lies a step or two from the one before.
struct CoarseStep {
    int k;
    GridPoint left;
    GridPoint right;
};

template <class Balance>
CoarseStep first_coarse_step(const Balance& balance, int from)
{
    const GridPoint first = at(balance, coarse_h(1));
    if (first.f == 0.0) return {-1, first, first};
    int i = from;
    GridPoint current = i == 1 ? first : at(balance, coarse_h(i));
    while (i > 1 && (current.f == 0.0 || changes_sign(first.f, current.f))) current = at(balance, coarse_h(--i));
    for (GridPoint previous = current; i < 1400; previous = current) {
        current = at(balance, coarse_h(++i));
        if (current.f == 0.0) return {-i, current, current};
        if (changes_sign(previous.f, current.f)) return {i - 1, previous, current};
    }
    return {0, current, current};
}

// Root of the balance between pH 0.01 and 14.00: coarse steps of 0.01 pH,
// fine steps of 0.0001 pH inside the bracketing step, then a secant.
template <class Balance>
std::optional<float> find_root(const Balance& balance, std::optional<float> near)
{
    const int from = near && *near > 0.0f ? std::clamp(static_cast<int>(-100.0f * std::log10(*near)), 1, 1400) : 1;
    const CoarseStep step = first_coarse_step(balance, from);
    if (step.k < 0) return step.left.h;
    if (step.k == 0) return std::nullopt;
    GridPoint left = step.left;
    // When rounding moves the fine grid's last point past the change, the
    // root lies between that point and the next coarse one.
    GridPoint right = step.right;
    for (int j = 1; j <= 100; ++j) {
        const GridPoint current = at(balance, fine_h(100 * step.k + j));
        if (current.f == 0.0) return current.h;
        if (changes_sign(left.f, current.f)) {
            right = current;
            break;
        }
        left = current;
    }
    const double h = left.h - left.f * (static_cast<double>(right.h) - left.h) / (right.f - left.f);
    return static_cast<float>(h);
}

}  // namespace

std::optional<float> solve_ph_mixture(float ca, float cb, float ka, float kb, std::optional<float> near)
{
    const double acid = ca, base = cb, k_acid = ka, k_base = kb;
    return find_root(
        [&](double h) { return h - Kw / h + base / (1.0 + Kw / (k_base * h)) - acid / (1.0 + h / k_acid); }, near);
}

std::optional<float> solve_ph_solubility(std::int32_t n, float c, std::optional<float> near)
{
    const double dissolved = static_cast<double>(n) * c;
    return find_root([&](double h) { return std::pow(h, n - 1) * (h * h - Kw) - dissolved; }, near);
}

std::optional<float> solve_ph_solubility_quartic(float a, float b, std::optional<float> near)
{
    const double ksp = a, kb = b;
    const double linear = Kw * Kw - ksp * kb * kb;
    return find_root(
        [&](double h) {
            const double h2 = h * h;
            return h2 * h2 * h + kb * h2 * h2 - 2.0 * Kw * h2 * h - 2.0 * Kw * kb * h2 + linear * h + Kw * Kw * kb;
        },
        near);
}
