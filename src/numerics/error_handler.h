// The library's error handler. Routines push their name on entry and pop it
// on exit; in between they raise errors of a type (severity 1..7) and a code
// with a message whose placeholders %(In), %(Rn), %(Ln) take the parameters
// stored just before. Per-type attributes decide whether a message is printed
// and whether the run is asked to stop (see library_hooks.h).
#pragma once

#include <cstdint>
#include <string_view>

void E1PSH(std::string_view name);
void E1POP(std::string_view name);

// iertyp -1 keeps the current type and a negative iercod the current code;
// a type or code of 0 clears the pending message.
void E1MES(std::int32_t iertyp, std::int32_t iercod, std::string_view msg);

// Parameters n = 1..9 of the next message; entries that do not fit the
// 300-character parameter buffer, or with another n, are not stored.
void store_int_message_param(std::int32_t ii, std::int32_t ivalue);
void store_real_message_param(std::int32_t ii, float rvalue);
// Trailing blanks are removed when ii > 0 and kept when ii < 0; n = |ii|.
void store_literal_message_param(std::int32_t ii, std::string_view text);

// Type and code recorded at the current level (iopt 0) or at the level of
// the routine called last (iopt 1).
std::int32_t N1RTY(std::int32_t iopt);
std::int32_t N1RCD(std::int32_t iopt);

// Print (ipact) and stop (isact) attributes of severity iersvr: 0 all types,
// 1..5 one type (3 also sets 6, 4 also 7); -1 unchanged, 0 off, 1 on,
// 2 default.
void ERSET(std::int32_t iersvr, std::int32_t ipact, std::int32_t isact);

// iertyp 0 all seven types, 1..7 one type, -7..-1 reads the attributes of
// type |iertyp| back into ipatt and isatt.
void set_error_attributes(std::int32_t iertyp, std::int32_t& ipatt, std::int32_t& isatt);
