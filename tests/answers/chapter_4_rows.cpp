// Chapter 4, the states of matter: each numeric answer from its page.
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "answer_table.h"
#include "support/table_lookups.h"

namespace answer_table::chapter_4 {

using testing_support::atomic_mass_named;
using testing_support::atoms_of;
using testing_support::composition_mass;
using testing_support::composition_of;
using testing_support::compound_named;

// "del ", "dello ", "dell'": the articulated preposition before a gas's name.
const std::string of = "d(?:el |ello |ella |ell')";
const std::string pressure_unit = "(atm|torr|kPa)";
constexpr double boltzmann = 1.380649e-23;  // J/K
constexpr double calorie = 4.184;           // J

double named_mass(const std::string& name)
{
    return composition_mass(composition_of(compound_named(name)));
}

// The same, each atomic mass read as a datum of the page: where the
// program counts the masses' digits.
double named_mass(const Page& p, const std::string& name)
{
    double sum = 0.0;
    for (const auto& [symbol, count] : atoms_of(composition_of(compound_named(name))))
        sum += count * atomic_mass(p, symbol);
    return sum;
}

double kelvin(double celsius)
{
    return celsius + zero_celsius;
}

// A pressure in atm read after `before`, in the unit printed after it.
double pressure(const Page& p, const std::string& before)
{
    const std::string pattern = before + "NUM " + pressure_unit;
    return atmospheres(p.datum(pattern), p.text(pattern, 2));
}

// A pressure in atm expressed in the unit of the answer.
double in_answer_unit(const Page& p, double atm)
{
    return atm / atmospheres(1.0, p.answer_text("NUM " + pressure_unit, 2));
}

// Problems 15 to 18: the mixture of A and B given by the mass percentage of W.
struct Mixture {
    std::string a, b, w;
    double percent;
    double mass_of_w() const { return named_mass(w); }
    double mass_of_other() const { return named_mass(w == a ? b : a); }
    double mole_fraction_of_w() const
    {
        const double nw = percent / mass_of_w();
        return nw / (nw + (100.0 - percent) / mass_of_other());
    }
};

Mixture mixture(const Page& p)
{
    const std::string pattern = "miscela di (.+?) ed? (.+?) al(?:l'| )NUM% in peso di (.+?)(?: che| a |$)";
    return {p.text(pattern, 1), p.text(pattern, 2), p.text(pattern, 4), p.datum(pattern, 3)};
}

double mole_fraction_asked(const Page& p, const Mixture& m)
{
    const double xw = m.mole_fraction_of_w();
    return p.text(of + "(.+?) in una miscela") == m.w ? xw : 1.0 - xw;
}

// Problems 20 and 21: the balanced equation of the answer, species by species.
struct Species {
    std::string formula;
    double coefficient;
};

std::vector<Species> balanced_equation(const Page& p)
{
    const std::string equation = p.answer_text("^([^;]+);");
    std::vector<Species> species;
    std::size_t start = 0;
    while (start < equation.size()) {
        std::size_t end = equation.find(' ', start);
        if (end == std::string::npos) end = equation.size();
        const std::string term = equation.substr(start, end - start);
        start = end + 1;
        if (term == "+" || term == "=") continue;
        std::size_t digits = 0;
        while (digits < term.size() && std::isdigit(static_cast<unsigned char>(term[digits])) != 0) ++digits;
        species.push_back({term.substr(digits), digits == 0 ? 1.0 : std::stod(term.substr(0, digits))});
    }
    return species;
}

// The amounts after the reaction of the two reactants (amounts a0, a1),
// in the order of the equation, the one used up left out; the second of
// the pair says which that is.
std::vector<double> after_reaction(const std::vector<Species>& s, double a0, double a1, std::size_t& used_up)
{
    used_up = a1 / s[1].coefficient < a0 / s[0].coefficient ? 1 : 0;
    const double extent = (used_up == 0 ? a0 : a1) / s[used_up].coefficient;
    std::vector<double> after;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (i == used_up) continue;
        if (i < 2)
            after.push_back((i == 0 ? a0 : a1) - s[i].coefficient * extent);
        else
            after.push_back(s[i].coefficient * extent);
    }
    return after;
}

// Problem 20: the k-th species line of the answer (0 first), or the total.
double pressure_after(const Page& p, std::size_t k)
{
    const std::vector<Species> s = balanced_equation(p);
    const double a0 = p.datum("pressioni parziali di NUM atm e NUM atm");
    const double a1 = p.datum("pressioni parziali di NUM atm e NUM atm", 2);
    const double ratio = p.datum("è NUM K") / p.datum("a NUM K e alle");
    std::size_t used_up = 0;
    const std::vector<double> after = after_reaction(s, a0, a1, used_up);
    double total = 0.0;
    for (const double a : after) total += a;
    return (k < after.size() ? after[k] : total) * ratio;
}

// Problems 23 and 24: R T / M in m²/s², the gas and the temperature printed.
double rt_over_m(const Page& p)
{
    const std::string pattern = "molecole di (.+) a NUM@uo@C";
    return gas_constant * kelvin(p.datum(pattern, 2)) / named_mass(p, p.text(pattern)) * 1000.0;
}

// Problems 26 to 28: the van der Waals constants as printed.
struct VanDerWaals {
    double a, b;
};
VanDerWaals van_der_waals(const Page& p)
{
    return {p.datum("@ia@ (?:e @ib@ [^0-9]+|= )NUM"), p.datum("(?:@ib@ = |atm•L@u2@/mol@u2@ e )NUM L/mol")};
}

double van_der_waals_volume(const VanDerWaals& c, double t, double pressure)
{
    double v = gas_constant_litre_atm * t / pressure;
    for (int step = 0; step < 10000; ++step) {
        const double next = gas_constant_litre_atm * t / (pressure + c.a / (v * v)) + c.b;
        if (std::abs(next - v) < 1e-12) break;
        v = next;
    }
    return v;
}

// Problems 31 and 32: atoms per cubic cell.
double atoms_per_cell(const Page& p)
{
    return p.has("corpo centrato") ? 2.0 : 4.0;
}

double cell_edge(const Page& p)
{
    const std::string name = p.text("^(?:Il |Lo |L')(\\S+) cristallizza");
    const double density = p.datum("densità è pari a NUM");
    return std::cbrt(atoms_per_cell(p) * atomic_mass_named(name) / (density * avogadro)) * 1.0e7;
}

// Problem 35: the constant B in J/mol.
double constant_b(const Page& p)
{
    const std::string pattern = "è pari a NUM (kJ|kcal|cal)/mol";
    const std::string unit = p.text(pattern, 2);
    const double factor = unit == "kJ" ? 1000.0 : unit == "kcal" ? 1000.0 * calorie : calorie;
    return p.datum(pattern) * factor;
}

const ChapterRows chapter_4 = {
    4,
    {
        {1, "NUM atm",
         [](const Page& p) { return pressure(p, "pressione di ") * p.datum("pari a NUM L") / p.datum("volume NUM L"); },
         Digits::from_data, 12, "Quale sarebbe la pressione"},
        {1, "NUM L",
         [](const Page& p) {
             return p.datum("pari a NUM L") * pressure(p, "pressione di ") / p.datum("pari a NUM atm");
         },
         Digits::from_data, 12, "Quale dovrebbe essere il volume"},
        {2, "NUM atm",
         [](const Page& p) { return p.datum("a NUM L\\.") * p.datum("pari a NUM atm") / p.datum("da NUM L"); },
         Digits::from_data},
        {3, "NUM L",
         [](const Page& p) {
             return p.datum("pari a NUM L") * kelvin(p.datum("portato a NUM@uo@C")) / kelvin(p.datum("L a NUM@uo@C"));
         },
         Digits::from_data, 12, "portato a"},
        // A temperature in °C to the place of its kelvin uncertainty, which a
        // rounding that carries into a new digit keeps (95.5 to the tens
        // shows 1.0•10^2): so too 5 and 25.
        {3,
         "NUM(?:@x2@)?@uo@C",
         [](const Page& p) {
             return kelvin(p.datum("temperatura di NUM@uo@C")) * p.datum("sia pari a NUM L") /
                        p.datum("volume pari a NUM L") -
                    zero_celsius;
         },
         {Digits::celsius, "the place of the kelvin uncertainty, kept where a rounding carries"},
         12,
         "legge di Charles"},
        {4, "NUM atm",
         [](const Page& p) {
             return pressure(p, "pressione di ") * kelvin(p.datum("a NUM@uo@C\\.")) / kelvin(p.datum("da NUM@uo@C"));
         },
         Digits::from_data},
        {5,
         "NUM(?:@x2@)?@uo@C",
         [](const Page& p) {
             return kelvin(p.datum("temperatura di NUM@uo@C")) * p.datum("divenga NUM atm") /
                        pressure(p, "pressione di ") -
                    zero_celsius;
         },
         {Digits::celsius, "the place of the kelvin uncertainty, kept where a rounding carries"}},
        {6, "NUM",
         [](const Page& p) {
             const std::string pattern = "densità " + of + "(.+?) e " + of + "(.+?) gassosi";
             return named_mass(p.text(pattern, 1)) / named_mass(p.text(pattern, 2));
         },
         Digits::from_data},
        {7, "NUM u.m.a.",
         [](const Page& p) {
             return p.datum("stesse condizioni è pari a NUM") / p.datum("è pari a NUM g/L\\.") *
                    named_mass(p.text("La densità " + of + "(.+?) a "));
         },
         Digits::from_data},
        {8, "NUM (atm|torr|kPa)",
         [](const Page& p) {
             const std::string pattern = "NUM g di (.+) a NUM K";
             const double moles = p.datum(pattern) / named_mass(p.text(pattern, 2));
             return in_answer_unit(p, moles * gas_constant_litre_atm * p.datum(pattern, 3) / p.datum("da NUM L"));
         },
         Digits::from_data},
        {9, "NUM L",
         [](const Page& p) {
             const std::string pattern = "da NUM g di (.+) a NUM K";
             return p.datum(pattern) / named_mass(p, p.text(pattern, 2)) * gas_constant_litre_atm *
                    p.datum(pattern, 3) / pressure(p, "K e ");
         },
         Digits::from_data},
        {10, "NUM g",
         [](const Page& p) {
             return pressure(p, "pari a ") * p.datum("da NUM L") * named_mass(p.text("massa di (.+) presente")) /
                    (gas_constant_litre_atm * p.datum("a NUM K$"));
         },
         Digits::from_data},
        {11, "^NUM L;",
         [](const Page& p) { return p.datum("da NUM g") / named_mass(p.text("g di (.+?) in condizioni")) * 22.413968; },
         Digits::from_data},
        {11, "; NUM L",
         [](const Page& p) { return p.datum("da NUM g") / named_mass(p.text("g di (.+?) in condizioni")) * 24.465397; },
         Digits::from_data},
        {12, "NUM g/L",
         [](const Page& p) {
             return pressure(p, " a ") * named_mass(p.text("densità " + of + "(.+) a ")) /
                    (gas_constant_litre_atm * p.datum("e NUM K$"));
         },
         Digits::from_data},
        {13, "NUM g/mol",
         [](const Page& p) {
             return p.datum("pari a NUM g/L") * gas_constant_litre_atm * kelvin(p.datum("a NUM@uo@C")) /
                    atmospheres(p.datum("e NUM torr"), "torr");
         },
         Digits::from_data},
        {15, "^NUM$", [](const Page& p) { return mole_fraction_asked(p, mixture(p)); }, Digits::from_data},
        {16,
         "NUM%",
         [](const Page& p) {
             const std::string pattern = "miscela di (.+?) ed? (.+?) in cui la frazione molare di (.+) è pari a NUM";
             const std::string q = p.text(of + "(.+?) in una miscela");
             const std::string w = p.text(pattern, 3);
             const std::string r = q == p.text(pattern, 1) ? p.text(pattern, 2) : p.text(pattern, 1);
             const double x = p.datum(pattern, 4);
             const double xq = q == w ? x : 1.0 - x;
             return 100.0 * xq * named_mass(q) / (xq * named_mass(q) + (1.0 - xq) * named_mass(r));
         },
         {Digits::from_data, "three digits at most, the count the problem fixes"},
         3},
        {17, "^NUM;", [](const Page& p) { return mole_fraction_asked(p, mixture(p)); }, Digits::from_data},
        {17, "; NUM atm",
         [](const Page& p) { return mole_fraction_asked(p, mixture(p)) * p.datum("pressione totale di NUM atm"); },
         Digits::from_data},
        {18, "^NUM atm",
         [](const Page& p) {
             const Mixture m = mixture(p);
             const double grams = p.datum("contenente NUM g");
             const double moles = p.text(of + "(.+?) e la pressione totale") == m.w
                                      ? grams * m.percent / 100.0 / m.mass_of_w()
                                      : grams * (100.0 - m.percent) / 100.0 / m.mass_of_other();
             return moles * gas_constant_litre_atm * kelvin(p.datum("a NUM@uo@C")) / p.datum("da NUM L");
         },
         Digits::from_data},
        {18, "; NUM atm",
         [](const Page& p) {
             const Mixture m = mixture(p);
             const double grams = p.datum("contenente NUM g");
             const double moles =
                 grams * m.percent / 100.0 / m.mass_of_w() + grams * (100.0 - m.percent) / 100.0 / m.mass_of_other();
             return moles * gas_constant_litre_atm * kelvin(p.datum("a NUM@uo@C")) / p.datum("da NUM L");
         },
         Digits::from_data},
        // The volumes' uncertainties summed through each partial pressure,
        // though they stand above and below the line: a digit short where
        // that decides (36 of 300).
        {19,
         "^NUM atm",
         [](const Page& p) {
             const double v1 = p[0], v2 = p[1], p1 = p[2], p2 = p[3];
             return (p1 * v1 + p2 * v2) / (v1 + v2);
         },
         {Digits::from_data_or_fewer, "a digit short where the volumes, above and below the line, decide (36 of 300)"}},
        {19, "; NUM atm e", [](const Page& p) { return p[2] * p[0] / (p[0] + p[1]); }, Digits::from_data},
        {19, "e NUM atm$", [](const Page& p) { return p[3] * p[1] / (p[0] + p[1]); }, Digits::from_data},
        {20, "^[^;]+; [^:;]+: NUM atm", [](const Page& p) { return pressure_after(p, 0); }, Digits::from_data},
        {20, "^[^;]+; [^:;]+: [^;]+; [^:;]+: NUM atm", [](const Page& p) { return pressure_after(p, 1); },
         Digits::from_data},
        {20, "^[^;]+;(?: [^:;]+: [^;]+;){2} [^:;]+: NUM atm", [](const Page& p) { return pressure_after(p, 2); },
         Digits::from_data, 12, "reazione [^=]+= [^+]+ \\+ "},
        {20, "totale: NUM atm", [](const Page& p) { return pressure_after(p, 9); }, Digits::from_data},
        // The amounts' uncertainties summed line by line, not through the
        // ratio of the amounts after and before: a digit short on 192 of 300.
        {21,
         "; NUM L",
         [](const Page& p) {
             const std::vector<Species> s = balanced_equation(p);
             const double a0 = p.datum("di NUM mol di"), a1 = p.datum("e NUM mol di");
             std::size_t used_up = 0;
             double after = 0.0;
             for (const double a : after_reaction(s, a0, a1, used_up)) after += a;
             return p.datum("volume pari a NUM L") * after / (a0 + a1);
         },
         {Digits::from_data_or_fewer, "a digit short: the amounts' uncertainties summed, not through the ratio"}},
        {22, "^NUM J", [](const Page& p) { return 1.5 * boltzmann * kelvin(p.datum("ideale a NUM@uo@C")); },
         Digits::from_data},
        {22, "; NUM J", [](const Page& p) { return 1.5 * boltzmann * kelvin(p.datum("@uo@C e a NUM@uo@C")); },
         Digits::from_data},
        {23, "^NUM m", [](const Page& p) { return 3.0 * rt_over_m(p); }, Digits::from_data},
        {23, "; NUM m/s", [](const Page& p) { return std::sqrt(3.0 * rt_over_m(p)); }, Digits::from_data},
        {24, "^NUM m/s", [](const Page& p) { return std::sqrt(2.0 * rt_over_m(p)); }, Digits::from_data},
        {24, "; NUM m/s;", [](const Page& p) { return std::sqrt(8.0 / std::numbers::pi * rt_over_m(p)); },
         Digits::from_data},
        {24, "; NUM m/s$", [](const Page& p) { return std::sqrt(3.0 * rt_over_m(p)); }, Digits::from_data},
        {25,
         "NUM(?:@x2@)?@uo@C",
         [](const Page& p) {
             const std::string pattern = "molecole di (.+) è uguale a quella delle molecole di (.+) a NUM@uo@C";
             return named_mass(p, p.text(pattern, 1)) / named_mass(p, p.text(pattern, 2)) *
                        kelvin(p.datum(pattern, 3)) -
                    zero_celsius;
         },
         {Digits::celsius, "the place of the kelvin uncertainty, kept where a rounding carries"}},
        {26,
         "^NUM atm",
         [](const Page& p) {
             const VanDerWaals c = van_der_waals(p);
             const std::string pattern = "da NUM L contenente NUM kg di (.+) a NUM@uo@C";
             const double v = p.datum(pattern);
             const double n = p.datum(pattern, 2) * 1000.0 / named_mass(p.text(pattern, 3));
             return n * gas_constant_litre_atm * kelvin(p.datum(pattern, 4)) / (v - n * c.b) - c.a * n * n / (v * v);
         },
         {Digits::from_data, "three digits at most, the count the problem fixes"},
         3},
        {26,
         "ideale: NUM atm",
         [](const Page& p) {
             const std::string pattern = "da NUM L contenente NUM kg di (.+) a NUM@uo@C";
             const double n = p.datum(pattern, 2) * 1000.0 / named_mass(p.text(pattern, 3));
             return n * gas_constant_litre_atm * kelvin(p.datum(pattern, 4)) / p.datum(pattern);
         },
         {Digits::from_data, "three digits at most, the count the problem fixes"},
         3},
        {27, "^NUM L",
         [](const Page& p) {
             const VanDerWaals c = van_der_waals(p);
             return van_der_waals_volume(c, kelvin(p.datum("a NUM@uo@C")), p.datum("e NUM atm"));
         },
         Digits::from_data},
        {27, "ideale: NUM L",
         [](const Page& p) { return gas_constant_litre_atm * kelvin(p.datum("a NUM@uo@C")) / p.datum("e NUM atm"); },
         Digits::from_data},
        {28, "NUM",
         [](const Page& p) {
             const VanDerWaals c = van_der_waals(p);
             const double t = kelvin(p.datum("a NUM@uo@C")), pressure = p.datum("e NUM atm");
             return pressure * van_der_waals_volume(c, t, pressure) / (gas_constant_litre_atm * t);
         },
         Digits::from_data},
        {31, "^NUM nm", [](const Page& p) { return cell_edge(p); }, Digits::from_data},
        {31, "; NUM nm",
         [](const Page& p) {
             return cell_edge(p) * (atoms_per_cell(p) == 2.0 ? std::sqrt(3.0) : std::sqrt(2.0)) / 2.0;
         },
         Digits::from_data},
        {32, "NUM kg",
         [](const Page& p) {
             const double edge = p.datum("lato pari a NUM nm") * 1.0e-9;
             const std::string name = p.text("densità " + of + "(\\S+),");
             return atoms_per_cell(p) * atomic_mass_named(name) / 1000.0 / (avogadro * edge * edge * edge);
         },
         Digits::from_data},
        {33, "NUM nm",
         [](const Page& p) {
             const double units = p.has("quattro unità") ? 4.0 : 1.0;
             const double m = named_mass(p.text("^(?:Il |L')(.+) cristallizza"));
             return std::cbrt(units * m / (p.datum("pari a NUM g") * avogadro)) * 1.0e7;
         },
         Digits::from_data},
        {34, "NUM u.m.a.",
         [](const Page& p) {
             double volume = 0.0;  // nm³
             if (p.has("cubica"))
                 volume = std::pow(p.datum("lato NUM nm"), 3);
             else if (p.has("tetragonale"))
                 volume = std::pow(p.datum("@ib@ = NUM nm"), 2) * p.datum("@ic@ = NUM nm");
             else
                 volume = p.datum("assi NUM nm") * p.datum(", NUM nm e") * p.datum("e NUM nm con");
             const double molecules = p.has("con due") ? 2.0 : 4.0;
             return p.datum("pari a NUM g") * volume * 1.0e-21 * avogadro / molecules;
         },
         Digits::from_data},
        {35, "NUM (atm|torr|kPa)",
         [](const Page& p) {
             const double t = kelvin(p.datum("a NUM@uo@C$")), tb = kelvin(p.datum("è NUM@uo@C e"));
             return in_answer_unit(p, std::exp(-constant_b(p) / gas_constant * (1.0 / t - 1.0 / tb)));
         },
         Digits::from_data},
        // Two digits, or whole degrees from 100 °C up: a count the book fixes.
        {36,
         "NUM@uo@C",
         [](const Page& p) {
             const std::string pattern = "pari a NUM torr a NUM@uo@C e a NUM torr a NUM@uo@C";
             const double p1 = p.datum(pattern), t1 = kelvin(p.datum(pattern, 2));
             const double p2 = p.datum(pattern, 3), t2 = kelvin(p.datum(pattern, 4));
             const double q = std::log(p.datum("pressione di NUM torr") / p2) / std::log(p1 / p2);
             return 1.0 / ((1.0 / t1 - 1.0 / t2) * q + 1.0 / t2) - zero_celsius;
         },
         {Digits::ceiling, "two digits, or whole degrees from 100 °C up"},
         3},
    },
    {
        {14, "a molecular formula"},
        {29, "true or false"},
        {30, "a crystal system"},
        {37, "a phase read from a drawing"},
        {38, "a phase transition read from a drawing"},
        {39, "a phase transition read from a drawing"},
        {40, "yes or no"},
        {41, "a transformation named"},
    },
    {
        {15, 15, "0.950", "0.9497"},                         // 0.94967 uncertain by 0.0009: no cap of three digits
        {18, 128, "0.2 atm; 0.4 atm", "0.23 atm; 0.4 atm"},  // 0.2320 by 0.0735 to first order
        {18, 83, "1.5 atm; 5 atm", "1.5 atm; 4.5 atm"},      // 4.530 by 0.91 to first order
    },
};

TEST(AnswerTable, StatesOfMatter)
{
    check_chapter(chapter_4);
}

}  // namespace answer_table::chapter_4
