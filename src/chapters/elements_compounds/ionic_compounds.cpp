// Section "Composti ionici": problems 17 to 19, formulas from ion charges.
#include <array>
#include <string>
#include <string_view>

#include "chapters/elements_compounds/elements_compounds_problems.h"
#include "chemistry/table_fields.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/fixed_width.h"
#include "numbers/random_stream.h"

namespace elements_compounds {
namespace {

// Ions of three characters: a symbol of two and a one-digit charge.
constexpr std::string_view common_cations = "Li1Na1Mg2K 1Ca2Rb1Sr2Cs1Ba2Al3";
constexpr std::string_view common_anions = "O 2F 1S 2Cl1Br1I 1";
constexpr std::string_view usual_cations = "Sc3Cr3Mn2Fe3Ni2Zn2Ga3In3Tl1Sn2Pb2Bi3";
constexpr std::string_view binary_anions = "O 2F 1S 2Cl1Br1";
// The same elements with a charge their stable compounds do not have, but
// for chromium(II), whose halides and sulfide are well known.
constexpr std::string_view unusual_cations = "Sc2Cr2Mn1Fe1Ni3Zn1Ga2In2Tl2Sn1Pb3Bi2";
constexpr std::string_view salt_cations = "Li1Na1Mg2K 1Ca2Rb1Sr2Cs1Ba2Al3Sc3Cr3Mn2Fe3Ni2Zn2In3Sn2Pb2Bi3";

struct PolyatomicAnion {
    std::string_view name;  // closes the question
    std::string_view formula;
    char charge;
};
constexpr std::array<PolyatomicAnion, 5> polyatomic_anions{{
    {" idrossido?", "OH", '1'},
    {" carbonato?", "CO@d3@", '2'},
    {" nitrato?", "NO@d3@", '1'},
    {" solfato?", "SO@d4@", '2'},
    {" ortofosfato?", "PO@d4@", '3'},
}};

struct Ion {
    std::string_view symbol;  // two characters, blank-filled
    char charge;
};

Ion ion(std::string_view list, std::int32_t r)
{
    const std::string_view record = record_at(list, 3, r);
    return {record.substr(0, 2), record[2]};
}

std::string ion_name(const Ion& ion)
{
    return element_name(element_of_symbol(ion.symbol));
}

// Each ion takes the other's charge as its subscript; the lists hold no
// charges with a common factor other than equal ones.
struct Subscripts {
    char cation;
    char anion;
};
Subscripts crossed_charges(char cation_charge, char anion_charge)
{
    if (cation_charge == anion_charge) return {'1', '1'};
    return {anion_charge, cation_charge};
}

std::string binary_formula(const Ion& cation, const Ion& anion)
{
    const Subscripts s = crossed_charges(cation.charge, anion.charge);
    return std::string(strip_trailing_blanks(cation.symbol)) + count_subscript(s.cation) +
           std::string(strip_trailing_blanks(anion.symbol)) + count_subscript(s.anion);
}

// A cation record and a second draw, both drawn again while "Nessuna
// Versione" would repeat the cation of the previous visit.
std::int32_t draw_cation(std::int32_t problem, std::int32_t cations, std::int32_t others, std::int32_t& other)
{
    return draw_without_repeat(problem, [&] {
        const std::int32_t a = random_int(1, cations);
        other = random_int(1, others);
        return a;
    });
}

}  // namespace

void generate_problem_17()
{
    skip_random_draws(1);
    std::int32_t b = 0;
    const Ion cation = ion(common_cations, draw_cation(17, 10, 6, b));
    const Ion anion = ion(common_anions, b);
    problem_texts.problem_text =
        "Qual è la formula del composto ionico formato da " + ion_name(cation) + " e " + ion_name(anion) + "?";
    problem_texts.answer_text = binary_formula(cation, anion);
    draw_problem_text(220, 560, 50);
    show_chemistry_fact(200, 160, 300);
}

void generate_problem_18()
{
    skip_random_draws(3);
    std::int32_t b = 0;
    const std::int32_t a = draw_cation(18, 12, 5, b);
    const bool usual = random_int(1, 2) == 1;
    const Ion cation = ion(usual ? usual_cations : unusual_cations, a);
    const Ion anion = ion(binary_anions, b);
    problem_texts.problem_text = "Ci si aspetta che " + ion_name(cation) + " e " + ion_name(anion) +
                                 " formino un composto ionico stabile di formula " + binary_formula(cation, anion) +
                                 "?";
    const bool chromium_2 = cation.symbol == "Cr" && anion.symbol != "O ";
    problem_texts.answer_text = usual || chromium_2 ? "Sì" : "No";
    draw_problem_text(180, 530, 50);
    show_chemistry_fact(240, 160, 300);
}

void generate_problem_19()
{
    skip_random_draws(5);
    std::int32_t b = 0;
    const Ion cation = ion(salt_cations, draw_cation(19, 20, 5, b));
    const PolyatomicAnion& anion = polyatomic_anions[b - 1];
    problem_texts.problem_text = "Qual è la formula attesa per il composto ionico formato da ioni " + ion_name(cation) +
                                 " e ioni" + std::string(anion.name);
    const Subscripts s = crossed_charges(cation.charge, anion.charge);
    std::string& formula = problem_texts.answer_text;
    formula = std::string(strip_trailing_blanks(cation.symbol)) + count_subscript(s.cation);
    if (s.anion == '1')
        formula += anion.formula;
    else
        formula += "(" + std::string(anion.formula) + ")" + count_subscript(s.anion);
    draw_problem_text(250, 560, 60);
    show_chemistry_fact(200, 160, 360);
}

}  // namespace elements_compounds
