// A root of the prepared expression in an interval.
#pragma once

enum class RootSearch { found, not_evaluable, no_root, uncertain, stopped, root_or_pole, unavailable };

// The grid scanned: 1001 points from the lower end of the interval to the
// upper, in thousandths of its width, the last the upper end itself.
constexpr int root_grid_intervals = 1000;
double root_grid_point(double lower, double upper, int i);

// Scans the grid from the lower end (an interval typed backwards is the
// same interval) for a sign change of the expression that
// prepare_expression has just accepted, or a zero, each sign certified on
// the expression's true value, and narrows a sign change down to two
// neighbouring doubles: a root between them where f is bounded over both,
// a pole where it is not. Where the function is not defined at a grid
// point, the defined region next to it is searched up to its edge, and a
// sign change across the gap is narrowed around it; the scan goes on past
// a pole or a gap. The time the search may take is bounded. found: root
// lies in the interval; not_evaluable: none, and a sign change met was a
// pole or in a gap, or the function is defined at no grid point;
// root_or_pole: none, and a sign change met was not told root from pole
// within the search's work; stopped: none, and the work ran out with signs
// still undecided; uncertain: every point evaluated, none, and a sign
// still holds 0 at the precision cap; no_root: every sign told, none
// changes; unavailable: the ball library cannot be opened, and no sign is
// certified.
RootSearch search_expression_root(double a, double b, double& root);
