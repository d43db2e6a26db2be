// Markup to RTF: the codes a document keeps, the ones it drops, and the
// characters that RTF or its code page cannot take as they stand.
#include <gtest/gtest.h>

#include <string>

#include "export/rtf_export_markup.h"

namespace {

struct Case {
    const char* markup;
    const char* rtf;
};

class Conversion : public ::testing::TestWithParam<Case> {};

TEST_P(Conversion, WritesTheExpectedRtf)
{
    EXPECT_EQ(convert_markup_to_rtf(GetParam().markup), GetParam().rtf) << GetParam().markup;
}

INSTANTIATE_TEST_SUITE_P(
    Codes, Conversion,
    ::testing::Values(Case{"H@d2@O", "H\\sub 2\\nosupersub O"}, Case{"@bD@@iH@", "\\i\\f1 \\u916 D\\i0\\f0 \\i H\\i0 "},
                      // Symbol letters as their Greek letters, each with the letter to fall back on
                      Case{"@baApPwWJjVv@", "\\i\\f1 \\u945 a\\u913 A\\u960 p\\u928 P\\u969 w\\u937 W\\u977 J"
                                            "\\u981 j\\u962 V\\u982 v\\i0\\f0 "},
                      Case{"@b(D)-1@", "\\i\\f1 (\\u916 D)-1\\i0\\f0 "},  // signs stay in the Symbol font
                      Case{"CO@d2@", "CO\\sub 2\\nosupersub "},
                      Case{"Fe@u3+@ e Cl@u-@", "Fe\\super 3+\\nosupersub  e Cl\\super -\\nosupersub "},
                      Case{"@T1@@C1@Testo", "Testo"},
                      Case{"@T4@@C6@@c0000D0@@X12@@y-4@@r000000105000@@L110-60@@s9@a@t'Arial'h72be@b", "ab"},
                      Case{"a@@b", "ab"}, Case{"@D2@@U2@@I2@@B2@x", "x"},  // letters are case-sensitive
                      Case{"@d@", "\\sub \\nosupersub "},                  // empty argument
                      Case{"@d(aq)@@uo@", "\\sub (aq)\\nosupersub \\super o\\nosupersub "},
                      Case{"@d1 2@", "\\sub 1 2\\nosupersub "},  // blanks inside an argument stay
                      Case{"", ""}));

INSTANTIATE_TEST_SUITE_P(LoneAtSigns, Conversion,
                         ::testing::Values(Case{"prezzo @ 3", "prezzo @ 3"},  // no closing at sign: drawn, so written
                                           Case{"@d2", "@d2"},
                                           Case{"fine@", "fine"},  // a lone one at the end is not drawn
                                           Case{"fine@   ", "fine"}, Case{"H@d2@O @", "H\\sub 2\\nosupersub O "}));

INSTANTIATE_TEST_SUITE_P(Escapes, Conversion,
                         ::testing::Values(Case{"a\\b {c}", "a\\\\b \\{c\\}"},
                                           Case{"@d{x}@", "\\sub \\{x\\}\\nosupersub "},
                                           Case{"@i\\@", "\\i \\\\\\i0 "}));

INSTANTIATE_TEST_SUITE_P(CodePage, Conversion,
                         ::testing::Values(Case{"5.0•10@u-3@", "5.0\\'9510\\super -3\\nosupersub "},
                                           Case{"è à ò ù ì É", "\\'e8 \\'e0 \\'f2 \\'f9 \\'ec \\'c9"},
                                           Case{"Sì, perché Le Châtelier", "S\\'ec, perch\\'e9 Le Ch\\'e2telier"},
                                           Case{"µm Å × ° ±", "\\'b5m \\'c5 \\'d7 \\'b0 \\'b1"},
                                           Case{"€ – — “x” ‰", "\\'80 \\'96 \\'97 \\'93x\\'94 \\'89"},
                                           Case{"\xC2\xA0", "\\'a0"}));  // first byte the code page maps to itself

INSTANTIATE_TEST_SUITE_P(Unicode, Conversion,
                         ::testing::Values(Case{"α", "\\u945?"}, Case{"Ω ≥ →", "\\u937? \\u8805? \\u8594?"},
                                           Case{"\xEF\xBF\xBD",
                                                "\\u-3?"},  // U+FFFD: above 0x7FFF the number is negative
                                           Case{"\xE8\x80\x80", "\\u-32768?"},  // U+8000, the lowest negative
                                           Case{"\xE7\xBF\xBF", "\\u32767?"},   // U+7FFF, the highest positive
                                           Case{"\xC2\x81", "\\u129?"},         // C1 control without a code page byte
                                           Case{"😀", "\\u-10179?\\u-8704?"},    // outside 16 bits: a surrogate pair
                                           Case{"\xF4\x8F\xBF\xBF", "\\u-9217?\\u-8193?"}));

INSTANTIATE_TEST_SUITE_P(BrokenText, Conversion,
                         ::testing::Values(Case{"a\tb\nc\rd\x7F",
                                                "a b c d "},        // control characters would break the record
                                           Case{"\x95", "\\u-3?"},  // a stray Windows byte is not UTF-8
                                           Case{"\xC3", "\\u-3?"},  // cut sequence at the end
                                           Case{"\xC3(", "\\u-3?("}, Case{"\xC0\xAF", "\\u-3?\\u-3?"},  // overlong form
                                           Case{"\xED\xA0\x80", "\\u-3?\\u-3?\\u-3?"},            // encoded surrogate
                                           Case{"\xF4\x90\x80\x80", "\\u-3?\\u-3?\\u-3?\\u-3?"},  // beyond U+10FFFF
                                           Case{"\xFF@d\xFE@", "\\u-3?\\sub \\u-3?\\nosupersub "}));

TEST(Conversion, KeepsTextLongerThanAThousandCharacters)
{
    std::string markup;
    std::string rtf;
    for (int i = 0; i < 400; ++i) {
        markup += "H@d2@O è ";
        rtf += "H\\sub 2\\nosupersub O \\'e8 ";
    }
    EXPECT_EQ(convert_markup_to_rtf(markup), rtf);
}

TEST(Conversion, TextWithoutMarkupOnlyGetsEscapes)
{
    EXPECT_EQ(rtf_text("@d2@ {è}"), "@d2@ \\{\\'e8\\}");
}

}  // namespace
