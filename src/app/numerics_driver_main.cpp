// brunatel-numerics-driver: the console test driver of the random stream and
// the vector geometry. The command (RAND, RANV, VESP or SIST) is the first
// argument, or the first item read from the console; its data follow on the
// console, items separated by blanks, commas or line ends.
#include <cstdint>
#include <iostream>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "numbers/formatted_conversions.h"
#include "numbers/random_stream.h"
#include "numerics/simulation_helpers.h"
#include "numerics/vector_geometry.h"

namespace {

constexpr std::int32_t draw_count = 10000;
const char* const unreadable_input = "Input errato: dati non leggibili.";

// List-directed items from the console, read across lines as needed.
class ConsoleItems {
public:
    std::optional<std::string> next()
    {
        while (pending_.empty()) {
            std::string line;
            if (!std::getline(std::cin, line)) return std::nullopt;
            std::string item;
            for (const char c : line + " ") {
                if (c == ' ' || c == ',' || c == '\t' || c == '\r') {
                    if (!item.empty()) pending_.push_back(item);
                    item.clear();
                } else {
                    item += c;
                }
            }
        }
        std::string item = pending_.front();
        pending_.erase(pending_.begin());
        return item;
    }

    std::optional<std::int32_t> whole()
    {
        const auto item = next();
        return item ? read_list_int(*item) : std::nullopt;
    }

    std::optional<float> real()
    {
        const auto item = next();
        return item ? read_list_real(*item) : std::nullopt;
    }

    // n reals, or nothing when one of them cannot be read.
    std::optional<std::vector<float>> reals(std::size_t n)
    {
        std::vector<float> values;
        for (std::size_t k = 0; k < n; ++k) {
            const auto value = real();
            if (!value) return std::nullopt;
            values.push_back(*value);
        }
        return values;
    }

private:
    std::vector<std::string> pending_;
};

void print_line(const std::string& line)
{
    std::cout << line << '\n';
}

void print_state()
{
    print_line(format_i(random_stream.random_state, 12));
}

void print_averages()
{
    print_line(format_e(accumulate_average(1, 0, 0, 2), 20, 8) + format_e(accumulate_average(2, 0, 0, 2), 20, 8));
}

void reset_averages()
{
    accumulate_average(1, 0, 0, 0);
    accumulate_average(2, 0, 0, 0);
}

float random_real_draw(float a, float b)
{
    return random_real(a, b);
}

// "(/,(3X,I6,3X,3E20.6))": a blank line, then one point a line.
void print_points(const std::vector<Vector3>& points, std::int32_t n)
{
    print_line("");
    for (std::int32_t i = 0; i < n; ++i) {
        std::string line = "   " + format_i(i + 1, 6) + "   ";
        for (const float c : points[static_cast<std::size_t>(i)]) line += format_e(c, 20, 6);
        print_line(line);
    }
}

void run_math_test_driver(const std::string& command, ConsoleItems& console)
{
    if (command == "RAND") {
        const auto seed = console.whole();
        if (!seed) return print_line(unreadable_input);
        reset_averages();
        set_random_seed(*seed);
        print_state();
        for (std::int32_t k = 0; k < draw_count; ++k) {
            const float u = random_real(-1.0f, 1.0f);
            accumulate_average(1, u, 1, 1);
            accumulate_average(2, u * u, 1, 1);
        }
        print_averages();
        print_state();
    } else if (command == "RANV") {
        const auto seed = console.whole();
        const auto values = seed ? console.reals(2) : std::nullopt;
        if (!values) return print_line(unreadable_input);
        const float length = (*values)[0];
        const float theta = (*values)[1];
        reset_averages();
        set_random_seed(*seed);
        for (std::int32_t k = 0; k < draw_count; ++k) {
            const Vector3 first = random_vector_polar(length, random_real_draw);
            Vector3 second{};
            if (!random_vector_at_angle(first, theta, length, second, random_real_draw)) continue;
            accumulate_average(1, angle_between_vectors(first, second) - theta, 1, 1);
            accumulate_average(2, 1.5f * first[0] * first[0] - 0.5f, 1, 1);
        }
        print_averages();
    } else if (command == "VESP") {
        const auto values = console.reals(13);
        if (!values) return print_line(unreadable_input);
        const std::vector<float>& v = *values;
        std::vector<Vector3> points = {{v[0], v[1], v[2]}, {v[3], v[4], v[5]}, {v[6], v[7], v[8]}, {}};
        if (!place_atom_from_three(points[0], points[1], points[2], v[9], v[10], v[11], points[3])) {
            return print_line("Geometria degenere: impossibile collocare il quarto punto.");
        }
        print_points(points, 4);
        std::vector<float> coordinates;
        for (const Vector3& point : points) coordinates.insert(coordinates.end(), point.begin(), point.end());
        rotate_about_axis(4, coordinates.data(), {0, 0, 0}, {1, 0, 0}, v[12]);
        for (std::size_t k = 0; k < coordinates.size(); ++k) points[k / 3][k % 3] = coordinates[k];
        print_points(points, 4);
        print_line(format_e(dihedral_of_points(points[0], points[1], points[2], points[3]), 20, 8));
    } else if (command == "SIST") {
        std::int32_t n = 0;
        do {
            const auto read = console.whole();
            if (!read) return print_line(unreadable_input);
            n = *read;
        } while (n < 1 || n > max_verbose_equations);
        const auto coefficients = console.reals(static_cast<std::size_t>(n * n));
        const auto rhs = coefficients ? console.reals(static_cast<std::size_t>(n)) : std::nullopt;
        if (!rhs) return print_line(unreadable_input);
        SquareMatrix7 a{};
        for (std::int32_t i = 0; i < n; ++i) {
            for (std::int32_t j = 0; j < n; ++j) {
                a[static_cast<std::size_t>(i + j * max_verbose_equations)] =
                    (*coefficients)[static_cast<std::size_t>(i * n + j)];
            }
        }
        // "(I5,7F10.3)": a row of seven equations has eight reals, the last
        // one going on to a line of its own.
        const EliminationRowSink show_row = [](std::int32_t row, float value, std::span<const float> row_values) {
            std::string line = format_i(row, 5) + format_f(value, 10, 3);
            for (std::size_t j = 0; j < row_values.size(); ++j) {
                if (j == 6) {
                    print_line(line);
                    line = std::string(5, ' ');
                }
                line += format_f(row_values[j], 10, 3);
            }
            print_line(line);
        };
        std::vector<float> x(static_cast<std::size_t>(n));
        if (!solve_linear_system_verbose(a, n, rhs->data(), x.data(), show_row)) {
            return print_line("Sistema singolare: soluzione non trovata.");
        }
        std::string line;
        for (const float value : x) line += format_f(value, 10, 5);
        print_line("");
        print_line(line);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    ConsoleItems console;
    std::string command;
    if (argc > 1) {
        command = argv[1];
    } else if (const auto item = console.next()) {
        command = *item;
    }
    run_math_test_driver(command.substr(0, 4), console);
    return 0;
}
