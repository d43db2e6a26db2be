// The figure of the phase-diagram problems: the part of the diagram it
// shows, where its marks stand and where its regions are named. The part
// shown is chosen from the drawn values: the plot's whole range when every
// mark stands clear of the boundaries there, a closer look when one would
// touch a boundary, a path would run along one or pass by the triple point,
// or a mark's region would have no room for its letter.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "chapters/states_of_matter/states_of_matter_problems.h"

namespace states_of_matter {

// In the order a row of the diagram meets them from low temperature up.
enum class Phase { solid, liquid, gas };

// The boundaries' pressures at one temperature, which tell the phase at
// every pressure there.
struct PressuresAt {
    PressuresAt(const PhaseDiagram& d, float t)
        : below_triple(t < d.t3), lower(below_triple ? d.sublimation_pressure(t) : d.vaporisation_pressure(t)),
          melting(below_triple ? 0.0f : d.melting_pressure(t))
    {}

    Phase phase(float p) const
    {
        if (below_triple) return p > lower ? Phase::solid : Phase::gas;
        if (p < lower) return Phase::gas;
        return p > melting ? Phase::solid : Phase::liquid;
    }

    bool below_triple;
    float lower, melting;
};

// The phase at (t, p); a point on a boundary counts to one side of it.
Phase phase_at(const PhaseDiagram& d, float t, float p);

// The quantity a path keeps between its two marked points.
enum class Held { pressure, temperature };

// The whole range, with the marked point where it was drawn.
void frame_marked_point(PhaseDiagram& d);
// The whole range, with the marked point where it was drawn or, where it
// would touch the frame or a line it is not on, at the nearest place that
// stands clear: on a boundary when it marks an equilibrium, else in its
// own region.
void frame_point_in_place(PhaseDiagram& d, bool on_boundary);
// The view and the marks' places for the path between the two marked
// points: each mark at its point, or where its point would touch a line,
// the nearest place along the path in the same region that stands clear;
// the path passes the triple point plot_path_junction_clearance pixels off.
void frame_marked_path(PhaseDiagram& d, Held held);

// The boundaries over the part shown: the sublimation curve, the
// vaporisation curve and the fusion line, each as points to join.
struct BoundaryPoints {
    std::vector<float> t, p;
};
std::vector<BoundaryPoints> boundaries_in_view(const PhaseDiagram& d, const DiagramView& v);
// Of those, the pieces whose pixels can meet the path between the two marks
// as shown, each apart: drawn again over the path, they keep it from hiding
// a boundary it runs along.
std::vector<BoundaryPoints> boundaries_over_path(const PhaseDiagram& d, const std::vector<BoundaryPoints>& all);

// Each region's letter and where it is written, in the widest clear place
// of the region; a region with no room for it is not named. `marks` marks
// are on the figure, with the path between two.
std::vector<RegionLabel> region_labels(const PhaseDiagram& d, std::int32_t marks);

}  // namespace states_of_matter
