// The twenty slots through which every number shown passes: a value, its
// uncertainty and its significant digits, and the markup that shows them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

struct ValueSlot {
    float value = 0.0f;
    float uncertainty = 0.0f;
    // The uncertainty summed to first order from the data, where the value
    // was worked from them; kept where a fixed count then rewrites
    // `uncertainty`, to decide a redraw. 0 where none was.
    float first_order_uncertainty = 0.0f;
    std::int32_t digits = 1;
    std::string input_text;    // read by slot_digits_from_text; rewritten as "(e20.bb)" by every mode
    std::string display_text;  // markup, e.g. "1.23•10@u-3@"
};

// Slots count from 1; slot 20 is the chemistry routines' scratch slot, so
// nothing is kept there across a molar-mass or thermodynamics call.
struct ValueSlotTable {
    static constexpr std::int32_t slot_count = 20;
    std::array<ValueSlot, slot_count> slots{};
    ValueSlot& operator[](std::int32_t slot) { return slots.at(slot - 1); }
    const ValueSlot& operator[](std::int32_t slot) const { return slots.at(slot - 1); }
};
extern ValueSlotTable value_slots;

// The modes of convert_data_slot besides a count of digits n > 0, which
// rounds value to n significant digits with an uncertainty of three units of
// the last digit.
// Value and digits from input_text as typed ("0.0120" has 3):
inline constexpr std::int32_t slot_digits_from_text = 0;
// Digits from uncertainty, value and uncertainty kept:
inline constexpr std::int32_t slot_digits_from_uncertainty = -1;

// Every mode rewrites input_text and display_text.
void convert_data_slot(std::int32_t slot, std::int32_t mode);

// The display_text of a value shown with `digits` significant digits, for a
// value that a REAL cannot hold ("6.6•10@u45@"); "?" when it is not finite.
std::string significant_markup(double value, std::int32_t digits);
