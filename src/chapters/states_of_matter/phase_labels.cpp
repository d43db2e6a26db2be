#include "chapters/states_of_matter/phase_labels.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "text/markup_text.h"
#include "text/plot_geometry.h"

namespace states_of_matter {

using namespace figure_area;

namespace {

// From a region's letter's box to the nearest ink: a gap of 2 pixels.
constexpr std::int32_t label_clearance = 3;

}  // namespace

std::vector<std::pair<Phase, RegionLabel>> labels_on(const PhaseDiagram& d, const Mapping& m,
                                                     std::span<const QwPoint> marks, InkMap& ink)
{
    for (const QwPoint& q : marks)
        ink.add_box(q.x - plot_dot_radius, q.y - plot_dot_radius, q.x + plot_dot_radius, q.y + plot_dot_radius);
    if (marks.size() == 2) ink.add_line(marks[0], marks[1]);
    // A letter's ink lies in the rows 3 to 12 below the point it is written
    // at; its box takes a row more each way.
    constexpr std::int32_t ink_top = 2, ink_bottom = 13;
    constexpr std::array<std::pair<Phase, std::string_view>, 3> letters = {
        {{Phase::solid, "@T1@@C1@S"}, {Phase::gas, "@T1@@C1@G"}, {Phase::liquid, "@T1@@C1@L"}}};
    std::vector<std::pair<Phase, RegionLabel>> labels;
    for (const auto& named : letters) {
        const Phase phase = named.first;
        const std::string text(named.second);
        const std::int32_t width = markup_line_width(text);
        // The letter written at every second pixel, its box's least
        // distance to ink the widest yet: the first place of the widest.
        const auto ink_around = [&](std::int32_t x, std::int32_t y, std::int32_t reach) {
            return ink.inked(x - reach, y + ink_top - reach, x + width - 1 + reach, y + ink_bottom + reach);
        };
        std::vector<PressuresAt> placed_columns;
        for (std::int32_t x = left; x + width - 1 <= right; x += 2)
            placed_columns.emplace_back(d, m.t_at(x + width / 2));
        // Every `step`th place of every `step`th row, the columns of the
        // letter's phase only; `best` the widest least distance yet, a place
        // wider kept as the first of its width.
        std::int32_t best = label_clearance - 1;
        std::optional<QwPoint> place;
        const auto scan = [&](std::size_t step) {
            for (std::int32_t y = top; y + ink_bottom <= bottom; y += 2 * static_cast<std::int32_t>(step)) {
                const float p = m.p_at(y + (ink_top + ink_bottom) / 2);
                // Along a row the phases come solid, liquid, gas from the
                // left: the columns of the letter's phase lie between two
                // searches.
                const auto columns_before = [&](auto in_phase_or_after) {
                    std::size_t lo = 0, hi = placed_columns.size();
                    while (lo < hi) {
                        const std::size_t mid = (lo + hi) / 2;
                        if (in_phase_or_after(placed_columns[mid].phase(p)))
                            hi = mid;
                        else
                            lo = mid + 1;
                    }
                    return lo;
                };
                const std::size_t end = columns_before([phase](Phase q) { return q > phase; });
                std::size_t i = columns_before([phase](Phase q) { return q >= phase; });
                i = (i + step - 1) / step * step;
                while (i < end) {
                    const std::int32_t x = left + 2 * static_cast<std::int32_t>(i);
                    if (ink_around(x, y, best)) {
                        // Every place whose box, grown by best, reaches the
                        // last inked column of this one's is inked too.
                        const std::int32_t inked = ink.last_inked_column(x - best, y + ink_top - best,
                                                                         x + width - 1 + best, y + ink_bottom + best);
                        const auto next = static_cast<std::size_t>((inked + best + 1 - left + 1) / 2);
                        i = std::max(i + step, (next + step - 1) / step * step);
                        continue;
                    }
                    // The frame is ink: the box meets ink at some distance.
                    while (!ink_around(x, y, best)) ++best;
                    place = QwPoint{x, y};
                    i += step;
                }
            }
        };
        // A sparse look first finds a width that the full one must pass: the
        // place it keeps is the first of the widest all the same.
        scan(8);
        if (place) {
            --best;
            place.reset();
        }
        scan(1);
        if (!place) continue;
        ink.add_box(place->x, place->y + ink_top, place->x + width - 1, place->y + ink_bottom);
        labels.push_back({phase, {text, place->x, place->y}});
    }
    return labels;
}

bool marks_named(const PhaseDiagram& d, const std::vector<std::pair<Phase, RegionLabel>>& labels)
{
    for (std::size_t k = 0; k < 2; ++k) {
        const Phase phase = phase_at(d, d.marked_t[k], d.marked_p[k]);
        if (std::none_of(labels.begin(), labels.end(), [phase](const auto& label) { return label.first == phase; }))
            return false;
    }
    return true;
}

void keep_labels(PhaseDiagram& d, const Mapping& m, std::span<const QwPoint> places,
                 std::vector<std::pair<Phase, RegionLabel>> labels)
{
    for (std::size_t k = 0; k < places.size(); ++k)
        if (m.at(d.shown_t[k], d.shown_p[k]) != places[k]) return;
    std::vector<RegionLabel> placed;
    for (auto& [phase, label] : labels) placed.push_back(std::move(label));
    d.framed = {d.view, d.shown_t, d.shown_p, static_cast<std::int32_t>(places.size()), std::move(placed)};
}

}  // namespace states_of_matter
