// Chapter 7, equilibria: each numeric answer from its page.
#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "answer_table.h"
#include "support/text_patterns.h"

namespace answer_table::chapter_7 {

using testing_support::find_all;
using testing_support::find_first;

// The gas constant the book's chapter works with, L atm/(mol K).
constexpr double book_gas_constant = 0.08205;
constexpr double kw = 1e-14;

// The degree of dissociation, as its answer is formatted.
const Count two_fixed{Digits::ceiling, "mode 2, two significant digits", 2};
// pH with the decimals a fixed uncertainty leaves.
const Count one_decimal{Digits::decimals, "with the uncertainty 0.3 a pH shows one decimal", 1};
const Count two_decimals{Digits::decimals, "u := 0.03, mode -1 (two decimals)", 2};

// --- Reactions as printed ---------------------------------------------------

struct Term {
    double nu;  // negative on the left
    std::string name;
    std::string state;  // "g", "s", "l", "aq" or "" where none is printed
};

std::vector<Term> terms_of(const std::string& reaction)
{
    std::vector<Term> terms;
    const std::size_t equals = reaction.find(" = ");
    for (const double side : {-1.0, 1.0}) {
        const std::string text = side < 0 ? reaction.substr(0, equals) : reaction.substr(equals + 3);
        for (const auto& piece : find_all(text + " + ", R"((.+?) \+ )")) {
            const auto t = testing_support::match_whole(
                piece[1], R"((?:\(([0-9]+)/([0-9]+)\)|([0-9]+))?(.+?)(?:@d\((g|s|l|aq)\)@)?)");
            double nu = 1.0;
            if (!(*t)[1].empty()) nu = std::stod((*t)[1]) / std::stod((*t)[2]);
            if (!(*t)[3].empty()) nu = std::stod((*t)[3]);
            terms.push_back({side * nu, (*t)[4], (*t)[5]});
        }
    }
    return terms;
}

std::vector<Term> reaction_of(const Page& p)
{
    return terms_of(p.text(R"(reazione (.+?)(?: a [0-9]| a questa| in un| è| contiene|, per|\. |$))"));
}

bool counts(const Term& t)
{
    return t.state != "s" && t.state != "l";
}

double gas_change(const std::vector<Term>& terms)
{
    double dn = 0.0;
    for (const Term& t : terms)
        if (t.state == "g") dn += t.nu;
    return dn;
}

double rt(double celsius)
{
    return book_gas_constant * (celsius + zero_celsius);
}

// The amounts at equilibrium from amounts a (one per term, solids ignored)
// such that sum nu log(a + nu x) + extra(x) = log_k.
std::vector<double> equilibrium(const std::vector<Term>& terms, const std::vector<double>& a, double log_k,
                                const std::function<double(const std::vector<double>&)>& extra = nullptr)
{
    double lo = -std::numeric_limits<double>::max(), hi = std::numeric_limits<double>::max();
    for (std::size_t i = 0; i < terms.size(); ++i) {
        if (!counts(terms[i])) continue;
        const double bound = -a[i] / terms[i].nu;
        if (terms[i].nu > 0.0)
            lo = std::max(lo, bound);
        else
            hi = std::min(hi, bound);
    }
    const auto at = [&](double x) {
        std::vector<double> n = a;
        for (std::size_t i = 0; i < terms.size(); ++i) n[i] += terms[i].nu * x;
        return n;
    };
    const double x = monotonic_root(
        [&](double x) {
            const std::vector<double> n = at(x);
            double log_q = extra ? extra(n) : 0.0;
            for (std::size_t i = 0; i < terms.size(); ++i)
                if (counts(terms[i])) log_q += terms[i].nu * std::log(std::max(n[i], 1e-300));
            return log_q - log_k;
        },
        lo, hi);
    return at(x);
}

std::size_t index_of(const std::vector<Term>& terms, const std::string& name)
{
    for (std::size_t i = 0; i < terms.size(); ++i)
        if (terms[i].name == name) return i;
    ADD_FAILURE() << "no " << name << " in the reaction";
    return 0;
}

// The k-th name of an answer listing "name = value; ...", by the pattern
// before its value.
std::string answer_name(const Page& p, int k, const std::string& open, const std::string& close)
{
    std::string pattern = "^";
    for (int i = 0; i < k; ++i) pattern += "[^;]*; ";
    return p.answer_text(pattern + "[^;]*?" + open + "(.+?)" + close + " = ");
}

// 7.7: the amounts charged, in concentration or pressure as the constant is.
double charged_equilibrium(const Page& p, int k)
{
    const std::vector<Term> terms = reaction_of(p);
    const bool pressures = p.has("@iK@ per");
    const double v = p.datum("recipiente da NUM L");
    const double t = p.datum("portate a NUM@uo@C");
    std::vector<double> a(terms.size(), 0.0);
    for (const auto& charged : find_all(p.statement(), "mol di ([^ ,]+)"))
        a[index_of(terms, charged[1])] = p.datum("NUM mol di " + literal(charged[1]) + "[ ,]");
    for (double& x : a) x = x / v * (pressures ? rt(t) : 1.0);
    const std::vector<double> n = equilibrium(terms, a, std::log(p.datum("è pari a NUM")));
    const bool pressure_answer = p.has("Calcolare le pressioni");
    const std::string name = pressure_answer ? answer_name(p, k, "@iP@\\(", "\\)") : answer_name(p, k, "\\[", "\\]");
    const double x = n[index_of(terms, name)];
    if (pressure_answer == pressures) return x;
    return pressure_answer ? x * rt(t) : x / rt(t);
}

// The constant in pressures from "@iK@ = NUM" or "@iK@@dc@ = NUM".
double pressure_constant(const Page& p, const std::vector<Term>& terms, double celsius)
{
    if (p.has("@iK@@dc@ (?:=|è|per)")) return p.datum("@iK@@dc@ [^0-9]*NUM") * std::pow(rt(celsius), gas_change(terms));
    return p.datum("@iK@ = NUM");
}

// 7.10: concentrations from moles in V, pressures answered.
double gas_pressure(const Page& p, const std::string& letter)
{
    const std::vector<Term> terms = reaction_of(p);
    const double v = p.datum("volume NUM L");
    const double t = p.datum("a NUM@uo@C");
    std::vector<double> a(terms.size(), 0.0);
    for (const std::string l : {"A", "B"})
        if (p.has("NUM mol di " + l)) a[index_of(terms, l)] = p.datum("NUM mol di " + l) / v;
    const std::vector<double> c = equilibrium(terms, a, std::log(p.datum("uguale a NUM")));
    return c[index_of(terms, letter)] * rt(t);
}

// 7.12 and 7.13: moles in one volume, the constant in moles.
double moles_after(const Page& p, int k)
{
    const std::vector<Term> terms = reaction_of(p);
    std::vector<double> a(terms.size(), 0.0);
    double log_k = 0.0;
    for (const auto& held : find_all(p.text(R"(contiene (.+?)(?:, in equilibrio|\. Calcolare))"), "mol di ([^ ,]+)")) {
        const std::size_t i = index_of(terms, held[1]);
        a[i] = p.datum("NUM mol di " + literal(held[1]) + "[ ,.]");
        log_k += terms[i].nu * std::log(a[i]);
    }
    if (p.has("aggiungono")) a[index_of(terms, p.text("aggiungono NUM mol di (.+)$", 2))] += p.datum("aggiungono NUM");
    if (p.has("volume del sistema")) log_k += gas_change(terms) * std::log(p.datum("a NUM@iV@"));
    const std::vector<double> n = equilibrium(terms, a, log_k);
    std::string pattern = "^";
    for (int i = 0; i < k; ++i) pattern += "[^,]*(?:, | e )";
    return n[index_of(terms, p.answer_text(pattern + "[0-9.•@u-]+ mol di ([^ ,]+)"))];
}

// 7.14: a solution's concentrations.
double solution_concentration(const Page& p, int k)
{
    const std::vector<Term> terms = reaction_of(p);
    std::vector<double> a(terms.size(), 0.0);
    if (p.has("un eccesso")) {
        a[index_of(terms, p.text("soluzione di ([A-D]) NUM M", 1))] = p.datum("soluzione di [A-D] NUM M");
    } else {
        const double v1 = p.datum("aggiungendo NUM mL"), v2 = p.datum("M a NUM mL");
        a[index_of(terms, "A")] = p.datum("soluzione di A NUM M") * v1 / (v1 + v2);
        a[index_of(terms, "B")] = p.datum("soluzione di B NUM M") * v2 / (v1 + v2);
    }
    const std::vector<double> c = equilibrium(terms, a, std::log(p.datum("uguale a NUM")));
    return c[index_of(terms, answer_name(p, k, "\\[", "\\]"))];
}

// 7.15: [cation] with the salt's solid present, before and after the common
// ion is added.
double saturated_cation(const Page& p, bool mixed)
{
    const std::string reaction = p.text("reazione (.+?) è pari");
    const auto right = find_all(reaction.substr(reaction.find(" = ") + 3) + " + ", R"(([0-9]*)[^ ]+ \+ )");
    const double a = right[0][1].empty() ? 1.0 : std::stod(right[0][1]);
    const double b = right[1][1].empty() ? 1.0 : std::stod(right[1][1]);
    const double k = p.datum("è pari a NUM");
    const double s = std::pow(k / (std::pow(a, a) * std::pow(b, b)), 1.0 / (a + b));
    if (!mixed) return a * s;
    const double v1 = p.datum("aggiungendo NUM mL"), v2 = p.datum("F a NUM mL");
    const double m0 = a * s * v2 / (v1 + v2);
    const double x0 = b * s * v2 / (v1 + v2) + p.datum("NUM F") * v1 / (v1 + v2);
    const double y =
        monotonic_root([&](double y) { return a * std::log(m0 + a * y) + b * std::log(x0 + b * y) - std::log(k); },
                       -std::min(m0 / a, x0 / b), 1.0);
    return m0 + a * y;
}

// --- Acids and bases ----------------------------------------------------------

// A weak acid of total concentration c, its constants from the first, and
// the charge of its most protonated form.
struct Weak {
    double total;
    std::vector<double> ka;
    int charge;
};

// The fraction of a weak acid with j protons taken away, at [H+] = h.
double fraction(const Weak& w, std::size_t j, double h)
{
    std::vector<double> terms = {1.0};
    for (std::size_t i = 0; i < w.ka.size(); ++i) terms.push_back(terms.back() * w.ka[i] / h);
    double sum = 0.0;
    for (const double t : terms) sum += t;
    return terms[j] / sum;
}

// [H+] from the charge balance, with strong cations less strong anions.
double hydrogen(double strong, const std::vector<Weak>& weak)
{
    const double log_h = monotonic_root(
        [&](double log_h) {
            const double h = std::exp(log_h);
            double charge = h + strong - kw / h;
            for (const Weak& w : weak)
                for (std::size_t j = 0; j <= w.ka.size(); ++j)
                    charge += w.total * (w.charge - static_cast<double>(j)) * fraction(w, j, h);
            return charge;
        },
        std::log(1e-16), std::log(10.0));
    return std::exp(log_h);
}

double ph(double h)
{
    return -std::log10(h);
}

// What the answer asks first: [H+], [OH-], pH or pOH.
double asked(const Page& p, double h)
{
    if (p.has("Calcolare \\[H@u\\+@\\]")) return h;
    if (p.has("Calcolare \\[OH@u-@\\]")) return kw / h;
    if (p.has("Calcolare il pOH")) return 14.0 - ph(h);
    return ph(h);
}

// Protons of a formula as printed, at its start: "H@d2@PO@d4@@u-@" 2.
int protons(const std::string& formula)
{
    const auto h = find_first(formula, "^H(?:@d([0-9])@)?");
    return !h ? 0 : (*h)[1].empty() ? 1 : std::stoi((*h)[1]);
}

// Equivalents of a strong acid or base.
double equivalents(const std::string& formula)
{
    return formula == "H@d2@SO@d4@" || formula == "Ba(OH)@d2@" || formula == "Ca(OH)@d2@" ? 2.0 : 1.0;
}

bool strong_base(const std::string& formula)
{
    return formula.find("OH") != std::string::npos;
}

// A solute of 7.21 and 7.22 as a weak acid at c (an ammonium salt as NH4+).
std::pair<double, Weak> weak_acid_solution(const Page& p)
{
    const double c = p.datum("soluzione NUM F");
    const double ka = p.datum("@iK@@da@ = NUM");
    const std::string solute = p.text("F di ([^ ]+) \\[");
    if (solute.find("NH@d4@") == std::string::npos) return {0.0, Weak{c, {ka}, 0}};
    const double n = solute.starts_with("(") ? 2.0 : 1.0;
    return {-n * c, Weak{n * c, {ka}, 1}};
}

double weak_acid_asked(const Page& p)
{
    const auto [strong, weak] = weak_acid_solution(p);
    return asked(p, hydrogen(strong, {weak}));
}

// A base of 7.25 at c: ammonia neutral, a salt's anion with its cation.
std::pair<double, Weak> weak_base_solution(const Page& p)
{
    const double c = p.datum("soluzione NUM F");
    const double ka = kw / p.datum("@iK@@db@ = NUM");
    if (p.text("F di ([^ ]+) \\[") == "NH@d3@") return {0.0, Weak{c, {ka}, 1}};
    return {c, Weak{c, {ka}, 0}};
}

double weak_base_asked(const Page& p)
{
    const auto [strong, weak] = weak_base_solution(p);
    return asked(p, hydrogen(strong, {weak}));
}

// 7.26 and 7.27: a polyprotic acid from its constants, as the acid, as a salt
// of its anion, or as an amphiprotic salt.
// With counted false, the page's numbers are read as exact: the answer's
// digits are then counted from other reads.
std::pair<Weak, double> polyprotic(const Page& p, const std::string& salt_unit, bool counted = true)
{
    const auto read = [&](const std::string& pattern) { return counted ? p.datum(pattern) : p.exact(pattern); };
    std::vector<double> k;
    const bool of_base = p.has("@iK@@db@ per");
    k.push_back(read("pari a NUM"));
    k.push_back(read("pari a [^ ,]+(?:,| e) NUM"));
    if (p.has("pari a [^ ,]+, [^ ]+ e NUM")) k.push_back(read("pari a [^ ,]+, [^ ]+ e NUM"));
    const double c = read("soluzione NUM " + salt_unit);
    const std::string solute = p.text(salt_unit + " di (.+)$");
    std::vector<double> ka = k;
    if (of_base) {
        ka.clear();
        for (auto it = k.rbegin(); it != k.rend(); ++it) ka.push_back(kw / *it);
    }
    const auto metal = find_first(solute, "^(?:Na|K)(?:@d([0-9])@)?");
    const double cations = !metal ? 0.0 : (*metal)[1].empty() ? 1.0 : std::stod((*metal)[1]);
    return {Weak{c, ka, 0}, cations * c};
}

double species_fraction(const Weak& w, const std::string& species, double h)
{
    return w.total * fraction(w, w.ka.size() - protons(species), h);
}

// 7.28 and 7.35-7.37: a mixture of volumes v1, v2 of a weak species and a
// strong one, or of a weak acid and its salt.
double mixed_hydrogen(const Page& p)
{
    const double v1 = p.datum("mescolando NUM mL"), v2 = p.datum(" e NUM mL di");
    const double c1 = p.datum("mescolando NUM mL di (?:un acido debole )?[^ ]+ NUM", 2) * v1 / (v1 + v2);
    const double c2 = p.datum(" e NUM mL di [^ ]+ NUM", 2) * v2 / (v1 + v2);
    const std::string f1 = p.text("mescolando NUM mL di (un acido debole HA|[^ ]+)", 2);
    const std::string f2 = p.text(" e NUM mL di ([^ ]+)", 2);
    const bool first_weak = p.has("mescolando NUM mL di (?:un acido debole )?[^ ]+ NUM [MF] \\[");
    double strong = 0.0;
    std::vector<Weak> weak;
    for (int i = 0; i < 2; ++i) {
        const std::string& formula = i == 0 ? f1 : f2;
        const double c = i == 0 ? c1 : c2;
        if ((i == 0) == first_weak) {
            const bool of_acid = p.has("@iK@@da@");
            const double ka = of_acid ? p.datum("@iK@@da@ = NUM") : kw / p.datum("@iK@@db@ = NUM");
            // An ammonium salt gives NH4+ and its anion; ammonia is neutral;
            // a salt of a weak acid gives its anion and a cation.
            const double n = formula.starts_with("(NH@d4@)@d2@") ? 2.0 : 1.0;
            if (formula.find("NH@d4@") != std::string::npos) {
                weak.push_back({n * c, {ka}, 1});
                strong -= n * c;
            } else if (formula == "NH@d3@") {
                weak.push_back({c, {ka}, 1});
            } else {
                weak.push_back({c, {ka}, 0});
                if (!of_acid) strong += c;
            }
        } else if (formula == "NaA") {
            weak.back().total += c;
            strong += c;
        } else {
            strong += (strong_base(formula) ? 1.0 : -1.0) * equivalents(formula) * c;
        }
    }
    return hydrogen(strong, weak);
}

// 7.34 and 7.38: the pH 0.05 mL before and after the equivalence.
double titration_ph(const Page& p, double extra)
{
    const double v0 = p.datum("NUM mL di");
    const double c0 = p.datum("mL di (?:un acido debole HX |una base debole |[^ ]+ )NUM");
    const bool weak = p.has("debole");
    const std::string titrated = p.text("mL di ([^ ]+) NUM");
    const std::string titrant = weak ? p.text("titolati con ([^ ]+) NUM") : p.text("soluzione NUM [MF] di ([^ .]+)", 2);
    const double ct = weak ? p.datum("titolati con [^ ]+ NUM") : p.datum("soluzione NUM");
    const double e0 = weak ? 1.0 : equivalents(titrated), et = weak ? 1.0 : equivalents(titrant);
    const double v = e0 * c0 * v0 / (et * ct) + extra;
    const double total = v0 + v;
    const bool base_titrant = weak ? p.has("acido debole") : strong_base(titrant);
    double strong = (base_titrant ? 1.0 : -1.0) * et * ct * v / total;
    std::vector<Weak> weaks;
    if (weak) {
        if (p.has("acido debole"))
            weaks.push_back({c0 * v0 / total, {p.datum("@iK@@da@ = NUM")}, 0});
        else
            weaks.push_back({c0 * v0 / total, {kw / p.datum("@iK@@db@ = NUM")}, 1});
    } else {
        strong -= (base_titrant ? 1.0 : -1.0) * e0 * c0 * v0 / total;
    }
    return ph(hydrogen(strong, weaks));
}

// 7.41 and 7.42: a hydroxide M(OH)m in pure water.
double hydroxide_in_water(const Page& p)
{
    const double m = std::stod(p.text("\\(OH\\)@d([0-9])@"));
    const double k = p.datum("@iK@@dps@ = NUM");
    // [OH-] = m s + [H+], s = K/[OH-]^m.
    const double log_oh = monotonic_root(
        [&](double log_oh) {
            const double oh = std::exp(log_oh);
            return oh - m * k / std::pow(oh, m) - kw / oh;
        },
        std::log(1e-14), std::log(10.0));
    return k / std::pow(std::exp(log_oh), m);
}

double hydroxide_in_acid(const Page& p)
{
    const double m = std::stod(p.text("\\(OH\\)@d([0-9])@"));
    const double k = p.datum("@iK@@dps@ = NUM");
    const double c = p.datum("soluzione NUM F");
    // h + m s = c, s = K h^m / Kw^m.
    const double log_h = monotonic_root(
        [&](double log_h) {
            const double h = std::exp(log_h);
            return h + m * k * std::pow(h / kw, m) - c;
        },
        std::log(1e-16), std::log(c));
    return k * std::pow(std::exp(log_h) / kw, m);
}

// 7.43: a carbonate with the carbonate ion's hydrolysis; charge balance
// 2s + h = 2[CO3] + [HCO3] + [OH], s = [CO3] + [HCO3] + [H2CO3].
std::pair<double, double> carbonate(const Page& p)
{
    const double k = p.datum("@iK@@dps@ = NUM");
    const double kb1 = p.datum("@iK@@db@\\(CO@d3@@u2-@\\) = NUM");
    const double kb2 = p.datum("@iK@@db@\\(HCO@d3@@u-@\\) = NUM");
    double s = 0.0, co3 = 0.0;
    monotonic_root(
        [&](double log_oh) {
            const double oh = std::exp(log_oh);
            const double f1 = kb1 / oh, f2 = f1 * kb2 / oh;
            // [CO3] from s: s = [CO3](1 + f1 + f2), K = s [CO3].
            co3 = std::sqrt(k / (1.0 + f1 + f2));
            s = co3 * (1.0 + f1 + f2);
            return 2.0 * s + kw / oh - (2.0 * co3 + co3 * f1 + oh);
        },
        std::log(1e-10), std::log(1.0));
    return {s, co3};
}

const ChapterRows chapter_7 = {
    7,
    {
        {1, "^NUM",
         [](const Page& p) {
             const std::vector<Term> terms = reaction_of(p);
             const auto names = find_all(p.text("pressioni parziali di (.+?) sono") + ",", "([^ ,]+)(?:,| e )");
             double k = 1.0;
             for (std::size_t i = 0; i < names.size(); ++i) {
                 std::string pattern = "pari a ";
                 for (std::size_t j = 0; j < i; ++j) pattern += "[^ ,]+(?:,| e) ";
                 k *= std::pow(p.datum(pattern + "NUM"), terms[index_of(terms, names[i][1])].nu);
             }
             return k;
         }},
        {2, "^NUM",
         [](const Page& p) {
             double k = 1.0;
             for (const Term& t : reaction_of(p)) {
                 if (p.has("\\[" + t.name + "\\] = NUM"))
                     k *= std::pow(p.datum("\\[" + t.name + "\\] = NUM"), t.nu);
                 else if (p.has("@iP@\\(" + t.name + "\\) = NUM"))
                     k *= std::pow(p.datum("@iP@\\(" + t.name + "\\) = NUM"), t.nu);
             }
             return k;
         }},
        {3,
         "^NUM",
         [](const Page& p) {
             const std::vector<Term> given = terms_of(p.text("per la reazione (.+?) è uguale"));
             const std::vector<Term> asked = terms_of(p.text("valore per la reazione (.+)$"));
             const Term& a = asked.front();
             return std::pow(p.datum("è uguale a NUM"), a.nu / given[index_of(given, a.name)].nu);
         },
         {Digits::from_data, "three digits at most, as the problem always gave"},
         3},
        {4, "^NUM",
         [](const Page& p) {
             return p.datum("è pari a NUM") / std::pow(rt(p.exact("a NUM@uo@C")), gas_change(reaction_of(p)));
         },
         three_digits},
        {5, "@iK@ = NUM",
         [](const Page& p) {
             return p.datum("uguale a NUM") * std::pow(rt(p.exact("a NUM@uo@C")), gas_change(reaction_of(p)));
         },
         three_digits},
        {5, "@iK@@dp@ = NUM",
         [](const Page& p) {
             static const std::map<std::string, double> per_atm = {
                 {"torr", 760.0}, {"kPa", 101.325}, {"MPa", 0.101325}};
             const double dn = gas_change(reaction_of(p));
             return p.datum("uguale a NUM") *
                    std::pow(rt(p.exact("a NUM@uo@C")) * per_atm.at(p.text("espresse in ([a-zA-Z]+)")), dn);
         },
         three_digits},
        {5, "@iK@@dx@ = NUM",
         [](const Page& p) {
             const double dn = gas_change(reaction_of(p));
             return p.datum("uguale a NUM") * std::pow(rt(p.exact("a NUM@uo@C")), dn) *
                    std::pow(p.datum("@iP@ = NUM"), -dn);
         },
         three_digits},
        {7, "^[^;]*= NUM", [](const Page& p) { return charged_equilibrium(p, 0); }, three_digits},
        {7, "^[^;]*;[^;]*= NUM", [](const Page& p) { return charged_equilibrium(p, 1); }, three_digits},
        {7, "^[^;]*;[^;]*;[^;]*= NUM", [](const Page& p) { return charged_equilibrium(p, 2); }, three_digits},
        {8, "NUM%",
         [](const Page& p) {
             const std::vector<Term> terms = reaction_of(p);
             const double t = p.exact("a NUM@uo@C");
             const double pressure = p.datum("C e NUM atm");
             std::vector<double> a(terms.size(), 0.0);
             a[0] = 1.0;
             const std::vector<double> n =
                 equilibrium(terms, a, std::log(pressure_constant(p, terms, t)), [&](const std::vector<double>& n) {
                     double total = 0.0;
                     for (double x : n) total += x;
                     return gas_change(terms) * std::log(pressure / total);
                 });
             return 100.0 * (1.0 - n[0]);
         },
         three_digits},
        {9, "NUM atm",
         [](const Page& p) {
             const std::vector<Term> terms = reaction_of(p);
             const double t = p.exact("riscaldati a NUM@uo@C");
             const double heated = (t + zero_celsius) / (p.exact("contenenti a NUM@uo@C") + zero_celsius) / 2.0;
             std::vector<double> a(terms.size(), 0.0);
             a[index_of(terms, p.text("rispettivamente ([^ ]+) alla"))] =
                 p.datum("rispettivamente [^ ]+ alla pressione di NUM") * heated;
             a[index_of(terms, p.text("atm e ([^ ]+) alla"))] = p.datum("atm e [^ ]+ alla pressione di NUM") * heated;
             double total = 0.0;
             for (const double x : equilibrium(terms, a, std::log(pressure_constant(p, terms, t)))) total += x;
             return total;
         },
         three_digits},
        {10, "@iP@\\(A\\) = NUM", [](const Page& p) { return gas_pressure(p, "A"); }, three_digits, 12, "A@d\\(g\\)@"},
        {10, "@iP@\\(B\\) = NUM", [](const Page& p) { return gas_pressure(p, "B"); }, three_digits, 12, "B@d\\(g\\)@"},
        {10, "@iP@\\(C\\) = NUM", [](const Page& p) { return gas_pressure(p, "C"); }, three_digits, 12, "C@d\\(g\\)@"},
        {10, "@iP@\\(D\\) = NUM", [](const Page& p) { return gas_pressure(p, "D"); }, three_digits, 12, "D@d\\(g\\)@"},
        {12, "^NUM mol", [](const Page& p) { return moles_after(p, 0); }, three_digits},
        {12, ", NUM mol", [](const Page& p) { return moles_after(p, 1); }, three_digits},
        {12, " e NUM mol", [](const Page& p) { return moles_after(p, 2); }, three_digits},
        {13, "^NUM mol", [](const Page& p) { return moles_after(p, 0); }, three_digits},
        {13, ", NUM mol", [](const Page& p) { return moles_after(p, 1); }, three_digits},
        {13, " e NUM mol", [](const Page& p) { return moles_after(p, 2); }, three_digits},
        {14, "^[^;]*= NUM", [](const Page& p) { return solution_concentration(p, 0); }, three_digits},
        {14, "^[^;]*;[^;]*= NUM", [](const Page& p) { return solution_concentration(p, 1); }, three_digits},
        {14, "^[^;]*;[^;]*;[^;]*= NUM", [](const Page& p) { return solution_concentration(p, 2); }, three_digits, 12,
         "^(?!.*@d\\(s\\)@.*@d\\(s\\)@)"},
        {14, "^[^;]*;[^;]*;[^;]*;[^;]*= NUM", [](const Page& p) { return solution_concentration(p, 3); }, three_digits,
         12, "^(?!.*@d\\(s\\)@)"},
        {15, "^NUM M", [](const Page& p) { return saturated_cation(p, false); }, three_digits},
        {15, "; NUM M", [](const Page& p) { return saturated_cation(p, true); }, three_digits},
        {17, "^NUM", [](const Page& p) { return 14.0 + std::log10(p.datum("= NUM")); }, Digits::from_data, 12,
         "Calcolare il p"},
        {17, "^NUM", [](const Page& p) { return std::pow(10.0, p.datum("= NUM") - 14.0); }, Digits::from_data, 12,
         "Calcolare \\["},
        {19, "NUM$", [](const Page& p) { return 14.0 + std::log10(p.datum("= NUM")); }, Digits::from_data, 12,
         "valore di p.*per cui @iK@"},
        {19, "NUM$", [](const Page& p) { return kw / p.datum("= NUM"); }, Digits::from_data, 12,
         "valore di @iK@.*per cui @iK@"},
        {19, "NUM$", [](const Page& p) { return std::pow(10.0, p.datum("= NUM") - 14.0); }, Digits::from_data, 12,
         "per cui p"},
        {20, "@C1@NUM;",
         [](const Page& p) {
             const std::string solute = p.text("F di ([^ ]+) e");
             const double c = equivalents(solute) * p.datum("acquosa NUM F");
             return strong_base(solute) ? 14.0 + std::log10(c) : -std::log10(c);
         },
         Digits::from_data},
        {20, "; NUM mol",
         [](const Page& p) { return kw / (equivalents(p.text("F di ([^ ]+) e")) * p.datum("acquosa NUM F")); },
         Digits::from_data},
        {21, "@C1@NUM", weak_acid_asked, Digits::from_data, 12, "Calcolare \\["},
        {21,
         "@C1@NUM",
         weak_acid_asked,
         {Digits::whole_relative, "the ion's relative uncertainty whole, not divided by ln 10"},
         12,
         "Calcolare il p"},
        {22, "@C1@NUM", weak_acid_asked, Digits::from_data, 12, "Calcolare \\["},
        {22, "@C1@NUM", weak_acid_asked, Digits::from_data, 12, "Calcolare il p"},
        {22, "; NUM M",
         [](const Page& p) {
             const auto [strong, weak] = weak_acid_solution(p);
             return weak.total * fraction(weak, 0, hydrogen(strong, {weak}));
         },
         Digits::from_data},
        {23, "^NUM;",
         [](const Page& p) {
             const Weak w{p.datum("soluzione NUM F"), {p.datum("@iK@@da@ = NUM")}, 0};
             return fraction(w, 1, hydrogen(0.0, {w}));
         },
         two_fixed},
        {23, "; NUM$",
         [](const Page& p) {
             const Weak w{p.datum("e in soluzione NUM F"), {p.datum("@iK@@da@ = NUM")}, 0};
             return fraction(w, 1, hydrogen(0.0, {w}));
         },
         two_fixed},
        {24,
         "NUM%",
         [](const Page& p) {
             const double alpha = p.datum("per (?:il |l')NUM%"), times = p.exact("soluzione NUM volte");
             return p.has("diluita") ? alpha * std::sqrt(times) : alpha / std::sqrt(times);
         },
         {Digits::as_data, "formatted with as many digits as the percentage given"}},
        {25, "@C1@NUM", weak_base_asked, Digits::from_data, 12, "Calcolare \\["},
        {25,
         "@C1@NUM",
         weak_base_asked,
         {Digits::whole_relative, "the ion's relative uncertainty whole, not divided by ln 10"},
         12,
         "Calcolare il p"},
        {25,
         "; NUM M",
         [](const Page& p) {
             const auto [strong, weak] = weak_base_solution(p);
             return weak.total * fraction(weak, 0, hydrogen(strong, {weak}));
         },
         {Digits::from_data_or_fewer,
          "the count of the ion beside it, where the two part by less than 1 % as the program moves them"}},
        {26, "^NUM M",
         [](const Page& p) {
             const auto [weak, strong] = polyprotic(p, "M");
             const double h = hydrogen(strong, {weak});
             return p.has("Calcolare \\[H") ? h : kw / h;
         },
         Digits::from_data},
        {26,
         "; NUM M",
         [](const Page& p) {
             // Counted from the ion's concentration as the answer shows it
             // and the last constant: the two the count is fixed by.
             p.answer_datum("^NUM M");
             p.datum(p.has("pari a [^ ,]+, [^ ]+ e NUM") ? "pari a [^ ,]+, [^ ]+ e NUM" : "pari a [^ ,]+ e NUM");
             const auto [weak, strong] = polyprotic(p, "M", false);
             return species_fraction(weak, p.text(R"(e \[([^\]]+)\] in)"), hydrogen(strong, {weak}));
         },
         {Digits::as_data, "formatted with the smaller of the digit counts of the ion and the last constant"}},
        {27, "^NUM M",
         [](const Page& p) {
             // The book's proton balance with [HA-] = c: the ion between
             // the constants of its own two steps.
             const auto [weak, strong] = polyprotic(p, "F");
             const auto step = static_cast<std::size_t>(strong / weak.total + 0.5);
             const double ka = weak.ka[step - 1], kb = weak.ka[step], c = weak.total;
             return std::sqrt(ka * (kb * c + kw) / (ka + c));
         },
         Digits::from_data},
        {27, "; NUM M",
         [](const Page& p) {
             const auto [weak, strong] = polyprotic(p, "F");
             return species_fraction(weak, p.text(R"(e \[([^\]]+)\] in)"), hydrogen(strong, {weak}));
         },
         Digits::from_data},
        {28, "^NUM M;", [](const Page& p) { return asked(p, mixed_hydrogen(p)); }, two_digits},
        {28, "; NUM M",
         [](const Page& p) {
             const double h = mixed_hydrogen(p);
             const double v1 = p.datum("mescolando NUM mL"), v2 = p.datum(" e NUM mL");
             const Weak w{
                 (p.datum("HA NUM M") * v1 + p.datum("NaA NUM F") * v2) / (v1 + v2), {p.datum("@iK@@da@ = NUM")}, 0};
             return w.total * fraction(w, p.has("e \\[HA\\]") ? 0 : 1, h);
         },
         three_digits},
        {29, "NUM g",
         [](const Page& p) {
             const double moles = p.datum("a NUM mL") * p.datum("mL di [^ ]+ NUM M") / 1000.0;
             const double log_ratio = p.datum("pH = NUM") - p.datum("p@iK@@da@\\(.+\\) = NUM");
             // The solution holds the buffer's acid (NaHCO3 for HCO3-) or its base.
             const std::string acid = p.text("p@iK@@da@\\((.+?)(?:@u[0-9]?[+-]@)?\\) =");
             const bool acid_given = p.text("mL di ([^ ]+) ").ends_with(acid);
             return moles * std::pow(10.0, acid_given ? log_ratio : -log_ratio) *
                    mass(p.text("quantità di ([^ ]+) solido"));
         },
         two_digits},
        {30, "^NUM;",
         [](const Page& p) {
             double acid = p.datum("contenente [^ ]+ NUM M"), base = p.datum("\\] e [^ ]+ NUM F");
             // Ammonia is the base of its buffer, its salt the acid.
             if (p.has("contenente NH@d3@")) std::swap(acid, base);
             return p.datum("p@iK@@da@\\(.+?\\) = NUM") + std::log10(base / acid);
         },
         two_decimals},
        {30, "; NUM$",
         [](const Page& p) {
             const std::string added = p.text("mol/L di (.+)$");
             const double x = equivalents(added) * p.datum("aggiunta di NUM") * (strong_base(added) ? 1.0 : -1.0);
             double acid = p.datum("contenente [^ ]+ NUM M"), base = p.datum("\\] e [^ ]+ NUM F");
             // Ammonia is the base of its buffer, its salt the acid.
             if (p.has("contenente NH@d3@")) std::swap(acid, base);
             return p.datum("p@iK@@da@\\(.+?\\) = NUM") + std::log10((base + x) / (acid - x));
         },
         two_decimals},
        {31, "NUM mL",
         [](const Page& p) {
             const std::string titrant = p.text("volume di ([^ ]+) ");
             const std::string titrated = p.text("(?:mL|L) di ([^ ]+) NUM F$");
             const double volume = p.datum("neutralizzare NUM") * (p.has("NUM L di") ? 1000.0 : 1.0);
             return equivalents(titrated) * p.datum("NUM F$") * volume /
                    (equivalents(titrant) * p.datum("volume di [^ ]+ NUM F"));
         }},
        {32, "^NUM",
         [](const Page& p) {
             const std::string acid = p.text("mL di ([^ ]+) NUM M");
             const std::string base = p.text("mL di ([^ ]+) NUM F");
             const double va = p.datum("mescolando NUM mL"), vb = p.datum("M e NUM mL");
             const double ca = p.datum("mL di [^ ]+ NUM M"), cb = p.datum("NUM F");
             const double acid_moles = equivalents(acid) * ca * va, base_moles = equivalents(base) * cb * vb;
             // Data that may be those of the equivalence, the excess within
             // its uncertainty: neutral. The page decides it on its data as
             // printed, so a datum moved for the uncertainty keeps the side.
             const auto& d = p.reads();
             const double pva = p.exact("mescolando NUM mL"), pvb = p.exact("M e NUM mL");
             const double pca = p.exact("mL di [^ ]+ NUM M"), pcb = p.exact("NUM F");
             const double spread = equivalents(acid) * (d[2].uncertainty() * pva + pca * d[0].uncertainty()) +
                                   equivalents(base) * (d[3].uncertainty() * pvb + pcb * d[1].uncertainty());
             if (std::abs(equivalents(acid) * pca * pva - equivalents(base) * pcb * pvb) <= spread) return 7.0;
             return ph(hydrogen((base_moles - acid_moles) / (va + vb), {}));
         },
         Digits::from_data},
        {33, "@C1@NUM",
         [](const Page& p) {
             const std::string asked_formula = p.text("soluzione di ([^ ]+) sapendo");
             const std::string titrant = p.text("mL di ([^ ]+) NUM [MF]$");
             return equivalents(titrant) * p.datum("NUM [MF]$") * p.datum("neutralizzati da NUM mL") /
                    (equivalents(asked_formula) * p.datum("sapendo che NUM mL"));
         }},
        {34, "^NUM;", [](const Page& p) { return titration_ph(p, -0.05); }, one_decimal},
        {34, "; NUM$", [](const Page& p) { return titration_ph(p, 0.05); }, one_decimal},
        {35, "@C1@NUM", [](const Page& p) { return ph(mixed_hydrogen(p)); }, two_decimals},
        {36, "@C1@NUM", [](const Page& p) { return ph(mixed_hydrogen(p)); }, two_decimals},
        {37, "@C1@NUM",
         [](const Page& p) {
             const double c1 = p.datum("titolazione di [^ ]+ NUM M"), c2 = p.datum("con [^ ]+ NUM M");
             const std::string titrated = p.text("titolazione di ([^ ]+) ");
             const std::string titrant = p.text("con ([^ ]+) NUM M");
             const double n = titrated.starts_with("(NH@d4@)@d2@") ? 2.0 : 1.0;
             // Per litre of titrated solution: the titrant's volume to the
             // equivalence, and the weak species at it.
             const double v2 = n * c1 / (equivalents(titrant) * c2);
             const double c = n * c1 / (1.0 + v2);
             if (p.has("@iK@@da@")) {
                 // The acid's conjugate base at the equivalence.
                 const Weak w{c, {p.datum("@iK@@da@ = NUM")}, titrated.find("NH@d4@") != std::string::npos ? 1 : 0};
                 return ph(hydrogen(w.charge == 1 ? 0.0 : c, {w}));
             }
             const Weak w{c, {kw / p.datum("@iK@@db@ = NUM")}, titrated == "NH@d3@" ? 1 : 0};
             return ph(hydrogen(w.charge == 1 ? -c : 0.0, {w}));
         },
         two_decimals},
        {38, "^NUM;", [](const Page& p) { return titration_ph(p, -0.05); }, one_decimal},
        {38, "; NUM$", [](const Page& p) { return titration_ph(p, 0.05); }, one_decimal},
        {39, "^NUM mol",
         [](const Page& p) {
             const double m = p.text("di ([^ ]+) a 25").ends_with("@d2@") ? 2.0 : 1.0;
             return std::pow(p.datum("@iK@@dps@ = NUM") / std::pow(m, m), 1.0 / (m + 1.0));
         },
         Digits::from_data},
        {39, "; NUM mol",
         [](const Page& p) {
             const double m = p.text("di ([^ ]+) a 25").ends_with("@d2@") ? 2.0 : 1.0;
             const double k = p.datum("@iK@@dps@ = NUM"), c = p.datum("soluzione NUM M");
             const bool cation = p.text("M di (.+)\\.$").find('+') != std::string::npos;
             return cation ? std::pow(k / c, 1.0 / m) / m : k / std::pow(c, m);
         },
         Digits::from_data},
        {40, "NUM mol",
         [](const Page& p) {
             const double m = p.text("solubilità di ([^ ]+) è").ends_with("@d2@") ? 2.0 : 1.0;
             const double v1 = p.datum("mescolando NUM mL"), v2 = p.datum("con NUM mL");
             const double a = p.datum("mescolando NUM mL di [^ ]+ NUM M", 2) * v1 / (v1 + v2);
             const double b = p.datum("con NUM mL di [^ ]+ NUM M", 2) * v2 / (v1 + v2);
             const double k = p.datum("pari a NUM");
             if (a * std::pow(b, m) <= k) return a;
             // Solved for the cation left, not for what precipitates: a
             // trace left of a large amount keeps its digits.
             const auto excess = [&](double x) { return std::log(x) + m * std::log(std::max(b - m * (a - x), 0.0)); };
             return monotonic_root([&](double x) { return excess(x) - std::log(k); }, std::max(0.0, a - b / m), a);
         },
         Digits::from_data},
        {41, "^NUM mol", hydroxide_in_water, Digits::from_data},
        {41, "; NUM mol",
         [](const Page& p) {
             if (p.has("acido forte")) return hydroxide_in_acid(p);
             const double m = std::stod(p.text("\\(OH\\)@d([0-9])@"));
             return p.datum("@iK@@dps@ = NUM") / std::pow(p.datum("soluzione NUM F"), m);
         },
         Digits::from_data},
        {42, "^NUM mol", hydroxide_in_water, Digits::from_data},
        {42, "; NUM mol",
         [](const Page& p) {
             const double m = std::stod(p.text("\\(OH\\)@d([0-9])@"));
             return p.datum("@iK@@dps@ = NUM") / std::pow(std::pow(10.0, p.datum("pH NUM") - 14.0), m);
         },
         Digits::from_data},
        {43, "^NUM mol", [](const Page& p) { return carbonate(p).first; }, Digits::from_data},
        {43, "; NUM mol", [](const Page& p) { return carbonate(p).second; }, Digits::from_data},
    },
    {
        {6, "the direction a system evolves"},
        {11, "how the amounts change, in words"},
        {16, "true or false"},
        {18, "true or false"},
    },
    {
        // 1.000•10^-5 uncertain by 6.9•10^-7: no cap of two digits.
        {17, 15, "1.0•10@u-5@ mol/L", "1.00•10@u-5@ mol/L"},
        // 7.079 uncertain by 0.109: no decimal for each digit of [OH-].
        {17, 152, "7.08", "7.1"},
        // 1.4085•10^-11 uncertain by 6.0•10^-13, and 6.25•10^-10 by
        // 1.17•10^-10: the dissociated water by its sum, no two digits fixed.
        {20, 1, "@T1@@C1@10.85; 1.4•10@u-11@ mol/L", "@T1@@C1@10.85; 1.41•10@u-11@ mol/L"},
        {20, 902, "@T1@@C1@4.80; 6.2•10@u-10@ mol/L", "@T1@@C1@4.80; 6.•10@u-10@ mol/L"},
        // 7.0204 uncertain by 0.0027 (the ion's relative uncertainty): no cap
        // at the constant's digits.
        {25, 12, "@T1@@C1@7.02; 9.4•10@u-9@ M", "@T1@@C1@7.020; 9.4•10@u-9@ M"},
        // 10.305 uncertain by 0.111: the excess's spread over the four data.
        {32, 11, "10.305", "10.3"},
    },
};

TEST(AnswerTable, Equilibria)
{
    check_chapter(chapter_7);
}

}  // namespace answer_table::chapter_7
