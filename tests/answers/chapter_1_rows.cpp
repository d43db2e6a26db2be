// Chapter 1, basic notions: each numeric answer from its page.
#include <cmath>
#include <map>
#include <string>

#include "answer_table.h"
#include "support/formula_reading.h"
#include "support/text_patterns.h"

namespace answer_table::chapter_1 {

// A unit in SI (metre, gram, second, joule, pascal; a litre is a cubic
// decimetre): the chapter's units as the statements write them.
double in_si(const std::string& unit)
{
    static const std::map<std::string, double> named = {{"Å", 1e-10},      {"min", 60.0},  {"ore", 3600.0},
                                                        {"L", 1e-3},       {"cal", 4.184}, {"eV", 1.60208e-19},
                                                        {"atm", 101325.0}, {"bar", 1e5},   {"torr", 101325.0 / 760.0}};
    static const std::map<std::string, double> prefixes = {{"k", 1e3},  {"d", 1e-1}, {"c", 1e-2}, {"m", 1e-3},
                                                           {"µ", 1e-6}, {"n", 1e-9}, {"p", 1e-12}};
    if (unit.ends_with("@u3@")) return std::pow(in_si(unit.substr(0, unit.size() - 4)), 3.0);
    if (const auto found = named.find(unit); found != named.end()) return found->second;
    if (unit == "m" || unit == "g" || unit == "s" || unit == "J" || unit == "Pa") return 1.0;
    for (const auto& [prefix, factor] : prefixes)
        if (unit.starts_with(prefix) && unit.size() > prefix.size()) return factor * in_si(unit.substr(prefix.size()));
    ADD_FAILURE() << "no unit " << unit;
    return std::nan("");
}

// "pari a NUM unit in unit": the quantity converted.
double converted(const Page& p)
{
    const char* const pattern = "pari a NUM (\\S+) in (\\S+)$";
    return p.datum(pattern) * in_si(p.text(pattern, 2)) / in_si(p.text(pattern, 3));
}

// (a op b) ± (c op d), as the statement writes it.
double expression(const Page& p)
{
    const char* const terms = "\\(\\(?NUM\\)?(/|×)\\(?NUM\\)?\\) ([+-]) \\(\\(?NUM\\)?(/|×)\\(?NUM\\)?\\)";
    const auto apply = [](double x, const std::string& op, double y) { return op == "/" ? x / y : x * y; };
    const double first = apply(p.datum(terms, 1), p.text(terms, 2), p.datum(terms, 3));
    const double second = apply(p.datum(terms, 5), p.text(terms, 6), p.datum(terms, 7));
    return p.text(terms, 4) == "+" ? first + second : first - second;
}

// "a op b" of problems 2, 3, 7 and 8.
double operation(const Page& p, const char* before)
{
    const std::string pattern = std::string(before) + " \\(?NUM\\)? (\\+|-|×|/) \\(?NUM\\)?$";
    const double a = p.datum(pattern, 1);
    const double b = p.datum(pattern, 3);
    const std::string op = p.text(pattern, 2);
    return op == "+" ? a + b : op == "-" ? a - b : op == "×" ? a * b : a / b;
}

// The relation of the answer's "@iy@ = ..." at the statement's x: a
// polynomial of degree two at most, A/x, Aexp(Bx) or Aexp(B/x).
double relation_at_x(const Page& p)
{
    const double x = p.datum("per @ix@ = NUM\\.");
    const std::string relation = p.answer_text("@iy@ = ([^;]+);");
    if (relation.find("exp(") != std::string::npos) {
        const double a = p.answer_datum("= NUMexp");
        const double b = p.answer_datum("exp\\(NUM");
        return a * std::exp(relation.find('/') != std::string::npos ? b / x : b * x);
    }
    if (relation.find("/@ix@") != std::string::npos) return p.answer_datum("= NUM/@ix@") / x;
    // A term the answer writes, its coefficient; 0 for one it leaves out.
    const auto coefficient = [&p](const char* pattern) {
        return p.answer_text(pattern).empty() ? 0.0 : p.answer_datum(pattern);
    };
    return coefficient("= NUM@ix@@u2@") * x * x + coefficient("(?:= |@u2@)\\+?NUM@ix@(?!@u)") * x +
           coefficient("(?:@ix@|@u2@)\\+?NUM;");
}

// The molar mass of a gas named in chapter 1's statements.
double gas_mass(const std::string& name)
{
    static const std::map<std::string, std::string> formulas = {
        {"azoto", "N@d2@"}, {"neo", "Ne"},       {"argo", "Ar"},       {"cloro", "Cl@d2@"},
        {"elio", "He"},     {"fluoro", "F@d2@"}, {"ossigeno", "O@d2@"}};
    const auto found = formulas.find(name);
    if (found == formulas.end()) {
        ADD_FAILURE() << "no gas " << name;
        return std::nan("");
    }
    return mass(found->second);
}

// The line through the first and last rows of the drawn table, where the
// answer finds one ("No" pages have no number): its slope, and its
// intercept with the sign the answer writes.
double table_slope(const Page& p)
{
    if (!p.answer().starts_with("Sì")) return std::nan("");
    const double x1 = p.cell(0, 0);
    const double y1 = p.cell(0, 1);
    const double x5 = p.cell(4, 0);
    const double y5 = p.cell(4, 1);
    return (y5 - y1) / (x5 - x1);
}

double table_intercept(const Page& p)
{
    if (!p.answer().starts_with("Sì")) return std::nan("");
    const double slope = table_slope(p);
    const double x5 = p.cell(4, 0);
    const double y5 = p.cell(4, 1);
    const double b = y5 - slope * x5;
    return (b < 0.0) == (p.answer_text("@ix@ ([+-])") == "-") ? std::abs(b) : std::nan("");
}

const ChapterRows chapter_1 = {
    1,
    {
        {28, "@iy@ = NUM@ix@", table_slope},
        // The intercept's digits follow the book's own sum, from the slope as
        // shown and the last row; the three-unit moves part from it on 1 page
        // of 3000 (v2402665, 107 against 100): the value alone is judged.
        {28, "@ix@ [+-] NUM", table_intercept, {Digits::exact, "the book's own sum sets its digits"}},
        {1, "NUM", [](const Page& p) { return p.datum("Convertire NUM"); }},
        {2,
         "NUM",
         [](const Page& p) { return operation(p, "(?:rapporto|prodotto)"); },
         {Digits::as_data, "the n digits its two data are drawn with"}},
        {3, "NUM", [](const Page& p) { return operation(p, "(?:somma|differenza)"); }},
        {4, "NUM", expression, {Digits::ceiling, "four digits, as each step of the expression", 4}},
        {5,
         "NUM",
         [](const Page& p) { return static_cast<double>(testing_support::shown(p.text("come (NUM)$")).digits); },
         {Digits::exact, "a count of digits"}},
        {6,
         "NUM",
         [](const Page& p) {
             // The number rounded, to the digits asked.
             const double digits = p.exact("a NUM cifre");
             const double x = p.datum("numero NUM");
             return testing_support::shown(p.answer_text("^(NUM)$")).digits == digits ? x : std::nan("");
         },
         {Digits::exact, "rounded to the digits the page asks for"}},
        {7, "NUM", [](const Page& p) { return operation(p, "espressione"); }},
        {8, "NUM", [](const Page& p) { return operation(p, "espressione"); }},
        {9, "NUM",
         [](const Page& p) {
             const double x = p.datum("\\(NUM\\)");
             return p.has("log\\(") ? std::log10(x) : std::log(x);
         }},
        // The move towards zero alone understates an exponential's spread:
        // one digit fewer is what its datum allows.
        {10,
         "NUM",
         [](const Page& p) { return std::exp(p.datum("exp\\(NUM\\)")); },
         {Digits::from_data_or_fewer, "an exponential's first-order spread"}},
        {11, "NUM", expression},
        {12, "NUM", converted, {Digits::as_data, "the digits of the datum it converts"}},
        {13, "NUM", converted, {Digits::as_data, "the digits of the datum it converts"}},
        {14, "NUM", converted, {Digits::as_data, "the digits of the datum it converts"}},
        {15, "NUM", converted, {Digits::as_data, "the digits of the datum it converts"}},
        // The datum's uncertainty and 0.03 K more, 273.15's own.
        {16, "NUM K", [](const Page& p) { return p.datum("pari a NUM gradi") + p.table_datum("273.15"); }},
        {16, "NUM@uo@C", [](const Page& p) { return p.datum("pari a NUM K") - p.table_datum("273.15"); }},
        {17, "NUM", converted, {Digits::as_data, "the digits of the datum it converts"}},
        {18, "NUM N",
         [](const Page& p) {
             return p.datum("massa NUM (\\S+)$") * in_si(p.text("massa NUM (\\S+)$", 2)) * 1e-3 * 9.807;
         }},
        {19, "NUM", converted, {Digits::as_data, "the digits of the datum it converts"}},
        {20, "NUM", converted, {Digits::as_data, "the digits of the datum it converts"}},
        {21, "NUM",
         [](const Page& p) {
             const char* const density = "pari a NUM (\\S+)/(\\S+?)\\.?$";
             const double grams = p.datum("da NUM (\\S+) di") * in_si(p.text("da NUM (\\S+) di", 2));
             const double per_volume = p.datum(density) * in_si(p.text(density, 2)) / in_si(p.text(density, 3));
             return grams / per_volume / in_si(p.text("volume in (\\S+) occupato"));
         }},
        {22, "NUM",
         [](const Page& p) {
             return p.datum("Planck, pari a NUM (\\S+)•s") * in_si(p.text("Planck, pari a NUM (\\S+)•s", 2)) *
                    p.datum("frequenza pari a NUM") / in_si(p.text("esprimendola in (\\S+)$"));
         }},
        {23, "NUM",
         [](const Page& p) {
             const double c = p.datum("@ic@ = NUM m/s");
             const double kilograms =
                 p.datum("trasformazione di NUM (\\S+)") * in_si(p.text("trasformazione di NUM (\\S+)", 2)) * 1e-3;
             return kilograms * c * c / in_si(p.text("Esprimere in (\\S+) l'energia"));
         }},
        {24, "NUM",
         [](const Page& p) {
             const double seconds = p.datum("percorsa in NUM (\\S+)") * in_si(p.text("percorsa in NUM (\\S+)", 2));
             const double metres = seconds * p.datum("pari a NUM m/s") / p.exact("velocità NUM volte");
             return p.has("distanza in km") ? metres * 1e-3 : metres;
         }},
        {25, "NUM",
         [](const Page& p) {
             return p.datum("contenut[ei] in NUM (\\S+) di") * in_si(p.text("contenut[ei] in NUM (\\S+) di", 2)) /
                    p.datum("pari a NUM g");
         }},
        {26, "NUM L",
         [](const Page& p) {
             return p.datum("= NUM@it@") * p.datum("occupato a NUM@uo@C") +
                    (p.text("@it@ ([+-]) NUM") == "-" ? -1.0 : 1.0) * p.datum("@it@ [+-] NUM");
         }},
        {26, "NUM@uo@C",
         [](const Page& p) {
             const double b = (p.text("@it@ ([+-]) NUM") == "-" ? -1.0 : 1.0) * p.datum("@it@ [+-] NUM");
             return (p.datum("sia pari a NUM L") - b) / p.datum("= NUM@it@");
         }},
        {27, "NUM",
         [](const Page& p) {
             const double before = p.datum("con NUM g di gas");
             const double after =
                 p.has("aggiungono") ? before + p.datum("altri NUM g") : before - p.datum("fuoriuscire NUM g");
             return p.datum("pari a NUM") * after / before;
         }},
        {29, "NUM L",
         [](const Page& p) {
             const double alpha = p.datum("eguale a NUM\\?");
             return p.datum("equazione NUM@ba@") * alpha * alpha / (1.0 - alpha);
         }},
        {29, "; NUM",
         [](const Page& p) {
             const double k = p.datum("equazione NUM@ba@") / p.datum("@iV@ = NUM L");
             return (std::sqrt(1.0 + 4.0 * k) - 1.0) / (2.0 * k);
         }},
        {30, "NUM g",
         [](const Page& p) {
             return p.datum("= NUMexp") * std::exp(-p.datum("exp\\(-NUM@it@") * p.datum("quando @it@ = NUM s"));
         }},
        {30, "NUM s",
         [](const Page& p) {
             return std::log(p.datum("da NUM g a") / p.datum("a NUM g$")) / p.datum("exp\\(-NUM@it@");
         }},
        // Where B's sign allows such a temperature; elsewhere "Mai".
        {31,
         "NUM K",
         [](const Page& p) {
             const double ratio = p.has("volte maggiore") ? p.datum("sia NUM volte") : p.datum("NUM% di") / 100.0;
             return -p.datum("B è pari a NUM K") / std::log(ratio);
         },
         // The logarithm's first-order spread, which the page takes, may
         // reach a power of ten that the move towards zero does not.
         {Digits::from_data_or_fewer, "a logarithm's first-order spread"},
         12,
         "B è pari a -[^,]*, .*volte maggiore|B è pari a [0-9][^,]*, .*pari all?"},
        {35, "= NUM@iT@",
         [](const Page& p) {
             const std::string gas = p.text("g di ([a-z]+) a varie");
             return p.datum("contenente NUM g") / gas_mass(gas) * gas_constant_litre_atm /
                    p.datum("volume pari a NUM L");
         }},
        {39, "= NUM/@iP@",
         [](const Page& p) {
             const std::string gas = p.text("g di ([a-z]+) a varie");
             return p.datum("da NUM g") / gas_mass(gas) * gas_constant_litre_atm * p.datum("a NUM K");
         }},
        {41, "; NUM$", relation_at_x, three_digits},
        {42, "; NUM$", relation_at_x, three_digits},
        {43, "; NUM$", relation_at_x, three_digits},
    },
    {
        {32, "parallel lines, the one through the origin named by colour"},
        {33, "opposite slopes, restated from the statement"},
        {34, "a relation read off a drawn graph"},
        {36, "which coefficients are zero, from a drawn graph"},
        {37, "which drawn series, by colour"},
        {38, "which drawn series, by colour"},
        {40, "A and B read off a drawn graph"},
    },
};

TEST(AnswerTable, BasicNotions)
{
    check_chapter(chapter_1);
}

}  // namespace answer_table::chapter_1
