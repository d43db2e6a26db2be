#include "chapters/equil/equil_problems.h"
namespace equil {
void generate_problem_1() {}
void generate_problem_6() {}
void generate_problem_7() {}
void generate_problem_8() {}
void generate_problem_9() {}
void generate_problem_12() {}
void generate_problem_13() {}
}  // namespace equil
