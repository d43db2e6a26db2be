// The checks every_fault runs over what was drawn, and their geometry: for
// the layout check's own files, not its callers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "layout_check/layout_check.h"

namespace layout_check {

// Puts more at the end of found.
inline void append(std::vector<Fault>& found, std::vector<Fault> more)
{
    for (Fault& fault : more) found.push_back(std::move(fault));
}

// inner inside outer grown by tolerance on every side.
bool inside(const LayoutRect& inner, const LayoutRect& outer, std::int32_t tolerance = 0);

// A word of a paragraph's line, the rectangle it covers, and the width of a
// blank in its font.
struct LineWord {
    std::string text;
    std::int32_t x1 = 0, x2 = 0;
    std::int32_t blank = 0;
    std::int32_t y1 = 0, y2 = 0;
};

// Length of the part of a stroke's segment inside r.
double length_inside(const LayoutItem& stroke, const LayoutRect& r);

// The rectangles of the fills among items[from, to), in colour when one is
// given, that reach into span: those that may cover a pixel of it.
std::vector<LayoutRect> fills_over(const std::vector<LayoutItem>& items, std::size_t from, std::size_t to,
                                   const LayoutRect& span, std::optional<std::int32_t> colour = std::nullopt);

// A point between pixels, and its distance to the nearest point of a segment.
struct Centre {
    double x, y;
};
double distance_to_segment(const Centre& c, const QwPoint& a, const QwPoint& b);

// Faults of two lines of a paragraph, the upper one not its last: gaps
// spread wider than four blanks; an "=" ending the line, its value below; a
// formula parted at an operator that the line could have held whole.
std::vector<Fault> stretched_line(const std::vector<LineWord>& upper);
std::vector<Fault> equals_at_line_end(const std::vector<LineWord>& upper, const std::vector<LineWord>& lower);
std::vector<Fault> parted_formula(const std::vector<LineWord>& upper, const std::vector<LineWord>& lower);
// The rectangle that holds two words: a line's first and last, or the two
// that a line's end parts.
LayoutRect covering(const LineWord& a, const LineWord& b);

// Formal charges, "(+)" and "(" ")" around a raised minus, drawn over a
// stroke (a bond or a lone pair) or so close to another that the two read
// as one double charge.
std::vector<Fault> charge_faults(const std::vector<LayoutItem>& items);

// A point marked on a graph: a small filled ellipse.
bool is_marker(const LayoutItem& item);
// A point a plot marks: a dot of a few pixels (a simulation's molecules are
// larger) clipped to the plot's frame, which the page holds.
bool is_plotted_point(const LayoutItem& item);

// Points marked within 2 pixels of a line they do not lie on or of their
// plot's frame, or cut by the frame.
std::vector<Fault> marker_faults(const std::vector<LayoutItem>& items);

// Paths between two marked points that pass within
// plot_path_junction_clearance pixels of a point where three lines or more
// meet.
std::vector<Fault> junction_faults(const std::vector<LayoutItem>& items);

// Boxes whose border or shadow lies on another box's edge.
std::vector<Fault> box_faults(const std::vector<LayoutItem>& items);

// Texts among items that start inside field and run out of it.
std::vector<Fault> texts_out_of(const std::vector<LayoutItem>& items, const LayoutRect& field);

}  // namespace layout_check
