#include "chemistry/organic_formula.h"

std::string organic_formula(const OrganicCounts& n)
{
    return "C@d" + std::to_string(n.c) + "@H@d" + std::to_string(n.h) + "@O@d" + std::to_string(n.o) + "@";
}
