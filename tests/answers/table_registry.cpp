// The registry of the program's data tables beyond the chemistry layer's
// (those sit with their handbook in the table checks), and the tests that
// hold it complete.
#include "table_registry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "chapters/final_problems/final_problems_problems.h"
#include "chapters/thermo_kinetics/thermo_kinetics_problems.h"
#include "chemistry/acid_base_constants.h"
#include "chemistry/molar_mass.h"
#include "chemistry/nitrogen_dioxide_dimer.h"
#include "chemistry/table_fields.h"
#include "handbook.h"
#include "handbook_boiling.h"
#include "handbook_combustion.h"
#include "handbook_crystals.h"
#include "handbook_isotopes.h"
#include "handbook_kinetics.h"
#include "handbook_physical.h"
#include "handbook_solution_densities.h"
#include "handbook_water.h"
#include "numbers/thermal_constants.h"
#include "simulations/titration/titration_state.h"
#include "support/formula_reading.h"
#include "support/table_lookups.h"

namespace table_checks {

Judgement by_handbook(std::function<Judged()> judged)
{
    return {Judgement::Kind::handbook, "handbook", std::move(judged)};
}

Judgement by_law(const char* law, LawCheck check)
{
    return {Judgement::Kind::law, law, {}, std::move(check)};
}

Judgement on_pages(const char* rule)
{
    return {Judgement::Kind::pages, rule};
}

Judgement exact(const char* why)
{
    return {Judgement::Kind::exact, why};
}

Judgement unjudged(const char* why)
{
    return {Judgement::Kind::unjudged, why};
}

std::vector<RegisteredTable> chemistry_tables();

namespace {

const Judgement unit_definition = exact("units' definitions in SI units");
const Judgement drawn_ranges = exact("the ranges and steps data are drawn in, no measurement");
const Judgement rule_e = on_pages("the conditions table's rule e, against the tests' handbook, on every page that "
                                  "prints it");
const Judgement layout = exact("drawing geometry, no measurement");

Judgement by_column(Column (*column)(), Rows (*rows)())
{
    return by_handbook([=] { return Judged{column(), rows()}; });
}

// The acid and base constants against the tests' handbook, within 0.05 in
// log10 (the handbooks' spread) past their sources.
Judgement acid_base_judgement()
{
    return by_handbook([] {
        Column column{"acid and base constants", "25 °C", 0.05, Spread::decades, {}};
        Rows rows;
        for (const AcidBaseConstant& c : acid_base_constants) {
            const std::string key = std::string(c.species) + " " + std::to_string(c.step);
            const std::string species(c.species);
            const conditions::Constant* found = conditions::constant("a", species, c.step);
            if (found == nullptr) found = conditions::constant("b", species, c.step);
            if (found != nullptr) column.rows.push_back({key, found->value, found->other});
            rows.emplace_back(key, c.value);
        }
        return Judged{column, rows};
    });
}

// A molar mass written out against the formula's, summed from the element
// table.
std::string formula_mass_fault(std::string_view formula, double written)
{
    const double mass = testing_support::formula_mass(formula);
    if (std::abs(mass - written) <= 0.01) return "";
    return std::string(formula) + ": " + text_of(written) + " g/mol, formula mass " + text_of(mass);
}

// A liquid's formula as its name gives it ("pentano (C@d5@H@d12@)"), else
// its compound's.
std::string liquid_formula(const final_problems::Liquid& l)
{
    const std::size_t open = l.name.find('(');
    if (open == std::string_view::npos) return compound_formula(l.compound);
    return std::string(l.name.substr(open + 1, l.name.rfind(')') - open - 1));
}

// Problem 5's enthalpies of combustion against the handbook's.
Judgement combustion_fuels_judgement()
{
    return by_handbook([] {
        Rows rows;
        for (const final_problems::CombustionFuel& f : final_problems::combustion_fuels)
            rows.emplace_back(compound_formula(f.compound), f.combustion_enthalpy);
        return Judged{conditions::combustion_enthalpies(), rows};
    });
}

// Problem 20's enthalpies of formation by Hess's law from the handbook's
// heats of combustion, ΔfH = c ΔfH(CO2) + h/2 ΔfH(H2O, l) - ΔcH, c and h
// read from the formula, within the heats' 0.5 kJ/mol. The fuels the
// thermochemical rows hold are judged with those rows.
Judgement fuel_formation_judgement()
{
    return by_handbook([] {
        const Column burnt = conditions::combustion_enthalpies();
        const double carbon_dioxide = conditions::thermochemical("CO@d2@")->enthalpy;
        const double water = conditions::thermochemical("H@d2@O(l)")->enthalpy;
        Judged judged{{"Hess's law", "enthalpy of formation", 0.5, Spread::absolute, {}}, {}};
        for (const final_problems::Fuel& f : final_problems::fuels) {
            const std::string formula = compound_formula(f.compound);
            if (f.formation_enthalpy.empty()) continue;
            judged.rows.emplace_back(formula, std::string(f.formation_enthalpy));
            const auto heat = std::ranges::find(burnt.rows, formula, &Source::key);
            if (heat == burnt.rows.end()) continue;
            const testing_support::ReadFormula atoms = testing_support::read_formula(formula);
            judged.column.rows.push_back(
                {formula, atoms.atoms.at("C") * carbon_dioxide + atoms.atoms.at("H") / 2.0 * water - heat->value});
        }
        return judged;
    });
}

// Problem 20's moles of CO2 and of water a mole of fuel forms, held to its
// formula.
std::vector<std::string> fuel_product_faults(std::int32_t& judged)
{
    std::vector<std::string> faults;
    for (const final_problems::Fuel& f : final_problems::fuels) {
        const std::string formula = compound_formula(f.compound);
        const testing_support::ReadFormula atoms = testing_support::read_formula(formula);
        ++judged;
        if (atoms.atoms.at("C") != f.carbon_dioxide || atoms.atoms.at("H") != 2 * f.water)
            faults.push_back(formula + ": " + std::to_string(f.carbon_dioxide) + " CO2, " + std::to_string(f.water) +
                             " H2O");
    }
    return faults;
}

// Problem 10's energies of combustion, ΔU, carried to ΔH = ΔU + Δn RT at
// 25 °C and held to the handbook's enthalpies of combustion.
Judgement combustion_records_judgement()
{
    return by_law("ΔU + Δn RT within the handbook's enthalpy of combustion", [](std::int32_t& judged) {
        const Column column = conditions::combustion_enthalpies();
        std::vector<std::string> faults;
        const std::string_view table = thermo_kinetics::combustion_table;
        for (std::size_t at = 0; at < table.size(); at += 20, ++judged) {
            const std::string record(table.substr(at, 20));
            const double gas_moles = std::stod(record.substr(4, 4));
            const double energy = std::stod(record.substr(9));
            const double enthalpy = energy + gas_moles * gas_constant_kilojoule * (celsius_zero + 25.0);
            if (std::string f = fault_of(column, compound_formula(std::stoi(record.substr(0, 3))), text_of(enthalpy));
                !f.empty())
                faults.push_back(std::move(f));
        }
        return faults;
    });
}

// The titration's indicators: phenol red's pK against Skoog, West, Holler
// and Crouch, "Fundamentals of Analytical Chemistry" (table of acid/base
// indicators, 7.81), within 0.05 besides.
Judged indicator_judgement()
{
    Judged judged{{"indicators", "pK", 0.05, Spread::absolute, {{"Rosso fenolo", 7.81}}}, {}};
    for (const IndicatorRow& row : indicator_rows) {
        const std::string name(row.name.substr(0, row.name.find(" p@iK@")));
        judged.rows.emplace_back(name, text_of(row.pk));
        if (name != "Rosso fenolo") judged.unjudged.push_back(name);
    }
    judged.why = "no handbook row held here";
    return judged;
}

// A chapter's sections: problem numbers and the positions of their pages.
RegisteredTable chapter_sections(const char* file)
{
    return {file, "sections", "chapter's sections", {{"problems, positions", exact("numbers and layout")}}};
}

std::vector<RegisteredTable> program_tables()
{
    return {
        {"chemistry/acid_base_constants.h",
         "acid_base_constants",
         "acid and base constants",
         {{"25 °C", acid_base_judgement()}}},
        {"chemistry/acid_base_constants.h",
         "buffer_pairs",
         "buffer pairs",
         {{"partner's constant", exact("the partner's row of the constants")},
          {"molar mass", by_law("the salt's formula mass within 0.01 g/mol",
                                [](std::int32_t& judged) {
                                    std::vector<std::string> faults;
                                    for (const BufferPair& b : buffer_pairs)
                                        if (std::string f = formula_mass_fault(b.salt, b.salt_molar_mass);
                                            ++judged, !f.empty())
                                            faults.push_back(std::move(f));
                                    return faults;
                                })}}},
        {"chemistry/galvanic_cells.h", "galvanic_cells", "galvanic cells", {{"ΔG°", galvanic_cells_judgement()}}},
        {"chemistry/alkane_vapour_pressure.cpp",
         "alkanes",
         "alkanes' Antoine fits",
         {{"a, b, c, range", on_pages("the conditions table's rules a and d, against the tests' vapour curves")}}},
        {"chemistry/reaction_table.cpp",
         "table_of_reactions",
         "reaction table",
         {{"equation", exact("balanced equations: the balance test")},
          {"potential", unjudged("the reactions' potentials: no handbook column held here")}}},
        {"chemistry/salt_solubilities.h",
         "measured_celsius",
         "measured solubilities' temperatures",
         {{"°C", exact("the temperatures the handbook tabulates")}}},
        {"chemistry/salt_solubilities.h",
         "measured_solubilities",
         "measured solubilities",
         {{"g per 100 g of water", on_pages("the conditions table's rule e, within 6 % of the handbook's curve")}}},
        {"chemistry/solubility_products.h", "carbonate_products", "carbonates' Ksp", {{"Ksp", rule_e}}},
        {"chemistry/vapour_pressure_fits.h",
         "vapour_pressure_fits",
         "vapour pressure fits",
         {{"a, b, c, range, critical point",
           on_pages("the conditions table's rules a and d, against the tests' vapour curves")},
          {"normal boiling point", by_handbook([] {
               return Judged{normal_boiling_column(), normal_boiling_rows()};
           })}}},
        {"chemistry/nitrogen_dioxide_dimer.cpp",
         "nitrogen_dioxide_dimerisation",
         "nitrogen dioxide's dimerisation",
         {{"ΔH, ΔS", by_handbook([] {
               // 2NO2 = N2O4 by the JANAF tables' formation data.
               const DimerisationData& d = nitrogen_dioxide_dimerisation;
               return Judged{
                   {"2NO2 = N2O4", "JANAF", 0.005, Spread::relative, {{"enthalpy", -57111.0}, {"entropy", -175.692}}},
                   {{"enthalpy", text_of(d.enthalpy)}, {"entropy", text_of(d.entropy)}}};
           })}}},
        {"chemistry/gas_virial.cpp",
         "critical_rows",
         "critical points beside the vapour table",
         {{"Tc, Pc, ω", on_pages("the conditions table's rule a, against the tests' critical points")}}},
        {"chemistry/gas_virial.cpp",
         "smoothing_fits",
         "measured second virial coefficients (CRC)",
         {{"range, a1-a5",
           on_pages("the conditions table's rule a, against the tests' second virial coefficients (LibreTexts A9)")}}},
        {"chemistry/gas_virial.cpp",
         "exponential_fits",
         "measured second virial coefficients (A9)",
         {{"range, a, b, c", on_pages("the conditions table's rule a, the tests' second virial coefficients being "
                                      "the same table's")}}},
        {"chemistry/gas_virial.cpp",
         "measured_virials",
         "quantum gases' second virial coefficients",
         {{"a, b, c", on_pages("the conditions table's rule a, against the tests' second virial coefficients")}}},
        {"chemistry/phase_limits.h",
         "phase_points",
         "melting and boiling points",
         {{"melting, boiling", on_pages("the conditions table's rule d, against the tests' phase limits")}}},
        {"chemistry/water_saturation.cpp",
         "n",
         "water's saturation line",
         {{"n1-n10", exact("the published coefficients of water's saturation equation")}}},
        {"chapters/basic_notions/unit_calculations.cpp",
         "density_units",
         "density units",
         {{"factor", unit_definition}}},
        {"chapters/basic_notions/unit_calculations.cpp",
         "energy_from_joules",
         "energy units",
         {{"factor", unit_definition}}},
        {"chapters/basic_notions/unit_calculations.cpp",
         "shown_per_gram",
         "mass units shown",
         {{"factor", unit_definition}}},
        {"chapters/basic_notions/unit_conversions.cpp",
         "angstrom_units",
         "ångström units",
         {{"factor", unit_definition}}},
        {"chapters/basic_notions/unit_conversions.cpp", "length_units", "length units", {{"factor", unit_definition}}},
        {"chapters/basic_notions/unit_conversions.cpp", "mass_units", "mass units", {{"factor", unit_definition}}},
        {"chapters/basic_notions/unit_conversions.cpp",
         "pressure_units",
         "pressure units",
         {{"factor", unit_definition}}},
        {"chapters/basic_notions/unit_conversions.cpp", "time_units", "time units", {{"factor", unit_definition}}},
        {"chapters/basic_notions/unit_conversions.cpp", "volume_units", "volume units", {{"factor", unit_definition}}},
        {"chapters/electrochemistry/electrolysis.cpp",
         "resistivity_table",
         "resistivities",
         {{"10^-8 ohm m", resistivities_judgement()}}},
        {"chapters/electrochemistry/electrolysis.cpp", "seconds", "time units", {{"factor", unit_definition}}},
        {"chapters/elements_compounds/atoms_atomic_mass.cpp",
         "isotope_pairs",
         "isotope pairs",
         {{"mass number", exact("a count")},
          {"abundance", by_column(isotope_abundance_column, isotope_abundance_rows)},
          {"mass", by_column(isotope_mass_column, isotope_mass_rows)},
          {"pair", isotope_pair_judgement()}}},
        {"chapters/elements_compounds/atoms_atomic_mass.cpp",
         "mass_units",
         "mass units",
         {{"factor", unit_definition}}},
        {"chapters/equilibria/equilibria_kit.cpp", "scales", "drawn scales", {{"factor", drawn_ranges}}},
        {"chapters/equilibria/equilibria_kit.cpp",
         "gas_ranges",
         "gas reactions' temperatures",
         {{"Δn, °C", drawn_ranges}}},
        {"chapters/final_problems/section_1.cpp",
         "combustion_fuels",
         "enthalpies of combustion",
         {{"kJ/mol", combustion_fuels_judgement()}}},
        {"chapters/final_problems/section_2.cpp", "halogens", "halogens' dissociation", {{"A, H", rule_e}}},
        {"chapters/final_problems/section_3.cpp",
         "acid_metals",
         "metals in acid",
         {{"metal, share", exact("the page's data")}}},
        {"chapters/final_problems/section_3.cpp",
         "fuels",
         "fuels' enthalpies of formation",
         {{"kJ/mol", fuel_formation_judgement()},
          {"CO2, H2O", by_law("the formula's carbons and half its hydrogens", fuel_product_faults)}}},
        {"chapters/final_problems/section_4.cpp",
         "reaction_temperatures",
         "reactions' temperatures",
         {{"°C", drawn_ranges}}},
        {"chapters/final_problems/section_5.cpp",
         "bimolecular_reactions",
         "bimolecular reactions",
         {{"Ea", by_handbook(bimolecular_energies)},
          {"Ea, log A",
           by_law("H + HBr within 20 % of Mitchell and others' measured k at 350-900 K, Br + H2 from it by detailed "
                  "balance, 2NOCl at 500 K within 2 % of Atkins and de Paula's; NO + O3 (JPL), CH3 + H2 (Baulch), "
                  "2NO2 and NO + Cl2 (Atkins) at 350-900 K within their evaluations' factors; Br + HBr and CO + Cl2 "
                  "held by no evaluation at hand",
                  bimolecular_faults)}}},
        {"chapters/final_problems/section_6.cpp",
         "long_lived_isotopes",
         "radioactive isotopes",
         {{"half-life", by_column(half_life_column, long_lived_half_life_rows)}}},
        {"chapters/solutions/redox_tables.cpp",
         "equivalent_changes",
         "equivalents' changes",
         {{"oxidation number", exact("oxidation numbers")}}},
        {"chapters/solutions/redox_tables.cpp",
         "titrations",
         "redox titrations",
         {{"coefficients", exact("the equations' coefficients")}}},
        {"chapters/solutions/redox_tables.cpp", "redox_products", "redox products", {{"codes", exact("codes")}}},
        {"chapters/solutions/redox_tables.cpp", "redox_roles", "redox roles", {{"codes", exact("codes")}}},
        {"chapters/solutions/solution_tables.cpp",
         "boiling_solvents",
         "boiling solvents",
         {{"°C, Keb", unjudged("no handbook column held here")}}},
        {"chapters/solutions/solution_tables.cpp",
         "freezing_solvents",
         "freezing solvents",
         {{"°C", by_handbook([] {
               return Judged{freezing_point_column(), freezing_point_rows(), {"canfora"}, "no handbook row held here"};
           })},
          {"Kcr", unjudged("no handbook column held here")}}},
        {"chapters/solutions/solution_tables.cpp",
         "solvent_densities",
         "solvents' densities",
         {{"g/mL", by_column(solvent_density_column, solvent_density_rows)}}},
        {"chapters/solutions/solution_tables.cpp",
         "density_rows",
         "solutions' densities",
         {{"10, 20, 30 %", solution_densities_judgement()}, {"trend", solution_density_trend_judgement()}}},
        {"chapters/states_of_matter/kinetic_theory.cpp",
         "factors",
         "mean speeds' factors",
         {{"factor", exact("2, 8/π and 3 of the kinetic theory")}}},
        {"chapters/states_of_matter/phase_diagrams.cpp",
         "phase_diagram_substances",
         "triple and critical points",
         {{"t3, p3, tc, pc", phase_points_judgement()}}},
        {"chapters/states_of_matter/phase_figure.cpp", "zooms", "phase figure's zooms", {{"factor", layout}}},
        {"chapters/states_of_matter/real_gases.cpp",
         "van_der_waals_constants",
         "van der Waals constants",
         {{"a, b", van_der_waals_judgement()}}},
        {"chapters/states_of_matter/solids_liquids.cpp",
         "ionic_crystals",
         "ionic crystals",
         {{"formula units", by_column(crystal_units_column, crystal_units_rows)},
          {"density", by_column(crystal_density_column, crystal_density_rows)}}},
        {"chapters/stoichiometry/moles_molar_mass.cpp", "mass_units", "mass units", {{"factor", unit_definition}}},
        {"chapters/stoichiometry/elemental_analysis.cpp",
         "salt_rows",
         "salts of the analysis",
         {{"codes", exact("compound codes")}}},
        {"chapters/stoichiometry/mixture_sets.cpp", "mixture_sets", "mixtures", {{"codes", exact("compound codes")}}},
        {"chapters/thermo_kinetics/chemical_kinetics.cpp",
         "activation_energies",
         "activation energies",
         {{"kJ/mol", by_column(activation_energy_column, activation_energy_rows)}}},
        {"chapters/thermo_kinetics/chemical_kinetics.cpp",
         "coefficient_order_codes",
         "orders",
         {{"codes", exact("codes")}}},
        {"chapters/thermo_kinetics/chemical_kinetics.cpp",
         "half_lives",
         "half-lives",
         {{"years, hours, s", by_column(half_life_column, half_life_rows)}}},
        {"chapters/thermo_kinetics/energy_enthalpy.cpp",
         "heat_capacity_table",
         "metals' heat data",
         {{"melting point, a, b, c", heat_capacities_judgement()}}},
        {"chapters/thermo_kinetics/energy_enthalpy.cpp",
         "water_stretches",
         "water's heating stretches",
         {{"°C", drawn_ranges}}},
        {"simulations/titration/titration_chemistry.h",
         "burette_additions",
         "burette additions",
         {{"mL", exact("the simulation's steps")}}},
        {"simulations/titration/titration_state.h",
         "indicator_rows",
         "indicators",
         {{"pK", by_handbook(indicator_judgement)}}},
        {"tools/equilibrator.cpp",
         "example_equilibrium",
         "the equilibrator's example",
         {{"mol/L", exact("the example's own solution")}}},
        {"tools/molecule_viewer.cpp", "atom_styles", "atoms' drawing", {{"radius, colour", layout}}},
        {"tools/molecule_viewer.cpp", "axis", "rotation axis", {{"vector", layout}}},
        {"tools/molecule_viewer.h", "light_position", "light's position", {{"vector", layout}}},
        {"chapters/thermo_kinetics/reaction_enthalpy.cpp",
         "combustion_table",
         "energies of combustion",
         {{"code, Δn, state", exact("the combustion equations' codes and moles of gas")},
          {"ΔU", combustion_records_judgement()}}},
        chapter_sections("chapters/basic_notions/basic_notions_chapter.cpp"),
        chapter_sections("chapters/elements_compounds/elements_compounds_chapter.cpp"),
        chapter_sections("chapters/equilibria/equilibria_chapter.cpp"),
        chapter_sections("chapters/final_problems/final_problems_chapter.cpp"),
        chapter_sections("chapters/solutions/solutions_chapter.cpp"),
        chapter_sections("chapters/states_of_matter/states_of_matter_chapter.cpp"),
        chapter_sections("chapters/stoichiometry/stoichiometry_chapter.cpp"),
        chapter_sections("chapters/thermo_kinetics/thermo_kinetics_chapter.cpp"),
        {"chapters/basic_notions/plotted_curves.cpp", "window", "graphs' window", {{"y from, to", layout}}},
        {"chemistry/isotope_list.h",
         "isotope_list",
         "isotopes",
         {{"mass number", exact("a count: each a nuclide found in nature")}}},
        {"chapters/elements_compounds/periodic_properties.cpp",
         "odd_one_properties",
         "electronegativity questions",
         {{"bounds", exact("the question's bounds, no measurement")}}},
        {"chapters/final_problems/stated_figures.h",
         "stated_figures",
         "stated figures",
         {{"HCl, graphite, Ag(CN)2-", stated_figures_judgement()}}},
        {"chapters/equilibria/equilibrium_constants.cpp",
         "zinc_fusion",
         "zinc's fusion",
         {{"K, J/mol", zinc_fusion_judgement()}}},
        {"chapters/equilibria/equilibrium_constants.cpp",
         "problem_4_reactions",
         "reactions' temperatures",
         {{"Δn, factor, °C, digits", drawn_ranges}}},
        {"chapters/equilibria/titrations.cpp",
         "closing_before_after",
         "titration's closing",
         {{"mL", exact("the volumes the question names")}}},
        {"chapters/equilibria/titrations.cpp", "steps", "titration's steps", {{"mL", exact("the same volumes")}}},
        {"chapters/stoichiometry/chemical_reactions.cpp",
         "balancing_problems",
         "balancing problems",
         {{"codes, positions", layout}}},
        {"chapters/thermo_kinetics/chemical_kinetics.cpp", "columns", "ruled table's columns", {{"x, width", layout}}},
        {"chemistry/compound_table_inorganic.cpp",
         "inorganic_rows",
         "inorganic compounds",
         {{"codes", exact("compound codes")}}},
        {"chemistry/compound_table_organic.cpp",
         "organic_rows",
         "organic compounds",
         {{"codes", exact("compound codes")}}},
        {"chemistry/compound_table_salts.cpp", "salt_rows", "salts", {{"codes", exact("compound codes")}}},
        {"chapters/thermo_kinetics/chemical_kinetics.cpp",
         "hydrogen_iodide_decomposition",
         "HI's rate law",
         {{"A, n, E", by_law("within 20 % of Bodenstein's rate constants of 2HI", hydrogen_iodide_faults)}}},
        {"chemistry/water_data.h",
         "water_data",
         "water's data",
         {{"fusion enthalpy, vaporisation enthalpy", water_judgement(water_heat_column)},
          {"ice heat capacity, liquid heat capacity, steam heat capacity", water_judgement(water_heat_capacity_column)},
          {"ice heat capacity slope", ice_heat_capacity_judgement()},
          {"ice molar volume, liquid molar volume", water_judgement(water_volume_column)},
          {"ebullioscopic constant, cryoscopic constant", water_constants_judgement()}}},
    };
}

std::string text_of_file(const std::filesystem::path& path)
{
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every table that a source of any folder of src/ defines and that holds
// measured numbers, as "file identifier".
std::set<std::string> tables_in_sources()
{
    const std::filesystem::path src = BRUNATEL_SOURCE_DIR;
    std::set<std::string> found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(src)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".cpp" && ext != ".h") continue;
        const std::string file = entry.path().lexically_relative(src).generic_string();
        for (const std::string& name : tables_in(text_of_file(entry.path()))) found.insert(file + " " + name);
    }
    return found;
}

const char* kind_name(Judgement::Kind kind)
{
    switch (kind) {
    case Judgement::Kind::handbook: return "handbook";
    case Judgement::Kind::law: return "law";
    case Judgement::Kind::pages: return "on every page";
    case Judgement::Kind::exact: return "exact";
    case Judgement::Kind::unjudged: return "NOT JUDGED";
    }
    return "";
}

std::vector<std::string> faults_of(const Judged& j, std::int32_t& judged)
{
    std::vector<std::string> faults;
    for (const auto& [key, text] : j.rows) {
        if (std::ranges::find(j.unjudged, key) != j.unjudged.end()) continue;
        ++judged;
        if (std::string fault = fault_of(j.column, key, text); !fault.empty()) faults.push_back(fault);
    }
    return faults;
}

}  // namespace

// The screens', dialogs' and pages' drawing geometry: boxes, zones,
// columns and positions, whole numbers that measure nothing.
std::vector<RegisteredTable> layout_tables()
{
    constexpr std::pair<const char*, const char*> tables[] = {
        {"frame/main_screen.cpp", "command_entries"},
        {"frame/menu_dialogs.cpp", "about_dialog"},
        {"frame/menu_dialogs.cpp", "other_version_dialog"},
        {"frame/page_mouse.cpp", "small_buttons"},
        {"frame/status_header.h", "status_field"},
        {"games/chapter_notice.cpp", "chapter_notice_dialog"},
        {"games/poker_cards.cpp", "corners"},
        {"games/poker_cards.cpp", "foot"},
        {"games/poker_cards.cpp", "point"},
        {"layout_check/layout_check.h", "page_shown"},
        {"simulations/equilibrium/equilibrium_drawing.cpp", "bar_top"},
        {"simulations/equilibrium/equilibrium_panels.cpp", "cancel_button"},
        {"simulations/equilibrium/equilibrium_panels.cpp", "concentration_columns"},
        {"simulations/equilibrium/equilibrium_panels.cpp", "concentrations_ok"},
        {"simulations/equilibrium/equilibrium_panels.cpp", "temperature_ok"},
        {"simulations/equilibrium/equilibrium_screen.h", "concentrations_button"},
        {"simulations/equilibrium/equilibrium_screen.h", "continue_button"},
        {"simulations/equilibrium/equilibrium_screen.h", "equilibrate_button"},
        {"simulations/equilibrium/equilibrium_screen.h", "exit_button"},
        {"simulations/equilibrium/equilibrium_screen.h", "new_simulation_button"},
        {"simulations/equilibrium/equilibrium_screen.h", "results_button"},
        {"simulations/equilibrium/equilibrium_screen.h", "stop_button"},
        {"simulations/equilibrium/equilibrium_screen.h", "temperature_button"},
        {"simulations/gas_laws/gas_exercise_course.cpp", "close_button"},
        {"simulations/gas_laws/gas_exercise_course.cpp", "close_zone"},
        {"simulations/gas_laws/gas_exercise_course.cpp", "result_button"},
        {"simulations/gas_laws/gas_exercise_course.cpp", "result_zone"},
        {"simulations/gas_laws/gas_laws_simulation.cpp", "exercise_buttons"},
        {"simulations/gas_laws/gas_laws_simulation.cpp", "exit_zone"},
        {"simulations/titration/titration_apparatus.cpp", "tube_left_and_top"},
        {"simulations/titration/titration_choosers.cpp", "chooser_layouts"},
        {"simulations/titration/titration_run.cpp", "addition_cells"},
        {"simulations/titration/titration_run.cpp", "repeat_button"},
        {"simulations/titration/titration_run.cpp", "reveal_button"},
        {"simulations/titration/titration_screens.h", "titration_exit_button"},
        {"simulations/titration/titration_simulation.cpp", "menu_buttons"},
        {"text/page_regions.h", "problem_area"},
        {"text/plot_geometry.h", "figure_frame"},
        {"tools/calculator.cpp", "calculator_resource"},
        {"tools/element_properties.cpp", "element_dialog"},
        {"tools/equilibrator.cpp", "species_fields"},
        {"tools/function_plotter.cpp", "function_fields"},
        {"tools/function_plotter.cpp", "plot_resource"},
        {"tools/function_plotter.cpp", "range_fields"},
    };
    std::vector<RegisteredTable> all;
    for (const auto& [file, identifier] : tables)
        all.push_back({file, identifier, "drawing geometry", {{"positions, sizes", layout}}});
    all.push_back({"chemistry/chemistry_facts_catalogue.cpp",
                   "facts",
                   "facts of chemistry",
                   {{"texts", exact("statements; their one measured pair, water densest at 4 °C and 1.00 g/cm3, is the "
                                    "CRC Handbook's 3.98 °C and 0.99997 g/cm3")}}});
    all.push_back({"tools/molecule_records.cpp",
                   "table",
                   "molecules' drawings",
                   {{"coordinates", unjudged("the drawn atoms' places: no handbook geometry held here")}}});
    all.push_back({"numerics/machine_constants.cpp",
                   "integer_constants",
                   "machine's integers",
                   {{"limits", exact("the integer and floating formats' limits")}}});
    all.push_back({"tools/reference_panels.cpp",
                   "units_texts",
                   "units panel",
                   {{"factors", exact("units' definitions; the calorie's tied to the program's by its assertion")}}});
    return all;
}

const std::vector<RegisteredTable>& registry()
{
    static const std::vector<RegisteredTable> tables = [] {
        std::vector<RegisteredTable> all = chemistry_tables();
        std::ranges::move(program_tables(), std::back_inserter(all));
        std::ranges::move(layout_tables(), std::back_inserter(all));
        return all;
    }();
    return tables;
}

std::vector<Judged> handbook_columns()
{
    std::vector<Judged> columns;
    for (const RegisteredTable& t : registry())
        for (const RegisteredColumn& c : t.columns)
            if (c.judgement.kind == Judgement::Kind::handbook) columns.push_back(c.judgement.handbook());
    return columns;
}

namespace {

// Each registered column judged as it says, and the coverage printed table
// by table.
TEST(TableRegistry, EveryRegisteredColumnHoldsItsJudgement)
{
    std::map<Judgement::Kind, std::int32_t> columns_by_kind;
    for (const RegisteredTable& t : registry()) {
        std::printf("%s (%s, %s)\n", t.title, t.file, t.identifier);
        for (const RegisteredColumn& c : t.columns) {
            ++columns_by_kind[c.judgement.kind];
            std::int32_t judged = 0;
            std::vector<std::string> faults;
            std::string unjudged_rows;
            if (c.judgement.kind == Judgement::Kind::handbook) {
                const Judged j = c.judgement.handbook();
                faults = faults_of(j, judged);
                if (!j.unjudged.empty())
                    unjudged_rows =
                        ", " + std::to_string(j.unjudged.size()) + " without a handbook row (" + j.why + ")";
            } else if (c.judgement.kind == Judgement::Kind::law) {
                faults = c.judgement.law(judged);
            }
            for (const std::string& fault : faults) ADD_FAILURE() << t.title << ": " << fault;
            if (c.judgement.kind == Judgement::Kind::handbook || c.judgement.kind == Judgement::Kind::law) {
                EXPECT_GT(judged, 0) << t.title << " " << c.name << " judges no row";
                std::printf("  %s: %s, %d rows judged%s\n", c.name,
                            c.judgement.kind == Judgement::Kind::law ? c.judgement.how : "handbook", judged,
                            unjudged_rows.c_str());
            } else {
                std::printf("  %s: %s (%s)\n", c.name, kind_name(c.judgement.kind), c.judgement.how);
            }
        }
    }
    std::printf("%zu tables;", registry().size());
    for (const auto& [kind, count] : columns_by_kind) std::printf(" %s %d;", kind_name(kind), count);
    std::printf("\n");
}

// The registry holds every table of the sources that holds measured
// numbers, and names no table the sources lack.
TEST(TableRegistry, HoldsEveryTableOfTheSources)
{
    std::set<std::string> registered;
    for (const RegisteredTable& t : registry()) {
        EXPECT_FALSE(t.columns.empty()) << t.file << " " << t.identifier << " declares no column";
        registered.insert(std::string(t.file) + " " + t.identifier);
    }
    const std::set<std::string> found = tables_in_sources();
    for (const std::string& table : found)
        EXPECT_TRUE(registered.contains(table))
            << table
            << ": a table of measured numbers outside the registry. Register it in "
               "tests/answers/table_registry.cpp (program_tables), or in tests/answers/table_checks.cpp "
               "(chemistry_tables) where its judgement sits with the element and compound tables'; judge it against a "
               "handbook column of tests/answers/handbook_*.cpp (its source named), by a law, or exactly with its "
               "reason";
    for (const std::string& table : registered)
        EXPECT_TRUE(found.contains(table)) << table << ": registered, but no such table in the sources";
}

// Each constant and unit that numbers/ names is written out there alone:
// any other folder of src/ takes it by its name.
TEST(TableRegistry, ConstantsAreWrittenInNumbersAlone)
{
    const char* made = "const float p = 760.0f * x;  // 760 torr\nconst char* t = \"101325 Pa\";\n"
                       "static_assert(v == 22.4f);\ndouble r = 8.3145, c = 273.15, n = 6.022e23, m = 22.41;\n"
                       "const float d = 760.5f, q = 2.3f, w = 55.506214f;\n";
    EXPECT_EQ(constants_written_in(made), (std::vector<std::string>{"1: 760.0", "4: 8.3145", "4: 273.15", "4: 6.022e23",
                                                                    "4: 22.41", "5: 55.506214"}));
    const std::filesystem::path src = BRUNATEL_SOURCE_DIR;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(src)) {
        const std::string file = entry.path().lexically_relative(src).generic_string();
        const std::string ext = entry.path().extension().string();
        if (file.starts_with("numbers/") || (ext != ".cpp" && ext != ".h")) continue;
        for (const std::string& figure : constants_written_in(text_of_file(entry.path())))
            ADD_FAILURE() << file << ":" << figure << ": a constant written out; take it by its name from numbers/";
    }
}

// The written-out figures' law on a row made wrong, bromine's molar mass
// of Br; and problem 19's liquids, which weigh as their formulas.
TEST(TableRegistry, LawsFailOnRowsMadeWrong)
{
    EXPECT_EQ(formula_mass_fault("Br@d2@", 79.904), "Br@d2@: 79.904 g/mol, formula mass 159.818");
    for (const final_problems::Liquid& l : final_problems::liquids)
        EXPECT_EQ(formula_mass_fault(liquid_formula(l), composition_molar_mass(l.composition)), "");
    // 9.37's rows as they stood before their evaluations: the temperatures
    // of 350-900 K where each leaves its evaluation's factor.
    const final_problems::Bimolecular before[] = {{"9.62", "7.80", "NO + O@d3@ = NO@d2@ + O@d2@"},
                                                  {"41.8", "7.25", "CH@d3@ + H@d2@ = CH@d4@ + H"},
                                                  {"111", "8.42", "2NO@d2@ = 2NO + O@d2@"},
                                                  {"82.0", "8.00", "NO + Cl@d2@ = NOCl + Cl"}};
    const std::size_t failing[] = {5, 7, 12, 10};
    for (std::size_t i = 0; i < std::size(before); ++i) {
        std::int32_t judged = 0;
        EXPECT_EQ(evaluation_faults(before[i], judged).size(), failing[i]) << before[i].reaction;
        EXPECT_EQ(judged, 12);
    }
}

// What the scan counts as a table of measured numbers, and what it leaves.
TEST(TableRegistry, ScanFindsTablesOfMeasuredNumbers)
{
    const char* source = R"(
constexpr std::array<Row, 3> boiling_points{{
    {"acqua", 100.0f}, {"etanolo", "78.4"}, {"benzene", 80.1f},
}};
const Row hand_typed[] = {{"HCl", {474, 980, 1492}}};  // three figures of a row
static constexpr float decimals_in_text[] = {1.5f};  // 3.5, 4.5 in a comment
inline constexpr std::array<Box, 2> buttons{{{10, 20, 300, 400}, {500, 20, 300, 400}}};
constexpr const char* codes[] = {"a", "b", "c"};
const auto per_atm = [] { return std::array{760.0, 101.325, 0.101325}; }();
)";
    EXPECT_EQ(tables_in(source), (std::vector<std::string>{"boiling_points", "hand_typed", "buttons", "per_atm"}));
}

// A table of measured numbers is found however it is written, and one made
// outside the registry fails it.
TEST(TableRegistry, ScanFindsATableInEveryStyle)
{
    const char* made[][2] = {
        {"to_array", "constexpr auto outside = std::to_array<Row>({{\"a\", 1.5f}, {\"b\", 2.5f}});"},
        {"east const", "Row const outside[] = {{\"a\", 1.5}, {\"b\", 2.5}};"},
        {"without const", "static std::array<Row, 2> outside{{{\"a\", 1.5}, {\"b\", 2.5}}};"},
        {"constinit", "constinit Row outside[] = {{\"a\", 1.5}, {\"b\", 2.5}};"},
        {"attribute", "[[maybe_unused]] constexpr Row outside[] = {{\"a\", 1.5}, {\"b\", 2.5}};"},
        {"two rows", "constexpr Row outside[] = {\n    {\"acqua\", 100.0},\n    {\"etanolo\", 78.4},\n};"},
        {"names and whole numbers", "constexpr Row outside[] = {{\"acqua\", 373}, {\"etanolo\", 351}};"},
        {"units", "constexpr Row outside[] = {{\"acqua\", \"19.5 °C\"}, {\"etanolo\", \"78.4 °C\"}};"},
        {"markup", "constexpr Row outside[] = {{\"HF\", \"6.8•10@u-4@\"}, {\"HCN\", \"6.2•10@u-10@\"}};"},
        {"packed text", "constexpr std::string_view outside = \"301 -1.5l-3263.88   302 -2.0l-3905.34\";"},
        {"designated members", "constexpr Row outside[] = {{.name = \"acqua\", .kelvin = 373}, {.kelvin = 351}};"},
        {"lambda with parameters", "const auto outside = []() { return std::array{1.5, 2.5}; }();"},
        {"constexpr lambda", "const auto outside = []() constexpr { return std::array{1.5, 2.5}; }();"},
        {"alignas", "alignas(16) constexpr float outside[] = {1.5f, 2.5f};"},
        {"decltype", "constexpr decltype(rows) outside = {{\"a\", 1.5}, {\"b\", 2.5}};"},
        {"whole numbers with a unit", "constexpr Row outside[] = {{\"ferro\", \"1538 °C\"}, {\"rame\", \"1085 K\"}};"},
        {"degrees in markup", "constexpr Row outside[] = {{\"ferro\", \"1538@uo@C\"}, {\"rame\", \"1085@uo@C\"}};"},
        {"a group of whole numbers",
         "constexpr std::array<Box, 2> outside{{{10, 20, 300, 400}, {500, 20, 300, 400}}};"},
    };
    for (const auto& [style, source] : made) EXPECT_EQ(tables_in(source), std::vector<std::string>{"outside"}) << style;
    EXPECT_TRUE(std::ranges::none_of(registry(),
                                     [](const RegisteredTable& t) { return t.identifier == std::string("outside"); }));
    // The convention the registry rests on: data live in an initialised
    // table. What no scan reaches is not found: figures in a switch, values
    // computed at run time, one figure alone, zeros and statements.
    const char* beyond[][2] = {
        {"switch", "switch (k) {\ncase 1: return 40.66;\ncase 2: return 44.0;\n}"},
        {"computed", "const float heat = (t - 25.0f) * 0.0608f - 571.6f;"},
        {"single", "constexpr float melting = 692.68f;"},
        {"zeros", "const Values c0 = {0.0f, 0.0f, x};"},
        {"statement", "return {1.5, 2.5, 3.5};"},
    };
    for (const auto& [style, source] : beyond) EXPECT_TRUE(tables_in(source).empty()) << style;
}

}  // namespace

}  // namespace table_checks
