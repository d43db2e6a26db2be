#include "frame/page_navigation.h"

#include <algorithm>

#include "frame/app_state.h"

std::int32_t index_group_start(std::int32_t q)
{
    return ((q - 1) / 10) * 10 + 1;
}

bool problem_available(std::int32_t q)
{
    return q >= 1 && q <= std::min(app_state.problem_count, max_problems) &&
           chapter_index.problem_level[q] <= app_state.current_level;
}

std::int32_t previous_available_problem(std::int32_t from)
{
    for (std::int32_t q = std::min(from, app_state.problem_count + 1) - 1; q >= 1; --q)
        if (problem_available(q)) return q;
    return 0;
}

std::int32_t next_available_problem(std::int32_t from)
{
    for (std::int32_t q = std::max(from, 0) + 1; q <= app_state.problem_count; ++q)
        if (problem_available(q)) return q;
    return 0;
}

std::int32_t available_problem_from(std::int32_t start)
{
    const std::int32_t count = std::min(app_state.problem_count, max_problems);
    if (count < 1 || start < 1 || start > count) return 0;
    for (std::int32_t step = 1; step <= count; ++step) {
        const std::int32_t q = (start - 1 + step) % count + 1;
        if (problem_available(q)) return q;
    }
    return 0;
}

std::int32_t opening_problem()
{
    const std::int32_t count = std::min(app_state.problem_count, max_problems);
    for (std::int32_t k = 1; k <= count; ++k)
        if (problem_available(k)) return k;
    std::int32_t lowest = 100;
    std::int32_t chosen = 1;
    for (std::int32_t k = 1; k <= count; ++k) {
        if (chapter_index.problem_level[k] < lowest) {
            lowest = chapter_index.problem_level[k];
            chosen = k;
        }
    }
    return chosen;
}

IndexPageTarget earlier_index_page()
{
    for (std::int32_t page = app_state.index_page_first - 10; page >= 1; page -= 10) {
        for (std::int32_t q = page + 9; q >= page; --q)
            if (problem_available(q)) return {page, q};
    }
    return {};
}

IndexPageTarget later_index_page()
{
    if (app_state.problem_count < app_state.index_page_first + 10) return {};
    for (std::int32_t page = app_state.index_page_first + 10; page <= app_state.problem_count; page += 10) {
        for (std::int32_t q = page; q <= page + 9; ++q)
            if (problem_available(q)) return {page, q};
    }
    return {};
}
