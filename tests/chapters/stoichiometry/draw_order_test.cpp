// The order of the draws decides every version's data, whatever the
// compiler: what these problems show under version 1 and "Versione Testo",
// replayed by hand from the stream with each value drawn before the digits
// it is shown with (mantissa and exponent in each problem's own order).
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "frame/app_state.h"
#include "stoichiometry_fixture.h"

namespace stoichiometry_test {
namespace {

struct DrawnData {
    std::int32_t problem;
    std::int32_t version;
    const char* shown;  // a piece of the statement
};

constexpr DrawnData drawn_data[] = {
    {3, 1, "9.531•10@u18@ atomi"},
    {3, text_version, "3.201•10@u22@ atomi"},
    {9, 1, "169.7 g di bromo"},
    {9, text_version, "97.1 g di idrogeno"},
    {16, 1, "30.47 g di una miscela di ioduro di argento e fluoruro di potassio al 77.9%"},
    {16, text_version, "9.481 g di una miscela di bromuro di argento e cloruro di argento al 77.9%"},
    {17, 1, "solfuro di piombo e carbonato di calcio al 15.43%"},
    {17, text_version, "fluoruro di calcio e bromuro di sodio al 27.51%"},
    {19, 1, "aggiungere a 176 g di nitrato di potassio"},
    {19, text_version, "aggiungere a 43.1 g di solfato di sodio"},
    {21, 1, "5.528 g di una miscela di carbonato di zinco e ossido di zinco al 25.94%"},
    {21, text_version, "59.11 g di una miscela di cloruro di argento e solfato di argento al 76.04%"},
    {22, 1, "aggiungere a 0.902 g di cloruro di piombo"},
    {22, text_version, "aggiungere a 4.038 g di solfato di cromo"},
    {24, 1, "6.984 g di ZnCO@d3@"},
    {24, text_version, "730.6 g di AgCl"},
    {30, 1, "0.3284 g di H@d2@S"},
    {30, text_version, "4.8329 g di HCl"},
    {31, 1, "3.026 g di H@d2@O"},
    {31, text_version, "9.3960 g di Cu"},
};

TEST_F(ChapterThree, EachValueIsDrawnBeforeItsDigits)
{
    for (const DrawnData& d : drawn_data) {
        generate(d.problem, d.version);
        EXPECT_NE(statement().find(d.shown), std::string::npos)
            << "problem " << d.problem << " version " << d.version << ": " << statement();
    }
}

}  // namespace
}  // namespace stoichiometry_test
