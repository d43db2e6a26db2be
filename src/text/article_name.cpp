#include "text/article_name.h"

#include <cstdint>

std::string join_article_to_name(std::string_view name)
{
    const auto starts = [name](std::string_view head) { return name.substr(0, head.size()) == head; };
    std::string_view article = "el ";
    if (!name.empty() && std::string_view("aeiou").find(name.front()) != std::string_view::npos) {
        article = "ell'";
    }
    if (starts("z") || starts("x") || starts("io") || starts("sc") || starts("st")) article = "ello ";
    // The feminine names among elements and compounds: "fosfina", "acqua",
    // "formaldeide"; the others are masculine.
    const std::string_view head = name.substr(0, name.find(' '));
    if ((head.ends_with('a') || head.ends_with("aldeide")) && article != "ell'") article = "ella ";
    return std::string(article) + std::string(name);
}

namespace {

enum class NumberSound { consonant, vowel, zero };

// How the integer part of a written number begins when read.
NumberSound number_sound(std::string_view number)
{
    if (number.starts_with('-')) return NumberSound::consonant;  // "meno"
    std::size_t end = 0;
    while (end < number.size() && number[end] >= '0' && number[end] <= '9') ++end;
    std::string_view digits = number.substr(0, end);
    while (digits.size() > 1 && digits.front() == '0') digits.remove_prefix(1);
    if (digits.empty() || digits == "0") return NumberSound::zero;
    // The leading group of three digits is read first: "mille" and "cento"
    // hold no vowel head, "un milione" does.
    const std::size_t head_size = (digits.size() - 1) % 3 + 1;
    const std::size_t groups_after = (digits.size() - 1) / 3;
    std::int32_t head = 0;
    for (const char c : digits.substr(0, head_size)) head = head * 10 + (c - '0');
    if (head == 1) return groups_after == 1 ? NumberSound::consonant : NumberSound::vowel;
    if (head >= 100) return head / 100 == 8 ? NumberSound::vowel : NumberSound::consonant;
    return head == 8 || head == 11 || head / 10 == 8 ? NumberSound::vowel : NumberSound::consonant;
}

}  // namespace

std::string article_before_number(std::string_view stem, std::string_view number)
{
    const NumberSound sound = number_sound(number);
    if (stem.empty()) {
        if (sound == NumberSound::vowel) return "l'";
        return sound == NumberSound::zero ? "lo " : "il ";
    }
    if (sound == NumberSound::vowel) return std::string(stem) + "ll'";
    return std::string(stem) + (sound == NumberSound::zero ? "llo " : "l ");
}

std::string and_before(std::string_view word)
{
    return word.starts_with('e') ? " ed " : " e ";
}

std::string a_before(std::string_view word)
{
    return !word.empty() && std::string_view("aeiou").find(word.front()) != std::string_view::npos ? "ad" : "a";
}
