// The state law: every gas a page of any problem names, at each pressure
// the page prints.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "condition_verdicts.h"
#include "conditions_table.h"
#include "handbook.h"
#include "support/pressure_units.h"
#include "support/text_patterns.h"

namespace conditions {

namespace {

// The gases (substances with a vapour kept) a statement names, each once:
// a name or formula as a word (a formula may follow its coefficient or take
// a state), the longest first, so that "idrogeno" in "fluoruro di
// idrogeno" names no second gas; one written as a liquid, a solid or a
// solute is no gas.
std::vector<const Substance*> named_gases(std::string text, std::vector<std::string>* unknown = nullptr)
{
    static const auto names = [] {
        std::vector<std::pair<std::string, const Substance*>> all;
        for (const Substance& s : kept_substances()) {
            if (s.critical <= 0.0) continue;
            all.emplace_back(s.formula, substance(s.formula));
            std::istringstream alternatives(s.names);
            for (std::string name; std::getline(alternatives, name, '|');) all.emplace_back(name, substance(s.formula));
        }
        std::ranges::stable_sort(all, [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
        return all;
    }();
    const auto joined = [](unsigned char c) { return std::isalnum(c) != 0 || c == '@'; };
    const auto digit = [](unsigned char c) { return std::isdigit(c) != 0; };
    std::vector<const Substance*> named;
    for (const auto& [name, s] : names)
        for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + 1)) {
            // Water named in words is the liquid; its vapour is written H2O(g).
            if (name == "acqua") break;
            const char before = at == 0 ? ' ' : text[at - 1];
            const std::string after = text.substr(at + name.size(), 6);
            // Formulas begin with a capital, names with a small letter.
            if ((joined(before) && !(std::isupper(static_cast<unsigned char>(name[0])) != 0 && digit(before))) ||
                (!after.empty() && joined(after[0]) && !after.starts_with("@d(")))
                continue;
            text.replace(at, name.size(), name.size(), '#');
            if (after != "@d(l)@" && after != "@d(s)@" && after != "@d(aq)" &&
                std::ranges::find(named, s) == named.end())
                named.push_back(s);
        }
    // What is left written as a gas the handbook does not hold, but for
    // letters in place of substances ("3A", "(2/3)B"), sought only where a
    // gas is written (the pattern is most of the law's time).
    if (unknown != nullptr && text.find("@d(g)@") != std::string::npos)
        for (const testing_support::Found& found :
             testing_support::find_all(text, R"((?:^| )(?:[0-9]+|\([0-9/]+\))?([^ #]+)@d\(g\)@)"))
            if (found[1].size() > 1) unknown->push_back(found[1]);
    return named;
}

// Whether a text prints a pressure: a number, then its unit as a word,
// read without a pattern (the sweeps read every page that names no gas).
bool prints_pressure(const std::string& text)
{
    for (const std::string_view unit : {"atm", "torr", "mmHg", "Pa", "bar"})
        for (std::size_t at = text.find(unit); at != std::string::npos; at = text.find(unit, at + 1)) {
            const std::size_t end = at + unit.size(),
                              start = unit == "Pa" && at > 0 && text[at - 1] == 'k' ? at - 1 : at;
            if (start >= 2 && text[start - 1] == ' ' &&
                (std::isdigit(static_cast<unsigned char>(text[start - 2])) != 0 || text[start - 2] == '@') &&
                (end == text.size() || std::isalnum(static_cast<unsigned char>(text[end])) == 0))
                return true;
        }
    return false;
}

}  // namespace

// The state law on every page of every problem, on what the page prints
// (statement and answer), each figure taken within half a unit of its last
// digit toward the law. Each gas the statement names is at most at its
// saturation at the highest temperature printed, since the saturation rises
// with it, or at 25 °C where none is (and there, where the ideal gas law
// runs at a temperature left unstated, at most at 100 atm); where the page
// works the ideal gas law, within its 5 % at each pressure at the lowest
// temperature printed, where B is largest. A gas left unnamed ("un campione
// di gas") is at most at 100 atm. A page naming two or more gases is its
// rows' to read, which pair each gas with its own pressure; one no row
// reads takes each gas at the highest pressure printed, which bounds its
// partial pressure and the total, and where that fails the law cannot read
// the page.
std::vector<std::pair<char, std::string>> state_law_faults(const testing_support::ShownPage& page, bool ideal,
                                                           bool read_by_rows)
{
    // Pages whose pressures are no gas's state.
    static const std::vector<const char*> no_gas_state = {
        "osmotica",       // a solution's osmotic pressure
        "punto triplo",   // a phase diagram's points, and pressures asked of it
        "ghiaccio",       // ice melting under pressure: the condensed phases'
        "exp(-@iB/RT@)",  // a vapour pressure law the page gives: its own curve
        // A liquid's vapour pressures and boiling points: its own curve,
        // which rule e's rows judge as data.
        "tensione di vapore",
        "tensioni di vapore",
        "bolle a",
        "Convertire una pressione",  // a pressure converted between units
        // A combustion at 1 atm, its oxygen and carbon dioxide unnamed.
        "calore di combustione di un solido",
    };
    if (std::ranges::any_of(no_gas_state,
                            [&](const char* words) { return page.statement.find(words) != std::string::npos; }))
        return {};
    std::vector<std::string> unknown;
    const std::vector<const Substance*> gases = named_gases(page.statement, &unknown);
    // Pages whose gases their rows read end here, and those that name no
    // gas before their figures are read (most pages: the sweeps' time);
    // but a pressure printed where the law reads no gas fails, unless
    // letters stand for the gases or the page's reaction holds none.
    if (gases.size() > 1 && read_by_rows) return {};
    if (gases.empty() && unknown.empty() &&
        (page.statement.find("gas") == std::string::npos ||
         !testing_support::contains_match(page.statement, R"(\bgas(?:sos[aeio])?\b)"))) {
        if ((!prints_pressure(page.statement) && !prints_pressure(page.answer)) ||
            testing_support::contains_match(page.statement, R"((?:^|[^A-Za-z@])[A-Z]@d\(g\)@)") ||
            (page.statement.find(" = ") != std::string::npos && page.statement.find("@d(g)@") == std::string::npos))
            return {};
        return {{'a', "a pressure printed and no gas read"}};
    }
    const std::string pressure = R"(NUM (atm|torr|mmHg|kPa|Pa|bar)\b)";
    std::vector<testing_support::Found> pressures, temperatures;
    for (const std::string* text : {&page.statement, &page.answer}) {
        // A pressure the gas would have were it ideal is no state of it.
        for (testing_support::Found& found : testing_support::find_all(*text, pressure))
            if (!found.prefix.ends_with("ideale: ")) pressures.push_back(std::move(found));
        for (testing_support::Found& found : testing_support::find_all(*text, printed_temperature))
            temperatures.push_back(std::move(found));
    }
    if (pressures.empty()) return {};
    // A gas at a pressure that the law cannot judge fails it.
    if (!unknown.empty()) return {{'a', "a gas the handbook does not hold: " + unknown.front()}};
    double hottest = -INFINITY, coldest = INFINITY;
    for (const testing_support::Found& found : temperatures) {
        const Shown t = testing_support::shown(found[1]);
        const double kelvin = t.value + (found[2] == " K" ? 0.0 : 273.15);
        hottest = std::max(hottest, kelvin + t.half_unit());
        coldest = std::min(coldest, kelvin - t.half_unit());
    }
    const bool stated = std::isfinite(hottest);
    // Each pressure in atm, its least reading and as shown.
    std::vector<std::pair<double, double>> atms;
    for (const testing_support::Found& found : pressures) {
        const Shown p = testing_support::shown(found[1]);
        atms.emplace_back(testing_support::atmospheres(p.value - p.half_unit(), found[2]),
                          testing_support::atmospheres(p.value, found[2]));
    }
    Verdict verdict;
    if (gases.empty()) {
        for (const auto& [least, atm] : atms)
            if (atm > ideal_reach_atm)
                verdict.fault('a', std::ostringstream()
                                       << "a gas at " << atm << " atm, past the ideal gas law's 100 atm");
        return verdict.faults;
    }
    // A mixture's partial pressures are its rows' to read: the highest
    // pressure bounds them for the ideal gas law alone.
    if (gases.size() > 1) {
        const double kelvin = stated ? coldest : room_kelvin;
        const Substance* far = nullptr;
        // The gas of the largest |B|, or one without B, which fails.
        for (const Substance* gas : gases)
            if (const double held = std::abs(second_virial_litres(far == nullptr ? *gas : *far, kelvin));
                far == nullptr || (!std::isnan(held) && !(std::abs(second_virial_litres(*gas, kelvin)) <= held)))
                far = gas;
        if (ideal && far != nullptr) judge_ideal({{far, std::ranges::max(atms).first}}, kelvin, verdict);
    }
    for (const Substance* gas : gases.size() == 1 ? gases : std::vector<const Substance*>{}) {
        const std::string names = gas->names, name = names.substr(0, names.find('|'));
        for (const auto& [least, atm] : atms) {
            judge_gas(name, *gas, least, stated ? hottest : room_kelvin, verdict);
            if (ideal) judge_ideal({{gas, least}}, stated ? coldest : room_kelvin, verdict);
            if (!stated && atm > ideal_reach_atm)
                verdict.fault('a', std::ostringstream()
                                       << name << " at " << atm
                                       << " atm, past the ideal gas law's 100 atm at a temperature unstated");
        }
    }
    if (gases.size() > 1)
        for (auto& [rule, text] : verdict.faults) text = "a mixture no row reads, at its highest pressure: " + text;
    return verdict.faults;
}

}  // namespace conditions
