// Chapter 3, stoichiometry: each numeric answer from its page.
#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "answer_table.h"
#include "support/formula_reading.h"
#include "support/table_lookups.h"
#include "support/text_patterns.h"

namespace answer_table::chapter_3 {

using testing_support::symbol_named;

// The grams of a mass printed in mg, g or kg.
double grams(double value, const std::string& unit)
{
    return unit == "mg" ? value * 1e-3 : unit == "kg" ? value * 1e3 : value;
}

// Where the page works its answer's digits from the statement's numbers
// alone (set from data), the table's masses enter as values; where they
// carry uncertainties of their own into the answer, they are data too.
enum class Table { values, data };

double atomic(const Page& p, Table table, const std::string& element_name)
{
    return table == Table::data ? atomic_mass(p, symbol_named(element_name))
                                : testing_support::atomic_mass_named(element_name);
}

double weight(const Page& p, const std::string& formula, Table table)
{
    return table == Table::data ? molar_mass(p, formula) : mass(formula);
}

// Atoms of the named element in a formula as printed.
double atoms_in(const std::string& formula, const std::string& element_name)
{
    const auto atoms = testing_support::read_formula(formula).atoms;
    const auto found = atoms.find(symbol_named(element_name));
    return found == atoms.end() ? 0.0 : found->second;
}

// The named element's share of a formula's mass.
double share_in_formula(const Page& p, const std::string& formula, const std::string& element_name,
                        Table table = Table::values)
{
    const double n = atoms_in(formula, element_name);
    return n == 0.0 ? 0.0 : n * atomic(p, table, element_name) / weight(p, formula, table);
}

// The same for a compound named as the table names it.
double share_in(const Page& p, const std::string& compound, const std::string& element_name,
                Table table = Table::values)
{
    const std::int32_t k = testing_support::compound_named(compound);
    if (k == 0) {
        ADD_FAILURE() << "no compound named " << compound;
        return std::nan("");
    }
    std::string formula;
    for (const auto& [symbol, count] : testing_support::atoms_of(testing_support::composition_of(k)))
        formula += symbol + "@d" + std::to_string(count) + "@";
    return share_in_formula(p, formula, element_name, table);
}

double share_in_formula_named(const Page& p, const std::string& formula_pattern, const std::string& element_pattern)
{
    return share_in_formula(p, p.text(formula_pattern), p.text(element_pattern), Table::data);
}

// "miscela di A e B": the two names as the statement gives them.
const char* const mixture_of = "miscela di (.+?) e (?:di )?(.+?) (?:al |all'|contiene|che si)";

// The element's share of a mixture given "al NUM% del primo" or "del secondo".
double mixture_share(const Page& p, const std::string& x)
{
    double fa = p.datum("NUM% del") / 100.0;
    if (p.has("del secondo")) fa = 1.0 - fa;
    return fa * share_in(p, p.text(mixture_of), x, Table::data) +
           (1.0 - fa) * share_in(p, p.text(mixture_of, 2), x, Table::data);
}

// The masses of the two salts of a sample holding the element's grams: the
// salt the answer names first, or second.
double salt_of_sample(const Page& p, bool first_in_answer)
{
    const std::string x = p.text("contiene NUM g di ([a-z]+)", 2);
    const double sa = share_in(p, p.text(mixture_of, 1), x);
    const double sb = share_in(p, p.text(mixture_of, 2), x);
    const double sample = p.datum("campione di NUM g");
    const double element = p.datum("contiene NUM g");
    const double a = (element - sb * sample) / (sa - sb);
    const double share =
        share_in_formula(p, p.answer_text(first_in_answer ? "NUM g di (\\S+) e" : "e NUM g di (\\S+)$", 2), x);
    return std::abs(share - sa) < std::abs(share - sb) ? a : sample - a;
}

// The share of the element in the salt the impossible answer names last,
// where the target lies beyond both salts' shares; no value otherwise.
double impossible_share(const Page& p, const std::string& x, double target, double sa, double sb)
{
    // The target only picks the variant: the shares carry the digits the
    // book gives the target.
    if ((target - sa) * (target - sb) <= 0.0) return std::nan("");
    return 100.0 * share_in_formula(p, p.answer_text("in (\\S+) è (?:già )?(?:il |l')NUM%$"), x);
}

// The most of a mixture at a percentage that two stocks allow: all of one
// with what it needs of the other.
double largest_mixture(const Page& p)
{
    const char* const stocks = "disposizione NUM g di (\\S+) e NUM g di (\\S+)";
    const std::string x = p.text("NUM% di ([a-z]+)", 2);
    const double sa = share_in_formula(p, p.text(stocks, 2), x);
    const double sb = share_in_formula(p, p.text(stocks, 4), x);
    if (p.answer().find("Impossibile") != std::string::npos)
        return impossible_share(p, x, p.exact("NUM% di") / 100.0, sa, sb);
    const double target = p.datum("NUM% di") / 100.0;
    const double wa = (target - sb) / (sa - sb);  // A's share of the mixture
    return std::min(p.datum(stocks, 1) / wa, p.datum(stocks, 3) / (1.0 - wa));
}

// What must be added of B to `NUM g di A` to reach the percentage; the
// shares of the impossible answer where no amount can.
double salt_to_add(const Page& p)
{
    const std::string x = p.text("percentuale di ([a-z]+)");
    const double sb = share_in(p, p.text("quanto (.+?) si deve"), x);
    const double sa = share_in(p, p.text("a NUM g di (.+?) perché", 2), x);
    if (p.answer().find("Impossibile") != std::string::npos)
        return impossible_share(p, x, p.exact("pari a NUM%") / 100.0, sa, sb);
    const double target = p.datum("pari a NUM%") / 100.0;
    return p.datum("a NUM g di") * (sa - target) / (target - sb);
}

// The answer's number: grams, or where no amount can do, the last share.
constexpr const char* grams_or_share = "(?:è (?:già )?(?:il |l')|^(?:@C1@@T1@)?)NUM(?:%$| g)";

// The balanced equation of the answer: each species' coefficient.
std::map<std::string, double> coefficients(const Page& p)
{
    std::map<std::string, double> found;
    const std::string equation = p.answer().substr(0, p.answer().find(';'));
    for (const auto& term : testing_support::find_all(equation, "(?:^| )([0-9]*)(\\S+)(?= [+=] |$)"))
        found[term[2]] = term[1].empty() ? 1.0 : std::stod(term[1]);
    return found;
}

// Grams of species `to` that go with `given` g of species `from`.
double related(const Page& p, const std::string& to, const std::string& from, double given)
{
    const auto c = coefficients(p);
    return given / (c.at(from) * molar_mass(p, from)) * c.at(to) * molar_mass(p, to);
}

// Moles of reaction that the reactants' printed masses allow.
double reaction_moles(const Page& p)
{
    const auto c = coefficients(p);
    const std::string list = p.statement().substr(0, p.statement().find(" secondo"));
    double least = std::numeric_limits<double>::infinity();
    for (const auto& reactant : testing_support::find_all(list, "NUM g di ([^ ,]+)")) {
        const std::string formula = reactant[2];
        const double m = p.datum("NUM g di " + literal(formula) + "(?:,| |$)");
        least = std::min(least, m / (c.at(formula) * mass(formula)));
    }
    return least;
}

double product_mass(const Page& p, const char* answer_pattern)
{
    const std::string formula = p.answer_text(answer_pattern, 2);
    return reaction_moles(p) * coefficients(p).at(formula) * mass(formula);
}

const ChapterRows chapter_3 = {
    3,
    {
        {1, "NUM mol;", [](const Page& p) { return p.datum("da NUM atomi") / avogadro; }},
        {1, "; NUM g",
         [](const Page& p) {
             return p.datum("da NUM atomi") / avogadro *
                    atomic(p, Table::data, p.text("atomi di ([a-z]+) corrisponde"));
         }},
        {2, "NUM mol di atomi",
         [](const Page& p) {
             return grams(p.datum("in NUM ([mk]?g)"), p.text("in NUM ([mk]?g)", 2)) /
                    atomic(p, Table::data, p.text("atomi di ([a-z]+) sono"));
         }},
        {2, "; NUM atomi",
         [](const Page& p) {
             return grams(p.datum("in NUM ([mk]?g)"), p.text("in NUM ([mk]?g)", 2)) /
                    atomic(p, Table::data, p.text("atomi di ([a-z]+) sono")) * avogadro;
         }},
        {3, "NUM",
         [](const Page& p) {
             return p.datum("contenente NUM atomi") *
                    atomic(p, Table::data, p.text("campione di ([a-z]+) contenente")) /
                    atomic(p, Table::data, p.text("atomi di ([a-z]+) sono"));
         }},
        {4, "NUM",
         [](const Page& p) {
             return p.datum("in NUM") * atomic(p, Table::data, p.text("Quanto ([a-z]+) si")) /
                    atomic(p, Table::data, p.text("[mk]?g di ([a-z]+)\\?"));
         }},
        {5, "NUM mol",
         [](const Page& p) { return p.datum("in NUM g") / molar_mass(p, p.text(", (\\S+), sono contenute")); }},
        {6, "NUM g;",
         [](const Page& p) { return p.datum("massa di NUM mol") * molar_mass(p, p.text(", (\\S+), e quante")); }},
        {6, "; NUM mol",
         [](const Page& p) {
             return p.datum("massa di NUM mol") *
                    atoms_in(p.text(", (\\S+), e quante"), p.text("atomi di ([a-z]+) sono"));
         }},
        {7, "NUM mol",
         [](const Page& p) {
             const std::string formula = p.text(", (\\S+)$");
             return p.datum("in NUM g") / molar_mass(p, formula) * atoms_in(formula, p.text("atomi di ([a-z]+) sono"));
         }},
        {8, "NUM g",
         [](const Page& p) {
             return p.datum("in NUM g") * share_in_formula_named(p, ", (\\S+)$", "quanto ([a-z]+) è");
         }},
        {9, "NUM g",
         [](const Page& p) {
             return p.datum("contenente NUM g") / share_in_formula_named(p, ", (\\S+), contenente", "g di ([a-z]+)$");
         }},
        {10, "NUM%", [](const Page& p) { return 100.0 * share_in_formula_named(p, ", (\\S+)$", "peso di ([a-z]+)"); }},
        {12, "NUM%",
         [](const Page& p) {
             const std::string element = p.text("percentuale di ([a-z]+)");
             const std::string salt = "Ag" + symbol_named(element);
             return 100.0 * p.datum("precipitati NUM g") * share_in_formula(p, salt, element) /
                    p.datum("campione di NUM g");
         }},
        {16, "NUM g",
         [](const Page& p) { return p.datum("in NUM g") * mixture_share(p, p.text("quanto ([a-z]+) è")); }},
        {17, "NUM%", [](const Page& p) { return 100.0 * mixture_share(p, p.text("percentuale di ([a-z]+)")); }},
        {18, "NUM g di \\S+ e", [](const Page& p) { return salt_of_sample(p, true); }},
        {18, "e NUM g di", [](const Page& p) { return salt_of_sample(p, false); }},
        {19, grams_or_share, salt_to_add},
        {20, "NUM g", largest_mixture},
        {21, "NUM g",
         [](const Page& p) { return p.datum("in NUM g") * mixture_share(p, p.text("quanto ([a-z]+) è")); }},
        {22, grams_or_share, salt_to_add},
        {23, "NUM g di \\S+ e", [](const Page& p) { return salt_of_sample(p, true); }},
        {23, "e NUM g di", [](const Page& p) { return salt_of_sample(p, false); }},
        {24, grams_or_share, largest_mixture},
        {30, "; NUM g",
         [](const Page& p) {
             return related(p, p.text("quantità di (\\S+) necessaria"), p.text("con NUM g di (\\S+)", 2),
                            p.datum("con NUM g"));
         }},
        {31, "; NUM g",
         [](const Page& p) {
             return related(p, p.text("quantità di (\\S+) necessaria"), p.text("dare NUM g di (\\S+)", 2),
                            p.datum("dare NUM g"));
         }},
        {33, "; NUM g di ([^ ,]+)", [](const Page& p) { return product_mass(p, "; NUM g di ([^ ,]+)"); }},
        {33, ", NUM g di ([^ ,]+)", [](const Page& p) { return product_mass(p, ", NUM g di ([^ ,]+)"); },
         Digits::from_data, 12, "ciascun prodotto"},
        {33, " e NUM g di (\\S+)$", [](const Page& p) { return product_mass(p, " e NUM g di (\\S+)$"); },
         Digits::from_data, 12, "quantità di ciascun|le quantità di"},
        // A third product between the commas of four.
        {33, ", [^,]+, NUM g di ([^ ,]+)", [](const Page& p) { return product_mass(p, ", [^,]+, NUM g di ([^ ,]+)"); },
         Digits::from_data, 12, "= \\S+ \\+ \\S+ \\+ \\S+ \\+ \\S+$"},
    },
    {
        {11, "a formula"},
        {13, "a compound's formula"},
        {14, "a compound's formula"},
        {15, "a formula"},
        {25, "a balanced equation, or that it is"},
        {26, "an equation with its coefficient"},
        {27, "an equation with its coefficients"},
        {28, "a balanced equation"},
        {29, "a balanced equation"},
        {32, "the reactant in defect, by name"},
    },
};

TEST(AnswerTable, Stoichiometry)
{
    check_chapter(chapter_3);
}

}  // namespace answer_table::chapter_3
