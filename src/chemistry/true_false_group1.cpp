// Statements of group 1: nuclei, symbols, electronegativity, metals,
// moles of atoms, densities, acidity, configurations, acids, redox.

#include <array>
#include <span>
#include <string_view>

#include "chemistry/compound_records.h"
#include "chemistry/data_tables.h"
#include "chemistry/table_fields.h"
#include "chemistry/true_false_kit.h"
#include "numbers/fixed_width.h"
#include "numbers/formatted_conversions.h"
#include "numbers/random_stream.h"
#include "numbers/value_kit.h"

namespace {

// "Il sodio", "L'alluminio", or "Lo" before the names that need it.
std::string element_subject(std::string_view symbol, std::span<const std::string_view> lo_symbols)
{
    const std::string name = element_name(symbol_search(symbol));
    for (std::string_view lo : lo_symbols) {
        if (lo == symbol) return "Lo " + name;
    }
    if (!name.empty() && std::string_view("aeiou").find(name.front()) != std::string_view::npos) return "L'" + name;
    return "Il " + name;
}

Statement metal_or_not(std::span<const std::string_view, 20> symbols, std::span<const std::string_view> lo_symbols,
                       std::string_view true_ending, std::string_view false_ending)
{
    Statement s{{}, draw_truth()};
    const std::int32_t i = random_int(1, 20);
    s.text = element_subject(symbols[i - 1], lo_symbols) + std::string(s.truth == 1 ? true_ending : false_ending);
    return s;
}

}  // namespace

Statement protons_in_nucleus()
{
    Statement s{{}, draw_truth()};
    const std::int32_t z = random_int(1, 54);
    const std::int32_t shown = shown_number(s.truth, z, 1, 54);
    s.text = "Il nucleo d" + articulated_element_name(z) + " contiene " + whole_number_text(shown) +
             (shown == 1 ? " protone" : " protoni");
    return s;
}

Statement significant_digits()
{
    Statement s{{}, draw_truth()};
    const float value = draw_scaled_exponent_first(-23, 23);
    const std::int32_t digits = random_int(2, 5);
    set_slot_digits(1, value, digits);
    const std::int32_t shown = shown_number(s.truth, digits, 1, 6);
    s.text = "Il numero " + slot_text(1) + " è espresso con " + whole_number_text(shown) +
             (shown == 1 ? " cifra significativa" : " cifre significative");
    return s;
}

Statement element_symbol_of_name()
{
    Statement s{{}, draw_truth()};
    const std::int32_t z = random_int(1, 100);
    const std::int32_t shown = shown_number(s.truth, z, 1, 54);
    s.text = "Il simbolo d" + articulated_element_name(z) + " è " + element_symbol(shown);
    return s;
}

// True in about one case in three: both halves are drawn freely.
Statement function_and_curve()
{
    static constexpr std::array<std::string_view, 3> functions{"y=Ax+B", "y=Ax@u2@", "y=A/x"};
    static constexpr std::array<std::string_view, 3> curves{"una retta", "una parabola", "un'iperbole"};
    Statement s;
    const std::int32_t i = random_int(1, 3);
    const std::int32_t j = random_int(1, 3);
    s.truth = i == j ? 1 : 0;
    s.text = "La funzione " + std::string(functions[i - 1]) + " corrisponde a " + std::string(curves[j - 1]);
    return s;
}

Statement electronegativity_order()
{
    // By increasing electronegativity.
    static constexpr std::array<std::string_view, 6> symbols{"Cs", "Li", "C ", "N ", "O ", "F "};
    Statement s{{}, draw_truth()};
    const std::int32_t i = random_int(1, 5);
    const std::int32_t j = random_int(i + 1, 6);
    const std::string lower = articulated_element_name(symbol_search(symbols[i - 1]));
    const std::string higher = articulated_element_name(symbol_search(symbols[j - 1]));
    const bool as_is = s.truth == 1;
    if (random_int(1, 2) == 1) {
        s.text =
            "L'elettronegatività d" + (as_is ? lower : higher) + " è minore di quella d" + (as_is ? higher : lower);
    } else {
        s.text =
            "L'elettronegatività d" + (as_is ? higher : lower) + " è maggiore di quella d" + (as_is ? lower : higher);
    }
    return s;
}

Statement a_metal()
{
    static constexpr std::array<std::string_view, 20> metals{"Li", "Be", "Na", "Mg", "Al", "K ", "Ca",
                                                             "Sc", "Ti", "V ", "Cr", "Mn", "Fe", "Co",
                                                             "Ni", "Cu", "Zn", "Rb", "Sr", "Ag"};
    static constexpr std::array<std::string_view, 3> lo{"Sc", "Zn", "Sr"};
    return metal_or_not(metals, lo, " è un metallo", " è un non metallo");
}

Statement a_non_metal()
{
    // Selenium stands twice in the list.
    static constexpr std::array<std::string_view, 20> non_metals{"H ", "He", "B ", "C ", "N ", "O ", "F ",
                                                                 "Si", "P ", "S ", "Cl", "As", "Se", "Br",
                                                                 "Ne", "Ar", "Kr", "Xe", "I ", "Se"};
    static constexpr std::array<std::string_view, 3> lo{"S ", "Xe", "I "};
    return metal_or_not(non_metals, lo, " è un non metallo", " è un metallo");
}

Statement moles_of_atoms()
{
    Statement s{{}, draw_truth()};
    const std::int32_t k = draw_compound(11, 450);
    const std::string composition = compound_composition(k);
    const auto groups = static_cast<std::int32_t>(composition.size() / 4);
    const std::int32_t g = random_int(1, groups);
    const std::string_view group = record_at(composition, 4, g);
    const std::int32_t n = read_i(record_columns(group, 3, 4)).value_or(0);
    const std::int32_t z = symbol_search(record_columns(group, 1, 2));
    std::int32_t shown = n;
    if (s.truth == 0) {
        if (n == 1) {
            shown = 2;
        } else {
            shown = random_int(1, 2) == 1 ? n + 1 : n - 1;
        }
    }
    s.text = "Una mole di " + compound_formula(k) + " contiene " + whole_number_text(shown) + " mol di atomi di " +
             element_name(z);
    return s;
}

Statement density_of_metal()
{
    Statement s{{}, draw_truth()};
    std::int32_t z = 0;
    do {
        z = random_int(1, 92);
    } while (record_columns(element_record(z), 32, 33) != "md");
    set_slot_text(1, record_columns(element_record(z), 34, 39));
    const std::int32_t u = random_int(1, 3);
    if (u == 3) set_slot_uncertainty(1, slot_value(1) * 1000.0f, slot_uncertainty(1) * 1000.0f);
    static constexpr std::array<std::string_view, 3> true_units{" g/cm@u3@", " kg/L", " kg/m@u3@"};
    static constexpr std::array<std::string_view, 3> false_units{" kg/m@u3@", " kg/m@u3@", " kg/L"};
    s.text = "La densità d" + articulated_element_name(z) + " è pari a " + slot_text(1) +
             std::string(s.truth == 1 ? true_units[u - 1] : false_units[u - 1]);
    return s;
}

Statement electron_configuration_of_element()
{
    Statement s{{}, draw_truth()};
    const std::int32_t z = random_int(1, 40);
    const std::int32_t shown = shown_number(s.truth, z, 1, 40);
    s.text = "La configurazione elettronica d" + articulated_element_name(z) + " è " + electron_configuration(shown);
    return s;
}

Statement strong_or_weak_acid()
{
    // The first six are strong acids, the other seven weak.
    static constexpr std::array<CompoundKey, 13> acids{
        compounds::nitric_acid,       compounds::sulfuric_acid,    compounds::perchloric_acid,
        compounds::hydrogen_chloride, compounds::hydrogen_bromide, compounds::hydrogen_iodide,
        compounds::nitrous_acid,      compounds::sulfurous_acid,   compounds::hypobromous_acid,
        compounds::phosphoric_acid,   compounds::phosphorous_acid, compounds::hydrogen_fluoride,
        compounds::hydrogen_sulfide};
    Statement s{{}, draw_truth()};
    const std::int32_t i = random_int(1, 13);
    const bool strong = (i <= 6) == (s.truth == 1);
    s.text = compound_formula(acids[i - 1]) + " è un acido " + (strong ? "forte" : "debole");
    return s;
}

Statement oxidant_or_reductant()
{
    static constexpr std::array<std::array<std::string_view, 4>, 2> species{{
        {"Cr@d2@O@d7@@u2-@", "MnO@d4@@u-@", "F@d2@", "O@d2@"},
        {"Na", "Zn", "Al", "Ca"},
    }};
    Statement s{{}, draw_truth()};
    const std::int32_t i = random_int(1, 4);
    const std::int32_t kind = random_int(0, 1);  // 0 oxidant, 1 reductant
    const bool oxidant_word = (kind == 0) == (s.truth == 1);
    s.text = std::string(species[kind][i - 1]) + " è un buon " + (oxidant_word ? "ossidante" : "riducente");
    return s;
}

Statement metal_oxidised_by_acid()
{
    // The first three are oxidised by H+, the last three are not.
    static constexpr std::array<std::string_view, 6> metals{"L'alluminio", "Lo zinco",  "Il ferro",
                                                            "Il rame",     "L'argento", "L'oro"};
    Statement s{{}, draw_truth()};
    const std::int32_t i = s.truth == 1 ? random_int(1, 3) : random_int(4, 6);
    s.text = std::string(metals[i - 1]) + " è ossidato da H@u+@ in soluzione acida";
    return s;
}
