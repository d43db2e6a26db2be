#include "tools/thermo_data_viewer.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "chemistry/compound_records.h"
#include "chemistry/table_fields.h"
#include "frame/page_mouse.h"
#include "frame/screen_lease.h"
#include "platform/mouse.h"
#include "text/button_widgets.h"
#include "text/drawing_kit.h"
#include "text/markup_text.h"

namespace {

// Compound records in page order: elements, water liquid and gaseous,
// hydrides, carbon, nitrogen, then salts and oxides.
constexpr std::array<CompoundKey, 51> thermo_code_list{compounds::hydrogen,
                                                       compounds::nitrogen,
                                                       compounds::oxygen,
                                                       compounds::white_phosphorus,
                                                       compounds::chlorine,
                                                       compounds::sodium,
                                                       compounds::aluminium,
                                                       compounds::manganese,
                                                       compounds::iron,
                                                       compounds::copper,
                                                       compounds::zinc,
                                                       compounds::bromine,
                                                       compounds::silver,
                                                       compounds::iodine,
                                                       compounds::gold,
                                                       compounds::lead,
                                                       compounds::liquid_water,
                                                       compounds::water_vapour,
                                                       compounds::hydrogen_peroxide,
                                                       compounds::hydrogen_sulfide,
                                                       compounds::hydrogen_chloride,
                                                       compounds::hydrogen_iodide,
                                                       compounds::methane,
                                                       compounds::ethane,
                                                       compounds::propane,
                                                       compounds::methanol,
                                                       compounds::carbon_monoxide,
                                                       compounds::carbon_dioxide,
                                                       compounds::phosgene,
                                                       compounds::ammonia,
                                                       compounds::hydrazine,
                                                       compounds::nitric_oxide,
                                                       compounds::nitrogen_dioxide,
                                                       compounds::nitrous_oxide,
                                                       compounds::nitrosyl_bromide,
                                                       compounds::sodium_hydroxide,
                                                       compounds::aluminium_oxide,
                                                       compounds::aluminium_chloride,
                                                       compounds::phosphorus_decaoxide,
                                                       compounds::phosphoric_acid,
                                                       compounds::sulfur_dioxide,
                                                       compounds::sulfur_trioxide,
                                                       compounds::potassium_chloride,
                                                       compounds::potassium_chlorate,
                                                       compounds::iron_iii_oxide,
                                                       compounds::zinc_oxide,
                                                       compounds::zinc_sulfide,
                                                       compounds::barium_oxide,
                                                       compounds::barium_chloride,
                                                       compounds::lead_monoxide,
                                                       compounds::lead_sulfide};
constexpr std::int32_t rows_per_page = 5;

constexpr std::int32_t previous_page = 1;
constexpr std::int32_t back_to_problem = 2;
constexpr std::int32_t next_page = 3;

// Capsules "<", "OK" and ">" at x 530, filled BB8888 with a white border.
constexpr std::array<std::string_view, 3> buttons{
    "da345678530162020021BB8888FFFFFF@T4@@cFFFFFF@@x-16@@y-7@<",
    "da345678530207020021BB8888FFFFFF@T12@@cFFFFFF@@x-18@@y-6@OK",
    "da345678530252020021BB8888FFFFFF@T4@@cFFFFFF@@x-16@@y-7@>",
};

// The page whose first row is list position `first` (from 1).
void draw_thermo_page(std::int32_t first)
{
    draw_panel(160, 145, 550, 290);
    draw_markup_text(260, 149, "@T4@@C4@Dati Termodinamici a 298 K@T1@@C1@");
    draw_markup_text(265, 168, "@bD@@df@@iH@@u0@          @bD@@df@@iG@@u0@           @iS@@u0@            @iC@@dp@@u0@");
    draw_markup_text(295, 184, "@T2@kJ / mol                                J / (K•mol)@T1@");
    draw_markup_text(260, 198, "@r000000105000@");
    draw_markup_text(405, 198, "@r000000100000@");
    // The units on a line of their own under the headings, the rows closer.
    std::int32_t y = 184;
    for (std::int32_t p = first; p < first + rows_per_page && p <= static_cast<std::int32_t>(thermo_code_list.size());
         ++p) {
        const std::int32_t k = thermo_code_list[p - 1];
        y += 16;
        draw_markup_text(175, y, compound_columns(k, 41, 70) + "@d(" + compound_columns(k, 159, 159) + ")@");
        draw_markup_text(250, y, compound_columns(k, 131, 138));
        draw_markup_text(320, y, compound_columns(k, 139, 146));
        draw_markup_text(400, y, compound_columns(k, 147, 152));
        draw_markup_text(465, y, compound_columns(k, 153, 158));
    }
    handle_button_descriptor("C");
    for (const std::string_view button : buttons) handle_button_descriptor(button);
}

void on_thermo_view_mouse(const MouseEvent& e)
{
    if (e.event == kMouseLeftDown) thermo_view_mouse.hit = handle_button_descriptor("?", e.x, e.y);
}

}  // namespace

ThermoViewMouse thermo_view_mouse;

void show_thermo_data()
{
    const auto count = static_cast<std::int32_t>(thermo_code_list.size());
    const ScreenLease lease(on_thermo_view_mouse);
    enable_page_mouse();
    std::int32_t first = 1;
    draw_thermo_page(first);
    for (;;) {
        // The viewer's mouse has stored the button hit before the wait returns.
        qw_wait_mouse_event(kMouseLeftDown);
        const std::int32_t hit = thermo_view_mouse.hit;
        if (hit == previous_page && first > rows_per_page) {
            first -= rows_per_page;
            draw_thermo_page(first);
        } else if (hit == next_page && first + rows_per_page <= count) {
            first += rows_per_page;
            draw_thermo_page(first);
        } else if (hit == back_to_problem) {
            return;
        }
    }
}
