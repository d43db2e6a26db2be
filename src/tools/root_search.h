// A root of the prepared expression in an interval.
#pragma once

enum class RootSearch { found, not_evaluable, no_root };

// The grid scanned: 1001 points from the lower end of the interval to the
// upper, in thousandths of its width, the last the upper end itself.
constexpr int root_grid_intervals = 1000;
double root_grid_point(double lower, double upper, int i);

// Scans the grid from the lower end (an interval typed backwards is the
// same interval) for a sign change of the expression that
// prepare_expression has just accepted, or a zero, and narrows each sign
// change down to two neighbouring doubles. Where the function is not
// defined at a grid point, the defined region next to it is searched up to
// its edge, and a sign change across the gap is narrowed around it. A
// narrowing that ends inside a gap, or where |f| grew above |f| at the
// sign change it started from (a pole), shows no root; the scan goes on.
// Any other narrowed sign change is a root, however wide the rounding
// noise about it. A zero where the function only falls below the smallest
// double is no root, nor is one whose run of zeros reaches out of the
// interval or holds all of it; of a run of doubles where it vanishes, the
// one with the fewest digits is shown. Where the scan meets no root, an
// end where f lies within its error estimate, in the noise of a sign
// change just outside, is one. found: root lies in the interval;
// not_evaluable: none, and a sign change met was a pole or in a gap, or
// the function is defined at no grid point; no_root: none seen.
RootSearch search_expression_root(double a, double b, double& root);
