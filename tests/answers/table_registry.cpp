// The registry of the program's data tables beyond the chemistry layer's
// (those sit with their handbook in the table checks): each table with the
// judgement of each of its columns.
#include "table_registry.h"

#include <algorithm>
#include <iterator>

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
#include "handbook_virial.h"
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
std::vector<RegisteredTable> layout_tables();

std::string formula_mass_fault(std::string_view formula, double written)
{
    const double mass = testing_support::formula_mass(formula);
    if (std::abs(mass - written) <= 0.01) return "";
    return std::string(formula) + ": " + text_of(written) + " g/mol, formula mass " + text_of(mass);
}

std::string liquid_formula(const final_problems::Liquid& l)
{
    const std::size_t open = l.name.find('(');
    if (open == std::string_view::npos) return compound_formula(l.compound);
    return std::string(l.name.substr(open + 1, l.name.rfind(')') - open - 1));
}

namespace {

const Judgement unit_definition = exact("units' definitions in SI units");
const Judgement drawn_ranges = exact("the ranges and steps data are drawn in, no measurement");
const Judgement rule_e = on_pages("the conditions table's rule e, against the tests' handbook, on every page that "
                                  "prints it");

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
         {{"range, a1-a5", virial_judgement("smoothing_fits")}}},
        {"chemistry/gas_virial.cpp",
         "exponential_fits",
         "measured second virial coefficients (A9)",
         {{"range, a, b, c", virial_judgement("exponential_fits")}}},
        {"chemistry/gas_virial.cpp",
         "equation_virials",
         "second virial coefficients of reference equations of state",
         {{"range, critical point, n, t", virial_judgement("equation_virials")}}},
        {"chemistry/gas_virial.cpp",
         "measured_virials",
         "quantum gases' second virial coefficients",
         {{"a, b, c", virial_judgement("measured_virials")}}},
        {"chemistry/gas_virial.cpp",
         "polar_terms",
         "Tsonopoulos's polar terms",
         {{"a, b", virial_judgement("polar_terms")}}},
        {"chemistry/gas_virial.cpp",
         "measured_spans",
         "where the correlation parts from the measurements",
         {{"from, to", on_pages("the conditions table's rule a, the tests' second virial coefficients ending at "
                                "the same measurements")}}},
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
        {"chapters/states_of_matter/phase_figure.cpp",
         "zooms",
         "phase figure's zooms",
         {{"factor", drawing_geometry()}}},
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
        {"tools/molecule_viewer.cpp", "atom_styles", "atoms' drawing", {{"radius, colour", drawing_geometry()}}},
        {"tools/molecule_viewer.cpp", "axis", "rotation axis", {{"vector", drawing_geometry()}}},
        {"tools/molecule_viewer.h", "light_position", "light's position", {{"vector", drawing_geometry()}}},
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
        {"chapters/basic_notions/plotted_curves.cpp", "window", "graphs' window", {{"y from, to", drawing_geometry()}}},
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
         {{"codes, positions", drawing_geometry()}}},
        {"chapters/thermo_kinetics/chemical_kinetics.cpp",
         "columns",
         "ruled table's columns",
         {{"x, width", drawing_geometry()}}},
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

}  // namespace

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

}  // namespace table_checks
