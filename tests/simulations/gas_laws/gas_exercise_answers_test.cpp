// The exercises' answers against the ideal gas law worked out apart in
// double precision, and their random choices swept over many seeds.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "chemistry/molar_mass.h"
#include "chemistry/table_fields.h"
#include "numbers/random_stream.h"
#include "simulations/gas_laws/gas_exercise_answers.h"
#include "simulations/gas_laws/gas_exercise_course.h"
#include "simulations/gas_laws/gas_exercise_draws.h"

namespace {

constexpr double r_torr = 62.32;  // litre torr / (mol K), as the program states it
constexpr double r_atm = 0.082;

double kelvin(double celsius)
{
    return celsius + 273.15;
}

TEST(GasExerciseAnswers, FinalTemperatureKeepsPOverTAtConstantVolumeAndAmount)
{
    struct Case {
        float v, t, p, pf;
    };
    for (const Case c :
         {Case{10, 25, 760, 900}, Case{2, 10, 200, 290}, Case{7.5f, 95, 1250, 950}, Case{2.5f, 40, 500, 260}}) {
        const double want = kelvin(c.t) * c.pf / c.p - 273.15;
        EXPECT_NEAR(final_temperature(c.v, c.t, c.p, c.pf), want, 2e-3) << c.p << " -> " << c.pf;
    }
    // Shown in whole degrees.
    EXPECT_EQ(slot_text(1, 123.7f, -1, 1.0f), "124");
    EXPECT_EQ(slot_text(1, 5.2f, -1, 1.0f), "5");
}

TEST(GasExerciseAnswers, MassAddedOrTakenOutIsMTimesVDeltaPOverRT)
{
    // Molar masses from the standard atomic masses, apart from the tables.
    struct Case {
        std::int32_t record;
        const char* formula;
        double molar_mass;
        float v, t, p, pf;
    };
    const Case cases[] = {
        {8, "H@d2@", 2.016, 10, 25, 760, 1400}, {2, "O@d2@", 31.998, 2, 60, 1200, 300},
        {1, "N@d2@", 28.014, 5, 30, 500, 1100}, {304, "C@d2@H@d6@", 30.069, 7.5f, 80, 1000, 150},
        {457, "He", 4.0026, 3, 45, 440, 900},   {458, "Ne", 20.180, 9, 90, 1290, 700},
        {459, "Ar", 39.948, 4, 15, 300, 1450},  {303, "CH@d4@", 16.043, 6, 20, 800, 1300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.formula);
        EXPECT_EQ(compound_formula(c.record), c.formula);
        float uncertainty = 0.0f;
        const float m = compute_molar_mass(compound_composition(c.record), uncertainty);
        EXPECT_NEAR(m, c.molar_mass, 2e-3 * c.molar_mass);
        const double moles = c.v * std::fabs(c.pf - c.p) / (r_torr * kelvin(c.t));
        EXPECT_NEAR(amount_change(c.v, c.t, c.p, c.pf), moles, 1e-5 * moles);
        EXPECT_NEAR(amount_change(c.v, c.t, c.p, c.pf) * m, moles * c.molar_mass, 2e-3 * moles * c.molar_mass);
    }
}

TEST(GasExerciseAnswers, PartialPressureOfTheFirstGasFromItsShareOfTheMixture)
{
    struct Case {
        double m1, m2;  // molar masses
        float v, t, p, pf, fraction;
        bool first_in_flask;
    };
    const Case cases[] = {
        {2.016, 28.014, 10, 25, 760, 1400, 0.5f, true},   {28.014, 2.016, 2, 60, 1200, 1500, 0.1f, false},
        {16.043, 20.180, 5, 30, 500, 1000, 0.9f, true},   {20.180, 16.043, 7.5f, 90, 300, 1300, 0.1f, false},
        {39.948, 20.180, 3, 10, 1300, 1600, 0.35f, true},
    };
    for (const Case& c : cases) {
        const double tk = kelvin(c.t);
        const double added = c.v * (c.pf - c.p) / (r_torr * tk);
        // Mass fractions x and 1 - x: n = m (x / M1 + (1 - x) / M2).
        const double mass = added / (c.fraction / c.m1 + (1 - c.fraction) / c.m2);
        const double first_moles = c.fraction * mass / c.m1;
        const double partial = first_moles * r_atm * tk / c.v + (c.first_in_flask ? c.p / 760.0 : 0.0);
        SCOPED_TRACE(partial);

        const float m = mixture_mass(amount_change(c.v, c.t, c.p, c.pf), static_cast<float>(c.m1),
                                     static_cast<float>(c.m2), c.fraction);
        EXPECT_NEAR(m, mass, 1e-5 * mass);
        const MixtureAnswer a = mixture_partial_pressure(c.v, c.t, c.p, c.pf, m, static_cast<float>(c.m1),
                                                         static_cast<float>(c.m2), c.first_in_flask);
        EXPECT_NEAR(a.added_moles, added, 1e-5 * added);
        EXPECT_NEAR(a.first_gas_moles, first_moles, 1e-4 * first_moles);
        EXPECT_NEAR(a.partial_pressure, partial, 1e-4 * partial);
    }
}

// Every state the simulation draws, and every exercise on it, keeps to
// the ranges that make the answers meaningful, and the retry loops end.
TEST(GasExerciseDraws, StatesAndChoicesStayInTheirRanges)
{
    std::set<float> volumes;
    for (std::int32_t seed = 1; seed <= 3000; ++seed) {
        set_random_seed(seed);
        GasState gas;
        draw_gas_state(gas);
        const float v = gas.volume, t = gas.temperature, p = gas.pressure;
        SCOPED_TRACE("seed " + std::to_string(seed) + " V " + std::to_string(v) + " T " + std::to_string(t) + " P " +
                     std::to_string(p));
        volumes.insert(v);
        ASSERT_TRUE(p >= 200 && p <= 1300);
        ASSERT_TRUE(t >= (p > 1100 ? 50 : 10) && t <= (p < 440 ? 50 : 95));

        const TemperatureChoice temperature = draw_temperature_choice(gas);
        const float pf = temperature.final_pressure;
        const float tf = final_temperature(v, t, p, pf);
        if (p > 1100) {
            ASSERT_EQ(temperature.direction, PressureChange::lowered);
        }
        if (p < 440) {
            ASSERT_EQ(temperature.direction, PressureChange::raised);
        }
        if (temperature.direction == PressureChange::raised) {
            ASSERT_TRUE(pf >= p + 60 && pf <= p + 200 && tf <= 200 && (pf >= p + 150 || tf >= 100));
        } else {
            ASSERT_TRUE(pf >= p - 300 && pf <= p - 100 && tf >= -100);
        }

        const AmountChoice amount = draw_amount_choice(gas);
        if (p > 1100) {
            ASSERT_EQ(amount.direction, PressureChange::lowered);
        }
        if (p < 440) {
            ASSERT_EQ(amount.direction, PressureChange::raised);
        }
        if (amount.direction == PressureChange::raised) {
            ASSERT_TRUE(amount.final_pressure >= p + 300 && amount.final_pressure <= 1500);
        } else {
            ASSERT_TRUE(amount.final_pressure >= 100 && amount.final_pressure <= p - 300);
        }

        const MixtureChoice mixture = draw_mixture_choice(gas);
        ASSERT_NE(mixture.first_record, mixture.second_record);
        ASSERT_GE(mixture.final_pressure, std::min(p + 300, 1500.0f));
        ASSERT_GE(mixture.first_fraction, 0.1f);
        ASSERT_LE(mixture.first_fraction, 0.9f);
    }
    EXPECT_EQ(volumes, (std::set<float>{2, 2.5f, 3, 4, 5, 6, 7, 7.5f, 8, 9, 10}));
}

}  // namespace
