#include "games/game_screen.h"

#include "chemistry/true_false_statements.h"
#include "frame/app_state.h"
#include "frame/page_mouse.h"
#include "numbers/clock_seed.h"
#include "numbers/fixed_width.h"
#include "numbers/random_stream.h"
#include "platform/mouse.h"
#include "platform/runtime.h"
#include "text/button_widgets.h"

GameMouseModes game_mouse_modes;

void run_game_thread(ScreenLease& lease, std::atomic<bool>& running_flag, PageMouseOwner mouse, void (*play)())
{
    running_flag = true;
    lease.on_give_back([&running_flag] { running_flag = false; });
    lease.own_mouse(mouse);
    set_random_seed(draw_clock_seed());
    play();
}

std::int32_t game_button_at(std::int32_t x, std::int32_t y)
{
    return handle_button_descriptor("?", x, y);
}

void draw_game_buttons(std::initializer_list<std::string_view> descriptors)
{
    handle_button_descriptor("C");
    for (const std::string_view descriptor : descriptors) handle_button_descriptor(descriptor);
}

std::int32_t wait_for_game_button(std::atomic<std::int32_t>& hit_word)
{
    hit_word = 0;
    enable_page_mouse();
    // The game's mouse stores the hit (0 for a miss) before the wait wakes.
    std::int32_t hit = 0;
    while ((hit = hit_word) <= 0) qw_wait_mouse_event(kMouseLeftDown);
    disable_page_mouse();
    return hit;
}

void pick_game_statement(std::int32_t group, GameStatement& statement)
{
    pick_game_question(group, app_state.current_chapter, statement.text, game_statement_length, statement.truth,
                       statement.type);
}

std::string statement_markup(const GameStatement& statement)
{
    return "@T1@@C7@" + std::string(strip_trailing_blanks(statement.text));
}
