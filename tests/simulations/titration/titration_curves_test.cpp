// Titration curves against an independent charge balance (bisection in
// double on log h, strong reagents fully dissociated), and the textbook
// points: pH 7 at the equivalence of strong with strong, the hydrolysis pH
// at that of a weak one, and pH = pKa half way there.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "simulations/titration/titration_chemistry.h"
#include "simulations/titration/titration_state.h"
#include "titration_fixture.h"

namespace titration_test {
namespace {

constexpr double Kw = 1e-14;

struct Curve {
    const char* name;
    Titration set_up;
    double pk;  // pKa of a weak acid, pKb of a weak base; 0 for strong
};

const Curve curves[] = {
    {"HCl with NaOH", {.analyte = 1, .analyte_volume = 100, .analyte_concentration = 0.03f}, 0.0},
    {"H2SO4 with NaOH", {.analyte = 2, .analyte_volume = 100, .analyte_concentration = 0.015f}, 0.0},
    {"CH3COOH with NaOH", {.analyte = 3, .analyte_volume = 100, .analyte_concentration = 0.03f}, -std::log10(1.75e-5)},
    {"NH4Cl with NaOH", {.analyte = 4, .analyte_volume = 100, .analyte_concentration = 0.03f}, -std::log10(5.6e-10)},
    {"NaOH with HCl",
     {.analyte = 6, .analyte_volume = 120, .analyte_concentration = 0.025f, .titrant_concentration = 0.12f},
     0.0},
    {"Ba(OH)2 with HCl",
     {.analyte = 7, .analyte_volume = 120, .analyte_concentration = 0.0125f, .titrant_concentration = 0.12f},
     0.0},
    {"NH3 with HCl",
     {.analyte = 8, .analyte_volume = 120, .analyte_concentration = 0.025f, .titrant_concentration = 0.12f},
     -std::log10(1.79e-5)},
};

// Equivalents of the analyte over the titrant's concentration.
double equivalence_volume(const Curve& c)
{
    const Titration& s = c.set_up;
    return analyte_rows[s.analyte - 1].factor * static_cast<double>(s.analyte_concentration) * s.analyte_volume /
           s.titrant_concentration;
}

// -log10 h of the flask after `added` mL, from h + [cations] = Kw/h + [anions].
double independent_ph(const Curve& c, double added)
{
    const Titration& s = c.set_up;
    const double total = s.analyte_volume + added;
    const double analyte =
        analyte_rows[s.analyte - 1].factor * static_cast<double>(s.analyte_concentration) * s.analyte_volume / total;
    const double titrant = s.titrant_concentration * added / total;
    const bool acid = analyte_is_acid(s.analyte);
    const double k = c.pk > 0.0 ? std::pow(10.0, -c.pk) : 0.0;
    const auto balance = [&](double h) {
        if (acid) {
            const double dissociated = k > 0.0 ? analyte * k / (k + h) : analyte;
            return h + titrant - Kw / h - dissociated;
        }
        const double protonated = k > 0.0 ? analyte * k * h / (k * h + Kw) : analyte;
        return h + protonated - Kw / h - titrant;
    };
    double low = -16.0, high = 2.0;  // log10 h; the balance grows with h
    for (int i = 0; i < 200; ++i) {
        const double mid = 0.5 * (low + high);
        (balance(std::pow(10.0, mid)) > 0.0 ? high : low) = mid;
    }
    return -0.5 * (low + high);
}

double shown_ph(const Curve& c, double added)
{
    set_up_titration(c.set_up);
    titration_state.added_volume = static_cast<float>(added);
    return compute_titration_ph();
}

TEST(TitrationCurves, FollowTheChargeBalanceAlongTheBurette)
{
    for (const Curve& c : curves) {
        SCOPED_TRACE(c.name);
        const double equivalence = equivalence_volume(c);
        for (int step = 0; step <= 102; ++step) {
            const double added = 0.5 * step;
            // Within a mL of equivalence a float's last digit moves the pH.
            if (std::abs(added - equivalence) < 1.0) continue;
            EXPECT_NEAR(shown_ph(c, added), independent_ph(c, added), 0.01) << added << " mL";
        }
    }
}

TEST(TitrationCurves, EquivalenceAndHalfEquivalence)
{
    for (const Curve& c : curves) {
        SCOPED_TRACE(c.name);
        const Titration& s = c.set_up;
        const double equivalence = equivalence_volume(c);
        const double at_equivalence = shown_ph(c, equivalence);
        EXPECT_NEAR(at_equivalence, independent_ph(c, equivalence), 0.01);
        const bool acid = analyte_is_acid(s.analyte);
        if (c.pk == 0.0) {
            EXPECT_NEAR(at_equivalence, 7.0, 0.01);
            continue;
        }
        // The conjugate's hydrolysis: pH = 7 + (pKa + log C) / 2 for an acid,
        // 7 - (pKb + log C) / 2 for a base, C the salt's concentration.
        const double salt =
            static_cast<double>(s.analyte_concentration) * s.analyte_volume / (s.analyte_volume + equivalence);
        const double hydrolysis = 7.0 + (acid ? 0.5 : -0.5) * (c.pk + std::log10(salt));
        EXPECT_NEAR(at_equivalence, hydrolysis, 0.02);
        EXPECT_NEAR(shown_ph(c, equivalence / 2.0), acid ? c.pk : 14.0 - c.pk, 0.01);
    }
}

}  // namespace
}  // namespace titration_test
