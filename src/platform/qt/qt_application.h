#pragma once
// Entry points of the Qt backend. No Qt type appears here, so the program's
// main and the tests can include it.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/backend.h"

namespace platform::qt {

// Makes the application and its frame window, installs the Qt backend, runs
// the start-up routines in order on the user-interface thread before any
// input is dispatched, then dispatches events until the program ends.
// Returns the exit code (rt_exit / rt_stop / closing the frame), or
// cannot_draw_exit_code after telling the user when the program cannot draw
// with its own fonts alone.
int run_application(int argc, char** argv, const std::vector<std::function<void()>>& startup);
inline constexpr int cannot_draw_exit_code = 3;

// Keeps Qt's own debug, info and warning messages (start-up notes on the
// runtime directory or the platform plugin) off standard error; critical and
// fatal messages still reach it. For tools whose output is read by scripts;
// call before the Application is made.
void silence_qt_notices();

// The Qt application object for tools and test programs that open Sessions;
// make one at the start of main. With no display and no QT_QPA_PLATFORM set,
// it runs offscreen. It draws only with the program's own fonts.
class Application {
public:
    Application(int& argc, char** argv);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // An Italian message when the program cannot draw with its own fonts
    // alone (nothing can then be drawn as it should); empty when it can.
    const std::string& font_failure() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// A headless session for tests and tools (an Application must exist): a
// fresh frame window with the Qt backend installed for the session's life.
class Session {
public:
    Session();
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Backend& backend();
    // Stops the clock the program reads, so that what it seeds from it (the
    // page's decoration, the fact shown) is the same on every run.
    void stop_clock(std::int64_t unix_seconds);
    // Dispatches pending events (posted tasks, repaints) for a moment.
    void process_events(std::int32_t milliseconds = 0);
    // The canvas colour at (x, y), unclipped; -1 outside the canvas.
    std::int32_t canvas_pixel(std::int32_t x, std::int32_t y) const;
    // Writes the canvas part (0, 0)-(width - 1, height - 1) as a PNG.
    bool save_png(const std::string& path, std::int32_t width, std::int32_t height) const;

    // Simulated user input, delivered through the window's widgets. Keys are
    // a kind (window.h) and a code: a character, or a virtual-key code.
    void mouse(std::int32_t event, std::int32_t x, std::int32_t y, std::int32_t key_state = 0);
    void key(std::int32_t kind, std::int32_t code);
    // Runs the callback of a menu item (item 0: a top-level entry) and its texts.
    bool trigger_menu(std::int32_t menu, std::int32_t item);
    std::string menu_text(std::int32_t menu, std::int32_t item) const;
    std::int32_t menu_flags(std::int32_t menu, std::int32_t item) const;
    // The open modal dialog, if any: press Enter or Esc, click a control, type.
    bool dialog_open() const;
    bool dialog_key(std::int32_t virtual_key);
    bool dialog_click(std::int32_t control_id);
    bool dialog_type(std::int32_t control_id, const std::string& text);
    // Whether a static text of the open dialog shows its whole text inside its box.
    bool dialog_text_fits(std::int32_t control_id) const;
    // The open dialog's width less its title's, as a title bar writes it; -1 with none open.
    std::int32_t dialog_title_room() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace platform::qt
