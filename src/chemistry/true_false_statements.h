// True-or-false chemistry statements for the problems and the games:
// composed from templates, the element and compound tables and the random
// stream, true or false with about even odds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Group 1 has 14 statement types, group 2 has 17.
inline constexpr std::int32_t true_false_group_1_types = 14;
inline constexpr std::int32_t true_false_group_2_types = 17;

// The lowest chapter whose students can answer a type (1 to 9), or 0 for a
// group or type outside the lists.
std::int32_t statement_chapter_code(std::int32_t group, std::int32_t type);

// Composes one statement of the group and type into text (markup, cut to
// `length` characters) and sets truth to 1 when it is true, 0 when false.
// A group or type outside the lists leaves both unchanged. Value slots 1 to
// 5, 10, 19 and 20 are scratch: callers keep nothing there across a call.
// Callers that build a text around the statement of problem_text copy it
// first, since the statement is written there.
void make_true_false_statement(std::int32_t group, std::int32_t type, std::string& text, std::size_t length,
                               std::int32_t& truth);

// Draws a type of the group whose chapter code is at most `chapter` (the
// chapter the player is on), reports it in `type` and composes its
// statement. Any other group, or a chapter below 1, changes nothing.
void pick_game_question(std::int32_t group, std::int32_t chapter, std::string& text, std::size_t length,
                        std::int32_t& truth, std::int32_t& type);
