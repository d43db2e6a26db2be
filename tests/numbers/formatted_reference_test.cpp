// Every write and read of the reference table made with gfortran (halves
// rounded away from zero); tests/data/formatted_reference.f90 makes it.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

#include "numbers/formatted_conversions.h"

namespace {

struct Line {
    std::string head;   // the words before the first bar
    std::string field;  // between the bars
    std::string tail;   // after the second bar
};

Line split(const std::string& text)
{
    const auto open = text.find('|');
    const auto close = text.find('|', open + 1);
    return {text.substr(0, open), text.substr(open + 1, close - open - 1), text.substr(close + 1)};
}

std::string written(const std::string& kind, int width, int decimals, int exponent_digits, const std::string& single,
                    const std::string& bits)
{
    if (kind == "I" || kind == "Z") {
        const auto value = static_cast<std::int32_t>(std::stol(bits));
        return kind == "I" ? format_i(value, width) : format_z(value, width);
    }
    const double value = std::bit_cast<double>(std::stoull(bits, nullptr, 16));
    const bool is_single = single == "T";
    if (kind == "F")
        return is_single ? format_f(static_cast<float>(value), width, decimals) : format_f(value, width, decimals);
    if (kind == "E") return format_e(value, width, decimals, exponent_digits);
    if (kind == "ES") return format_es(value, width, decimals);
    if (kind == "G") return format_g(value, width, decimals);
    ADD_FAILURE() << "unknown kind " << kind;
    return {};
}

template <typename T>
std::string hex_bits(T value)
{
    using Bits = std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>;
    std::ostringstream out;
    out << std::uppercase << std::hex;
    out.width(sizeof(T) * 2);
    out.fill('0');
    out << std::bit_cast<Bits>(value);
    return out.str();
}

template <typename T>
std::string shown(const std::optional<T>& value)
{
    if (!value) return "ERR";
    if constexpr (std::is_same_v<T, std::int32_t>)
        return std::to_string(*value);
    else
        return hex_bits(*value);
}

std::string read_back(const std::string& kind, int decimals, const std::string& field)
{
    if (kind == "RF") return shown(read_f(field, decimals));
    if (kind == "RFD") return shown(read_f_double(field, decimals));
    if (kind == "RI") return shown(read_i(field));
    if (kind == "RLI") return shown(read_list_int(field));
    if (kind == "RL") return shown(read_list_real(field));
    if (kind == "RLD") return shown(read_list_double(field));
    ADD_FAILURE() << "unknown kind " << kind;
    return {};
}

TEST(FormattedReference, AgreesWithTheReferenceProcessor)
{
    std::ifstream table(BRUNATEL_TEST_DATA_DIR "/formatted_reference.txt");
    ASSERT_TRUE(table) << "missing reference table";
    int writes = 0;
    int reads = 0;
    int failures = 0;
    for (std::string text; std::getline(table, text);) {
        const Line line = split(text);
        std::istringstream head(line.head);
        std::string kind;
        int width = 0;
        int decimals = 0;
        head >> kind >> width >> decimals;
        std::string got;
        std::string expected;
        if (kind.front() == 'R') {
            ++reads;
            std::istringstream tail(line.tail);
            tail >> expected;
            // The reference takes "--1" for minus zero; a doubled sign is refused here.
            if (line.field.starts_with("--")) expected = "ERR";
            got = read_back(kind, decimals, line.field);
        } else {
            ++writes;
            int exponent_digits = 0;
            std::string single;
            std::string bits;
            head >> exponent_digits >> single >> bits;
            got = written(kind, width, decimals, exponent_digits, single, bits);
            expected = line.field;
        }
        if (got != expected && ++failures <= 40) ADD_FAILURE() << text << "\n   got |" << got << "|";
    }
    EXPECT_EQ(failures, 0);
    EXPECT_GT(writes, 10000);
    EXPECT_GE(reads, 300);
}

}  // namespace
