#include "handbook_physical.h"

#include <cmath>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "chapters/electrochemistry/electrochemistry_problems.h"
#include "chapters/equilibria/equilibria_problems.h"
#include "chapters/final_problems/stated_figures.h"
#include "chemistry/galvanic_cells.h"
#include "chemistry/phase_limits.h"
#include "chemistry/standard_potentials.h"
#include "handbook.h"
#include "numbers/electrochemical_constants.h"
#include "support/formula_reading.h"
#include "support/table_lookups.h"

namespace table_checks {

namespace {

// Electrical resistivity of the pure metals, 10^-8 ohm m, at 293 and 300 K
// (CRC Handbook, "Electrical resistivity of pure metals"): room temperature
// lies between; within 1 % besides.
const std::vector<Source> metal_resistivities = {
    {"Al", 2.65, 2.733},  {"Cr", 12.5, 12.7}, {"Cu", 1.678, 1.725}, {"Au", 2.214, 2.271}, {"Fe", 9.61, 9.98},
    {"Pb", 20.8, 21.3},   {"Mn", 144.0},      {"Mo", 5.34, 5.52},   {"Ni", 6.93, 7.20},   {"Pt", 10.5, 10.8},
    {"Ag", 1.587, 1.629}, {"W", 5.28, 5.44},  {"Zn", 5.90, 6.06},   {"V", 19.7, 20.2},
};

// L atm/(mol K): the constant the van der Waals tables were computed with.
constexpr double gas_constant = 0.082057;

// The heat capacity at 25 °C of the solids the thermochemical rows leave
// (CRC Handbook, "Standard thermodynamic properties"), J/(mol K); the
// others are the thermochemical handbook's.
struct SolidHeatCapacity {
    const char* formula;
    double at_25;
};
constexpr SolidHeatCapacity solid_heat_capacities[] = {{"I@d2@", 54.44}, {"NaCl", 50.50}};

double heat_capacity_at_25(const std::string& formula)
{
    for (const SolidHeatCapacity& s : solid_heat_capacities)
        if (formula == s.formula) return s.at_25;
    return thermochemical_heat_capacity(formula);
}

// Triple points (°C, torr) and critical points (°C, atm): NIST's fluid
// properties (normal hydrogen; water's by IAPWS), each named as the page
// names it.
struct PhasePointsSource {
    const char* name;
    double t3, p3, tc, pc;
};
constexpr PhasePointsSource triple_and_critical_points[] = {
    {"azoto", -210.00, 93.9, -146.96, 33.51},
    {"ammoniaca", -77.66, 45.4, 132.25, 111.8},
    {"acqua", 0.01, 4.588, 373.95, 217.75},
    {"argo", -189.34, 516.7, -122.46, 47.99},
    {"cripto", -157.37, 551.5, -63.67, 54.53},
    {"xeno", -111.75, 613.3, 16.58, 57.65},
    {"biossido di carbonio", -56.56, 3885.0, 30.98, 72.81},
    {"idrogeno", -259.19, 54.0, -239.96, 12.98},
};

// The ion of one side of a cell reaction ("2Ag@u+@" of "Sn + 2Ag@u+@"),
// without its coefficient, and the coefficient.
std::pair<std::string_view, std::int32_t> side_ion(std::string_view side)
{
    for (std::string_view rest = side;;) {
        const std::size_t plus = rest.find(" + ");
        std::string_view term = rest.substr(0, plus);
        if (term.find("@u") != std::string_view::npos) {
            const bool counted = term.front() >= '2' && term.front() <= '9';
            const std::int32_t count = counted ? term.front() - '0' : 1;
            if (counted) term.remove_prefix(1);
            return {term, count};
        }
        if (plus == std::string_view::npos) return {"", 0};
        rest.remove_prefix(plus + 3);
    }
}

const StandardPotential* couple_of(std::string_view ion)
{
    for (const StandardPotential& row : standard_potentials)
        if (row.ion == ion) return &row;
    return nullptr;
}

}  // namespace

// Each temperature within a degree, each pressure within 1 % (the spread of
// the older tables: ammonia's 111.3 atm, krypton's 548 torr).
std::string phase_points_fault(const states_of_matter::TriplePointRow& r)
{
    for (const PhasePointsSource& h : triple_and_critical_points) {
        if (r.triple_point.find(h.name) == std::string_view::npos) continue;
        std::string fault;
        const auto temperature = [&](const char* what, double row, double handbook) {
            if (std::abs(row - handbook) > 1.0)
                fault +=
                    std::string(h.name) + " " + what + " " + text_of(row) + " °C, handbook " + text_of(handbook) + "; ";
        };
        const auto pressure = [&](const char* what, double row, double handbook) {
            if (std::abs(row / handbook - 1.0) > 0.01)
                fault +=
                    std::string(h.name) + " " + what + " " + text_of(row) + ", handbook " + text_of(handbook) + "; ";
        };
        temperature("triple point", r.t3, h.t3);
        pressure("triple point", r.p3, h.p3);
        temperature("critical point", r.tc, h.tc);
        pressure("critical point", r.pc, h.pc);
        return fault;
    }
    return std::string(r.triple_point) + ": no handbook row";
}

Judgement phase_points_judgement()
{
    return by_law("the handbook's within a degree and 1 %", [](std::int32_t& judged) {
        std::vector<std::string> faults;
        for (const states_of_matter::TriplePointRow& r : states_of_matter::phase_diagram_substances)
            if (++judged; !phase_points_fault(r).empty()) faults.push_back(phase_points_fault(r));
        return faults;
    });
}

Judgement resistivities_judgement()
{
    return by_handbook([] {
        Rows rows;
        for (const electrochemistry::Resistivity& r : electrochemistry::resistivity_table)
            rows.emplace_back(r.symbol, r.resistivity);
        return Judged{{"resistivities", "10^-8 ohm m", 0.01, Spread::relative, metal_resistivities}, rows};
    });
}

// The tables compute a = 27 R² Tc² / (64 Pc) and b = R Tc / (8 Pc) from a
// gas's critical point; editions' critical points part by up to 2 %.
std::string van_der_waals_fault(const VanDerWaalsRecord& r)
{
    const std::string formula(r.compound->formula());
    const conditions::Substance* s = conditions::substance(formula);
    if (s == nullptr || s->critical_atm == 0.0) return formula + ": no critical point in the handbook";
    const double a = 27.0 * std::pow(gas_constant * s->critical, 2) / (64.0 * s->critical_atm);
    const double b = gas_constant * s->critical / (8.0 * s->critical_atm);
    std::string fault;
    if (std::abs(r.a / a - 1.0) > 0.025) fault += formula + " a " + text_of(r.a) + ", critical point's " + text_of(a);
    if (std::abs(r.b / b - 1.0) > 0.025) fault += formula + " b " + text_of(r.b) + ", critical point's " + text_of(b);
    return fault;
}

Judgement van_der_waals_judgement()
{
    return by_law("a and b from the handbook's critical point, within 2.5 %", [](std::int32_t& judged) {
        std::vector<std::string> faults;
        for (const VanDerWaalsRecord& r : states_of_matter::van_der_waals_constants)
            if (++judged; !van_der_waals_fault(r).empty()) faults.push_back(van_der_waals_fault(r));
        return faults;
    });
}

// The fit read at 25 °C within 2 % of the handbook's heat capacity (a
// misplaced digit of a, b or c moves it further), and the melting point
// within a degree of the handbook's.
std::string heat_capacity_fault(const thermo_kinetics::HeatCapacityRow& r)
{
    const std::string formula(r.compound.formula());
    const double t = 298.15;
    const double fit = r.a + r.b * 1e-3 * t + r.c * 1e5 / (t * t);
    const double handbook = heat_capacity_at_25(formula);
    std::string fault;
    if (!(std::abs(fit / handbook - 1.0) <= 0.02))
        fault += formula + " Cp(25 °C) " + text_of(fit) + ", handbook " + text_of(handbook);
    const conditions::Substance* s = conditions::substance(formula);
    if (s == nullptr || std::abs(r.melting_point + 273.15 - s->melting) > 1.0)
        fault += formula + " melting " + text_of(r.melting_point) + " °C, handbook " +
                 (s == nullptr ? "none" : text_of(s->melting - 273.15));
    return fault;
}

Judgement heat_capacities_judgement()
{
    return by_law("Cp at 25 °C within 2 % of the handbook's, melting point within 1 °C", [](std::int32_t& judged) {
        std::vector<std::string> faults;
        for (const thermo_kinetics::HeatCapacityRow& r : thermo_kinetics::heat_capacity_table)
            if (++judged; !heat_capacity_fault(r).empty()) faults.push_back(heat_capacity_fault(r));
        return faults;
    });
}

// ΔG° = -nFE°: each cell's free energy, from the tables of formation free
// energies, and its two couples' standard potentials, from the
// electrochemical series, agree within the spread between such tables
// (tin(II)'s -27.2 kJ/mol and -0.1375 V lie 0.67 kJ/mol apart); the ion on
// the left is reduced by two electrons, the one on the right formed.
std::string galvanic_cell_fault(const GalvanicCell& cell)
{
    const std::string reaction(cell.reaction);
    const std::size_t equals = reaction.find(" = ");
    const auto [reduced, count] = side_ion(std::string_view(reaction).substr(0, equals));
    const auto formed = side_ion(std::string_view(reaction).substr(equals + 3)).first;
    const StandardPotential* cathode = couple_of(reduced);
    const StandardPotential* anode = couple_of(formed);
    if (cathode == nullptr || anode == nullptr) return reaction + ": a couple the potentials lack";
    if (count * cathode->electrons != 2 || (cell.ion != reduced && cell.ion != formed))
        return reaction + ": not two electrons from its ions";
    const double potential = std::stod(std::string(cathode->potential)) - std::stod(std::string(anode->potential));
    const double free_energy = -2.0 * faraday * potential / 1000.0;
    if (std::abs(std::stod(std::string(cell.free_energy)) - free_energy) <= 1.0) return "";
    return reaction + ": ΔG° " + std::string(cell.free_energy) + " kJ/mol, -2FΔE° " + text_of(free_energy);
}

Judgement galvanic_cells_judgement()
{
    return by_law("ΔG° = -2FΔE° from the standard potentials, within 1 kJ/mol", [](std::int32_t& judged) {
        std::vector<std::string> faults;
        for (const GalvanicCell& cell : galvanic_cells)
            if (std::string f = galvanic_cell_fault(cell); ++judged, !f.empty()) faults.push_back(std::move(f));
        return faults;
    });
}

// Zinc's melting point is the phase table's; its heat of fusion the CRC
// Handbook's ("Enthalpy of fusion", 7.068 kJ/mol), within 1 %, the spread
// of the handbooks' figures.
Judgement zinc_fusion_judgement()
{
    return by_law(
        "the phase table's melting point; the handbook's heat of fusion within 1 %", [](std::int32_t& judged) {
            std::vector<std::string> faults;
            const equilibria::Fusion& zinc = equilibria::zinc_fusion;
            const auto melting = static_cast<float>(melting_point_kelvin(compounds::zinc));
            if (++judged; zinc.melting_kelvin != melting)
                faults.push_back("Zn melts at " + text_of(zinc.melting_kelvin) + " K, phase table " + text_of(melting));
            if (++judged; std::abs(zinc.heat_joules - 7068.0) > 0.01 * 7068.0)
                faults.push_back("Zn heat of fusion " + text_of(zinc.heat_joules) + " J/mol, handbook 7068");
            return faults;
        });
}

// The figures the final problems state, each against its handbook:
// concentrated hydrochloric acid's density at 37 % (CRC Handbook,
// "Concentrative properties of aqueous solutions": 1.1837 g/mL at 20 °C,
// within 0.5 %), HCl's formula mass (within 0.01 g/mol), graphite's
// entropy (CODATA Key Values, 1989: 5.740 J/(K mol), within 0.3) and the
// formation constant of Ag(CN)2- (Martell and Smith, Critical Stability
// Constants: log β2 = 20.48; Lange's Handbook: 21.1; within 0.1 in log10).
Judgement stated_figures_judgement()
{
    return by_law("the handbooks' figures", [](std::int32_t& judged) {
        const final_problems::StatedFigures& f = final_problems::stated_figures;
        const auto value = [](std::string_view text) { return testing_support::written_figure(text).value; };
        const double formation = std::log10(value(f.dicyanoargentate_formation));
        const std::pair<std::string_view, bool> checks[] = {
            {"HCl 37 % density", f.hydrochloric_percent == "37" &&
                                     std::abs(value(f.hydrochloric_density) - 1.1837) <= 0.005 * 1.1837 + 0.005},
            {"HCl molar mass",
             std::abs(value(f.hydrochloric_molar_mass) - testing_support::formula_mass("HCl")) <= 0.01},
            {"graphite entropy", std::abs(value(f.graphite_entropy) - 5.740) <= 0.3},
            {"Ag(CN)2- formation", formation >= 20.48 - 0.1 && formation <= 21.1 + 0.1},
        };
        std::vector<std::string> faults;
        for (const auto& [name, holds] : checks)
            if (++judged; !holds) faults.emplace_back(name);
        return faults;
    });
}

}  // namespace table_checks
