#include "support/program_start.h"

#include "app/program_parts.h"
#include "frame/initial_settings.h"
#include "frame/main_program.h"
#include "frame/page_commands.h"
#include "frame/program_services.h"

namespace testing_support {

void start_program_with_its_parts(Decoration decoration)
{
    program_services = {};
    plug_in_program_parts();
    initial_settings();
    main_program();
    if (decoration == Decoration::cheapest) apply_background_scheme(3);
}

}  // namespace testing_support
