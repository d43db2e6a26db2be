// The program started with every part plugged in, on the installed backend,
// as a user finds it.
#pragma once

namespace testing_support {

enum class Decoration {
    initial,   // the background the program starts with
    cheapest,  // one disc: for tests that draw many pages
};

void start_program_with_its_parts(Decoration decoration = Decoration::cheapest);

}  // namespace testing_support
