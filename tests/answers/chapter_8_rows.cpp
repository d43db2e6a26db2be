// Chapter 8, electrochemistry: each numeric answer from its page.
#include <cmath>
#include <map>
#include <numeric>
#include <string>

#include "answer_table.h"
#include "support/text_patterns.h"

namespace answer_table::chapter_8 {

// The Nernst slope at 25 °C the book teaches, V (RT ln10/F = 0.05916).
constexpr double nernst = 0.0592;
// The gas constant the book's chapter works with, L atm/(mol K).
constexpr double book_gas_constant = 0.08205;

double concentration(const Page& p, const std::string& ion)
{
    return p.datum("\\[" + literal(ion) + "\\] = NUM");
}

// The electrons a half-reaction "Ox + ne = Red" takes.
int electrons(const std::string& half)
{
    const std::string n = testing_support::find_first(half, R"(\+ ([0-9]*)e =)")->groups[1];
    return n.empty() ? 1 : std::stoi(n);
}

// The charge of an ion as printed ("Hg@u2+@": 2).
int charge(const std::string& ion)
{
    const auto found = testing_support::find_first(ion, R"(@u([0-9]?)[+-]@)");
    return !found ? 0 : found->groups[1].empty() ? 1 : std::stoi(found->groups[1]);
}

// log10 of a reaction's quotient from the statement: ions from their
// printed concentrations, H+ from the pH, gases at 1 atm, solids out.
double log_quotient(const Page& p, const std::string& reaction)
{
    double sum = 0.0;
    double side = -1.0;
    for (const auto& term : testing_support::find_all(reaction, R"(([0-9]*)([^ ]+)( = | \+ |$))")) {
        const double coefficient = term[1].empty() ? 1.0 : std::stod(term[1]);
        const std::string& species = term[2];
        if (species == "H@u+@")
            sum += side * coefficient * -p.datum("pH (?:è )?NUM");
        else if (charge(species) != 0)
            sum += side * coefficient * std::log10(concentration(p, species));
        if (term[3] == " = ") side = 1.0;
    }
    return sum;
}

std::string cell_reaction(const Page& p)
{
    return p.text(R"(sulla reazione (.+?)(?: \(@bD@| è pari))");
}

// The potential of the cell of 8.6 as written: its sign from the words.
double cell_potential(const Page& p)
{
    const double e = p.datum("è pari a NUM V");
    return p.has("senso inverso") ? -e : e;
}

double standard_of_cell(const Page& p)
{
    return cell_potential(p) + nernst / 2.0 * log_quotient(p, cell_reaction(p));
}

// The standard potential of the reaction of 8.9: the couple whose oxidised
// form stands on the left is reduced; the hydrogen electrode, never stated,
// is zero.
double log_constant(const Page& p)
{
    const std::string reaction = p.text("della reazione (.+)$");
    const std::string left = " " + reaction.substr(0, reaction.find(" = ")) + " ";
    const auto halves = testing_support::find_all(p.text("^(.+?)(?:, @iE@|, i valori)"), R"(([^ ]+) \+ ([0-9]*)e = )");
    double standard = 0.0;
    int n = halves.size() == 1 ? 2 : 1;
    for (std::size_t i = 0; i < halves.size(); ++i) {
        const double e = i == 0 ? p.datum("(?:@u0@ = |uguali a )NUM V") : p.datum("V e NUM V");
        standard += testing_support::contains_match(left, "[ 0-9]" + literal(halves[i][1]) + " ") ? e : -e;
        n = std::lcm(n, halves[i][2].empty() ? 1 : std::stoi(halves[i][2]));
    }
    return n * standard / nernst;
}

// The concentration of the first electrode of 8.12 from the signed
// potential difference to the second's.
double first_concentration(const Page& p)
{
    const double n = charge(p.text(R"(\[(X@u[0-9]?\+@)\])"));
    const double sign = p.has("V maggiore") ? 1.0 : -1.0;
    const double difference = p.difference("è di NUM V");
    return p.datum(R"(\] = NUM M)") * std::pow(10.0, sign * n * difference / nernst);
}

double solubility_product(const Page& p)
{
    const std::string formula = p.text("satura di ([^ ]+)");
    const double b = formula.ends_with("@d2@") ? 2.0 : 1.0;
    const double n = charge(p.text(R"(\[([A-Za-z]+@u[0-9]?\+@)\])"));
    const double saturated = p.datum(R"(\] = NUM M)") * std::pow(10.0, -n * p.datum("pari a NUM V") / nernst);
    return std::pow(b, b) * std::pow(saturated, 1.0 + b);
}

double complex_constant(const Page& p)
{
    const double m = std::stod(p.text("complesso XCl@d([0-9])@"));
    const double z = charge(p.text("(X@u[0-9]?\\+@) e Cl"));
    const double v_ion = p.datum("Mescolando NUM mL");
    const double c_ion = p.datum("mL di X@u[0-9]?\\+@ NUM M");
    const double v_chloride = p.datum("M con NUM mL");
    const double c_chloride = p.datum("mL di Cl@u-@ NUM M");
    const double e = p.datum("potenziale NUM V");
    const double reference = p.datum(R"(\] = NUM M)");
    const double free_ion = reference * std::pow(10.0, -z * e / nernst);
    const double volume = v_ion + v_chloride;
    const double bound = c_ion * v_ion / volume - free_ion;
    const double chloride = c_chloride * v_chloride / volume - m * bound;
    const double formation = bound / (std::pow(chloride, m) * free_ion);
    return p.has(R"(reazione X@u[0-9]?\+@ \+)") ? formation : 1.0 / formation;
}

const char* const three_at_most = "three digits at most, the count the problem fixes";
const char* const two_at_most = "two digits at most, the count the problem fixes";

const ChapterRows chapter_8 = {
    8,
    {
        {1, "NUM mol",
         [](const Page& p) {
             const std::string unit = p.text("in NUM (s|min|ore)", 2);
             const double seconds = unit == "s" ? 1.0 : unit == "min" ? 60.0 : 3600.0;
             return p.datum("in NUM") * seconds * p.datum("intensità NUM") / faraday;
         }},
        {2, "NUM A",
         [](const Page& p) {
             return p.datum("differenza di potenziale di NUM") * p.datum("sezione NUM") * 1e-6 /
                    (p.datum("pari a NUM") * p.datum("lungo NUM") * 0.01);
         }},
        {3, "NUM g",
         [](const Page& p) {
             static const std::map<std::string, std::pair<std::string, int>> metals = {
                 {"litio", {"Li", 1}},    {"sodio", {"Na", 1}},     {"potassio", {"K", 1}}, {"argento", {"Ag", 1}},
                 {"magnesio", {"Mg", 2}}, {"calcio", {"Ca", 2}},    {"bario", {"Ba", 2}},   {"rame", {"Cu", 2}},
                 {"zinco", {"Zn", 2}},    {"alluminio", {"Al", 3}},
             };
             const auto& metal = metals.at(p.text("quanto ([a-z]+) viene"));
             return p.datum("corrente di NUM") * p.datum("per NUM ore") * 3600.0 / faraday / metal.second *
                    mass(metal.first);
         }},
        {4, "NUM (s|min|ore)",
         [](const Page& p) {
             double volume = p.datum("sviluppare NUM");
             if (p.has("NUM mL")) volume /= 1000.0;
             const double moles = volume / (book_gas_constant * (p.datum("a NUM@uo@C") + zero_celsius));
             const double seconds = moles * (p.has("ossigeno") ? 4.0 : 2.0) * faraday / p.datum("corrente di NUM");
             const std::string unit = p.answer_text("NUM (s|min|ore)", 2);
             return seconds / (unit == "s" ? 1.0 : unit == "min" ? 60.0 : 3600.0);
         }},
        {5,
         "NUM V",
         [](const Page& p) {
             const double free_energy = p.datum("@bD@@iG@@u0@ = NUM kJ");
             return std::abs(-free_energy * 1000.0 / (2.0 * faraday) -
                             nernst / 2.0 * log_quotient(p, cell_reaction(p)));
         },
         {Digits::from_data, three_at_most},
         3},
        {6, "^NUM V", standard_of_cell, {Digits::from_data, three_at_most}, 3},
        {6,
         "V; NUM kJ",
         [](const Page& p) { return -2.0 * faraday * standard_of_cell(p) / 1000.0; },
         {Digits::from_data, three_at_most},
         3},
        {6,
         "mol; NUM kJ",
         [](const Page& p) { return -2.0 * faraday * cell_potential(p) / 1000.0; },
         {Digits::ceiling, "three digits, the count the problem fixes"},
         3},
        {7,
         "NUM V",
         [](const Page& p) {
             const std::string half = p.text("semireazione (.+? = [^ ]+)");
             const double e = p.datum("è di NUM V") * (p.has("V maggiore") ? 1.0 : -1.0);
             const std::string oxidised = half.substr(0, half.find(" + "));
             double log_ratio = std::log10(concentration(p, oxidised));
             const std::string reduced = p.text(R"(M e \[([^\]]+)\])");
             if (!reduced.empty()) log_ratio -= std::log10(concentration(p, reduced));
             return e - nernst / electrons(half) * log_ratio;
         },
         {Digits::ceiling, "the standard potential with 3 digits", 3}},
        {9, "^NUM", [](const Page& p) { return std::pow(10.0, log_constant(p)); }},
        {10,
         "NUM V",
         [](const Page& p) {
             const double n = charge(p.text(R"(\[([A-Za-z]+@u[0-9]?\+@)\])"));
             return nernst / n * std::abs(std::log10(p.datum("pari a NUM M") / p.datum("M e NUM M")));
         },
         {Digits::from_data, three_at_most},
         3},
        {11, "^NUM",
         [](const Page& p) {
             const double shift = p.datum("è di NUM V") / nernst;
             const double ph = p.datum("a pH NUM");
             return p.has("V maggiore") ? ph - shift : ph + shift;
         }},
        {12, "NUM M", first_concentration},
        {13, "^NUM", solubility_product, {Digits::from_data, two_at_most}, 2},
        {14, "^NUM", complex_constant, {Digits::from_data, two_at_most}, 2},
    },
    {{8, "directions of reaction"}},
};

TEST(AnswerTable, Electrochemistry)
{
    check_chapter(chapter_8);
}

}  // namespace answer_table::chapter_8
