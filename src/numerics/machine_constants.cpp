#include "numerics/machine_constants.h"

#include <array>
#include <bit>
#include <cstdlib>
#include <string>

#include "numerics/error_handler.h"
#include "numerics/library_hooks.h"
#include "numerics/text_utilities.h"

namespace {

// The constants are defined by their bit patterns, so that they are exact.
constexpr std::array<std::uint32_t, 8> real_constant_bits = {0x00800000u, 0x7F7FFFFFu, 0x33800000u, 0x34000000u,
                                                             0x3E9A209Bu, 0x7FC00000u, 0x7F800000u, 0xFF800000u};

constexpr std::array<std::int32_t, 12> integer_constants = {32, 4,    2,   31, 2147483647, 2,
                                                            24, -125, 128, 53, -1021,      1024};

struct LibraryUnits {
    std::array<std::int32_t, 3> unit = {5, 6, 6};  // input, output, error messages
};
LibraryUnits library_units;

}  // namespace

float AMACH(std::int32_t n)
{
    if (n >= 1 && n <= 8) return std::bit_cast<float>(real_constant_bits[n - 1]);
    E1PSH("AMACH");
    store_int_message_param(1, n);
    E1MES(5, 5, "The argument must be between 1 and 8 inclusive. N = %(I1)");
    E1POP("AMACH");
    return std::bit_cast<float>(real_constant_bits[5]);
}

std::int32_t IMACH(std::int32_t n)
{
    if (n >= 1 && n <= 12) return integer_constants[n - 1];
    std::int32_t unit = 0;
    UMACH(2, unit);
    write_library_line(unit, "");
    write_library_line(unit, " *** TERMINAL ERROR 5 from IMACH.  The argument");
    write_library_line(unit, " ***          must be between 1 and 12 inclusive.");
    write_library_line(unit, " ***          N = " + field_of_six(n) + ".");
    request_stop(5, 5, "IMACH");
    return 0;
}

void UMACH(std::int32_t n, std::int32_t& nunit)
{
    const std::int64_t index = std::llabs(static_cast<long long>(n));
    if (index < 1 || index > 3) {
        const std::int32_t unit = library_units.unit[2];
        write_library_line(unit, "");
        write_library_line(unit, " *** TERMINAL ERROR 5 from UMACH.  The absolute");
        write_library_line(unit, " ***          value of the index variable must be");
        write_library_line(
            unit, " ***          1, 2, or 3.  IABS(N) = " + field_of_six(static_cast<std::int32_t>(index)) + ".");
        request_stop(5, 5, "UMACH");
        return;
    }
    if (n > 0) {
        nunit = library_units.unit[index - 1];
    } else {
        library_units.unit[index - 1] = nunit;
    }
}
