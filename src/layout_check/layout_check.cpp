#include "layout_check/layout_check.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "layout_check/ink_grid.h"
#include "layout_check/item_checks.h"

#include "text/line_breaks.h"

namespace layout_check {

namespace {

using Kind = LayoutItem::Kind;

// Overlaps of one or two pixels are anti-aliasing and touching borders, not
// something a student would notice.
constexpr std::int32_t min_overlap = 3;

bool overlap(const LayoutRect& a, const LayoutRect& b, std::int32_t margin = min_overlap)
{
    return std::min(a.x2, b.x2) - std::max(a.x1, b.x1) + 1 >= margin &&
           std::min(a.y2, b.y2) - std::max(a.y1, b.y1) + 1 >= margin;
}

bool contains_point(const LayoutRect& r, std::int32_t x, std::int32_t y)
{
    return x >= r.x1 && x <= r.x2 && y >= r.y1 && y <= r.y2;
}

LayoutRect intersection(const LayoutRect& a, const LayoutRect& b)
{
    return {std::max(a.x1, b.x1), std::max(a.y1, b.y1), std::min(a.x2, b.x2), std::min(a.y2, b.y2)};
}

LayoutRect shrunk(const LayoutRect& r, std::int32_t by)
{
    return {r.x1 + by, r.y1 + by, r.x2 - by, r.y2 - by};
}

// A fault of a text, or of a stroke, and what meets it: their rectangles
// and texts.
Fault fault_of(FaultKind kind, const LayoutItem& item, const LayoutItem& other)
{
    Fault fault{kind, item.rect, other.rect, {}};
    for (const LayoutItem* involved : {&item, &other})
        if (involved->kind == Kind::text) fault.texts.push_back(involved->text);
    return fault;
}

// A text written at the same place after the fill: the same text, a
// highlight or a redraw, which shows it whole again; or, when the fill wiped
// it out, any in its font, a value shown anew as a counter's digit.
bool redrawn_after(const std::vector<LayoutItem>& items, std::size_t text, std::size_t fill)
{
    const bool wiped = inside(items[text].rect, items[fill].rect, 0);
    for (std::size_t k = fill + 1; k < items.size(); ++k) {
        if (items[k].kind == Kind::text && items[k].rect.x1 == items[text].rect.x1 &&
            items[k].rect.y1 == items[text].rect.y1 &&
            (items[k].text == items[text].text || (wiped && items[k].font == items[text].font)))
            return true;
    }
    return false;
}

// A text drawn twice a pixel or two apart is a shadow or a bold stroke.
bool shadow_of(const LayoutItem& a, const LayoutItem& b)
{
    return a.text == b.text && std::abs(a.rect.x1 - b.rect.x1) <= 2 && std::abs(a.rect.y1 - b.rect.y1) <= 2;
}

// A box with the fills of its colour that touch or adjoin it, and those that touch
// them: a capsule is a rectangle and two discs.
LayoutRect joined_fills(const std::vector<LayoutItem>& items, std::size_t box)
{
    LayoutRect joined = items[box].rect;
    for (bool grown = true; grown;) {
        grown = false;
        for (const LayoutItem& item : items) {
            if (item.kind != Kind::fill || item.colour != items[box].colour || !overlap(item.rect, joined, 0) ||
                inside(item.rect, joined, 0))
                continue;
            joined = {std::min(joined.x1, item.rect.x1), std::min(joined.y1, item.rect.y1),
                      std::max(joined.x2, item.rect.x2), std::max(joined.y2, item.rect.y2)};
            grown = true;
        }
    }
    return joined;
}

// A rule: a straight stroke across or down the page, 30 pixels or longer
// (a structure's bonds meet their atoms' letters by design).
bool rule(const LayoutItem& item)
{
    return item.kind == Kind::stroke && ((item.from.x == item.to.x && std::abs(item.to.y - item.from.y) >= 30) ||
                                         (item.from.y == item.to.y && std::abs(item.to.x - item.from.x) >= 30));
}

// The four sides of an outline, as the strokes that draw them.
std::vector<LayoutItem> sides_of(const LayoutItem& outline)
{
    const LayoutRect& r = outline.drawn;
    std::vector<LayoutItem> sides;
    for (const auto& [from, to] :
         {std::pair{QwPoint{r.x1, r.y1}, QwPoint{r.x2, r.y1}}, std::pair{QwPoint{r.x1, r.y2}, QwPoint{r.x2, r.y2}},
          std::pair{QwPoint{r.x1, r.y1}, QwPoint{r.x1, r.y2}}, std::pair{QwPoint{r.x2, r.y1}, QwPoint{r.x2, r.y2}}}) {
        LayoutItem side = outline;
        side.kind = Kind::stroke;
        side.from = from;
        side.to = to;
        side.rect = {from.x, from.y, to.x, to.y};
        sides.push_back(side);
    }
    return sides;
}

// Whether the stroke stroke, one of items, comes before items[text].
bool drawn_before(const std::vector<LayoutItem>& items, const LayoutItem& stroke, std::size_t text)
{
    for (std::size_t k = 0; k < text; ++k)
        if (items[k].kind == Kind::stroke && items[k].from == stroke.from && items[k].to == stroke.to &&
            items[k].rect == stroke.rect)
            return true;
    return false;
}

// A scale's tick runs to its number: a level stroke with an end under it.
bool tick_of(const LayoutItem& stroke, const LayoutItem& text)
{
    const auto under = [&text](std::int32_t x) { return x >= text.rect.x1 && x <= text.rect.x2; };
    return stroke.from.y == stroke.to.y && is_number_word(text.text) && (under(stroke.from.x) || under(stroke.to.x));
}

// Rows of a table, not lines of a paragraph: two words or more, each
// starting or ending in the column of the word above.
bool table_rows(const std::vector<LineWord>& upper, const std::vector<LineWord>& lower)
{
    if (upper.size() < 2 || upper.size() != lower.size()) return false;
    for (std::size_t k = 0; k < upper.size(); ++k)
        if (std::abs(upper[k].x1 - lower[k].x1) > 1 && std::abs(upper[k].x2 - lower[k].x2) > 1) return false;
    return true;
}

}  // namespace

bool inside(const LayoutRect& inner, const LayoutRect& outer, std::int32_t tolerance)
{
    return inner.x1 >= outer.x1 - tolerance && inner.y1 >= outer.y1 - tolerance && inner.x2 <= outer.x2 + tolerance &&
           inner.y2 <= outer.y2 + tolerance;
}

std::vector<LayoutRect> fills_over(const std::vector<LayoutItem>& items, std::size_t from, std::size_t to,
                                   const LayoutRect& span, std::optional<std::int32_t> colour)
{
    std::vector<LayoutRect> fills;
    for (std::size_t k = from; k < to; ++k)
        if (items[k].kind == Kind::fill && (!colour || items[k].colour == *colour) && overlap(items[k].rect, span, 1))
            fills.push_back(items[k].rect);
    return fills;
}

// Liang-Barsky clipping.
double length_inside(const LayoutItem& stroke, const LayoutRect& r)
{
    if (r.x1 > r.x2 || r.y1 > r.y2) return 0.0;
    const double x0 = stroke.from.x;
    const double y0 = stroke.from.y;
    const double dx = stroke.to.x - x0;
    const double dy = stroke.to.y - y0;
    double t0 = 0.0, t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - r.x1, r.x2 - x0, y0 - r.y1, r.y2 - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return 0.0;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    return t1 > t0 ? (t1 - t0) * std::hypot(dx, dy) : 0.0;
}

void LayoutRecorder::add_shape(Kind kind, const platform::DrawState& state, LayoutRect drawn, bool round)
{
    const platform::ClipRect& clip = state.clip;
    if (drawn.x1 > drawn.x2) std::swap(drawn.x1, drawn.x2);
    if (drawn.y1 > drawn.y2) std::swap(drawn.y1, drawn.y2);
    // The clip, no farther than a measuring pass draws.
    const LayoutRect visible{std::max(clip.x1, -1), std::max(clip.y1, -1), std::min(clip.x2, clip_limit),
                             std::min(clip.y2, clip_limit)};
    const LayoutRect rect = intersection(drawn, visible);
    if (rect.x1 > rect.x2 || rect.y1 > rect.y2 || !overlap(rect, page_shown, 1)) return;
    // Specks of the page's ground pattern hide nothing; a point marked on a
    // graph, however little of it shows, is looked at.
    if (kind == Kind::fill && !round && (rect.x2 - rect.x1 + 1) * (rect.y2 - rect.y1 + 1) < 16) return;
    items_.push_back({kind, rect, {}, {}, {}, visible, state.colour, round, 0, drawn});
}

void LayoutRecorder::rectangle(const platform::DrawState& s, QwControl control, std::int32_t x1, std::int32_t y1,
                               std::int32_t x2, std::int32_t y2)
{
    inner_.rectangle(s, control, x1, y1, x2, y2);
    add_shape(control == QwControl::filled ? Kind::fill : Kind::outline, s, {x1, y1, x2, y2});
}

// In one go, as the page's ground asks: its thousands of specks each took
// a lock of the canvas.
void LayoutRecorder::fill_rectangles(platform::DrawState s, std::span<const QwColourBox> boxes)
{
    inner_.fill_rectangles(s, boxes);
    for (const QwColourBox& box : boxes) {
        s.colour = box.colour & 0xFFFFFF;
        add_shape(Kind::fill, s, {box.x1, box.y1, box.x2, box.y2});
    }
}

void LayoutRecorder::ellipse(const platform::DrawState& s, QwControl control, std::int32_t x1, std::int32_t y1,
                             std::int32_t x2, std::int32_t y2)
{
    inner_.ellipse(s, control, x1, y1, x2, y2);
    if (control == QwControl::filled) add_shape(Kind::fill, s, {x1, y1, x2, y2}, true);
}

void LayoutRecorder::polygon(const platform::DrawState& s, QwControl control, std::span<const QwPoint> points)
{
    inner_.polygon(s, control, points);
    if (control != QwControl::filled || points.empty()) return;
    add_shape(Kind::fill, s, bounds_of(points));
}

void LayoutRecorder::line(const platform::DrawState& s, QwPoint from, QwPoint to)
{
    inner_.line(s, from, to);
    const std::size_t before = items_.size();
    add_shape(Kind::stroke, s, {from.x, from.y, to.x, to.y});
    if (items_.size() > before) {
        items_.back().from = from;
        items_.back().to = to;
    }
}

std::int32_t LayoutRecorder::select_font(const platform::FontRequest& request)
{
    const std::int32_t handle = inner_.select_font(request);
    if (handle > 0) cell_heights_[handle] = request.cell_height;
    return handle;
}

std::int32_t LayoutRecorder::out_text(const platform::DrawState& s, std::string_view text)
{
    const std::int32_t extent = inner_.out_text(s, text);
    // Blanks carry no ink: the rectangle is the inked part's.
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return extent;
    const std::string_view inked = text.substr(first, text.find_last_not_of(' ') - first + 1);
    const std::string kept(inked);
    // A raised "_" is the minus of a charge: a short bar at the foot of its
    // cell, which the cell's rectangle would overstate.
    if (kept == "_") return extent;
    const auto height = cell_heights_.find(s.font);
    const std::int32_t h = height == cell_heights_.end() ? 8 : height->second;
    const std::int32_t x = s.position.x + (first > 0 ? inner_.text_extent(s.font, text.substr(0, first)) : 0);
    const std::int32_t width = inner_.text_extent(s.font, inked);
    if (width <= 0) return extent;
    const std::size_t before = items_.size();
    // The cell's top and bottom quarters hold only accents, descenders and
    // the raised or lowered pieces of sub- and superscripts: the rest is where
    // a student reads the text.
    const std::int32_t top = s.position.y + h / 4;
    add_shape(Kind::text, s, {x, top, x + width - 1, s.position.y + h - 1 - h / 4});
    if (items_.size() > before) {
        items_.back().text = kept;
        items_.back().font = s.font;
    }
    return extent;
}

std::vector<Fault> LayoutRecorder::faults(const LayoutRect& area) const
{
    std::vector<Fault> found;
    // The ground's repaints erase what lies wholly under them.
    std::vector<LayoutItem> shown;
    std::int32_t ground = -1;
    for (const LayoutItem& item : items_) {
        if (item.kind == Kind::text) break;
        if (item.kind == Kind::fill && inside(area, item.rect, 0)) ground = item.colour;
    }
    for (const LayoutItem& item : items_) {
        if (item.kind == Kind::fill && item.colour == ground) {
            std::erase_if(shown, [&item](const LayoutItem& old) { return inside(old.rect, item.rect, 0); });
            continue;
        }
        shown.push_back(item);
    }
    append(found, marker_faults(shown));
    append(found, junction_faults(shown));
    append(found, box_faults(shown));
    // The checks of texts and of what covers them read no outline.
    std::vector<LayoutItem> it = shown;
    std::erase_if(it, [](const LayoutItem& item) { return item.kind == Kind::outline; });
    for (std::size_t i = 0; i < it.size(); ++i) {
        const LayoutItem& a = it[i];
        if (a.kind == Kind::text && a.rect.x1 >= area.x1 && a.rect.x1 <= area.x2 && !inside(a.rect, area, 1))
            found.push_back({FaultKind::text_out_of_area, a.rect, {}, {a.text}});
        if (a.kind == Kind::text) {
            // The box it starts in: the last large enough fill under its top left corner.
            for (std::size_t k = i; k-- > 0;) {
                const LayoutItem& box = it[k];
                // A fill lower than the text is a bar it is written across, not its box.
                if (box.kind != Kind::fill || box.rect.x2 - box.rect.x1 < 20 || box.rect.y2 - box.rect.y1 < 10 ||
                    box.rect.y2 - box.rect.y1 < a.rect.y2 - a.rect.y1)
                    continue;
                if (!contains_point(box.rect, a.rect.x1 + 1, a.rect.y1)) continue;
                if (!inside(a.rect, joined_fills(it, k), 2))
                    found.push_back(fault_of(FaultKind::text_out_of_box, a, box));
                break;
            }
        }
        // Its ink, looked at only where a fill drawn later meets its cell's
        // top or bottom quarter: the tops of its letters painted over. A
        // fill thinner than min_overlap is a line (a slot's pay line).
        std::optional<std::vector<QwPoint>> ink;
        const auto ink_under = [&](const LayoutItem& fill) {
            const std::int32_t quarter = (a.rect.y2 - a.rect.y1 + 1) / 2;
            const LayoutRect cell{a.rect.x1, a.rect.y1 - quarter, a.rect.x2, a.rect.y2 + quarter};
            const LayoutRect& f = fill.rect;
            if (fill.round || f.x2 - f.x1 + 1 < min_overlap || f.y2 - f.y1 + 1 < min_overlap || !overlap(cell, f, 1) ||
                inside(cell, f, 0))
                return false;
            if (!ink) ink = ink_of(a);
            return std::ranges::any_of(*ink, [&](const QwPoint& q) { return holds(fill.rect, q) && holds(a.clip, q); });
        };
        for (std::size_t j = i + 1; j < it.size(); ++j) {
            const LayoutItem& b = it[j];
            if (a.kind == Kind::text && b.kind == Kind::fill && (overlap(a.rect, b.rect) || ink_under(b)) &&
                !redrawn_after(it, i, j)) {
                found.push_back(fault_of(FaultKind::text_covered, a, b));
            } else if (a.kind == Kind::text && b.kind == Kind::fill && inside(a.rect, b.rect, 0)) {
                break;  // wiped out: nothing drawn later touches it
            } else if (a.kind == Kind::text && b.kind == Kind::text && overlap(a.rect, b.rect) && !shadow_of(a, b)) {
                found.push_back(fault_of(FaultKind::text_on_text, b, a));
            } else if (a.kind == Kind::text && b.kind == Kind::stroke &&
                       length_inside(b, intersection(shrunk(a.rect, 2), b.clip)) >= min_overlap) {
                found.push_back(fault_of(FaultKind::text_crossed, a, b));
            } else if (a.kind == Kind::stroke && b.kind == Kind::fill &&
                       length_inside(a, intersection(shrunk(b.rect, 1), a.clip)) >= min_overlap) {
                found.push_back(fault_of(FaultKind::stroke_covered, a, b));
            }
        }
    }
    append(found, text_onto_text_faults(it));
    append(found, cut_text_faults(shown));
    // Whatever their order: a rule along a text's edge or through it (one
    // drawn later is seen above), a point marked within 3 pixels of a label.
    // A box's border is a rule along the texts that start in it.
    struct Rule {
        LayoutItem stroke;
        std::optional<LayoutRect> box;  // the box whose side it is
    };
    std::vector<Rule> rules;
    for (const LayoutItem& b : shown) {
        if (rule(b)) rules.push_back({b, std::nullopt});
        if (b.kind == Kind::outline)
            for (LayoutItem& side : sides_of(b))
                if (rule(side)) rules.push_back({std::move(side), b.drawn});
    }
    for (std::size_t i = 0; i < it.size(); ++i) {
        const LayoutItem& a = it[i];
        if (a.kind != Kind::text) continue;
        for (const auto& [b, box] : rules) {
            if (tick_of(b, a) || (box && !contains_point(*box, a.rect.x1, a.rect.y1))) continue;
            const double through = length_inside(b, intersection(shrunk(a.rect, 2), b.clip));
            if (length_inside(b, intersection(shrunk(a.rect, -1), b.clip)) >= min_overlap && through < min_overlap)
                found.push_back(fault_of(FaultKind::text_touched_by_rule, a, b));
            else if (through >= min_overlap && !box && drawn_before(it, b, i))
                found.push_back(fault_of(FaultKind::text_crossed_earlier, a, b));
        }
        for (const LayoutItem& b : it)
            if (is_marker(b) && overlap(a.rect, shrunk(b.rect, -4), 1))
                found.push_back(fault_of(FaultKind::text_under_point, a, b));
    }
    append(found, paragraph_faults(it));
    append(found, charge_faults(it));
    append(found, charge_ink_faults(it));
    return found;
}

std::vector<Fault> texts_out_of(const std::vector<LayoutItem>& items, const LayoutRect& field)
{
    std::vector<Fault> found;
    for (const LayoutItem& item : items) {
        if (item.kind == Kind::text && contains_point(field, item.rect.x1, item.rect.y1) &&
            !inside(item.rect, field, 0))
            found.push_back({FaultKind::text_out_of_field, item.rect, {}, {item.text}});
    }
    return found;
}

std::vector<Fault> LayoutRecorder::paragraph_faults(const std::vector<LayoutItem>& items) const
{
    constexpr std::int32_t line_height = 16;
    // A piece continues a line when its middle row is within 4 pixels of the
    // line's (sub- and superscripts included) and it lies to the right.
    const auto middle = [](const LayoutItem& t) { return (t.rect.y1 + t.rect.y2) / 2; };
    std::vector<Fault> found;
    std::vector<std::vector<LineWord>> lines;  // the paragraph so far
    std::int32_t line_middle = 0, line_left = 0, line_right = 0;
    const auto end_paragraph = [&] {
        for (std::size_t k = 0; k + 1 < lines.size(); ++k) {
            const std::vector<LineWord>& upper = lines[k];
            const std::vector<LineWord>& lower = lines[k + 1];
            if (upper.empty() || lower.empty() || table_rows(upper, lower)) continue;
            if (is_number_word(upper.back().text) && is_unit_word(lower.front().text))
                found.push_back({FaultKind::unit_parted,
                                 covering(upper.back(), lower.front()),
                                 {},
                                 {upper.back().text, lower.front().text}});
            append(found, parted_formula(upper, lower));
            append(found, stretched_line(upper));
            append(found, equals_at_line_end(upper, lower));
        }
        lines.clear();
    };
    for (const LayoutItem& t : items) {
        if (t.kind != Kind::text) {
            end_paragraph();
            continue;
        }
        const bool continues = !lines.empty() && std::abs(middle(t) - line_middle) <= 4 && t.rect.x1 >= line_right - 1;
        const bool next_line = !lines.empty() && std::abs(middle(t) - line_middle - line_height) <= 3 &&
                               std::abs(t.rect.x1 - line_left) <= 3;
        if (!continues) {
            if (!next_line) end_paragraph();
            lines.emplace_back();
            line_middle = middle(t);
            line_left = t.rect.x1;
        }
        // The piece's words; one that touches the previous piece goes on it.
        std::vector<LineWord>& words = lines.back();
        bool joined = continues && !words.empty() && t.rect.x1 - line_right <= 2;
        for (std::size_t at = 0; at < t.text.size();) {
            const std::size_t end = std::min(t.text.find(' ', at), t.text.size());
            if (end > at) {
                const std::int32_t x1 = t.rect.x1 + inner_.text_extent(t.font, t.text.substr(0, at));
                const std::int32_t x2 = t.rect.x1 + inner_.text_extent(t.font, t.text.substr(0, end)) - 1;
                if (joined) {
                    words.back().text += t.text.substr(at, end - at);
                    words.back().x2 = x2;
                    words.back().y1 = std::min(words.back().y1, t.rect.y1);
                    words.back().y2 = std::max(words.back().y2, t.rect.y2);
                } else {
                    words.push_back(
                        {t.text.substr(at, end - at), x1, x2, inner_.text_extent(t.font, " "), t.rect.y1, t.rect.y2});
                }
            }
            joined = false;
            at = end + 1;
        }
        line_right = t.rect.x2;
    }
    end_paragraph();
    return found;
}

}  // namespace layout_check
