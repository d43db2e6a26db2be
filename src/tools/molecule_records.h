// The built-in molecules of the viewer, as the fixed-column text records it
// parses: count "(i2)", then 15-column entries (symbol, link digit, x, y, z
// in picometres as "(i4)"), then the label in markup.
#pragma once

#include <cstdint>
#include <string>

inline constexpr std::int32_t molecule_record_count = 20;

// Record k (1..20), put together afresh; slot 12 is blank.
std::string molecule_record(std::int32_t k);
