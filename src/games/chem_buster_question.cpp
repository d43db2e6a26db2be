// Red and yellow bricks stop an armed ball on a true-or-false statement.
#include <cstdint>

#include "chemistry/true_false_statements.h"
#include "frame/app_state.h"
#include "frame/page_mouse.h"
#include "games/chem_buster_drawing.h"
#include "games/chem_buster_play.h"
#include "games/game_screen.h"
#include "platform/graphics.h"
#include "platform/runtime.h"
#include "text/justified_text.h"
#include "text/paint.h"

namespace {

constexpr std::int32_t exit_hit = 1;
constexpr std::int32_t buster_true_hit = 2;

void show_statement(const BusterState& state)
{
    clear_buster_message_box(state.colours);
    qw_set_color_rgb(0x00FFFF);
    qw_move_to(210, 177);
    qw_line_to(410, 177);
    draw_justified_text(270, 410, 157, "@T1@@C7@True or False ?");
    draw_justified_text(215, 405, 180, statement_markup(state.statement));
}

}  // namespace

BusterNext ask_brick_question(BusterState& state, std::int32_t k)
{
    disable_page_mouse();
    BusterBrick& brick = state.bricks[k];
    paint_brick(brick, 0x00FF00);
    // The top (yellow) row asks the harder group and is worth a screen more.
    const bool yellow = k <= 10;
    const std::int32_t group = yellow ? 2 : 1;
    const std::int32_t stake = (yellow ? 3 : 2) * state.screen;
    GameStatement& statement = state.statement;
    pick_game_statement(group, statement);
    for (;;) {
        // Every showing asks a fresh statement of the type first drawn.
        make_true_false_statement(group, statement.type, statement.text, game_statement_length, statement.truth);
        show_statement(state);
        draw_game_buttons({"da34567850027505002000FFEE999999@T4@@C1@@y-18@Exit",
                           "da34567850020005002000009900FFFF@T4@@c00FFFF@@y-18@True",
                           "da34567850023005002000009900FFFF@T4@@c00FFFF@@y-18@False"});
        rt_beep(250, 100);
        const std::int32_t hit = wait_for_game_button(game_mouse_modes.buster_button_hit);
        if (hit == exit_hit) return BusterNext::exit;
        fill_box(state.colours.blue, 490, 190, 560, 290);
        draw_greyed_exit();
        if (answered_right(hit == buster_true_hit, statement)) break;
        for (std::int32_t n = 0; n < 3; ++n) flash_buster_message(state.colours, 250, 390, "Wrong!", 350);
        state.credits -= stake;
        if (state.credits < 1) return BusterNext::bust;
        draw_buster_credits(state.credits);
    }
    state.credits += stake;
    brick.alive = false;
    if (state.credits > 999) return BusterNext::very_good;
    state.armed = 0;
    enable_page_mouse();
    return BusterNext::redraw;
}
