#include "frame/status_header.h"

#include <array>
#include <cstdint>
#include <string>

#include "frame/app_state.h"
#include "frame/page_furniture.h"
#include "frame/scheme_colours.h"
#include "platform/graphics.h"
#include "text/markup_text.h"
#include "text/paint.h"

namespace {

struct HeaderKey {
    std::int32_t scheme = 0, chapter = 0, section = 0, level = 0, version = 0;
    bool operator==(const HeaderKey&) const = default;
};

struct HeaderCache {
    bool valid = false;
    HeaderKey key;
    std::int32_t current_section = 0;
};
HeaderCache header_cache;

// Chapter 2 is written with a capital C here, unlike its menu item.
constexpr std::array<const char*, 10> chapter_names = {
    "",          "Nozioni di base",          "Elementi e Composti", "Stechiometria",  "Stati di aggregazione",
    "Soluzioni", "Termodinamica e Cinetica", "Equilibri chimici",   "Elettrochimica", "Problemi finali",
};

std::int32_t find_current_section(std::int32_t previous)
{
    std::int32_t s = previous;
    for (std::int32_t i = 1; i <= chapter_index.section_count && i <= max_sections; ++i)
        if (chapter_index.side_panel[i].first_problem <= app_state.selected_problem) s = i;
    return s;
}

constexpr std::int32_t field_right = status_field.x2;

// A radial gradient from the frame colour at the left end of the band to
// nearly white at its right. The outermost ring's colour first fills the
// field's corners, which no ring reaches, so no earlier header shows there.
void draw_header_ground()
{
    qw_set_clip_region(status_field.x1, status_field.y1, field_right, status_field.y2);
    const QwRgb c = qw_split_rgb(scheme_frame_colour());
    for (std::int32_t r = field_right; r >= 107; r -= 10) {
        const std::int32_t k = (r - 100) / 10;
        const auto lighten = [k](std::int32_t v) {
            return static_cast<std::int32_t>(static_cast<float>(v) + static_cast<float>((255 - v) * k) * 0.022222223f);
        };
        const std::int32_t ring = qw_rgb(lighten(c.red), lighten(c.green), lighten(c.blue));
        if (r == field_right) fill_box(ring, status_field.x1, status_field.y1, field_right, status_field.y2);
        fill_ellipse(ring, -r, 320 - r, r, 320 + r);
    }
    qw_set_clip_region(0, 0, 1600, 1600);
}

std::int32_t section_band_colour()
{
    switch (screen_settings.background_scheme) {
    case 3: return qw_rgb(221, 221, 153);
    case 4: return qw_rgb(187, 255, 170);
    default: return qw_rgb(204, 221, 238);
    }
}

std::string version_label(std::int32_t version)
{
    if (version == no_version) return "Nessuna Versione";
    if (version == text_version) return "Versione Testo";
    return "Versione " + std::to_string(version);
}

}  // namespace

void forget_status_header()
{
    header_cache.valid = false;
}

void draw_status_header()
{
    const std::int32_t s = find_current_section(header_cache.current_section);
    header_cache.current_section = s;
    const HeaderKey key{screen_settings.background_scheme, app_state.current_chapter, s, app_state.current_level,
                        app_state.version_number};
    if (header_cache.valid && key == header_cache.key) return;
    header_cache.valid = true;
    header_cache.key = key;

    draw_header_ground();
    fill_box(panel_ground_colour, 11, 31, 130, 199);
    if (s >= 1 && s <= max_sections) {
        const std::int32_t top = chapter_index.side_panel[s].top;
        fill_box(section_band_colour(), 12, top, 130, top + 13);
    }
    for (std::int32_t i = 1; i <= 8; ++i) {
        const SidePanelEntry& entry = chapter_index.side_panel[i];
        if (!entry.title.empty()) draw_entry_title(entry.top, "@C2@", entry.title);
    }

    const std::int32_t chapter = app_state.current_chapter;
    const std::string name = chapter >= 1 && chapter <= 9 ? chapter_names[chapter] : "";
    const std::string section = s >= 1 && s <= max_sections ? chapter_index.side_panel[s].title : "";
    const std::string text = name + ": " + section + " -@x5@Livello " + std::to_string(app_state.current_level) +
                             " -@x5@" + version_label(app_state.version_number);
    // Ends short of the buttons, a size smaller where it would run under them.
    constexpr std::int32_t x = 10;
    draw_markup_text(x, 320, font_to_fit(1, text, x, field_right - 2) + "@C1@" + text);
}
