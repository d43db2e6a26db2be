#include "frame/screen_lease.h"

#include <exception>

#include "frame/menu_flags.h"
#include "frame/problem_page.h"
#include "platform/runtime.h"
#include "platform/window.h"

namespace {

void give_back_page(const std::function<void()>& action)
{
    if (action) action();
    set_page_mouse_owner(nullptr);
    enable_page_mouse();
    show_problem_page(PageMode::repeat);
    set_top_menus_enabled(true);
}

}  // namespace

ScreenLease::ScreenLease(PageMouseOwner mouse) : exceptions_at_start_(std::uncaught_exceptions())
{
    set_top_menus_enabled(false);
    disable_page_mouse();
    set_page_mouse_owner(mouse);
}

void ScreenLease::own_mouse(PageMouseOwner mouse)
{
    set_page_mouse_owner(mouse);
}

ScreenLease::~ScreenLease()
{
    if (rt_stop_requested() || std::uncaught_exceptions() > exceptions_at_start_) {
        if (give_back_action_) give_back_action_();
        set_page_mouse_owner(nullptr);
        return;
    }
    if (qw_on_ui_thread()) {
        give_back_page(give_back_action_);
        return;
    }
    qw_post_to_ui_thread([action = std::move(give_back_action_)] { give_back_page(action); });
}
