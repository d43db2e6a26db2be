// How a tool, viewer, simulation or game takes the page and gives it back.
#pragma once

#include <functional>

#include "frame/page_mouse.h"

// While a lease lives the menus are greyed and the page's own mouse is
// detached; the page's events go to the screen's mouse, when it gave one,
// from the time the screen binds it with enable_page_mouse. Ending the
// lease gives the page back as one task on the user-interface thread (run
// at once when the lease ends there): the hand-back action, then the page
// redrawn as it was with its own mouse bound, and the menus enabled last, so
// that no click or menu choice runs page code beside the screen. At quit,
// or when a quit unwinds the screen, only the hand-back action runs.
class ScreenLease {
public:
    explicit ScreenLease(PageMouseOwner mouse = nullptr);
    ~ScreenLease();
    ScreenLease(const ScreenLease&) = delete;
    ScreenLease& operator=(const ScreenLease&) = delete;

    // The screen's mouse, when it is known only after the page is taken.
    void own_mouse(PageMouseOwner mouse);

    // What the screen drops as the page comes back, e.g. its running flag.
    void on_give_back(std::function<void()> action) { give_back_action_ = std::move(action); }

private:
    std::function<void()> give_back_action_;
    int exceptions_at_start_;
};
