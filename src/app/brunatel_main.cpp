#include "app/program_parts.h"
#include "frame/initial_settings.h"
#include "frame/main_program.h"
#include "platform/qt/qt_application.h"

int main(int argc, char** argv)
{
    plug_in_program_parts();
    return platform::qt::run_application(argc, argv, {[] { initial_settings(); }, [] { main_program(); }});
}
