#include "soluz_fixture.h"

#include <cctype>
#include <cmath>
#include <regex>

#include "chapters/soluz/solutions_chapter.h"
#include "chemistry/data_tables.h"
#include "numbers/fixed_width.h"

namespace soluz_test {

Shown shown(const std::string& text)
{
    static const std::regex form(R"(^(-?)([0-9]*)\.?([0-9]*)(?:•10@u(-?[0-9]+)@)?$)");
    std::smatch parts;
    if (!std::regex_match(text, parts, form)) {
        ADD_FAILURE() << "not a number: " << text;
        return {};
    }
    const std::string mantissa = parts[1].str() + parts[2].str() + "." + parts[3].str();
    const int exponent = parts[4].matched ? std::stoi(parts[4].str()) : 0;
    const double scale = std::pow(10.0, exponent);
    const double value = std::stod(mantissa == "." ? "0" : mantissa) * scale;
    return {value, 0.5 * std::pow(10.0, -static_cast<int>(parts[3].length())) * scale};
}

std::vector<std::string> match(const std::string& text, const std::string& pattern)
{
    std::smatch groups;
    if (!std::regex_search(text, groups, std::regex(pattern))) {
        ADD_FAILURE() << "no match for " << pattern << " in " << text;
        return std::vector<std::string>(12);
    }
    std::vector<std::string> result;
    for (std::size_t i = 1; i < groups.size(); ++i) result.push_back(groups[i].str());
    result.resize(12);
    return result;
}

namespace {

// A count written as a subscript code ("@d12@") at position i, or 1.
int subscript_at(std::string_view text, std::size_t& i)
{
    if (text.substr(i, 2) != "@d") return 1;
    const std::size_t end = text.find('@', i + 2);
    const int n = std::stoi(std::string(text.substr(i + 2, end - i - 2)));
    i = end + 1;
    return n;
}

std::map<std::string, int> read_group(std::string_view text, std::size_t& i)
{
    std::map<std::string, int> atoms;
    while (i < text.size() && text[i] != ')' && text[i] != '@') {
        std::map<std::string, int> part;
        if (text[i] == '(') {
            ++i;
            part = read_group(text, i);
            ++i;  // ")"
        } else if (std::isupper(static_cast<unsigned char>(text[i]))) {
            std::string symbol(1, text[i++]);
            if (i < text.size() && std::islower(static_cast<unsigned char>(text[i]))) symbol += text[i++];
            part[symbol] = 1;
        } else {
            ADD_FAILURE() << "unreadable formula " << text;
            return atoms;
        }
        const int n = subscript_at(text, i);
        for (const auto& [symbol, count] : part) atoms[symbol] += n * count;
    }
    return atoms;
}

}  // namespace

Formula read_formula(std::string_view markup)
{
    Formula formula;
    // A hydrate: "CuSO@d4@.5H@d2@O".
    std::size_t dot = markup.find('.');
    std::string_view main = markup.substr(0, dot);
    std::size_t i = 0;
    formula.atoms = read_group(main, i);
    if (main.substr(i, 2) == "@u") {
        const std::size_t end = main.find('@', i + 2);
        const std::string charge(main.substr(i + 2, end - i - 2));
        const int size = charge.size() > 1 ? std::stoi(charge.substr(0, charge.size() - 1)) : 1;
        formula.charge = charge.back() == '-' ? -size : size;
    }
    if (dot != std::string_view::npos) {
        std::size_t j = dot + 1;
        int waters = 0;
        while (std::isdigit(static_cast<unsigned char>(markup[j]))) waters = waters * 10 + (markup[j++] - '0');
        std::string_view rest = markup.substr(j);
        std::size_t k = 0;
        for (const auto& [symbol, n] : read_group(rest, k)) formula.atoms[symbol] += waters * n;
    }
    return formula;
}

double formula_mass(std::string_view markup)
{
    double mass = 0.0;
    for (const auto& [symbol, n] : read_formula(markup).atoms) {
        const auto z = find_element_by_symbol(symbol);
        if (!z) {
            ADD_FAILURE() << "no element " << symbol;
            continue;
        }
        mass += n * std::stod(std::string(strip_blanks(record_columns(element_record(*z), 21, 30))));
    }
    return mass;
}

std::vector<Term> read_equation(std::string_view shown_equation)
{
    std::vector<Term> terms;
    const std::string text(strip_blanks(shown_equation));
    const std::size_t equals = text.find(" = ");
    if (equals == std::string::npos) {
        ADD_FAILURE() << "no sides in " << text;
        return terms;
    }
    const auto read_side = [&](std::string side, int sign) {
        side += " + ";
        for (std::size_t at = 0, next; (next = side.find(" + ", at)) != std::string::npos; at = next + 3) {
            std::string piece(strip_blanks(side.substr(at, next - at)));
            int coefficient = 1;
            std::size_t digits = 0;
            while (digits < piece.size() && std::isdigit(static_cast<unsigned char>(piece[digits]))) ++digits;
            if (digits > 0) coefficient = std::stoi(piece.substr(0, digits));
            terms.push_back({sign * coefficient, piece.substr(digits)});
        }
    };
    read_side(text.substr(0, equals), -1);
    read_side(text.substr(equals + 3), 1);
    return terms;
}

bool balanced(const std::vector<Term>& terms)
{
    std::map<std::string, int> atoms;
    int charge = 0;
    for (const Term& term : terms) {
        if (term.species == "e") {
            charge -= term.coefficient;
            continue;
        }
        const Formula formula = read_formula(term.species);
        for (const auto& [symbol, n] : formula.atoms) atoms[symbol] += term.coefficient * n;
        charge += term.coefficient * formula.charge;
    }
    for (const auto& [symbol, n] : atoms)
        if (n != 0) return false;
    return charge == 0;
}

void expect_shown_near(const std::string& answer, double expected, double relative_slack)
{
    const Shown a = shown(answer);
    EXPECT_LE(std::abs(a.value - expected), a.half_unit * (1 + 1e-6) + relative_slack * std::abs(expected))
        << answer << " against " << expected;
}

void expect_shown_within(const std::string& answer, double low, double high)
{
    const Shown a = shown(answer);
    EXPECT_GE(a.value, low - a.half_unit * (1 + 1e-6) - 1e-6 * std::abs(low)) << answer << " below " << low;
    EXPECT_LE(a.value, high + a.half_unit * (1 + 1e-6) + 1e-6 * std::abs(high)) << answer << " above " << high;
}

ChapterFive::ChapterFive() : ChapterTest(5, run_solutions_chapter) {}

void ChapterFive::generate(std::int32_t k, std::int32_t version, std::int32_t seed_for_no_version)
{
    request_problem(k, version, seed_for_no_version);
}

void ChapterFive::answer()
{
    backend.clear_log();
    request_answer();
}

}  // namespace soluz_test
