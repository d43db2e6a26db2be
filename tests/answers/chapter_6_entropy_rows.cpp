// Chapter 6, probability and entropy, free energy: problems 16 to 27: each numeric answer from its page.
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "answer_table.h"
#include "chapters/thermo_kinetics/thermo_kinetics_problems.h"
#include "chemistry/compound_records.h"
#include "chemistry/data_tables.h"
#include "numbers/fixed_width.h"
#include "support/formula_reading.h"
#include "support/table_lookups.h"

// The helpers of this part of the chapter have a namespace of their own: the
// three parts are built as one translation unit.
namespace answer_table::chapter_6::entropy {

// The counts of problems 16 and 17: N, m, the total energy and two
// distributions (c, b, a), groups 1 to 9.
const std::string distributions = "sistema di NUM enti con energie possibili 0, @iE@@d0@ e NUM@iE@@d0@ e con energia "
                                  "totale pari a NUM@iE@@d0@, .* distribuzioni \\(NUM, NUM, NUM\\) e \\(NUM, NUM, "
                                  "NUM\\)";

// ln N!/(c! b! a!) of the distribution whose population c is group `first`.
double ln_ways(const Page& p, std::size_t first)
{
    double w = std::lgamma(p.exact(distributions) + 1.0);
    for (std::size_t g = first; g < first + 3; ++g) w -= std::lgamma(p.exact(distributions, g) + 1.0);
    return w;
}

// Stirling's ln W = N ln N - sum n ln n.
double stirling(double n, double c, double b, double a)
{
    const auto x_ln_x = [](double x) { return x > 0.0 ? x * std::log(x) : 0.0; };
    return x_ln_x(n) - x_ln_x(c) - x_ln_x(b) - x_ln_x(a);
}

double stirling_of(const Page& p, std::size_t first)
{
    return stirling(p.exact(distributions), p.exact(distributions, first), p.exact(distributions, first + 1),
                    p.exact(distributions, first + 2));
}

double decades(double ln_value)
{
    return std::round(ln_value / std::log(10.0));
}

// Problem 18: the Boltzmann populations (c, b, a) of N entities at kT = t E0
// (the low temperature t = 1, the high one printed) and what follows from them.
const std::string boltzmann = "sistema di NUM enti con energie possibili 0, @iE@@d0@ e NUM@iE@@d0@ alle temperature "
                              "@iT@ = @iE@@d0@/@ik@ e @iT@ = NUM@iE@@d0@/@ik@";

enum class Asked { ground, middle, top, decades, energy };

double boltzmann_figure(const Page& p, bool high, Asked asked)
{
    const double n = p.exact(boltzmann), m = p.exact(boltzmann, 2), t = high ? p.exact(boltzmann, 3) : 1.0;
    const double z = 1.0 + std::exp(-1.0 / t) + std::exp(-m / t);
    const double c = std::round(n / z), a = std::round(n * std::exp(-m / t) / z), b = n - c - a;
    switch (asked) {
    case Asked::ground: return c;
    case Asked::middle: return b;
    case Asked::top: return a;
    case Asked::decades: return decades(stirling(n, c, b, a));
    case Asked::energy: return b + m * a;
    }
    return std::nan("");
}

std::function<double(const Page&)> figure(bool high, Asked asked)
{
    return [high, asked](const Page& p) { return boltzmann_figure(p, high, asked); };
}

// The molar mass of a compound the statement names.
double named_mass(const std::string& name)
{
    return testing_support::composition_mass(testing_support::composition_of(testing_support::compound_named(name)));
}

// Problem 21: two samples in contact, their heat capacities n Cp.
const std::string contact = "^Un campione di NUM g di (.+?) a NUM@uo@C è posto in contatto con un campione di NUM g "
                            "di (.+?) a NUM@uo@C\\. Sapendo che .* rispettivamente a NUM e NUM J/\\(K•mol\\)";

// The entropy change of the first sample, or of the second, or of both.
double contact_entropy(const Page& p, bool first, bool second)
{
    const double c1 = p.datum(contact) / named_mass(p.text(contact, 2)) * p.datum(contact, 7);
    const double c2 = p.datum(contact, 4) / named_mass(p.text(contact, 5)) * p.datum(contact, 8);
    const double t1 = p.datum(contact, 3) + zero_celsius, t2 = p.datum(contact, 6) + zero_celsius;
    const double tf = (c1 * t1 + c2 * t2) / (c1 + c2);
    return (first ? c1 * std::log(tf / t1) : 0.0) + (second ? c2 * std::log(tf / t2) : 0.0);
}

// A species of an equation as printed, with its state: "NH@d3@@d(g)@".
struct Term {
    double coefficient = 1.0;
    std::string species;
    bool reactant = true;
};

std::vector<Term> terms_of(const std::string& equation)
{
    std::vector<Term> terms;
    bool reactant = true;
    std::size_t start = 0;
    while (start < equation.size()) {
        std::size_t end = equation.find(' ', start);
        if (end == std::string::npos) end = equation.size();
        const std::string piece = equation.substr(start, end - start);
        start = end + 1;
        if (piece == "=") reactant = false;
        if (piece.empty() || piece == "+" || piece == "=") continue;
        const std::size_t letter = piece.find_first_not_of("0123456789");
        terms.push_back({letter == 0 ? 1.0 : std::stod(piece.substr(0, letter)), piece.substr(letter), reactant});
    }
    return terms;
}

std::string formula_of(const std::string& species)
{
    return species.substr(0, species.rfind("@d("));
}

bool gas(const std::string& species)
{
    return species.ends_with("@d(g)@");
}

// "A, B e C" split into its items.
std::vector<std::string> listed(const std::string& list)
{
    std::vector<std::string> items;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = list.find(", ", start), and_ = list.find(" e ", start);
        const std::size_t end = std::min(comma, and_);
        items.push_back(list.substr(start, end - start));
        if (end == std::string::npos) return items;
        start = end + (end == comma ? 2 : 3);
    }
}

// Products less reactants of the values a statement lists for the species
// of its reaction ("per A, B e C sono pari a x, y e z unit"), each read as a
// datum; an element it does not list counts 0, any other species leaves no
// value.
double listed_sum(const Page& p, const std::string& species_pattern, const std::string& unit)
{
    const std::vector<std::string> species = listed(p.text(species_pattern));
    std::string values = "pari a NUM";
    for (std::size_t i = 1; i < species.size(); ++i) values += i + 1 == species.size() ? " e NUM" : ", NUM";
    values += " " + unit;
    std::map<std::string, double> value_of;
    for (std::size_t i = 0; i < species.size(); ++i) value_of[species[i]] = p.datum(values, i + 1);
    double sum = 0.0;
    for (const Term& t : terms_of(p.text("la reazione (.+)$"))) {
        const auto found = value_of.find(t.species);
        if (found == value_of.end() && testing_support::read_formula(formula_of(t.species)).atoms.size() != 1)
            return std::nan("");
        const double value = found == value_of.end() ? 0.0 : found->second;
        sum += (t.reactant ? -1.0 : 1.0) * t.coefficient * value;
    }
    return sum;
}

// A field of the table's record of a species (water as vapour its own), read
// as a datum as the table writes it; 0 where the field is blank.
double table_field(const Page& p, const std::string& species, int first, int last)
{
    const std::string formula = formula_of(species);
    const std::int32_t k =
        formula == "H@d2@O" && gas(species) ? compounds::water_vapour : testing_support::compound_with_formula(formula);
    const std::string_view written = strip_blanks(record_columns(compound_record(k), first, last));
    return written.empty() ? 0.0 : p.table_datum(written);
}

// Problem 25: the table's S° carried to t by Cp, less R ln p for a gas.
double reaction_entropy_at(const Page& p)
{
    const std::string pattern = "entropia a NUM@uo@C e NUM atm per la reazione (.+)$";
    const double kelvin = p.datum(pattern) + zero_celsius, atm = p.datum(pattern, 2);
    double sum = 0.0;
    for (const Term& t : terms_of(p.text(pattern, 3))) {
        double s = table_field(p, t.species, 147, 152) + table_field(p, t.species, thermo_kinetics::heat_capacity_first,
                                                                     thermo_kinetics::heat_capacity_last) *
                                                             std::log(kelvin / 298.15);
        if (gas(t.species)) s -= 8.314 * std::log(atm);
        sum += (t.reactant ? -1.0 : 1.0) * t.coefficient * s;
    }
    return sum;
}

// Problem 27: where dH - T dS of the table at 25 °C changes sign; none where
// it never does, nor where the page answers "Sempre" or "Mai" because the
// printed states are gone before it (the states' rule judges those).
double crossover(const Page& p)
{
    if (p.answer() == "Sempre" || p.answer() == "Mai") return std::nan("");
    double dh = 0.0, ds = 0.0;
    for (const Term& t : terms_of(p.text("la reazione (.+)$"))) {
        const double w = (t.reactant ? -1.0 : 1.0) * t.coefficient;
        dh += w * table_field(p, t.species, 131, 138);
        ds += w * table_field(p, t.species, 147, 152);
    }
    const double kelvin = dh / ds * 1000.0;
    return kelvin > 0.0 ? kelvin : std::nan("");
}

// Ways, levels and powers of ten: whole numbers.
const Count counted{Digits::exact, "a whole number"};

}  // namespace answer_table::chapter_6::entropy

namespace answer_table::chapter_6 {

std::vector<Row> entropy_rows()
{
    using namespace entropy;
    return {
        {16, "@iW@@d1@ = NUM;", [](const Page& p) { return std::exp(ln_ways(p, 4)); }, counted},
        {16, "@iW@@d2@ = NUM;", [](const Page& p) { return std::exp(ln_ways(p, 7)); }, counted},
        {16,
         "@iP@@d1@/@iP@@d2@ = NUM",
         [](const Page& p) { return std::exp(ln_ways(p, 4) - ln_ways(p, 7)); },
         {Digits::exact, "a ratio of two counts: two digits, whole where they divide"}},
        {17, "@iW@@d1@ = 10@uNUM@", [](const Page& p) { return decades(stirling_of(p, 4)); }, counted},
        {17, "@iW@@d2@ = 10@uNUM@", [](const Page& p) { return decades(stirling_of(p, 7)); }, counted},
        // Within a hundredfold either way the ratio shows two digits, beyond
        // it its power of ten.
        {17,
         "@iP@@d1@/@iP@@d2@ = NUM$",
         [](const Page& p) {
             const double ln_ratio = stirling_of(p, 4) - stirling_of(p, 7);
             return std::abs(ln_ratio) < std::log(100.0) ? std::exp(ln_ratio) : std::nan("");
         },
         {Digits::ceiling, "two digits within a hundredfold, the count the problem fixes"},
         2},
        {17, "@iP@@d1@/@iP@@d2@ = 10@uNUM@",
         [](const Page& p) {
             const double ln_ratio = stirling_of(p, 4) - stirling_of(p, 7);
             return std::abs(ln_ratio) < std::log(100.0) ? std::nan("") : decades(ln_ratio);
         },
         counted},
        {18, "Per @iT@ = @iE@@d0@/@ik@: \\(NUM,", figure(false, Asked::ground), counted},
        {18, "Per @iT@ = @iE@@d0@/@ik@: \\(\\d+, NUM,", figure(false, Asked::middle), counted},
        {18, "Per @iT@ = @iE@@d0@/@ik@: \\(\\d+, \\d+, NUM\\)", figure(false, Asked::top), counted},
        {18, "^[^;]*; @iW@ = 10@uNUM@", figure(false, Asked::decades), counted},
        {18, "^[^;]*;[^;]*; @iE@ = NUM@iE@", figure(false, Asked::energy), counted},
        {18, "per @iT@ = \\d+@iE@@d0@/@ik@: \\(NUM,", figure(true, Asked::ground), counted},
        {18, "per @iT@ = \\d+@iE@@d0@/@ik@: \\(\\d+, NUM,", figure(true, Asked::middle), counted},
        {18, "per @iT@ = \\d+@iE@@d0@/@ik@: \\(\\d+, \\d+, NUM\\)", figure(true, Asked::top), counted},
        {18, "per @iT@ =[^;]*; @iW@ = 10@uNUM@", figure(true, Asked::decades), counted},
        {18, "@iE@ = NUM@iE@@d0@$", figure(true, Asked::energy), counted},
        // P/100 = k^2 exp(-(E_k - E_1)/kT): the logarithm of a two-digit
        // percentage keeps two decimals, at least three digits, as shown.
        {19,
         "NUM K",
         [](const Page& p) {
             const std::string pattern = "dove @iE@@d1@ = NUM J\\..* del (secondo|terzo|quarto) livello sia "
                                         "(?:il |l'|lo )NUM% di quella";
             const std::string level = p.text(pattern, 2);
             const double g = level == "secondo" ? 4.0 : level == "terzo" ? 9.0 : 16.0;
             return -p.datum(pattern) * (1.0 - 1.0 / g) / (1.380649e-23 * std::log(100.0 * g / p.datum(pattern, 3)));
         },
         {Digits::exact, "two decimals of a two-digit percentage's logarithm"}},
        {20, "NUM J/K",
         [](const Page& p) {
             const std::string pattern = "di NUM g di (.+?) \\(@iC@@dp@ = NUM J/\\(K•mol\\)\\) da NUM@uo@C a NUM@uo@C$";
             return p.datum(pattern) / named_mass(p.text(pattern, 2)) * p.datum(pattern, 3) *
                    std::log((p.datum(pattern, 5) + zero_celsius) / (p.datum(pattern, 4) + zero_celsius));
         }},
        {21, "^NUM J/K;", [](const Page& p) { return contact_entropy(p, true, false); }},
        {21, "; NUM J/K;", [](const Page& p) { return contact_entropy(p, false, true); }},
        {21, "= NUM J/K", [](const Page& p) { return contact_entropy(p, true, true); }},
        // n R ln(V2/V1), for pressures n R ln(p1/p2).
        {22, "NUM J/K",
         [](const Page& p) {
             const std::string pattern = "isoterma di NUM g di (.+?) da NUM (L|atm) a NUM";
             const double ratio = p.datum(pattern, 5) / p.datum(pattern, 3);
             return p.datum(pattern) / named_mass(p.text(pattern, 2)) * 8.314 *
                    std::log(p.text(pattern, 4) == "L" ? ratio : 1.0 / ratio);
         }},
        // A monatomic gas, Cp = 5R/2, from the standard state.
        {23, "NUM J/K",
         [](const Page& p) {
             const std::string pattern =
                 "in cui NUM g di (.+?) sono portati da 25@uo@C e 1.00 atm a NUM@uo@C e NUM atm";
             return p.datum(pattern) / named_mass(p.text(pattern, 2)) * 8.314 *
                    (2.5 * std::log((p.datum(pattern, 3) + zero_celsius) / 298.15) - std::log(p.datum(pattern, 4)));
         }},
        {24, "NUM J/K", [](const Page& p) { return listed_sum(p, "di una mole di (.+) (?:è|sono) pari a", "J/K"); }},
        {25, "NUM J/K", reaction_entropy_at},
        {26, "NUM kJ", [](const Page& p) { return listed_sum(p, "a 298 K per (.+) (?:è|sono) pari a", "kJ/mol"); }},
        // Two digits, "approssimativamente"; "Sempre" and "Mai" hold no number.
        {27, "T [<>] NUM K", crossover, {Digits::from_data_or_fewer, "two digits, \"approssimativamente\""}, 2},
    };
}

std::vector<std::pair<std::int32_t, const char*>> entropy_without_numbers()
{
    return {};
}

}  // namespace answer_table::chapter_6
