#include "conditions_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>

#include "chemistry/hydrogen_fluoride_vapour.h"
#include "condition_verdicts.h"
#include "handbook.h"
#include "handbook_combustion.h"
#include "support/formula_reading.h"
#include "support/pressure_units.h"
#include "support/text_patterns.h"

namespace conditions {

namespace {

// Where a page works the ideal gas law, the real gas keeps within 5 % of it:
// |Z - 1| = |B P| / RT, B the second virial coefficient (for a mixture the
// mole-fraction-weighted mean of its gases', cross terms their mean).
constexpr double ideal_tolerance = 0.05;

}  // namespace

// The fault where gases together stray from the ideal gas past the
// tolerance (|Z - 1| = |Σ p_i B_i| / RT), or where the handbook gives some
// gas no B: none is skipped.
void judge_ideal(const std::vector<std::pair<const Substance*, double>>& partials, double kelvin, Verdict& verdict)
{
    bool missing = false;
    double pressure_virial = 0.0;
    for (const auto& [s, atm] : partials)
        if (const double b = second_virial_litres(*s, kelvin); std::isnan(b)) {
            missing = true;
            verdict.fault('a', std::ostringstream() << s->formula << " at " << atm << " atm and " << kelvin
                                                    << " K: no second virial coefficient");
        } else {
            pressure_virial += atm * b;
        }
    const double deviation = std::abs(pressure_virial) / (litre_atm * kelvin);
    if (missing || deviation <= ideal_tolerance) return;
    std::ostringstream a;
    for (const auto& [s, atm] : partials) a << s->formula << " at " << atm << " atm, ";
    verdict.fault('a', a << kelvin << " K: |Z - 1| = " << deviation << ", past the ideal gas law's 5 %");
}

// Rule a: each gas at most at its saturation pressure, within the fit's own
// accuracy, and HF near its monomer; NO2 more than 5 % paired as N2O4
// breaks rule c.
void judge_gas(const std::string& name, const Substance& s, double atm, double kelvin, Verdict& verdict)
{
    std::ostringstream a, associated, c;
    if (!std::isfinite(atm) || !std::isfinite(kelvin)) {
        a << "no pressure or temperature read for " << name;
        verdict.fault('a', a);
        return;
    }
    ++verdict.judged;
    const double saturation = saturation_atm(s, kelvin);
    if (atm > saturation * (1.0 + s.accuracy))
        verdict.fault('a', a << name << " at " << atm << " atm and " << kelvin << " K, above its saturation "
                             << saturation << " atm");
    if (std::string(s.formula) == "HF") {
        const double denser = hydrogen_fluoride_association(kelvin, atm);
        if (denser > 1.03)
            verdict.fault('a', associated << "HF at " << atm << " atm and " << kelvin << " K, " << denser
                                          << " times its monomer's density");
    }
    // NO2 stated as NO2: at most 5 % of it paired as N2O4, 2NO2 = N2O4 by
    // the JANAF tables' formation data (NO2 33.095 kJ/mol and 240.034
    // J/(mol K), N2O4 9.079 and 304.376), K per bar: x + 2Kx² = P charged.
    if (std::string(s.formula) == "NO@d2@") {
        const double k = std::exp((57111.0 - 175.692 * kelvin) / (8.31446 * kelvin)), bar = atm * 1.01325;
        const double share = 1.0 - (std::sqrt(1.0 + 8.0 * k * bar) - 1.0) / (4.0 * k * bar);
        if (share > 0.05)
            verdict.fault('c',
                          c << "NO2 at " << atm << " atm and " << kelvin << " K: " << share * 100.0 << " % of it N2O4");
    }
}

namespace {

using testing_support::Shown;

void set_kelvin(Read& read, double kelvin)
{
    read.kelvin = kelvin;
    for (Read::Datum& datum : read.data)
        if (std::isnan(datum.kelvin)) datum.kelvin = kelvin;
}

double litres_of(const std::string& group)
{
    const std::size_t space = group.find(' ');
    const bool litres = group[space + 1] == 'L' || group[space + 1] == 'd';  // L, dm3; else mL, cm3
    return testing_support::shown(group.substr(0, space)).value * (litres ? 1.0 : 1e-3);
}

void take(Read& read, char role, const std::string& group)
{
    const auto number = [&] { return testing_support::shown(group).value; };
    switch (role) {
    case 's': read.substances.push_back(group); break;
    case 'e': read.equations.push_back(group); break;
    case 'c': read.media.push_back(group); break;
    case 'w': read.words.push_back(group); break;
    case 't': set_kelvin(read, number() + 273.15); break;
    case 'T': set_kelvin(read, number()); break;
    case 'C': read.concentrations.push_back(testing_support::shown(group)); break;
    case 'Q': read.fractions.push_back(testing_support::shown(group)); break;
    case 'L': read.litres.push_back(litres_of(group)); break;
    case 'W': read.waters.push_back(number()); break;
    case 'G': read.freezing.push_back(number()); break;
    case 'h': read.pH = number(); break;
    case 'P': read.pressures.push_back(number()); break;
    case 'u': read.units.push_back(group); break;
    case 'V': read.volumes.push_back(number()); break;
    case 'm': read.masses.push_back(number()); break;
    case 'n': read.moles.push_back(number()); break;
    case 'p': read.total = number(); break;
    case 'A': read.dissociated = number() / 100.0; break;
    case 'd': read.density = number(); break;
    case 'k':
        // Conditions named in words: each at one atmosphere.
        read.pressures.push_back(1.0);
        if (group.find("standard") != std::string::npos) set_kelvin(read, 273.15);
        if (group.find("ambiente") != std::string::npos) set_kelvin(read, 298.15);
        break;
    case 'z':
        // A state in words, of the formula read last: "liquido", "solido", "gassoso".
        if (!read.equations.empty()) read.equations.back() += "@d(" + group.substr(0, 1) + ")@";
        break;
    case 'v':
    case 'S':
    case 'H':
    case 'F':
    case 'q':
    case 'M':
    case 'a':
    case 'b':
    case 'K':
    case 'y':
    case 'D': read.data.push_back({role, testing_support::shown(group), std::nan("")}); break;
    default: break;
    }
}

// The row's reading of the page; none where its patterns do not match.
std::optional<Read> read_page(const Statement& row, const testing_support::ShownPage& page)
{
    std::string roles = row.roles;
    // "*": every match of the statement's pattern; "!": and the table's rows.
    const bool every = roles.starts_with('*'), table = roles.ends_with('!');
    roles = roles.substr(every ? 1 : 0, roles.size() - (every ? 1 : 0) - (table ? 1 : 0));
    const std::size_t bar = roles.find('|');
    const std::string own = roles.substr(0, bar), answer_roles = bar == std::string::npos ? "" : roles.substr(bar + 1);
    std::vector<testing_support::Found> found;
    if (every)
        found = testing_support::find_all(page.statement, row.pattern);
    else if (auto first = testing_support::find_first(page.statement, row.pattern))
        found.push_back(std::move(*first));
    if (found.empty()) return std::nullopt;
    Read read;
    read.statement = page.statement;
    for (const testing_support::Found& match : found)
        for (std::size_t i = 0; i < own.size(); ++i)
            if (match.matched(i + 1)) take(read, own[i], match[i + 1]);
    for (const std::vector<Shown>& cells : table ? page.table : std::vector<std::vector<Shown>>{})
        if (cells.size() == 2) read.points.emplace_back(cells[0].value, cells[1].value);
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

// A gas dissociating at a total pressure: the equation's one reactant and
// its products, each with its partial pressure, from the share dissociated
// and the coefficients (per mole of the reactant, 1 - α of it and α ν/ν0 of
// each product).
std::vector<std::pair<std::string, double>> dissociation_partials(const std::string& equation, double share,
                                                                  double total)
{
    std::vector<std::pair<std::string, double>> moles;
    double reactant = 0.0;
    for (const testing_support::Found& found :
         testing_support::find_all(equation, R"((?:^|[=+] )([0-9]*)([^ ]+?)(?:@d\(g\)@)?(?= |$))")) {
        const double coefficient = found[1].empty() ? 1.0 : std::stod(found[1]);
        if (reactant == 0.0) {
            reactant = coefficient;
            moles.emplace_back(found[2], 1.0 - share);
        } else {
            moles.emplace_back(found[2], share * coefficient / reactant);
        }
    }
    double sum = 0.0;
    for (const auto& [formula, n] : moles) sum += n;
    for (auto& [formula, n] : moles) n *= total / sum;
    return moles;
}

// Each gas at its partial pressure, and where the page works the ideal gas
// law, the gases together within its 5 %; at 25 °C where the page prints no
// temperature.
void judge_gases(const Read& read, bool ideal, Verdict& verdict)
{
    if (std::isfinite(read.dissociated) && !read.equations.empty() && !read.pressures.empty()) {
        Read each = read;
        each.equations.clear();
        each.dissociated = std::nan("");
        each.substances.clear();
        each.pressures.clear();
        for (const auto& [formula, atm] :
             dissociation_partials(read.equations.front(), read.dissociated, read.pressures.front())) {
            each.substances.push_back(formula);
            each.pressures.push_back(atm);
        }
        judge_gases(each, ideal, verdict);
        return;
    }
    const double kelvin =
        std::isnan(read.kelvin) && !testing_support::contains_match(read.statement, printed_temperature) ? room_kelvin
                                                                                                         : read.kelvin;
    std::vector<std::pair<const Substance*, double>> partials;
    for (std::size_t i = 0; i < read.substances.size(); ++i) {
        std::ostringstream a;
        const Substance* s = known(read.substances[i], a);
        if (s == nullptr) {
            verdict.fault('a', a);
            continue;
        }
        // A table's rows: each temperature with its pressure, in atm.
        for (const auto& [point_kelvin, atm] : read.points) {
            judge_gas(read.substances[i], *s, atm, point_kelvin, verdict);
            if (ideal) judge_ideal({{s, atm}}, point_kelvin, verdict);
        }
        if (!read.points.empty()) continue;
        const double atm = partial_atm(read, i, *s);
        judge_gas(read.substances[i], *s, atm, kelvin, verdict);
        if (std::isfinite(atm)) partials.emplace_back(s, atm);
    }
    if (ideal && !partials.empty() && std::isfinite(kelvin)) judge_ideal(partials, kelvin, verdict);
    // A total read is of a mixture worked by the ideal gas law: at most at its ceiling.
    if (const double total = testing_support::atmospheres(read.total, read.units.empty() ? "atm" : read.units.front());
        total > ideal_reach_atm)
        verdict.fault('a', std::ostringstream()
                               << "a mixture at " << total << " atm, past the ideal gas law's 100 atm");
}

// Rule e for an equilibrium constant: an acid's (a, its steps in the order
// printed; y its pKa), a base's (b), a solubility product (K) at 25 °C, or
// a halogen's dissociation (D) at the page's temperature. Within the
// handbook's sources widened by 0.05 in log10 (0.08 for the dissociation,
// which the problem's table carries by a two-term law), and half a unit of
// the printed digit.
void judge_constant(const Read& read, std::size_t d, std::size_t i, double kelvin, Verdict& verdict)
{
    const Read::Datum& datum = read.data[d];
    const std::string& name = read.substances[i];
    std::ostringstream e;
    double low = std::nan(""), high = std::nan(""), spread = 0.05;
    if (datum.kind == 'D') {
        const Substance* s = substance(name);
        low = high = s == nullptr ? std::nan("") : dissociation_constant(s->formula, kelvin);
        spread = 0.08;
    } else {
        // An acid's earlier steps printed for the same acid before this one.
        std::int32_t step = 1;
        for (std::size_t earlier = 0; earlier < d; ++earlier)
            if (read.data[earlier].kind == datum.kind && std::min(earlier, read.substances.size() - 1) == i) ++step;
        const Constant* c = constant(datum.kind == 'y' ? "a" : std::string(1, datum.kind), name, step);
        if (c != nullptr) {
            low = std::isnan(c->other) ? c->value : std::min(c->value, c->other);
            high = std::isnan(c->other) ? c->value : std::max(c->value, c->other);
        }
    }
    ++verdict.judged;
    const bool p = datum.kind == 'y';
    const double printed = p ? std::pow(10.0, -datum.shown.value) : datum.shown.value;
    const double past = std::max(std::log10(low / printed), std::log10(printed / high)),
                 allowed = spread + (p ? datum.shown.half_unit() : std::log10(1.0 + datum.shown.half_unit() / printed));
    if (past <= allowed) return;
    e << name << " " << datum.kind << " printed " << datum.shown.value << ", handbook " << low;
    if (high != low) e << " to " << high;
    verdict.fault('e', e);
}

// Rule e: each datum printed as a fact, at its temperature. A heat of
// combustion is some compound's of the printed formula: per mole of O2
// consumed, within the span of real compounds' heats (water a gas from
// 100 °C, as the pages take it).
void judge_data(const Read& read, Verdict& verdict)
{
    std::size_t unit = 0;
    // Data past the substances read are the last one's.
    for (std::size_t d = 0; d < read.data.size() && !read.substances.empty(); ++d) {
        ++verdict.judged;
        const std::size_t i = std::min(d, read.substances.size() - 1);
        const Read::Datum& datum = read.data[d];
        const double kelvin = std::isnan(datum.kelvin) ? read.kelvin : datum.kelvin;
        std::ostringstream e;
        if (datum.kind == 'q') {
            const double per_oxygen =
                heat_per_oxygen(read.substances[i], std::abs(datum.shown.value), kelvin - 273.15 >= 100.0);
            if (!within_real_heats(per_oxygen))
                verdict.fault('e', e << read.substances[i] << " burns with " << datum.shown.value << " kJ/mol, "
                                     << per_oxygen << " kJ per mole of O2");
            continue;
        }
        if (std::string("abKyD").find(datum.kind) != std::string::npos) {
            judge_constant(read, d, i, kelvin, verdict);
            continue;
        }
        // A saturated solution's formality is kept by the salt's formula.
        const Substance* s = datum.kind == 'F' ? substance(read.substances[i]) : known(read.substances[i], e);
        if (s == nullptr && datum.kind != 'F') {
            verdict.fault('e', e);
            continue;
        }
        double handbook = std::nan(""), accuracy = 0.0;
        if (datum.kind == 'M') {
            handbook = s->melting - 273.15;
            accuracy = 0.5;
        } else if (datum.kind == 'v') {
            handbook = saturation_atm(*s, kelvin) /
                       testing_support::atmospheres(1.0, read.units.at(std::min(unit++, read.units.size() - 1)));
            accuracy = s->accuracy * handbook;
            if (s->accuracy == 0.0) handbook = std::nan("");
        } else {
            handbook =
                tabulated(s == nullptr ? read.substances[i] : s->formula, std::string(1, datum.kind), kelvin, accuracy);
        }
        // Where the handbook is finer than the last digit printed, that digit
        // is the true one.
        const double off = std::abs(datum.shown.value - handbook),
                     allowed = accuracy < datum.shown.unit() ? datum.shown.half_unit() + accuracy
                                                             : std::max(datum.shown.uncertainty(), accuracy);
        if (!(off <= allowed))
            verdict.fault('e', e << read.substances[i] << " " << datum.kind << " at " << kelvin << " K printed "
                                 << datum.shown.value << ", handbook " << handbook);
    }
}

// Rule g: each solution at most saturated at the page's temperature (25 °C
// where none is read), a molarity against the saturated molarity and a mass
// fraction against the saturated one, and a freezing point above the
// solute's eutectic. Each comparison made counts as judged.
void judge_solutions(const Read& read, Verdict& verdict)
{
    for (std::size_t i = 0; i < read.substances.size(); ++i) {
        std::string formula = read.substances[i];
        formula = formula.substr(0, formula.find("•"));  // a hydrate as its salt
        const Hydroxide* buffered = read.statement.find("tampone") != std::string::npos ? hydroxide(formula) : nullptr;
        const double mass = testing_support::formula_mass(formula);
        const std::string salt = buffered != nullptr ? buffered->salt : formula;
        // A buffer dissolves a hydroxide's metal as its most soluble salt.
        const double salt_mass = buffered != nullptr ? testing_support::formula_mass(salt) : mass;
        const double ceiling = salt.empty() ? INFINITY : saturated_molarity(salt, salt_mass, read.kelvin);
        const Solute* kept = solute(salt);
        const double most = kept != nullptr ? saturated_fraction(*kept, read.kelvin) : 0.0;
        std::ostringstream g;
        if (std::isnan(ceiling)) {
            verdict.fault('g', g << "no solubility kept for " << salt);
            continue;
        }
        // The handbook's figures carry three digits: half a unit of the last
        // is up to 0.5 % of them.
        const auto over = [&](const char* what, double value, double most) {
            ++verdict.judged;
            if (value > most * 1.005)
                verdict.fault('g', std::ostringstream() << read.substances[i] << " " << what << " " << value
                                                        << ", saturated at " << most);
        };
        if (i < read.concentrations.size()) over("mol/L", read.concentrations[i].value, ceiling);
        if (i < read.fractions.size() && kept != nullptr) over("mass fraction", read.fractions[i].value / 100.0, most);
        if (i < read.masses.size() && i < read.litres.size())
            over("mol/L", read.masses[i] / mass / read.litres[i], ceiling);
        if (i < read.masses.size() && i < read.waters.size() && kept != nullptr)
            over("mass fraction", read.masses[i] / (read.masses[i] + read.waters[i]), most);
        if (i < read.freezing.size() && kept != nullptr) {
            ++verdict.judged;
            if (read.freezing[i] < kept->eutectic_celsius)
                verdict.fault('g', g << read.substances[i] << " freezing at " << read.freezing[i]
                                     << " °C, below its eutectic " << kept->eutectic_celsius << " °C");
        }
    }
}

// Rule f: a structure stated.
void judge_structures(const Read& read, Verdict& verdict)
{
    for (std::size_t i = 0; i < read.substances.size() && i < read.words.size(); ++i) {
        ++verdict.judged;
        const std::string held = structure_of(read.substances[i]), words = read.words[i];
        const std::string stated = words.find("corpo centrato") != std::string::npos   ? "bcc"
                                   : words.find("facce centrate") != std::string::npos ? "fcc"
                                   : words.find("cubic") != std::string::npos          ? "cubic"
                                                                                       : words;
        const bool cubic = held == "bcc" || held == "fcc" || held == "cubic";
        if (held.empty())
            verdict.fault('f', std::ostringstream() << "no structure kept for " << read.substances[i]);
        else if (stated != held && !(stated == "cubic" && cubic))
            verdict.fault('f', std::ostringstream() << read.substances[i] << " is " << held << ", not " << words);
    }
}

}  // namespace

std::optional<std::vector<std::pair<char, std::string>>> faults_of(const Statement& row,
                                                                   const testing_support::ShownPage& page, bool ideal)
{
    if (*row.when != '\0' && !testing_support::contains_match(page.statement, row.when)) return std::nullopt;
    const std::optional<Read> read = read_page(row, page);
    if (!read) return std::nullopt;
    Verdict verdict;
    switch (row.reads) {
    case Reads::gas: judge_gases(*read, ideal, verdict); break;
    case Reads::species: judge_species(*read, verdict); break;
    case Reads::equation: judge_equations(*read, verdict); break;
    case Reads::datum: judge_data(*read, verdict); break;
    case Reads::structure: judge_structures(*read, verdict); break;
    case Reads::solution: judge_solutions(*read, verdict); break;
    }
    // A row that reads the page judges some member of it.
    if (verdict.judged == 0)
        verdict.faults.emplace_back(std::string("acdefg")[static_cast<int>(row.reads)], "judges nothing");
    return verdict.faults;
}

namespace {

class ConditionJudge : public testing_support::Judge {
public:
    ConditionJudge(ChapterStatements table, const testing_support::Sweep& sweep, std::int32_t problem_count)
        : table_(std::move(table)), by_problem_(testing_support::rows_by_problem(
                                        table_.chapter, table_.rows, table_.without_conditions, sweep, problem_count))
    {}

    void begin(std::int32_t problem, testing_support::Tally& /*tally*/) override
    {
        const auto found = by_problem_.find(problem);
        rows_ = found == by_problem_.end() ? std::vector<const Statement*>{} : found->second;
        read_any_.assign(rows_.size(), false);
        ideal_ = std::ranges::none_of(table_.beyond_ideal, [&](const auto& listed) { return listed.first == problem; });
    }

    void judge(std::int32_t problem, std::int32_t version, const testing_support::ShownPage& page,
               testing_support::Tally& tally) override
    {
        bool read_by_rows = false;
        for (std::size_t r = 0; r < rows_.size(); ++r) {
            const auto faults = faults_of(*rows_[r], page, ideal_);
            if (!faults) continue;
            read_any_[r] = true;
            read_by_rows = read_by_rows || rows_[r]->reads == Reads::gas;
            for (const auto& [rule, fault] : *faults)
                tally.fail(problem, std::string(1, rule), version, testing_support::on_page(version, page, fault));
        }
        for (const auto& [rule, fault] : state_law_faults(page, ideal_, read_by_rows))
            tally.fail(problem, std::string(1, rule), version, testing_support::on_page(version, page, fault));
        for (const auto& [rule, fault] : solubility_law_faults(table_.chapter, problem, page))
            tally.fail(problem, std::string(1, rule), version, testing_support::on_page(version, page, fault));
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
    bool ideal_ = true;
};

}  // namespace

std::unique_ptr<testing_support::Judge> judge_of(ChapterStatements table, const testing_support::Sweep& sweep,
                                                 std::int32_t problem_count)
{
    return std::make_unique<ConditionJudge>(std::move(table), sweep, problem_count);
}

}  // namespace conditions
