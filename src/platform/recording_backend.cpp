#include "platform/recording_backend.h"

#include <cstdio>
#include <ctime>

#include "platform/events.h"
#include "platform/font_options.h"

namespace platform {
namespace {

constexpr std::int32_t kCanvasWidth = 2000;
constexpr std::int32_t kCanvasHeight = 1000;
constexpr std::int32_t kDefaultCharWidth = 8;

std::string colour_text(std::int32_t colour)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%06X", static_cast<unsigned>(colour & 0xFFFFFF));
    return buffer;
}

std::string point_text(QwPoint p)
{
    return "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
}

std::string box_text(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    return point_text({x1, y1}) + "-" + point_text({x2, y2});
}

const char* control_text(QwControl control)
{
    return control == QwControl::filled ? "filled" : "outline";
}

std::int32_t code_points(std::string_view text)
{
    std::int32_t count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    }
    return count;
}

}  // namespace

RecordingBackend::RecordingBackend() : canvas_(kCanvasWidth, kCanvasHeight), ui_thread_(std::this_thread::get_id()) {}

void RecordingBackend::add(std::string line)
{
    std::lock_guard lock(mutex_);
    log_.push_back(std::move(line));
}

std::vector<std::string> RecordingBackend::log() const
{
    std::lock_guard lock(mutex_);
    return log_;
}

std::string RecordingBackend::log_text() const
{
    std::lock_guard lock(mutex_);
    std::string text;
    for (const std::string& line : log_) {
        if (!text.empty()) text += '\n';
        text += line;
    }
    return text;
}

void RecordingBackend::clear_log()
{
    std::lock_guard lock(mutex_);
    log_.clear();
}

std::vector<std::string> RecordingBackend::log_lines(std::string_view prefix) const
{
    std::lock_guard lock(mutex_);
    std::vector<std::string> lines;
    for (const std::string& line : log_) {
        if (line.starts_with(prefix)) lines.push_back(line);
    }
    return lines;
}

std::vector<RecordingBackend::MenuEntry> RecordingBackend::menus() const
{
    std::lock_guard lock(mutex_);
    return menus_;
}

bool RecordingBackend::click_menu_item(std::int32_t menu, std::int32_t item)
{
    MenuCallback callback;
    {
        std::lock_guard lock(mutex_);
        if (menu < 1 || menu > static_cast<std::int32_t>(menus_.size())) return false;
        const MenuEntry& top = menus_[static_cast<std::size_t>(menu - 1)];
        if (item == 0) {
            callback = top.callback;
        } else if (item >= 1 && item <= static_cast<std::int32_t>(top.items.size())) {
            callback = top.items[static_cast<std::size_t>(item - 1)].callback;
        } else {
            return false;
        }
    }
    if (callback) callback();
    return true;
}

void RecordingBackend::push_mouse_event(const MouseEvent& event)
{
    std::lock_guard lock(mutex_);
    mouse_script_.push_back(event);
}

void RecordingBackend::push_key(std::int32_t code)
{
    std::lock_guard lock(mutex_);
    key_script_.push_back(code);
}

void RecordingBackend::push_dialog_script(DialogScript script)
{
    std::lock_guard lock(mutex_);
    dialog_scripts_.push_back(std::move(script));
}

void RecordingBackend::set_unix_seconds(std::int64_t seconds)
{
    std::lock_guard lock(mutex_);
    unix_base_ = seconds - static_cast<std::int64_t>(virtual_seconds_);
}

double RecordingBackend::virtual_seconds() const
{
    std::lock_guard lock(mutex_);
    return virtual_seconds_;
}

void RecordingBackend::run_posted_tasks()
{
    for (;;) {
        std::function<void()> task;
        {
            std::lock_guard lock(mutex_);
            if (posted_.empty()) return;
            task = std::move(posted_.front());
            posted_.pop_front();
        }
        task();
    }
}

std::int32_t RecordingBackend::quit_code() const
{
    std::lock_guard lock(mutex_);
    return quit_code_;
}

std::string RecordingBackend::window_title() const
{
    std::lock_guard lock(mutex_);
    return title_;
}

void RecordingBackend::rectangle(const DrawState& state, QwControl control, std::int32_t x1, std::int32_t y1,
                                 std::int32_t x2, std::int32_t y2)
{
    add(std::string("rect ") + control_text(control) + " " + box_text(x1, y1, x2, y2) + " " +
        colour_text(state.colour));
    std::lock_guard lock(mutex_);
    canvas_.rectangle(state.clip, control, x1, y1, x2, y2, state.colour);
}

void RecordingBackend::ellipse(const DrawState& state, QwControl control, std::int32_t x1, std::int32_t y1,
                               std::int32_t x2, std::int32_t y2)
{
    add(std::string("ellipse ") + control_text(control) + " " + box_text(x1, y1, x2, y2) + " " +
        colour_text(state.colour));
    std::lock_guard lock(mutex_);
    canvas_.ellipse(state.clip, control, x1, y1, x2, y2, state.colour);
}

void RecordingBackend::polygon(const DrawState& state, QwControl control, std::span<const QwPoint> points)
{
    std::string line = std::string("poly ") + control_text(control);
    for (const QwPoint& p : points) line += " " + point_text(p);
    add(line + " " + colour_text(state.colour));
    std::lock_guard lock(mutex_);
    canvas_.polygon(state.clip, control, points, state.colour);
}

void RecordingBackend::line(const DrawState& state, QwPoint from, QwPoint to)
{
    add("line " + point_text(from) + "-" + point_text(to) + " " + colour_text(state.colour));
    std::lock_guard lock(mutex_);
    canvas_.line(state.clip, from, to, state.colour);
}

std::int32_t RecordingBackend::get_pixel(std::int32_t x, std::int32_t y)
{
    std::lock_guard lock(mutex_);
    return canvas_.pixel(x, y);
}

void RecordingBackend::set_pixel(const DrawState& state, std::int32_t x, std::int32_t y, std::int32_t colour)
{
    add("pixel " + point_text({x, y}) + " " + colour_text(colour));
    std::lock_guard lock(mutex_);
    canvas_.set_pixel(state.clip, x, y, colour);
}

void RecordingBackend::flood_fill(const DrawState& state, std::int32_t x, std::int32_t y, std::int32_t boundary)
{
    add("fill " + point_text({x, y}) + " boundary " + colour_text(boundary) + " " + colour_text(state.colour));
    std::lock_guard lock(mutex_);
    canvas_.flood_fill(state.clip, x, y, boundary, state.colour);
}

std::int32_t RecordingBackend::initialize_fonts()
{
    add("fonts");
    return 4;
}

std::int32_t RecordingBackend::select_font(const FontRequest& request)
{
    std::int32_t handle = -1;
    if (!font_family_for_face(request.face).empty()) {
        std::lock_guard lock(mutex_);
        fonts_.push_back(request);
        handle = static_cast<std::int32_t>(fonts_.size());
    }
    add("font " + font_options_text(request) + " -> " + std::to_string(handle));
    return handle;
}

std::int32_t RecordingBackend::text_extent(std::int32_t font, std::string_view text)
{
    std::int32_t width = kDefaultCharWidth;
    {
        std::lock_guard lock(mutex_);
        if (font >= 1 && font <= static_cast<std::int32_t>(fonts_.size())) {
            width = std::max(1, fonts_[static_cast<std::size_t>(font - 1)].cell_height / 2);
        }
    }
    return width * code_points(text);
}

// A recording draws no letters: it knows no ink.
std::vector<QwInkColumn> RecordingBackend::text_ink(std::int32_t, std::string_view)
{
    return {};
}

QwTextRows RecordingBackend::text_rows(std::int32_t font, std::string_view text)
{
    return {text_extent(font, text), {}};
}

std::int32_t RecordingBackend::out_text(const DrawState& state, std::string_view text)
{
    add("text " + point_text(state.position) + " font " + std::to_string(state.font) + " " + colour_text(state.colour) +
        " \"" + std::string(text) + "\"");
    return text_extent(state.font, text);
}

bool RecordingBackend::set_window_size(std::int32_t unit, std::int32_t x, std::int32_t y, std::int32_t width,
                                       std::int32_t height)
{
    add("window size " + std::to_string(unit) + " " + std::to_string(x) + "," + std::to_string(y) + " " +
        std::to_string(width) + "x" + std::to_string(height));
    return true;
}

bool RecordingBackend::set_window_config(const QwWindowConfig& config)
{
    add("window config " + std::to_string(config.width_pixels) + "x" + std::to_string(config.height_pixels) + " \"" +
        config.title + "\"");
    return true;
}

void RecordingBackend::click_menu(std::int32_t command)
{
    add("click menu " + std::to_string(command));
}
void RecordingBackend::set_exit_mode(std::int32_t mode)
{
    add("exit mode " + std::to_string(mode));
}

void RecordingBackend::set_frame_title(std::string_view title)
{
    add("title \"" + std::string(title) + "\"");
    std::lock_guard lock(mutex_);
    title_ = std::string(title);
}

void RecordingBackend::fix_frame_size()
{
    add("fix frame size");
}

void RecordingBackend::place_graphics_window(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height)
{
    add("place graphics " + std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(width) + "x" +
        std::to_string(height));
}

std::vector<RecordingBackend::MenuEntry>* RecordingBackend::menu_list(std::int32_t menu)
{
    if (menu < 1 || menu > static_cast<std::int32_t>(menus_.size())) return nullptr;
    return &menus_[static_cast<std::size_t>(menu - 1)].items;
}

bool RecordingBackend::append_menu_item(std::int32_t menu, std::int32_t flags, std::string_view text,
                                        MenuCallback callback)
{
    add("menu append " + std::to_string(menu) + " flags " + std::to_string(flags) + " \"" + std::string(text) + "\"");
    std::lock_guard lock(mutex_);
    MenuEntry entry{std::string(text), merge_menu_flags(kQwMenuEnabled, flags), std::move(callback), {}};
    if (menu == static_cast<std::int32_t>(menus_.size()) + 1) {
        menus_.push_back(std::move(entry));
        return true;
    }
    auto* items = menu_list(menu);
    if (items == nullptr) return false;
    items->push_back(std::move(entry));
    return true;
}

bool RecordingBackend::insert_menu_item(std::int32_t menu, std::int32_t item, std::int32_t flags, std::string_view text,
                                        MenuCallback callback)
{
    add("menu insert " + std::to_string(menu) + " " + std::to_string(item) + " flags " + std::to_string(flags) + " \"" +
        std::string(text) + "\"");
    std::lock_guard lock(mutex_);
    MenuEntry entry{std::string(text), merge_menu_flags(kQwMenuEnabled, flags), std::move(callback), {}};
    if (item == 0) {
        if (menu < 1 || menu > static_cast<std::int32_t>(menus_.size()) + 1) return false;
        menus_.insert(menus_.begin() + (menu - 1), std::move(entry));
        return true;
    }
    auto* items = menu_list(menu);
    if (items == nullptr || item < 1 || item > static_cast<std::int32_t>(items->size()) + 1) return false;
    items->insert(items->begin() + (item - 1), std::move(entry));
    return true;
}

bool RecordingBackend::modify_menu_flags(std::int32_t menu, std::int32_t item, std::int32_t flags)
{
    add("menu flags " + std::to_string(menu) + " " + std::to_string(item) + " " + std::to_string(flags));
    std::lock_guard lock(mutex_);
    if (menu < 1 || menu > static_cast<std::int32_t>(menus_.size())) return false;
    MenuEntry& top = menus_[static_cast<std::size_t>(menu - 1)];
    if (item == 0) {
        top.flags = merge_menu_flags(top.flags, flags);
        return true;
    }
    if (item < 1 || item > static_cast<std::int32_t>(top.items.size())) return false;
    MenuEntry& entry = top.items[static_cast<std::size_t>(item - 1)];
    entry.flags = merge_menu_flags(entry.flags, flags);
    return true;
}

std::int32_t RecordingBackend::run_modal(Dialog& dialog)
{
    DialogScript script;
    {
        std::lock_guard lock(mutex_);
        if (!dialog_scripts_.empty()) {
            script = std::move(dialog_scripts_.front());
            dialog_scripts_.pop_front();
        }
    }
    std::int32_t result = script ? script(dialog) : kDialogCancel;
    if (dialog.closing_id != 0) result = dialog.closing_id;
    add("dialog " + std::to_string(dialog.resource.id) + " -> " + std::to_string(result));
    return result;
}

void RecordingBackend::dialog_changed(Dialog&, std::int32_t) {}
void RecordingBackend::close_dialog(Dialog&) {}

bool RecordingBackend::on_ui_thread()
{
    return std::this_thread::get_id() == ui_thread_;
}

void RecordingBackend::wait_on_ui_thread(const std::function<bool()>& done)
{
    while (!done()) {
        std::optional<MouseEvent> mouse;
        std::optional<std::int32_t> key;
        {
            std::lock_guard lock(mutex_);
            if (!mouse_script_.empty()) {
                mouse = mouse_script_.front();
                mouse_script_.pop_front();
            } else if (!key_script_.empty()) {
                key = key_script_.front();
                key_script_.pop_front();
            }
        }
        if (mouse) {
            deliver_mouse_event(*mouse);
        } else if (key) {
            deliver_key_event({kKeyCharacter, *key});
        } else {
            return;  // the script ran out: the wait gives up
        }
    }
}

void RecordingBackend::wake_ui_waiters() {}

void RecordingBackend::post_to_ui_thread(std::function<void()> task)
{
    std::lock_guard lock(mutex_);
    posted_.push_back(std::move(task));
}

void RecordingBackend::request_quit(std::int32_t code)
{
    add("quit " + std::to_string(code));
    std::lock_guard lock(mutex_);
    quit_code_ = code;
}

void RecordingBackend::show_stop_message(std::string_view message)
{
    add("stop \"" + std::string(message) + "\"");
}

void RecordingBackend::sleep_ms(std::int32_t milliseconds)
{
    add("sleep " + std::to_string(milliseconds));
    std::lock_guard lock(mutex_);
    virtual_seconds_ += milliseconds / 1000.0;
}

void RecordingBackend::beep(std::int32_t frequency_hz, std::int32_t duration_ms)
{
    add("beep " + std::to_string(frequency_hz) + " " + std::to_string(duration_ms));
    std::lock_guard lock(mutex_);
    virtual_seconds_ += duration_ms / 1000.0;
}

double RecordingBackend::monotonic_seconds()
{
    return virtual_seconds();
}

std::int64_t RecordingBackend::unix_seconds()
{
    std::lock_guard lock(mutex_);
    return unix_base_ + static_cast<std::int64_t>(virtual_seconds_);
}

DateAndTime RecordingBackend::date_and_time()
{
    double seconds = 0.0;
    std::int64_t base = 0;
    {
        std::lock_guard lock(mutex_);
        seconds = virtual_seconds_;
        base = unix_base_;
    }
    const auto whole = static_cast<std::time_t>(base + static_cast<std::int64_t>(seconds));
    const int millis = static_cast<int>((seconds - static_cast<double>(static_cast<std::int64_t>(seconds))) * 1000.0);
    std::tm utc{};
    gmtime_r(&whole, &utc);
    return date_and_time_stamp(utc, millis);
}

void RecordingBackend::clip_changed(const ClipRect& clip)
{
    add("clip " + box_text(clip.x1, clip.y1, clip.x2, clip.y2));
}

}  // namespace platform
