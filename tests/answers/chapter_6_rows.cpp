// Chapter 6, thermodynamics and kinetics: each numeric answer from its page.
// The rows of each part of the chapter live in a file of their own.
#include <iterator>
#include <utility>
#include <vector>

#include "answer_table.h"

namespace answer_table::chapter_6 {

// Energy and enthalpy, reaction enthalpies: problems 1 to 15.
std::vector<Row> enthalpy_rows();
// Probability and entropy, free energy: problems 16 to 27.
std::vector<Row> entropy_rows();
// Equilibrium constants and kinetics: problems 28 to 38.
std::vector<Row> kinetics_rows();
std::vector<std::pair<std::int32_t, const char*>> enthalpy_without_numbers();
std::vector<std::pair<std::int32_t, const char*>> entropy_without_numbers();
std::vector<std::pair<std::int32_t, const char*>> kinetics_without_numbers();

ChapterRows chapter_6()
{
    ChapterRows table{6, enthalpy_rows(), enthalpy_without_numbers()};
    for (std::vector<Row> part : {entropy_rows(), kinetics_rows()})
        table.rows.insert(table.rows.end(), std::make_move_iterator(part.begin()), std::make_move_iterator(part.end()));
    for (const auto& part : {entropy_without_numbers(), kinetics_without_numbers()})
        table.without_numbers.insert(table.without_numbers.end(), part.begin(), part.end());
    table.mended = {
        // 91.82 uncertain by 0.85 once B is read as printed in cal/mol, not
        // as rounded in kJ/mol.
        {9, 288, "92@uo@C", "91.8@uo@C"},
        // 964.0 J uncertain by 99.995 J: two digits, where a slope of a
        // single-precision enthalpy summed 100.0002 J.
        {7, 2077, "1.0 kJ", "9.6•10@u2@ J"},
    };
    return table;
}

TEST(AnswerTable, ThermoKinetics)
{
    check_chapter(chapter_6());
}

}  // namespace answer_table::chapter_6
