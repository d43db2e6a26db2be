#include "frame/initial_settings.h"
#include "platform/qt/qt_application.h"

int main(int argc, char** argv)
{
    return platform::qt::run_application(argc, argv, {[] { initial_settings(); }});
}
