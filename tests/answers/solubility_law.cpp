// The solubility law: two solutes a page brings together never hold a pair
// of ions past the solubility product the book itself prints for their salt.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "chemistry/hydroxide_solubilities.h"
#include "chemistry/solubility_products.h"
#include "conditions_table.h"
#include "handbook.h"
#include "support/text_patterns.h"

namespace conditions {

namespace {

using testing_support::Found;

// A salt of the book's tables as its two ions: m cations M and n anions X.
struct SparinglySoluble {
    std::string formula, cation, anion;
    std::int32_t m = 1, n = 1;
    double product = 0.0;
    double charge = 0.0;  // the cation's
};

std::int32_t subscript_at(const std::string& text, std::size_t& at)
{
    if (text.compare(at, 2, "@d") != 0 || at + 3 >= text.size() || std::isdigit(text[at + 2]) == 0) return 1;
    const std::size_t end = text.find('@', at + 2);
    const std::int32_t count = std::stoi(text.substr(at + 2, end - at - 2));
    at = end + 1;
    return count;
}

std::size_t symbol_length(const std::string& text, std::size_t at)
{
    if (at >= text.size() || std::isupper(static_cast<unsigned char>(text[at])) == 0) return 0;
    return at + 1 < text.size() && std::islower(static_cast<unsigned char>(text[at + 1])) != 0 ? 2 : 1;
}

// "Pb(IO@d3@)@d2@": Pb and 2 IO3; "Ag@d2@SO@d4@": 2 Ag and SO4; "PbI@d2@": Pb and 2 I.
SparinglySoluble split(std::string_view formula, std::string_view product)
{
    SparinglySoluble salt{std::string(formula), "", "", 1, 1, std::stod(std::string(product))};
    const std::string& f = salt.formula;
    std::size_t at = symbol_length(f, 0);
    salt.cation = f.substr(0, at);
    salt.m = subscript_at(f, at);
    if (f[at] == '(') {
        const std::size_t close = f.find(')', at);
        salt.anion = f.substr(at + 1, close - at - 1);
        at = close + 1;
        salt.n = subscript_at(f, at);
    } else if (const std::size_t length = symbol_length(f, at); at + length == f.size() || f[at + length] == '@') {
        salt.anion = f.substr(at, length);
        at += length;
        salt.n = subscript_at(f, at);
    } else {
        salt.anion = f.substr(at);
    }
    return salt;
}

// A cation's charge in a salt or as an ion written alone ("Cu@u2+@"): its
// anions' charges over its own count.
double cation_charge(const std::string& formula)
{
    if (const std::size_t charge = formula.find("@u"); charge != std::string::npos && formula.ends_with('@'))
        return std::isdigit(formula[charge + 2]) != 0 ? formula[charge + 2] - '0' : 1.0;
    const SparinglySoluble ions = split(formula, "0");
    const bool doubly = ions.anion == "SO@d4@" || ions.anion == "CO@d3@" || ions.anion == "S" || ions.anion == "O" ||
                        ions.anion == "CrO@d4@" || ions.anion == "C@d2@O@d4@";
    return (doubly ? 2.0 : ions.anion == "PO@d4@" ? 3.0 : 1.0) * ions.n / ions.m;
}

// Every salt whose product the book prints: its table of salts, its
// hydroxides and its carbonates.
const std::vector<SparinglySoluble>& book_salts()
{
    static const std::vector<SparinglySoluble> salts = [] {
        std::vector<SparinglySoluble> all;
        for (const SolubilityProduct& p : solubility_products) all.push_back(split(p.formula, p.value));
        for (const SolubilityProduct& p : carbonate_products) all.push_back(split(p.formula, p.value));
        for (const ::Hydroxide& h : hydroxides) all.push_back(split(h.formula, h.solubility_product));
        for (SparinglySoluble& salt : all) salt.charge = cation_charge(salt.formula);
        return all;
    }();
    return salts;
}

// Pages whose answer stands whatever the solid does, by problem and salt
// (none: every salt).
struct ExactWithSolid {
    std::int32_t chapter, problem;
    const char* salt;
    const char* why;
};
// clang-format off
const ExactWithSolid exact_with_solid[] = {
    {7, 31, "BaSO@d4@", "a volume to neutralise: the acid's protons, whatever the sulfate does"},
    {7, 32, "BaSO@d4@", "the pH of the excess strong acid or base: sulfate a spectator"},
    {7, 36, "BaSO@d4@", "the pH of the excess strong base or of the ammonium buffer: sulfate a spectator"},
    {7, 37, "BaSO@d4@", "the classic titration of ammonium sulfate by barium hydroxide: ammonia sets the pH"},
    {7, 40, nullptr, "the page precipitates the salt and asks what stays dissolved"},
    {9, 39, nullptr, "the page precipitates the hydroxide and asks how much"},
};
// clang-format on

// Problems whose pages state concentrations the law does not read as
// solutes brought together, each with why: their pages pass with the
// solutes it reads. Any other page that states more concentrations than
// the solutes read fails, so that a phrasing left unread is seen.
struct UnreadConcentrations {
    std::int32_t chapter, problem;
    const char* why;
};
// clang-format off
const UnreadConcentrations unread_concentrations[] = {
    {5, 13, "the chloride the mixture is to reach, asked for"},
    {5, 14, "the ion's concentration of the solution asked for"},
    {6, 30, "one salt saturated in water at two temperatures"},
    {6, 32, "a reactant's concentration falling in time"},
    {6, 35, "a reactant's concentration falling in time"},
    {6, 36, "a reactant's concentration falling in time"},
    {7, 2, "equilibrium concentrations of letters, no ions"},
    {7, 6, "gases' concentrations and a constant in mol/L"},
    {7, 14, "a constant in mol/L beside one solute, a letter"},
    {7, 23, "one acid in two solutions apart"},
    {7, 38, "a weak base named by no formula, titrated by a strong acid"},
    {8, 5, "the two half-cells' ions, each in its own solution"},
    {8, 6, "the two half-cells' ions, each in its own solution"},
    {8, 7, "an electrode's two ions, one couple, no anion"},
    {8, 10, "one ion in two half-cells apart"},
    {8, 14, "a second electrode's ion, apart from the mixture"},
};
// clang-format on

// One solute the page states, at its concentration in the mixture, mol/L.
struct StatedSolute {
    std::string formula;
    double molar = 0.0, litres = std::nan("");
    double charge = 0.0;  // its cation's
};

// How many of the ion a solute's formula holds: a cation as its first
// element ("Ba(OH)@d2@", "Ag@d2@SO@d4@"), an anion as the end of the
// formula ("NaHCO@d3@", "HF", "Ba(OH)@d2@"); a hydroxide only of a metal.
std::int32_t holds(const std::string& solute, const std::string& ion, bool cation)
{
    // An ion named as itself: "Ag@u+@", "Cl@u-@".
    if (const std::size_t charge = solute.find("@u"); charge != std::string::npos && solute.ends_with('@'))
        return charge == ion.size() && solute.starts_with(ion) ? 1 : 0;
    if (cation) {
        if (!solute.starts_with(ion) || symbol_length(solute, 0) != ion.size()) return 0;
        std::size_t at = ion.size();
        return subscript_at(solute, at);
    }
    if (ion == "OH" && (solute.find('C') != std::string::npos || solute.starts_with("NH"))) return 0;
    const std::size_t at = solute.rfind(ion);
    if (at == std::string::npos || at == 0) return 0;
    std::size_t after = at + ion.size();
    const bool grouped = solute[at - 1] == '(' && after < solute.size() && solute[after] == ')';
    if (grouped) ++after;
    // A group's subscript counts it ("Ba(OH)@d2@"), as a single element's
    // does ("BaF@d2@"); a bare group's is its own ("SO@d4@").
    const std::int32_t count = grouped || symbol_length(ion, 0) == ion.size() ? subscript_at(solute, after) : 1;
    return after == solute.size() ? count : 0;
}

// The share of an anion free at the page's pH, the rest its acid; 1 where
// the page prints no pH or the anion is a strong acid's.
double free_share(const std::string& anion, double pH)
{
    if (std::isnan(pH)) return 1.0;
    const double h = std::pow(10.0, -pH);
    if (anion == "F") return constant("a", "HF")->value / (constant("a", "HF")->value + h);
    if (anion == "CO@d3@") {
        const double k1 = constant("a", "H@d2@CO@d3@", 1)->value, k2 = constant("a", "H@d2@CO@d3@", 2)->value;
        return k1 * k2 / (h * h + k1 * h + k1 * k2);
    }
    return 1.0;
}

// The pH the page prints: given in its statement, else its answer's last
// number where it asks for one.
double printed_pH(const testing_support::ShownPage& page)
{
    if (const auto given = testing_support::find_first(page.statement, R"(pH (?:= |di |pari a )?NUM)"))
        return testing_support::shown((*given)[1]).value;
    if (page.statement.find("il pH") == std::string::npos) return std::nan("");
    const std::vector<Found> numbers = testing_support::find_all(page.answer, "NUM");
    return numbers.empty() ? std::nan("") : testing_support::shown(numbers.back()[1]).value;
}

// Equivalents a formula gives in a titration: its hydroxides, its acidic
// hydrogens or its ammonium ions.
double equivalents(const std::string& formula)
{
    if (const std::int32_t hydroxide = holds(formula, "OH", false); hydroxide > 0) return hydroxide;
    if (formula.starts_with("(NH@d4@)@d")) {
        std::size_t at = 9;
        return subscript_at(formula, at);
    }
    if (formula.starts_with("H") && !formula.starts_with("Hg")) {
        std::size_t at = 1;
        return subscript_at(formula, at);
    }
    return 1.0;
}

// Whether a word is a number as pages print it ("0.0384", "5.85•10@u-3@").
bool number_word(const std::string& word)
{
    return !word.empty() && (std::isdigit(static_cast<unsigned char>(word[0])) != 0 || word[0] == '.');
}

// The value of such a word, read by hand: the sweeps read thousands.
double number_value(const std::string& word)
{
    const std::size_t times = word.find("•10@u");
    const double mantissa = std::strtod(word.c_str(), nullptr);
    return times == std::string::npos ? mantissa
                                      : mantissa * std::pow(10.0, std::strtod(word.c_str() + times + 7, nullptr));
}

// A formula as a word ends its sentence or list: "Ba(OH)@d2@," reads "Ba(OH)@d2@".
std::string formula_word(std::string word)
{
    while (!word.empty() && std::string(",.;]").find(word.back()) != std::string::npos) word.pop_back();
    return word;
}

// An acid's sodium salt: its acidic hydrogen, a carboxyl's last or else
// the first, taken by sodium ("HF": "NaF", "CH@d3@COOH": "CH@d3@COONa").
std::string sodium_salt(const std::string& acid)
{
    if (acid.ends_with("COOH")) return acid.substr(0, acid.size() - 1) + "Na";
    return acid.starts_with('H') ? "Na" + acid.substr(1) : acid;
}

// The solutes a statement states with a concentration, each once, read
// word by word (most pages state none, the sweeps' time): a solution
// ("HF 0.02870 M", "una soluzione 0.06285 F di Ba(OH)@d2@", "0.0780 M in
// Ca@u2+@"), with its volume before it ("25.19 mL di ..."), an acid's salt
// beside it ("0.0305 M nel suo sale sodico"), or moles added per litre
// ("5.85•10@u-3@ mol/L di Ba(OH)@d2@"); mixed by their volumes where each
// has one, at the equivalence point by their equivalents, else at their
// stated concentrations, as in one solution.
std::vector<StatedSolute> stated_solutes(const std::string& text)
{
    std::vector<std::string> words;
    for (std::size_t from = 0, to = 0; from < text.size(); from = to + 1) {
        to = std::min(text.find(' ', from), text.size());
        if (to > from) words.push_back(text.substr(from, to - from));
    }
    const auto formula = [&](std::size_t at) {
        return at < words.size() &&
               (std::isupper(static_cast<unsigned char>(words[at][0])) != 0 || words[at][0] == '(');
    };
    const auto word = [&](std::size_t at) { return at < words.size() ? std::string_view(words[at]) : ""; };
    std::vector<StatedSolute> solutes;
    for (std::size_t i = 2; i < words.size(); ++i) {
        const std::string& w = words[i];
        const bool unit =
            (w[0] == 'M' || w[0] == 'F') && (w.size() == 1 || std::isalnum(static_cast<unsigned char>(w[1])) == 0);
        if (unit && number_word(words[i - 1]) && formula(i - 2)) {
            StatedSolute s{formula_word(words[i - 2]), number_value(words[i - 1])};
            if (i >= 5 && words[i - 3] == "di" && (words[i - 4] == "mL" || words[i - 4] == "L") &&
                number_word(words[i - 5]))
                s.litres = number_value(words[i - 5]) * (words[i - 4] == "mL" ? 1e-3 : 1.0);
            solutes.push_back(s);
        } else if (unit && number_word(words[i - 1]) && (word(i + 1) == "di" || word(i + 1) == "in") &&
                   formula(i + 2)) {
            solutes.push_back({formula_word(words[i + 2]), number_value(words[i - 1])});
        } else if (unit && number_word(words[i - 1]) && word(i + 1) == "nel" && word(i + 2) == "suo" &&
                   word(i + 3) == "sale" && word(i + 4) == "sodico" && !solutes.empty()) {
            solutes.push_back({sodium_salt(solutes.back().formula), number_value(words[i - 1])});
        } else if (w == "di" && words[i - 1] == "mol/L" && number_word(words[i - 2]) && i + 1 < words.size()) {
            solutes.push_back({formula_word(words[i + 1]), number_value(words[i - 2])});
        }
    }
    if (solutes.size() < 2) return solutes;
    if (std::ranges::all_of(solutes, [](const StatedSolute& s) { return std::isfinite(s.litres); })) {
        double litres = 0.0;
        for (const StatedSolute& s : solutes) litres += s.litres;
        for (StatedSolute& s : solutes) s.molar *= s.litres / litres;
    } else if (solutes.size() == 2 && text.find("punto equivalente") != std::string::npos) {
        // Titrant per litre of the titrated solution.
        const double ratio =
            solutes[0].molar * equivalents(solutes[0].formula) / (solutes[1].molar * equivalents(solutes[1].formula));
        solutes[0].molar /= 1.0 + ratio;
        solutes[1].molar *= ratio / (1.0 + ratio);
    }
    return solutes;
}

// How many concentrations a text states, counted without reading its
// words: a number (its last digit, or its exponent's closing "@"), then
// " M" or " F" as a word, or "mol/L".
std::int32_t concentrations_stated(const std::string& text)
{
    std::int32_t count = 0;
    for (std::size_t at = text.find(' '); at != std::string::npos && at + 1 < text.size(); at = text.find(' ', at + 1))
        if (at > 0 && (std::isdigit(static_cast<unsigned char>(text[at - 1])) != 0 || text[at - 1] == '@') &&
            (text[at + 1] == 'M' || text[at + 1] == 'F' || text.compare(at + 1, 5, "mol/L") == 0) &&
            (at + 2 == text.size() || std::isalnum(static_cast<unsigned char>(text[at + 2])) == 0 ||
             text[at + 1] == 'm'))
            ++count;
    return count;
}

}  // namespace

std::vector<std::pair<char, std::string>> solubility_law_faults(std::int32_t chapter, std::int32_t problem,
                                                                const testing_support::ShownPage& page)
{
    // Most pages state at most one concentration: they end here.
    const std::string& text = page.statement;
    const std::int32_t stated = text.find(" M") == std::string::npos && text.find(" F") == std::string::npos &&
                                        text.find("mol/L") == std::string::npos
                                    ? 0
                                    : concentrations_stated(text);
    if (stated < 2) return {};
    std::vector<StatedSolute> solutes = stated_solutes(text);
    if (std::cmp_less(solutes.size(), stated) &&
        std::ranges::none_of(unread_concentrations, [&](const UnreadConcentrations& u) {
            return u.chapter == chapter && u.problem == problem;
        }))
        return {{'g', (std::ostringstream()
                       << "solutes read for " << solutes.size() << " of the " << stated << " concentrations stated")
                          .str()}};
    if (solutes.size() < 2) return {};
    for (StatedSolute& solute : solutes) solute.charge = cation_charge(solute.formula);
    std::optional<double> pH;  // read where a pair of ions asks for it
    std::vector<std::pair<char, std::string>> faults;
    for (const SparinglySoluble& salt : book_salts()) {
        if (std::ranges::any_of(exact_with_solid, [&](const ExactWithSolid& e) {
                return e.chapter == chapter && e.problem == problem && (e.salt == nullptr || salt.formula == e.salt);
            }))
            continue;
        double cation = 0.0, anion = 0.0;
        std::int32_t cations = -1, anions = -1;
        for (std::size_t i = 0; i < solutes.size(); ++i) {
            if (const std::int32_t m = holds(solutes[i].formula, salt.cation, true);
                m > 0 && solutes[i].charge == salt.charge) {
                cation += m * solutes[i].molar;
                cations = cations == -1 ? static_cast<std::int32_t>(i) : -2;
            }
            if (const std::int32_t n = holds(solutes[i].formula, salt.anion, false); n > 0) {
                anion += n * solutes[i].molar;
                anions = anions == -1 ? static_cast<std::int32_t>(i) : -2;
            }
        }
        // A salt's own ions alone are its saturation, rule g's.
        if (cation == 0.0 || anion == 0.0 || (cations == anions && cations >= 0)) continue;
        if (!pH) pH = printed_pH(page);
        anion =
            salt.anion == "OH" && std::isfinite(*pH) ? std::pow(10.0, *pH - 14.0) : anion * free_share(salt.anion, *pH);
        const double quotient = std::pow(cation, salt.m) * std::pow(anion, salt.n);
        if (quotient > salt.product * 1.005)
            faults.emplace_back('g', (std::ostringstream() << salt.formula << " precipitates: ion product " << quotient
                                                           << " past its " << salt.product)
                                         .str());
    }
    return faults;
}

}  // namespace conditions
