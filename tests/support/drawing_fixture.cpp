#include "support/drawing_fixture.h"

#include "text/fonts_colours.h"
#include "text/page_regions.h"

namespace testing_support {

void DrawingTest::SetUp()
{
    platform::install_backend(&backend);
    ASSERT_EQ(init_fonts_and_colours(), 0.0f);
    // The places claimed on the page outlive a drawing: a test starts on an empty page.
    clear_page_regions();
    mark();
}

void DrawingTest::TearDown()
{
    platform::install_backend(nullptr);
}

void DrawingTest::mark()
{
    mark_ = backend.log().size();
}

}  // namespace testing_support
