#include "conditions_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>

#include "handbook.h"
#include "support/formula_reading.h"
#include "support/pressure_units.h"
#include "support/text_patterns.h"

namespace conditions {

namespace {

using testing_support::Shown;

constexpr double litre_atm = 0.082057;  // L atm/(mol K)

// What a row reads of one page, by role.
struct Read {
    std::vector<std::string> substances, equations, media, words;
    std::vector<double> pressures, volumes, masses, moles;
    std::vector<std::pair<char, Shown>> data;  // v, S, H, F or M with the value as shown
    std::vector<std::string> units;            // of the pressures, then of the vapour pressures
    double kelvin = std::nan(""), total = std::nan(""), density = std::nan("");
    std::string statement;
};

void take(Read& read, char role, const std::string& group)
{
    const auto number = [&] { return testing_support::shown(group).value; };
    switch (role) {
    case 's': read.substances.push_back(group); break;
    case 'e': read.equations.push_back(group); break;
    case 'c': read.media.push_back(group); break;
    case 'w': read.words.push_back(group); break;
    case 't': read.kelvin = number() + 273.15; break;
    case 'T': read.kelvin = number(); break;
    case 'P': read.pressures.push_back(number()); break;
    case 'u': read.units.push_back(group); break;
    case 'V': read.volumes.push_back(number()); break;
    case 'm': read.masses.push_back(number()); break;
    case 'n': read.moles.push_back(number()); break;
    case 'p': read.total = number(); break;
    case 'd': read.density = number(); break;
    case 'k':
        // Conditions named in words: each at one atmosphere.
        read.pressures.push_back(1.0);
        if (group.find("standard") != std::string::npos) read.kelvin = 273.15;
        if (group.find("ambiente") != std::string::npos) read.kelvin = 298.15;
        break;
    case 'z':
        // A state in words, of the formula read last: "liquido", "solido", "gassoso".
        if (!read.equations.empty()) read.equations.back() += "@d(" + group.substr(0, 1) + ")@";
        break;
    case 'v':
    case 'S':
    case 'H':
    case 'F':
    case 'M': read.data.emplace_back(role, testing_support::shown(group)); break;
    default: break;
    }
}

// The row's reading of the page; none where its patterns do not match.
std::optional<Read> read_page(const Statement& row, const testing_support::ShownPage& page)
{
    const std::string roles = row.roles;
    const std::size_t bar = roles.find('|');
    const std::string own = roles.substr(0, bar), answer_roles = bar == std::string::npos ? "" : roles.substr(bar + 1);
    const std::optional<testing_support::Found> found = testing_support::find_first(page.statement, row.pattern);
    if (!found) return std::nullopt;
    Read read;
    read.statement = page.statement;
    for (std::size_t i = 0; i < own.size(); ++i)
        if (found->matched(i + 1)) take(read, own[i], (*found)[i + 1]);
    if (!row.answer.empty()) {
        const std::vector<testing_support::Found> all = testing_support::find_all(page.answer, row.answer);
        if (all.empty()) return std::nullopt;
        for (const testing_support::Found& match : all)
            for (std::size_t i = 0; i < answer_roles.size(); ++i)
                if (match.matched(i + 1)) take(read, answer_roles[i], match[i + 1]);
    }
    return read;
}

const Substance* known(const std::string& name, std::ostringstream& faults)
{
    const Substance* s = substance(name);
    if (s == nullptr) faults << "no handbook entry for " << name << "; ";
    return s;
}

double molar_mass(const std::string& name)
{
    const Substance* s = substance(name);
    return s == nullptr ? std::nan("") : testing_support::formula_mass(s->formula);
}

// The i-th gas's partial pressure in atm: its share of a mixture of two by
// the mean molar mass its density gives, its own pressure, the total less
// the others', or from n, V and T.
double partial_atm(const Read& read, std::size_t i, const Substance& s)
{
    const auto atm = [&](double value, std::size_t unit) {
        return testing_support::atmospheres(value, unit < read.units.size() ? read.units[unit] : "atm");
    };
    if (std::isfinite(read.density) && read.substances.size() == 2 && read.pressures.size() == 1) {
        const double total = atm(read.pressures.front(), 0), mean = read.density * litre_atm * read.kelvin / total;
        const double own = molar_mass(read.substances[i]), other = molar_mass(read.substances[1 - i]);
        return total * std::clamp((mean - other) / (own - other), 0.0, 1.0);
    }
    if (i < read.pressures.size()) return atm(read.pressures[i], i);
    if (std::isfinite(read.total) && i == read.pressures.size()) {
        double rest = read.total;
        for (const double p : read.pressures) rest -= p;
        return atm(rest, 0);
    }
    if (read.volumes.empty()) return std::nan("");
    const double n = i < read.moles.size()    ? read.moles[i]
                     : i < read.masses.size() ? read.masses[i] / testing_support::formula_mass(s.formula)
                                              : std::nan("");
    return n * litre_atm * read.kelvin / read.volumes.front();
}

// Rule a: each gas at most at its saturation pressure; on pages near room
// temperature NO2 carried mostly as N2O4 breaks rule c.
void judge_gases(const Read& read, std::map<char, std::string>& faults)
{
    std::ostringstream a, c;
    for (std::size_t i = 0; i < read.substances.size(); ++i) {
        const Substance* s = known(read.substances[i], a);
        if (s == nullptr) continue;
        const double atm = partial_atm(read, i, *s);
        if (!std::isfinite(atm) || !std::isfinite(read.kelvin)) {
            a << "no pressure or temperature read for " << read.substances[i] << "; ";
            continue;
        }
        const double saturation = saturation_atm(*s, read.kelvin);
        if (atm > saturation)
            a << read.substances[i] << " at " << atm << " atm and " << read.kelvin << " K, above its saturation "
              << saturation << " atm; ";
        // 2NO2 = N2O4 at 25 °C, K = 6.7/atm (from the formation energies of
        // the JANAF tables): the dimer holds most of the nitrogen above
        // 0.15 atm of NO2 as charged.
        if (std::string(s->formula) == "NO@d2@" && read.kelvin < 310.0 && atm > 0.15)
            c << "NO2 at " << atm << " atm and " << read.kelvin << " K is mostly N2O4; ";
    }
    faults['a'] += a.str();
    faults['c'] += c.str();
}

double pH_of(const std::string& medium)
{
    const auto found = testing_support::find_first(medium, "pH (?:di |pari a )?NUM");
    return found ? testing_support::shown((*found)[1]).value : std::nan("");
}

// Rule c: each species in its medium.
void judge_species(const Read& read, std::map<char, std::string>& faults)
{
    const std::string medium = read.media.empty() ? "" : read.media.front();
    for (const std::string& species : read.substances)
        for (const FalseSpecies& rule : false_species()) {
            if (!testing_support::contains_match(species, rule.species)) continue;
            bool holds = *rule.medium == '\0';
            std::istringstream alternatives(rule.medium);
            for (std::string alternative; !holds && std::getline(alternatives, alternative, '|');)
                holds = alternative.starts_with("pH>") ? pH_of(medium) > std::stod(alternative.substr(3))
                                                       : medium.find(alternative) != std::string::npos;
            if (holds) faults['c'] += species + " in \"" + medium + "\": " + rule.why + "; ";
        }
}

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

// Rules b and d: each equation's direction, and its states at the page's
// temperature and pressure.
void judge_equations(const Read& read, std::map<char, std::string>& faults)
{
    for (const std::string& equation : read.equations) {
        // A species alone with its state is read as one side without another.
        const std::size_t equals = equation.find(" = ");
        const std::vector<Term> left = side(equation.substr(0, equals)),
                                right = equals == std::string::npos ? std::vector<Term>{}
                                                                    : side(equation.substr(equals + 3));
        for (const Unreal& unreal : unreal_equilibria())
            for (const auto& [from, to] : {std::pair{&left, &right}, std::pair{&right, &left}})
                if (std::ranges::all_of(unreal.left, [&](const std::string& f) { return has(*from, f); }) &&
                    std::ranges::all_of(unreal.right, [&](const std::string& f) { return has(*to, f); }))
                    faults['b'] += equation + ": " + unreal.why + "; ";
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
        if (ionic && oxidation != nullptr && reduction != nullptr && reduction->volts - oxidation->volts <= 0.0) {
            std::ostringstream fault;
            fault << equation << " runs backwards: ΔE° = " << reduction->volts - oxidation->volts << " V; ";
            faults['b'] += fault.str();
        }
        if (!std::isfinite(read.kelvin) || read.statement.find("stato standard") != std::string::npos) continue;
        const double atm =
            !read.pressures.empty()
                ? testing_support::atmospheres(read.pressures.front(), read.units.empty() ? "atm" : read.units.front())
            : read.statement.find("ressione atmosferica") != std::string::npos ? 1.0
                                                                               : std::nan("");
        for (const std::vector<Term>* terms : {&left, &right})
            for (const Term& term : *terms) {
                const Substance* s = substance(term.formula);
                if (s == nullptr || term.state.empty() || term.state == "aq") continue;
                std::ostringstream fault;
                const double saturation = saturation_atm(*s, read.kelvin);
                if (term.state == "s" && s->melting > 0.0 && read.kelvin > s->melting + 0.5)
                    fault << term.formula << "(s) at " << read.kelvin << " K, above its melting point; ";
                if (term.state == "l" && s->melting > 0.0 && read.kelvin < s->melting - 0.5)
                    fault << term.formula << "(l) at " << read.kelvin << " K, below its melting point; ";
                if (term.state == "g" && atm > saturation)
                    fault << term.formula << "(g) at " << atm << " atm and " << read.kelvin
                          << " K, above its saturation " << saturation << " atm; ";
                faults['d'] += fault.str();
            }
    }
}

// Rule e: each datum printed at the page's temperature.
void judge_data(const Read& read, std::map<char, std::string>& faults)
{
    std::size_t unit = 0;
    for (std::size_t i = 0; i < read.data.size() && i < read.substances.size(); ++i) {
        const auto& [kind, shown] = read.data[i];
        std::ostringstream fault;
        const Substance* s = known(read.substances[i], fault);
        if (s == nullptr) {
            faults['e'] += fault.str();
            continue;
        }
        double handbook = std::nan(""), accuracy = 0.0;
        if (kind == 'M') {
            handbook = s->melting - 273.15;
            accuracy = 0.5;
        } else if (kind == 'v') {
            handbook = saturation_atm(*s, read.kelvin) /
                       testing_support::atmospheres(1.0, read.units.at(std::min(unit++, read.units.size() - 1)));
            accuracy = s->accuracy * handbook;
            if (s->accuracy == 0.0) handbook = std::nan("");
        } else {
            handbook = tabulated(s->formula, std::string(1, kind), read.kelvin, accuracy);
        }
        if (!(std::abs(shown.value - handbook) <= std::max(shown.uncertainty(), accuracy)))
            fault << read.substances[i] << " " << kind << " at " << read.kelvin << " K printed " << shown.value
                  << ", handbook " << handbook << "; ";
        faults['e'] += fault.str();
    }
}

// Rule f: a structure stated.
void judge_structures(const Read& read, std::map<char, std::string>& faults)
{
    for (std::size_t i = 0; i < read.substances.size() && i < read.words.size(); ++i) {
        const std::string held = structure_of(read.substances[i]), words = read.words[i];
        const std::string stated = words.find("corpo centrato") != std::string::npos   ? "bcc"
                                   : words.find("facce centrate") != std::string::npos ? "fcc"
                                   : words.find("cubic") != std::string::npos          ? "cubic"
                                                                                       : words;
        const bool cubic = held == "bcc" || held == "fcc" || held == "cubic";
        if (held.empty())
            faults['f'] += "no structure kept for " + read.substances[i] + "; ";
        else if (stated != held && !(stated == "cubic" && cubic))
            faults['f'] += read.substances[i] + " is " + held + ", not " + words + "; ";
    }
}

}  // namespace

namespace {

class ConditionJudge : public testing_support::Judge {
public:
    ConditionJudge(ChapterStatements table, const testing_support::Sweep& sweep, std::int32_t problem_count)
        : table_(std::move(table)), by_problem_(testing_support::rows_by_problem(
                                        table.chapter, table_.rows, table_.without_conditions, sweep, problem_count))
    {}

    void begin(std::int32_t problem, testing_support::Tally& /*tally*/) override
    {
        const auto found = by_problem_.find(problem);
        rows_ = found == by_problem_.end() ? std::vector<const Statement*>{} : found->second;
        read_any_.assign(rows_.size(), false);
    }

    void judge(std::int32_t problem, std::int32_t version, const testing_support::ShownPage& page,
               testing_support::Tally& tally) override
    {
        for (std::size_t r = 0; r < rows_.size(); ++r) {
            const Statement& row = *rows_[r];
            if (*row.when != '\0' && !testing_support::contains_match(page.statement, row.when)) continue;
            const std::optional<Read> read = read_page(row, page);
            if (!read) continue;
            read_any_[r] = true;
            std::map<char, std::string> faults;
            switch (row.reads) {
            case Reads::gas: judge_gases(*read, faults); break;
            case Reads::species: judge_species(*read, faults); break;
            case Reads::equation: judge_equations(*read, faults); break;
            case Reads::datum: judge_data(*read, faults); break;
            case Reads::structure: judge_structures(*read, faults); break;
            }
            for (const auto& [rule, fault] : faults)
                if (!fault.empty())
                    tally.fail(problem, std::string(1, rule), version, testing_support::on_page(version, page, fault));
        }
    }

    void end(std::int32_t problem) override
    {
        for (std::size_t r = 0; r < rows_.size(); ++r)
            EXPECT_TRUE(read_any_[r]) << table_.chapter << "." << problem << " \"" << rows_[r]->pattern
                                      << "\" reads no page";
    }

private:
    ChapterStatements table_;
    std::map<std::int32_t, std::vector<const Statement*>> by_problem_;
    std::vector<const Statement*> rows_;
    std::vector<bool> read_any_;
};

}  // namespace

std::unique_ptr<testing_support::Judge> judge_of(ChapterStatements table, const testing_support::Sweep& sweep,
                                                 std::int32_t problem_count)
{
    return std::make_unique<ConditionJudge>(std::move(table), sweep, problem_count);
}

}  // namespace conditions
