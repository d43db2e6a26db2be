#include "chemistry/ph_solvers.h"

#include <cmath>

namespace {

constexpr double Kw = 1e-14;

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

// Root of the balance between pH 0.01 and 14.00: coarse steps of 0.01 pH,
// fine steps of 0.0001 pH inside the bracketing step, then a secant.
template <class Balance>
std::optional<float> find_root(const Balance& balance)
{
    GridPoint previous = at(balance, coarse_h(1));
    if (previous.f == 0.0) return previous.h;
    int k = 0;
    GridPoint coarse_next{};
    for (int i = 2; i <= 1400 && k == 0; ++i) {
        const GridPoint current = at(balance, coarse_h(i));
        if (current.f == 0.0) return current.h;
        if (changes_sign(previous.f, current.f)) {
            k = i - 1;
            coarse_next = current;
        } else {
            previous = current;
        }
    }
    if (k == 0) return std::nullopt;

    GridPoint left = previous;
    // When rounding moves the fine grid's last point past the change, the
    // root lies between that point and the next coarse one.
    GridPoint right = coarse_next;
    for (int j = 1; j <= 100; ++j) {
        const GridPoint current = at(balance, fine_h(100 * k + j));
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

std::optional<float> solve_ph_mixture(float ca, float cb, float ka, float kb)
{
    const double acid = ca, base = cb, k_acid = ka, k_base = kb;
    return find_root(
        [&](double h) { return h - Kw / h + base / (1.0 + Kw / (k_base * h)) - acid / (1.0 + h / k_acid); });
}

std::optional<float> solve_ph_solubility(std::int32_t n, float c)
{
    const double dissolved = static_cast<double>(n) * c;
    return find_root([&](double h) { return std::pow(h, n - 1) * (h * h - Kw) - dissolved; });
}

std::optional<float> solve_ph_solubility_quartic(float a, float b)
{
    const double ksp = a, kb = b;
    const double linear = Kw * Kw - ksp * kb * kb;
    return find_root([&](double h) {
        const double h2 = h * h;
        return h2 * h2 * h + kb * h2 * h2 - 2.0 * Kw * h2 * h - 2.0 * Kw * kb * h2 + linear * h + Kw * Kw * kb;
    });
}
