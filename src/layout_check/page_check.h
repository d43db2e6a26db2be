// The layout check of the problem page shown, as the snapshot tool and the
// sweeps over every problem run it, and the versions they sweep.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "layout_check/layout_check.h"

namespace layout_check {

// The problem page shown, drawn again through recorder with its results,
// its clock stopped so that every run draws the same fact: what is wrong
// with it, one line each, headed "chapter.problem vversion: ".
std::vector<std::string> problem_page_faults(LayoutRecorder& recorder);

// The first count versions of a fixed list spread over 1 to 9999999, any
// first part of it spread over the whole range: versions nobody chose. The
// list holds every one of those versions once.
inline constexpr std::int32_t spread_version_count = 9999999;
std::vector<std::int32_t> spread_versions(std::int32_t count);

}  // namespace layout_check
