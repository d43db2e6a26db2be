#include "games/chem_buster_drawing.h"

#include <algorithm>
#include <string>

#include "frame/app_state.h"
#include "numbers/fixed_width.h"
#include "numbers/formatted_conversions.h"
#include "platform/graphics.h"
#include "text/button_widgets.h"
#include "text/markup_text.h"
#include "text/paint.h"

namespace {

constexpr std::int32_t rim_grey = 0x555555;
constexpr std::int32_t calibration_x = 200;
constexpr std::int32_t calibration_y = 200;

std::int32_t displayed_colour(std::int32_t asked)
{
    qw_set_pixel_rgb(calibration_x, calibration_y, asked);
    return qw_get_pixel_rgb(calibration_x, calibration_y);
}

void circle(std::int32_t fill, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, bool outlined)
{
    fill_ellipse(fill, x1, y1, x2, y2);
    if (!outlined) return;
    qw_set_color_rgb(buster_black);
    qw_ellipse(QwControl::outline, x1, y1, x2, y2);
}

void brick_circle(const BusterBrick& brick, std::int32_t fill, bool outlined)
{
    const auto x1 = static_cast<std::int32_t>(brick.x - brick.r);
    const auto y1 = static_cast<std::int32_t>(brick.y - brick.r);
    const auto diameter = static_cast<std::int32_t>(2.0f * brick.r);
    circle(fill, x1, y1, x1 + diameter, y1 + diameter, outlined);
}

}  // namespace

void calibrate_buster_colours(BusterColours& colours)
{
    colours.grey = displayed_colour(0xAAAAAA);
    colours.blue = displayed_colour(0xA00000);
    colours.cyan = displayed_colour(0xD0DD00);
    colours.peg_grey = displayed_colour(0x888888);
}

void draw_buster_frame(const BusterColours& colours)
{
    fill_box(rim_grey, 157, 17, 583, 295);
    fill_box(colours.blue, 160, 20, 580, 293);
    draw_markup_text(475, 105, "@T11@@c00FFFF@Chem @x-100@@y30@Buster");
}

void draw_buster_screen_head(const BusterState& state)
{
    fill_box(state.colours.blue, 160, 256, 360, 293);
    const std::string number = format_i(state.screen, 7);
    draw_markup_text(180, 256, "@T11@@c00FFFF@Screen " + std::string(strip_blanks(number)));
    draw_greyed_exit();
    draw_greyed_go();
    fill_box(rim_grey, 167, 27, 473, 253);
    fill_box(buster_white, 170, 30, 470, 250);
}

void draw_buster_credits(std::int32_t credits)
{
    draw_counter_panel("d2345674500050048016000099DDDDDD@T4@@C1@@x3@", credits);
    draw_markup_text(497, 25, "@T8@@c00FFFF@Credits");
}

void draw_buster_field(const BusterState& state)
{
    draw_buster_credits(state.credits);
    fill_box(buster_white, 170, 30, 470, 244);
    const std::int32_t paddle_x = game_mouse_modes.buster_paddle_x;
    fill_box(buster_black, paddle_x, 245, paddle_x + game_mouse_modes.buster_paddle_width, 250);
    for (std::int32_t k = 1; k <= buster_brick_count; ++k)
        if (state.bricks[k].alive) draw_brick(state.bricks[k], state.bricks[k].colour);
    for (std::int32_t i = 1; i <= peg_count(state.screen); ++i) draw_peg(state.screen, i, state.colours.peg_grey);
}

void start_paddle_drag(std::int32_t x)
{
    game_mouse_modes.buster_drag_x = x;
}

void drag_paddle(std::int32_t x)
{
    GameMouseModes& modes = game_mouse_modes;
    const std::int32_t width = modes.buster_paddle_width;
    const std::int32_t left =
        std::clamp(modes.buster_paddle_x + x - modes.buster_drag_x, 170, std::max(170, 470 - width));
    modes.buster_paddle_x = left;
    modes.buster_drag_x = x;
    fill_box(buster_black, left, 245, left + width, 250);
    qw_set_color_rgb(buster_white);
    if (left > 170) qw_rectangle(QwControl::filled, 170, 245, left - 1, 250);
    if (left + width < 470) qw_rectangle(QwControl::filled, left + width + 1, 245, 470, 250);
}

void draw_brick(const BusterBrick& brick, std::int32_t fill)
{
    brick_circle(brick, fill, true);
}

void paint_brick(const BusterBrick& brick, std::int32_t fill)
{
    brick_circle(brick, fill, false);
}

void draw_peg(std::int32_t screen, std::int32_t i, std::int32_t fill)
{
    const std::int32_t x = peg_centre_x(screen, i);
    circle(fill, x - 5, 125, x + 5, 135, true);
}

void take_ball_cell(BusterBall& ball)
{
    ball.bx = static_cast<std::int32_t>(ball.x);
    ball.by = static_cast<std::int32_t>(ball.y);
    std::size_t n = 0;
    for (std::int32_t y = ball.by - 1; y <= ball.by + 3; ++y)
        for (std::int32_t x = ball.bx - 1; x <= ball.bx + 3; ++x) ball.under[n++] = qw_get_pixel_rgb(x, y);
}

void put_back_ball_block(const BusterBall& ball)
{
    std::size_t n = 0;
    for (std::int32_t y = ball.by - 1; y <= ball.by + 3; ++y)
        for (std::int32_t x = ball.bx - 1; x <= ball.bx + 3; ++x) qw_set_pixel_rgb(x, y, ball.under[n++]);
}

void draw_ball(const BusterState& state)
{
    const BusterBall& ball = state.ball;
    fill_box(state.armed == 1 ? 0xD00000 : 0x00FF00, ball.bx, ball.by, ball.bx + 3, ball.by + 3);
}

void clear_buster_message_box(const BusterColours& colours)
{
    fill_box(colours.blue, 210, 155, 410, 230);
}

void draw_greyed_exit()
{
    handle_button_descriptor("d234567850027505002000FFEE999999@T4@@c999999@@y-18@Exit");
}

void draw_greyed_go()
{
    handle_button_descriptor("d234567840027505002000009900FFFF@T4@@c999999@@y-18@Go");
}
