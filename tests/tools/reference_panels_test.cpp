// The units and constants panels as the recording backend logs them, and
// one panel and the element card as the Qt canvas shows them.
#include <gtest/gtest.h>

#include <string>

#include "platform/graphics.h"
#include "platform/qt/qt_application.h"
#include "tools/element_properties.h"
#include "tools/reference_panels.h"
#include "viewers_fixture.h"

namespace tools_test {
namespace {

using ReferencePanels = StartedProgram;

TEST_F(ReferencePanels, ConstantsWithTheirPowersOfTenAndUnits)
{
    ASSERT_TRUE(backend.click_menu_item(4, 2));
    const std::string drawn = drawn_text();
    // Superscripts are drawn apart: "•10" then the exponent.
    const char* const rows[] = {
        "Massa del protone1.672622•10-27 kg",
        "Massa del neutrone1.674927•10-27 kg",
        "Massa dell'elettrone9.109384•10-31 kg",  // was 9.109383
        "Carica del protone1.602177•10-19 C",
        "Costante di Planck6.626070•10-34 J•s",     // was 6.626069
        "Costante di Boltzmann1.380649•10-23 J/K",  // exact since 2019; was 1.380651
        "Velocità della luce nel vuoto2.997925•108   m/s",
        "Unità di massa atomica1.660539•10-27 kg",
        "Numero di Avogadro6.022141•1023",  // was 6.022142
    };
    for (const char* row : rows) EXPECT_NE(drawn.find(row), std::string::npos) << row << " in " << drawn;
    EXPECT_EQ(backend.log_lines("text (215,268)").size(), 1u);  // the ninth row
    EXPECT_EQ(backend.log_lines("text (320,122)").size(), 1u);  // the title
}

TEST_F(ReferencePanels, UnitsAndPrefixesOverThePage)
{
    ASSERT_TRUE(backend.click_menu_item(4, 1));
    const std::string drawn = drawn_text();
    for (const char* piece : {"Unità di misura", "metro (m)", "ampère (A)", "mole (mol)", "atmosfera (atm) = 101325 Pa",
                              "micro (µ) 10-6", "tera (T) 1012"})
        EXPECT_NE(drawn.find(piece), std::string::npos) << piece;
    EXPECT_EQ(backend.log_lines("rect filled (170,50)-(580,290) 0xCCCCCC").size(), 1u);
    // The constants panel goes over the units panel without clearing the page.
    backend.clear_log();
    ASSERT_TRUE(backend.click_menu_item(4, 2));
    EXPECT_TRUE(backend.log_lines("rect filled (0,0)").empty());
    ASSERT_TRUE(backend.click_menu_item(4, 4));  // the periodic table
    EXPECT_NE(drawn_text().find("Lr"), std::string::npos);
}

TEST(ReferencePixels, ConstantsPanelAndElementCardAtTheirPlaces)
{
    platform::qt::Session session;
    start_program_with_its_parts();
    show_constants_panel();
    draw_element_properties(6);
    session.process_events();
    const auto pixel = [&session](std::int32_t x, std::int32_t y) { return session.canvas_pixel(x, y); };
    // The panel: grey, with a blue border inset 5 and 4 pixels.
    EXPECT_EQ(pixel(202, 117), 0xCCCCCC);
    EXPECT_EQ(pixel(205, 200), 0xFF0000);
    EXPECT_EQ(pixel(545, 200), 0xFF0000);
    EXPECT_EQ(pixel(300, 119), 0xFF0000);
    EXPECT_NE(pixel(199, 200), 0xCCCCCC);
    // The card over it: light grey, a grey frame, carbon's symbol in colour 2.
    EXPECT_EQ(pixel(322, 288), 0xE9E9E9);
    EXPECT_EQ(pixel(325, 280), 0x808080);
    EXPECT_EQ(pixel(400, 244), 0x808080);
    bool symbol = false;
    for (std::int32_t y = 254; y < 290 && !symbol; ++y)
        for (std::int32_t x = 333; x < 365 && !symbol; ++x) symbol = pixel(x, y) == 0xAA0000;
    EXPECT_TRUE(symbol);
}

}  // namespace
}  // namespace tools_test
