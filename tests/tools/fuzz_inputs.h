#pragma once
// Inputs for the parsers' fuzz tests: random bytes, random texts over the
// parser's own alphabet, and valid texts with random edits. A fixed seed
// makes every failure reproducible.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tools_test {

class FuzzInputs {
public:
    FuzzInputs(std::uint64_t seed, std::vector<std::string> valid, std::string_view alphabet);
    std::string next();

private:
    std::uint64_t below(std::uint64_t n);
    char letter();
    std::string mutated(std::string text);

    std::uint64_t state_;
    std::vector<std::string> valid_;
    std::string alphabet_;
};

// BRUNATEL_FUZZ_INPUTS when set, else the given count.
std::size_t fuzz_input_count(std::size_t otherwise);

}  // namespace tools_test
