#include <gtest/gtest.h>

#include "chemistry/hydrogen_fluoride_vapour.h"

namespace {

// The vapour's measured densities over the monomer's: about three times it
// when saturated at the normal boiling point, 19.5 °C (a mean molar mass near
// 60), and a few per cent above it at 100 °C and 1 atm.
TEST(HydrogenFluorideVapour, MeetsMeasuredDensities)
{
    EXPECT_NEAR(hydrogen_fluoride_association(292.67, 1.0), 3.0, 0.4);
    EXPECT_NEAR(hydrogen_fluoride_association(373.15, 1.0), 1.03, 0.02);
}

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
