#include <chrono>
#include <ctime>

#include "platform/core_state.h"
#include "platform/events.h"

namespace platform {
namespace detail {
namespace {

// Stands in before a window exists: nothing is drawn, every query fails,
// every dialog is cancelled, and waits end at once.
class NullBackend final : public Backend {
public:
    void rectangle(const DrawState&, QwControl, std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
    void ellipse(const DrawState&, QwControl, std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
    void polygon(const DrawState&, QwControl, std::span<const QwPoint>) override {}
    void line(const DrawState&, QwPoint, QwPoint) override {}
    std::int32_t get_pixel(std::int32_t, std::int32_t) override { return -1; }
    void set_pixel(const DrawState&, std::int32_t, std::int32_t, std::int32_t) override {}
    void flood_fill(const DrawState&, std::int32_t, std::int32_t, std::int32_t) override {}
    std::int32_t initialize_fonts() override { return -1; }
    std::int32_t select_font(const FontRequest&) override { return -1; }
    std::int32_t text_extent(std::int32_t, std::string_view) override { return 0; }
    std::vector<QwInkColumn> text_ink(std::int32_t, std::string_view) override { return {}; }
    QwTextRows text_rows(std::int32_t, std::string_view) override { return {}; }
    std::int32_t out_text(const DrawState&, std::string_view) override { return 0; }
    bool set_window_size(std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t) override
    {
        return false;
    }
    bool set_window_config(const QwWindowConfig&) override { return false; }
    void click_menu(std::int32_t) override {}
    void set_exit_mode(std::int32_t) override {}
    void set_frame_title(std::string_view) override {}
    void fix_frame_size() override {}
    void place_graphics_window(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
    bool append_menu_item(std::int32_t, std::int32_t, std::string_view, MenuCallback) override { return false; }
    bool insert_menu_item(std::int32_t, std::int32_t, std::int32_t, std::string_view, MenuCallback) override
    {
        return false;
    }
    bool modify_menu_flags(std::int32_t, std::int32_t, std::int32_t) override { return false; }
    std::int32_t run_modal(Dialog&) override { return kDialogCancel; }
    void dialog_changed(Dialog&, std::int32_t) override {}
    void close_dialog(Dialog&) override {}
    bool on_ui_thread() override { return true; }
    void wait_on_ui_thread(const std::function<bool()>&) override {}
    void wake_ui_waiters() override {}
    void post_to_ui_thread(std::function<void()>) override {}
    void request_quit(std::int32_t) override {}
    void show_stop_message(std::string_view) override {}
    void beep(std::int32_t, std::int32_t duration_ms) override { sleep_unless_stopping(duration_ms); }
};

}  // namespace

Backend& host()
{
    static NullBackend none;
    Backend* installed = core().backend.load();
    return installed != nullptr ? *installed : none;
}

void throw_if_stopping()
{
    if (core().stopping.load()) throw ProgramStopping();
}

void wait_for(const std::function<bool()>& done)
{
    PlatformCore& c = core();
    Backend& backend = host();
    bool satisfied = false;
    if (backend.on_ui_thread()) {
        backend.wait_on_ui_thread([&] {
            std::lock_guard lock(c.mutex);
            return c.stopping.load() || done();
        });
        std::lock_guard lock(c.mutex);
        satisfied = done();
    } else {
        std::unique_lock lock(c.mutex);
        c.changed.wait(lock, [&] { return c.stopping.load() || done(); });
        satisfied = done();
    }
    if (!satisfied || c.stopping.load()) throw ProgramStopping();
}

}  // namespace detail

void Backend::sleep_ms(std::int32_t milliseconds)
{
    sleep_unless_stopping(milliseconds);
}

double Backend::monotonic_seconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

std::int64_t Backend::unix_seconds()
{
    return static_cast<std::int64_t>(std::time(nullptr));
}

DateAndTime Backend::date_and_time()
{
    return local_date_and_time();
}

void install_backend(Backend* backend)
{
    detail::PlatformCore& c = detail::core();
    stop_and_join_threads();
    std::lock_guard lock(c.mutex);
    c.backend.store(backend);
    c.generation.fetch_add(1);
    c.stopping.store(false);
    c.mouse_callbacks.clear();
    c.key_handler = nullptr;
    c.typed_keys.clear();
    c.clock_origin.reset();
}

Backend* installed_backend()
{
    return detail::core().backend.load();
}

DateAndTime local_date_and_time()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto millis = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    return date_and_time_stamp(local, static_cast<int>(millis));
}

DateAndTime date_and_time_stamp(const std::tm& moment, int millis)
{
    char date[32];
    char time[32];
    std::snprintf(date, sizeof date, "%04d%02d%02d", moment.tm_year + 1900, moment.tm_mon + 1, moment.tm_mday);
    std::snprintf(time, sizeof time, "%02d%02d%02d.%03d", moment.tm_hour, moment.tm_min, moment.tm_sec, millis);
    return {date, time};
}

}  // namespace platform
