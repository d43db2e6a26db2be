#include "states_of_matter_fixture.h"

#include <map>

#include "chapters/states_of_matter/states_of_matter_chapter.h"

namespace states_of_matter_test {

double molar_mass_named(std::string_view name)
{
    static const std::map<std::string, double, std::less<>> masses = {
        {"elio", 4.0026},
        {"neo", 20.180},
        {"argo", 39.948},
        {"cripto", 83.798},
        {"xeno", 131.293},
        {"azoto", 28.014},
        {"ossigeno", 31.998},
        {"fluoro", 37.997},
        {"cloro", 70.90},
        {"ammoniaca", 17.031},
        {"trifluoruro di fosforo", 87.969},
        {"monossido di carbonio", 28.010},
        {"biossido di carbonio", 44.009},
        {"monossido di azoto", 30.006},
        {"biossido di zolfo", 64.064},
        {"fluoruro di idrogeno", 20.006},
        {"cloruro di idrogeno", 36.461},
        {"solfuro di idrogeno", 34.081},
        {"metano", 16.043},
        {"etano", 30.070},
        {"cloruro di sodio", 58.443},
        {"cloruro di argento", 143.32},
        {"bromuro di potassio", 119.00},
        {"bromuro di argento", 187.77},
        {"ossido di magnesio", 40.304},
        {"ossido di nichel", 74.692},
        {"fluoruro di bario", 175.32},
        {"fluoruro di calcio", 78.075},
        {"ossido di sodio", 61.979},
        {"ossido di potassio", 94.196},
        {"solfuro di sodio", 78.045},
        {"solfuro di potassio", 110.26},
        {"cloruro di cesio", 168.36},
        {"solfuro di calcio", 72.143},
    };
    const auto it = masses.find(name);
    return it == masses.end() ? 0.0 : it->second;
}

std::string without_article(std::string_view tail)
{
    for (std::string_view article : {"ell'", "ello ", "el "})
        if (tail.starts_with(article)) return std::string(tail.substr(article.size()));
    ADD_FAILURE() << "no article in " << tail;
    return std::string(tail);
}

ChapterFour::ChapterFour() : ChapterTest({.chapter = 4, .run_chapter = run_states_of_matter_chapter}) {}

}  // namespace states_of_matter_test
