#include "content_fixture.h"

#include <cstdio>

std::vector<Drawn> ContentTest::drawn(std::string_view prefix) const
{
    const std::vector<std::string> log = backend.log();
    std::vector<Drawn> result;
    for (std::size_t i = mark_; i < log.size(); ++i) {
        const std::string& line = log[i];
        Drawn d;
        unsigned colour = 0;
        int font = 0;
        int text_start = 0;
        char control[16] = {};
        if (std::sscanf(line.c_str(), "text (%d,%d) font %d 0x%X \"%n", &d.x1, &d.y1, &font, &colour, &text_start) ==
                4 &&
            text_start > 0) {
            d.kind = "text";
            d.text = line.substr(text_start, line.size() - text_start - 1);
        } else if (std::sscanf(line.c_str(), "line (%d,%d)-(%d,%d) 0x%X", &d.x1, &d.y1, &d.x2, &d.y2, &colour) == 5) {
            d.kind = "line";
        } else if (std::sscanf(line.c_str(), "rect %15s (%d,%d)-(%d,%d) 0x%X", control, &d.x1, &d.y1, &d.x2, &d.y2,
                               &colour) == 6) {
            d.kind = std::string("rect ") + control;
        } else {
            continue;
        }
        d.colour = static_cast<std::int32_t>(colour);
        if (d.kind.starts_with(prefix)) result.push_back(d);
    }
    return result;
}
