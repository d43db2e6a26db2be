// The error handler's state, shared by the handler's own files only.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::int32_t max_error_levels = 50;
inline constexpr std::size_t max_message_length = 1024;
inline constexpr std::size_t parameter_buffer_length = 300;

struct ErrorLevel {
    std::string name;
    std::int32_t type = -1;  // -1: level not used yet
    std::int32_t code = -1;
    bool stop_requested = false;  // the stop for this error was already asked for
};

struct MessageParameter {
    char letter;
    char digit;
    std::string text;
};

struct ErrorHandlerState {
    std::int32_t level = 1;                               // top of the name stack; level 1 is "USER"
    std::int32_t refused_pushes = 0;                      // pushes beyond the limit, matched by their pops
    std::array<ErrorLevel, max_error_levels + 2> levels;  // 1..51 used
    std::array<std::int32_t, 8> print_attribute{};        // types 1..7
    std::array<std::int32_t, 8> stop_attribute{};
    std::string message;  // pending, already assembled
    std::vector<MessageParameter> parameters;
    bool type6_noted = false;
    bool type7_noted = false;
};

// The one state of the handler, filled on first use (init_error_tables).
ErrorHandlerState& error_state();

inline constexpr std::array<std::int32_t, 8> default_print_attribute = {0, 0, 0, 1, 1, 1, 1, 1};
inline constexpr std::array<std::int32_t, 8> default_stop_attribute = {0, 0, 0, 0, 1, 1, 0, 1};

std::int32_t print_attribute_of(std::int32_t type);
std::int32_t stop_attribute_of(std::int32_t type);

// ".  " followed by msg with its placeholders replaced, cut at 1024 characters.
std::string assemble_message(std::string_view msg);

// Prints the pending message as an error of the given type and code from the
// routine on top of the stack, with a traceback above level 2, and empties it.
void print_error_message(std::int32_t type, std::int32_t code);

// A failure of the handler itself: prints message (already assembled) as a
// terminal error whatever the attributes and asks to stop.
void report_handler_failure(std::string message, std::string_view routine);
