// Chapter 2, elements and compounds: each numeric answer from its page.
#include <cmath>
#include <string>

#include "answer_table.h"
#include "chemistry/data_tables.h"
#include "numbers/fixed_width.h"
#include "support/formula_reading.h"
#include "support/table_lookups.h"

namespace answer_table::chapter_2 {

// "del ferro", "dello zolfo", "dell'oro": the element's name after its article.
const std::string named = "d(?:ello |ell'|el |egli |ei )([a-z]+)";

double atomic_number(const std::string& name)
{
    const std::int32_t z = testing_support::element_named(name);
    if (z == 0) ADD_FAILURE() << "no element named " << name;
    return z;
}

// A property of the element table as it writes it.
double property(const std::string& name, int first, int last)
{
    return std::stod(std::string(
        strip_blanks(record_columns(element_record(static_cast<std::int32_t>(atomic_number(name))), first, last))));
}

// Problems 12 to 15 give each element's value from the table: the first
// or the second element named.
Row compared(std::int32_t problem, bool first, int first_column, int last_column)
{
    return {problem,
            first ? "^\\S+: NUM" : "; \\S+: NUM",
            [first, first_column, last_column](const Page& p) {
                const std::string pattern = "che .+? " + named + " sia maggiore di quell[oa] " + named + ",";
                return property(p.text(pattern, first ? 1 : 2), first_column, last_column);
            },
            {Digits::exact, "a value of the table as printed"}};
}

// The bond order of a diatomic species of the second period: its valence
// electrons fill the molecular orbitals 2s, 2s*, then three bonding 2p
// pairs, then the antibonding 2p ones.
double bond_order(const std::string& formula)
{
    const testing_support::ReadFormula f = testing_support::read_formula(formula);
    double electrons = -f.charge;
    for (const auto& [symbol, count] : f.atoms) electrons += count * (testing_support::element_with_symbol(symbol) - 2);
    return electrons <= 10 ? (electrons - 4) / 2 : (16 - electrons) / 2;
}

// The grams of a mass printed in pg, ng, µg, mg or g.
double grams(double value, const std::string& unit)
{
    const double per = unit == "pg" ? 1e-12 : unit == "ng" ? 1e-9 : unit == "µg" ? 1e-6 : unit == "mg" ? 1e-3 : 1.0;
    return value * per;
}

double oxidation(const Page& p)
{
    const std::string formula = p.text("ossidazione " + named + " in (.+?)\\.?$", 2);
    return testing_support::oxidation_number(testing_support::read_formula(formula),
                                             testing_support::symbol_named(p.text("ossidazione " + named)));
}

const Count oxidation_number{Digits::exact, "an oxidation number"};

const ChapterRows chapter_2 = {
    2,
    {
        {2,
         "^NUM;",
         [](const Page& p) { return atomic_number(p.text("atomo di ([a-z]+)\\?")); },
         {Digits::exact, "an atomic number"}},
        {2,
         "; NUM$",
         [](const Page& p) { return atomic_number(p.text("neutro di ([a-z]+)\\?")); },
         {Digits::exact, "a count of electrons"}},
        {3,
         "NUM protoni",
         [](const Page& p) { return testing_support::element_with_symbol(p.text("@u[0-9]+@([A-Za-z]+)\\?")); },
         {Digits::exact, "a count of protons"},
         12,
         "@u[0-9]+@(?!H\\?)"},
        {3,
         "NUM neutroni",
         [](const Page& p) {
             return p.exact("@uNUM@") - testing_support::element_with_symbol(p.text("@u[0-9]+@([A-Za-z]+)\\?"));
         },
         {Digits::exact, "a count of neutrons"},
         12,
         "@u(?:[4-9]|[1-9][0-9]+)@"},
        {4, "NUM kg",
         [](const Page& p) {
             double first = p.datum("isotopo è pari a NUM%") / 100.0;
             if (p.has("del secondo isotopo")) first = 1.0 - first;
             return first * p.datum("pari a NUM kg e") + (1.0 - first) * p.datum("kg e NUM kg");
         }},
        {5, "NUM g;",
         [](const Page& p) {
             return atomic_mass(p, testing_support::symbol_named(p.text("atomi di ([a-z]+) e"))) / avogadro;
         }},
        {5, "; NUM$",
         [](const Page& p) {
             const double atom =
                 atomic_mass(p, testing_support::symbol_named(p.text("atomi di ([a-z]+) e"))) / avogadro;
             return grams(p.datum("in NUM (\\S+) di"), p.text("in NUM (\\S+) di", 2)) / atom;
         }},
        compared(12, true, 74, 76),
        compared(12, false, 74, 76),
        compared(13, true, 41, 44),
        compared(13, false, 41, 44),
        compared(14, true, 46, 49),
        compared(14, false, 46, 49),
        compared(15, true, 71, 73),
        compared(15, false, 71, 73),
        {20,
         "ordine di legame: NUM",
         [](const Page& p) { return bond_order(p.text("nella specie (.+?)\\?")); },
         {Digits::exact, "a bond order"}},
        // A positive number carries its sign.
        {29, "^(?:\\+(?=[1-9])|(?=-|0))NUM$", oxidation, oxidation_number},
        {30, "^(?:\\+(?=[1-9])|(?=-|0))NUM(?: \\(perossido\\))?$", oxidation, oxidation_number, 12,
         "in (?!(?:K|Rb|Cs)O@d2@$)"},
        {30, "^NUM/2 \\(superossido\\)$", [](const Page& p) { return 2.0 * oxidation(p); }, oxidation_number, 12,
         "in (?:K|Rb|Cs)O@d2@$"},
        {31, "^(?:\\+(?=[1-9])|(?=-|0))NUM$", oxidation, oxidation_number},
    },
    {
        {1, "a symbol and a name"},
        {6, "which of two triples"},
        {7, "an orbital's symbol and its quantum numbers"},
        {8, "an electron configuration"},
        {9, "an electron configuration"},
        {10, "a place in the drawn periodic table"},
        {11, "an electron configuration"},
        {16, "an element marked in the drawn periodic table"},
        {17, "a formula"},
        {18, "yes or no"},
        {19, "a formula"},
        {21, "yes or no"},
        {22, "a drawn Lewis formula"},
        {23, "a drawn Lewis formula"},
        {24, "a shape"},
        {25, "the central atom's hybrid orbitals"},
        {26, "true or false"},
        {27, "drawn formulas, a shape and fractional charges named"},
        {28, "polar or not"},
        {32, "a name and a formula"},
        {33, "two names"},
        {34, "two formulas"},
        {35, "a name and a formula"},
        {36, "a name and a formula"},
        {37, "a name and a formula"},
        {38, "a name and a formula"},
        {39, "a formula"},
        {40, "true or false"},
    },
};

TEST(AnswerTable, ElementsCompounds)
{
    check_chapter(chapter_2);
}

}  // namespace answer_table::chapter_2
