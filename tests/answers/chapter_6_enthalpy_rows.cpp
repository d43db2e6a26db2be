// Chapter 6, energy and enthalpy, reaction enthalpies: problems 1 to 15: each numeric answer from its page.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "answer_table.h"
#include "chemistry/data_tables.h"
#include "numbers/fixed_width.h"
#include "support/formula_reading.h"
#include "support/table_lookups.h"

namespace answer_table::chapter_6 {
namespace enthalpy {

constexpr double joules_per_calorie = 4.184;

// The molar mass of a compound or element named as the tables name it.
double named_mass(const std::string& name)
{
    if (const std::int32_t k = testing_support::compound_named(name); k != 0)
        return testing_support::composition_mass(testing_support::composition_of(k));
    return testing_support::atomic_mass_named(name);
}

// One term of an equation as printed: its coefficient and its formula.
struct Term {
    double amount = 1.0;
    std::string formula;
};

// The terms of one side ("2CO + O@d2@"), in order.
std::vector<Term> terms_of(const std::string& side)
{
    std::vector<Term> terms;
    std::size_t start = 0;
    while (start < side.size()) {
        std::size_t end = side.find(" + ", start);
        if (end == std::string::npos) end = side.size();
        const std::string term(strip_blanks(std::string_view(side).substr(start, end - start)));
        std::size_t digits = 0;
        while (digits < term.size() && std::isdigit(static_cast<unsigned char>(term[digits])) != 0) ++digits;
        terms.push_back({digits == 0 ? 1.0 : std::stod(term.substr(0, digits)), term.substr(digits)});
        start = end + 3;
    }
    return terms;
}

// Products minus reactants of a quantity per formula (0 for formulas it
// does not know).
template <typename PerFormula>
double products_minus_reactants(const std::string& equation, PerFormula per_formula)
{
    const std::size_t equals = equation.find(" = ");
    double sum = 0.0;
    for (const Term& t : terms_of(equation.substr(0, equals))) sum -= t.amount * per_formula(t.formula);
    for (const Term& t : terms_of(equation.substr(equals + 3))) sum += t.amount * per_formula(t.formula);
    return sum;
}

// Joules per unit of the answer's unit (J or kJ, group 2 of the pattern).
double in_unit(const Page& p, const std::string& answer)
{
    return p.answer_text(answer, 2) == "kJ" ? 1000.0 : 1.0;
}

// Heat taken up by the system (1) or the work it does (2), signed as
// the words of the page say.
double heat_taken(const Page& p)
{
    return (p.has("cede all'ambiente calore") ? -1.0 : 1.0) * p.datum("calore pari a NUM kJ");
}

double work_done(const Page& p)
{
    return (p.has("mentre l'ambiente fa su di esso") ? -1.0 : 1.0) * p.datum("lavoro pari a NUM kJ");
}

// Problem 4: heat of a monatomic gas at constant volume (3R/2) or pressure (5R/2).
double noble_gas_heat(const Page& p, double half_r)
{
    const std::string pattern = "da NUM g di (\\S+) che .* da NUM@uo@C a NUM@uo@C";
    const double moles = p.datum(pattern) / testing_support::atomic_mass_named(p.text(pattern, 2));
    return moles * half_r * 0.5 * gas_constant * std::abs(p.datum(pattern, 4) - p.datum(pattern, 3));
}

// Problem 6: the two samples, their heat capacities and temperatures.
const std::string contact = "campione di NUM g di (.+?) a NUM@uo@C è posto in contatto con un campione di NUM g di "
                            "(.+?) a NUM@uo@C\\. .* rispettivamente a NUM e NUM J";

struct Contact {
    double c1, c2, t1, t2;
};

Contact contact_of(const Page& p)
{
    return {p.datum(contact) / named_mass(p.text(contact, 2)) * p.datum(contact, 7),
            p.datum(contact, 4) / named_mass(p.text(contact, 5)) * p.datum(contact, 8), p.datum(contact, 3),
            p.datum(contact, 6)};
}

// Problem 7: the enthalpy of a mole of water at t °C from ice at 0 °C, with
// the constants of the page.
double water_enthalpy(const Page& p, double t, double printed)
{
    // The constants are the same on every page: judged, their digits do not
    // cut the heat's.
    const double fusion = 1000.0 * p.exact("ghiaccio a 1 atm e 0@uo@C è pari a NUM kJ/mol");
    const double boiling = 1000.0 * p.exact("acqua a 1 atm e 100@uo@C è pari a NUM kJ/mol");
    const double a = p.exact("da NUM \\+ NUM@it@"), b = p.exact("da NUM \\+ NUM@it@", 2);
    const double water = p.exact("sono pari a NUM e NUM J"), steam = p.exact("sono pari a NUM e NUM J", 2);
    // The phase is the one of the temperature printed, wherever its
    // uncertainty reaches.
    if (printed <= 0.0) return a * t + 0.5 * b * t * t;
    if (printed <= 100.0) return fusion + water * t;
    return fusion + 100.0 * water + boiling + steam * (t - 100.0);
}

double water_heat(const Page& p)
{
    const std::string pattern = "a pressione atmosferica di NUM g di .* da NUM@uo@C a NUM@uo@C$";
    const double t_from = p.datum(pattern, 2), t_to = p.datum(pattern, 3);
    const double printed_from = std::stod(p.text(pattern, 2)), printed_to = std::stod(p.text(pattern, 3));
    return (water_enthalpy(p, t_to, printed_to) - water_enthalpy(p, t_from, printed_from)) * p.datum(pattern) /
           mass("H@d2@O");
}

// Problem 11: the enthalpy and the work of burning the mass printed.
const std::string organic = "di formula (\\S+) a 1 atm e NUM@uo@C è pari a NUM kJ/mol\\..* combustione di NUM g";

double organic_moles(const Page& p)
{
    return p.datum(organic, 4) / mass(p.text(organic));
}

double organic_enthalpy(const Page& p)
{
    return -p.datum(organic, 3) * organic_moles(p);
}

double organic_energy(const Page& p)
{
    const auto atoms = testing_support::read_formula(p.text(organic)).atoms;
    const double c = atoms.at("C"), h = atoms.at("H"), o = atoms.at("O");
    const double t = p.datum(organic, 2);
    // Water is a gas from 100 °C on, as the temperature printed says.
    const double gas = c + (std::stod(p.text(organic, 2)) >= 100.0 ? h / 2.0 : 0.0) - (c + h / 4.0 - o / 2.0);
    return organic_enthalpy(p) - gas * organic_moles(p) * gas_constant * 1e-3 * (t + zero_celsius);
}

// Problem 13: Hess's law from the heats of combustion printed.
double hess_enthalpy(const Page& p)
{
    const std::string heats = "combustione di (\\S+) e di (\\S+) a 1 atm e NUM@uo@C sono pari a NUM e NUM kJ/mol";
    const std::string first = p.text(heats), second = p.text(heats, 2);
    const double q1 = p.datum(heats, 4), q2 = p.datum(heats, 5);
    const double co = p.datum("2CO@d2@ è pari a NUM kJ") / 2.0;
    const std::string equation = p.text("stesse condizioni per la reazione (\\S.*)$");
    // Combustion enthalpies of the products minus those of the reactants, reversed.
    return -products_minus_reactants(equation, [&](const std::string& f) {
        return f == first ? -q1 : f == second ? -q2 : f == "CO" ? co : 0.0;
    });
}

// Problem 14: the enthalpies of formation printed, in the order named.
double formation_enthalpy(const Page& p)
{
    const std::string listed = p.text("formazione di (.+?) a 298 K");
    std::vector<std::string> names;
    for (std::size_t start = 0; start < listed.size();) {
        std::size_t end = listed.find(", ", start), next = end + 2;
        if (end == std::string::npos) {
            end = listed.find(" e ", start);
            next = end == std::string::npos ? listed.size() : end + 3;
        }
        if (end == std::string::npos) end = listed.size();
        names.push_back(listed.substr(start, end - start));
        start = next;
    }
    std::string values = "pari a NUM";
    for (std::size_t i = 1; i < names.size(); ++i) values += i + 1 == names.size() ? " e NUM" : ", NUM";
    values += " kJ/mol";
    std::vector<double> enthalpies;
    for (std::size_t i = 0; i < names.size(); ++i) enthalpies.push_back(p.datum(values, i + 1));
    return products_minus_reactants(p.text("nella reazione (\\S.*)$"), [&](const std::string& f) {
        for (std::size_t i = 0; i < names.size(); ++i)
            if (names[i] == f) return enthalpies[i];
        return 0.0;
    });
}

// Problem 15: the reaction of the table whose species the equation shows,
// with its coefficients; the page's equation is left for the student to
// balance.
std::string formula_without_state(const std::string& term)
{
    const std::size_t state = term.rfind("@d(");
    return state == std::string::npos ? term : term.substr(0, state);
}

std::string balanced(const std::string& shown)
{
    std::string wanted;
    for (const std::string& side : {shown.substr(0, shown.find(" = ")), shown.substr(shown.find(" = ") + 3)}) {
        for (const Term& t : terms_of(side)) wanted += formula_without_state(t.formula) + " ";
        wanted += "= ";
    }
    for (std::int32_t n = 1; n <= 150; ++n) {
        std::string body(strip_blanks(record_columns(reaction_record(n), 11, 130)));
        std::erase(body, '$');
        std::ranges::replace(body, '&', '+');
        const std::size_t equals = body.find(" = ");
        if (equals == std::string::npos) continue;
        std::string found;
        for (const std::string& side : {body.substr(0, equals), body.substr(equals + 3)}) {
            for (const Term& t : terms_of(side)) found += std::string(strip_blanks(t.formula)) + " ";
            found += "= ";
        }
        if (found == wanted) return body;
    }
    ADD_FAILURE() << "no reaction " << shown;
    return {};
}

double mass_enthalpy(const Page& p)
{
    const std::string pattern = "a NUM@uo@C di NUM g di (\\S+) secondo l'equazione (.+)$";
    const std::string shown = p.text(pattern, 4);
    const std::string body = balanced(shown);
    if (body.empty()) return std::nan("");
    const double t = p.datum(pattern);
    const bool vapour = shown.find("H@d2@O@d(g)@") != std::string::npos;
    const auto per_mole = [&](const std::string& f) {
        const std::string formula(strip_blanks(f));
        if (vapour && formula == "H@d2@O") return p.table_datum("-241.8") + p.table_datum("33.6") * (t - 25.0) * 1e-3;
        const std::int32_t k = testing_support::compound_with_formula(formula);
        const std::string formation(strip_blanks(record_columns(compound_record(k), 131, 138)));
        const std::string capacity(strip_blanks(record_columns(compound_record(k), 153, 158)));
        return (formation.empty() ? 0.0 : p.table_datum(formation)) +
               (capacity.empty() ? 0.0 : p.table_datum(capacity)) * (t - 25.0) * 1e-3;
    };
    const Term first = terms_of(body.substr(0, body.find(" = "))).front();
    return p.datum(pattern, 2) / (first.amount * mass(p.text(pattern, 3))) * products_minus_reactants(body, per_mole);
}

}  // namespace enthalpy

std::vector<Row> enthalpy_rows()
{
    using namespace enthalpy;
    return {
        {1, "NUM kJ", [](const Page& p) { return heat_taken(p) - work_done(p); }, Digits::from_data},
        {2, "NUM kJ",
         [](const Page& p) { return p.datum("@bD@@iE@@dAC@ = NUM kJ") - p.datum("@bD@@iE@@dAB@ = NUM kJ"); },
         Digits::from_data},
        {3, "NUM kJ",
         [](const Page& p) {
             const double q = (p.has("cedono in totale") ? -1.0 : 1.0) * p.datum("calore pari a NUM kJ");
             return q - p.datum("@bD@@iE@@d1@ = NUM kJ") - p.datum("@bD@@iE@@d2@ = NUM kJ");
         },
         Digits::from_data},
        {4, "NUM J;", [](const Page& p) { return noble_gas_heat(p, 3.0); }, Digits::from_data},
        {4, "; NUM J", [](const Page& p) { return noble_gas_heat(p, 5.0); }, Digits::from_data},
        {5, "^NUM J",
         [](const Page& p) {
             const std::string cp =
                 "da NUM (c?a?l?J?)/\\(K•mol\\) per @it@ = NUM@uo@C a NUM (c?a?l?J?)/\\(K•mol\\) per "
                 "@it@ = NUM@uo@C";
             const double unit = p.text(cp, 2) == "cal" ? joules_per_calorie : 1.0;
             const double mean = 0.5 * unit * (p.datum(cp) + p.datum(cp, 4));
             const std::string heating = "(riscaldamento|raffreddamento) di NUM g di (.+) da NUM@uo@C a NUM@uo@C$";
             const double moles = p.datum(heating, 2) / named_mass(p.text(heating, 3));
             return moles * mean * (p.datum(heating, 5) - p.datum(heating, 4));
         },
         Digits::from_data},
        {6,
         "^NUM@uo@C",
         [](const Page& p) {
             const Contact c = contact_of(p);
             return (c.c1 * c.t1 + c.c2 * c.t2) / (c.c1 + c.c2);
         },
         {Digits::ceiling, "the final temperature with 3 digits", 3}},
        {6, "; NUM k?J",
         [](const Page& p) {
             const Contact c = contact_of(p);
             return std::abs(c.t1 - c.t2) * c.c1 * c.c2 / (c.c1 + c.c2) / in_unit(p, "; NUM (k?J)");
         },
         Digits::from_data},
        {7, "^NUM k?J", [](const Page& p) { return water_heat(p) / in_unit(p, "^NUM (k?J)"); }, Digits::from_data},
        {8,
         "^NUM@uo@C",
         [](const Page& p) {
             const std::string volumes = "sono pari a NUM e NUM cm@u3@";
             const double change = (p.datum(volumes, 2) - p.datum(volumes)) * 1e-6;
             const double fusion = 1000.0 * p.datum("ghiaccio è pari a NUM kJ/mol");
             const double rise = (p.datum("pressione di NUM atm") - 1.0) * 101325.0;
             return zero_celsius * (std::exp(change * rise / fusion) - 1.0);
         },
         {Digits::ceiling, "the melting point with 2 digits", 2}},
        {9,
         "^NUM@uo@C",
         [](const Page& p) {
             const std::string b = "@iB/RT@\\) è pari a NUM (kJ|kcal|cal)/mol";
             const std::string unit = p.text(b, 2);
             const double joules = p.datum(b) * (unit == "kJ" ? 1000.0 : unit == "kcal" ? 4184.0 : 4.184);
             const double boiling = p.datum("pressione atmosferica è NUM@uo@C") + zero_celsius;
             const double pressure = p.datum("alla pressione di NUM atm");
             return 1.0 / (1.0 / boiling - gas_constant * std::log(pressure) / joules) - zero_celsius;
         },
         {Digits::from_data, "three digits at most, the count the book gives the temperature"},
         3},
        {10, "^NUM kJ/mol",
         [](const Page& p) {
             const std::string pattern = "\\((\\S+)\\) (solido|liquido|gassoso) a NUM@uo@C .* = NUM kJ";
             const auto atoms = testing_support::read_formula(p.text(pattern)).atoms;
             const auto count = [&](const char* s) { return atoms.contains(s) ? atoms.at(s) : 0.0; };
             const double c = count("C"), h = count("H"), o = count("O");
             const double gas = c - (c + h / 4.0 - o / 2.0) - (p.text(pattern, 2) == "gassoso" ? 1.0 : 0.0);
             return p.datum(pattern, 4) + gas * gas_constant * 1e-3 * (p.exact(pattern, 3) + zero_celsius);
         }},
        {11, "^NUM kJ;", organic_enthalpy, Digits::from_data},
        {11, "; NUM kJ", organic_energy, Digits::from_data},
        {12, "^NUM kJ",
         [](const Page& p) {
             const double t1 = p.datum("^@T1@@C1@A NUM@uo@C"), t2 = p.datum("@d\\(g\\)@ a NUM@uo@C");
             const double liquid = p.datum("@d\\(l\\)@ è pari a NUM kJ");
             const double vapour = p.datum("evaporazione dell'acqua è NUM kJ/mol");
             const std::string cp = "rispettivamente pari a NUM, NUM e NUM J";
             const double change = 2.0 * p.datum(cp, 3) - 2.0 * p.datum(cp) - p.datum(cp, 2);
             return liquid + 2.0 * vapour + change * (t2 - t1) * 1e-3;
         },
         Digits::from_data},
        {13, "^NUM kJ", hess_enthalpy, Digits::from_data},
        {14, "^NUM kJ", formation_enthalpy, Digits::from_data},
        {15, "^NUM kJ", mass_enthalpy, Digits::from_data},
    };
}

std::vector<std::pair<std::int32_t, const char*>> enthalpy_without_numbers()
{
    return {};
}

}  // namespace answer_table::chapter_6
