#include "frame/fact_box.h"

#include <string>

#include "chemistry/chemistry_facts.h"
#include "numbers/clock_seed.h"
#include "numbers/random_stream.h"
#include "platform/graphics.h"
#include "text/justified_text.h"
#include "text/page_regions.h"

namespace {

// Numbers 96 to 100 of the draw, like the gaps of the catalogue, carry no fact.
std::string_view draw_fact()
{
    for (;;) {
        const std::int32_t n = random_int(1, 100);
        if (n > chemistry_fact_numbers) continue;
        if (const auto fact = chemistry_fact(n)) return *fact;
    }
}

}  // namespace

void show_chemistry_fact(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t& height)
{
    set_random_seed(draw_clock_seed());
    const std::string body = "@T1@@C1@" + std::string(draw_fact());
    // Measured below the canvas: the pen stops at the top of the last line.
    LineMemo memo;
    measure_justified_text(x + 10, x + width - 10, 2000, body, memo);
    height = qw_get_current_position().y - 1940;
    // A decoration: left out where it would cover anything on the page.
    const PageRect box{x, y, x + width, y + height};
    if (!unbordered_place_free(box)) return;
    occupy_page_region(PageElement::fact, box);
    qw_set_color_rgb(0xD9D9E4);
    qw_rectangle(QwControl::filled, x, y, x + width, y + height);
    qw_set_color_rgb(0xC0C0C8);
    qw_rectangle(QwControl::filled, x, y, x + width, y + 20);
    draw_justified_text(x + width / 2 - 70, x + width - 10, y + 2, "@T8@@C6@Fatti della Chimica");
    draw_justified_text(x + 10, x + width - 10, y + 30, body, memo);
}

void show_chemistry_fact(std::int32_t x, std::int32_t y, std::int32_t width)
{
    std::int32_t height = 0;
    show_chemistry_fact(x, y, width, height);
}
