// Message parameters and the assembly of a message from its text.
#include <cstdio>
#include <string>

#include "numerics/error_handler.h"
#include "numerics/error_state.h"
#include "numerics/text_utilities.h"

namespace {

// Each entry takes its key, a three-digit length and its text.
constexpr std::size_t parameter_overhead = 5;

std::size_t parameter_buffer_used(const ErrorHandlerState& state)
{
    std::size_t used = 0;
    for (const auto& p : state.parameters) used += parameter_overhead + p.text.size();
    return used;
}

void store_parameter(char letter, std::int32_t number, std::string text)
{
    if (number < 1 || number > 9) return;
    auto& state = error_state();
    const char digit = static_cast<char>('0' + number);
    std::erase_if(state.parameters, [&](const MessageParameter& p) { return p.letter == letter && p.digit == digit; });
    if (parameter_buffer_used(state) + parameter_overhead + text.size() > parameter_buffer_length) return;
    state.parameters.push_back({letter, digit, std::move(text)});
}

const MessageParameter* find_parameter(const ErrorHandlerState& state, char letter, char digit)
{
    for (const auto& p : state.parameters) {
        if (p.letter == letter && p.digit == digit) return &p;
    }
    return nullptr;
}

std::string without_leading_blanks(const std::string& text)
{
    const std::int32_t first = first_char_not_in(text, " ");
    return first == 0 ? std::string() : text.substr(static_cast<std::size_t>(first - 1));
}

}  // namespace

void store_int_message_param(std::int32_t ii, std::int32_t ivalue)
{
    store_parameter('I', ii, std::to_string(ivalue));
}

void store_real_message_param(std::int32_t ii, float rvalue)
{
    char field[40];
    std::snprintf(field, sizeof field, "%14.6E", static_cast<double>(rvalue));
    store_parameter('R', ii, without_leading_blanks(field));
}

void store_literal_message_param(std::int32_t ii, std::string_view text)
{
    if (text.size() > 255) text = text.substr(0, 255);
    if (ii > 0) {
        const auto last = text.find_last_not_of(' ');
        text = last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
    }
    store_parameter('L', ii < 0 ? -ii : ii, std::string(text));
}

std::string assemble_message(std::string_view msg)
{
    const auto& state = error_state();
    std::string out = ".  ";
    std::size_t i = 0;
    while (i < msg.size() && out.size() < max_message_length) {
        const bool placeholder = i + 4 < msg.size() && msg[i] == '%' && msg[i + 1] == '(' && msg[i + 4] == ')' &&
                                 find_substring("ACDIKLRSZ", msg.substr(i + 2, 1)) > 0 && msg[i + 3] >= '1' &&
                                 msg[i + 3] <= '9';
        const MessageParameter* p = placeholder ? find_parameter(state, msg[i + 2], msg[i + 3]) : nullptr;
        if (p != nullptr) {
            out += p->text;
            i += 5;
        } else {
            out += msg[i];
            ++i;
        }
    }
    if (out.size() > max_message_length) out.resize(max_message_length);
    return out;
}
