// A layout check for whole pages: a backend that passes every call on to
// another (the Qt backend, so that text wraps as the student sees it) and
// keeps, in drawing order, the rectangles of the texts, the filled shapes,
// the outlines and the strokes of the page. From them it tells what a
// student would find wrong: a text line covered by something drawn after
// it, texts drawn over each other, a figure covered by a box, a text outside
// the problem area, running out of the box it starts in or touching its
// border, a text touching a stroke, a point marked on a label, on its plot's
// frame or beside a line it does not lie on, a path between two points
// passing where lines meet, a box against another's shadow
// or border, a charge on a bond; and in a paragraph, a number whose unit
// starts the next line, a formula parted at an operator that its line could
// have held whole, an "=" ending a line, a line spread too thin.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "layout_check/fault.h"
#include "platform/backend.h"

namespace layout_check {

// The page as the screen shows it: what is drawn wholly outside it is a
// measuring pass's, not the student's.
inline constexpr LayoutRect page_shown{0, 0, 640, 420};
// The farthest a measuring pass draws: clips are cut to it, so that sizes
// multiplied keep to 32 bits (the default clip spans 2^31).
inline constexpr std::int32_t clip_limit = 5000;

struct LayoutItem {
    // An outline is a rectangle's border, a box's or a plot's frame.
    enum class Kind { text, fill, stroke, outline } kind = Kind::text;
    LayoutRect rect;
    std::string text;  // texts only
    // Strokes: the segment's ends, drawn only inside the clip.
    QwPoint from, to;
    LayoutRect clip;
    std::int32_t colour = 0;
    bool round = false;     // fills: an ellipse
    std::int32_t font = 0;  // texts: the platform font they are drawn in
    LayoutRect drawn;       // fills and outlines: the whole shape, the clip not applied
};

class LayoutRecorder : public platform::Backend {
public:
    explicit LayoutRecorder(platform::Backend& inner) : inner_(inner) {}

    // Forgets what was drawn: the page to check starts here.
    void clear() { items_.clear(); }
    // Forgets only what a later fill hides whole: what is left is what the
    // screen shows now, and a check after the next step of a screen sees it
    // under what that step draws.
    void forget_hidden();
    const std::vector<LayoutItem>& items() const { return items_; }

    // Every check of what was drawn since clear(), texts inside area, as the
    // snapshot tool and the sweeps run them. A fill in the colour of the
    // last fill that covers the whole area before the first text is the
    // page's ground: it erases what it covers.
    std::vector<Fault> every_fault(const LayoutRect& area) const;

    void rectangle(const platform::DrawState&, QwControl, std::int32_t, std::int32_t, std::int32_t,
                   std::int32_t) override;
    void ellipse(const platform::DrawState&, QwControl, std::int32_t, std::int32_t, std::int32_t,
                 std::int32_t) override;
    void polygon(const platform::DrawState&, QwControl, std::span<const QwPoint>) override;
    void fill_rectangles(platform::DrawState, std::span<const QwColourBox>) override;
    void line(const platform::DrawState&, QwPoint, QwPoint) override;
    std::int32_t get_pixel(std::int32_t x, std::int32_t y) override { return inner_.get_pixel(x, y); }
    void set_pixel(const platform::DrawState& s, std::int32_t x, std::int32_t y, std::int32_t c) override
    {
        inner_.set_pixel(s, x, y, c);
    }
    void flood_fill(const platform::DrawState& s, std::int32_t x, std::int32_t y, std::int32_t b) override
    {
        inner_.flood_fill(s, x, y, b);
    }
    void clip_changed(const platform::ClipRect& clip) override { inner_.clip_changed(clip); }
    std::int32_t initialize_fonts() override { return inner_.initialize_fonts(); }
    std::int32_t select_font(const platform::FontRequest& request) override;
    std::int32_t text_extent(std::int32_t font, std::string_view text) override
    {
        return inner_.text_extent(font, text);
    }
    std::vector<QwInkColumn> text_ink(std::int32_t font, std::string_view text) override
    {
        return inner_.text_ink(font, text);
    }
    QwTextRows text_rows(std::int32_t font, std::string_view text) override { return inner_.text_rows(font, text); }
    std::int32_t out_text(const platform::DrawState& state, std::string_view text) override;
    bool set_window_size(std::int32_t u, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) override
    {
        return inner_.set_window_size(u, x, y, w, h);
    }
    bool set_window_config(const QwWindowConfig& c) override { return inner_.set_window_config(c); }
    void click_menu(std::int32_t command) override { inner_.click_menu(command); }
    void set_exit_mode(std::int32_t mode) override { inner_.set_exit_mode(mode); }
    void set_frame_title(std::string_view title) override { inner_.set_frame_title(title); }
    void fix_frame_size() override { inner_.fix_frame_size(); }
    void place_graphics_window(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) override
    {
        inner_.place_graphics_window(x, y, w, h);
    }
    bool append_menu_item(std::int32_t m, std::int32_t f, std::string_view t, MenuCallback c) override
    {
        return inner_.append_menu_item(m, f, t, std::move(c));
    }
    bool insert_menu_item(std::int32_t m, std::int32_t i, std::int32_t f, std::string_view t, MenuCallback c) override
    {
        return inner_.insert_menu_item(m, i, f, t, std::move(c));
    }
    bool modify_menu_flags(std::int32_t m, std::int32_t i, std::int32_t f) override
    {
        return inner_.modify_menu_flags(m, i, f);
    }
    std::int32_t run_modal(Dialog& dialog) override { return inner_.run_modal(dialog); }
    void dialog_changed(Dialog& dialog, std::int32_t id) override { inner_.dialog_changed(dialog, id); }
    void close_dialog(Dialog& dialog) override { inner_.close_dialog(dialog); }
    bool on_ui_thread() override { return inner_.on_ui_thread(); }
    void wait_on_ui_thread(const std::function<bool()>& done) override { inner_.wait_on_ui_thread(done); }
    void wake_ui_waiters() override { inner_.wake_ui_waiters(); }
    void post_to_ui_thread(std::function<void()> task) override { inner_.post_to_ui_thread(std::move(task)); }
    void request_quit(std::int32_t code) override { inner_.request_quit(code); }
    void show_stop_message(std::string_view message) override { inner_.show_stop_message(message); }
    void sleep_ms(std::int32_t ms) override { inner_.sleep_ms(ms); }
    void beep(std::int32_t hz, std::int32_t ms) override { inner_.beep(hz, ms); }
    double monotonic_seconds() override { return inner_.monotonic_seconds(); }
    std::int64_t unix_seconds() override { return inner_.unix_seconds(); }
    DateAndTime date_and_time() override { return inner_.date_and_time(); }

private:
    // The checks of every_fault but the discs' and the buttons'.
    std::vector<Fault> faults(const LayoutRect& area) const;
    // Texts that start on a disc (a filled ellipse) and run off its round
    // edge, which the rectangle around the disc does not show.
    std::vector<Fault> texts_off_discs() const;
    // Labels of rounded buttons that leave fewer than two pixels of the
    // button between their ink and its outline, round ends included.
    std::vector<Fault> labels_off_buttons() const;
    // The faults of the paragraphs among items: runs of texts drawn one
    // after another, line under line from one left edge.
    std::vector<Fault> paragraph_faults(const std::vector<LayoutItem>& items) const;
    void add_shape(LayoutItem::Kind kind, const platform::DrawState& state, LayoutRect drawn, bool round = false);
    // A text's whole cell, and the pixels it sets wherever it is drawn (its
    // clip not applied), found by drawing it alone where nothing is shown.
    LayoutRect cell_of(const LayoutItem& text) const;
    std::vector<QwPoint> ink_of(const LayoutItem& text) const;
    // The pixels a stroke sets inside around.
    std::vector<QwPoint> stroke_ink(const LayoutItem& stroke, const LayoutRect& around) const;
    // The pixels that draw sets, given a state in black clipped to a scratch
    // rectangle, brought back to at (drawn from the scratch's corner plus
    // the margin).
    std::vector<QwPoint> drawn_alone(const LayoutRect& at, const std::function<void(platform::DrawState&)>& draw) const;
    static bool holds(const LayoutRect& r, const QwPoint& p)
    {
        return p.x >= r.x1 && p.x <= r.x2 && p.y >= r.y1 && p.y <= r.y2;
    }
    static bool any_holds(const std::vector<LayoutRect>& rects, const QwPoint& p)
    {
        return std::ranges::any_of(rects, [&p](const LayoutRect& r) { return holds(r, p); });
    }
    // Texts whose ink, as far as the clip and the fills drawn later leave
    // it showing, meets or all but touches another's.
    std::vector<Fault> text_onto_text_faults(const std::vector<LayoutItem>& items) const;
    // Charges whose ink meets a stroke's: a bracket on a lone pair's bar.
    std::vector<Fault> charge_ink_faults(const std::vector<LayoutItem>& items) const;
    // Texts whose ink runs past the edge of their panel or touches its border.
    std::vector<Fault> cut_text_faults(const std::vector<LayoutItem>& items) const;

    platform::Backend& inner_;
    std::vector<LayoutItem> items_;
    std::map<std::int32_t, std::int32_t> cell_heights_;  // font handle -> cell height
    // What ink_of drew, from the cell's corner, by font, cell height and
    // text; kept from page to page, as the inner backend keeps its fonts.
    mutable std::map<std::tuple<std::int32_t, std::int32_t, std::string>, std::vector<QwPoint>> text_inks_;
};

}  // namespace layout_check
