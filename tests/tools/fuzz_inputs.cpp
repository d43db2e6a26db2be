#include "tools/fuzz_inputs.h"

#include <cstdlib>

namespace tools_test {

FuzzInputs::FuzzInputs(std::uint64_t seed, std::vector<std::string> valid, std::string_view alphabet)
    : state_(seed), valid_(std::move(valid)), alphabet_(alphabet)
{}

// xorshift64*: plain and the same everywhere.
std::uint64_t FuzzInputs::below(std::uint64_t n)
{
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return (state_ * 0x2545F4914F6CDD1DULL >> 11) % n;
}

char FuzzInputs::letter()
{
    // Now and then a byte outside the alphabet: controls, UTF-8 pieces.
    if (below(16) == 0) return static_cast<char>(below(256));
    return alphabet_[below(alphabet_.size())];
}

std::string FuzzInputs::mutated(std::string text)
{
    const std::uint64_t edits = 1 + below(3);
    for (std::uint64_t e = 0; e < edits; ++e) {
        const std::size_t at = text.empty() ? 0 : below(text.size() + 1);
        switch (below(9)) {
        case 0: text.insert(at, 1, letter()); break;
        case 1:
            if (at < text.size()) text.erase(at, 1);
            break;
        case 2:
            if (at < text.size()) text[at] = letter();
            break;
        case 3:
        case 4: text.insert(at, text.substr(below(text.size() + 1), below(12))); break;
        case 5: text = text.substr(at) + text.substr(0, at); break;
        default:  // an edit that keeps the text valid more often than not
            if (at < text.size() && text[at] >= '1' && text[at] <= '8') ++text[at];
            break;
        }
    }
    return text;
}

std::string FuzzInputs::next()
{
    switch (below(4)) {
    case 0: {
        std::string bytes(below(260), ' ');
        for (char& c : bytes) c = static_cast<char>(below(256));
        return bytes;
    }
    case 1: {
        std::string text(below(60), ' ');
        for (char& c : text) c = letter();
        return text;
    }
    default: return mutated(valid_[below(valid_.size())]);
    }
}

std::size_t fuzz_input_count(std::size_t otherwise)
{
    const char* set = std::getenv("BRUNATEL_FUZZ_INPUTS");
    if (set == nullptr) return otherwise;
    const long long count = std::atoll(set);
    return count > 0 ? static_cast<std::size_t>(count) : otherwise;
}

}  // namespace tools_test
