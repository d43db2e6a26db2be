// Section "Analisi elementare": problems 11 to 15, formulas worked back from
// percentages, precipitates, losses on heating, conversions and combustion.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "chapters/stoichiometry/stoichiometry_problems.h"
#include "chemistry/compound_records.h"
#include "chemistry/data_tables.h"
#include "chemistry/molar_mass.h"
#include "chemistry/table_fields.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/fixed_width.h"
#include "numbers/formatted_conversions.h"
#include "numbers/random_stream.h"
#include "numbers/value_slots.h"

namespace stoichiometry {
namespace {

// Problem 11's second source: compounds in which no element counts 1.
constexpr std::array<CompoundKey, 25> formulas_without_ones{{
    compounds::dinitrogen_trioxide,
    compounds::dinitrogen_pentoxide,
    compounds::arsenic_pentoxide,
    compounds::aluminium_oxide,
    compounds::iron_iii_oxide,
    compounds::arsenic_trioxide,
    compounds::antimony_trisulfide,
    compounds::arsenic_trisulfide,
    compounds::aluminium_sulfate,
    compounds::iron_iii_sulfate,
    compounds::chromium_iii_sulfate,
    compounds::bismuth_sulfate,
    compounds::calcium_phosphate,
    compounds::sodium_pyrophosphate,
    compounds::aluminium_orthosilicate,
    compounds::potassium_pyrosilicate,
    compounds::calcium_borate,
    compounds::calcium_arsenate,
    compounds::iodine_pentoxide,
    compounds::potassium_dichromate,
    compounds::silver_thiosulfate,
    compounds::toluene,
    compounds::propane,
    compounds::heptane,
    compounds::benzoic_acid,
}};

// Calcium hydroxide, the textbook's compound.
constexpr CompoundKey textbook_compound_11 = compounds::calcium_hydroxide;

// A sample of 0.01 to 99.9 g into slot 1, the mantissa drawn first.
void draw_sample_mass(std::int32_t digits)
{
    set_slot_digits(1, draw_scaled_mantissa_first(-2, 1), digits);
}

bool has_count_one(std::int32_t k)
{
    for (std::int32_t g = 1; g <= composition_groups(k); ++g)
        if (group_count(k, g) == 1) return true;
    return false;
}

std::int32_t draw_compound_11()
{
    std::int32_t k = 0;
    draw_until_accepted([&] {
        const bool from_list = random_real(0.0f, 1.0f) > 0.8f;
        if (from_list) {
            k = formulas_without_ones[static_cast<std::size_t>(random_int(1, 25) - 1)];
            return true;
        }
        k = random_int(11, compound_slots);
        if (!is_drawable_compound(k)) return false;
        random_int(1, composition_groups(k));  // kept for the versions
        return has_count_one(k);
    });
    return k;
}

// The formula written from the composition: "Ca01O 02H 02" gives
// CaO@d2@H@d2@.
std::string formula_of_composition(std::int32_t k)
{
    std::string formula;
    for (std::int32_t g = 1; g <= composition_groups(k); ++g) {
        const std::string group = composition_group(k, g);
        formula += strip_trailing_blanks(std::string_view(group).substr(0, 2));
        std::string_view count = std::string_view(group).substr(2, 2);
        if (count == "01") continue;
        if (count.front() == '0') count.remove_prefix(1);
        formula += "@d" + std::string(count) + "@";
    }
    return formula;
}

// The formula with its metal written X: "KOH" gives XOH, "Ca(OH)@d2@"
// X(OH)@d2@.
std::string hidden_metal_formula(std::int32_t k)
{
    const std::string formula = compound_formula(k);
    const bool one_letter = record_columns(compound_record(k), 82, 82) == " ";
    return "X" + formula.substr(one_letter ? 1 : 2);
}

struct Halogen {
    std::string_view name;         // " cloro"
    std::string_view silver_salt;  // composition of its silver halide
    std::string_view atom;
    std::string_view salt_word;  // " cloruro"
    std::string_view symbol;     // two characters
};

constexpr std::array<Halogen, 3> halogens{{
    {" cloro", "Ag01Cl01", "Cl01", " cloruro", "Cl"},
    {" bromo", "Ag01Br01", "Br01", " bromuro", "Br"},
    {" iodio", "Ag01I 01", "I 01", " ioduro", "I "},
}};

// Problem 14's salts by row: entries of four characters, the compound
// number in three and its metal's valence in the fourth. Only the alkali
// metals' hydrogencarbonates exist as solids: they fill the places of
// magnesium's, calcium's and zinc's, so that the draws stay.
struct SaltRow {
    std::string_view entries;
    std::string_view class_word;
};

constexpr std::array<SaltRow, 9> salt_rows{{
    {"17111733176317731783", " solfato"},
    {"17421792181218221832", " solfato"},
    {"18011841", " solfato"},
    {"13111321133213421352", " solfuro"},
    {"13621373138313921402", " solfuro"},
    {"141214211432", " solfuro"},
    {"15111521153215421552", " carbonato"},
    {"16111621161116211611", " bicarbonato"},
    {" 223 294 362 382 403", " ossido"},
}};

// Copper(II) and iron(III) oxidise iodide: their salts become the bromide.
std::int32_t halogen_shown(std::int32_t k, std::int32_t valence, std::int32_t halogen)
{
    constexpr std::int32_t bromine = 2;
    constexpr std::int32_t iodine = 3;
    const std::string_view metal = record_columns(compound_record(k), 81, 82);
    const bool oxidising = (metal == "Cu" && valence == 2) || (metal == "Fe" && valence == 3);
    return oxidising && halogen == iodine ? bromine : halogen;
}

bool is_sulfide_row(std::int32_t row)
{
    return row >= 4 && row <= 6;
}

// Metal and sulfur counts of the sulfide of a metal of valence v (1 to 4).
constexpr std::array<std::string_view, 4> sulfide_counts = {"02S 01", "01S 01", "02S 03", "01S 02"};

// Problem 13's compounds lose water or carbon dioxide on heating: the
// hydroxides and carbonates of sodium, potassium and caesium melt unchanged,
// and silver hydroxide is no solid to weigh.
bool loses_weight_on_heating(std::int32_t k)
{
    const std::string_view metal = record_columns(compound_record(k), 81, 82);
    return metal != "Na" && metal != "K " && metal != "Cs" && metal != "Ag";
}

// The metals a student would name for each valence, 1 to 4, two
// characters a symbol.
constexpr std::array<std::string_view, 4> common_metals{
    "LiNaK RbCsCuAgTl",
    "BeMgCaSrBaCrMnFeCoNiCuZnCdSnHgPb",
    "B AlScV CrFeCoGaAsY InSbLaAuBi",
    "SiTiMnGeZrSnCePb",
};

double atomic_mass_of(std::string_view symbol)
{
    return composition_molar_mass(std::string(symbol) + "01");
}

// Whether the printed sample (slot 1) and product (slot 2) name compound k
// alone: no other metal of its formula type in the compound table, nor a
// common metal of its valence, has an atomic mass within the spread that
// the data, each moved both ways by three units of its last digit, leave
// to the metal's mass_from (sample, product).
template <typename MassFrom>
bool data_name_the_metal(std::int32_t k, std::int32_t valence, MassFrom mass_from)
{
    const double sample = slot_value_as_shown(1);
    const double product = slot_value_as_shown(2);
    const double mass = mass_from(sample, product);
    const auto moved = [&](double s, double p) { return std::abs(mass_from(s, p) - mass); };
    // Three units of the last digit printed, or of the digit before where
    // the rounding carried into a new power of ten (0.100 for 0.0996): wider,
    // so that the versions keep the draws they had before the carry kept
    // its place.
    const auto printed_uncertainty = [](std::int32_t slot) {
        const double shown_exponent = std::floor(std::log10(std::abs(slot_value_as_shown(slot))));
        const bool carried = shown_exponent > std::floor(std::log10(std::abs(slot_value(slot))));
        return 3.0 * std::pow(10.0, shown_exponent - slot_digits(slot) + (carried ? 2 : 1));
    };
    const double u1 = printed_uncertainty(1);
    const double u2 = printed_uncertainty(2);
    const double spread = std::max(moved(sample + u1, product), moved(sample - u1, product)) +
                          std::max(moved(sample, product + u2), moved(sample, product - u2));
    const std::string_view metal = record_columns(compound_record(k), 81, 82);
    const auto fits = [&](std::string_view other) {
        return other != metal && std::abs(atomic_mass_of(other) - mass) <= spread;
    };
    const std::string_view common = common_metals[static_cast<std::size_t>(valence - 1)];
    for (std::size_t i = 0; i + 2 <= common.size(); i += 2)
        if (fits(common.substr(i, 2))) return false;
    const std::string formula = hidden_metal_formula(k);
    for (std::int32_t other = 1; other <= compound_slots; ++other)
        if (is_filled_compound(other) && hidden_metal_formula(other) == formula &&
            fits(record_columns(compound_record(other), 81, 82)))
            return false;
    return true;
}

}  // namespace

void generate_problem_11()
{
    skip_random_draws(1);
    const std::int32_t k = app_state.version_number == text_version ? textbook_compound_11 : draw_compound_11();
    const std::int32_t groups = composition_groups(k);
    const std::int32_t rest = random_int(1, groups);
    const float mass = composition_molar_mass(compound_composition(k));
    std::string& text = problem_texts.problem_text;
    text = "Calcolare la formula minima di un composto contenente";
    for (std::int32_t g = 1; g <= groups; ++g) {
        if (g == rest) continue;
        const float share = 100.0f * composition_molar_mass(composition_group(k, g)) / mass;
        const std::int32_t d = random_int(2, 4);
        // d + 1 significant digits.
        set_slot_uncertainty(1, share, share / power_of_ten(d));
        append_piece(text, " " + slot_text(1) + "% di " + element_name(group_element(k, g)) + ", ");
    }
    text.resize(strip_trailing_blanks(text).size() - 1);
    text += " e costituito per la parte rimanente da " + element_name(group_element(k, rest)) + ".";
    problem_texts.answer_text = formula_of_composition(k);
    draw_problem_text(180, 500, 50);
    show_chemistry_fact(180, 160, 280);
}

void generate_problem_12()
{
    skip_random_draws(1);
    const Halogen& halogen =
        halogens[static_cast<std::size_t>(pick_problem_variant(3, stoichiometry_state.last_draw[12], 0) - 1)];
    draw_sample_mass(3);
    const float salt = composition_molar_mass(halogen.silver_salt);
    const float atom = composition_molar_mass(halogen.atom);
    set_slot_digits(2, random_real(20.0f, 80.0f), 3);
    const float precipitate = slot_value(2) / (100.0f * atom) * slot_value(1) * salt;
    set_slot_uncertainty(3, precipitate,
                         (slot_uncertainty(2) / slot_value(2) + slot_uncertainty(1) / slot_value(1)) * precipitate);
    std::string& text = problem_texts.problem_text;
    text = "Calcolare la percentuale di";
    text += std::string(halogen.name) + " in un materiale sapendo che da un campione di " + slot_text(1) +
            " g di materiale possono essere precipitati " + slot_text(3) + " g di" + std::string(halogen.salt_word) +
            " di argento";
    // The percentage drawn is not what the masses shown give; it has the
    // digits they carry, the precipitate's as printed three units of its
    // last digit, as every datum's.
    convert_data_slot(3, slot_digits_from_text);
    const double share = 100.0 * atom / salt;
    set_slot_from_data(4, {1, 3}, [share](const std::vector<double>& d) { return d[1] * share / d[0]; });
    problem_texts.answer_text = slot_text(4) + "%";
    draw_problem_text(160, 580, 60);
    show_chemistry_fact(270, 160, 280);
}

void generate_problem_13()
{
    skip_random_draws(3);
    bool hydroxide = true;
    std::int32_t k = 0;
    // Drawn again while the data leave a second metal as likely.
    draw_until_accepted([&] {
        draw_until_accepted([&] {
            hydroxide = random_int(1, 2) == 1;
            k = hydroxide ? random_int(51, 70) : random_int(151, 160);
            return is_filled_compound(k) && loses_weight_on_heating(k) && !repeats_last_draw(13, k);
        });
        const float mass = composition_molar_mass(compound_composition(k));
        draw_sample_mass(3);
        // A hydroxide loses one water per two hydrogens, a carbonate one
        // carbon dioxide per carbon.
        const float lost = hydroxide ? static_cast<float>(group_count(k, 3)) / (2.0f * mass) * slot_value(1) *
                                           composition_molar_mass("H 02O 01")
                                     : static_cast<float>(group_count(k, 2)) / mass * slot_value(1) *
                                           composition_molar_mass("C 01O 02");
        set_slot_uncertainty(2, lost, lost / slot_value(1) * slot_uncertainty(1));
        // The metal's atomic mass from the formula mass that the loss gives.
        const std::int32_t metals = group_count(k, 1);
        const std::int32_t lost_groups = hydroxide ? group_count(k, 3) : 2 * group_count(k, 2);
        const double lost_per_group =
            hydroxide ? composition_molar_mass("H 02O 01") / 2.0 : composition_molar_mass("C 01O 02") / 2.0;
        const double rest = mass - composition_molar_mass(composition_group(k, 1));
        return data_name_the_metal(k, lost_groups / metals, [&](double sample, double loss) {
            return (sample * lost_groups * lost_per_group / loss - rest) / metals;
        });
    });
    stoichiometry_state.last_draw[13] = k;
    const std::string kind = hydroxide ? " idrossido" : " carbonato";
    problem_texts.problem_text = "Un campione di " + slot_text(1) + " g di un" + kind + " di formula " +
                                 hidden_metal_formula(k) +
                                 " subisce per decomposizione termica una perdita in peso pari a " + slot_text(2) +
                                 " g. Di quale" + kind + " si tratta?";
    problem_texts.answer_text = compound_formula(k);
    draw_problem_text(160, 580, 50);
    show_chemistry_fact(180, 160, 360);
}

void generate_problem_14()
{
    skip_random_draws(2);
    std::int32_t salt_class = 0;
    std::int32_t halogen = 0;
    std::int32_t row = 0;
    std::int32_t valence = 0;
    std::int32_t k = 0;
    std::string_view target_word;
    // Drawn again while the data leave a second metal as likely.
    draw_until_accepted([&] {
        draw_until_accepted([&] {
            salt_class = random_int(1, 5);
            if (repeats_last_draw(14, salt_class)) return false;
            halogen = random_int(1, 3);
            if (app_state.version_number == no_version && halogen == stoichiometry_state.last_halogen) return false;
            if (salt_class == 1)
                row = random_int(1, 3);
            else if (salt_class == 2)
                row = random_int(4, 6);
            else
                row = salt_class + 4;
            const std::int32_t e = random_int(1, 5);
            const std::string_view entry =
                record_columns(salt_rows[static_cast<std::size_t>(row - 1)].entries, 4 * e - 3, 4 * e);
            if (entry.size() < 4 || entry[3] == ' ') return false;
            k = read_i(entry.substr(0, 3)).value_or(0);
            valence = entry[3] - '0';
            if (!is_filled_compound(k)) return false;
            return app_state.version_number != no_version ||
                   halogen_shown(k, valence, halogen) != stoichiometry_state.last_halogen;
        });
        const std::int32_t shown = halogen_shown(k, valence, halogen);
        const std::string metal(record_columns(compound_record(k), 81, 82));
        std::string target = metal + "01" + std::string(halogens[static_cast<std::size_t>(shown - 1)].symbol) + " " +
                             std::to_string(valence);
        target_word = halogens[static_cast<std::size_t>(shown - 1)].salt_word;
        // Iron(III) sulfide falls apart: its salts keep the halide.
        const bool iron_iii = metal == "Fe" && valence == 3;
        if (!is_sulfide_row(row) && random_int(1, 3) == 1 && !iron_iii) {
            target = metal + std::string(sulfide_counts[static_cast<std::size_t>(valence - 1)]);
            target_word = " solfuro";
        }
        draw_sample_mass(4);
        const float source = composition_molar_mass(compound_composition(k));
        const float source_metal = composition_molar_mass(composition_group(k, 1));
        const float product = composition_molar_mass(target);
        const float product_metal = composition_molar_mass(std::string_view(target).substr(0, 4));
        const float converted = (source_metal / source) * (product / product_metal) * slot_value(1);
        set_slot_uncertainty(2, converted, converted / slot_value(1) * slot_uncertainty(1));
        // Per atom of metal of atomic mass A the sample weighs A + rs and
        // the product A + rp: A from their ratio.
        const double rs = (source - source_metal) / group_count(k, 1);
        const double rp = (product - product_metal) / (read_i(std::string_view(target).substr(2, 2)).value_or(1));
        return data_name_the_metal(k, valence, [&](double m, double p) { return (m * rp - p * rs) / (p - m); });
    });
    stoichiometry_state.last_draw[14] = salt_class;
    stoichiometry_state.last_halogen = halogen_shown(k, valence, halogen);
    const std::string class_word(salt_rows[static_cast<std::size_t>(row - 1)].class_word);
    problem_texts.problem_text = "Un campione di " + slot_text(1) + " g di un" + class_word + " di formula " +
                                 hidden_metal_formula(k) + " viene trasformato quantitativamente in " + slot_text(2) +
                                 " g del corrispondente" + std::string(target_word) + ". Di quale" + class_word +
                                 " si tratta?";
    problem_texts.answer_text = compound_formula(k);
    draw_problem_text(160, 580, 60);
    show_chemistry_fact(180, 160, 280);
}

void generate_problem_15()
{
    skip_random_draws(3);
    std::int32_t c = 0;
    std::int32_t h = 0;
    std::int32_t o = 0;
    draw_until_accepted([&] {
        c = random_int(4, 12);
        h = random_int(c, 2 * c + 2);
        o = random_int(0, 3);
        if (o == 0) {
            h = 2 * c + 2;
            const float r = random_real(0.0f, 1.0f);
            if (r < 0.1f) h = 2 * c;
            if (r < 0.05f) h = c;
        }
        // Lowest terms, the divisors tried from the largest count down.
        for (std::int32_t d = o == 0 ? c : o; d >= 2; --d) {
            if (c % d == 0 && h % d == 0 && o % d == 0) {
                c /= d;
                h /= d;
                o /= d;
            }
        }
        return !repeats_last_draw(15, o);
    });
    stoichiometry_state.last_draw[15] = o;
    const float mass = chno_molar_mass(c, h, 0, o);
    draw_sample_mass(3);
    const float water = static_cast<float>(h) / (2.0f * mass) * slot_value(1) * composition_molar_mass("H 02O 01");
    set_slot_uncertainty(2, water, water / slot_value(1) * slot_uncertainty(1));
    const float dioxide = static_cast<float>(c) / mass * slot_value(1) * composition_molar_mass("C 01O 02");
    set_slot_uncertainty(3, dioxide, dioxide / slot_value(1) * slot_uncertainty(1));
    problem_texts.problem_text = slot_text(1) +
                                 " g di un composto organico bruciano totalmente in presenza di un eccesso di ossigeno "
                                 "producendo " +
                                 slot_text(3) + " g di CO@d2@ e " + slot_text(2) +
                                 " g di H@d2@O. Qual è la formula minima del composto?";
    // A count of 1 is written as no subscript at all.
    const auto atoms = [](std::string_view symbol, std::int32_t n) {
        if (n == 0) return std::string();
        return std::string(symbol) + (n == 1 ? std::string() : "@d" + std::to_string(n) + "@");
    };
    problem_texts.answer_text = atoms("C", c) + atoms("H", h) + atoms("O", o);
    draw_problem_text(160, 580, 50);
    show_chemistry_fact(180, 180, 380);
}

}  // namespace stoichiometry
