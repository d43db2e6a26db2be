// The platform layer: the operations the program asks of its host (window,
// menus, drawing, fonts, mouse, dialogs, threads, files, clock, beep).
//
// The host behind the qw_*, dlg_* and rt_* calls. Every call forwards to
// the one installed backend: the Qt backend in the program and in pixel
// tests, a RecordingBackend (recording_backend.h) in unit tests. With none
// installed the calls do nothing and report failure.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialogs.h"
#include "platform/font_options.h"
#include "platform/graphics.h"
#include "platform/runtime.h"
#include "platform/window.h"

namespace platform {

// Clip region, corners inclusive; until a thread sets one it draws unclipped.
struct ClipRect {
    static constexpr std::int32_t kUnclipped = 1 << 30;
    std::int32_t x1 = -kUnclipped;
    std::int32_t y1 = -kUnclipped;
    std::int32_t x2 = kUnclipped;
    std::int32_t y2 = kUnclipped;
    bool contains(std::int32_t x, std::int32_t y) const { return x >= x1 && x <= x2 && y >= y1 && y <= y2; }
};

// The drawing state of one thread, passed with every drawing call.
struct DrawState {
    std::int32_t colour = 0;
    QwPoint position;
    ClipRect clip;
    std::int32_t font = 0;  // 0: none selected yet
};

class Backend {
public:
    virtual ~Backend() = default;

    // Drawing: any thread. Backends clip to state.clip themselves.
    virtual void rectangle(const DrawState& state, QwControl control, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                           std::int32_t y2) = 0;
    virtual void ellipse(const DrawState& state, QwControl control, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                         std::int32_t y2) = 0;
    virtual void polygon(const DrawState& state, QwControl control, std::span<const QwPoint> points) = 0;
    // Filled rectangles, each in its own colour, in order; a backend that can
    // fill them in one go does so.
    virtual void fill_rectangles(DrawState state, std::span<const QwColourBox> boxes)
    {
        for (const QwColourBox& box : boxes) {
            state.colour = box.colour & 0xFFFFFF;
            rectangle(state, QwControl::filled, box.x1, box.y1, box.x2, box.y2);
        }
    }
    virtual void line(const DrawState& state, QwPoint from, QwPoint to) = 0;
    // Pixel inside the clip region; -1 outside the canvas.
    virtual std::int32_t get_pixel(std::int32_t x, std::int32_t y) = 0;
    virtual void set_pixel(const DrawState& state, std::int32_t x, std::int32_t y, std::int32_t colour) = 0;
    virtual void flood_fill(const DrawState& state, std::int32_t x, std::int32_t y, std::int32_t boundary) = 0;
    // The calling thread's clip region changed (the drawing calls carry it too).
    virtual void clip_changed(const ClipRect&) {}

    // Fonts and text.
    virtual std::int32_t initialize_fonts() = 0;
    // A positive font handle, or <= 0 when the face cannot be had.
    virtual std::int32_t select_font(const FontRequest& request) = 0;
    virtual std::int32_t text_extent(std::int32_t font, std::string_view text) = 0;
    // The ink out_text would set (see qw_get_text_ink).
    virtual std::vector<QwInkColumn> text_ink(std::int32_t font, std::string_view text) = 0;
    // Its extent and the rows of that ink (see qw_get_text_rows).
    virtual QwTextRows text_rows(std::int32_t font, std::string_view text) = 0;
    // Draws at state.position and gives the text's extent, by which the
    // caller advances the position.
    virtual std::int32_t out_text(const DrawState& state, std::string_view text) = 0;

    // Window, menus, keys: called from any thread.
    virtual bool set_window_size(std::int32_t unit, std::int32_t x, std::int32_t y, std::int32_t width,
                                 std::int32_t height) = 0;
    virtual bool set_window_config(const QwWindowConfig& config) = 0;
    virtual void click_menu(std::int32_t command) = 0;
    virtual void set_exit_mode(std::int32_t mode) = 0;
    virtual void set_frame_title(std::string_view title) = 0;
    virtual void fix_frame_size() = 0;
    virtual void place_graphics_window(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) = 0;
    virtual bool append_menu_item(std::int32_t menu, std::int32_t flags, std::string_view text,
                                  MenuCallback callback) = 0;
    virtual bool insert_menu_item(std::int32_t menu, std::int32_t item, std::int32_t flags, std::string_view text,
                                  MenuCallback callback) = 0;
    virtual bool modify_menu_flags(std::int32_t menu, std::int32_t item, std::int32_t flags) = 0;

    // Dialogs: show modally until dialog.open turns false; return the closing id.
    virtual std::int32_t run_modal(Dialog& dialog) = 0;
    // A text or state of an open dialog changed under program control.
    virtual void dialog_changed(Dialog& dialog, std::int32_t control_id) = 0;
    virtual void close_dialog(Dialog& dialog) = 0;

    // Event loop.
    virtual bool on_ui_thread() = 0;
    // On the user-interface thread: dispatch events until done() holds or the
    // program quits. Events must be delivered through deliver_mouse_event /
    // deliver_key_event (events.h).
    virtual void wait_on_ui_thread(const std::function<bool()>& done) = 0;
    // Some waiter's condition may have changed (called after each delivered event).
    virtual void wake_ui_waiters() = 0;
    virtual void post_to_ui_thread(std::function<void()> task) = 0;
    // Ask the host to end the program with this code (returns at once).
    virtual void request_quit(std::int32_t code) = 0;
    virtual void show_stop_message(std::string_view message) = 0;

    // Clock, sleep, beep; by default the system's clocks and a sleep that
    // returns early when the program quits.
    virtual void sleep_ms(std::int32_t milliseconds);
    virtual void beep(std::int32_t frequency_hz, std::int32_t duration_ms) = 0;
    virtual double monotonic_seconds();
    virtual std::int64_t unix_seconds();
    virtual DateAndTime date_and_time();
};

// A menu item's state after qw_modify_menu_flags: kQwMenuEnabled or
// kQwMenuGreyed, plus kQwMenuTicked while ticked.
constexpr std::int32_t merge_menu_flags(std::int32_t state, std::int32_t change)
{
    if (change & kQwMenuGreyed) state = (state & ~kQwMenuEnabled) | kQwMenuGreyed;
    if (change & kQwMenuEnabled) state = (state & ~kQwMenuGreyed) | kQwMenuEnabled;
    if (change & kQwMenuTicked) state |= kQwMenuTicked;
    if (change & kQwMenuUnticked) state &= ~kQwMenuTicked;
    return state;
}

// Installs the backend (not owned); nullptr uninstalls. Resets the mouse and
// key bindings and the quit state, so tests can install one per test.
void install_backend(Backend* backend);
Backend* installed_backend();

}  // namespace platform
