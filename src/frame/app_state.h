// The shared blocks of the problem book: the tutor state, the texts of the
// current problem, the chapter's registration and the screen settings.
// Each is a struct with exactly one instance, owned by the frame.
#pragma once

#include <array>
#include <cstdint>
#include <string>

// Chapters hold at most 80 problems and 15 sections; entries 16 to 20 of the
// side panel are the five page commands.
inline constexpr std::int32_t max_problems = 80;
inline constexpr std::int32_t max_sections = 15;
inline constexpr std::int32_t side_panel_entries = 20;

// Version numbers with a meaning of their own.
inline constexpr std::int32_t no_version = 0;           // "Nessuna Versione"
inline constexpr std::int32_t text_version = 10000001;  // "Versione Testo"

struct AppState {
    std::int32_t current_chapter = 1;  // 1 to 9
    std::int32_t selected_problem = 1;
    std::int32_t current_level = 5;  // 1 to 5
    std::int32_t problem_count = 0;  // set by the chapter's registration
    std::int32_t version_number = text_version;
    std::int32_t saved_version = text_version;  // kept while a redraw borrows version_number
    std::int32_t index_page_first = 1;          // first problem of the visible group of ten
};
extern AppState app_state;

// One band of the left panel: sections 1 to section_count, commands 16 to 20.
struct SidePanelEntry {
    std::int32_t top = 0;
    std::int32_t bottom = 0;
    std::int32_t first_problem = 0;
    std::string title;
};

// What a chapter's registration pass writes; indices count from 1.
struct ChapterIndex {
    std::array<std::int32_t, max_problems + 1> problem_level{};       // [0] unused
    std::array<SidePanelEntry, side_panel_entries + 1> side_panel{};  // [0] unused
    std::int32_t section_count = 0;
};
extern ChapterIndex chapter_index;

// The statement and answer of the current problem in markup, and the
// generators' work area for table records.
struct ProblemTexts {
    std::string problem_text;  // at most 1000 characters
    std::string answer_text;   // at most 500 characters
    std::string table_buffer;  // at most 800 characters
    // Set before every generator call; cleared by problems with graphics or
    // tables, which the export refuses.
    bool problem_printable = true;
};
extern ProblemTexts problem_texts;

// Where the export puts a problem's results.
enum class PrintMode : std::int32_t {
    results_after_problem = 0,
    results_in_separate_file = 1,
};

// Colours are 0x00BBGGRR.
struct ScreenSettings {
    std::int32_t background_scheme = 1;  // 1 to 5
    PrintMode print_mode = PrintMode::results_after_problem;
    std::int32_t last_seed = 0;  // seed of the last problem generated
    // Filled by draw_main_screen for the current scheme; indexed 1 to 5.
    std::array<std::int32_t, 6> scheme_page_colour{};
    std::array<std::int32_t, 6> scheme_panel_colour{};
    std::array<std::int32_t, 6> scheme_frame_colour{};
    std::array<std::int32_t, 6> scheme_title_colour{};
};
extern ScreenSettings screen_settings;
