#include "tools/equation_balancer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <optional>
#include <vector>

#include "numbers/formatted_conversions.h"
#include "numerics/error_handler.h"
#include "numerics/least_squares.h"
#include "numerics/library_hooks.h"
#include "tools/composition_form.h"
#include "tools/tool_messages.h"

namespace {

// The fixed tables of the linear system: A is 10 by 10 by columns, and the
// charge row counts against its 10 rows.
constexpr std::size_t max_species = 10;
constexpr std::size_t max_elements = 10;
constexpr std::int32_t leading_dimension = 10;
constexpr std::int32_t last_variant = 8;
// Scaling by up to 101 per pass: beyond these the coefficients are no
// longer small whole numbers that single precision can hold exactly.
constexpr int max_whole_number_passes = 10;
constexpr float max_whole_coefficient = 1e7f;

struct MediumSpecies {
    std::string_view front;
    std::string_view end;
};
// Variants 0 to 8 of placing the medium's species, acid and basic.
constexpr std::array<std::array<MediumSpecies, 2>, 9> variants{{
    {{{"", ""}, {"", ""}}},
    {{{"H[+]+", "+H2O"}, {"OH[-]+", "+H2O"}}},
    {{{"H2O+", "+H[+]"}, {"H2O+", "+OH[-]"}}},
    {{{"H[+]+H2O+", ""}, {"OH[-]+H2O+", ""}}},
    {{{"", "+H[+]+H2O"}, {"", "+OH[-]+H2O"}}},
    {{{"H[+]+", ""}, {"OH[-]+", ""}}},
    {{{"", "+H[+]"}, {"", "+OH[-]"}}},
    {{{"H2O+", ""}, {"H2O+", ""}}},
    {{{"", "+H2O"}, {"", "+H2O"}}},
}};

struct Species {
    std::string composition;  // groups of symbol and count, charge removed
    std::int32_t charge = 0;
    bool reactant = true;
    std::int32_t count_of(std::string_view symbol) const
    {
        std::int32_t total = 0;
        for (std::size_t g = 0; g < composition.size(); g += 4)
            if (std::string_view(composition).substr(g, 2) == symbol)
                total += *read_i(std::string_view(composition).substr(g + 2, 2));
        return total;
    }
};

enum class Outcome { balanced, next_variant, final_failure, syntax_error };

bool starts_with_then_erase(std::string& text, std::string_view prefix, std::size_t erased)
{
    if (!text.starts_with(prefix)) return false;
    text.erase(0, erased);
    return true;
}

bool find_then_erase(std::string& text, std::string_view pattern, std::size_t offset, std::size_t erased)
{
    const auto at = text.find(pattern);
    if (at == std::string::npos) return false;
    text.erase(at + offset, erased);
    return true;
}

bool erase_at_end(std::string& text, std::string_view pattern, std::size_t offset)
{
    const auto at = text.find(pattern);
    if (at == std::string::npos || at + pattern.size() != text.size()) return false;
    text.erase(at + offset);
    return true;
}

// One pass over the typed text for H+, H3O+, OH- and water; true when it
// removed something.
bool remove_medium_species_once(std::string& text)
{
    bool removed = false;
    for (const std::string s : {"H[+]", "H3O[+]", "OH[-]"}) {
        removed |= starts_with_then_erase(text, s + "+", s.size() + 1);
        removed |= starts_with_then_erase(text, s + "=", s.size());
        removed |= find_then_erase(text, "+" + s, 0, s.size() + 1);
        if (const auto at = text.find("=" + s); at != std::string::npos) {
            text.erase(at + 1, s.size());
            if (at + 1 < text.size() && text[at + 1] == '+') text.erase(at + 1, 1);
            removed = true;
        }
    }
    removed |= starts_with_then_erase(text, "H2O+", 4);
    removed |= starts_with_then_erase(text, "H2O=", 3);
    removed |= find_then_erase(text, "+H2O+", 0, 4);
    removed |= find_then_erase(text, "+H2O=", 0, 4);
    removed |= find_then_erase(text, "=H2O+", 1, 4);
    removed |= erase_at_end(text, "+H2O", 0);
    removed |= erase_at_end(text, "=H2O", 1);
    return removed;
}

std::optional<std::int32_t> charge_of(std::string_view inside)
{
    if (inside == "%") return 1;
    if (inside == "-") return -1;
    if (inside.size() != 3 || (inside[2] != '%' && inside[2] != '-')) return std::nullopt;
    const auto magnitude = read_i(inside.substr(0, 2));
    if (!magnitude) return std::nullopt;
    return inside[2] == '-' ? -*magnitude : *magnitude;
}

// The species of a text in composition form, in text order; empty when a
// species is not made of whole groups (a digit typed where no count goes).
std::optional<std::vector<Species>> split_species(std::string_view text)
{
    std::vector<Species> species;
    bool reactant = true;
    std::size_t start = 0;
    for (;;) {
        const auto end = std::min(text.find_first_of("+=", start), text.size());
        std::string_view piece = text.substr(start, end - start);
        Species s;
        s.reactant = reactant;
        if (piece.ends_with(']')) {
            const auto open = piece.find('[');
            if (open == std::string_view::npos) return std::nullopt;
            const auto charge = charge_of(piece.substr(open + 1, piece.size() - open - 2));
            if (!charge) return std::nullopt;
            s.charge = *charge;
            piece = piece.substr(0, open);
        }
        if (piece.empty() || !is_composition_groups(piece)) return std::nullopt;
        s.composition = std::string(piece);
        species.push_back(std::move(s));
        if (end == text.size()) return species;
        if (text[end] == '=') reactant = false;
        start = end + 2;  // past the separator's blank
        if (start > text.size()) return std::nullopt;
    }
}

std::vector<std::string> reactant_elements(const std::vector<Species>& species)
{
    std::vector<std::string> elements;
    for (const Species& s : species) {
        if (!s.reactant) continue;
        for (std::size_t g = 0; g < s.composition.size(); g += 4) {
            std::string symbol = s.composition.substr(g, 2);
            if (std::find(elements.begin(), elements.end(), symbol) == elements.end()) elements.push_back(symbol);
        }
    }
    return elements;
}

// The first element missing on one side: a product element that no
// reactant has, or a reactant element that no product has.
std::optional<std::string> unmatched_element(const std::vector<Species>& species,
                                             const std::vector<std::string>& elements)
{
    for (const Species& s : species) {
        if (s.reactant) continue;
        for (std::size_t g = 0; g < s.composition.size(); g += 4) {
            std::string symbol = s.composition.substr(g, 2);
            if (std::find(elements.begin(), elements.end(), symbol) == elements.end()) return symbol;
        }
    }
    for (const std::string& symbol : elements) {
        const bool in_a_product = std::any_of(species.begin(), species.end(),
                                              [&](const Species& s) { return !s.reactant && s.count_of(symbol) > 0; });
        if (!in_a_product) return symbol;
    }
    return std::nullopt;
}

std::int64_t round_whole(float x)
{
    return static_cast<std::int64_t>(x < 0.0f ? x - 0.5f : x + 0.5f);
}

float distance_from_whole(float x)
{
    return std::abs(x - static_cast<float>(round_whole(x)));
}

// Scales the coefficients (species 1 first) until each lies within 0.1 of a
// whole number.
bool make_whole(std::vector<float>& x)
{
    for (int pass = 0;; ++pass) {
        // Species 1 is scanned last, so it is the one noted when it is off.
        std::optional<std::size_t> noted;
        for (std::size_t n = 1; n <= x.size(); ++n) {
            const std::size_t j = n % x.size();
            if (!(x[j] <= max_whole_coefficient)) return false;
            if (distance_from_whole(x[j]) > 0.1f) noted = j;
        }
        if (!noted) return true;
        if (pass == max_whole_number_passes) return false;
        for (int k = 2; k <= 101; ++k) {
            for (float& c : x) c = c * static_cast<float>(k) / static_cast<float>(k - 1);
            if (distance_from_whole(x[*noted]) < 0.1f) break;
        }
    }
}

std::string coefficient_text(std::int64_t c)
{
    return std::to_string(c);
}

std::string written_answer(const std::string& saved, bool ionic, bool electrons, const std::vector<Species>& species,
                           const std::vector<std::int64_t>& ic)
{
    std::string text = saved;
    if (ionic) {
        for (auto at = text.find("+]"); at != std::string::npos; at = text.find("+]", at)) text[at] = '%';
    }
    std::string answer = ic[0] != 1 ? coefficient_text(ic[0]) : "";
    std::size_t k = 0;
    for (const char c : text) {
        answer += c;
        if ((c == '+' || c == '=') && ++k < ic.size() && ic[k] != 1) answer += coefficient_text(ic[k]);
    }
    std::replace(answer.begin(), answer.end(), '%', '+');
    if (!electrons) return answer;
    std::int64_t q = 0;
    for (std::size_t s = 0; s < species.size(); ++s) q += (species[s].reactant ? 1 : -1) * ic[s] * species[s].charge;
    const std::int64_t n = q < 0 ? -q : q;
    const std::string count = n > 1 ? std::to_string(n) : "";
    if (q > 0) answer = count + "e+" + answer;
    if (q < 0) answer += "+" + count + "e";
    return answer;
}

struct Balancer {
    FormulaRequest request;
    std::int32_t variant = 0;
    std::string saved;
    std::string answer;

    Outcome failed() const { return request.ionic ? Outcome::next_variant : Outcome::final_failure; }

    Outcome attempt()
    {
        std::string work = saved;
        if (request.ionic) {
            while (remove_medium_species_once(work)) {}
            const MediumSpecies& added = variants[variant][request.basic ? 1 : 0];
            work = std::string(added.front) + work + std::string(added.end);
        }
        if (work.empty() || work.front() == '=' || work.back() == '=') return Outcome::final_failure;
        saved = work;

        const auto composition = to_composition_form(work, request.ionic);
        if (!composition) return Outcome::syntax_error;
        const auto parsed = split_species(*composition);
        if (!parsed) return Outcome::syntax_error;
        const std::vector<Species>& species = *parsed;
        if (species.size() > max_species) return failed();
        for (std::size_t a = 0; a < species.size(); ++a)
            for (std::size_t b = a + 1; b < species.size(); ++b)
                if (species[a].reactant == species[b].reactant && species[a].composition == species[b].composition)
                    return Outcome::final_failure;

        const std::vector<std::string> elements = reactant_elements(species);
        if (elements.size() > max_elements) return failed();
        if (const auto missing = unmatched_element(species, elements)) {
            if (!request.ionic) return Outcome::final_failure;
            return *missing == "O " || *missing == "H " ? Outcome::next_variant : Outcome::final_failure;
        }

        const std::size_t u = species.size() - 1;
        const std::size_t e = elements.size();
        const bool charged =
            std::any_of(species.begin(), species.end(), [](const Species& s) { return s.charge != 0; });
        if (e < u) {
            if (!(request.ionic && charged)) return Outcome::final_failure;
            if (request.electrons || e + 1 < u) return Outcome::next_variant;
        }
        const bool charge_row = request.ionic && !request.electrons && charged;
        const std::size_t rows = e + (charge_row ? 1 : 0);
        if (rows > static_cast<std::size_t>(leading_dimension)) return failed();

        std::vector<float> a(leading_dimension * leading_dimension, 0.0f);
        std::vector<float> b(leading_dimension, 0.0f);
        const auto sign = [&](std::size_t k) { return species[k].reactant ? 1.0f : -1.0f; };
        for (std::size_t i = 0; i < rows; ++i) {
            const bool charges = i == e;
            const auto amount = [&](std::size_t k) {
                return static_cast<float>(charges ? species[k].charge : species[k].count_of(elements[i]));
            };
            for (std::size_t k = 1; k < species.size(); ++k) a[(k - 1) * leading_dimension + i] = sign(k) * amount(k);
            b[i] = -amount(0);
        }
        std::vector<float> x(leading_dimension, 0.0f);
        std::vector<float> res(leading_dimension, 0.0f);
        if (!solve(static_cast<std::int32_t>(rows), static_cast<std::int32_t>(u), a, b, x, res)) return failed();

        // Species 1 first, then the unknowns in text order.
        std::vector<float> coefficients{1.0f};
        for (std::size_t j = 0; j < u; ++j) {
            if (!(x[j] > 0.005f && x[j] <= 200.0f)) return failed();
            coefficients.push_back(x[j]);
        }
        const float smallest = *std::min_element(coefficients.begin() + 1, coefficients.end());
        if (smallest < 1.0f)
            for (float& c : coefficients) c /= smallest;
        if (!make_whole(coefficients)) return failed();
        std::vector<std::int64_t> ic;
        for (const float c : coefficients) ic.push_back(round_whole(c));
        // The multipliers can overshoot (99, 90, 5148 for 11, 10, 572).
        const std::int64_t common = std::accumulate(ic.begin(), ic.end(), std::int64_t{0},
                                                    [](std::int64_t g, std::int64_t c) { return std::gcd(g, c); });
        if (common > 1)
            for (std::int64_t& c : ic) c /= common;

        for (const std::string& symbol : elements) {
            std::int64_t balance = 0;
            for (std::size_t k = 0; k < species.size(); ++k)
                balance += (species[k].reactant ? 1 : -1) * ic[k] * species[k].count_of(symbol);
            if (balance != 0) return failed();
        }
        if (charge_row) {
            std::int64_t balance = 0;
            for (std::size_t k = 0; k < species.size(); ++k)
                balance += (species[k].reactant ? 1 : -1) * ic[k] * species[k].charge;
            if (balance != 0) return Outcome::next_variant;
        }
        answer = written_answer(saved, request.ionic, request.electrons, species, ic);
        return Outcome::balanced;
    }

    // The library is told neither to print nor to stop; should it still ask
    // to stop the run, the attempt fails instead.
    static bool solve(std::int32_t rows, std::int32_t unknowns, const std::vector<float>& a,
                      const std::vector<float>& b, std::vector<float>& x, std::vector<float>& res)
    {
        bool stopped = false;
        const auto previous = library_hooks.stop_run;
        library_hooks.stop_run = [&stopped](const StopRequest&) { stopped = true; };
        ERSET(0, 0, 0);
        std::int32_t kbasis = 0;
        LSBRR(rows, unknowns, a.data(), leading_dimension, b.data(), 0.0f, x.data(), res.data(), kbasis);
        library_hooks.stop_run = previous;
        return !stopped;
    }
};

}  // namespace

std::string balance_equation(std::string_view text, FormulaRequest request)
{
    Balancer balancer{request, 0, std::string(text), {}};
    bool electrons_reversed = false;
    for (;;) {
        switch (balancer.attempt()) {
        case Outcome::balanced: return balancer.answer;
        case Outcome::syntax_error: return std::string(syntax_error_text);
        case Outcome::next_variant:
            if (balancer.request.ionic && balancer.variant < last_variant) {
                ++balancer.variant;
                continue;
            }
            break;
        case Outcome::final_failure: break;
        }
        if (!balancer.request.ionic) {
            balancer.request = {true, false, false};
        } else if (!electrons_reversed) {
            electrons_reversed = true;
            balancer.request.electrons = !balancer.request.electrons;
        } else {
            return std::string(cannot_balance_text);
        }
        balancer.variant = 0;
    }
}
