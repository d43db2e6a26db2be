// The problem blocks of chapter 4, what they keep between calls and the
// gas, unit and redraw helpers its sections share.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "chemistry/compound_records.h"
#include "frame/app_state.h"

// Van der Waals constants of one gas of the real-gas problems.
struct VanDerWaalsRecord {
    float a = 0.0f;                       // atm L²/mol²
    float b = 0.0f;                       // L/mol
    std::optional<CompoundKey> compound;  // the gas; none until the table is filled
};
static_assert(!std::is_convertible_v<int, decltype(VanDerWaalsRecord::compound)>);
using VanDerWaalsTable = std::array<VanDerWaalsRecord, 10>;

// A part of a phase diagram: temperatures t_lo to t_hi, pressures p_lo to p_hi.
struct DiagramView {
    float t_lo = 200.0f, t_hi = 500.0f, p_lo = 0.0f, p_hi = 1.0f;
    bool operator==(const DiagramView&) const = default;
};

// A region's letter on the phase figure and where it is written (its text's
// top left).
struct RegionLabel {
    std::string text;
    std::int32_t x, y;
};

// The letters placed while a figure's view was framed, and the view, marks
// and number of marks they were placed for: the figure draws them without
// placing them again (no marks: none placed).
struct FramedLabels {
    DiagramView view;
    std::array<float, 2> shown_t{}, shown_p{};
    std::int32_t marks = -1;
    std::vector<RegionLabel> labels;
};

// The made-up substance of the phase-diagram problems: a sublimation and a
// vaporisation curve through the triple point and a straight fusion line.
// Its points are drawn within pressures 0 to 1 and temperatures 200 to 500,
// the range the figure shows unless it takes a closer look.
struct PhaseDiagram {
    float p3 = 0.0f;  // triple point
    float t3 = 0.0f;
    float bs = 0.0f;  // ps(T) = as exp(-bs / T)
    float bv = 0.0f;  // pv(T) = av exp(-bv / T)
    float as = 0.0f;
    float av = 0.0f;
    float tf = 0.0f;  // the fusion line reaches a pressure of 1 at tf
    // The marked points: [0] red, [1] blue (problems 38 and 39 only).
    std::array<float, 2> marked_t{}, marked_p{};
    // What the figure shows of the diagram, and where it draws the marks.
    DiagramView view;
    std::array<float, 2> shown_t{}, shown_p{};
    FramedLabels framed;

    float sublimation_pressure(float t) const;
    float vaporisation_pressure(float t) const;
    float sublimation_temperature(float p) const;
    float boiling_temperature(float p) const;
    float melting_temperature(float p) const;
    float melting_pressure(float t) const;
};

// What the chapter keeps from one call to the next.
struct StatesOfMatterState {
    // Per problem, the gas, record, metal or variant of its previous visit,
    // which "Nessuna Versione" never repeats; [0] unused.
    std::array<std::int32_t, 42> last_draw{};
    VanDerWaalsTable van_der_waals{};
    PhaseDiagram diagram;
};
extern StatesOfMatterState states_of_matter_state;

namespace states_of_matter {

// The chapter's files all read and write its block under this one name.
inline StatesOfMatterState& state = states_of_matter_state;

// --- Draws --------------------------------------------------------------

inline bool no_version_in_use()
{
    return app_state.version_number == no_version;
}

// random_real (1.0, top) · 10^k, the exponent k drawn first in [lo, hi].
float draw_magnitude(float top, std::int32_t lo, std::int32_t hi);

// Two different positions from 1 to count, drawn together again until they
// differ (and `allowed` accepts them, when given); under "Nessuna Versione"
// the first never repeats the problem's previous visit. The first is kept
// for the next visit.
struct TwoPositions {
    std::int32_t first;
    std::int32_t second;
};
TwoPositions draw_two_positions(std::int32_t problem, std::int32_t count,
                                const std::function<bool(std::int32_t, std::int32_t)>& allowed = {});

// --- Gases and units ----------------------------------------------------

// The gas lists: compound records.
inline constexpr auto gas_list_1 = [] {
    using namespace compounds;
    return std::array<CompoundKey, 17>{{helium, neon, argon, nitrogen, oxygen, fluorine, chlorine, ammonia,
                                        carbon_monoxide, carbon_dioxide, nitric_oxide, sulfur_dioxide,
                                        hydrogen_fluoride, hydrogen_chloride, hydrogen_sulfide, methane, ethane}};
}();
inline constexpr auto gas_list_2 = [] {
    using namespace compounds;
    return std::array<CompoundKey, 17>{{helium, neon, argon, nitrogen, oxygen, fluorine, chlorine, ammonia,
                                        carbon_monoxide, carbon_dioxide, nitric_oxide, sulfur_dioxide,
                                        phosphorus_trifluoride, hydrogen_chloride, hydrogen_sulfide, methane, ethane}};
}();
inline constexpr auto gas_list_3 = [] {
    using namespace compounds;
    return std::array<CompoundKey, 19>{{helium, neon, argon, nitrogen, oxygen, fluorine, chlorine, ammonia,
                                        carbon_monoxide, carbon_dioxide, nitric_oxide, sulfur_dioxide,
                                        phosphorus_trifluoride, hydrogen_chloride, hydrogen_sulfide, methane, ethane,
                                        xenon, krypton}};
}();
inline constexpr auto gas_list_4 = [] {
    using namespace compounds;
    return std::array<CompoundKey, 13>{{helium, neon, argon, nitrogen, oxygen, ammonia, carbon_monoxide, carbon_dioxide,
                                        nitric_oxide, sulfur_dioxide, methane, ethane, xenon}};
}();
static_assert(!std::is_convertible_v<int, decltype(gas_list_1)::value_type>);

// The pressure a page's gas is taken as ideal up to: at 25 °C helium's
// compressibility is 1 + BP/RT = 1.05 there, and more past it (B = 12
// cm3/mol: CRC Handbook, "Virial coefficients of selected gases").
inline constexpr double ideal_gas_reach_atm = 100.0;

std::int32_t list_gas(std::span<const CompoundKey> list, std::int32_t i);

// The first `width` columns of the compound's name, without trailing blanks.
std::string gas_name(std::int32_t c, int width = 30);
// "d" + this gives the name with its articulated preposition.
std::string articulated_gas_name(std::int32_t c);

// Pressure unit 1 "atm", 2 "torr", 3 "kPa".
std::string_view pressure_unit(std::int32_t u);
// The factor from the unit into atmospheres and back.
float to_atmospheres(std::int32_t u);
float from_atmospheres(std::int32_t u);

// --- Each block's statement (generate) --------------------------------

void generate_problem_1();
void generate_problem_2();
void generate_problem_3();
void generate_problem_4();
void generate_problem_5();
void generate_problem_6();
void generate_problem_7();
void generate_problem_8();
void generate_problem_9();
void generate_problem_10();
void generate_problem_11();
void generate_problem_12();
void generate_problem_13();
void generate_problem_14();
void generate_problem_15();
void generate_problem_16();
void generate_problem_17();
void generate_problem_18();
void generate_problem_19();
void generate_problem_20();
void generate_problem_21();
void generate_problem_22();
void generate_problem_23();
void generate_problem_24();
void generate_problem_25();
void generate_problem_26();
void generate_problem_27();
void generate_problem_28();
void generate_problem_29();
void generate_problem_30();
void generate_problem_31();
void generate_problem_32();
void generate_problem_33();
void generate_problem_34();
void generate_problem_35();
void generate_problem_36();
void generate_problem_37();
void generate_problem_38();
void generate_problem_39();
void generate_problem_40();
void generate_problem_41();

// The molar volume (L) of a van der Waals gas at the temperature (K) and
// pressure (atm), by fixed-point iteration from `start` until two steps
// differ by 0.0001 L at most. Every case the problems pose settles within
// a few hundred steps; a bound of 10000 keeps a page from hanging all the
// same, with the last step's volume.
float van_der_waals_molar_volume(float a, float b, float temperature, float pressure, float start);

// Writes the ten records of the real-gas problems.
void fill_van_der_waals_table(VanDerWaalsTable& table);

extern const VanDerWaalsTable van_der_waals_constants;

// Problem 40's substances: the text after "Il punto triplo del", the text
// after ", mentre il punto critico si trova a", and the triple point (°C,
// torr) and critical point (°C, atm) the questions are drawn from.
// Ammonia's critical pressure is 111.3 atm, nitrogen's 33.5 atm, argon's
// 48.0 atm; water's triple point lies at 4.58 torr.
struct TriplePointRow {
    std::string_view triple_point;
    std::string_view critical_point;
    float t3, p3, tc, pc;
};
extern const std::array<TriplePointRow, 8> phase_diagram_substances;

}  // namespace states_of_matter
