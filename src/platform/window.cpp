#include "platform/window.h"

#include "platform/core_state.h"
#include "platform/events.h"

using platform::detail::host;

namespace {

// Program callbacks run guarded, so that a quit inside one ends it quietly.
MenuCallback guarded(MenuCallback callback)
{
    if (!callback) return qw_no_action;
    return [callback = std::move(callback)] { platform::run_guarded(callback); };
}

}  // namespace

std::int32_t qw_set_window_size(std::int32_t unit, std::int32_t x, std::int32_t y, std::int32_t width,
                                std::int32_t height)
{
    return host().set_window_size(unit, x, y, width, height) ? 1 : 0;
}

bool qw_set_window_config(const QwWindowConfig& config)
{
    return host().set_window_config(config);
}
void qw_click_menu(std::int32_t command)
{
    host().click_menu(command);
}
void qw_set_exit_mode(std::int32_t mode)
{
    host().set_exit_mode(mode);
}
void qw_set_frame_title(std::string_view title)
{
    host().set_frame_title(title);
}
void qw_fix_frame_size()
{
    host().fix_frame_size();
}

void qw_place_graphics_window(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height)
{
    host().place_graphics_window(x, y, width, height);
}

void qw_no_action() {}

bool qw_append_menu_item(std::int32_t menu, std::int32_t flags, std::string_view text, MenuCallback callback)
{
    return host().append_menu_item(menu, flags, text, guarded(std::move(callback)));
}

bool qw_insert_menu_item(std::int32_t menu, std::int32_t item, std::int32_t flags, std::string_view text,
                         MenuCallback callback)
{
    return host().insert_menu_item(menu, item, flags, text, guarded(std::move(callback)));
}

bool qw_modify_menu_flags(std::int32_t menu, std::int32_t item, std::int32_t flags)
{
    return host().modify_menu_flags(menu, item, flags);
}

void qw_set_key_handler(KeyHandler handler)
{
    auto& c = platform::detail::core();
    std::lock_guard lock(c.mutex);
    c.key_handler = std::move(handler);
}

std::int32_t qw_get_key()
{
    auto& c = platform::detail::core();
    platform::detail::throw_if_stopping();
    platform::detail::wait_for([&] { return !c.typed_keys.empty(); });
    std::lock_guard lock(c.mutex);
    const std::int32_t code = c.typed_keys.front();
    c.typed_keys.pop_front();
    return code;
}

void qw_post_to_ui_thread(std::function<void()> task)
{
    if (!task) return;
    host().post_to_ui_thread([task = std::move(task)] { platform::run_guarded(task); });
}

bool qw_on_ui_thread()
{
    return host().on_ui_thread();
}
