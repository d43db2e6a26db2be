#include <gtest/gtest.h>

#include <string>

#include "recorded_drawing.h"
#include "text/article_name.h"
#include "text/fonts_colours.h"
#include "text/markup_text.h"

TEST(JoinArticleToName, ItalianTails)
{
    struct Case {
        const char* name;
        const char* joined;
    };
    for (const Case c :
         {Case{"sodio", "el sodio"}, Case{"ossigeno", "ell'ossigeno"}, Case{"azoto", "ell'azoto"},
          Case{"uranio", "ell'uranio"}, Case{"iodio", "ello iodio"}, Case{"iridio", "ell'iridio"},
          Case{"stagno", "ello stagno"}, Case{"scandio", "ello scandio"}, Case{"zinco", "ello zinco"},
          Case{"xeno", "ello xeno"}, Case{"silicio", "el silicio"}, Case{"Argon", "el Argon"}, Case{"", "el "},
          Case{"fosfina", "ella fosfina"}, Case{"formaldeide", "ella formaldeide"}, Case{"acqua", "ell'acqua"},
          Case{"acido solforico", "ell'acido solforico"}, Case{"ossido di sodio", "ell'ossido di sodio"}}) {
        EXPECT_EQ(join_article_to_name(c.name), c.joined) << c.name;
    }
}

TEST(ArticleBeforeNumber, FollowsTheNumberAsItIsRead)
{
    struct Case {
        const char* stem;
        const char* number;
        const char* article;
    };
    for (const Case c : {Case{"a", "82.9", "all'"}, Case{"a", "20.7", "al "},   Case{"", "8", "l'"},
                         Case{"", "43", "il "},     Case{"de", "11", "dell'"},  Case{"de", "18", "del "},
                         Case{"a", "1", "all'"},    Case{"a", "1.5", "all'"},   Case{"a", "10", "al "},
                         Case{"", "0.023", "lo "},  Case{"a", "0.5", "allo "},  Case{"", "800", "l'"},
                         Case{"", "180", "il "},    Case{"", "1000", "il "},    Case{"", "8000", "l'"},
                         Case{"", "11500", "l'"},   Case{"", "1000000", "l'"},  Case{"", "110", "il "},
                         Case{"ne", "-8", "nel "},  Case{"su", "88.1", "sull'"}}) {
        EXPECT_EQ(article_before_number(c.stem, c.number), c.article) << c.stem << " " << c.number;
    }
}

TEST(AndBefore, TakesItsDBeforeAnE)
{
    EXPECT_EQ(and_before("etano"), " ed ");
    EXPECT_EQ(and_before("elio"), " ed ");
    EXPECT_EQ(and_before("azoto"), " e ");
    EXPECT_EQ(and_before(""), " e ");
}

TEST(ABefore, TakesItsDBeforeAVowel)
{
    EXPECT_EQ(a_before("argento"), "ad");
    EXPECT_EQ(a_before("idrogeno"), "ad");
    EXPECT_EQ(a_before("oro"), "ad");
    EXPECT_EQ(a_before("rame"), "a");
    EXPECT_EQ(a_before(""), "a");
}

using FontsAndColours = RecordedDrawing;

TEST_F(FontsAndColours, TablesAsSetUp)
{
    EXPECT_EQ(font_table.option[1], "t'Arial'h16b");
    EXPECT_EQ(font_table.option[6], "t'Symbol'h20bi");
    EXPECT_EQ(font_table.option[12], "t'Arial'h14be");
    EXPECT_TRUE(font_table.option[13].empty());
    EXPECT_EQ(colour_table.colour[2], 0xAA0000);
    EXPECT_EQ(colour_table.colour[7], 0x00FFFF);
    EXPECT_EQ(colour_table.colour[8], 0);
    EXPECT_EQ(renderer_state.current_font_number, 1);
    EXPECT_EQ(renderer_state.current_colour_number, 1);
}

TEST_F(FontsAndColours, RefusedFontKeepsThePreviousOne)
{
    select_font(9);
    select_font(13);  // a blank entry: the platform refuses it
    EXPECT_EQ(renderer_state.current_font_number, 13);
    draw_markup_text(0, 0, "a");
    EXPECT_EQ(texts().back().font, "t'Arial'h36be");
    select_font(21);  // outside the table: nothing happens
    select_colour(0);
    EXPECT_EQ(renderer_state.current_font_number, 13);
    EXPECT_EQ(renderer_state.current_colour_number, 1);
}
