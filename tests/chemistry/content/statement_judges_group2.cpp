#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "chemistry/data_tables.h"
#include "statement_judges.h"

namespace judges {

namespace {

// What VSEPR gives for the molecules the statements ask about.
const std::map<std::string, std::pair<std::string, std::string>> molecules{
    {"CO@d2@", {"sp", "lineare"}},
    {"CH@d4@", {"sp@u3@", "tetraedrica"}},
    {"HCN", {"sp", "lineare"}},
    {"PH@d3@", {"sp@u3@", "piramidale"}},
    {"SF@d2@", {"sp@u3@", "angolata"}},
    {"SF@d4@", {"sp@u3@d", "a sella"}},
    {"SF@d6@", {"sp@u3@d@u2@", "ottaedrica"}},
    {"PF@d5@", {"sp@u3@d", "bipiramidale trigonale"}},
    {"XeF@d2@", {"sp@u3@d", "lineare"}},
    {"XeF@d4@", {"sp@u3@d@u2@", "planare quadrata"}},
    {"BF@d3@", {"sp@u2@", "triangolare equilatera"}},
    {"C@d2@H@d2@", {"sp", "lineare"}},
    {"CH@d2@O", {"sp@u2@", "triangolare equilatera"}},
    {"C@d2@H@d4@", {"sp@u2@", "triangolare equilatera"}},
    {"NH@d3@", {"sp@u3@", "piramidale"}},
    {"H@d2@S", {"sp@u3@", "angolata"}},
    {"OF@d2@", {"sp@u3@", "angolata"}},
    {"NF@d3@", {"sp@u3@", "piramidale"}},
};

// Oxidation numbers met in the compounds of these elements.
const std::map<std::string, std::set<int>> oxidation_numbers{
    {"idrogeno", {1, -1}},
    {"litio", {1}},
    {"berillio", {2}},
    {"boro", {3}},
    {"carbonio", {4, 2, -4}},
    {"azoto", {-3, 1, 2, 3, 4, 5}},
    {"ossigeno", {-2, -1}},
    {"fluoro", {-1}},
    {"sodio", {1}},
    {"magnesio", {2}},
    {"alluminio", {3}},
    {"silicio", {4, -4}},
    {"fosforo", {3, 5, -3}},
    {"zolfo", {-2, 4, 6}},
    {"cloro", {-1, 1, 3, 5, 7}},
    {"bromo", {-1, 1, 3, 5}},
};

bool close(double shown, double expected, double tolerance)
{
    return std::abs(shown / expected - 1.0) < tolerance;
}

// Within half a power of ten: a wrong product or conversion is a whole power off.
bool same_order(double shown, double expected)
{
    return std::abs(std::log10(shown / expected)) < 0.5;
}

Verdict solid_kind(const std::string& subject, const std::string& kind)
{
    static const std::map<std::string, std::string> outside_table{{"Il diamante", "covalente"},
                                                                  {"La grafite", "covalente"},
                                                                  {"Il ghiaccio", "molecolare"},
                                                                  {"La CO@d2@ solida", "molecolare"},
                                                                  {"Lo iodio", "molecolare"}};
    if (outside_table.count(subject)) return outside_table.at(subject) == kind;
    // "allo stato solido" stands after every substance that is no solid at
    // room conditions: the molecular compounds here, and the elements whose
    // state is not "s".
    const bool marked = subject.ends_with(" allo stato solido");
    std::string name = subject.substr(0, marked ? subject.size() - 18 : subject.size());
    name = name.starts_with("L'") ? name.substr(2) : name.substr(3);
    const int k = compound_named(name);
    const char cls = field(compound_record(k), 71, 71)[0];
    EXPECT_EQ(marked, cls == 'e' ? field(element_record(element_named(name)), 31, 31) != "s" : cls == 'm') << subject;
    if (cls == 'e') return (field(element_record(element_named(name)), 32, 32) == "m") == (kind == "metallico");
    return std::string(cls == 'i' ? "ionico" : cls == 'm' ? "molecolare" : "covalente") == kind;
}

double given_ph(const std::string& solute, double c)
{
    if (solute == "HCl") return -std::log10(c);
    if (solute == "NaOH") return 14.0 + std::log10(c);
    // Weak acids and bases, with the constants chapter 7's pages show.
    if (solute == "HClO") return -std::log10(std::sqrt(3.0e-8 * c));
    if (solute == "NH@d4@Cl") return -std::log10(std::sqrt(5.6e-10 * c));
    if (solute == "NH@d3@") return 14.0 + std::log10(std::sqrt(1.79e-5 * c));
    return 14.0 + std::log10(std::sqrt(5.7e-10 * c));  // sodium acetate
}

double si_factor(const std::string& unit)
{
    static const std::map<std::string, double> factors{{"L", 1e-3},       {"m@u3@", 1.0}, {"atm", 101325.0},
                                                       {"torr", 133.322}, {"Pa", 1.0},    {"cal", 4.184},
                                                       {"kcal", 4184.0},  {"J", 1.0}};
    return factors.at(unit);
}

}  // namespace

Verdict judge_group_2(int type, const std::string& text)
{
    testing_support::Found m;
    switch (type) {
    case 1: {
        m = parse(text, R"(Un nucleo di @u(\d+)@(\w+)(?: \(@iZ@ = (\d+)\))? contiene (\d+) (neutrone|neutroni))");
        EXPECT_EQ(m[5] == "neutrone", m[4] == "1") << text;  // once "1 neutroni"
        const int z = *find_element_by_symbol(m[2]);
        EXPECT_EQ(m.matched(3), z > 36) << text;
        if (m.matched(3)) {
            EXPECT_EQ(std::stoi(m[3]), z);
        }
        return std::stoi(m[4]) == std::stoi(m[1]) - z;
    }
    case 2:
        m = parse(text, R"(La configurazione elettronica d(.+) \(@iZ@ = (\d+)\) è (\S+))");
        EXPECT_EQ(element_named(without_article(m[1])), std::stoi(m[2]));
        return electrons(m[3]) == std::stoi(m[2]);
    case 3:
        m = parse(text, R"((?:L'atomo centrale|Gli atomi centrali) in (\S+) (?:ha|hanno) ibridazione (\S+))");
        return molecules.at(m[1]).first == m[2];
    case 4: m = parse(text, R"(La molecola di (\S+) ha forma (.+))"); return molecules.at(m[1]).second == m[2];
    case 5:
        m = parse(text, R"(([+-]\d) è un numero di ossidazione comune d(.+))");
        return oxidation_numbers.at(without_article(m[2])).count(std::stoi(m[1])) == 1;
    case 6:
        m = parse(text, R"((.+) è un solido (ionico|molecolare|metallico|covalente))");
        return solid_kind(m[1], m[2]);
    case 7: {
        m = parse(text, R"(La formula d(.+) è (\S+))");
        const std::string name = without_article(m[1]);
        for (int k = 1; k <= compound_slots; ++k) {
            if (field(compound_record(k), 1, 40) == name && field(compound_record(k), 41, 70) == m[2]) return true;
        }
        return false;
    }
    case 8:
        m = parse(text, R"(Il volume molare del gas ideale a 0@uo@C e (\S+) atm è (\S+) L)");
        return close(number(m[2]), 22.4 / number(m[1]), 0.1);
    case 9:
        m = parse(text, R"(La densità d(.+) in condizioni standard è (\S+) g/L)");
        return close(number(m[2]), molar_mass(compound_named(without_article(m[1]))) / 22.4, 0.01);
    case 10: {
        m = parse(text, R"(In soluzione di (\S+) (\S+) F, \[(H@u\+@|OH@u-@)\] = (\S+) M)");
        const std::string solute = m[1];
        const bool base = solute.find("OH") != std::string::npos;
        const double expected = number(m[2]) * (solute == "Ba(OH)@d2@" ? 2 : 1);
        return (m[3] == "OH@u-@") == base && close(number(m[4]), expected, 0.01);
    }
    case 11: {
        m = parse(text, R"(La percentuale di (\w+) in (\S+) è pari a (\S+)%)");
        const int k = *find_compound_by_formula(m[2]);
        const std::string symbol = field(element_record(element_named(m[1])), 16, 17);
        return close(number(m[3]), 100.0 * composition(k)[symbol] * atomic_mass(symbol) / molar_mass(k), 0.01);
    }
    case 12:
        if (text.find("ha pH") != std::string::npos) {
            m = parse(text, R"(Una soluzione con \[(H@u\+@|OH@u-@)\] = (\S+) mol/L ha pH = (\S+))");
            const double ph = m[1] == "H@u+@" ? -std::log10(number(m[2])) : 14.0 + std::log10(number(m[2]));
            return std::abs(number(m[3]) - ph) < 0.1;
        } else {
            m = parse(text, R"(Una soluzione con (pH|pOH) = (\S+) ha \[H@u\+@\] = (\S+) mol/L)");
            const double ph = m[1] == "pH" ? number(m[2]) : 14.0 - number(m[2]);
            return std::abs(std::log10(number(m[3])) + ph) < 0.5;  // a wrong one is 3 units off
        }
    case 13:
        m = parse(text, R"((\S+) è (la base coniugata|l'acido coniugato) di (\S+))");
        return m[2] == "la base coniugata" ? conjugate_acid(m[3], m[1]) : conjugate_acid(m[1], m[3]);
    case 14: {
        double ph = 0.0;
        std::string shown;
        if (text.starts_with("Un tampone")) {
            m = parse(text, R"(Un tampone equimolare (\S+) \[@iK@@da@ = (\S+)\] ha pH = (\S+))");
            ph = -std::log10(number(m[2]));
            shown = m[3];
        } else {
            m = parse(text, R"(Una soluzione (\S+) (?:F|M) di (\S+) ha pH = (\S+))");
            ph = given_ph(m[2], number(m[1]));
            shown = m[3];
        }
        return std::abs(number(shown) - ph) < half_unit(shown) + 1e-4;
    }
    case 15: {
        static const std::map<std::string, int> exponents{{"f", -15}, {"p", -12}, {"n", -9},
                                                          {"µ", -6},  {"m", -3},  {"k", 3}};
        m = parse(text, R"(1 (f|p|n|µ|m|k)(m|g|s) è equivalente a 10@u(-?\d+)@ (f|p|n|µ|m|k)(m|g|s))");
        EXPECT_EQ(m[2], m[5]) << text;
        EXPECT_FALSE(m[2] == "s" && (m[1] == "k" || m[4] == "k")) << text;
        return std::stoi(m[3]) == exponents.at(m[1]) - exponents.at(m[4]);
    }
    case 16: m = parse(text, R"((\S+) \* (\S+) = (\S+))"); return same_order(number(m[3]), number(m[1]) * number(m[2]));
    case 17:
        m = parse(text, R"((\S+) (\S+) equivalgono a (\S+) (\S+))");
        return same_order(number(m[1]) * si_factor(m[2]), number(m[3]) * si_factor(m[4]));
    }
    return std::nullopt;
}

}  // namespace judges
