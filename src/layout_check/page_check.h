// The layout check of the problem page shown, as the snapshot tool and the
// sweeps over every problem run it, and the versions they sweep.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "layout_check/layout_check.h"

namespace layout_check {

// A fault of a problem page, with the page it was found on.
struct PageFault {
    std::int32_t chapter = 0, problem = 0, version = 0;
    Fault fault;
};
// "chapter.problem vversion: " and the fault's sentence, as the snapshot
// tool prints it.
std::string sentence(const PageFault& fault);

// The problem page shown, drawn again as it was through recorder with its
// results, and its status line: what is wrong with them. The page's ground
// and fact are drawn from the session's clock, which the snapshot tool and
// the sweeps stop at check_clock unless asked for another second: every run
// checks one page.
std::vector<PageFault> problem_page_faults(LayoutRecorder& recorder);
inline constexpr std::int64_t check_clock = 1230000001;

// The status line of the page shown, drawn again through recorder: its
// texts that leave their field.
std::vector<Fault> status_line_faults(LayoutRecorder& recorder);

// The k-th version (k from 1) of a fixed list spread over 1 to 9999999, any
// first part of it spread over the whole range: versions nobody chose. The
// list holds every one of those versions once.
inline constexpr std::int32_t spread_version_count = 9999999;
std::int32_t spread_version(std::int32_t k);

}  // namespace layout_check
