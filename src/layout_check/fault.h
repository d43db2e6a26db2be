// A fault the layout check finds, as data: what kind it is, where, and the
// texts it involves. Its Italian sentence is written only when it is shown,
// so that sweeps and their lists of known faults match kinds and places.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace layout_check {

struct LayoutRect {
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // inclusive corners
    bool operator==(const LayoutRect&) const = default;
};

// "(x1,y1)-(x2,y2)", as the faults name places.
std::string corners(const LayoutRect& r);

enum class FaultKind {
    // rect: a text's; texts: its own.
    text_out_of_area,   // leaves the area of the problem
    text_out_of_field,  // starts in its field and leaves it
    // rect: a text's, other: what meets it; texts: the text's, then the other's.
    text_out_of_box,       // runs out of the box it starts in
    text_off_disc,         // starts on a disc and runs off its round edge
    text_covered,          // a fill drawn after it covers it
    text_on_text,          // written on a text drawn before it
    text_crossed,          // a stroke drawn after it crosses it
    text_crossed_earlier,  // a rule drawn before it runs through it
    text_touched_by_rule,  // a rule runs along its edge
    text_under_point,      // a marked point lies on or beside it
    stroke_covered,        // rect: a stroke, other: the fill drawn over it
    // rect: a text's cell, other: the other's cell or its panel; texts as above.
    text_against_text,   // its ink meets another's
    text_touches_text,   // its ink meets the line above's, within that line's spacing
    text_cut_by_panel,   // its ink runs past its panel's edge
    text_on_panel_edge,  // its ink on its panel's border or a pixel from it
    label_off_button,    // other: the button; pixels: of the bar left beside the ink
    // Words of a paragraph's lines, upper then lower; rect: both.
    unit_parted,     // a number ending a line, its unit starting the next
    equals_parted,   // "=" ending a line, the value below
    formula_parted,  // a formula parted at an operator the line could hold whole
    stretched_line,  // texts: the line's first and last words; pixels: the widest gap; blank
    // rect: the point's disc; other: its plot's frame or the line it is near;
    // pixels: clear between them (0: on it).
    point_cut_by_frame,
    point_near_frame,
    point_near_line,
    path_near_junction,  // rect: the path; other: where the lines meet; pixels: the distance
    // rect: one box's body, other: the other box's body.
    shadow_on_box,
    box_on_shadow,
    box_on_border,
    // rect: the charge's, other: the stroke's or the other charge's; texts: the charges.
    charge_on_stroke,
    charge_touches_stroke,
    charges_joined,
    // rect: the element drawn over, other: the one under it; texts: their names.
    elements_overlap,
};

struct Fault {
    FaultKind kind = FaultKind::text_out_of_area;
    LayoutRect rect;
    LayoutRect other;
    std::vector<std::string> texts;
    std::int32_t pixels = 0;
    std::int32_t blank = 0;  // a stretched line's: the width of a blank in its font
    bool operator==(const Fault&) const = default;
};

// The fault as the snapshot tool prints it, in Italian.
std::string sentence(const Fault& fault);

}  // namespace layout_check
