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

#include <any>
#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <type_traits>

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

// What a chapter remembers from one showing of a problem to the next (the
// picks "Nessuna Versione" must not pose again), as a copy the frame can keep
// and put back: a repeated page has to start from the memory its first
// showing started from, or its redraws come out otherwise.
struct ChapterMemory {
    std::any (*keep)() = nullptr;
    void (*put_back)(const std::any& kept) = nullptr;
};

// The memory of a chapter that keeps it all in one object.
template <auto& State>
constexpr ChapterMemory memory_of()
{
    using Kept = std::remove_cvref_t<decltype(State)>;
    return {[]() -> std::any { return State; }, [](const std::any& kept) { State = std::any_cast<const Kept&>(kept); }};
}

// The generators of the chapters that exist, indexed 1 to 9, and their
// memories (empty for a chapter that remembers nothing).
struct ChapterGenerators {
    std::array<ChapterGenerator, 10> by_chapter{};
    std::array<ChapterMemory, 10> memory{};
};
extern ChapterGenerators chapter_generators;

// Chapter numbers outside 1 to 9 are ignored.
void register_chapter_generator(std::int32_t chapter, ChapterGenerator generator, ChapterMemory memory = {});
bool chapter_available(std::int32_t chapter);
