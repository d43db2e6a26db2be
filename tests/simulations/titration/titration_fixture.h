// Titrations set up by hand on a recording backend, and what they drew.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "support/drawing_fixture.h"

namespace titration_test {

struct Titration {
    std::int32_t analyte = 1;
    float analyte_volume = 100.0f;  // mL
    float analyte_concentration = 0.02f;
    float titrant_concentration = 0.1f;
    std::int32_t indicator = 3;
};

// The simulation's block as a titration of that set-up finds it, with
// nothing added yet.
void set_up_titration(const Titration& set_up);

// The added volume as the burette reaches it: `steps` float sums of `step`.
float burette_sum(std::int32_t steps, float step);

class TitrationDrawing : public testing_support::DrawingTest {
protected:
    // The log lines since the last mark that start with prefix.
    std::vector<std::string> drawn(const std::string& prefix) const;
    bool drew(const std::string& line) const;
    // A text drawn with its top left at (x, y).
    bool drew_text_at(std::int32_t x, std::int32_t y, const std::string& text) const;
};

}  // namespace titration_test
