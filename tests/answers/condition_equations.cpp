// The conditions table's rules on dissolved species and on equations.
#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "condition_verdicts.h"
#include "handbook.h"
#include "support/pressure_units.h"
#include "support/text_patterns.h"

namespace conditions {

namespace {

double pH_of(const Read& read)
{
    if (std::isfinite(read.pH)) return read.pH;
    const std::string medium = read.media.empty() ? "" : read.media.front();
    if (const auto found = testing_support::find_first(medium, "pH (?:di |pari a )?NUM"))
        return testing_support::shown((*found)[1]).value;
    // A strong acid or base at its formality.
    if (const auto found = testing_support::find_first(medium, "NUM F di (un acido|una base) forte")) {
        const double p = -std::log10(testing_support::shown((*found)[1]).value);
        return (*found)[2] == "una base" ? 14.0 - p : p;
    }
    return std::nan("");
}

}  // namespace

// Rule c: each species in its medium; a hydroxide by the pH where its anion
// takes over.
void judge_species(const Read& read, Verdict& verdict)
{
    const std::string medium = read.media.empty() ? "" : read.media.front();
    for (const std::string& species : read.substances) {
        ++verdict.judged;
        std::ostringstream c;
        if (const Hydroxide* h = hydroxide(species)) {
            const double pH = pH_of(read);
            if (pH > h->anion_pH)
                verdict.fault('c', c << species << " at pH " << pH << ": its anion carries the metal above pH "
                                     << h->anion_pH);
        } else if (species.find("(OH)@d") != std::string::npos) {
            verdict.fault('c', c << "no hydroxide data for " << species);
        }
        for (const FalseSpecies& rule : false_species()) {
            if (!testing_support::contains_match(species, rule.species)) continue;
            bool holds = *rule.medium == '\0';
            std::istringstream alternatives(rule.medium);
            for (std::string alternative; !holds && std::getline(alternatives, alternative, '|');)
                holds = medium.find(alternative) != std::string::npos;
            if (holds) verdict.fault('c', std::ostringstream() << species << " in \"" << medium << "\": " << rule.why);
        }
    }
}

namespace {

struct Term {
    std::string formula, state;
};

std::vector<Term> side(const std::string& text)
{
    std::vector<Term> terms;
    for (const testing_support::Found& found : testing_support::find_all(text, R"((?:^| )([0-9]*)(\S+))")) {
        std::string formula = found[2];
        if (formula == "+") continue;
        Term term;
        for (const char* state : {"s", "l", "g", "aq"}) {
            const std::string whole = std::string("@d(") + state + ")@", inner = std::string("(") + state + ")@";
            if (formula.ends_with(whole)) {
                formula.resize(formula.size() - whole.size());
                term.state = state;
            } else if (formula.ends_with(inner)) {
                formula.erase(formula.size() - inner.size(), inner.size() - 1);
                term.state = state;
            }
        }
        term.formula = formula;
        terms.push_back(term);
    }
    return terms;
}

bool has(const std::vector<Term>& terms, const std::string& formula)
{
    return std::ranges::any_of(terms, [&](const Term& t) { return t.formula == formula; });
}

// The pressure an equation's states are judged at: the page's, one
// atmosphere where it names the atmosphere's or gives an equilibrium
// constant (its gases at their standard state), else none.
double equation_atm(const Read& read)
{
    if (!read.pressures.empty())
        return testing_support::atmospheres(read.pressures.front(), read.units.empty() ? "atm" : read.units.front());
    for (const char* words : {"ressione atmosferica", "costante di equilibrio", "@iK@"})
        if (read.statement.find(words) != std::string::npos) return 1.0;
    return std::nan("");
}

// Rule d: a term's state at the page's temperature and pressure.
void judge_state(const Term& term, const Substance& s, double kelvin, double atm, Verdict& verdict)
{
    std::ostringstream d;
    const double saturation = saturation_atm(s, kelvin);
    if (term.state == "s" && s.melting > 0.0 && kelvin > s.melting + 0.5)
        d << term.formula << "(s) at " << kelvin << " K, above its melting point";
    else if (term.state == "l" && s.melting > 0.0 && kelvin < s.melting - 0.5)
        d << term.formula << "(l) at " << kelvin << " K, below its melting point";
    else if ((term.state == "l" || term.state == "g") && !std::isfinite(atm))
        d << "no pressure read for " << term.formula << "(" << term.state << ")";
    else if (term.state == "l" && saturation > atm * (1.0 + s.accuracy))
        d << term.formula << "(l) at " << kelvin << " K and " << atm << " atm, above its boiling point";
    else if (term.state == "g" && atm > saturation * (1.0 + s.accuracy))
        d << term.formula << "(g) at " << atm << " atm and " << kelvin << " K, above its saturation " << saturation
          << " atm";
    if (!d.str().empty()) verdict.fault('d', d);
}

}  // namespace

// Rules b and d: each equation's direction, and its states at the page's
// temperatures and pressure.
void judge_equations(const Read& read, Verdict& verdict)
{
    for (const std::string& equation : read.equations) {
        ++verdict.judged;
        // A species alone with its state is read as one side without another.
        const std::size_t equals = equation.find(" = ");
        const std::vector<Term> left = side(equation.substr(0, equals)),
                                right = equals == std::string::npos ? std::vector<Term>{}
                                                                    : side(equation.substr(equals + 3));
        for (const Unreal& unreal : unreal_equilibria())
            for (const auto& [from, to] : {std::pair{&left, &right}, std::pair{&right, &left}})
                if (std::ranges::all_of(unreal.left, [from = from](const std::string& f) { return has(*from, f); }) &&
                    std::ranges::all_of(unreal.right, [to = to](const std::string& f) { return has(*to, f); }))
                    verdict.fault('b', std::ostringstream() << equation << ": " << unreal.why);
        const bool base =
            has(left, "OH@u-@") || has(right, "OH@u-@") ||
            (!has(left, "H@u+@") && !has(right, "H@u+@") && read.statement.find("basic") != std::string::npos);
        const Couple* oxidation = nullptr;
        const Couple* reduction = nullptr;
        for (const Couple& couple : couples()) {
            if (std::string(couple.medium) != (base ? "base" : "acid")) continue;
            if (has(left, couple.reduced) && has(right, couple.oxidised)) oxidation = &couple;
            if (has(left, couple.oxidised) && has(right, couple.reduced)) reduction = &couple;
        }
        // Only a redox row in water (one with ions) must run as written.
        const bool ionic = equation.find("@u") != std::string::npos;
        if (ionic && oxidation != nullptr && reduction != nullptr && reduction->volts - oxidation->volts <= 0.0)
            verdict.fault('b', std::ostringstream() << equation << " runs backwards: ΔE° = "
                                                    << reduction->volts - oxidation->volts << " V");
        // Standard quantities are of standard states, unless the page asks
        // at the atmosphere's pressure.
        const bool standard = (read.statement.find("standard") != std::string::npos ||
                               read.statement.find("@u0@") != std::string::npos) &&
                              read.statement.find("ressione atmosferica") == std::string::npos;
        if (!std::isfinite(read.kelvin) || standard) continue;
        // Past 3000 K no molecule of a school equation holds together.
        if (read.kelvin > 3000.0)
            verdict.fault('d', std::ostringstream() << equation << " at " << read.kelvin << " K, past 3000 K");
        const double atm = equation_atm(read);
        for (const std::vector<Term>* terms : {&left, &right})
            for (const Term& term : *terms)
                if (const Substance* s = substance(term.formula);
                    s != nullptr && !term.state.empty() && term.state != "aq")
                    judge_state(term, *s, read.kelvin, atm, verdict);
    }
}
}  // namespace conditions
