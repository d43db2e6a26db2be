// Statements of group 2 on the make-up of matter: nuclei, configurations,
// hybridisation, molecular shapes, oxidation numbers, kinds of solid and
// formulas of compounds.

#include <array>
#include <optional>
#include <string_view>
#include <type_traits>
#include <utility>

#include "chemistry/compound_records.h"
#include "chemistry/isotope_list.h"
#include "chemistry/table_fields.h"
#include "chemistry/true_false_kit.h"
#include "numbers/random_stream.h"
#include "numbers/value_kit.h"
#include "text/article_name.h"

namespace {

bool is_one_of(char c, std::string_view set)
{
    return set.find(c) != std::string_view::npos;
}

}  // namespace

Statement neutrons_in_nucleus()
{
    // Here the isotope is drawn before the truth.
    const IsotopeName& isotope = isotope_list[random_int(1, 80) - 1];
    Statement s{{}, draw_truth()};
    const std::int32_t z = symbol_search(isotope.symbol);
    const std::int32_t n = isotope.mass_number - z;
    const std::int32_t shown = shown_number(s.truth, n, n / 2, 2 * n);
    s.text = "Un nucleo di @u" + whole_number_text(isotope.mass_number) + "@" + std::string(isotope.symbol);
    if (z > 36) s.text += " (@iZ@ = " + whole_number_text(z) + ")";
    s.text += " contiene " + whole_number_text(shown) + (shown == 1 ? " neutrone" : " neutroni");
    return s;
}

Statement configuration_of_heavier_element()
{
    Statement s{{}, draw_truth()};
    const std::int32_t z = random_int(41, 92);
    const std::int32_t shown = shown_number(s.truth, z, 41, 92);
    s.text = "La configurazione elettronica d" + articulated_element_name(z) + " (@iZ@ = " + whole_number_text(z) +
             ") è " + electron_configuration(shown);
    return s;
}

Statement hybridisation_of_centre()
{
    static constexpr std::array<std::string_view, 5> hybrid{"sp@u3@", "sp", "sp@u3@d", "sp@u3@d@u2@", "sp@u2@"};
    struct Molecule {
        std::string_view formula;
        std::int32_t hybrid;  // of its central atom, 1 to 5
    };
    static constexpr std::array<Molecule, 14> molecules{{
        {"CO@d2@", 2},
        {"CH@d4@", 1},
        {"HCN", 2},
        {"PH@d3@", 1},
        {"SF@d2@", 1},
        {"SF@d4@", 3},
        {"SF@d6@", 4},
        {"PF@d5@", 3},
        {"XeF@d2@", 3},
        {"XeF@d4@", 4},
        {"BF@d3@", 5},
        {"C@d2@H@d2@", 2},
        {"CH@d2@O", 5},
        {"C@d2@H@d4@", 5},
    }};
    Statement s{{}, draw_truth()};
    const std::int32_t i = random_int(1, 14);
    const Molecule& molecule = molecules[i - 1];
    std::int32_t shown = molecule.hybrid;
    if (s.truth == 0) {
        // Never the true one.
        switch (molecule.hybrid) {
        case 1: shown = random_int(2, 5); break;
        case 2: shown = random_int(1, 4) > 1 ? random_int(3, 5) : 1; break;
        case 3:
            shown = random_int(1, 2);
            if (random_int(1, 4) > 2) shown = random_int(4, 5);
            break;
        case 4:
            shown = random_int(1, 3);
            if (random_int(1, 4) > 3) shown = 5;
            break;
        default: shown = random_int(1, 4); break;
        }
    }
    const bool two_centres = i == 12 || i == 14;
    s.text = std::string(two_centres ? "Gli atomi centrali" : "L'atomo centrale") + " in " +
             std::string(molecule.formula) + (two_centres ? " hanno" : " ha") + " ibridazione " +
             std::string(hybrid[shown - 1]);
    return s;
}

Statement shape_of_molecule()
{
    static constexpr std::array<std::string_view, 11> molecules{
        "CO@d2@", "CH@d4@", "HCN", "SF@d6@", "PF@d5@", "BF@d3@", "NH@d3@", "H@d2@S", "OF@d2@", "NF@d3@", "PH@d3@"};
    static constexpr std::string_view shapes = "ltlob3paapp";
    Statement s{{}, draw_truth()};
    // The shuffle is made whatever the truth.
    std::string shuffled(shapes);
    for (int swap = 0; swap < 100; ++swap) {
        const std::int32_t a = random_int(1, 11);
        const std::int32_t b = random_int(1, 11);
        std::swap(shuffled[a - 1], shuffled[b - 1]);
    }
    const std::int32_t i = random_int(1, 11);
    const char letter = s.truth == 1 ? shapes[i - 1] : shuffled[i - 1];
    if (letter == shapes[i - 1]) s.truth = 1;
    std::string_view word;
    switch (letter) {
    case 'p': word = " piramidale"; break;
    case 'l': word = " lineare"; break;
    case 't': word = " tetraedrica"; break;
    case 'o': word = " ottaedrica"; break;
    case 'b': word = " bipiramidale trigonale"; break;
    case '3': word = " triangolare equilatera"; break;
    default: word = " angolata"; break;
    }
    s.text = "La molecola di " + std::string(molecules[i - 1]) + " ha forma" + std::string(word);
    return s;
}

Statement oxidation_number()
{
    static constexpr std::array<std::string_view, 19> common{"H +1", "Li+1", "Be+2", "B +3", "C +4", "N +3", "N +5",
                                                             "O -2", "F -1", "Na+1", "Mg+2", "Al+3", "Si+4", "P +3",
                                                             "P +5", "S -2", "S +4", "S +6", "Cl-1"};
    static constexpr std::array<std::string_view, 19> uncommon{"H +2", "Li-1", "Be+3", "B +2", "C +5", "N -4", "O -3",
                                                               "F +1", "Na+2", "Mg+1", "Al-3", "Si+3", "P -2", "S -3",
                                                               "S +3", "S +7", "Cl-2", "Cl-3", "Br-3"};
    Statement s{{}, draw_truth()};
    const std::int32_t i = random_int(1, 19);
    const std::string_view entry = s.truth == 1 ? common[i - 1] : uncommon[i - 1];
    s.text = std::string(entry.substr(2, 2)) + " è un numero di ossidazione comune d" +
             articulated_element_name(symbol_search(entry.substr(0, 2)));
    return s;
}

Statement kind_of_solid()
{
    struct Solid {
        std::optional<CompoundKey> compound;  // none: a solid the compound table lacks
        char kind;                            // i ionic, m molecular, t metallic, c covalent
        std::string_view phrase = {};         // how the statement names a solid the table lacks
    };
    static_assert(!std::is_convertible_v<int, decltype(Solid::compound)>);
    // Diamond and graphite stand four times each.
    static constexpr std::array<Solid, 53> solids{{
        {compounds::sodium_oxide, 'i'},
        {compounds::barium_oxide, 'i'},
        {compounds::potassium_hydroxide, 'i'},
        {compounds::sodium_hydroxide, 'i'},
        {compounds::barium_hydroxide, 'i'},
        {compounds::zinc_hydroxide, 'i'},
        {compounds::sodium_chloride, 'i'},
        {compounds::zinc_chloride, 'i'},
        {compounds::sodium_sulfide, 'i'},
        {compounds::potassium_sulfide, 'i'},
        {compounds::sodium_carbonate, 'i'},
        {compounds::calcium_carbonate, 'i'},
        {compounds::sodium_hydrogen_carbonate, 'i'},
        {compounds::sodium_sulfate, 'i'},
        {compounds::ammonium_sulfate, 'i'},
        {compounds::potassium_sulfate, 'i'},
        {compounds::zinc_sulfate, 'i'},
        {compounds::sodium_nitrate, 'i'},
        {compounds::potassium_nitrate, 'i'},
        {compounds::potassium_chlorate, 'i'},
        {compounds::ammonium_chloride, 'i'},
        {{}, 'm', "Il ghiaccio"},
        {{}, 'm', "La CO@d2@ solida"},
        {{}, 'm', "Lo iodio"},
        {compounds::nitrogen, 'm'},
        {compounds::oxygen, 'm'},
        {compounds::bromine, 'm'},
        {compounds::ammonia, 'm'},
        {compounds::carbon_monoxide, 'm'},
        {compounds::hydrogen_fluoride, 'm'},
        {compounds::hydrogen_chloride, 'm'},
        {compounds::hydrogen_sulfide, 'm'},
        {compounds::benzene, 'm'},
        {compounds::methane, 'm'},
        {compounds::chloroform, 'm'},
        {compounds::carbon_tetrachloride, 'm'},
        {compounds::sodium, 't'},
        {compounds::aluminium, 't'},
        {compounds::manganese, 't'},
        {compounds::mercury, 't'},
        {compounds::copper, 't'},
        {compounds::iron, 't'},
        {compounds::silver, 't'},
        {compounds::gold, 't'},
        {compounds::lead, 't'},
        {{}, 'c', "Il diamante"},
        {{}, 'c', "La grafite"},
        {{}, 'c', "Il diamante"},
        {{}, 'c', "La grafite"},
        {{}, 'c', "Il diamante"},
        {{}, 'c', "La grafite"},
        {{}, 'c', "Il diamante"},
        {{}, 'c', "La grafite"},
    }};
    static constexpr std::string_view kinds = "imtc";
    static constexpr std::array<std::string_view, 4> kind_words{"ionico", "molecolare", "metallico", "covalente"};
    Statement s{{}, draw_truth()};
    const Solid& solid = solids[random_int(1, 53) - 1];
    if (solid.compound) {
        const std::string name = compound_name(*solid.compound);
        s.text = (!name.empty() && is_one_of(name.front(), "aeiou") ? "L'" : "Il ") + name;
        // The molecular substances here and mercury are no solids at room conditions.
        if (solid.kind == 'm' || *solid.compound == compounds::mercury) s.text += " allo stato solido";
    } else {
        s.text = solid.phrase;
    }
    std::size_t kind = kinds.find(solid.kind);
    if (s.truth == 0) {
        std::int32_t j = 0;
        do {
            j = random_int(1, 4);
        } while (kinds[j - 1] == solid.kind);
        kind = static_cast<std::size_t>(j - 1);
    }
    s.text += " è un solido " + std::string(kind_words[kind]);
    return s;
}

Statement formula_of_compound()
{
    static constexpr std::string_view changeable_digits = "23456789";
    Statement s{{}, draw_truth()};
    const std::int32_t k = draw_compound(11, 300);
    const std::string articulated = join_article_to_name(compound_name(k));
    std::string formula = compound_formula(k);
    if (s.truth == 0) {
        if (formula.find_first_of(changeable_digits) == std::string::npos) {
            const std::string subscript = random_int(1, 2) == 1 ? "@d2@" : "@d3@";
            // A two-letter first symbol takes the subscript; otherwise it goes at the end.
            if (formula.size() >= 2 && is_one_of(formula[1], "abcdefghijklmnopqrstuvxyz")) {
                formula.insert(2, subscript);
            } else {
                formula += subscript;
            }
        } else {
            const auto length = static_cast<std::int32_t>(formula.size());
            std::int32_t p = 0;
            do {
                p = random_int(1, length - 1);
            } while (!is_one_of(formula[p - 1], changeable_digits));
            formula[p - 1] = formula[p - 1] == '2' ? '3' : '2';
        }
    }
    s.text = "La formula d" + articulated + " è " + formula;
    return s;
}
