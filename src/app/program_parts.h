// Plugs the chapters and the services of the layers above the frame into
// it; the program and the tools that start it call this first.
#pragma once

#include "chemistry/chemistry_facts.h"
#include "chemistry/data_tables.h"
#include "frame/generator_protocol.h"
#include "frame/rtf_export.h"
#include "frame/program_services.h"

inline void plug_in_program_parts()
{
    register_chapter_generators();
    program_services.init_data_tables = init_data_tables;
    program_services.show_chemistry_fact = show_chemistry_fact;
    program_services.export_problem_rtf = export_problem_rtf;
}
