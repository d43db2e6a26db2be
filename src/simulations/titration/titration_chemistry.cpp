#include "simulations/titration/titration_chemistry.h"

#include <algorithm>
#include <cmath>

#include "chemistry/ph_solvers.h"
#include "numbers/random_stream.h"
#include "numbers/value_kit.h"
#include "platform/graphics.h"
#include "simulations/titration/titration_state.h"

TitrationState titration_state;

namespace {

// Ka or Kb of a generic weak acid or base: 1 to 9.9 times 10^-4 .. 10^-8,
// the exponent drawn first.
float draw_generic_constant()
{
    const std::int32_t e = random_int(4, 8);
    const float mantissa = random_real(1.0f, 9.9f);
    return static_cast<float>(static_cast<double>(mantissa) * power_of_ten(-e));
}

// Row n's nominal 0.05 + 0.01 n mol/L, its 0.01 n part off by up to 1 %.
float titrant_with_deviation(std::int32_t n)
{
    const double u = random_real(-0.01f, 0.01f);
    return static_cast<float>(static_cast<double>(0.05f) + static_cast<double>(0.01f) * n * (1.0 + u));
}

}  // namespace

void start_titration_state()
{
    TitrationState& s = titration_state;
    if (s.initialised != 0) return;
    s.panel_colour = 0xFFEEEE;
    for (std::int32_t k = 1; k <= analyte_count; ++k) s.dissociation_constants[k - 1] = analyte_constant(k);
    s.analyte_choice = 1;
    s.indicator_choice = 3;
    s.analyte_volume = static_cast<float>(10 * random_int(9, 15));
    s.titrant_choice = random_int(1, 9);
    s.titrant_concentration = titrant_with_deviation(s.titrant_choice);
    s.first_equivalence_volume = random_real(20.0f, 30.0f);
    s.analyte_concentration = static_cast<float>(static_cast<double>(s.first_equivalence_volume) / s.analyte_volume *
                                                 s.titrant_concentration);
    s.initialised = 1;
    s.drawing_scale = 0.45f;
    s.added_volume = 0.0f;
}

void draw_titration_analyte(std::int32_t k)
{
    TitrationState& s = titration_state;
    s.analyte_choice = k;
    s.analyte_volume = static_cast<float>(10 * random_int(9, 15));
    float a = static_cast<float>(1.5 / static_cast<double>(s.analyte_volume));
    if (analyte_rows[k - 1].factor == 2) a = static_cast<float>(a / 2.0);
    s.analyte_concentration = random_real(a, static_cast<float>(3.5 * a));
    s.dissociation_constants[generic_acid - 1] = draw_generic_constant();
    s.dissociation_constants[generic_base - 1] = draw_generic_constant();
}

void draw_titrant_concentration(std::int32_t s)
{
    titration_state.titrant_choice = s;
    titration_state.titrant_concentration = titrant_with_deviation(s);
}

float compute_titration_ph()
{
    const TitrationState& s = titration_state;
    const std::int32_t k = s.analyte_choice;
    const float total = s.analyte_volume + s.added_volume;
    float ca = static_cast<float>(static_cast<double>(s.analyte_concentration) * s.analyte_volume / total);
    if (analyte_rows[k - 1].factor == 2) ca = 2.0f * ca;
    const float cb = static_cast<float>(static_cast<double>(s.titrant_concentration) * s.added_volume / total);
    const float constant = s.dissociation_constants[k - 1];
    const bool acid = analyte_is_acid(k);
    // The analyte is the acid (or the base) of the balance, the titrant its strong partner.
    const float acid_c = acid ? ca : cb, base_c = acid ? cb : ca;
    const auto h = acid ? solve_ph_mixture(ca, cb, constant, strong_constant)
                        : solve_ph_mixture(cb, ca, strong_constant, constant);
    if (!h || !(*h > 0.0f)) return acid_c > base_c ? 0.0f : 14.0f;
    // 1/2.303 in place of 1/ln 10: the pH has always been shown so.
    return static_cast<float>(-0.43421623f * std::log(static_cast<double>(*h)));
}

std::int32_t indicator_colour(float p)
{
    const IndicatorRow& row = indicator_rows[titration_state.indicator_choice - 1];
    const double t = std::pow(10.0, static_cast<double>(row.pk) - p);
    std::array<std::int32_t, 3> rgb = row.acid_rgb;
    if (std::isfinite(t)) {
        for (std::size_t i = 0; i < 3; ++i)
            rgb[i] = static_cast<std::int32_t>((row.acid_rgb[i] * t + row.base_rgb[i]) / (1.0 + t));
    }
    return qw_rgb(rgb[0], rgb[1], rgb[2]);
}

float drawn_ph(float p)
{
    if (!(p > 0.0f)) return 0.0f;
    return std::min(p, 14.0f);
}

bool add_burette_step(float step)
{
    titration_state.added_volume += step;
    if (!burette_is_empty()) return true;
    titration_state.added_volume = burette_capacity;
    return false;
}

bool burette_is_empty()
{
    return titration_state.added_volume > burette_empty_limit;
}
