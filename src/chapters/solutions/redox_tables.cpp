// The reactions, compounds and titrations of section "Reazioni in soluzione".
#include <algorithm>

#include "chapters/solutions/solutions_tables.h"

namespace solutions {

const std::array<RedoxRoles, 42> redox_roles{{
    {101, 2, 1}, {102, 2, 1}, {103, 1, 2}, {104, 2, 1}, {105, 1, 2}, {106, 1, 2}, {107, 2, 1}, {108, 1, 2}, {109, 2, 1},
    {110, 1, 2}, {111, 1, 2}, {112, 2, 1}, {113, 1, 2}, {114, 2, 1}, {115, 1, 2}, {116, 1, 2}, {117, 2, 1}, {118, 1, 2},
    {119, 2, 1}, {120, 1, 2}, {121, 2, 1}, {122, 1, 2}, {123, 2, 1}, {124, 2, 1}, {125, 1, 2}, {126, 2, 1}, {127, 1, 2},
    {128, 2, 1}, {129, 1, 2}, {130, 2, 1}, {131, 1, 2}, {132, 2, 1}, {133, 2, 1}, {134, 1, 2}, {135, 1, 2}, {136, 2, 1},
    {137, 1, 2}, {138, 1, 2}, {139, 2, 1}, {140, 2, 1}, {141, 1, 2}, {142, 1, 2},
}};

const std::array<RedoxProduct, 36> redox_products{{
    {102, 1, 2, 1}, {103, 1, 2, 2}, {104, 1, 2, 1}, {105, 1, 2, 2}, {106, 1, 2, 1}, {107, 1, 2, 1},
    {108, 1, 2, 1}, {109, 1, 2, 1}, {110, 1, 2, 1}, {111, 1, 2, 1}, {112, 1, 2, 1}, {113, 1, 2, 2},
    {114, 1, 2, 2}, {115, 1, 2, 1}, {117, 1, 2, 1}, {146, 1, 2, 2}, {122, 1, 2, 1}, {123, 1, 2, 1},
    {124, 1, 2, 1}, {125, 1, 2, 2}, {126, 1, 2, 1}, {127, 1, 2, 2}, {128, 1, 2, 2}, {135, 1, 2, 2},
    {131, 1, 2, 2}, {132, 1, 2, 1}, {133, 1, 2, 1}, {134, 1, 2, 2}, {136, 1, 2, 2}, {137, 1, 2, 2},
    {138, 1, 2, 1}, {139, 1, 2, 2}, {140, 1, 2, 1}, {141, 1, 2, 1}, {142, 1, 2, 2}, {144, 1, 2, 2},
}};

const std::array<EquivalentChange, 14> equivalent_changes{{
    {1, 3, "+2", compounds::sodium_nitrate, " l'azoto"},
    {2, 2, "+4", compounds::barium_nitrate, " l'azoto"},
    {3, 8, "-3", compounds::potassium_nitrate, " l'azoto"},
    {4, 1, "+6", compounds::potassium_permanganate, " il manganese"},
    {5, 3, "+4", compounds::potassium_permanganate, " il manganese"},
    {6, 5, "+2", compounds::potassium_permanganate, " il manganese"},
    {7, 6, "+3", compounds::potassium_dichromate, " il cromo"},
    {8, 6, "-1", compounds::sodium_iodate, " lo iodio"},
    {11, 2, "0", compounds::potassium_sulfide, " lo zolfo"},
    {12, 4, "+5", compounds::calcium_nitrite, " l'azoto"},
    {13, 2, "+4", compounds::sodium_oxalate, " il carbonio"},
    {14, 3, "+3", compounds::gold, " l'oro"},
    {15, 2, "+5", compounds::sodium_nitrite, " l'azoto"},
    {16, 8, "+6", compounds::ammonium_sulfide, " lo zolfo"},
}};

const std::array<Titration, 5> titrations{{
    {"Il permanganato ossida l'ossalato in ambiente acido a CO@d2@, riducendosi a Mn@u2+@. Calcolare il volume di "
     "MnO@d4@@u-@ ",
     " N necessario per ossidare ", " g di Na@d2@C@d2@O@d4@.", 66.9995f},
    {"I nitrati ossidano lo zinco in ambiente molto basico a Zn(OH)@d4@@u2-@, riducendosi a NH@d3@. Calcolare il "
     "volume di NO@d3@@u-@ ",
     " N necessario per ossidare ", " g di Zn", 32.685f},
    {"Il tiosolfato S@d2@O@d3@@u2-@ riduce lo iodio in ambiente acido o neutro a ioduro, ossidandosi a "
     "tetrationato S@d4@O@d6@@u2-@. Calcolare il volume di S@d2@O@d3@@u2-@ ",
     " N necessario per ridurre ", " g di I@d2@.", 126.904f},
    {"Il dicromato ossida i sali ferrosi in ambiente acido a ferrici, riducendosi a Cr@u3+@. Calcolare il volume "
     "di Cr@d2@O@d7@@u2-@ ",
     " N necessario per ossidare ", " g di FeSO@d4@.", 151.909f},
    {"Il permanganato ossida i solfiti in ambiente acido a solfati, riducendosi a Mn@u2+@. Calcolare il volume di "
     "MnO@d4@@u-@ ",
     " N necessario per ossidare ", " g di NaHSO@d3@.", 52.03f},
}};

const EquivalentChange& equivalent_change(std::int32_t record)
{
    const auto change = std::find_if(equivalent_changes.begin(), equivalent_changes.end(),
                                     [record](const EquivalentChange& c) { return c.record == record; });
    return change == equivalent_changes.end() ? equivalent_changes.front() : *change;
}

}  // namespace solutions
