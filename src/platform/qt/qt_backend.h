#pragma once
// The Qt implementation of the platform: drawing on the shared canvas from
// any thread, windows, menus and dialogs on the user-interface thread (calls
// from other threads are passed to it and wait), nested event loops for
// waits on that thread.

#include <QObject>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform/backend.h"
#include "platform/qt/canvas_store.h"
#include "platform/qt/text_renderer.h"

class QEventLoop;

namespace platform::qt {

class DialogWindow;
class FrameWindow;

class QtBackend final : public Backend {
public:
    // In application mode a quit ends the application's event loop; in a
    // test session it only ends the platform's own waits and dialogs.
    explicit QtBackend(bool application_mode);
    ~QtBackend() override;

    FrameWindow& frame() { return *frame_; }
    CanvasStore& store() { return store_; }
    std::int32_t exit_code() const { return exit_code_; }
    DialogWindow* top_dialog() const { return dialog_stack_.empty() ? nullptr : dialog_stack_.back(); }
    void stop_clock(std::int64_t unix_seconds) { stopped_clock_ = unix_seconds; }
    // Ends the program with the code, as closing the frame does with 0.
    void end(std::int32_t code);

    void rectangle(const DrawState&, QwControl, std::int32_t, std::int32_t, std::int32_t, std::int32_t) override;
    void fill_rectangles(DrawState, std::span<const QwColourBox>) override;
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
    void beep(std::int32_t frequency_hz, std::int32_t duration_ms) override;
    std::int64_t unix_seconds() override;

private:
    struct UiWait {
        QEventLoop* loop;
        const std::function<bool()>* done;
    };
    // Runs the task on the user-interface thread and waits for it; false when
    // the program quit before the task could start.
    bool run_on_ui(const std::function<void()>& task);
    template <class Draw>
    void draw(Draw&& draw);
    void check_ui_waits();

    bool application_mode_;
    CanvasStore store_;
    TextRenderer text_;  // used under store_.mutex
    std::unique_ptr<FrameWindow> frame_;
    std::vector<UiWait> ui_waits_;
    std::vector<DialogWindow*> dialog_stack_;
    std::map<Dialog*, DialogWindow*> open_dialogs_;
    std::int32_t exit_code_ = 0;
    std::optional<std::int64_t> stopped_clock_;
};

}  // namespace platform::qt
