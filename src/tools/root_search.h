// The first root of the prepared expression in an interval.
#pragma once

enum class RootSearch { found, not_evaluable, no_root };

// Scans 1001 points from a to b for the first sign change (or exact zero)
// of the expression that prepare_expression has just accepted, then
// narrows it in 20 passes and a secant. not_evaluable: the function stops
// being defined before any sign change, or the sign change is a pole;
// no_root: none was seen.
RootSearch search_expression_root(double a, double b, double& root);
