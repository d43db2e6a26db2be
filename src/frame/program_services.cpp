#include "frame/program_services.h"

ProgramServices program_services;
