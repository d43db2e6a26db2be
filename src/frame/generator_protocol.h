// How a chapter generator is written and how it reaches the dispatcher.
//
// A chapter is a table of sections and a table of problem blocks handed to
// walk_problem_blocks, which does the walk every chapter shares:
//
//   void run_basic_notions_chapter(GeneratorMode request)
//   {
//       static constexpr ChapterSection sections[] = {
//           {"Notazione scientifica", 1, 40, 55}, ...};
//       static constexpr ProblemBlock blocks[] = {
//           {1, generate_problem_1, answer_problem_1}, ...};
//       walk_problem_blocks(request, sections, blocks);
//   }
//
// The chapters layer registers each chapter that exists with
// register_chapter_generator (chapters/chapter_registry.h); a chapter without
// a generator has its "&Indice" item greyed.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

// The requests a generator answers.
enum class GeneratorMode : std::int32_t {
    register_chapter = 1000,  // sections, levels, count
    generate = 1,             // draw the selected problem
    answer = 2,               // draw its answer
};

using ChapterGenerator = void (*)(GeneratorMode request);

struct ChapterSection {
    std::string_view title;
    std::int32_t first_problem;  // the section is registered just before this block
    std::int32_t top;            // band of the entry in the side panel
    std::int32_t bottom;
};

struct ProblemBlock {
    std::int32_t level;  // 1 to 5
    void (*generate)();  // generate: draws the statement, fills the texts
    void (*answer)();    // answer: draws the answer (nullptr: nothing)
};

// Walks the blocks in order: on register_chapter clears side-panel entries 1 to
// 15 and registers each section before its first block; every block stores
// its level; the selected block handles generate or answer and ends the walk;
// a walk that passes every block sets problem_count. Sections beyond the 15
// entries and blocks beyond the 80 levels of the tables are refused.
void walk_problem_blocks(GeneratorMode request, std::span<const ChapterSection> sections,
                         std::span<const ProblemBlock> blocks);

// The generators of the chapters that exist, indexed 1 to 9.
struct ChapterGenerators {
    std::array<ChapterGenerator, 10> by_chapter{};
};
extern ChapterGenerators chapter_generators;

// Chapter numbers outside 1 to 9 are ignored.
void register_chapter_generator(std::int32_t chapter, ChapterGenerator generator);
bool chapter_available(std::int32_t chapter);
