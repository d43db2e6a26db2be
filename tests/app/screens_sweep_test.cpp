// The screens outside the problem pages, drawn with the fonts the student
// sees, in their states: the viewers and tools, the simulations' screens and
// the games' screens. Nothing on them is written over another text, across
// a border or out of its box. Set BRUNATEL_GALLERY_DIR to keep the pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "chemistry/true_false_statements.h"
#include "frame/menu_dialogs.h"
#include "frame/page_choice.h"
#include "frame/page_mouse.h"
#include "frame/screen_lease.h"
#include "games/chem_buster_drawing.h"
#include "games/chem_buster_play.h"
#include "games/chem_poker.h"
#include "games/chem_slot.h"
#include "games/game_screen.h"
#include "games/poker_cards.h"
#include "games/slot_reels.h"
#include "layout_check/layout_check.h"
#include "numbers/random_stream.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/graphics.h"
#include "platform/mouse.h"
#include "platform/qt/qt_application.h"
#include "simulations/equilibrium/equilibrium_simulation.h"
#include "simulations/gas_laws/gas_apparatus.h"
#include "simulations/gas_laws/gas_exercise_course.h"
#include "simulations/gas_laws/gas_laws_simulation.h"
#include "simulations/titration/titration_chemistry.h"
#include "simulations/titration/titration_screens.h"
#include "simulations/titration/titration_simulation.h"
#include "simulations/titration/titration_state.h"
#include "support/program_start.h"
#include "text/justified_text.h"
#include "text/paint.h"
#include "tools/element_properties.h"
#include "tools/function_plotter.h"
#include "tools/molecule_records.h"
#include "tools/molecule_viewer.h"
#include "tools/reference_panels.h"
#include "tools/thermo_data_viewer.h"

namespace {

using layout_check::Fault;
using layout_check::FaultKind;
using layout_check::LayoutRecorder;
using layout_check::LayoutRect;

class ScreensSweep : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::install_backend(&recorder);
        testing_support::start_program_with_its_parts();
        session.process_events(50);
        recorder.clear();
    }
    void TearDown() override
    {
        platform::install_backend(nullptr);
        std::string shown;
        for (std::size_t k = 0; k < report.size() && k < 100; ++k)
            shown += report[k].where + ": " + layout_check::sentence(report[k].fault) + "\n";
        EXPECT_TRUE(report.empty()) << report.size() << " difetti:\n" << shown;
    }

    struct Step {
        std::string name;
        LayoutRect area;
        std::int32_t x, y;  // the click that ends the step
    };
    // Runs a screen that waits for clicks on this thread: at each wait, what
    // it drew since the last one is looked at, then the step's click given.
    void play(const std::function<void()>& screen, const std::vector<Step>& steps)
    {
        std::size_t next = 0;
        std::function<void()> step = [&] {
            const Step& s = steps[next++];
            look(s.name, s.area);
            if (next < steps.size()) qw_post_to_ui_thread(step);
            session.mouse(kMouseLeftDown, s.x, s.y, kMouseStateLeftButton);
        };
        qw_post_to_ui_thread(step);
        screen();
        session.process_events(20);
        EXPECT_EQ(next, steps.size());
    }

    // A screen's routine on a page leased for it, given back at its end.
    static std::function<void()> on_a_lease(void (*routine)(ScreenLease&))
    {
        return [routine] {
            ScreenLease lease;
            routine(lease);
        };
    }

    // What the screen shows after a step, inside area, under the step's
    // name: what earlier steps drew and no fill has hidden since is looked
    // at again under what this one drew, and a fault is told once. A step
    // without a name (a card over a screen) has only its buttons looked at.
    void look(const std::string& name, const LayoutRect& area)
    {
        if (inspect && !name.empty()) inspect(name);
        recorder.forget_hidden();
        for (Fault& fault : recorder.every_fault(area)) {
            if (name.empty() && fault.kind != FaultKind::label_off_button) continue;
            if (burette_mark_under_liquid(fault)) continue;
            if (std::ranges::find(told, fault) != told.end()) continue;
            told.push_back(fault);
            report.push_back({name.empty() ? "passaggio" : name, std::move(fault)});
        }
        if (const char* dir = std::getenv("BRUNATEL_GALLERY_DIR"); dir != nullptr && !name.empty()) {
            session.process_events();
            EXPECT_TRUE(session.save_png(std::string(dir) + "/" + name + ".png", 605, 388));
        }
    }

    // The titration's burette shows its liquid over its marks, between x 196
    // and 203: those marks are the picture's own.
    static bool burette_mark_under_liquid(const Fault& fault)
    {
        return fault.kind == FaultKind::stroke_covered && fault.other.x1 == 196 && fault.other.x2 == 203;
    }

    // How many pieces of ink a set of pixels makes, pixels that touch
    // (diagonally too) in one piece.
    static std::int32_t ink_pieces(std::set<std::pair<std::int32_t, std::int32_t>> left_over)
    {
        std::int32_t pieces = 0;
        for (; !left_over.empty(); ++pieces) {
            std::vector<std::pair<std::int32_t, std::int32_t>> piece{*left_over.begin()};
            left_over.erase(left_over.begin());
            while (!piece.empty()) {
                const auto [x, y] = piece.back();
                piece.pop_back();
                for (std::int32_t dx = -1; dx <= 1; ++dx)
                    for (std::int32_t dy = -1; dy <= 1; ++dy)
                        if (left_over.erase({x + dx, y + dy}) > 0) piece.push_back({x + dx, y + dy});
            }
        }
        return pieces;
    }

    platform::qt::Session session;
    LayoutRecorder recorder{session.backend()};
    // What was found wrong, under the name of the screen or step.
    struct Found {
        std::string where;
        Fault fault;
    };
    std::vector<Found> report;
    std::vector<Fault> told;
    // Looks further at what a named step shows, before it is forgotten.
    std::function<void(const std::string&)> inspect;
};

TEST_F(ScreensSweep, ReferencePanels)
{
    // Each panel over the page on its own, the element cards one over another.
    show_units_panel();
    look("unita", {170, 50, 580, 290});
    recorder.clear();
    show_constants_panel();
    look("costanti", {200, 115, 550, 290});
    recorder.clear();
    show_periodic_table();
    look("tavola", {0, 0, 605, 388});
    recorder.clear();
    for (std::int32_t z = 1; z <= 103; ++z) {
        draw_element_properties(z);
        look("elemento" + std::to_string(z), {325, 244, 575, 286});
    }
}

TEST_F(ScreensSweep, UnitsPrefixesStandApartFromTheirPowers)
{
    // Row by row: a prefix, its power of ten ("10" and the raised exponent),
    // the next column's prefix; a column is read by its gaps.
    show_units_panel();
    std::vector<const layout_check::LayoutItem*> row;
    for (const layout_check::LayoutItem& item : recorder.items())
        if (item.kind == layout_check::LayoutItem::Kind::text && item.rect.y1 > 230) row.push_back(&item);
    std::int32_t powers = 0;
    for (std::size_t k = 1; k + 1 < row.size(); ++k) {
        if (row[k]->text != "10") continue;
        ++powers;
        EXPECT_GE(row[k]->rect.x1 - row[k - 1]->rect.x2, 9) << row[k - 1]->text;
        if (k + 2 < row.size() && row[k + 2]->rect.y1 == row[k]->rect.y1) {
            EXPECT_GE(row[k + 2]->rect.x1 - row[k + 1]->rect.x2, 9) << row[k + 2]->text;
        }
    }
    EXPECT_EQ(powers, 12);
    recorder.clear();
}

TEST_F(ScreensSweep, DialogsShowTheirTitlesAndMessagesWhole)
{
    // A title bar takes about 100 pixels for the window's icon and buttons.
    const auto title_room = [this](const std::function<void()>& open) {
        std::int32_t room = -1;
        std::function<void()> measure = [&] {
            if (!session.dialog_open()) return qw_post_to_ui_thread(measure);
            room = session.dialog_title_room();
            session.dialog_key(27);
        };
        qw_post_to_ui_thread(measure);
        open();
        return room;
    };
    EXPECT_GE(title_room(choose_background), 100);  // "Sfondo"
    EXPECT_GE(title_room(open_plot_dialog), 100);   // "Grafici"
    EXPECT_GE(title_room(ask_other_version), 100);
    EXPECT_GE(title_room(show_element_properties), 100);

    // A refused version: the refusal on as many lines as it takes.
    bool whole = false;
    std::int32_t opened = 0;
    std::function<void()> answer = [&] {
        if (!session.dialog_open()) return qw_post_to_ui_thread(answer);
        if (++opened == 2) {
            whole = session.dialog_text_fits(1074);
            session.dialog_key(27);
            return;
        }
        session.dialog_type(1073, "abc");
        session.dialog_key(13);
        qw_post_to_ui_thread(answer);
    };
    qw_post_to_ui_thread(answer);
    ask_other_version();
    EXPECT_EQ(opened, 2);
    EXPECT_TRUE(whole);
    recorder.clear();
}

TEST_F(ScreensSweep, LevelNotice)
{
    // Problems above the level chosen: the notice of their level instead.
    for (const PageChoice& page :
         {PageChoice{.chapter = 9, .problem = 40, .level = 1}, PageChoice{.chapter = 6, .problem = 31, .level = 1},
          PageChoice{.chapter = 9, .problem = 40, .level = 2}}) {
        recorder.clear();
        ASSERT_EQ(show_chosen_page(page), "");
        EXPECT_TRUE(std::ranges::any_of(recorder.items(), [](const auto& item) { return item.text == "Livello"; }));
        for (const Fault& fault : recorder.every_fault(layout_check::page_shown))
            if (fault.kind == FaultKind::text_off_disc) report.push_back({"livello", fault});
    }
    recorder.clear();
}

TEST_F(ScreensSweep, ThermoDataPages)
{
    // Each page looked at, then ">" clicked, and "OK" after the eleventh.
    std::int32_t page = 1;
    std::function<void()> turn = [&] {
        look("termo" + std::to_string(page), {160, 145, 550, 290});
        const bool last = page == 11;
        ++page;
        if (!last) qw_post_to_ui_thread(turn);
        session.mouse(kMouseLeftDown, 530, last ? 217 : 262, kMouseStateLeftButton);
    };
    qw_post_to_ui_thread(turn);
    show_thermo_data();
    EXPECT_EQ(page, 12);
}

TEST_F(ScreensSweep, MoleculeViewer)
{
    run_molecule_viewer();
    look("visualizzatore", {170, 22, 580, 280});
    // Every entry of the list chosen in turn, then "Esci".
    for (std::int32_t k = 1; k <= molecule_record_count; ++k) {
        on_viewer_mouse({kMouseLeftDown, 0, k <= 10 ? 460 : 520, 60 + 20 * ((k - 1) % 10)});
        look("visualizzatore" + std::to_string(k), {170, 22, 580, 280});
    }
    on_viewer_mouse({kMouseLeftDown, 0, 500, 260});
}

TEST_F(ScreensSweep, Titration)
{
    // Each chooser with a value clicked, the menu's every action, a run of
    // drops and of a millilitre, the concentration revealed, a second pass.
    constexpr LayoutRect screen{152, 14, 590, 290};
    play(on_a_lease(run_titration_simulation),
         {
             {"titolazione", screen, 400, 138},       // the generic acid
             {"titolazione_lungo", screen, 400, 74},  // then HCl, a shorter line
             {"titolazione_breve", screen, 535, 200},
             {"titolazione_titolante", screen, 400, 106},  // the third concentration
             {"titolazione_concentrazione", screen, 535, 200},
             {"titolazione_indicatore", screen, 400, 90},  // methyl orange
             {"titolazione_metilarancio", screen, 535, 200},
             {"titolazione_menu", screen, 440, 70},
             {"titolazione_buretta", screen, 259, 206},  // 5 drops
             {"titolazione_gocce", screen, 259, 188},    // 1 mL
             {"titolazione_millilitro", screen, 450, 110},
             {"titolazione_rivelata", screen, 450, 80},  // again from the start
             {"titolazione_ripetuta", screen, 555, 270},
             {"titolazione_menu2", screen, 440, 100},
             {"titolazione_cambio", screen, 400, 138},
             {"titolazione_cambiata", screen, 535, 200},
             {"titolazione_menu3", screen, 440, 130},
             {"titolazione_indicatori", screen, 400, 122},  // phenolphthalein
             {"titolazione_fenolftaleina", screen, 535, 200},
             {"titolazione_menu4", screen, 440, 160},
             {"titolazione_nuova", screen, 400, 194},  // ammonia
             {"titolazione_ammoniaca", screen, 535, 200},
             {"titolazione_titolante2", screen, 535, 200},
             {"titolazione_indicatore2", screen, 535, 200},
             {"titolazione_menu5", screen, 555, 270},
         });
}

TEST_F(ScreensSweep, TitrationChoiceTitlesShareTheirWeightAndMiddle)
{
    // The white letters on each chooser's title band (306, 45)-(574, 61):
    // their middle on the band's; 97 in 100 with a white neighbour beside
    // them, as the two-pixel stems of a bold title have (a regular title, its
    // one-pixel stems, has 93); and their letters
    // apart, as many pieces of ink as letters, or nearly, where a bold drawn
    // twice a pixel apart joins them.
    const std::map<std::string, std::string> titles{{"sostanza", "Scegliere la sostanza da titolare"},
                                                    {"titolante", "Scegliere la concentrazione del titolante"},
                                                    {"indicatore", "Scegliere un indicatore"}};
    std::vector<std::string> seen;
    inspect = [&](const std::string& name) {
        session.process_events();
        std::int32_t left = 574, right = 306, paired = 0;
        std::set<std::pair<std::int32_t, std::int32_t>> ink;
        const auto white = [&](std::int32_t x, std::int32_t y) { return session.canvas_pixel(x, y) == 0xFFFFFF; };
        for (std::int32_t y = 45; y <= 61; ++y) {
            for (std::int32_t x = 306; x <= 574; ++x) {
                if (!white(x, y)) continue;
                ink.insert({x, y});
                paired += white(x - 1, y) || white(x + 1, y) ? 1 : 0;
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        ASSERT_FALSE(ink.empty()) << name;
        EXPECT_LE(std::abs(left + right - (306 + 574)), 3) << name << ": " << left << "-" << right;
        EXPECT_GE(paired * 100, std::ssize(ink) * 97) << name << ": " << paired << " of " << ink.size();
        const std::int32_t pieces = ink_pieces(ink);
        const std::string& title = titles.at(name);
        const auto letters = std::ranges::count_if(title, [](char c) { return c != ' '; });
        EXPECT_GE(pieces * 10, letters * 9) << name << ": " << pieces << " pieces of ink";
        seen.push_back(name);
    };
    constexpr LayoutRect screen{152, 14, 590, 290};
    play(on_a_lease(run_titration_simulation), {
                                                   {"sostanza", screen, 535, 200},  // "OK"
                                                   {"titolante", screen, 535, 200},
                                                   {"indicatore", screen, 535, 200},
                                                   {"", screen, 555, 270},  // the menu, then "Esci"
                                               });
    EXPECT_EQ(seen, (std::vector<std::string>{"sostanza", "titolante", "indicatore"}));
}

TEST_F(ScreensSweep, EquilibriumSystems)
{
    // After a value is clicked in a chooser: the title band's last row
    // whole, and nothing of the gauge or the results box right of the panel.
    const std::set<std::string> chooser_open{"equilibrio_a_003", "equilibrio_a_nulla", "equilibrio_b_nulla",
                                             "equilibrio_rifiuto", "equilibrio_125"};
    std::int32_t looked = 0;
    inspect = [&](const std::string& name) {
        if (!chooser_open.contains(name)) return;
        ++looked;
        session.process_events();
        const std::int32_t band = session.canvas_pixel(306, 61);
        for (std::int32_t x = 306; x <= 574; ++x) EXPECT_EQ(session.canvas_pixel(x, 61), band) << name << " x " << x;
        const std::int32_t background = session.canvas_pixel(589, 100);
        for (std::int32_t y = 40; y <= 220; ++y)
            for (std::int32_t x = 581; x <= 587; ++x)
                EXPECT_EQ(session.canvas_pixel(x, y), background) << name << " at " << x << ", " << y;
    };
    constexpr LayoutRect screen{152, 14, 590, 290};
    play(on_a_lease(run_equilibrium_simulation),
         {
             // The opening card over the screen, which is looked at once it is gone.
             {"", screen, 425, 225},
             {"equilibrio_fermo", screen, 495, 110},
             {"equilibrio_concentrazioni", screen, 330, 142},  // [A] = 0.03
             {"equilibrio_a_003", screen, 330, 94},            // [A] = 0
             {"equilibrio_a_nulla", screen, 400, 94},          // [B] = 0
             {"equilibrio_b_nulla", screen, 530, 230},         // "OK" refused
             {"equilibrio_rifiuto", screen, 530, 200},         // "Cancella"
             {"equilibrio_annullato", screen, 495, 80},
             {"equilibrio_temperatura", screen, 330, 130},  // 125 C
             {"equilibrio_125", screen, 535, 200},
             {"equilibrio_ripreso", screen, 495, 140},
             {"equilibrio_risultati", screen, 545, 275},
         });
    EXPECT_EQ(looked, 5);
}

TEST_F(ScreensSweep, GasLaws)
{
    // The menu, each exercise run to its end, its results, back to the menu.
    constexpr LayoutRect screen{152, 14, 590, 290};
    play(on_a_lease(run_gas_laws_simulation), {
                                                  {"gas_menu", screen, 475, 180},
                                                  {"gas_esercitazione1", screen, 475, 150},
                                                  {"gas_risultati1", screen, 545, 275},
                                                  {"gas_menu1", screen, 475, 210},
                                                  {"gas_esercitazione2", screen, 475, 150},
                                                  {"gas_risultati2", screen, 545, 275},
                                                  {"gas_menu2", screen, 475, 240},
                                                  {"gas_esercitazione3", screen, 475, 150},
                                                  {"gas_risultati3", screen, 545, 275},
                                                  {"gas_menu3", screen, 545, 275},
                                              });
}

TEST_F(ScreensSweep, GasLawsResultsPastAThousandTorr)
{
    // The mixture exercise's lines, each pressure shown with a power of ten.
    GasState gas;
    gas.volume = 5.0f;
    gas.pressure = 1005.0f;
    gas.temperature = 25.0f;
    draw_gas_apparatus(gas);
    const ExerciseCourse course{1015.0f, "Il gas inizialmente nel pallone è CO@d2@", "Valutare la pressione parziale",
                                [] {
                                    return ExerciseResults{"1.33 atm", "@T1@Gas aggiunto : 2.69•10@u-3@ mol",
                                                           "@T1@CO@d2@ aggiunto : 1.35•10@u-3@ mol"};
                                }};
    constexpr LayoutRect screen{152, 14, 590, 290};
    play([&] { run_exercise_course(gas, course); }, {
                                                        {"gas", screen, 475, 150},
                                                        {"gas_risultati", screen, 545, 275},
                                                    });
}

TEST_F(ScreensSweep, GasLawsAnswerBelowZeroTakesADigitWideMinus)
{
    // The white ink on the answer's bar, (400, 142)-(550, 158): its first
    // piece, the minus, a bar two pixels high and six long, not a short dash.
    GasState gas;
    gas.volume = 8.0f;
    gas.pressure = 600.0f;
    gas.temperature = 20.0f;
    draw_gas_apparatus(gas);
    const ExerciseCourse course{700.0f, "La temperatura del termostato viene diminuita",
                                "Il sistema è ora in equilibrio termico", [] {
                                    return ExerciseResults{"-25 @uo@C", "", ""};
                                }};
    bool looked = false;
    inspect = [&](const std::string& name) {
        if (name != "gas_meno") return;
        looked = true;
        session.process_events();
        const auto white = [&](std::int32_t x, std::int32_t y) { return session.canvas_pixel(x, y) == 0xFFFFFF; };
        std::int32_t left = 550;
        for (std::int32_t y = 142; y <= 158; ++y)
            for (std::int32_t x = 400; x < left; ++x)
                if (white(x, y)) left = x;
        std::int32_t right = left, top = 158, bottom = 142;
        for (std::int32_t y = 142; y <= 158; ++y)
            if (white(left, y)) top = std::min(top, y), bottom = std::max(bottom, y);
        while (white(right + 1, top)) ++right;
        EXPECT_EQ(bottom - top + 1, 2);
        EXPECT_GE(right - left + 1, 6);
    };
    constexpr LayoutRect screen{152, 14, 590, 290};
    play([&] { run_exercise_course(gas, course); }, {
                                                        {"gas", screen, 475, 150},
                                                        {"gas_meno", screen, 545, 275},
                                                    });
    EXPECT_TRUE(looked);
}

TEST_F(ScreensSweep, PokerCards)
{
    // Every rank and suit, and the joker, turned over on the table twice.
    fill_box(poker_table_green, 160, 40, 575, 285);
    const SuitImages suits = make_suit_images();
    for (std::int32_t first = 1; first <= 14; first += 5) {
        PokerHand hand;
        for (std::int32_t k = 0; k < 5; ++k) {
            const std::int32_t n = std::min(first + k, 14);
            hand[static_cast<std::size_t>(k)] = {n == 14 ? joker_rank : n, 1 + (n - 1) % 4};
        }
        for (int twice = 0; twice < 2; ++twice) draw_poker_card(hand, {1, 1, 1, 1, 1}, suits);
        look("carte" + std::to_string(first), {160, 40, 575, 285});
    }
}

TEST_F(ScreensSweep, DuvoVizaz)
{
    // Every card held, drawn, and "Exit": a deal that pays, so that the
    // credits are counted up digit by digit on the last screen.
    constexpr LayoutRect table{157, 37, 578, 288};
    set_random_seed(1);
    session.stop_clock(1230000001);
    play(on_a_lease(run_chem_poker), {
                                         {"poker", table, 182, 210},
                                         {"poker_tenuta", table, 262, 210},
                                         {"", table, 342, 210},
                                         {"", table, 422, 210},
                                         {"", table, 502, 210},
                                         {"poker_tenute", table, 310, 250},  // "Draw"
                                         {"poker_pagato", table, 502, 60},   // "Exit"
                                     });
    EXPECT_GT(poker_state.payout, 0);
}

TEST_F(ScreensSweep, VadaViva)
{
    play(on_a_lease(run_chem_slot), {{"vada_viva", {150, 12, 592, 292}, 480, 220}});
}

TEST_F(ScreensSweep, SlotQuestionsReadWithoutStretchedLines)
{
    // Every statement a win may be put at stake on, a few draws of each, in
    // the slot's question box as the game draws it.
    for (std::int32_t group = 1; group <= 2; ++group) {
        const std::int32_t types = group == 1 ? true_false_group_1_types : true_false_group_2_types;
        for (std::int32_t type = 1; type <= types; ++type) {
            for (std::int32_t draw = 1; draw <= 8; ++draw) {
                set_random_seed(100 * type + draw);
                GameStatement statement;
                make_true_false_statement(group, type, statement.text, game_statement_length, statement.truth);
                fill_box(0x0000AA, 180, 210, 380, 285);
                draw_justified_text(185, 375, 235, statement_markup(statement));
                look("slot_domanda" + std::to_string(group) + "." + std::to_string(type), {180, 210, 380, 285});
            }
        }
    }
}

TEST_F(ScreensSweep, SlotReels)
{
    // Every symbol on the pay line of some reel, at rest.
    for (std::int32_t first = 1; first <= 10; first += 3) {
        qw_set_clip_region(reel_window_x1, reel_window_y1, reel_window_x2, reel_window_y2);
        for (std::int32_t k = 1; k <= 3; ++k) draw_slot_reel(k, next_slot_symbol(first + k - 2), reel_rest_offset);
        draw_slot_pay_line();
        qw_set_clip_region(0, 0, 1600, 1600);
        look("rulli" + std::to_string(first), {reel_window_x1, reel_window_y1, reel_window_x2, reel_window_y2});
    }
}

TEST_F(ScreensSweep, ChemBusterMessages)
{
    BusterColours colours;
    calibrate_buster_colours(colours);
    flash_buster_message(colours, 220, 400, "You are bust!", 250);
    look("buster_bust", {210, 155, 410, 230});
    flash_buster_message(colours, 220, 400, "Very Good!", 250);
    look("buster_bene", {210, 155, 410, 230});
    flash_buster_message(colours, 250, 390, "Wrong!", 350);
    look("buster_errore", {210, 155, 410, 230});
}

TEST_F(ScreensSweep, TitrationSummaryAfterAShorterAnalyteIsAsDrawnAfresh)
{
    start_titration_state();
    const auto summary = [this] {
        session.process_events();
        std::vector<std::int32_t> pixels;
        for (std::int32_t y = 240; y <= 290; ++y)
            for (std::int32_t x = 240; x <= 580; ++x) pixels.push_back(session.canvas_pixel(x, y));
        return pixels;
    };
    titration_state.analyte_choice = 1;  // HCl
    draw_titration_summary();
    const std::vector<std::int32_t> fresh = summary();
    titration_state.analyte_choice = generic_acid;  // its line the longest
    draw_titration_summary();
    titration_state.analyte_choice = 1;
    draw_titration_summary();
    EXPECT_TRUE(summary() == fresh);
}

TEST_F(ScreensSweep, Plotter)
{
    const struct {
        const char* name;
        std::array<std::string, 4> ranges;
        std::array<std::string, 2> functions;
    } plots[] = {
        {"grafici", {"-1", "1", "-1", "1"}, {"x^2-1/5", "exp(-x)"}},
        {"grafici_esteso", {"-1", "1", "-1", "1"}, {"exp(x*1000)", "-exp(x*1000)"}},
        {"grafici_ampio", {"-1e30", "1e30", "-3e37", "3e37"}, {"x^9", "-x*1e7"}},
    };
    for (const auto& p : plots) {
        plotter_state = {true, p.ranges, p.functions};
        qw_post_to_ui_thread([this] { session.dialog_key(27); });
        open_plot_dialog();
        look(p.name, {190, 0, 605, 300});
        // The middle readout, "0.00000" under the frame: its six zeros and
        // its point stand apart, seven pieces of ink, not a chain.
        session.process_events();
        const auto readout = std::ranges::find_if(recorder.items(), [](const layout_check::LayoutItem& item) {
            return item.kind == layout_check::LayoutItem::Kind::text && item.text == "0.00000";
        });
        ASSERT_NE(readout, recorder.items().end()) << p.name;
        const std::int32_t ground = session.canvas_pixel(readout->rect.x1 - 1, 280);
        std::set<std::pair<std::int32_t, std::int32_t>> ink;
        for (std::int32_t y = 276; y <= 287; ++y)
            for (std::int32_t x = readout->rect.x1; x <= readout->rect.x2; ++x)
                if (session.canvas_pixel(x, y) != ground) ink.insert({x, y});
        EXPECT_EQ(ink_pieces(ink), 7) << p.name;
        recorder.clear();
    }
    // The plotter samples the user's function over the user's ranges: its
    // points at their ends lie on the frame by the user's choice.
    std::erase_if(report, [](const Found& found) {
        const FaultKind kind = found.fault.kind;
        return kind == FaultKind::point_cut_by_frame || kind == FaultKind::point_near_frame ||
               kind == FaultKind::point_near_line;
    });
}

}  // namespace
