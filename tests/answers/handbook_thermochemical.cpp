// The thermochemical handbook: formation data at 25 °C.
#include <limits>
#include <string>
#include <vector>

#include "handbook.h"

namespace conditions {

namespace {

constexpr double unlisted = std::numeric_limits<double>::quiet_NaN();

}  // namespace

const std::vector<ThermoSources>& thermochemical_rows()
{
    static const std::vector<ThermoSources> rows = {
        {"N@d2@", 0.0, unlisted, 0.0, unlisted, 191.61, unlisted, 29.12, unlisted},
        {"O@d2@", 0.0, unlisted, 0.0, unlisted, 205.15, unlisted, 29.38, unlisted},
        {"Cl@d2@", 0.0, unlisted, 0.0, unlisted, 223.08, unlisted, 33.91, unlisted},
        {"Br@d2@", 30.91, unlisted, 3.11, unlisted, 245.47, unlisted, 36.02, unlisted},
        {"I@d2@", 62.42, unlisted, 19.33, unlisted, 260.69, unlisted, 36.90, unlisted},
        {"P@d4@", 0.0, unlisted, 0.0, unlisted, 164.36, unlisted, 95.36, unlisted},
        {"H@d2@", 0.0, unlisted, 0.0, unlisted, 130.68, unlisted, 28.84, unlisted},
        {"H@d2@O(l)", -285.83, unlisted, -237.13, unlisted, 69.95, 69.91, 75.33, 75.29},
        {"NH@d3@", -45.94, -46.11, -16.41, -16.45, 192.77, 192.45, 35.06, unlisted},
        {"H@d2@O@d2@", -187.78, unlisted, -120.35, unlisted, 109.6, unlisted, 89.1, unlisted},
        {"CO", -110.53, unlisted, -137.17, unlisted, 197.66, unlisted, 29.14, unlisted},
        {"CO@d2@", -393.51, unlisted, -394.36, unlisted, 213.79, unlisted, 37.14, unlisted},
        {"NO", 91.29, 90.25, 87.60, 86.55, 210.76, unlisted, 29.86, unlisted},
        {"NO@d2@", 33.18, 34.19, 51.31, 52.34, 240.06, 240.2, 37.20, unlisted},
        {"SO@d2@", -296.83, unlisted, -300.19, unlisted, 248.22, unlisted, 39.87, unlisted},
        {"SO@d3@", -395.72, unlisted, -371.06, unlisted, 256.76, unlisted, 50.67, unlisted},
        {"P@d4@O@d10@", -2984.0, unlisted, -2697.7, unlisted, 228.86, unlisted, 211.71, unlisted},
        {"ZnO", -350.46, unlisted, -320.50, unlisted, 43.65, unlisted, 40.25, unlisted},
        {"BaO", -548.0, -553.5, -520.3, -525.1, 72.1, 70.42, 47.3, 47.78},
        {"Al@d2@O@d3@", -1675.7, unlisted, -1582.3, unlisted, 50.92, unlisted, 79.04, unlisted},
        {"Fe@d2@O@d3@", -824.2, unlisted, -742.2, unlisted, 87.40, unlisted, 103.85, unlisted},
        {"PbO", -217.32, unlisted, -187.89, unlisted, 68.70, unlisted, 45.77, unlisted},
        {"N@d2@O", 81.6, 82.05, 103.7, 104.20, 220.0, 219.85, 38.6, 38.45},
        {"NaOH", -425.8, -425.61, -379.7, -379.49, 64.4, 64.46, 59.54, unlisted},
        {"H@d3@PO@d4@", -1284.4, -1279.0, -1124.3, -1119.1, 110.5, unlisted, 106.1, unlisted},
        {"HCl", -92.31, unlisted, -95.30, unlisted, 186.90, unlisted, 29.12, unlisted},
        {"HI", 26.48, unlisted, 1.70, unlisted, 206.59, unlisted, 29.16, unlisted},
        {"H@d2@S", -20.63, unlisted, -33.56, unlisted, 205.81, unlisted, 34.23, unlisted},
        {"KCl", -436.5, -436.75, -408.5, -409.14, 82.6, 82.59, 51.3, unlisted},
        {"BaCl@d2@", -855.0, -858.6, -806.7, -810.4, 123.7, unlisted, 75.1, unlisted},
        {"AlCl@d3@", -704.2, unlisted, -628.8, unlisted, 110.67, unlisted, 91.1, 91.84},
        {"PbS", -100.4, unlisted, -98.7, unlisted, 91.2, unlisted, 49.5, unlisted},
        {"ZnS", -206.0, -205.98, -201.3, unlisted, 57.7, unlisted, 46.0, unlisted},
        {"N@d2@H@d4@", 50.6, unlisted, 149.3, unlisted, 121.2, unlisted, 98.87, unlisted},
        {"H@d2@O(g)", -241.83, unlisted, -228.57, unlisted, 188.83, unlisted, 33.58, unlisted},
        {"KClO@d3@", -397.7, unlisted, -296.3, unlisted, 143.1, unlisted, 100.25, unlisted},
        {"CH@d4@", -74.6, -74.81, -50.5, -50.72, 186.25, unlisted, 35.69, unlisted},
        {"C@d2@H@d6@", -84.0, unlisted, -32.0, unlisted, 229.2, 229.60, 52.5, 52.63},
        {"C@d3@H@d8@", -103.8, unlisted, -23.4, -23.49, 270.3, 269.91, 73.6, unlisted},
        {"CH@d3@OH", -239.2, -238.66, -166.6, -166.27, 126.8, unlisted, 81.1, unlisted},
        {"Na", 0.0, unlisted, 0.0, unlisted, 51.3, 51.21, 28.24, unlisted},
        {"Al", 0.0, unlisted, 0.0, unlisted, 28.30, unlisted, 24.35, unlisted},
        {"Mn", 0.0, unlisted, 0.0, unlisted, 32.01, unlisted, 26.32, unlisted},
        {"Cu", 0.0, unlisted, 0.0, unlisted, 33.15, unlisted, 24.44, unlisted},
        {"Fe", 0.0, unlisted, 0.0, unlisted, 27.28, unlisted, 25.10, unlisted},
        {"Ag", 0.0, unlisted, 0.0, unlisted, 42.55, unlisted, 25.35, unlisted},
        {"Au", 0.0, unlisted, 0.0, unlisted, 47.40, unlisted, 25.42, unlisted},
        {"Pb", 0.0, unlisted, 0.0, unlisted, 64.81, unlisted, 26.44, unlisted},
        {"Zn", 0.0, unlisted, 0.0, unlisted, 41.63, unlisted, 25.40, unlisted},
        {"C@d2@H@d4@", 52.4, 52.26, 68.4, 68.15, 219.3, 219.56, 42.9, 43.56},
        {"C@d3@H@d6@", 20.0, 20.42, 62.78, unlisted, 267.0, 266.6, 64.0, 63.89},
        {"COCl@d2@", -219.1, -218.8, -204.9, -204.6, 283.53, unlisted, 57.66, unlisted},
        {"NOBr", 82.17, unlisted, 82.42, unlisted, 273.66, unlisted, 45.48, unlisted},
        {"HBr", -36.3, -36.40, -53.4, -53.45, 198.7, 198.695, 29.1, 29.142},
        {"H(g)", 218.0, 217.965, 203.3, 203.247, 114.7, 114.713, 20.8, 20.784},
        {"Br(g)", 111.9, 111.884, 82.4, 82.396, 175.0, 175.022, 20.8, 20.786},
    };
    return rows;
}

const ThermoSources* thermochemical(const std::string& formula)
{
    for (const ThermoSources& t : thermochemical_rows())
        if (formula == t.formula) return &t;
    return nullptr;
}

}  // namespace conditions
