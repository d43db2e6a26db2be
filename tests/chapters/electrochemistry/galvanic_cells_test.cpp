// Section "Celle galvaniche": the cell potential from the Nernst equation,
// E = E° - (0.0592/n)·log Q with E° = -ΔG°/(nF), and back, recomputed from
// the reaction and the numbers each statement shows.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

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

// The reaction and the concentrations of a statement; the pH gives H+.
struct Cell {
    std::string reaction;
    std::map<std::string, double> concentration;
};

Cell cell_of(const std::string& text, const std::string& reaction_pattern)
{
    Cell cell;
    cell.reaction = match(text, reaction_pattern)[0];
    const auto two_ions = "\\[([^\\]]+)\\] = " + number_group + " M e \\[([^\\]]+)\\] = " + number_group + " M";
    if (text.find("pH") == std::string::npos) {
        const auto g = match(text, two_ions);
        cell.concentration[g[0]] = shown_value(g[1]);
        cell.concentration[g[2]] = shown_value(g[3]);
    } else {
        const auto g = match(text, "pH (?:è )?" + number_group + ",? (?:se )?\\[([^\\]]+)\\] = " + number_group +
                                       " M e @iP@\\(H@d2@\\) = 1 atm");
        cell.concentration["H@u+@"] = std::pow(10.0, -shown_value(g[0]));
        cell.concentration[g[1]] = shown_value(g[2]);
    }
    return cell;
}

TEST_F(ChapterEight, CellPotentialFromTheFreeEnergy)
{
    for_versions(5, versions_per_problem, [&] {
        const Cell cell = cell_of(statement(), "sulla reazione (.+) \\(@bD@@iG@@u0@ = ");
        const double free_energy = shown_value(match(statement(), "@u0@ = " + number_group + " kJ/mol\\)")[0]);
        const double standard = -free_energy * 1000.0 / (electrons * faraday);
        const double potential = standard - 0.0592 / electrons * log_quotient(cell.reaction, cell.concentration);
        // The cell's potential difference, whichever way the reaction is written.
        EXPECT_TRUE(shows(match(answer_text(), "^" + number_group + " V$")[0], std::abs(potential)));
    });
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
        const double potential = (backwards ? -1.0 : 1.0) * shown_value(shown_potential);
        const auto a =
            match(answer_text(), "^" + number_group + " V; " + number_group + " kJ/mol; " + number_group + " kJ/mol$");
        // E° from the Nernst equation, within the rounding of the potential shown.
        const double standard = potential + 0.0592 / electrons * log_quotient(cell.reaction, cell.concentration);
        EXPECT_TRUE(shows(a[0], standard, 0.5 * last_digit(shown_potential)));
        // ΔG° = -nFE°, within the rounding of E°; ΔG = -nFE from the potential as shown.
        EXPECT_TRUE(shows(a[1], -electrons * faraday * shown_value(a[0]) / 1000.0,
                          electrons * faraday * 0.5 * last_digit(a[0]) / 1000.0));
        EXPECT_TRUE(shows(a[2], -electrons * faraday * potential / 1000.0));
    });
}

}  // namespace
}  // namespace electrochemistry_test
