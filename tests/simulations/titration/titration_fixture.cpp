#include "titration_fixture.h"

#include <algorithm>

#include "simulations/titration/titration_state.h"

namespace titration_test {

void set_up_titration(const Titration& set_up)
{
    TitrationState& s = titration_state;
    s = {};
    s.initialised = 1;
    s.panel_colour = 0xFFEEEE;
    s.drawing_scale = 0.45f;
    for (std::int32_t k = 1; k <= analyte_count; ++k) s.dissociation_constants[k - 1] = analyte_constant(k);
    s.analyte_choice = set_up.analyte;
    s.indicator_choice = set_up.indicator;
    s.analyte_volume = set_up.analyte_volume;
    s.analyte_concentration = set_up.analyte_concentration;
    s.titrant_concentration = set_up.titrant_concentration;
}

float burette_sum(std::int32_t steps, float step)
{
    float v = 0.0f;
    for (std::int32_t i = 0; i < steps; ++i) v += step;
    return v;
}

std::vector<std::string> TitrationDrawing::drawn(const std::string& prefix) const
{
    const std::vector<std::string> log = backend.log();
    std::vector<std::string> lines;
    for (std::size_t i = mark_; i < log.size(); ++i)
        if (log[i].starts_with(prefix)) lines.push_back(log[i]);
    return lines;
}

bool TitrationDrawing::drew(const std::string& line) const
{
    const std::vector<std::string> lines = drawn(line);
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool TitrationDrawing::drew_text_at(std::int32_t x, std::int32_t y, const std::string& text) const
{
    const std::vector<std::string> lines = drawn("text (" + std::to_string(x) + "," + std::to_string(y) + ")");
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return line.ends_with("\"" + text + "\""); });
}

}  // namespace titration_test
