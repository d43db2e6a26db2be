// The layout check on small drawings made for it: each kind of fault it
// looks for, seen where a student would see it and not where the drawing is
// as meant.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "layout_check/layout_check.h"
#include "platform/backend.h"
#include "platform/graphics.h"
#include "platform/qt/qt_application.h"

namespace {

using K = layout_check::FaultKind;

// A fault the check should find: its kind, and the pixels it counts where
// its kind counts some; and, when given, the line the snapshot tool prints.
struct Seen {
    K kind;
    std::int32_t pixels = 0;
    const char* line = nullptr;
};

struct Case {
    const char* name;
    std::function<void()> draw;
    std::optional<Seen> seen;  // none: the drawing is clean
};

class LayoutCheck : public ::testing::Test {
protected:
    void SetUp() override { platform::install_backend(&recorder); }
    void TearDown() override { platform::install_backend(nullptr); }

    void expect(const std::vector<Case>& cases)
    {
        for (const Case& c : cases) {
            recorder.clear();
            c.draw();
            const std::vector<layout_check::Fault> found = recorder.every_fault({0, 0, 600, 400});
            std::string lines;
            for (const layout_check::Fault& fault : found) lines += layout_check::sentence(fault) + "\n";
            if (!c.seen) {
                EXPECT_EQ(lines, "") << c.name;
                continue;
            }
            const auto seen = std::ranges::find_if(found, [&c](const layout_check::Fault& fault) {
                return fault.kind == c.seen->kind && fault.pixels == c.seen->pixels &&
                       (c.seen->line == nullptr || layout_check::sentence(fault) == c.seen->line);
            });
            EXPECT_NE(seen, found.end()) << c.name << ": " << lines;
        }
    }

    platform::qt::Session session;
    layout_check::LayoutRecorder recorder{session.backend()};
};

// A graph's frame from (200, 120) to (400, 270) with lines, and points of
// a radius clipped to the frame.
Case plot(const char* name, std::vector<std::array<std::int32_t, 4>> lines, std::vector<QwPoint> points,
          std::int32_t radius, std::optional<Seen> seen)
{
    return {name,
            [lines, points, radius] {
                qw_set_color_rgb(0xFFEFEF);
                qw_rectangle(QwControl::filled, 160, 110, 410, 287);
                qw_set_color_rgb(0);
                qw_rectangle(QwControl::outline, 200, 120, 400, 270);
                for (const auto& [x1, y1, x2, y2] : lines) {
                    qw_move_to(x1, y1);
                    qw_line_to(x2, y2);
                }
                qw_set_clip_region(200, 120, 400, 270);
                qw_set_color_rgb(0xFF0000);
                for (const QwPoint& p : points)
                    qw_ellipse(QwControl::filled, p.x - radius, p.y - radius, p.x + radius, p.y + radius);
                qw_set_clip_region(0, 0, 1600, 1600);
            },
            seen};
}

TEST_F(LayoutCheck, SeesAPointOnAFrameOrBesideALineItIsNotCentredOn)
{
    // A boundary down x = 300 from y = 140; a dot's radius is 2.
    constexpr std::array<std::int32_t, 4> boundary{300, 140, 300, 270};
    expect({
        plot("two clear pixels from a boundary", {boundary}, {{305, 200}}, 2,
             Seen{K::point_near_line, 2, "punto segnato (303,198)-(307,202) a 2 pixel dal tratto (300,140)-(300,270)"}),
        plot("three clear pixels from it", {boundary}, {{306, 200}}, 2, {}),
        plot("centred on a boundary with one other point", {boundary}, {{300, 150}, {300, 200}}, 2, {}),
        plot("centred a pixel off a boundary", {boundary}, {{301, 200}}, 2, {}),
        plot("centred on a slanting boundary", {{250, 140, 290, 260}}, {{270, 200}}, 2, {}),
        plot("its edge on a boundary", {boundary}, {{302, 200}}, 2,
             Seen{K::point_near_line, 0, "punto segnato (300,198)-(304,202) sul tratto (300,140)-(300,270)"}),
        plot("on a line through the data", {{200, 250, 400, 150}}, {{250, 225}, {302, 200}, {350, 174}}, 2, {}),
        plot("at the ends of a path", {{250, 200, 350, 200}}, {{250, 200}, {350, 200}}, 2, {}),
        plot("beside the axis through zero", {{200, 195, 400, 195}}, {{260, 197}}, 2, {}),
        plot("two clear pixels inside the frame", {}, {{250, 125}}, 2, Seen{K::point_near_frame, 2}),
        plot("half outside the frame", {}, {{200, 200}}, 2, Seen{K::point_cut_by_frame}),
        plot("a molecule, larger than a dot", {boundary}, {{304, 200}}, 4, {}),
    });
    // A curve drawn, as the plots draw them, in pieces a pixel long.
    std::vector<std::array<std::int32_t, 4>> curve;
    for (std::int32_t x = 250; x < 350; ++x) curve.push_back({x, 200 + (x >= 300), x + 1, 200 + (x + 1 >= 300)});
    expect({
        plot("centred on a curve of short pieces", curve, {{300, 200}}, 2, {}),
        plot("two clear pixels from a curve of short pieces", curve, {{280, 195}}, 2, Seen{K::point_near_line, 2}),
    });
}

// Three lines meeting at (300, 200) as a phase diagram's boundaries meet at
// its triple point: from the left, up to the right and steeply up, each in
// pieces a column long and drawn twice, as the figures draw them; and a
// path between two points.
Case junction(const char* name, QwPoint from, QwPoint to, std::optional<Seen> seen)
{
    return {name,
            [from, to] {
                qw_set_color_rgb(0xFFEFEF);
                qw_rectangle(QwControl::filled, 160, 110, 410, 287);
                qw_set_color_rgb(0);
                qw_rectangle(QwControl::outline, 200, 120, 400, 270);
                qw_set_clip_region(200, 120, 400, 270);
                const auto curve = [](std::int32_t x1, std::int32_t x2, double slope) {
                    for (std::int32_t x = x1; x < x2; ++x) {
                        qw_move_to(x, 200 - static_cast<std::int32_t>(slope * (x - 300)));
                        qw_line_to(x + 1, 200 - static_cast<std::int32_t>(slope * (x + 1 - 300)));
                    }
                };
                for (std::int32_t pass = 0; pass < 2; ++pass) {
                    curve(200, 300, 0.5);
                    curve(300, 400, 0.6);
                    curve(300, 330, 2.6);
                    if (pass == 1) break;
                    qw_set_color_rgb(0x00AA00);
                    qw_move_to(from.x, from.y);
                    qw_line_to(to.x, to.y);
                    qw_set_color_rgb(0xFF0000);
                    for (const QwPoint& p : {from, to})
                        qw_ellipse(QwControl::filled, p.x - 2, p.y - 2, p.x + 2, p.y + 2);
                    qw_set_color_rgb(0);
                }
                qw_set_clip_region(0, 0, 1600, 1600);
            },
            seen};
}

TEST_F(LayoutCheck, SeesAPathPassingWhereThreeLinesMeet)
{
    expect({
        junction("through the meeting point", {300, 140}, {300, 260}, Seen{K::path_near_junction, 0}),
        junction("five pixels beside it", {295, 140}, {295, 260},
                 Seen{K::path_near_junction, 5,
                      "percorso (295,140)-(295,260) a 5 pixel dall'incontro delle linee in (300,200)"}),
        junction("six pixels beside it", {294, 140}, {294, 260}, {}),
        junction("across, five pixels above it", {230, 195}, {380, 195}, Seen{K::path_near_junction, 5}),
        junction("ending five pixels short of it", {300, 260}, {300, 205}, Seen{K::path_near_junction, 5}),
        junction("ending seven pixels short of it", {300, 260}, {300, 207}, {}),
        junction("across one line where its pieces meet", {250, 160}, {250, 260}, {}),
    });
}

void box(std::int32_t colour, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, bool border)
{
    qw_set_color_rgb(colour);
    qw_rectangle(QwControl::filled, x1, y1, x2, y2);
    qw_set_color_rgb(0);
    if (border) qw_rectangle(QwControl::outline, x1, y1, x2, y2);
}

struct Box {
    bool shadow;  // 4 pixels down and right, drawn before the box
    std::int32_t colour, x1, y1, x2, y2;
    bool border;
};

Case boxes(const char* name, std::vector<Box> drawn, std::optional<Seen> seen)
{
    return {name,
            [drawn] {
                for (const Box& b : drawn) {
                    if (b.shadow) box(0x555555, b.x1 + 4, b.y1 + 4, b.x2 + 4, b.y2 + 4, false);
                    box(b.colour, b.x1, b.y1, b.x2, b.y2, b.border);
                }
            },
            seen};
}

TEST_F(LayoutCheck, SeesABoxLeftWithoutAnEdgeAgainstAnother)
{
    // A statement's box from (160, 20) to (560, 100), its shadow to (564, 104).
    constexpr Box statement{true, 0xFFF8F8, 160, 20, 560, 100, true};
    expect({
        boxes("a fact box under the shadow", {statement, {false, 0xD9D9E4, 170, 105, 470, 200, false}},
              Seen{K::box_on_shadow, 0,
                   "riquadro (170,105)-(470,200) attaccato all'ombra del riquadro (160,20)-(560,100)"}),
        boxes("a fact box a pixel below it", {statement, {false, 0xD9D9E4, 170, 106, 470, 200, false}}, {}),
        boxes("a bordered answer over the shadow", {statement, {false, 0x00FAFA, 355, 101, 515, 123, true}}, {}),
        boxes("a panel under the answer's border",
              {{false, 0x00FAFA, 355, 98, 515, 120, true}, {false, 0xFFEFEF, 360, 121, 590, 287, false}},
              Seen{K::box_on_border}),
        boxes("a box whose shadow falls on a panel",
              {{false, 0xFFEFEF, 160, 105, 350, 280, false}, {true, 0xFFF8F8, 200, 20, 560, 101, true}},
              Seen{K::shadow_on_box}),
        boxes("a title bar inside its box", {statement, {false, 0xCCCCCC, 161, 21, 559, 37, false}}, {}),
    });
}

// Words on one line, from x, with the given gaps between them.
void words(std::int32_t x, std::int32_t y, const std::vector<std::string_view>& texts,
           const std::vector<std::int32_t>& gaps)
{
    for (std::size_t k = 0; k < texts.size(); ++k) {
        qw_move_to(x, y);
        qw_out_text(texts[k]);
        x += qw_get_text_extent(texts[k]) + (k < gaps.size() ? gaps[k] : 0);
    }
}

TEST_F(LayoutCheck, SeesAFormulaPartedAtAnOperatorThatItsLineCouldHold)
{
    const auto paragraph = [](std::vector<std::string_view> upper, std::vector<std::string_view> lower) {
        return [upper, lower] {
            qw_set_font("t'Arial'h16");
            const std::int32_t blank = qw_get_text_extent(" ");
            words(160, 50, upper, std::vector<std::int32_t>(upper.size(), blank));
            words(160, 66, lower, std::vector<std::int32_t>(lower.size(), blank));
        };
    };
    expect({
        {"after a minus", paragraph({"dell'espressione", "-5.13", "-"}, {"8.6", "e", "poi"}),
         Seen{K::formula_parted, 0, "formula spezzata tra \"-\" e \"8.6\" benché la riga la contenga"}},
        {"before a plus", paragraph({"dell'espressione", "3.17"}, {"+", "7.6", "e", "poi"}), Seen{K::formula_parted}},
        {"after a division", paragraph({"il", "rapporto", "2.7256", "/"}, {"0.0670"}), Seen{K::formula_parted}},
        {"after a times", paragraph({"il", "prodotto", "5.910", "×"}, {"3.0"}), Seen{K::formula_parted}},
        {"a formula longer than its line", paragraph({"2.7256", "/"}, {"0.0670"}), {}},
        {"a dash in words", paragraph({"la", "coppia", "acido-base"}, {"coniugata"}), {}},
    });
}

TEST_F(LayoutCheck, SeesAJustifiedLineStretchedPastFourBlanks)
{
    const auto lines = [](std::vector<std::int32_t> gaps, bool last) {
        return [gaps, last] {
            qw_set_font("t'Arial'h16");
            words(160, 50, {"Calcolare", "il", "pH", "della", "soluzione"}, gaps);
            if (!last) words(160, 66, {"ottenuta"}, {});
        };
    };
    qw_set_font("t'Arial'h16");
    ASSERT_EQ(qw_get_text_extent(" "), 4);
    expect({
        {"gaps of 20", lines({20, 20, 20, 20}, false),
         Seen{K::stretched_line, 20,
              "riga stirata: 20 pixel tra le parole di \"Calcolare ... soluzione\", dove una riga non "
              "giustificata ne lascia 4"}},
        {"gaps of 16 and 17", lines({16, 17, 16, 17}, false), Seen{K::stretched_line, 17}},
        {"gaps of 16", lines({16, 16, 16, 16}, false), {}},
        {"a piece kept whole", lines({4, 4, 20, 20}, false), Seen{K::stretched_line, 20}},
        {"tab stops", lines({20, 35, 20, 50}, false), {}},
        {"the last line", lines({20, 20, 20, 20}, true), {}},
    });
}

TEST_F(LayoutCheck, SeesTextsOntoTextsAndOnOrPastTheirBoxsEdge)
{
    // After "0.519." at (160, 72) on a panel from (150, 60) to (300, 200).
    // x < 0: the text ends |x| pixels left of the panel's right edge.
    const auto panel = [](std::string_view text, std::int32_t x, std::int32_t y, bool border) {
        return [text, x, y, border] {
            qw_set_font("t'Arial'h16");
            box(0xEFEFFF, 150, 60, 300, 200, border);
            qw_move_to(160, 72);
            qw_out_text("0.519.");
            qw_move_to(x >= 0 ? x : 301 + x - qw_get_text_extent(text), y);
            qw_out_text(text);
        };
    };
    // "ln(P)" drawn in pieces, as markup draws it: "(P" ends at the panel's edge.
    const auto pieces = [] {
        qw_set_font("t'Arial'h16");
        box(0xEFEFFF, 150, 60, 300, 200, false);
        qw_move_to(300 - qw_get_text_extent("ln(P") + 1, 150);
        qw_out_text("ln(P");
        qw_out_text(")");
    };
    // Two bold letters drawn one by one, the second pulled n columns left:
    // "Sc" stand two columns apart, "ce" one.
    const auto pulled = [](std::string_view pair, std::int32_t n) {
        return [pair, n] {
            qw_set_font("t'Arial'h16be");
            box(0xEFEFFF, 150, 60, 300, 200, false);
            qw_move_to(160, 100);
            qw_out_text(pair.substr(0, 1));
            qw_move_to(160 + qw_get_text_extent(pair.substr(0, 1)) - n, 100);
            qw_out_text(pair.substr(1));
        };
    };
    expect({
        {"c a column nearer S", pulled("Sc", 1), {}},
        {"c two nearer S", pulled("Sc", 2), Seen{K::text_against_text}},
        {"e a column nearer c", pulled("ce", 1), Seen{K::text_against_text}},
        {"x on the digits' line", panel("x", 185, 80, false),
         Seen{K::text_against_text, 0, "testo \"x\" (185,80) scritto a contatto del testo \"0.519.\" (160,72)"}},
        {"x below them", panel("x", 185, 89, false), {}},
        {"x after them", panel("x", 230, 72, false), {}},
        {"ln(P) past the edge", panel("ln(P)", 285, 150, false), Seen{K::text_cut_by_panel}},
        {"ln(P) inside", panel("ln(P)", 265, 150, false), {}},
        {"its last piece past the edge", pieces, Seen{K::text_cut_by_panel}},
        {"T a pixel from the border", panel("T", -1, 150, true),
         Seen{K::text_on_panel_edge, 0, "testo \"T\" (291,150) tocca il bordo del suo riquadro (150,60)-(300,200)"}},
        {"T inside the border", panel("T", 280, 150, true), {}},
    });
}

TEST_F(LayoutCheck, SeesLettersOfTwoLinesTouchWhereThePageShowsThem)
{
    // A paragraph's "parametri" at (160, 50) on a box, a Greek "β" of the
    // line below at (164, y); the ground, when given, is drawn first and
    // again over the box, as a page takes back its fact.
    const auto lines = [](std::int32_t y, bool ground_again) {
        return [y, ground_again] {
            box(0x6296E1, 0, 0, 600, 400, false);
            box(0xD9D9E4, 150, 40, 300, 90, false);
            qw_set_font("t'Arial'h16");
            qw_move_to(160, 50);
            qw_out_text("parametri");
            qw_set_font("t'Symbol'h20bi");
            qw_move_to(164, y);
            qw_out_text("b");
            if (ground_again) box(0x6296E1, 150, 40, 300, 90, false);
        };
    };
    expect({
        {"its ink meeting the p's descender", lines(60, false),
         Seen{K::text_touches_text, 0, "testo \"b\" (164,60) tocca il testo \"parametri\" (160,50)"}},
        {"a pixel lower", lines(61, false), {}},
        {"meeting it, then covered by the ground", lines(60, true), {}},
    });
}

TEST_F(LayoutCheck, SeesAChargesBracketOnALonePair)
{
    // "(+)" at (200, 100), a lone pair's bar from its right edge at row y:
    // below the middle of the cell, where only the brackets' tails reach.
    const auto charge = [](std::int32_t y) {
        return [y] {
            qw_set_font("t'Arial'h16");
            qw_move_to(200, 100);
            qw_out_text("(+)");
            const std::int32_t x = 200 + qw_get_text_extent("(+");
            qw_move_to(x, y);
            qw_line_to(x + 12, y);
        };
    };
    expect({
        {"the bar at the bracket's tail", charge(116),
         Seen{K::charge_touches_stroke, 0, "carica (+) (200,104) tocca un legame o un doppietto (213,116)"}},
        {"a pixel below it", charge(117), {}},
    });
}

TEST_F(LayoutCheck, SeesATextOnItsBoxsBorderOrOnARuleDrawnBeforeIt)
{
    // A bar's border from (158, 54) to (177, 267), a text at x drawn after it
    // (x < 0: ending |x| pixels left of the right side).
    const auto bar = [](std::int32_t x) {
        return [x] {
            qw_set_color_rgb(0x8899AA);
            qw_rectangle(QwControl::outline, 158, 54, 177, 267);
            qw_set_font("t'Arial'h14b");
            qw_move_to(x >= 0 ? x : 178 + x - qw_get_text_extent("pK"), 150);
            qw_out_text("pK");
        };
    };
    // A level rule from x 251 to 289 at y 100, drawn before its number.
    const auto rule = [](std::int32_t rule_left, std::int32_t number_x) {
        return [rule_left, number_x] {
            qw_set_color_rgb(0x999999);
            qw_move_to(rule_left, 100);
            qw_line_to(rule_left + 38, 100);
            qw_set_font("t'Arial'h16b");
            qw_move_to(number_x, 92);
            qw_out_text("40");
        };
    };
    expect({
        {"a text against the right side of its box", bar(-1),
         Seen{K::text_touched_by_rule, 0, "testo \"pK\" (162,153)-(176,160) toccato dal tratto (177,54)-(177,267)"}},
        {"a text two pixels inside", bar(160), {}},
        {"a text outside, two pixels off its side", bar(180), {}},
        {"a number on a rule drawn before it", rule(251, 263),
         Seen{K::text_crossed_earlier, 0,
              "testo \"40\" (263,96)-(278,103) attraversato dal tratto (251,100)-(289,100), disegnato prima"}},
        {"a number beside its rule", rule(273, 254), {}},
    });
}

// A rounded button as the widgets draw it, its end circles of radius r
// centred at (x, y) and (x + w, y), or (x, y + w) standing; the label's
// cell from (label_x, label_y), and a text after it elsewhere when given.
Case button(const char* name, bool standing, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t r,
            std::int32_t label_x, std::int32_t label_y, std::string_view label, std::optional<Seen> seen,
            std::string_view after = "")
{
    return {name,
            [=] {
                const QwPoint second = standing ? QwPoint{x, y + w} : QwPoint{x + w, y};
                qw_set_color_rgb(0xDD9988);
                for (const QwPoint c : {QwPoint{x, y}, second})
                    qw_ellipse(QwControl::filled, c.x - r, c.y - r, c.x + r, c.y + r);
                qw_set_color_rgb(0xBB8888);
                if (standing)
                    qw_rectangle(QwControl::outline, x - r, y, x + r, y + w);
                else
                    qw_rectangle(QwControl::outline, x, y - r, x + w, y + r);
                qw_set_color_rgb(0xDD9988);
                if (standing)
                    qw_rectangle(QwControl::filled, x - r + 1, y, x + r - 1, y + w);
                else
                    qw_rectangle(QwControl::filled, x, y - r + 1, x + w, y + r - 1);
                qw_set_font("t'Arial'h16be");
                qw_set_color_rgb(0xFFFFFF);
                qw_move_to(label_x, label_y);
                qw_out_text(label);
                if (after.empty()) return;
                qw_set_color_rgb(0);
                qw_move_to(x, y + 30);
                qw_out_text(after);
            },
            seen};
}

TEST_F(LayoutCheck, SeesAButtonsLabelCrowdingItsOutline)
{
    // Bars of radius 10 across y = 200: the cell of a 16-pixel font drawn
    // from y = 192 puts the top of its capitals 5 pixels above the middle.
    expect({
        button("a label with room on its bar", false, 300, 200, 100, 10, 320, 192, "Cancella", {}),
        button("a label into both round ends", false, 300, 200, 40, 10, 292, 192, "Cancella",
               Seen{K::label_off_button}),
        button("a label a pixel from a long edge", false, 300, 200, 100, 10, 320, 189, "Cancella",
               Seen{K::label_off_button, 1,
                    "testo \"Cancella\" (320,189) a 1 pixel dal bordo del suo pulsante (290,190)-(410,210)"}),
        button("a label two pixels from a long edge", false, 300, 200, 100, 10, 320, 190, "Cancella", {}),
        button("a text after the button, off it", false, 300, 200, 100, 10, 320, 192, "Cancella", {},
               "Credits a sinistra del pulsante"),
        button("a label edge to edge on a standing bar", true, 300, 200, 21, 10, 290, 202, "OK",
               Seen{K::label_off_button}),
    });
}

}  // namespace
