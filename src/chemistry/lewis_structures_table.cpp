// The 37 Lewis structures, matched by key in this order.

#include <array>

#include "chemistry/lewis_structures.h"

namespace {

using Kind = LewisStep::Kind;

constexpr LewisStep code(std::int32_t dx, std::int32_t dy, std::string_view text)
{
    return {Kind::code, dx, dy, text};
}
constexpr LewisStep markup(std::int32_t dx, std::int32_t dy, std::string_view text)
{
    return {Kind::markup, dx, dy, text};
}

constexpr std::string_view plus = "(+)";
constexpr std::string_view minus = "(@y-5@_@y5@)";  // an underscore raised between brackets
constexpr std::string_view arrow = "<@y-7@_@y7@>";
// Pairs of 10-pixel diagonal strokes for bonds and lone pairs off the cross.
constexpr std::string_view lower_diagonals = "@L110120@@x9@@y0@@L110060@";
constexpr std::string_view upper_diagonals = "@L110060@@x11@@y8@@L110-60@";
constexpr std::string_view xenon_diagonals = "@L110045@@x20@@y0@@L110135@";

constexpr std::string_view lower_fluorine = "FdaddZaaaaZaaaaZaaaaZaaaa";
constexpr std::string_view upper_fluorine = "FdddaZaaaaZaaaaZaaaaZaaaa";

// A centre with two fluorines on the cross and two below it (SF4 and kin).
constexpr std::array<LewisStep, 4> seesaw(std::string_view centre)
{
    return {code(0, 0, centre), code(-11, 20, lower_fluorine), code(13, 20, lower_fluorine),
            markup(0, 12, lower_diagonals)};
}

// The same with two more fluorines above it: six in all.
constexpr std::array<LewisStep, 7> octahedron(std::string_view centre)
{
    const auto lower = seesaw(centre);
    return {lower[0],
            lower[1],
            lower[2],
            lower[3],
            code(-11, -23, upper_fluorine),
            code(13, -23, upper_fluorine),
            markup(-4, -8, upper_diagonals)};
}

// Three resonance forms of a trigonal ion with two negative oxygens each.
// A charge left of an oxygen keeps its bracket two columns clear of the
// lone pair above the oxygen, as one right of an oxygen does.
constexpr std::array<LewisStep, 11> three_forms(std::string_view first, std::string_view second, std::string_view third)
{
    return {code(30, 0, first),   markup(63, -13, minus),  markup(8, 17, minus),   markup(72, 12, arrow),
            code(134, 0, second), markup(93, -13, minus),  markup(112, 17, minus), markup(174, 12, arrow),
            code(224, 0, third),  markup(183, -13, minus), markup(256, -13, minus)};
}

constexpr std::array<LewisStep, 14> nitrate_forms()
{
    const auto forms =
        three_forms("N1a21OddadZaaaaOaddaOdadd", "N2a11OddaaZaaaaOadddOdadd", "N1a12OddadZaaaaOadddOdada");
    std::array<LewisStep, 14> steps{};
    for (std::size_t i = 0; i < forms.size(); ++i) steps[i] = forms[i];
    steps[11] = markup(26, -15, plus);
    steps[12] = markup(130, -15, plus);
    steps[13] = markup(220, -15, plus);
    return steps;
}

// Hexafluorophosphate: four fluorines on the cross and two on the diagonal
// from upper left to lower right, which leaves P's upper right free for its
// charge, where BF4-'s stands.
constexpr std::array<LewisStep, 6> hexafluorophosphate()
{
    return {code(12, 0, "P1111FddadFdddaFadddFdadd"),
            code(-10, -22, upper_fluorine),
            code(34, 22, lower_fluorine),
            markup(-2, -10, "@L114045@"),
            markup(21, 13, "@L114045@"),
            markup(37, -17, minus)};
}

constexpr std::array e1{code(0, 0, "N1d11HaaaaZaaaaHaaaaHaaaa")};
constexpr std::array e2{code(0, 0, "C2a2aOddaaZaaaaOaddaZaaaa")};
constexpr std::array e3{code(0, 0, "O1dd1FddadZaaaaZaaaaFdadd")};
constexpr std::array e4{code(0, 0, "S1dd1FddadZaaaaZaaaaFdadd")};
constexpr std::array e5{code(0, 0, "O1dd1HaaaaZaaaaZaaaaHaaaa")};
constexpr std::array e6{code(0, 0, "S1dd1HaaaaZaaaaZaaaaHaaaa")};
constexpr std::array e7{code(0, 0, "N1d11FddadZaaaaFadddFdadd")};
constexpr std::array e8{code(0, 0, "P1d11HaaaaZaaaaHaaaaHaaaa")};
constexpr std::array e9{code(0, 0, "C1111HaaaaHaaaaHaaaaHaaaa")};
constexpr std::array e10{code(0, 0, "C3a1aNdaaaZaaaaHaaaaZaaaa")};
constexpr std::array e11{code(0, 0, "C2a11OddaaZaaaaHaaaaHaaaa")};
constexpr std::array e12{code(0, 0, "N3adaNdaaaZaaaaZaaaaZaaaa")};
constexpr std::array e13{code(0, 0, "O2ddaOddaaZaaaaZaaaaZaaaa")};
constexpr std::array e14{code(0, 0, "F1dddFddadZaaaaZaaaaZaaaa")};
constexpr std::array e15{code(0, 0, "O1dd1ZaaaaZaaaaZaaaaHaaaa"), code(21, 0, "Odda1ZaaaaZaaaaZaaaaHaaaa")};
constexpr auto e16 = seesaw("S1d1aFddadZaaaaFadddZaaaa");
constexpr auto e17 = octahedron("S1a1aFddadZaaaaFadddZaaaa");
constexpr auto e18 = seesaw("P111aFddadFdddaFadddZaaaa");
// Two-letter symbols are drawn as two codes, the second letter where the
// first one ends.
constexpr std::array e19{code(0, 0, "Xad1aZaaaaZaaaaFadddZaaaa"), code(9, 0, "e1aaaFddadZaaaaZaaaaZaaaa"),
                         markup(-3, 12, xenon_diagonals)};
// XeF4's two lone pairs stand opposite each other, left and right of the
// xenon, its four fluorines on the diagonals: the square of the shape.
constexpr std::array e20{code(0, 0, "XaadaZaaaaZaaaaZaaaaZaaaa"),
                         code(9, 0, "edaaaZaaaaZaaaaZaaaaZaaaa"),
                         code(-11, -23, upper_fluorine),
                         code(13, -23, upper_fluorine),
                         markup(-4, -8, upper_diagonals),
                         code(-11, 20, lower_fluorine),
                         code(13, 20, lower_fluorine),
                         markup(0, 12, lower_diagonals)};
constexpr std::array e21{code(0, 0, "B1a11FddadZaaaaFadddFdadd")};
constexpr std::array e22{code(0, 0, "N3adaOdaaaZaaaaZaaaaZaaaa"), markup(37, -5, plus)};
constexpr std::array e23{code(0, 0, "N1111HaaaaHaaaaHaaaaHaaaa"), markup(25, -17, plus)};
constexpr std::array e24{code(0, 0, "O1dd1OddadZaaaaZaaaaHaaaa"), markup(35, -8, minus)};
constexpr std::array e25{code(0, 0, "C3adaNdaaaZaaaaZaaaaZaaaa"), markup(-21, -5, minus)};
constexpr std::array e26{code(0, 0, "C3adaOdaaaZaaaaZaaaaZaaaa"), markup(35, -5, plus), markup(-21, -5, minus)};
constexpr std::array e27{code(0, 0, "O1dddHaaaaZaaaaZaaaaZaaaa"), markup(-21, -5, minus)};
constexpr std::array e28{code(0, 0, "B1111FddadFdddaFadddFdadd"), markup(25, -17, minus)};
constexpr auto e29 = hexafluorophosphate();
constexpr std::array e30{code(0, 0, "Ca11aZaaaaFdddaFadddZaaaa"), code(10, 0, "l1aaaFddadZaaaaZaaaaZaaaa"),
                         markup(-3, 12, xenon_diagonals)};
constexpr std::array e31{code(0, 0, "C2a11ZaaaaZaaaaHaaaaHaaaa"), code(22, 0, "C1aa1HaaaaZaaaaZaaaaHaaaa")};
constexpr std::array e32{code(0, 0, "C3a1aZaaaaZaaaaHaaaaZaaaa"), code(22, 0, "C1aaaHaaaaZaaaaZaaaaZaaaa")};
constexpr std::array e33{code(30, 0, "N1d2aOddadZaaaaOaddaZaaaa"), markup(58, -18, minus), markup(75, 0, arrow),
                         code(130, 0, "N2d1aOddaaZaaaaOadddZaaaa"), markup(90, -18, minus)};
constexpr auto e34 = three_forms("C1a21OddadZaaaaOaddaOdadd", "C2a11OddaaZaaaaOadddOdadd", "C1a12OddadZaaaaOadddOdada");
constexpr auto e35 = nitrate_forms();
constexpr std::array e36{code(30, 0, "O1d2aOddadZaaaaOaddaZaaaa"),
                         markup(58, -18, minus),
                         markup(75, 0, arrow),
                         code(130, 0, "O2d1aOddaaZaaaaOadddZaaaa"),
                         markup(90, -18, minus),
                         markup(26, -18, plus),
                         markup(126, -18, plus)};
constexpr auto e37 = three_forms("S1d21OddadZaaaaOaddaOdadd", "S2d11OddaaZaaaaOadddOdadd", "S1d12OddadZaaaaOadddOdada");

constexpr std::array<LewisEntry, 37> entries{{
    {"NH@d3@;", e1},      {"CO@d2@;", e2},       {"OF@d2@;", e3},      {"SF@d2@;", e4},       {"H@d2@O;", e5},
    {"H@d2@S;", e6},      {"NF@d3@;", e7},       {"PH@d3@;", e8},      {"CH@d4@;", e9},       {"HCN;", e10},
    {"CH@d2@O;", e11},    {"N@d2@;", e12},       {"O@d2@;", e13},      {"F@d2@;", e14},       {"H@d2@O@d2@;", e15},
    {"SF@d4@;", e16},     {"SF@d6@;", e17},      {"PF@d5@;", e18},     {"XeF@d2@;", e19},     {"XeF@d4@;", e20},
    {"BF@d3@;", e21},     {"NO@u+@;", e22},      {"NH@d4@@u+@;", e23}, {"HO@d2@@u-@;", e24},  {"CN@u-@;", e25},
    {"CO;", e26},         {"OH@u-@;", e27},      {"BF@d4@@u-@;", e28}, {"PF@d6@@u-@;", e29},  {"ClF@d3@;", e30},
    {"C@d2@H@d4@;", e31}, {"C@d2@H@d2@;", e32},  {"NO@d2@@u-@;", e33}, {"CO@d3@@u2-@;", e34}, {"NO@d3@@u-@;", e35},
    {"O@d3@;", e36},      {"SO@d3@@u2-@;", e37},
}};

}  // namespace

std::span<const LewisEntry> lewis_entries()
{
    return entries;
}
