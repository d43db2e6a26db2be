// The first root of the prepared expression in an interval.
#pragma once

enum class RootSearch { found, not_evaluable, no_root };

// Scans 1001 points from a to b for the first sign change (or exact zero)
// of the expression that prepare_expression has just accepted, then
// narrows it in 20 passes, more while the step is wider than 1e-12 of the
// point reached, and a secant. A function defined only beyond the last
// grid point but one is looked for back from b. not_evaluable: the function
// stops being defined before any sign change, or the sign change is a pole;
// no_root: none was seen.
RootSearch search_expression_root(double a, double b, double& root);
