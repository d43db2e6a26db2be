// Section "Atomi e massa atomica": problems 1 to 5.
#include <array>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "chapters/elements_compounds/elements_compounds_problems.h"
#include "chapters/elements_compounds/isotope_pairs.h"
#include "chemistry/data_tables.h"
#include "chemistry/element_draws.h"
#include "chemistry/isotope_list.h"
#include "chemistry/table_fields.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/random_stream.h"

namespace elements_compounds {
namespace {

struct MassUnit {
    std::string_view name;
    float grams;
};

// Only the first five are drawn.
constexpr std::array<MassUnit, 6> mass_units{{
    {"pg", 1e-12f},
    {"ng", 1e-9f},
    {"µg", 1e-6f},
    {"mg", 1e-3f},
    {"g", 1.0f},
    {"kg", 1000.0f},
}};

struct TwoElements {
    std::int32_t a;
    std::int32_t b;
};

// Two different elements; the first never repeats the previous visit's.
template <typename Draw>
TwoElements draw_two_elements(std::int32_t problem, Draw draw)
{
    TwoElements e{0, 0};
    do {
        e.a = draw();
        if (repeats_last_draw(problem, e.a)) continue;
        e.b = draw();
    } while (repeats_last_draw(problem, e.a) || e.b == e.a);
    elements_compounds_state.last_draw[problem] = e.a;
    return e;
}

// An element, drawn among the first 50 half of the time.
std::int32_t draw_common_element()
{
    std::int32_t z = random_int(1, 103);
    if (random_int(1, 2) == 1) z = random_int(1, 50);
    return z;
}

// The mass in kg of slot `from`, which holds it in atomic mass units.
void set_slot_kilograms(std::int32_t slot, std::int32_t from)
{
    const float unit = physical_constants().atomic_mass_unit;
    set_slot_uncertainty(slot, slot_value(from) * unit, slot_uncertainty(from) * unit);
}

}  // namespace

// Masses: the atomic mass evaluation AME2020 (Wang et al., 2021).
// Abundances: IUPAC's representative isotopic compositions (CIAAW), each
// within what the element's standard atomic weight allows; potassium 40's
// 0.0117 % goes to potassium 41, so that the pair adds up to 100.
constexpr std::array<IsotopePair, 20> isotope_pairs{{
    {"H", {"1", "99.985", "1.007825"}, {"2", "0.015", "2.0141"}},
    {"Li", {"6", "7.42", "6.01512"}, {"7", "92.58", "7.01600"}},
    {"B", {"10", "19.78", "10.0129"}, {"11", "80.22", "11.00931"}},
    {"C", {"12", "98.89", "12.000000"}, {"13", "1.11", "13.00335"}},
    {"N", {"14", "99.63", "14.00307"}, {"15", "0.37", "15.00011"}},
    {"Cl", {"35", "75.76", "34.96885"}, {"37", "24.24", "36.966"}},
    {"K", {"39", "93.26", "38.96371"}, {"41", "6.74", "40.9618"}},
    {"V", {"50", "0.250", "49.9472"}, {"51", "99.750", "50.9440"}},
    {"Cu", {"63", "69.09", "62.9296"}, {"65", "30.91", "64.9278"}},
    {"Ga", {"69", "60.11", "68.9256"}, {"71", "39.89", "70.9247"}},
    {"Br", {"79", "50.54", "78.9183"}, {"81", "49.46", "80.9163"}},
    {"Rb", {"85", "72.15", "84.9118"}, {"87", "27.85", "86.909"}},
    {"Ag", {"107", "51.84", "106.90509"}, {"109", "48.16", "108.9048"}},
    {"In", {"113", "4.28", "112.9041"}, {"115", "95.72", "114.9039"}},
    {"Sb", {"121", "57.25", "120.9038"}, {"123", "42.75", "122.9042"}},
    {"La", {"138", "0.089", "137.9071"}, {"139", "99.911", "138.9064"}},
    {"Eu", {"151", "47.82", "150.9199"}, {"153", "52.18", "152.9212"}},
    {"Ta", {"180", "0.012", "179.947"}, {"181", "99.988", "180.9480"}},
    {"Re", {"185", "37.40", "184.9530"}, {"187", "62.60", "186.9558"}},
    {"Ir", {"191", "37.3", "190.9606"}, {"193", "62.7", "192.9629"}},
}};

void generate_problem_1()
{
    skip_random_draws(1);
    const auto [a, b] = draw_two_elements(1, [] { return random_int(1, 103); });
    problem_texts.problem_text =
        "Utilizzando una tabella o il controllo @C3@Proprietà degli Elementi@C1@ del menu @C3@Dati@C1@, "
        "trovare il simbolo d" +
        articulated_element_name(a) + " e a quale elemento corrisponde il simbolo " + element_symbol(b);
    problem_texts.answer_text = element_symbol(a) + "; " + element_name(b);
    draw_problem_text(180, 500, 50);
    show_chemistry_fact(200, 160, 300);
}

void generate_problem_2()
{
    skip_random_draws(1);
    const auto [a, b] = draw_two_elements(2, draw_common_element);
    problem_texts.problem_text = "@T1@@C1@Quanti protoni sono contenuti nel nucleo di un atomo di " + element_name(a) +
                                 "? Quanti elettroni vi sono in un atomo neutro di " + element_name(b) + "?";
    problem_texts.answer_text = whole_number_text(a) + "; " + whole_number_text(b);
    draw_problem_text(230, 550, 50);
    show_chemistry_fact(180, 160, 360);
}

void generate_problem_3()
{
    skip_random_draws(2);
    const IsotopeName& isotope = isotope_list[pick_problem_variant(80, elements_compounds_state.last_draw[3], 0) - 1];
    const std::int32_t z = element_of_symbol(isotope.symbol);
    const std::int32_t neutrons = isotope.mass_number - z;
    problem_texts.problem_text = "Quanti protoni e quanti neutroni sono presenti in un nucleo di @u" +
                                 std::to_string(isotope.mass_number) + "@" + std::string(isotope.symbol) + "?";
    std::string neutron_part;
    if (neutrons == 1) neutron_part = " e un neutrone";
    if (neutrons > 1) neutron_part = " e " + std::to_string(neutrons) + " neutroni";
    problem_texts.answer_text = (z == 1 ? std::string("Un protone") : std::to_string(z) + " protoni") + neutron_part;
    draw_problem_text(180, 500, 50);
    show_chemistry_fact(200, 140, 360);
}

void generate_problem_4()
{
    skip_random_draws(1);
    const std::int32_t r = draw_without_repeat(4, [] { return 2 * random_int(1, 20) - 1; });
    const IsotopePair& pair = isotope_pairs[(r - 1) / 2];
    const std::int32_t z = element_of_symbol(pair.symbol);
    const std::string name = element_name(z);
    const std::string symbol(pair.symbol);

    set_slot_text(1, pair.first.mass);
    set_slot_kilograms(2, 1);
    set_slot_text(3, pair.second.mass);
    set_slot_kilograms(4, 3);
    std::string& text = problem_texts.problem_text;
    text = (std::string_view("aeiou").find(name.front()) != std::string_view::npos ? "L'" : "Il ") + name +
           " naturale è costituito dai due isotopi @u" + std::string(pair.first.mass_number) + "@" + symbol + " e @u" +
           std::string(pair.second.mass_number) + "@" + symbol + ", di massa rispettivamente pari a " + slot_text(2) +
           " kg e " + slot_text(4) + " kg. Calcolare la massa media degli atomi di " + name +
           ", sapendo che la percentuale in atomi del";
    const bool first_given = random_int(1, 2) == 1;
    const NaturalIsotope& given = first_given ? pair.first : pair.second;
    text +=
        std::string(first_given ? " primo" : " secondo") + " isotopo è pari a " + std::string(given.abundance) + "%";

    // The other isotope makes up the rest: the mean moves with the given
    // percentage only by its share of the mass difference.
    set_slot_text(1, given.abundance);
    set_slot_from_data(5, {1, 2, 4}, [first_given](const std::vector<double>& d) {
        const double first_share = 0.01 * (first_given ? d[0] : 100.0 - d[0]);
        return first_share * d[1] + (1.0 - first_share) * d[2];
    });
    problem_texts.answer_text = slot_text(5) + " kg";
    draw_problem_text(170, 560, 50);
    show_chemistry_fact(200, 160, 360);
}

void generate_problem_5()
{
    skip_random_draws(1);
    const MassUnit& unit = mass_units[random_int(1, 5) - 1];
    const std::int32_t z = draw_element_of_known_mass();

    const float avogadro = physical_constants().avogadro_number;
    set_slot_text(1, element_field(z, 21, 30));
    set_slot_uncertainty(1, slot_value(1) / avogadro, slot_uncertainty(1) / avogadro);
    float sample = random_real(1.0f, 100.0f);
    // The second draw is made even when the element alone decides.
    if (random_int(1, 2) == 1 || (z > 56 && z < 74)) sample = random_real(0.001f, 1.0f);
    set_slot_digits(2, sample, random_int(2, 5));

    problem_texts.problem_text =
        "Utilizzando la voce @C3@Proprietà degli Elementi@C1@ del menu @C3@Dati@C1@, esprimere in grammi la "
        "massa media degli atomi di " +
        element_name(z) + " e calcolare quanti atomi sono contenuti in " + slot_text(2) + " " + std::string(unit.name) +
        " di questo elemento";
    const float atoms = unit.grams / slot_value(1) * slot_value(2);
    const float uncertainty =
        (std::fabs(slot_uncertainty(2) / slot_value(2)) + std::fabs(slot_uncertainty(1) / slot_value(1))) *
        std::fabs(atoms);
    set_slot_uncertainty(3, atoms, uncertainty);
    problem_texts.answer_text = slot_text(1) + " g; " + slot_text(3);
    draw_problem_text(160, 580, 45);
    show_chemistry_fact(270, 160, 280);
}

}  // namespace elements_compounds
