// Defects the layout check finds on pages and screens whose mends are under
// way: the sweeps leave them out of their reports until the mends are in.
// Empty the list once they are: the sweeps then look at every page again.
#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

struct KnownOpenDefect {
    std::string_view where;  // the start of the report's line: "4.39 v", "titolazione"
    std::string_view what;   // words of the fault
};

inline constexpr auto known_open_defects = std::to_array<KnownOpenDefect>({
    // Points on or cut by their plot's frame, and on a phase boundary.
    {"1.36 v", "punto segnato"},
    {"1.37 v", "punto segnato"},
    {"1.38 v", "punto segnato"},
    {"4.37 v", "punto segnato"},
});

inline void drop_known_open_defects(std::vector<std::string>& report)
{
    std::erase_if(report, [](const std::string& fault) {
        return std::any_of(known_open_defects.begin(), known_open_defects.end(), [&fault](const KnownOpenDefect& d) {
            return fault.starts_with(d.where) && fault.find(d.what) != std::string::npos;
        });
    });
}
