// A page chosen as the user would choose it through the menus and the
// index: for tools that show one page without a user.
#pragma once

#include <cstdint>
#include <string>

struct PageChoice {
    std::int32_t chapter = 1;
    std::int32_t problem = 1;
    std::int32_t version = 10000001;  // 0 "Nessuna Versione", 10000001 "Versione Testo"
    std::int32_t level = 5;
    std::int32_t scheme = 1;
    bool answer = false;  // then also "Mostra i risultati"
};

// On a started program: background scheme, level, chapter, version, then the
// problem, and the results when asked. Returns an Italian message naming what
// cannot be chosen, or an empty text when the page is shown.
std::string show_chosen_page(const PageChoice& choice);

// On the page show_chosen_page left, the same problem under another version
// (and its results when asked): one page drawn instead of two. Returns an
// Italian message when the version cannot be chosen.
std::string show_chosen_version(std::int32_t version, bool answer);
