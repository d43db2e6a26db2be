// The tables are filled once for the whole test program, as at start-up.
#include <gtest/gtest.h>

#include "chemistry/data_tables.h"

namespace {

class TablesEnvironment : public testing::Environment {
public:
    void SetUp() override { init_data_tables(); }
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new TablesEnvironment);

}  // namespace
