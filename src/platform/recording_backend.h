#pragma once
// A backend for unit tests: logs every call as one line of text, draws the primitives (not the text) on a raster canvas of 2000 x 1000
// pixels so that pixel reads work, runs on a virtual clock, and plays back
// scripted mouse events, keys and dialog answers. The thread that made it
// counts as its user-interface thread.
//
// Text metric: every UTF-8 character of a text is max(1, h / 2) pixels wide,
// h being the cell height of the current font (8 pixels with no font
// selected); a text's extent is the sum. Faces are those of
// font_family_for_face; any other face gives -1.
//
// Log lines (colours as 0xBBGGRR with six hex digits):
//   rect filled (x1,y1)-(x2,y2) 0x0000FF     ellipse outline (..)-(..) 0x..
//   poly filled (x,y) (x,y) ... 0x..          line (x1,y1)-(x2,y2) 0x..
//   pixel (x,y) 0x..                          fill (x,y) boundary 0x.. 0x..
//   font t'Arial'h16b -> 1                    text (x,y) font 1 0x.. "abc"
//   clip (x1,y1)-(x2,y2)                      window size unit x,y w x h
//   menu append 1 flags 4 "&Indice"           menu insert 1 9 flags 4 "..."
//   menu flags 1 0 1                          dialog 144 -> 1
//   sleep 50                                  beep 150 20

#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/backend.h"
#include "platform/mouse.h"
#include "platform/raster_canvas.h"

namespace platform {

class RecordingBackend : public Backend {
public:
    struct MenuEntry {
        std::string text;
        std::int32_t flags = 0;
        MenuCallback callback;
        std::vector<MenuEntry> items;
    };
    // Plays the user's part in a modal dialog: may set texts, call
    // dlg_press, and returns the closing id (used when nothing closed it).
    using DialogScript = std::function<std::int32_t(Dialog&)>;

    RecordingBackend();

    // --- What tests read and script ---
    std::vector<std::string> log() const;
    std::string log_text() const;  // the lines joined with "\n"
    void clear_log();
    // Lines starting with the prefix ("text", "rect", ...).
    std::vector<std::string> log_lines(std::string_view prefix) const;

    std::vector<MenuEntry> menus() const;
    // Runs the callback of a menu item (item 0: the top-level entry).
    bool click_menu_item(std::int32_t menu, std::int32_t item);

    // A wait on the installing thread delivers these in order; when they run
    // out before the wait is satisfied it throws ProgramStopping.
    void push_mouse_event(const MouseEvent& event);
    void push_key(std::int32_t code);
    // Answers for the next modal dialogs, in order; with none left a dialog
    // closes with 2.
    void push_dialog_script(DialogScript script);

    // The virtual clock: starts at 1 January 2009 12:00:00 UTC.
    void set_unix_seconds(std::int64_t seconds);
    double virtual_seconds() const;

    // Runs the tasks posted to the user-interface thread so far.
    void run_posted_tasks();

    std::int32_t quit_code() const;  // -1 while no quit was asked
    std::string window_title() const;

    // --- Backend ---
    void rectangle(const DrawState&, QwControl, std::int32_t, std::int32_t, std::int32_t, std::int32_t) override;
    void ellipse(const DrawState&, QwControl, std::int32_t, std::int32_t, std::int32_t, std::int32_t) override;
    void polygon(const DrawState&, QwControl, std::span<const QwPoint>) override;
    void line(const DrawState&, QwPoint, QwPoint) override;
    std::int32_t get_pixel(std::int32_t x, std::int32_t y) override;
    void set_pixel(const DrawState&, std::int32_t x, std::int32_t y, std::int32_t colour) override;
    void flood_fill(const DrawState&, std::int32_t x, std::int32_t y, std::int32_t boundary) override;
    std::int32_t initialize_fonts() override;
    std::int32_t select_font(const FontRequest& request) override;
    std::int32_t text_extent(std::int32_t font, std::string_view text) override;
    std::vector<QwInkColumn> text_ink(std::int32_t font, std::string_view text) override;
    QwTextRows text_rows(std::int32_t font, std::string_view text) override;
    std::int32_t out_text(const DrawState& state, std::string_view text) override;
    bool set_window_size(std::int32_t unit, std::int32_t x, std::int32_t y, std::int32_t width,
                         std::int32_t height) override;
    bool set_window_config(const QwWindowConfig& config) override;
    void click_menu(std::int32_t command) override;
    void set_exit_mode(std::int32_t mode) override;
    void set_frame_title(std::string_view title) override;
    void fix_frame_size() override;
    void place_graphics_window(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) override;
    bool append_menu_item(std::int32_t menu, std::int32_t flags, std::string_view text, MenuCallback callback) override;
    bool insert_menu_item(std::int32_t menu, std::int32_t item, std::int32_t flags, std::string_view text,
                          MenuCallback callback) override;
    bool modify_menu_flags(std::int32_t menu, std::int32_t item, std::int32_t flags) override;
    std::int32_t run_modal(Dialog& dialog) override;
    void dialog_changed(Dialog& dialog, std::int32_t control_id) override;
    void close_dialog(Dialog& dialog) override;
    bool on_ui_thread() override;
    void wait_on_ui_thread(const std::function<bool()>& done) override;
    void wake_ui_waiters() override;
    void post_to_ui_thread(std::function<void()> task) override;
    void request_quit(std::int32_t code) override;
    void show_stop_message(std::string_view message) override;
    void sleep_ms(std::int32_t milliseconds) override;
    void beep(std::int32_t frequency_hz, std::int32_t duration_ms) override;
    double monotonic_seconds() override;
    std::int64_t unix_seconds() override;
    DateAndTime date_and_time() override;
    void clip_changed(const ClipRect& clip) override;

private:
    void add(std::string line);
    std::vector<MenuEntry>* menu_list(std::int32_t menu);

    mutable std::mutex mutex_;
    std::vector<std::string> log_;
    std::vector<MenuEntry> menus_;
    std::vector<FontRequest> fonts_;
    std::deque<MouseEvent> mouse_script_;
    std::deque<std::int32_t> key_script_;
    std::deque<DialogScript> dialog_scripts_;
    std::deque<std::function<void()>> posted_;
    RasterCanvas canvas_;
    double virtual_seconds_ = 0.0;
    std::int64_t unix_base_ = 1230811200;
    std::int32_t quit_code_ = -1;
    std::string title_;
    std::thread::id ui_thread_;
};

}  // namespace platform
