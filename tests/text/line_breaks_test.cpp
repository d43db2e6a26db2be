#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "recorded_drawing.h"
#include "text/drawing_kit.h"
#include "text/justified_text.h"

// Body text is 8 pixels a character on the recording backend.
class LineBreaks : public RecordedDrawing {
protected:
    // The lines a paragraph justified from x = 0, y = 0 shows, each as its
    // drawn pieces joined by one blank (sub- and superscripts are pieces).
    std::vector<std::string> lines_of(std::int32_t x_right, const std::string& text)
    {
        draw_justified_text(0, x_right, 0, text);
        std::map<std::int32_t, std::string> by_line;
        for (const DrawnText& t : texts()) {
            const std::string_view piece = strip_blanks(t.text);
            if (piece.empty()) continue;
            std::string& line = by_line[(t.y + 8) / 16];
            if (!line.empty()) line += ' ';
            line += std::string(piece);
        }
        std::vector<std::string> lines;
        for (const auto& [row, line] : by_line) lines.push_back(line);
        return lines;
    }

    static std::string_view strip_blanks(std::string_view s)
    {
        const std::size_t first = s.find_first_not_of(' ');
        return first == std::string_view::npos ? "" : s.substr(first, s.find_last_not_of(' ') - first + 1);
    }
};

TEST_F(LineBreaks, ANumberKeepsItsUnitALabelItsNumberAFormulaItsTerms)
{
    struct Case {
        std::int32_t width;
        std::string text;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        // "1.35 F" is 48 pixels: at the end of a 100-pixel line it moves down whole.
        {100, "con Cu 1.35 F", {"con Cu", "1.35 F"}},
        {100, "a 1.832•10@u-3@ mol/L;", {"a", "1.832•10 -3 mol/L;"}},
        {176, "soluzione 2.0 J/(K•mol) e 25 oC", {"soluzione", "2.0 J/(K•mol) e 25 oC"}},
        // Not units: a word, a bracketed species.
        {72, "sono 2 moli", {"sono 2", "moli"}},
        {80, "sia 0.1 [Cu@u2+@]", {"sia 0.1", "[Cu 2+ ]"}},
        {64, "R: 0.121 M", {"R: 0.121 M"}},
        // The equation (14 characters) fits 120 pixels: it is not parted.
        {120, "la reazione A + B = C se", {"la reazione", "A + B = C se"}},
        // Wider than the line: it parts only before a "+" or "=".
        {72, "A@d2@ + B@d2@ = 2AB + C", {"A 2 + B 2", "= 2AB + C"}},
        // An equality keeps its sides, a formula its "-"; no line ends in "=".
        {72, "dove K = 1.8 M", {"dove", "K = 1.8 M"}},
        {96, "come G = H - TS", {"come", "G = H - TS"}},
        {56, "x = 1.25 = 2.5", {"x", "= 1.25", "= 2.5"}},
        {88, "se V =21.8 L?", {"se", "V =21.8 L?"}},
        // A formula without "=" as well: none ends a line on its operator.
        {120, "somma di 1.5 - 2.25", {"somma di", "1.5 - 2.25"}},
        {120, "il rapporto 7.1 / 6.98", {"il rapporto", "7.1 / 6.98"}},
        {64, "1.25 + 2.5 × 3.75", {"1.25", "+ 2.5", "× 3.75"}},
        // A run of blanks is one gap.
        {200, "uno   due", {"uno   due"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        mark();
        EXPECT_EQ(lines_of(c.width, c.text), c.lines);
    }
}

TEST_F(LineBreaks, AnAnswerBoxGrowsLeftToHoldAPieceItCannotBreak)
{
    // "R: 1.832•10-3 mol/L" is about 150 pixels; the limits leave 120.
    draw_answer_box(460, 580, 270, "1.832•10@u-3@ mol/L");
    const DrawnShape box = shapes("rect")[0];
    EXPECT_LE(box.x1, 585 - 150);
    EXPECT_LE(box.x2, 585);
    for (const DrawnText& t : texts()) EXPECT_LE(t.y, 271) << t.text;  // one line
}
