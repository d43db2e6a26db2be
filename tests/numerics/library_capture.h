// Captures what the numerical library prints and the stops it asks for, and
// gives every test the default error attributes and option values.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "numerics/error_handler.h"
#include "numerics/library_hooks.h"
#include "numerics/options.h"

class LibraryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_hooks_ = library_hooks;
        library_hooks.write_line = [this](std::int32_t unit, const std::string& line) {
            units.push_back(unit);
            lines.push_back(line);
        };
        library_hooks.stop_run = [this](const StopRequest& request) { stops.push_back(request); };
        ERSET(0, 2, 2);
        restore_default_options();
        E1MES(0, 0, "");  // forget what earlier tests passed up to the program's level
        lines.clear();
        units.clear();
    }

    void TearDown() override
    {
        ERSET(0, 2, 2);
        restore_default_options();
        library_hooks = saved_hooks_;
    }

    static void restore_default_options()
    {
        const std::int32_t chapter1[2] = {-16, -17};
        IUMAG("MATH", 1, 2, 2, chapter1, nullptr);
        const std::int32_t trace = -1;
        IUMAG("MATH", 10, 2, 1, &trace, nullptr);
    }

    // The lines printed so far joined by newlines, and forgotten.
    std::string take_output()
    {
        std::string out;
        for (const auto& line : lines) out += line + "\n";
        lines.clear();
        units.clear();
        return out;
    }

    // The text of the messages printed so far without headers and
    // tracebacks, their line breaks undone and every run of blanks made one.
    std::string printed_text() const
    {
        std::string text;
        for (const auto& line : lines) {
            if (line.rfind(" ***          ", 0) == 0) {
                text += " " + line.substr(14);
            } else if (line.rfind(" *** ", 0) == 0) {
                text += (text.empty() ? "" : "\n") + line.substr(19);
            }
        }
        return single_blanks(text);
    }

    static std::string single_blanks(const std::string& text)
    {
        std::string out;
        for (const char c : text) {
            if (c != ' ' || out.empty() || out.back() != ' ') out += c;
        }
        return out;
    }

    std::vector<std::string> lines;
    std::vector<std::int32_t> units;
    std::vector<StopRequest> stops;

private:
    LibraryHooks saved_hooks_;
};
