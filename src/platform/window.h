#pragma once
// The frame window, its graphics window, the menu bar and the key input.
// Menu and window calls may come from any thread; they run on the user-
// interface thread and return when done.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Window units: the frame and the one graphics window.
inline constexpr std::int32_t kQwFrameUnit = static_cast<std::int32_t>(0x80000000u);
inline constexpr std::int32_t kQwGraphicsUnit = 0;

// --- Window set-up ---
// Moves and resizes a unit's window (the frame: its outer size).
std::int32_t qw_set_window_size(std::int32_t unit, std::int32_t x, std::int32_t y, std::int32_t width,
                                std::int32_t height);

// Graphics window configuration; -1 means "library default".
struct QwWindowConfig {
    std::int32_t width_pixels = -1;
    std::int32_t height_pixels = -1;
    std::int32_t text_columns = -1;
    std::int32_t text_rows = -1;
    std::int32_t colour_count = -1;
    std::int32_t font_size = -1;
    std::string title;
};
bool qw_set_window_config(const QwWindowConfig& config);

// Frame commands: kQwToggleStatusBar is accepted and has no effect, as the
// frame has no status bar.
inline constexpr std::int32_t kQwToggleStatusBar = 1;
void qw_click_menu(std::int32_t command);
// At the end of the program the frame closes at once (the only mode used).
inline constexpr std::int32_t kQwExitClosesAtOnce = 2;
void qw_set_exit_mode(std::int32_t mode);
void qw_set_frame_title(std::string_view title);
// The frame can no longer be resized or maximised.
void qw_fix_frame_size();
// Places the graphics window inside the frame's client area.
void qw_place_graphics_window(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);

// --- Menus ---
// Item flags; they may be or-ed where they make sense (enabled | ticked).
inline constexpr std::int32_t kQwMenuGreyed = 1;
inline constexpr std::int32_t kQwMenuEnabled = 4;
inline constexpr std::int32_t kQwMenuTicked = 16;
inline constexpr std::int32_t kQwMenuUnticked = 32;

using MenuCallback = std::function<void()>;
// The callback of entries that do nothing (top-level entries with items).
void qw_no_action();

// Menus are numbered from 1, their items from 1; item 0 is the top-level entry.
// Appending to menu (number of menus + 1) creates a new top-level entry,
// whose callback runs when it is clicked while it has no items; otherwise an
// item is appended to an existing menu. False for any other menu number.
bool qw_append_menu_item(std::int32_t menu, std::int32_t flags, std::string_view text, MenuCallback callback);
// Item 0 inserts a top-level entry at position menu (1 .. count + 1); item k
// inserts before item k of the menu (k = count + 1 appends).
bool qw_insert_menu_item(std::int32_t menu, std::int32_t item, std::int32_t flags, std::string_view text,
                         MenuCallback callback);
bool qw_modify_menu_flags(std::int32_t menu, std::int32_t item, std::int32_t flags);

// --- Keys ---
// Key input of the graphics window, with Windows codes: kind 1 a character
// (its code), 2 a key press and 3 a key release (virtual-key codes: 8
// Backspace, 13 Enter, 16 Shift, 27 Escape, 35 End, 36 Home, 37 Left,
// 39 Right, 46 Delete).
struct KeyEvent {
    std::int32_t kind = 0;
    std::int32_t code = 0;
};
inline constexpr std::int32_t kKeyCharacter = 1;
inline constexpr std::int32_t kKeyDown = 2;
inline constexpr std::int32_t kKeyUp = 3;
using KeyHandler = std::function<void(const KeyEvent&)>;
// The handler sees every key event first, on the user-interface thread.
void qw_set_key_handler(KeyHandler handler);
// Waits for the next typed character and returns its code.
std::int32_t qw_get_key();

// --- User-interface thread ---
// Runs a task on the user-interface thread later (in order); returns at once.
void qw_post_to_ui_thread(std::function<void()> task);
bool qw_on_ui_thread();
