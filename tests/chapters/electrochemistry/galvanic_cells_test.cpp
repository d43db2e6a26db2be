// Section "Celle galvaniche": the cell potential from the Nernst equation,
// E = E° - (0.0592/n)·log Q with E° = -ΔG°/(nF), and back, recomputed from
// the reaction and the numbers each statement shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "electrochemistry_fixture.h"

namespace electrochemistry_test {
namespace {

// Every reaction of the section moves two electrons.
constexpr double electrons = 2.0;

// log10 of the quotient of the reaction as stated: ions at the stated
// concentrations, H+ at 10^-pH, metals and hydrogen at 1 atm at unit activity.
double log_quotient(const std::string& reaction, const std::map<std::string, double>& concentration)
{
    double log_q = 0.0;
    double side = -1.0;
    std::size_t start = 0;
    while (start <= reaction.size()) {
        auto end = reaction.find(" ", start);
        if (end == std::string::npos) end = reaction.size();
        const std::string token = reaction.substr(start, end - start);
        start = end + 1;
        if (token == "=") side = 1.0;
        if (token == "=" || token == "+") continue;
        const auto species = token.find_first_not_of("0123456789");
        const double coefficient = species == 0 ? 1.0 : std::stod(token.substr(0, species));
        const auto c = concentration.find(token.substr(species));
        if (c != concentration.end()) log_q += side * coefficient * std::log10(c->second);
    }
    return log_q;
}

// The reaction and the data of a statement, as shown: two concentrations,
// or a pH (species "pH") and a concentration.
struct Cell {
    std::string reaction;
    std::vector<std::string> species;
    std::vector<std::string> data;

    // The concentrations for these values of the data; the pH gives H+.
    std::map<std::string, double> concentration(const std::vector<double>& values) const
    {
        std::map<std::string, double> c;
        for (std::size_t i = 0; i < species.size(); ++i) {
            if (species[i] == "pH")
                c["H@u+@"] = std::pow(10.0, -values[i]);
            else
                c[species[i]] = values[i];
        }
        return c;
    }
    std::vector<double> shown_values() const
    {
        std::vector<double> values;
        for (const std::string& d : data) values.push_back(shown_value(d));
        return values;
    }
};

Cell cell_of(const std::string& text, const std::string& reaction_pattern)
{
    Cell cell;
    cell.reaction = match(text, reaction_pattern)[0];
    const auto two_ions = "\\[([^\\]]+)\\] = " + number_group + " M e \\[([^\\]]+)\\] = " + number_group + " M";
    if (text.find("pH") == std::string::npos) {
        const auto g = match(text, two_ions);
        cell.species = {g[0], g[2]};
        cell.data = {g[1], g[3]};
    } else {
        const auto g = match(text, "pH (?:è )?" + number_group + ",? (?:se )?\\[([^\\]]+)\\] = " + number_group +
                                       " M e @iP@\\(H@d2@\\) = 1 atm");
        cell.species = {"pH", g[1]};
        cell.data = {g[0], g[2]};
    }
    return cell;
}

TEST_F(ChapterEight, CellPotentialFromTheFreeEnergy)
{
    for_versions(5, versions_per_problem, [&] {
        const Cell cell = cell_of(statement(), "sulla reazione (.+) \\(@bD@@iG@@u0@ = ");
        const std::string free_energy = match(statement(), "@u0@ = " + number_group + " kJ/mol\\)")[0];
        // The cell's potential difference, whichever way the reaction is written.
        const auto potential_of = [&](const std::vector<double>& d) {
            const double standard = -d[0] * 1000.0 / (electrons * faraday);
            return std::abs(standard -
                            0.0592 / electrons * log_quotient(cell.reaction, cell.concentration({d[1], d[2]})));
        };
        const std::vector<double> values = cell.shown_values();
        const std::string shown = match(answer_text(), "^" + number_group + " V$")[0];
        EXPECT_TRUE(shows(shown, potential_of({shown_value(free_energy), values[0], values[1]})));
        // Three digits, fewer near zero.
        EXPECT_TRUE(digits_from_data(shown, potential_of, {free_energy, cell.data[0], cell.data[1]}, 3)) << statement();
    });
    constexpr testing_support::VersionAnswer near_zero[] = {{5, 11, "0.013 V", "0.0131 V"}};
    expect_answers(near_zero);
}

TEST_F(ChapterEight, StandardPotentialAndFreeEnergiesFromAMeasuredPotential)
{
    for_versions(6, versions_per_problem, [&] {
        const Cell cell = cell_of(statement(), "sulla reazione (.+) è pari a ");
        const std::string shown_potential = match(statement(), " è pari a " + number_group + " V se")[0];
        EXPECT_GT(shown_value(shown_potential), 0.0);
        // The clause tells that the reaction runs backwards: the potential
        // of the reaction as written is negative.
        const bool backwards =
            statement().ends_with(" sapendo che la reazione procede in senso inverso a quello scritto");
        EXPECT_TRUE(backwards || statement().ends_with(" e @bD@@iG@"));
        const double sign = backwards ? -1.0 : 1.0;
        const double potential = sign * shown_value(shown_potential);
        const auto a =
            match(answer_text(), "^" + number_group + " V; " + number_group + " kJ/mol; " + number_group + " kJ/mol$");
        // E° from the Nernst equation and ΔG° = -nFE°, from the potential and
        // data shown, three digits or fewer where they leave fewer.
        const auto standard_of = [&](const std::vector<double>& d) {
            return sign * d[0] + 0.0592 / electrons * log_quotient(cell.reaction, cell.concentration({d[1], d[2]}));
        };
        const auto free_energy_of = [&](const std::vector<double>& d) {
            return -electrons * faraday * standard_of(d) / 1000.0;
        };
        const std::vector<double> values = cell.shown_values();
        const std::vector<double> shown = {shown_value(shown_potential), values[0], values[1]};
        const std::vector<std::string> data = {shown_potential, cell.data[0], cell.data[1]};
        EXPECT_TRUE(shows(a[0], standard_of(shown)));
        EXPECT_TRUE(shows(a[1], free_energy_of(shown)));
        // Each by its own uncertainty, three digits at most.
        EXPECT_TRUE(digits_from_data(a[0], standard_of, data, 3)) << statement();
        EXPECT_TRUE(digits_from_data(a[1], free_energy_of, data, 3)) << statement();
        // ΔG = -nFE from the potential as shown.
        EXPECT_TRUE(shows(a[2], -electrons * faraday * potential / 1000.0));
        EXPECT_LE(shown_digits(a[2]), shown_digits(shown_potential)) << statement();
    });
    // Once from the table's free energy, which the page does not show.
    constexpr testing_support::VersionAnswer from_the_page[] = {
        {6, 8, "-0.763 V; 147 kJ/mol; 94.0 kJ/mol", "-0.762 V; 147 kJ/mol; 94.0 kJ/mol"},
        // ΔG from the potential's three digits, drawn 0.0100 V and once shown
        // 0.010 V.
        {6, 4674056, "-0.141 V; 27.2 kJ/mol; 1.93 kJ/mol", "-0.141 V; 27.2 kJ/mol; 1.9 kJ/mol"},
        // ΔG° by its own uncertainty, three digits where ΔE° shows two.
        {6, 25, "-0.80 V; 154 kJ/mol; 193 kJ/mol", "-0.80 V; 1.5•10@u2@ kJ/mol; 193 kJ/mol, ΔE°'s count"}};
    expect_answers(from_the_page);
}

}  // namespace
}  // namespace electrochemistry_test
