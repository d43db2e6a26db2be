// The letters that name the phase figure's regions, placed in the widest
// clear place of each region.
#pragma once

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "chapters/states_of_matter/phase_figure.h"
#include "chapters/states_of_matter/phase_figure_pixels.h"
#include "chapters/states_of_matter/phase_ink_map.h"

namespace states_of_matter {

// Each region's letter and its place on the view, the marks at their
// places and the path between two drawn on the view's ink; a region with no
// room for its letter is not named.
std::vector<std::pair<Phase, RegionLabel>> labels_on(const PhaseDiagram& d, const Mapping& m,
                                                     std::span<const QwPoint> marks, InkMap& ink);

// Whether the regions of both marked points bear their letters.
bool marks_named(const PhaseDiagram& d, const std::vector<std::pair<Phase, RegionLabel>>& labels);

// Keeps the letters placed for the marks' places on the view framed, when
// the marks as shown land there.
void keep_labels(PhaseDiagram& d, const Mapping& m, std::span<const QwPoint> places,
                 std::vector<std::pair<Phase, RegionLabel>> labels);

}  // namespace states_of_matter
