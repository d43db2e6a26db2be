// Services of the layers above the frame (chemistry, tools, simulations,
// games, export) that the frame calls. The frame cannot link against those
// layers, so the program plugs them in before main_program runs; a service
// left empty is skipped, and its menu item is greyed.
#pragma once

#include <array>
#include <cstdint>

struct ProgramServices {
    void (*init_data_tables)() = nullptr;
    // The "Fatti della Chimica" box at (x, y), width wide; height gets its height.
    void (*show_chemistry_fact)(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t& height) = nullptr;
    void (*export_problem_rtf)(std::int32_t unit) = nullptr;

    // Items of "&Dati" and "&Strumenti", in menu order: callbacks run on the
    // user-interface thread.
    std::array<void (*)(), 5> data_viewers{};
    std::array<void (*)(), 6> tools{};

    // Items of "&Simulazioni" and "&Giochi", in menu order: routines run on
    // a thread of their own.
    std::array<void (*)(), 3> simulations{};
    std::array<void (*)(), 3> games{};
    // Dialog 116 about the chapter the games ask about; negative: cancelled.
    float (*confirm_games_chapter)() = nullptr;
};
extern ProgramServices program_services;
