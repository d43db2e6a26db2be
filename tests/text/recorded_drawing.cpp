#include "recorded_drawing.h"

#include <cstdio>
#include <map>
#include <ostream>

void PrintTo(const DrawnShape& s, std::ostream* os)
{
    *os << s.kind << " (" << s.x1 << "," << s.y1 << ")-(" << s.x2 << "," << s.y2 << ") 0x" << std::hex << s.colour
        << std::dec;
}

std::vector<std::string> RecordedDrawing::lines_from_mark(std::string_view prefix) const
{
    const std::vector<std::string> log = backend.log();
    std::vector<std::string> lines;
    for (std::size_t i = mark_; i < log.size(); ++i) {
        if (log[i].starts_with(prefix)) lines.push_back(log[i]);
    }
    return lines;
}

std::vector<DrawnText> RecordedDrawing::texts(bool all) const
{
    const std::vector<std::string> log = backend.log();
    std::map<int, std::string> fonts;  // handle -> option text, over the whole log
    std::vector<DrawnText> drawn;
    for (std::size_t i = 0; i < log.size(); ++i) {
        const std::string& line = log[i];
        char options[128];
        int handle = 0;
        if (std::sscanf(line.c_str(), "font %127s -> %d", options, &handle) == 2) {
            fonts[handle] = options;
            continue;
        }
        DrawnText t;
        int font = 0;
        unsigned colour = 0;
        int consumed = 0;
        if (i < mark_ ||
            std::sscanf(line.c_str(), "text (%d,%d) font %d 0x%X \"%n", &t.x, &t.y, &font, &colour, &consumed) != 4) {
            continue;
        }
        t.font = fonts[font];
        t.colour = static_cast<std::int32_t>(colour);
        t.text = line.substr(static_cast<std::size_t>(consumed), line.size() - consumed - 1);
        if (all || (t.x < 1000 && t.y < 1000)) drawn.push_back(t);
    }
    return drawn;
}

std::vector<std::string> RecordedDrawing::strings() const
{
    std::vector<std::string> result;
    for (const DrawnText& t : texts()) result.push_back(t.text);
    return result;
}

std::vector<DrawnShape> RecordedDrawing::shapes(std::string_view kind_prefix) const
{
    std::vector<DrawnShape> result;
    for (const std::string& line : lines_from_mark(kind_prefix)) {
        DrawnShape s;
        char kind[32];
        char control[32];
        unsigned colour = 0;
        if (std::sscanf(line.c_str(), "%31s %31s (%d,%d)-(%d,%d) 0x%X", kind, control, &s.x1, &s.y1, &s.x2, &s.y2,
                        &colour) == 7) {
            s.kind = std::string(kind) + " " + control;
        } else if (std::sscanf(line.c_str(), "line (%d,%d)-(%d,%d) 0x%X", &s.x1, &s.y1, &s.x2, &s.y2, &colour) == 5) {
            s.kind = "line";
        } else {
            continue;
        }
        s.colour = static_cast<std::int32_t>(colour);
        result.push_back(s);
    }
    return result;
}
