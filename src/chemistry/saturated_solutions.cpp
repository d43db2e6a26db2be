#include "chemistry/saturated_solutions.h"

#include <algorithm>
#include <limits>

#include "chemistry/molar_mass.h"

namespace {

constexpr float unbounded = std::numeric_limits<float>::infinity();

const SaturatedSolution* saturated_solution(std::int32_t compound)
{
    const auto found = std::ranges::find(saturated_solutions, compound, &SaturatedSolution::compound);
    return found == saturated_solutions.end() ? nullptr : &*found;
}

}  // namespace

float saturated_formality(std::int32_t compound)
{
    const SaturatedSolution* s = saturated_solution(compound);
    return s ? s->formality : unbounded;
}

float saturated_molality(std::int32_t compound)
{
    const SaturatedSolution* s = saturated_solution(compound);
    if (!s) return unbounded;
    return s->mass_percent / (100.0f - s->mass_percent) * 1000.0f / compound_molar_mass(compound);
}

float saturated_molality_at(std::int32_t compound, float celsius)
{
    const auto found = std::ranges::find(hot_solubilities, compound, &HotSolubility::compound);
    if (found == hot_solubilities.end()) return saturated_molality(compound);
    const float step = std::clamp((celsius - 20.0f) / 20.0f, 0.0f, 4.0f);
    const std::size_t row = std::min(static_cast<std::size_t>(step), std::size_t{3});
    const float grams = found->grams[row] + (found->grams[row + 1] - found->grams[row]) * (step - row);
    return grams * 10.0f / compound_molar_mass(compound);
}

float eutectic_celsius(std::int32_t compound)
{
    const auto found = std::ranges::find(salt_eutectics, compound, &SaltEutectic::compound);
    return found == salt_eutectics.end() ? -unbounded : found->celsius;
}

float kept_under(float drawn, float ceiling, float top)
{
    return drawn <= ceiling ? drawn : drawn * 0.95f * ceiling / top;
}
