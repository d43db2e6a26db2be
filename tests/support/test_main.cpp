#include <gtest/gtest.h>

#include <cstdio>

#include "chemistry/data_tables.h"
#include "platform/qt/qt_application.h"

// One application object for the whole test program, so that tests can open
// Qt sessions (offscreen); tests that use the recording backend ignore it.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    platform::qt::Application application(argc, argv);
    if (!application.font_failure().empty()) {
        std::fprintf(stderr, "%s\n", application.font_failure().c_str());
        return 1;
    }
    // The tables are filled once for the whole test program, as at start-up.
    init_data_tables();
    return RUN_ALL_TESTS();
}
