// Services of the layers above the frame (tools, simulations, games,
// export) that the frame calls. The frame cannot link against those
// layers, so the program plugs them in before main_program runs; a service
// left empty is skipped, and its menu item is greyed.
#pragma once

#include <array>
#include <cstdint>

class ScreenLease;

struct ProgramServices {
    void (*export_problem_rtf)(std::int32_t unit) = nullptr;

    // Items of "&Dati" and "&Strumenti", in menu order: callbacks run on the
    // user-interface thread.
    std::array<void (*)(), 5> data_viewers{};
    std::array<void (*)(), 6> tools{};

    // Items of "&Simulazioni" and "&Giochi", in menu order: routines run on
    // a thread of their own, holding the page through the lease they are given.
    std::array<void (*)(ScreenLease&), 3> simulations{};
    std::array<void (*)(ScreenLease&), 3> games{};
    // Dialog 116 about the chapter the games ask about; negative: cancelled.
    float (*confirm_games_chapter)() = nullptr;
};
extern ProgramServices program_services;
