// Chapter 5, the solutions: each numeric answer from its page.
#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "answer_table.h"
#include "chemistry/data_tables.h"
#include "chemistry/equation_text.h"
#include "support/formula_reading.h"
#include "support/shown_numbers.h"
#include "support/table_lookups.h"

namespace answer_table::chapter_5 {

constexpr double water = 18.0153;  // g/mol

// A volume in litres from its value and unit.
double litres(double value, const std::string& unit)
{
    return unit == "L" || unit == "dm@u3@" ? value : value * 0.001;
}

// A salt split into its cation and its anion, with their counts per formula.
struct Salt {
    std::string cation, anion;
    double cations = 1.0, anions = 1.0;
};

// The count after `at` ("@d2@"), 1 if none; `at` moves past it.
double subscript(const std::string& f, std::size_t& at)
{
    if (f.compare(at, 3, "@d2") != 0 && f.compare(at, 2, "@d") != 0) return 1.0;
    const std::size_t end = f.find('@', at + 2);
    const double n = std::stod(f.substr(at + 2, end - at - 2));
    at = end + 1;
    return n;
}

Salt salt_of(const std::string& f)
{
    Salt s;
    std::size_t at = 0;
    if (f.starts_with("(NH@d4@)")) {
        s.cation = "NH@d4@";
        at = 8;
    } else if (f.starts_with("NH@d4@")) {
        s.cation = "NH@d4@";
        at = 6;
    } else {
        at = f.size() > 1 && std::islower(static_cast<unsigned char>(f[1])) != 0 ? 2 : 1;
        s.cation = f.substr(0, at);
    }
    s.cations = subscript(f, at);
    std::string rest = f.substr(at);
    if (rest.starts_with("(")) {
        const std::size_t close = rest.find(')');
        std::size_t after = close + 1;
        s.anion = rest.substr(1, close - 1);
        s.anions = subscript(rest, after);
        return s;
    }
    // One element with its count ("Cl@d2@"), or a polyatomic anion once.
    std::size_t symbol = rest.size() > 1 && std::islower(static_cast<unsigned char>(rest[1])) != 0 ? 2 : 1;
    std::size_t after = symbol;
    const double n = subscript(rest, after);
    if (after == rest.size()) {
        s.anion = rest.substr(0, symbol);
        s.anions = n;
    } else {
        s.anion = rest;
    }
    return s;
}

// Ions of the kind printed ("K@u+@", "SO@d4@@u2-@") per formula of the salt.
double ions_per_formula(const std::string& ion, const std::string& salt)
{
    const std::string bare = ion.substr(0, ion.find("@u"));
    const Salt s = salt_of(salt);
    return bare == s.cation ? s.cations : s.anions;
}

double all_ions(const std::string& salt)
{
    const Salt s = salt_of(salt);
    return s.cations + s.anions;
}

// The mole fraction of w% by mass of a in b, by their molar masses.
double mole_fraction(double w, double ma, double mb)
{
    return w / ma / (w / ma + (100.0 - w) / mb);
}

// The species of an equation as printed, in order.
std::vector<std::string> species_of(const std::string& equation)
{
    std::vector<std::string> species;
    std::size_t start = 0;
    while (start <= equation.size()) {
        std::size_t end = equation.find(' ', start);
        if (end == std::string::npos) end = equation.size();
        const std::string term = equation.substr(start, end - start);
        if (!term.empty() && term != "+" && term != "=") species.push_back(term);
        start = end + 1;
    }
    return species;
}

// The coefficient of a formula in the reaction of the table whose species,
// water aside, the statement prints.
double coefficient_in(const std::string& printed, const std::string& formula)
{
    std::vector<std::string> wanted = species_of(printed);
    std::erase(wanted, "H@d2@O");
    std::ranges::sort(wanted);
    for (std::int32_t r = 1; r <= 150; ++r) {
        const ReactionRecord& record = reaction_record(r);
        EquationTerms terms;
        if (!parse_equation_terms(record, terms)) continue;
        std::vector<std::string> found;
        double coefficient = std::nan("");
        for (std::int32_t i = 1; i <= terms.species_count(); ++i) {
            const std::string text(strip_trailing_blanks(terms.species_text(record, i)));
            if (text == formula) coefficient = terms.coefficient[i];
            if (text != "H@d2@O") found.push_back(text);
        }
        std::ranges::sort(found);
        if (found == wanted) return coefficient;
    }
    ADD_FAILURE() << "no reaction " << printed << " with " << formula;
    return std::nan("");
}

// The oxidation number of `element` in a formula, the others at their usual
// ones (H +1, O -2, alkali metals +1, alkaline earths +2, NH4 +1).
double oxidation_number(const std::string& formula, const std::string& element)
{
    std::string f = formula;
    double known = 0.0;
    if (const auto nh4 = f.find("NH@d4@"); nh4 != std::string::npos && element != "N") {
        const bool grouped = nh4 > 0 && f[nh4 - 1] == '(';
        double n = 1.0;
        if (grouped) {
            std::size_t at = nh4 + 7;
            n = subscript(f, at);
            f.erase(nh4 - 1, at - nh4 + 1);
        } else {
            f.erase(nh4, 6);
        }
        known += n;
    }
    const auto atoms = testing_support::read_formula(f).atoms;
    const std::map<std::string, double> usual = {{"H", 1}, {"O", -2}, {"Li", 1}, {"Na", 1},
                                                 {"K", 1}, {"Ca", 2}, {"Ba", 2}, {"Mg", 2}};
    for (const auto& [symbol, n] : atoms)
        if (symbol != element) known += n * usual.at(symbol);
    return -known / atoms.at(element);
}

// Problems 8 and 9: moles of the ion printed per kilogram of water, and its
// mole fraction among the water and all the salt's ions.
const std::string ion_in_water = "ioni ?(\\S+) nella .* NUM g di (\\S+) in NUM g di acqua";

double ion_per_kilogram(const Page& p)
{
    const std::string salt = p.text(ion_in_water, 3);
    return p.datum(ion_in_water, 2) / mass(salt) * ions_per_formula(p.text(ion_in_water), salt) /
           (p.datum(ion_in_water, 4) / 1000.0);
}

double ion_fraction(const Page& p)
{
    const std::string salt = p.text(ion_in_water, 3);
    const double n = p.datum(ion_in_water, 2) / mass(salt);
    return n * ions_per_formula(p.text(ion_in_water), salt) / (n * all_ions(salt) + p.datum(ion_in_water, 4) / water);
}

const ChapterRows chapter_5 = {
    5,
    {
        {1, "NUM F",
         [](const Page& p) {
             const std::string pattern = "contiene NUM (m?g) di (\\S+) in NUM (L|dm@u3@|mL|cm@u3@)";
             const double grams = p.datum(pattern) * (p.text(pattern, 2) == "mg" ? 0.001 : 1.0);
             return grams / mass(p.text(pattern, 3)) / litres(p.datum(pattern, 4), p.text(pattern, 5));
         },
         Digits::from_data},
        {2, "NUM (m?g)$",
         [](const Page& p) {
             const std::string pattern = "massa di (\\S+) contenuta in NUM (L|dm@u3@|mL|cm@u3@) di soluzione NUM F";
             const double grams =
                 p.datum(pattern, 4) * litres(p.datum(pattern, 2), p.text(pattern, 3)) * mass(p.text(pattern));
             return p.answer_text("(m?g)$") == "mg" ? grams * 1000.0 : grams;
         },
         Digits::from_data},
        {3, "NUM M",
         [](const Page& p) {
             const std::string pattern = "ioni (\\S+) nella .* NUM (m?g) di (\\S+) in acqua e portando il volume a NUM "
                                         "(L|mL)";
             const std::string salt = p.text(pattern, 4);
             const double grams = p.datum(pattern, 2) * (p.text(pattern, 3) == "mg" ? 0.001 : 1.0);
             return grams / mass(salt) * ions_per_formula(p.text(pattern), salt) /
                    litres(p.datum(pattern, 5), p.text(pattern, 6));
         },
         Digits::from_data},
        {4, "NUM%",
         [](const Page& p) {
             const double solute = p.datum("sciogliendo NUM g"), solvent = p.datum("in NUM g di acqua");
             return solute / (solute + solvent) * 100.0;
         },
         Digits::from_data},
        {5, "^NUM g", [](const Page& p) { return p.datum("ottenere NUM g") * p.datum("pari a NUM%") / 100.0; },
         Digits::from_data},
        {5, "e NUM g di acqua",
         [](const Page& p) {
             const double total = p.datum("ottenere NUM g");
             return total - total * p.datum("pari a NUM%") / 100.0;
         },
         Digits::from_data},
        {6, "NUM F",
         [](const Page& p) {
             return 10.0 * p.datum("al?l?'? ?NUM% in peso") * p.datum("è pari a NUM") /
                    mass(p.text("in peso di (\\S+) in acqua"));
         },
         Digits::from_data},
        {7, "NUM%",
         [](const Page& p) {
             const std::string name = p.text("percentuale in peso di (.+) in una soluzione");
             const double m = testing_support::composition_mass(
                 testing_support::composition_of(testing_support::compound_named(name)));
             return p.datum("acquosa NUM F") * m / (10.0 * p.datum("densità è pari a NUM"));
         },
         Digits::from_data},
        {8, "^NUM mol/kg", ion_per_kilogram, Digits::from_data},
        {8, "; NUM$", ion_fraction, Digits::from_data},
        // Dilute: the solution's volume taken as the water's, a litre a kilogram.
        {9, "^NUM M", ion_per_kilogram, Digits::from_data},
        {9, "; NUM$", ion_fraction, Digits::from_data},
        {10, "NUM M",
         [](const Page& p) {
             const std::string pattern = "ioni (\\S+) nella .* NUM mL di (\\S+) NUM F fino al volume di NUM mL";
             return p.datum(pattern, 2) * p.datum(pattern, 4) / p.datum(pattern, 5) *
                    ions_per_formula(p.text(pattern), p.text(pattern, 3));
         },
         Digits::from_data},
        {11, "NUM M",
         [](const Page& p) {
             const std::string pattern = "ioni (\\S+) nella .* NUM mL di (\\S+) NUM F con NUM mL di \\S+ NUM F";
             const double v1 = p.datum(pattern, 2), v2 = p.datum(pattern, 5);
             return (v1 * p.datum(pattern, 4) + v2 * p.datum(pattern, 6)) / (v1 + v2) *
                    ions_per_formula(p.text(pattern), p.text(pattern, 3));
         },
         Digits::from_data},
        {12, "NUM M",
         [](const Page& p) {
             const std::string pattern = "ioni (\\S+) nella .* NUM mL di (\\S+) NUM F con NUM mL di (\\S+) NUM F";
             const std::string ion = p.text(pattern);
             const double v1 = p.datum(pattern, 2), v2 = p.datum(pattern, 5);
             return (v1 * p.datum(pattern, 4) * ions_per_formula(ion, p.text(pattern, 3)) +
                     v2 * p.datum(pattern, 7) * ions_per_formula(ion, p.text(pattern, 6))) /
                    (v1 + v2);
         },
         Digits::from_data},
        {13, "NUM mL",
         [](const Page& p) {
             const std::string pattern = "volume di (\\S+) NUM F da aggiungere a NUM mL di \\S+ NUM F .*ioni (\\S+) .* "
                                         "pari a NUM M";
             const double k = ions_per_formula(p.text(pattern, 5), p.text(pattern));
             const double added = p.datum(pattern, 2) * k, start = p.datum(pattern, 4) * k;
             const double wanted = p.datum(pattern, 6);
             const double v = p.datum(pattern, 3) * (start - wanted) / (wanted - added);
             return v > 0.0 ? v : std::nan("");
         }},
        {14,
         "^NUM mL",
         [](const Page& p) {
             const std::string pattern =
                 "soluzione NUM M in ioni (\\S+) .* NUM mL di (\\S+) NUM F e NUM mL di (\\S+) NUM F";
             const std::string ion = p.text(pattern, 2);
             const double c = p.datum(pattern);
             const double v1 = p.datum(pattern, 3),
                          c1 = p.datum(pattern, 5) * ions_per_formula(ion, p.text(pattern, 4));
             const double v2 = p.datum(pattern, 6),
                          c2 = p.datum(pattern, 8) * ions_per_formula(ion, p.text(pattern, 7));
             // The volume of the solution the answer says runs out, with
             // its uncertainty on that branch alone.
             if (p.answer_text("tutta la (prima|seconda) soluzione") == "prima") return v1 + v1 * (c1 - c) / (c - c2);
             return v2 + v2 * (c - c2) / (c1 - c);
         },
         {Digits::from_data, "three digits at most, the count the problem fixes"},
         3},
        {15, "NUM g",
         [](const Page& p) {
             const std::string pattern = "di (\\S+) è NUM F .* campione di NUM g .* formare NUM mL";
             const double left =
                 p.datum(pattern, 3) - p.datum(pattern, 2) * p.datum(pattern, 4) / 1000.0 * mass(p.text(pattern));
             return left > 0.0 ? left : std::nan("");
         },
         Digits::from_data},
        {16, "NUM F",
         [](const Page& p) {
             const std::string pattern =
                 "di (\\S+) a 25@uo@C e a 100@uo@C sono pari a NUM e NUM g/L.* satura a NUM@uo@C";
             const double s25 = p.datum(pattern, 2), s100 = p.datum(pattern, 3), t = p.datum(pattern, 4) + zero_celsius;
             const double a = std::log(s100 / s25) / (1.0 / 298.15 - 1.0 / 373.15);
             return s25 * std::exp(-a * (1.0 / t - 1.0 / 298.15)) / mass(p.text(pattern));
         },
         two_digits},
        {17, "NUM torr",
         [](const Page& p) {
             const double x =
                 mole_fraction(p.datum("al(?:l'| )NUM% in peso di benzene"), mass("C@d6@H@d6@"), mass("C@d7@H@d8@"));
             const std::string pattern = "pari a NUM e NUM torr";
             return x * p.datum(pattern) + (1.0 - x) * p.datum(pattern, 2);
         },
         Digits::from_data},
        {18, "NUM%",
         [](const Page& p) {
             const double x = mole_fraction(p.datum("al(?:l'| )NUM% in peso"), mass("CHCl@d3@"), mass("CCl@d4@"));
             const std::string pattern = "pari a NUM e NUM torr";
             const double p1 = x * p.datum(pattern), p2 = (1.0 - x) * p.datum(pattern, 2);
             const double y = p1 / (p1 + p2);
             const double share = 100.0 * y * mass("CHCl@d3@") / (y * mass("CHCl@d3@") + (1.0 - y) * mass("CCl@d4@"));
             return p.has("in peso di CHCl@d3@ nel vapore") ? share : 100.0 - share;
         },
         Digits::from_data},
        {19, "NUM torr",
         [](const Page& p) {
             const std::string pattern = "^NUM g .* molecolare NUM u\\.m\\.a\\. .* in NUM g di [^(]+\\(([^)]+)\\)";
             const double solute = p.datum(pattern) / p.datum(pattern, 2);
             const double solvent = p.datum(pattern, 3) / mass(p.text(pattern, 4));
             return p.datum("pari a NUM torr") * solvent / (solvent + solute);
         },
         Digits::from_data},
        {20,
         "NUM u.m.a.",
         [](const Page& p) {
             const std::string pattern =
                 "di NUM g di .* in NUM g di [^(]+\\(([^)]+)\\) ha tensione di vapore pari a NUM "
                 "torr .* pari a NUM torr";
             const double solvent = p.datum(pattern, 2) / mass(p.text(pattern, 3));
             const double pressure = p.datum(pattern, 4), pure = p.datum(pattern, 5);
             return p.datum(pattern) / (solvent * (pure - pressure) / pressure);
         },
         {Digits::from_data, "two digits at most, the count the problem fixes"},
         2},
        {21, "NUM torr",
         [](const Page& p) {
             const std::string pattern = "NUM g di (\\S+) in NUM g di acqua";
             const std::string salt = p.text(pattern, 2);
             const double solvent = p.datum(pattern, 3) / water;
             const double ions = p.datum(pattern) / mass(salt) * all_ions(salt);
             return p.datum("è pari a NUM torr") * solvent / (solvent + ions);
         },
         three_digits},
        {22, "NUM u.m.a.",
         [](const Page& p) {
             const std::string pattern = "di NUM g di .* in NUM g di .*@db@ = NUM@uo@C; @ik@@db@ = NUM kg•K/mol\\) "
                                         "bolle a NUM@uo@C";
             const double rise = p.difference(pattern, 5) - p.difference(pattern, 3);
             return p.datum(pattern, 4) * p.datum(pattern) * 1000.0 / (p.datum(pattern, 2) * rise);
         },
         two_digits},
        {24, "NUM%",
         [](const Page& p) {
             const std::string salt = p.text("in peso di (\\S+) in una");
             const double molality = (p.difference("bolle a NUM@uo@C") - 100.0) / p.datum("= NUM kg") / all_ions(salt);
             return molality * mass(salt) / (1000.0 + molality * mass(salt)) * 100.0;
         },
         two_digits},
        {25, "NUM g",
         [](const Page& p) {
             const std::string salt = p.text("a NUM g di (\\S+) perché", 2);
             const double ions = p.datum("a NUM g di") / mass(salt) * all_ions(salt);
             return ions * p.datum("= NUM kg") / -p.difference("pari a NUM@uo@C") * 1000.0;
         },
         two_digits},
        {26, "NUM%",
         [](const Page& p) {
             const std::string pattern = "sciogliendo NUM g di composto in NUM g di .*@db@ = NUM@uo@C; @ik@@db@ = NUM "
                                         "kg•K/mol\\) bolle a NUM@uo@C";
             const double molality = p.datum(pattern) / p.datum("pari a NUM g/mol") / (p.datum(pattern, 2) / 1000.0);
             const double rise = p.difference(pattern, 5) - p.difference(pattern, 3);
             return (rise / (p.datum(pattern, 4) * molality) - 1.0) * 100.0;
         }},
        {27, "^NUM torr",
         [](const Page& p) {
             const std::string pattern =
                 "sciogliendo NUM g .* molecolare NUM u\\.m\\.a\\. in NUM g di [^(]+\\(([^)]+)\\)";
             const double solute = p.datum(pattern) / p.datum(pattern, 2);
             const double solvent = p.datum(pattern, 3) / mass(p.text(pattern, 4));
             return p.datum("pari a NUM torr") * solute / (solvent + solute);
         },
         two_digits},
        {27, "; NUM atm",
         [](const Page& p) {
             const std::string pattern = "a NUM@uo@C .* sciogliendo NUM g .* molecolare NUM u\\.m\\.a\\. in NUM g";
             const double solute = p.datum(pattern, 2) / p.datum(pattern, 3);
             const double volume = (p.datum(pattern, 2) + p.datum(pattern, 4)) / p.datum("e a NUM g/mL") / 1000.0;
             return solute / volume * gas_constant_litre_atm * (p.datum(pattern) + zero_celsius);
         },
         two_digits},
        {28, "NUM u.m.a.",
         [](const Page& p) {
             return p.datum("contenente NUM g/L") * gas_constant_litre_atm * (p.datum("a NUM@uo@C") + zero_celsius) /
                    p.datum("pari a NUM atm");
         },
         three_digits},
        {33, "NUM mL",
         [](const Page& p) {
             const std::string pattern =
                 "soluzione NUM M di (\\S+) necessario per reagire con (.+) nella reazione (.+)$";
             const std::string equation = p.text(pattern, 4), other = p.text(pattern, 3);
             const double c1 = coefficient_in(equation, p.text(pattern, 2));
             if (p.has("con NUM g di"))
                 return p.datum("con NUM g di (\\S+)") / mass(p.text("con NUM g di (\\S+)", 2)) /
                        coefficient_in(equation, p.text("con NUM g di (\\S+)", 2)) * c1 / p.datum(pattern) * 1000.0;
             const std::string second = "con NUM mL di (\\S+) NUM M";
             return p.datum(second) * p.datum(second, 3) / coefficient_in(equation, p.text(second, 2)) * c1 /
                    p.datum(pattern);
         },
         three_digits, 12, "Calcolare il volume"},
        {33, "NUM (m?g)$",
         [](const Page& p) {
             const std::string equation = p.text("nella reazione (.+)$");
             const std::string asked = p.text("quantità di (\\S+) necessaria");
             double moles = 0.0;
             std::string other;
             if (p.has("con NUM mL")) {
                 const std::string pattern = "con NUM mL di (\\S+) NUM M";
                 moles = p.datum(pattern) / 1000.0 * p.datum(pattern, 3);
                 other = p.text(pattern, 2);
             } else {
                 const std::string pattern = "con NUM g di (\\S+) nella";
                 other = p.text(pattern, 2);
                 moles = p.datum(pattern) / mass(other);
             }
             const double grams =
                 moles / coefficient_in(equation, other) * coefficient_in(equation, asked) * mass(asked);
             return p.answer_text("(m?g)$") == "mg" ? grams * 1000.0 : grams;
         },
         three_digits, 12, "Calcolare la quantità"},
        {34, "^NUM M",
         [](const Page& p) {
             // The balanced equation of the answer; each reactant given as a
             // mass or as a volume of a solution.
             const std::string equation = p.answer_text("; (.+)$");
             const auto coefficient = [&](const std::string& formula) {
                 const std::string pattern = "(?:^|\\+ |= )([0-9]*)" + literal(formula) + "(?: |$)";
                 const std::string n = testing_support::match(equation, pattern)[0];
                 return n.empty() ? 1.0 : std::stod(n);
             };
             const std::string pattern =
                 "concentrazione di (\\S+) nella soluzione ottenuta ponendo a reagire NUM (mL|g) "
                 "di (\\S+)(?: NUM M)? con NUM (mL|g) di (\\S+)";
             double extent = 1e300, litres = 0.0;
             for (const std::size_t first : {2u, 6u}) {
                 const std::string species = p.text(pattern, first + 2);
                 double moles = 0.0;
                 if (p.text(pattern, first + 1) == "g") {
                     moles = p.datum(pattern, first) / mass(species);
                 } else {
                     const double volume = p.datum(pattern, first) / 1000.0;
                     moles = volume * p.datum(literal(species) + " NUM M");
                     litres += volume;
                 }
                 extent = std::min(extent, moles / coefficient(species));
             }
             return extent * coefficient(p.text(pattern)) / litres;
         },
         three_digits},
        {35, "NUM",
         [](const Page& p) {
             const std::string pattern =
                 "NUM g di (\\S+) in una reazione in cui (?:il |lo |l')(\\S+) si (ossida|riduce) "
                 "allo stato (\\S+)";
             const std::string formula = p.text(pattern, 2);
             const std::string symbol = testing_support::symbol_named(p.text(pattern, 3));
             const std::string final_state = p.text(pattern, 5);
             const double to = final_state == "elementare" ? 0.0 : std::stod(final_state);
             const double from = oxidation_number(formula, symbol);
             const double atoms = testing_support::read_formula(formula).atoms.at(symbol);
             return p.datum(pattern) / mass(formula) * atoms * std::abs(to - from);
         },
         four_digits},
        {37, "NUM mL",
         [](const Page& p) {
             // Electrons per formula of the substance titrated.
             const std::string pattern = "volume di \\S+ NUM N necessario per (?:ossidare|ridurre) NUM g di ([^.]+)";
             const std::string substance = p.text(pattern, 3);
             const double electrons = substance == "FeSO@d4@" ? 1.0 : 2.0;
             return p.datum(pattern, 2) / mass(substance) * electrons / p.datum(pattern) * 1000.0;
         },
         four_digits},
        {36, "NUM N",
         [](const Page& p) { return p.datum("con NUM mL") * p.datum("soluzione NUM N") / p.datum("che NUM mL"); },
         Digits::from_data},
    },
    {
        {23, "a molecular formula"},
        {29, "a balanced equation"},
        {30, "a balanced equation"},
        {31, "a balanced half-equation"},
        {32, "a balanced equation"},
    },
};

TEST(AnswerTable, Solutions)
{
    check_chapter(chapter_5);
}

}  // namespace answer_table::chapter_5
