// brunatel-snapshot: draws one problem page headless, as the program shows
// it after choosing chapter, problem, version and level, and prints its
// statement and answer markup.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "app/program_parts.h"
#include "frame/app_state.h"
#include "frame/initial_settings.h"
#include "frame/main_program.h"
#include "frame/page_choice.h"
#include "platform/qt/qt_application.h"

namespace {

constexpr const char* usage =
    "uso: brunatel-snapshot --chapter C --problem P --version V [--level L] [--scheme S] [--answer] [--png FILE]";

std::optional<std::int32_t> whole_number(std::string_view text)
{
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string without_trailing_blanks(const std::string& text)
{
    const auto last = text.find_last_not_of(' ');
    return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

int refuse(const std::string& message)
{
    std::cerr << message << "\n" << usage << "\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    PageChoice choice;
    std::string png;
    bool chapter = false, problem = false, version = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--answer") {
            choice.answer = true;
            continue;
        }
        if (i + 1 >= argc) return refuse("Manca il valore di " + std::string(option) + ".");
        const std::string_view value = argv[++i];
        if (option == "--png") {
            png = value;
            continue;
        }
        const auto number = whole_number(value);
        if (!number) return refuse("Valore non intero per " + std::string(option) + ": " + std::string(value));
        if (option == "--chapter") {
            choice.chapter = *number;
            chapter = true;
        } else if (option == "--problem") {
            choice.problem = *number;
            problem = true;
        } else if (option == "--version") {
            choice.version = *number;
            version = true;
        } else if (option == "--level") {
            choice.level = *number;
        } else if (option == "--scheme") {
            choice.scheme = *number;
        } else {
            return refuse("Opzione sconosciuta: " + std::string(option));
        }
    }
    if (!chapter || !problem || !version) return refuse("Servono --chapter, --problem e --version.");

    platform::qt::Application application(argc, argv);
    platform::qt::Session session;
    plug_in_program_parts();
    initial_settings();
    main_program();
    if (const std::string error = show_chosen_page(choice); !error.empty()) return refuse(error);
    session.process_events();
    if (!png.empty() && !session.save_png(png, 605, 388)) {
        std::cerr << "Impossibile scrivere " << png << "\n";
        return 1;
    }
    std::cout << "problem_text: " << without_trailing_blanks(problem_texts.problem_text) << "\n"
              << "answer_text: " << without_trailing_blanks(problem_texts.answer_text) << "\n";
    return 0;
}
