// The printed form of an error: a header line, continuation lines and the
// traceback of the routines on the stack.
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "numerics/error_state.h"
#include "numerics/library_hooks.h"
#include "numerics/machine_constants.h"
#include "numerics/text_utilities.h"

namespace {

constexpr std::size_t first_line_width = 59;
constexpr std::size_t continuation_width = 64;

std::string type_word(std::int32_t type)
{
    static constexpr std::array<const char*, 7> words = {"NOTE    ", "ALERT   ", "WARNING ", "FATAL   ",
                                                         "TERMINAL", "WARNING ", "FATAL   "};
    return (type >= 1 && type <= 7) ? words[static_cast<std::size_t>(type - 1)] : "UNKNOWN ";
}

std::string padded(std::string text, std::size_t width)
{
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

std::string without_trailing_blanks(std::string text)
{
    const auto last = text.find_last_not_of(' ');
    text.erase(last == std::string::npos ? 0 : last + 1);
    return text;
}

// Breaks the text at blanks into a first line and continuation lines; "%/"
// forces a new line.
std::vector<std::string> break_into_lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t width = lines.empty() ? first_line_width : continuation_width;
        const std::size_t forced = text.find("%/", pos);
        if (forced != std::string::npos && forced - pos <= width) {
            lines.push_back(text.substr(pos, forced - pos));
            pos = forced + 2;
            continue;
        }
        if (text.size() - pos <= width) {
            lines.push_back(text.substr(pos));
            break;
        }
        const std::size_t blank = text.rfind(' ', pos + width);
        if (blank != std::string::npos && blank > pos) {
            lines.push_back(text.substr(pos, blank - pos));
            pos = blank + 1;
        } else {
            lines.push_back(text.substr(pos, width));
            pos += width;
        }
    }
    return lines;
}

void print_traceback(const ErrorHandlerState& state, std::int32_t unit)
{
    write_library_line(unit, "     Here is a traceback of subprogram calls in reverse order:");
    write_library_line(unit, "     " + padded("Routine name", 27) + " " + "    Error type  Error code");
    write_library_line(unit, "     ------------" + std::string(16, ' ') + "    ----------  ----------");
    for (std::int32_t level = state.level; level >= 1; --level) {
        const ErrorLevel& entry = state.levels[static_cast<std::size_t>(level)];
        std::string line = "     " + padded(entry.name, 32) + field_of_six(entry.type) + std::string(6, ' ') +
                           field_of_six(entry.code);
        if (level > 2) line += "    (Called internally)";
        write_library_line(unit, line);
    }
}

}  // namespace

void print_error_message(std::int32_t type, std::int32_t code)
{
    auto& state = error_state();
    if (state.message.empty()) return;
    std::int32_t unit = 0;
    UMACH(3, unit);
    const std::string& routine = state.levels[static_cast<std::size_t>(state.level)].name;
    const auto lines = break_into_lines(" " + std::to_string(code) + " from " + routine + state.message);
    write_library_line(unit, "");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string head = i == 0 ? " *** " + type_word(type) + " ERROR" : " ***          ";
        write_library_line(unit, without_trailing_blanks(head + lines[i]));
    }
    if (state.level > 2) print_traceback(state, unit);
    state.message.clear();
}

void report_handler_failure(std::string message, std::string_view routine)
{
    auto& state = error_state();
    // A message still waiting for its routine's return is kept for it.
    std::string pending = std::exchange(state.message, std::move(message));
    state.parameters.clear();
    print_error_message(5, 1);
    state.message = std::move(pending);
    request_stop(5, 1, std::string(routine));
}
