// Chapter 1 on the recording backend: a problem generated as the page does
// (the stream seeded with the version, then the generate request), its answer drawn
// with the answer request, and the numbers of its texts read back as a student
// reads them.
#pragma once

#include "support/chapter_fixture.h"
#include "support/shown_numbers.h"

namespace basic_notions_test {

using testing_support::digits_of_data;
using testing_support::match;
using testing_support::Shown;
using testing_support::shown;
using testing_support::within_last_digit;
using testing_support::within_rounding;

using testing_support::second_reading;

// The graphs' colours as the canvas keeps them (0xBBGGRR).
inline constexpr std::int32_t red = 0x0000FF;
inline constexpr std::int32_t blue = 0xFF0000;

// Sweeps visit versions 1, 2, 3 ...; the log is fresh for each problem and
// holds its answer after it.
class ChapterOne : public testing_support::ChapterTest {
protected:
    ChapterOne();
};

}  // namespace basic_notions_test
