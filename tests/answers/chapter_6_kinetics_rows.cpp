// Chapter 6, equilibrium constants and kinetics: problems 28 to 38: each numeric answer from its page.
#include <algorithm>
#include <cmath>
#include <iomanip>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "answer_table.h"
#include "chemistry/compound_records.h"
#include "chemistry/data_tables.h"
#include "numbers/fixed_width.h"
#include "support/shown_numbers.h"
#include "support/table_lookups.h"

// The other parts of the chapter share its namespace in one unit: these
// helpers keep to a namespace of their own.
namespace answer_table::chapter_6::kinetics {

// dH (kJ), dS and dCp (J/K) at 25 °C summed from the compound table.
struct Thermo {
    double dh = 0.0, ds = 0.0, dcp = 0.0;
};

double compound_field(std::int32_t k, int first, int last)
{
    const std::string field(strip_blanks(record_columns(compound_record(k), first, last)));
    return field.empty() ? 0.0 : std::stod(field);
}

// Of an equation as printed, "N@d2@@d(g)@ + 3H@d2@@d(g)@ = 2NH@d3@@d(g)@";
// water vapour has a record of its own.
Thermo table_thermo(const std::string& equation)
{
    Thermo r;
    const std::size_t equals = equation.find(" = ");
    std::size_t at = 0;
    while (at < equation.size()) {
        std::size_t end = equation.find(" + ", at);
        const bool reactant = at < equals;
        if (reactant && (end == std::string::npos || end > equals)) end = equals;
        if (end == std::string::npos) end = equation.size();
        std::string_view term = strip_blanks(std::string_view(equation).substr(at, end - at));
        double coefficient = 1.0;
        std::size_t digits = 0;
        while (digits < term.size() && term[digits] >= '0' && term[digits] <= '9') ++digits;
        if (digits > 0) coefficient = std::stod(std::string(term.substr(0, digits)));
        term.remove_prefix(digits);
        const bool vapour = term == "H@d2@O@d(g)@";
        term = term.substr(0, term.rfind("@d("));
        const std::int32_t k = vapour ? compounds::water_vapour : testing_support::compound_with_formula(term);
        EXPECT_NE(k, 0) << term;
        const double w = (reactant ? -1.0 : 1.0) * coefficient;
        r.dh += w * compound_field(k, 131, 138);
        r.ds += w * compound_field(k, 147, 152);
        r.dcp += w * compound_field(k, 153, 158);
        at = end + 3;
    }
    return r;
}

// A temperature printed in °C, read as the kelvin value it stands for: its
// digits count to the place of the Celsius value's last one ("2" is 275 K).
double kelvin(const Page& p, const std::string& pattern, std::size_t group)
{
    const testing_support::Shown celsius = testing_support::shown(p.text(pattern, group));
    const double exact = celsius.value + zero_celsius;
    const double written = std::round(exact / celsius.unit()) * celsius.unit();
    std::ostringstream text;
    text << std::fixed << std::setprecision(std::max(0, -celsius.last_place)) << written;
    return p.table_datum(text.str()) + (exact - written);
}

// K at the temperature printed (group `t`) for the equation printed (group
// `equation`), from dH - T dS of 25 °C or with dH and dS carried to it by dCp.
double constant_at(const Page& p, const std::string& pattern, std::size_t t, std::size_t equation, bool carried)
{
    const Thermo r = table_thermo(p.text(pattern, equation));
    const double absolute = kelvin(p, pattern, t);
    double dh = r.dh, ds = r.ds;
    if (carried) {
        dh += r.dcp * (absolute - 298.15) * 1e-3;
        ds += r.dcp * std::log(absolute / 298.15);
    }
    return std::exp(-(dh * 1000.0 - absolute * ds) / (gas_constant * absolute));
}

const std::string at_28 = "a NUM@uo@C per la reazione (.+)$";
const std::string at_29 = "^@T1@@C1@Per la reazione (.+) a NUM@uo@C, confrontare";

// -RT ln Ksp = dH - T dS through the two saturated solutions printed (mol/L):
// Ksp is s^2 for AgCl, 4s^3 for the salts of one ion and two of the other.
const std::string solutions = "satura di (\\S+) è NUM F a NUM@uo@C e NUM F a NUM@uo@C";

struct Dissolution {
    double dh, ds;  // kJ, J/K
};

Dissolution dissolution(const Page& p)
{
    const bool one_to_one = p.text(solutions).find("@d") == std::string::npos;
    const auto ksp = [one_to_one](double s) { return one_to_one ? s * s : 4.0 * s * s * s; };
    const double k1 = ksp(p.datum(solutions, 2)), t1 = kelvin(p, solutions, 3);
    const double k2 = ksp(p.datum(solutions, 4)), t2 = kelvin(p, solutions, 5);
    const double ds = gas_constant * (t2 * std::log(k2) - t1 * std::log(k1)) / (t2 - t1);
    return {(ds - gas_constant * std::log(k2)) * t2 * 1e-3, ds};
}

const std::string decay = "è pari a NUM (anni|ore|s)\\. .* si riduca a(?:l |ll'|llo )NUM% dell'iniziale";
const std::string order_one = "Se \\[A\\]@d0@ e \\[B\\]@d0@ sono uguali a NUM e NUM mol/L e @ik@@dc@ = NUM";
const std::string arrhenius = "diviene NUM volte maggiore passando da NUM K a NUM K";
const std::string ratio = "è pari a NUM kJ/mol\\. Calcolare il rapporto tra i valori di @ik@@dc@ a NUM K e a NUM K";

}  // namespace answer_table::chapter_6::kinetics

namespace answer_table::chapter_6 {

std::vector<Row> kinetics_rows()
{
    using namespace kinetics;
    // The orders the answer names (the chapter's kinetics test finds them
    // from the drawn table), read as exact: k is the mean over the table's
    // rows of v / ([A]^m [B]^n).
    const auto order_named = [](const Page& p, const std::string& which) {
        const std::string order = p.answer_text(which + " = (1/2|1|2);");
        return order == "1/2" ? 0.5 : order == "1" ? 1.0 : 2.0;
    };
    const Row rate_constant_from_table = {31, "@ik@@dc@ = NUM", [order_named](const Page& p) {
                                              const double m = order_named(p, "m");
                                              const double n = order_named(p, "n");
                                              double sum = 0.0;
                                              for (std::size_t r = 0; r < p.rows(); ++r) {
                                                  const double a = p.cell(r, 0);
                                                  const double b = p.cell(r, 1);
                                                  const double v = p.cell(r, 2);
                                                  sum += v / (std::pow(a, m) * std::pow(b, n));
                                              }
                                              return sum / static_cast<double>(p.rows());
                                          }};
    const Count two{Digits::ceiling, "mode 2, two significant digits", 2};
    return {
        {28, "^NUM$", [](const Page& p) { return constant_at(p, at_28, 1, 2, false); }, two},
        {29, "^NUM;", [](const Page& p) { return constant_at(p, at_29, 2, 1, false); }, two},
        {29, "; NUM$", [](const Page& p) { return constant_at(p, at_29, 2, 1, true); }, two},
        {30, "^NUM kJ", [](const Page& p) { return dissolution(p).dh; }, two},
        {30, "; NUM J/K", [](const Page& p) { return dissolution(p).ds; }, two},
        rate_constant_from_table,
        {32, "NUM s",
         [](const Page& p) {
             const std::string from = "da NUM mol/L a NUM mol/L";
             const double k = p.datum("è pari a NUM s@u-1@");
             return std::log(p.datum(from) / p.datum(from, 2)) / k;
         }},
        // -(1/a) d[A]/dt = k[A][B]^n, [B] constant.
        {33, "NUM mol/L",
         [](const Page& p) {
             const double a = p.has("^@T1@@C1@Una reazione \\(1/2\\)A") ? 0.5 : 1.0;
             const double n = p.has("di ordine 1/2 rispetto a B") ? 0.5 : 1.0;
             const double a0 = p.datum(order_one), b0 = p.datum(order_one, 2), k = p.datum(order_one, 3);
             return a0 * std::exp(-a * k * std::pow(b0, n) * p.datum("dopo NUM s"));
         }},
        {34,
         "NUM",
         [](const Page& p) { return p.datum(decay) * std::log(100.0 / p.datum(decay, 3)) / std::log(2.0); },
         {Digits::from_data, "three digits at most, the count the book gives"},
         3},
        // -d[A]/dt = 2k[A]^2.
        {35, "NUM L/\\(mol•s\\)",
         [](const Page& p) {
             const std::string drop = "diminuisce da NUM mol/L a NUM mol/L in NUM s";
             return (1.0 / p.datum(drop, 2) - 1.0 / p.datum(drop)) / (2.0 * p.datum(drop, 3));
         }},
        {36, "NUM s",
         [](const Page& p) {
             const double k = p.datum("è pari a NUM L/\\(mol•s\\)");
             const std::string drop = "diminuisca da NUM mol/L a NUM mol/L";
             return (1.0 / p.datum(drop, 2) - 1.0 / p.datum(drop)) / (2.0 * k);
         }},
        {37, "NUM kJ/mol",
         [](const Page& p) {
             const double r = p.datum(arrhenius), t1 = p.datum(arrhenius, 2), t2 = p.datum(arrhenius, 3);
             return gas_constant * 1e-3 * std::log(r) / (1.0 / t1 - 1.0 / t2);
         }},
        {38, "^NUM$",
         [](const Page& p) {
             const double ea = p.datum(ratio), t1 = p.datum(ratio, 2), t2 = p.datum(ratio, 3);
             return std::exp(-ea * 1000.0 / gas_constant * (1.0 / t1 - 1.0 / t2));
         }},
    };
}

std::vector<std::pair<std::int32_t, const char*>> kinetics_without_numbers()
{
    return {};
}

}  // namespace answer_table::chapter_6
