// The chapters the program offers; a chapter missing here has its menu item greyed.
#include "chapters/chapter_registry.h"

#include "chapters/basic_notions/basic_notions_chapter.h"
#include "chapters/basic_notions/basic_notions_problems.h"
#include "chapters/electrochemistry/electrochemistry_chapter.h"
#include "chapters/electrochemistry/electrochemistry_problems.h"
#include "chapters/elements_compounds/elements_compounds_chapter.h"
#include "chapters/elements_compounds/elements_compounds_problems.h"
#include "chapters/equilibria/equilibria_chapter.h"
#include "chapters/equilibria/equilibria_problems.h"
#include "chapters/final_problems/final_problems_chapter.h"
#include "chapters/final_problems/final_problems_problems.h"
#include "chapters/solutions/solutions_chapter.h"
#include "chapters/solutions/solutions_problems.h"
#include "chapters/states_of_matter/states_of_matter_chapter.h"
#include "chapters/states_of_matter/states_of_matter_problems.h"
#include "chapters/stoichiometry/stoichiometry_chapter.h"
#include "chapters/stoichiometry/stoichiometry_problems.h"
#include "chapters/thermo_kinetics/thermo_kinetics_chapter.h"
#include "chapters/thermo_kinetics/thermo_kinetics_problems.h"
#include "frame/generator_protocol.h"

void register_chapter_generators()
{
    register_chapter_generator(1, run_basic_notions_chapter, memory_of<basic_notions::basic_notions_state>());
    register_chapter_generator(2, run_elements_compounds_chapter, memory_of<elements_compounds_state>());
    register_chapter_generator(3, run_stoichiometry_chapter, memory_of<stoichiometry_state>());
    register_chapter_generator(4, run_states_of_matter_chapter, memory_of<states_of_matter_state>());
    register_chapter_generator(5, run_solutions_chapter, memory_of<solutions::solutions_state>());
    register_chapter_generator(6, run_thermo_kinetics_chapter, memory_of<thermo_kinetics_state>());
    register_chapter_generator(7, run_equilibria_chapter, memory_of<equilibria_state>());
    register_chapter_generator(8, run_electrochemistry_chapter, memory_of<electrochemistry_state>());
    register_chapter_generator(9, run_final_problems_chapter, memory_of<final_problems_state>());
}
