// What each page states, checked against the chemistry: beside the answer
// table, rows read from the printed page each gas at its temperature and
// pressure, each dissolved species in its medium, each equation with its
// states and temperature, each datum printed at a temperature and each
// structure, and one rule per class judges them by the handbook:
//  a  a gas at most at its saturation pressure at its own partial pressure
//     (none above its critical temperature condenses), and where the page
//     works the ideal gas law, the real gas within 5 % of it (|Z - 1| by
//     the second virial coefficient, a mixture's mole-fraction-weighted; a
//     gas the handbook gives no coefficient fails);
//     hydrogen fluoride only where its associated vapour is within 3 % of
//     its monomer's density; on every page of every problem, too, the gases
//     a page names at each pressure it prints;
//  b  a redox equation whose two couples the handbook holds runs with
//     ΔE° > 0 in its medium, and no equilibrium forms a product its
//     reactants do not give;
//  c  each dissolved species carries most of its element in its medium;
//  d  (s) below the melting point, (l) between melting and boiling, (g) at
//     most at its saturation pressure, unless the page names the standard
//     state;
//  e  a datum printed at a temperature within three units of its last
//     digit, or the handbook's own accuracy where wider, of the handbook's,
//     and an equilibrium constant within its sources' spread;
//  f  a stated structure is the substance's at room conditions;
//  g  a solution stated or implied at most saturated at the page's
//     temperature (25 °C where none is printed), and a freezing point
//     asked for above the solute's eutectic; on every page of every
//     problem, too, no two solutes the page mixes past the solubility
//     product the book prints for a salt of their ions.
// A row that reads a page and judges no member of it fails by its rule.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/page_sweep.h"

namespace conditions {

// In the order of their rules' letters: a, c, d, e, f, g.
enum class Reads { gas, species, equation, datum, structure, solution };

// One kind of statement of a problem, read from its page: the groups of the
// statement's pattern, then those of each match of the answer's, take the
// roles in order, one letter a group ("|" where the answer's begin):
//   s a substance or species (formula or name)   t °C   T K
//   P a pressure, u its unit   p the total of the pressures (the rest is
//   the next gas's; at most 100 atm, the ideal gas law's ceiling)   k conditions in words ("condizioni standard",
//   "pressione atmosferica")   d a mixture's density, g/L, that shares
//   its one pressure between its two gases   V litres   m grams   n moles
//   e an equation, or a formula that z gives a state in words
//   c the medium's words   w a structure's words
//   v a vapour pressure (with u)   S an entropy   H a formation enthalpy
//   F a saturated solution's formality   M a melting point, °C
//   q a heat of combustion, kJ/mol   C a solute's mol/L   Q its mass %
//   L litres of solution, with the unit   W grams of water
//   G a freezing point, °C   h a pH   a an acid constant (each further
//   one of the same acid its next step)   y a pKa   b a base constant
//   K a solubility product   D a halogen's dissociation constant at the
//   page's temperature   A the percentage of an equation's one reactant
//   dissociated, which with e and the total P gives each gas's partial
//   pressure   x a group read by none
// Roles that begin with "*" read every match of the statement's pattern;
// those that end with "!" read too the page's table as rows of K and atm.
// The i-th substance goes with the i-th pressure, amount or datum.
struct Statement {
    std::int32_t problem;
    Reads reads;
    std::string pattern;
    const char* roles;
    std::string answer = "";
    // Pages the row reads ("" all): a pattern on the statement.
    const char* when = "";
};

struct ChapterStatements {
    std::int32_t chapter;
    std::vector<Statement> rows;
    // Problems whose pages state nothing a rule judges, with why.
    std::vector<std::pair<std::int32_t, const char*>> without_conditions;
    // Problems whose pages do not work the ideal gas law, with why: their
    // gases are held to saturation only.
    std::vector<std::pair<std::int32_t, const char*>> beyond_ideal = {};
};

// An equation as pages print it, as one group.
inline const std::string equation = R"((\S+(?: \+ \S+)* = \S+(?: \+ \S+)*))";

// The chapter's rows, and the problems listed without.
ChapterStatements chapter_statements(std::int32_t chapter);

// A row's faults on one page, each with its rule's letter; none where the
// row does not read the page.
std::optional<std::vector<std::pair<char, std::string>>>
faults_of(const Statement& row, const testing_support::ShownPage& page, bool ideal = true);

// The state law's faults on a page of any problem (rule a): each gas the
// page names at most at its saturation, and where the page works the ideal
// gas law (`ideal`), within its 5 %; a gas unnamed at most at 100 atm. A page
// naming two or more gases that a gas row read (`read_by_rows`) is the
// rows'. A pressure printed where the law reads no gas fails.
std::vector<std::pair<char, std::string>> state_law_faults(const testing_support::ShownPage& page, bool ideal,
                                                           bool read_by_rows);

// The solubility law's faults on a page of any problem (rule g): each pair
// of ions that two solutes the page states bring together, with a row in
// the book's solubility products, at most at that product at the mixed
// concentrations (a weak acid's anion at the pH the page prints), unless
// the page's answer is exact whatever the salt does. A page stating more
// concentrations than the solutes read fails, unless its problem is
// listed with why.
std::vector<std::pair<char, std::string>> solubility_law_faults(std::int32_t chapter, std::int32_t problem,
                                                                const testing_support::ShownPage& page);

// The chapter's rows as a judge of the answer table's sweep: each rule's
// failing pages per problem are tallied by its letter, against
// known_condition_faults; a row that reads no page fails.
std::unique_ptr<testing_support::Judge> judge_of(ChapterStatements table, const testing_support::Sweep& sweep,
                                                 std::int32_t problem_count);

const std::vector<testing_support::KnownFault>& known_condition_faults();

}  // namespace conditions
