#include "tools/equation_check.h"

#include <cctype>
#include <map>
#include <optional>
#include <string>

namespace tools_test {
namespace {

using Counts = std::map<std::string, long long>;

struct Reader {
    std::string_view text;
    std::size_t at = 0;

    bool more() const { return at < text.size(); }
    char peek() const { return more() ? text[at] : '\0'; }

    long long number(long long missing)
    {
        if (!more() || !std::isdigit(static_cast<unsigned char>(peek()))) return missing;
        long long n = 0;
        while (more() && std::isdigit(static_cast<unsigned char>(peek()))) n = n * 10 + (text[at++] - '0');
        return n;
    }

    // Symbols with counts, and groups in parentheses with their count.
    bool formula(Counts& counts, long long factor)
    {
        bool any = false;
        while (more()) {
            if (std::isupper(static_cast<unsigned char>(peek()))) {
                std::string symbol(1, text[at++]);
                if (std::islower(static_cast<unsigned char>(peek()))) symbol += text[at++];
                counts[symbol] += factor * number(1);
            } else if (peek() == '(') {
                ++at;
                Counts inner;
                if (!formula(inner, 1) || peek() != ')') return false;
                ++at;
                const long long n = number(1);
                for (const auto& [symbol, count] : inner) counts[symbol] += factor * n * count;
            } else {
                break;
            }
            any = true;
        }
        return any;
    }

    std::optional<long long> charge()
    {
        if (peek() != '[') return 0;
        ++at;
        const long long magnitude = number(1);
        const char sign = peek();
        ++at;
        if ((sign != '+' && sign != '-') || peek() != ']') return std::nullopt;
        ++at;
        return sign == '-' ? -magnitude : magnitude;
    }
};

}  // namespace

bool equation_balances(std::string_view equation)
{
    Reader r{equation};
    Counts balance;
    long long charge = 0;
    int side = 1;
    for (;;) {
        const long long coefficient = r.number(1);
        if (r.peek() == 'e' &&
            (r.at + 1 == equation.size() || equation[r.at + 1] == '+' || equation[r.at + 1] == '=')) {
            ++r.at;
            charge -= side * coefficient;
        } else {
            Counts counts;
            if (!r.formula(counts, coefficient)) return false;
            const auto z = r.charge();
            if (!z) return false;
            for (const auto& [symbol, count] : counts) balance[symbol] += side * count;
            charge += side * coefficient * *z;
        }
        if (!r.more()) break;
        const char separator = r.text[r.at++];
        if (separator == '=') {
            if (side == -1) return false;
            side = -1;
        } else if (separator != '+') {
            return false;
        }
    }
    if (side != -1 || charge != 0) return false;
    for (const auto& [symbol, count] : balance)
        if (count != 0) return false;
    return true;
}

}  // namespace tools_test
