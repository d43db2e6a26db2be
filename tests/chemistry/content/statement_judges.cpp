// Whether a statement is true, worked out from its words, the chemistry
// tables and textbook chemistry: an independent reading of every type.

#include "statement_judges.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

#include "chemistry/data_tables.h"
#include "numbers/fixed_width.h"

namespace judges {

std::string field(const std::string& record, int first, int last)
{
    return std::string(strip_blanks(record_columns(record, first, last)));
}

int element_named(const std::string& name)
{
    for (int z = 1; z <= element_count; ++z) {
        if (field(element_record(z), 1, 15) == name) return z;
    }
    ADD_FAILURE() << "no element " << name;
    return 0;
}

// "el sodio", "ell'ossigeno", "ello zinco" after the preposition's "d".
std::string without_article(const std::string& articulated)
{
    for (const char* article : {"ello ", "ella ", "ell'", "el "}) {
        if (articulated.starts_with(article)) return articulated.substr(std::string_view(article).size());
    }
    ADD_FAILURE() << "no article in " << articulated;
    return articulated;
}

int compound_named(const std::string& name, char wanted_class)
{
    for (int k = 1; k <= compound_slots; ++k) {
        const std::string& r = compound_record(k);
        if (field(r, 1, 40) == name && (wanted_class == 0 || field(r, 71, 71)[0] == wanted_class)) return k;
    }
    return 0;
}

double atomic_mass(const std::string& symbol)
{
    for (int z = 1; z <= element_count; ++z) {
        if (field(element_record(z), 16, 17) == symbol) return std::stod(field(element_record(z), 21, 30));
    }
    ADD_FAILURE() << "no element " << symbol;
    return 0.0;
}

// Element symbol -> atoms, from a compound's composition string.
std::map<std::string, int> composition(int k)
{
    const std::string text = field(compound_record(k), 81, 100);
    std::map<std::string, int> atoms;
    for (std::size_t g = 0; g + 4 <= text.size(); g += 4) {
        atoms[std::string(strip_blanks(text.substr(g, 2)))] += std::stoi(text.substr(g + 2, 2));
    }
    return atoms;
}

double molar_mass(int k)
{
    double sum = 0.0;
    for (const auto& [symbol, count] : composition(k)) sum += count * atomic_mass(symbol);
    return sum;
}

// A display text as a number: "1.2•10@u-3@" is 0.0012.
double number(const std::string& shown)
{
    const std::size_t dot = shown.find("•10@u");
    if (dot == std::string::npos) return std::stod(shown);
    return std::stod(shown.substr(0, dot)) * std::pow(10.0, std::stoi(shown.substr(dot + 7)));
}

// Half a unit of the last digit shown, for a number in fixed notation.
double half_unit(const std::string& shown)
{
    const std::size_t point = shown.find('.');
    return point == std::string::npos ? 0.5 : 0.5 * std::pow(10.0, -static_cast<int>(shown.size() - point - 1));
}

int significant_digits(const std::string& shown)
{
    std::string mantissa = shown.substr(0, shown.find("•"));
    std::erase(mantissa, '.');
    std::erase(mantissa, '-');
    return static_cast<int>(mantissa.size() - std::min(mantissa.find_first_not_of('0'), mantissa.size()));
}

// Electrons of a configuration such as "[Ar]3d@u10@4s@u2@".
int electrons(const std::string& configuration)
{
    static const std::map<std::string, int> cores{{"[He]", 2},  {"[Ne]", 10}, {"[Ar]", 18},
                                                  {"[Kr]", 36}, {"[Xe]", 54}, {"[Rn]", 86}};
    int count = 0;
    if (configuration.starts_with("[")) count = cores.at(configuration.substr(0, 4));
    for (const testing_support::Found& shell : testing_support::find_all(configuration, R"(\d[spdf]@u(\d+)@)"))
        count += std::stoi(shell[1]);
    return count;
}

// Hydrogens and charge of a species in markup, "HSO@d3@@u-@" giving (1, -1).
std::pair<int, int> hydrogens_and_charge(const std::string& species, std::string& rest)
{
    int hydrogens = 0, charge = 0;
    rest.clear();
    for (const testing_support::Found& m :
         testing_support::find_all(species, R"(([A-Z][a-z]?)(?:@d(\d+)@)?|@u(\d?)([+-])@)")) {
        if (m.matched(4)) {
            charge = (m[3].length() ? std::stoi(m[3]) : 1) * (m[4] == "-" ? -1 : 1);
        } else if (m[1] == "H") {
            hydrogens += m.matched(2) ? std::stoi(m[2]) : 1;
        } else {
            rest += m[0];
        }
    }
    return {hydrogens, charge};
}

bool conjugate_acid(const std::string& acid, const std::string& base)
{
    std::string acid_rest, base_rest;
    const auto [ha, ca] = hydrogens_and_charge(acid, acid_rest);
    const auto [hb, cb] = hydrogens_and_charge(base, base_rest);
    return acid_rest == base_rest && ha == hb + 1 && ca == cb + 1;
}

testing_support::Found parse(const std::string& text, const char* pattern)
{
    if (std::optional<testing_support::Found> m = testing_support::match_whole(text, pattern)) return *m;
    ADD_FAILURE() << "unexpected statement: " << text;
    return {std::vector<std::string>(20), std::vector<bool>(20), "", ""};
}

Verdict judge_group_1(int type, const std::string& text)
{
    testing_support::Found m;
    switch (type) {
    case 1:
        m = parse(text, R"(Il nucleo d(.+) contiene (\d+) (protone|protoni))");
        EXPECT_EQ(m[3] == "protone", m[2] == "1") << text;  // once "1 protoni"
        return element_named(without_article(m[1])) == std::stoi(m[2]);
    case 2:
        m = parse(text, R"(Il numero (\S+) è espresso con (\d+) (cifra significativa|cifre significative))");
        EXPECT_EQ(m[3] == "cifra significativa", m[2] == "1") << text;  // the noun agrees with the number
        return significant_digits(m[1]) == std::stoi(m[2]);
    case 3:
        m = parse(text, R"(Il simbolo d(.+) è (\w+))");
        return field(element_record(element_named(without_article(m[1]))), 16, 17) == m[2];
    case 4: {
        static const std::map<std::string, std::string> curve{
            {"y=Ax+B", "una retta"}, {"y=Ax@u2@", "una parabola"}, {"y=A/x", "un'iperbole"}};
        m = parse(text, R"(La funzione (\S+) corrisponde a (una retta|una parabola|un'iperbole))");
        return curve.at(m[1]) == m[2];
    }
    case 5: {
        m = parse(text, R"(L'elettronegatività d(.+) è (minore|maggiore) di quella d(.+))");
        const double a = std::stod(field(element_record(element_named(without_article(m[1]))), 71, 73));
        const double b = std::stod(field(element_record(element_named(without_article(m[3]))), 71, 73));
        return m[2] == "minore" ? a < b : a > b;
    }
    case 6:
    case 7:
        m = parse(text, R"((?:Il |Lo |L')(\w+) è un (metallo|non metallo))");
        return (field(element_record(element_named(m[1])), 32, 32) == "m") == (m[2] == "metallo");
    case 8: {
        m = parse(text, R"(Una mole di (.+) contiene (\d+) mol di atomi di (\w+))");
        const auto k = find_compound_by_formula(m[1]);
        const std::string symbol = field(element_record(element_named(m[3])), 16, 17);
        return k && composition(*k)[symbol] == std::stoi(m[2]);
    }
    case 9: {
        static const std::map<std::string, double> to_g_per_cm3{{"g/cm@u3@", 1.0}, {"kg/L", 1.0}, {"kg/m@u3@", 0.001}};
        m = parse(text, R"(La densità d(.+) è pari a (\S+) (g/cm@u3@|kg/L|kg/m@u3@))");
        const double table = std::stod(field(element_record(element_named(without_article(m[1]))), 34, 40));
        return std::abs(number(m[2]) * to_g_per_cm3.at(m[3]) / table - 1.0) < 1e-3;
    }
    case 10: {
        m = parse(
            text,
            R"(Una soluzione a 25@uo@C con (pH|pOH|\[H@u\+@\]|\[OH@u-@\]) = (\S+)(?: mol/L)? è (acida|neutra|basica))");
        const double v = number(m[2]);
        const std::string q = m[1];
        const double ph = q == "pH" ? v : q == "pOH" ? 14 - v : q == "[H@u+@]" ? -std::log10(v) : 14 + std::log10(v);
        const bool exactly_neutral = m[2] == "7.00" || m[2] == "1.00•10@u-7@";
        if (!exactly_neutral && std::abs(ph - 7.0) < 0.016) return std::nullopt;  // rounded onto a limit
        const std::string acidity = exactly_neutral ? "neutra" : ph < 7.0 ? "acida" : "basica";
        return acidity == m[3];
    }
    case 11:
        m = parse(text, R"(La configurazione elettronica d(.+) è (\S+))");
        return electrons(m[2]) == element_named(without_article(m[1]));
    case 12: {
        static const std::set<std::string> strong{"HNO@d3@", "H@d2@SO@d4@", "HClO@d4@", "HCl", "HBr", "HI"};
        m = parse(text, R"((\S+) è un acido (forte|debole))");
        return strong.count(m[1]) == (m[2] == "forte" ? 1u : 0u);
    }
    case 13: {
        static const std::set<std::string> oxidants{"Cr@d2@O@d7@@u2-@", "MnO@d4@@u-@", "F@d2@", "O@d2@"};
        m = parse(text, R"((\S+) è un buon (ossidante|riducente))");
        return oxidants.count(m[1]) == (m[2] == "ossidante" ? 1u : 0u);
    }
    case 14: {
        // Metals below hydrogen in the series of standard potentials.
        static const std::set<std::string> base_metals{"alluminio", "zinco", "ferro"};
        m = parse(text, R"((?:L'|Lo |Il )(\w+) è ossidato da H@u\+@ in soluzione acida)");
        return base_metals.count(m[1]) == 1;
    }
    }
    return std::nullopt;
}

}  // namespace judges

Verdict judge_statement(int group, int type, const std::string& text)
{
    if (group == 1) return judges::judge_group_1(type, text);
    return judges::judge_group_2(type, text);
}
