#include <gtest/gtest.h>

#include "chemistry/hydrogen_fluoride_vapour.h"

namespace {

// No measured densities of the vapour are held here (neither the 1943
// densities the ring's fit comes from nor later measurements), so no case
// claims the model's figures: only the laws any association obeys.
//
// The monomer alone at vanishing pressure; by Le Chatelier, more associated
// at higher pressure and, the bonds giving out heat, less at higher
// temperature.
TEST(HydrogenFluorideVapour, AssociationFollowsPressureAndTemperature)
{
    EXPECT_NEAR(hydrogen_fluoride_association(300.0, 1e-6), 1.0, 1e-5);
    for (const double kelvin : {290.0, 320.0, 350.0, 400.0, 450.0}) {
        double previous = 1.0;
        for (const double atm : {0.01, 0.1, 0.5, 1.0, 2.0, 5.0, 10.0}) {
            const double association = hydrogen_fluoride_association(kelvin, atm);
            EXPECT_GT(association, previous) << kelvin << " K, " << atm << " atm";
            EXPECT_GT(association, hydrogen_fluoride_association(kelvin + 10.0, atm)) << kelvin << " K, " << atm;
            previous = association;
        }
    }
}

}  // namespace
