// Font option texts, faces and the Symbol encoding.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "platform/font_options.h"

namespace {

using platform::parse_font_options;

struct OptionCase {
    std::string text;
    const char* face;
    int height;
    bool best_fit, bold, italic;
};

TEST(FontOptions, ParsesTheProgramsOptionTexts)
{
    const OptionCase cases[] = {
        {"t'Arial'h16b", "Arial", 16, true, false, false},
        {"t'Arial'h16bei", "Arial", 16, true, true, true},
        {"t'Symbol'h20bi", "Symbol", 20, true, false, true},
        {"t'Times New Roman'h14e", "Times New Roman", 14, false, true, false},
        {"t'Courier New'h12", "Courier New", 12, false, false, false},
        {"h16t'Arial'", "Arial", 16, false, false, false},
        {"t'Arial'h16b                                  ", "Arial", 16, true, false, false},
        {std::string("t'Arial'h14b\0\0\0\0", 16), "Arial", 14, true, false, false},
        {"T'Arial'H16B", "Arial", 16, true, false, false},
    };
    for (const OptionCase& c : cases) {
        const auto request = parse_font_options(c.text);
        ASSERT_TRUE(request.has_value()) << c.text;
        EXPECT_EQ(request->face, c.face) << c.text;
        EXPECT_EQ(request->cell_height, c.height) << c.text;
        EXPECT_EQ(request->best_fit, c.best_fit) << c.text;
        EXPECT_EQ(request->bold, c.bold) << c.text;
        EXPECT_EQ(request->italic, c.italic) << c.text;
        // Written back in the program's order of options, it reads the same.
        const auto again = parse_font_options(platform::font_options_text(*request));
        ASSERT_TRUE(again.has_value()) << c.text;
        EXPECT_EQ(platform::font_options_text(*again), platform::font_options_text(*request)) << c.text;
        EXPECT_EQ(again->face, c.face) << c.text;
        EXPECT_EQ(again->cell_height, c.height) << c.text;
        EXPECT_EQ(std::tuple(again->best_fit, again->bold, again->italic), std::tuple(c.best_fit, c.bold, c.italic))
            << c.text;
    }
    EXPECT_EQ(platform::font_options_text(*parse_font_options("t'Arial'h16bei")), "t'Arial'h16bei");
    EXPECT_EQ(platform::font_options_text(*parse_font_options("ieh9t'Arial'")), "t'Arial'h9ei");
}

TEST(FontOptions, RejectsMalformedTexts)
{
    for (const std::string text :
         {"", "   ", "t'Arial'", "h16", "t'Arial h16", "t''h16", "t'Arial'h0", "t'Arial'h", "t'Arial'h1001",
          "t'Arial'h99999999999999999999", "t'Arial'h16x", "tArial'h16", "t'Arial'h-3"}) {
        EXPECT_FALSE(parse_font_options(text).has_value()) << text;
    }
}

TEST(FontOptions, FacesMapToInstalledFamilies)
{
    EXPECT_EQ(platform::font_family_for_face("Arial"), "Liberation Sans");
    EXPECT_EQ(platform::font_family_for_face("arial"), "Liberation Sans");
    // Faces the program never draws are not carried.
    EXPECT_EQ(platform::font_family_for_face("Times New Roman"), "");
    EXPECT_EQ(platform::font_family_for_face("Courier New"), "");
    EXPECT_FALSE(platform::font_family_for_face("Symbol").empty());
    EXPECT_EQ(platform::font_family_for_face("Wingdings"), "");
    EXPECT_TRUE(platform::is_symbol_face("SYMBOL"));
    EXPECT_FALSE(platform::is_symbol_face("Arial"));
}

TEST(FontOptions, SymbolLettersBecomeGreek)
{
    EXPECT_EQ(platform::symbol_to_greek("abgdDpsmlnW"), "αβγδΔπσμλνΩ");
    EXPECT_EQ(platform::symbol_to_greek("qrtcfh"), "θρτχφη");
    EXPECT_EQ(platform::symbol_to_greek("D H = -12,5"), "Δ Η = -12,5");
}

}  // namespace
